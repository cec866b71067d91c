#pragma once
// A button caption as a push button draws it: "&&" shows one "&", a lone "&" underlines the
// character after it, and a last "&" shows nothing.

#include <string>
#include <string_view>
#include <vector>

namespace zix::check {

struct CaptionPart {
  std::u16string text;
  bool underlined = false;
};

std::vector<CaptionPart> CaptionParts(std::u16string_view caption);

// The caption's text as shown, without its underlines.
std::u16string ShownCaption(std::u16string_view caption);

// A text as a caption that shows it exactly: every "&" doubled.
std::u16string CaptionShowing(std::u16string_view text);

// About how wide the shown caption is in the launcher's 8-point Tahoma, in pixels. Generous:
// Chinese characters come from a fallback font about 12 pixels wide.
int EstimatedCaptionWidth(std::u16string_view caption);

}  // namespace zix::check
