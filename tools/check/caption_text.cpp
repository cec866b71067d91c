#include "check/caption_text.h"

namespace zix::check {

namespace {

int EstimatedUnitWidth(char16_t unit) {
  if (unit >= 0xDC00 && unit <= 0xDFFF) return 0;  // the second half of a pair counts with the first
  if (unit > 0x7F) return unit >= 0x1100 ? 12 : 8;
  static constexpr std::u16string_view kNarrow = u" .,:;'!|iIjlft()[]`";
  static constexpr std::u16string_view kWide = u"MWmw@%";
  if (kNarrow.find(unit) != std::u16string_view::npos) return 4;
  if (kWide.find(unit) != std::u16string_view::npos) return 10;
  if (unit >= u'A' && unit <= u'Z') return 8;
  return 6;
}

}  // namespace

std::vector<CaptionPart> CaptionParts(std::u16string_view caption) {
  std::vector<CaptionPart> parts;
  const auto add = [&](std::u16string_view text, bool underlined) {
    if (parts.empty() || parts.back().underlined || underlined)
      parts.push_back({std::u16string(text), underlined});
    else
      parts.back().text += text;
  };
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != u'&') {
      add(caption.substr(i, 1), false);
      continue;
    }
    if (++i >= caption.size()) break;
    // An underlined character beyond one code unit keeps both of its halves.
    const bool pair = caption[i] >= 0xD800 && caption[i] <= 0xDBFF && i + 1 < caption.size() &&
                      caption[i + 1] >= 0xDC00 && caption[i + 1] <= 0xDFFF;
    add(caption.substr(i, pair ? 2 : 1), caption[i] != u'&');
    if (pair) ++i;
  }
  return parts;
}

std::u16string ShownCaption(std::u16string_view caption) {
  std::u16string shown;
  for (const CaptionPart& part : CaptionParts(caption)) shown += part.text;
  return shown;
}

std::u16string CaptionShowing(std::u16string_view text) {
  std::u16string caption;
  for (const char16_t unit : text) {
    if (unit == u'&') caption += u'&';
    caption += unit;
  }
  return caption;
}

int EstimatedCaptionWidth(std::u16string_view caption) {
  int width = 0;
  for (const char16_t unit : ShownCaption(caption)) width += EstimatedUnitWidth(unit);
  return width;
}

}  // namespace zix::check
