#include "check/window_drawing.h"

#include <algorithm>

#include "check/caption_text.h"
#include "platform/text_codec.h"

namespace zix::check {

std::string EscapeMarkup(std::u16string_view text) {
  std::string out;
  for (const char c : ToUtf8(text)) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    }
  }
  return out;
}

std::string CaptionMarkup(std::u16string_view caption, std::string_view open,
                          std::string_view close) {
  std::string out;
  for (const CaptionPart& part : CaptionParts(caption)) {
    if (part.underlined) out += open;
    out += EscapeMarkup(part.text);
    if (part.underlined) out += close;
  }
  return out;
}

DrawnWindow DrawnWindowOf(const CheckReport& report) {
  DrawnWindow w;
  w.outerWidth = std::clamp<int64_t>(report.settings.width, 0, kMaxReach);
  w.outerHeight = std::clamp<int64_t>(report.settings.height, 0, kMaxReach);
  w.clientWidth = std::clamp<int64_t>(report.client.width, 0, kMaxReach);
  w.clientHeight = std::clamp<int64_t>(report.client.height, 0, kMaxReach);
  const int64_t border = std::max<int64_t>((w.outerWidth - w.clientWidth) / 2, 0);
  w.clientLeft = border;
  w.clientTop = std::max<int64_t>(w.outerHeight - w.clientHeight - border, 0);
  return w;
}

}  // namespace zix::check
