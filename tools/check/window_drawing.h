#pragma once
// What the SVG picture and the web page share: markup-safe text, captions with their
// underlines, and where the frame and client area of the window lie.

#include <cstdint>
#include <string>
#include <string_view>

#include "check/check_report.h"

namespace zix::check {

// Far-away buttons and huge windows are drawn only this far out: a renderer asked for a
// picture millions of pixels wide would fail, and such a button is reported as outside anyway.
inline constexpr int64_t kMaxReach = 3000;

// Text for XML or HTML: the five special characters as entities, control characters (which
// XML 1.0 forbids) as "?".
std::string EscapeMarkup(std::u16string_view text);

// The caption as a push button draws it, each underlined character wrapped in open and close.
std::string CaptionMarkup(std::u16string_view caption, std::string_view open,
                          std::string_view close);

// The window as drawn, in pixels from its outer top-left corner.
struct DrawnWindow {
  int64_t outerWidth = 0;
  int64_t outerHeight = 0;
  int64_t clientLeft = 0;
  int64_t clientTop = 0;
  int64_t clientWidth = 0;
  int64_t clientHeight = 0;
};

// Side and bottom borders alike; the caption bar takes the rest at the top.
DrawnWindow DrawnWindowOf(const CheckReport& report);

}  // namespace zix::check
