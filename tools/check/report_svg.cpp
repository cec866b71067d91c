#include <algorithm>

#include "check/document_lookup.h"
#include "check/report_output.h"
#include "check/window_drawing.h"

namespace zix::check {

namespace {

constexpr int64_t kMargin = 12;

std::string Xml(std::u16string_view text) { return EscapeMarkup(text); }

std::string Num(int64_t value) { return std::to_string(value); }

struct Box {
  int64_t left, top, right, bottom;
  void Include(int64_t x, int64_t y, int64_t w, int64_t h) {
    left = std::min(left, x);
    top = std::min(top, y);
    right = std::max(right, x + std::max<int64_t>(w, 0));
    bottom = std::max(bottom, y + std::max<int64_t>(h, 0));
  }
};

}  // namespace

std::string ReportSvg(const CheckReport& report) {
  const DrawnWindow drawn = DrawnWindowOf(report);
  const int64_t outerWidth = drawn.outerWidth;
  const int64_t outerHeight = drawn.outerHeight;
  const int64_t clientWidth = drawn.clientWidth;
  const int64_t clientHeight = drawn.clientHeight;
  const int64_t clientLeft = drawn.clientLeft;
  const int64_t clientTop = drawn.clientTop;

  Box view{0, 0, outerWidth, outerHeight};
  view.Include(clientLeft, clientTop, clientWidth, clientHeight);
  for (const ButtonReport& button : report.buttons) {
    const ButtonRect& r = button.buttonSpec.rect;
    view.Include(std::clamp<int64_t>(clientLeft + r.left, -kMaxReach, kMaxReach),
                 std::clamp<int64_t>(clientTop + r.top, -kMaxReach, kMaxReach),
                 std::min<int64_t>(r.width, kMaxReach), std::min<int64_t>(r.height, kMaxReach));
  }
  view.left -= kMargin;
  view.top -= kMargin;
  view.right += kMargin;
  view.bottom += kMargin;
  const int64_t viewWidth = view.right - view.left;
  const int64_t viewHeight = view.bottom - view.top;

  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Num(viewWidth) + "\" height=\"" +
         Num(viewHeight) + "\" viewBox=\"" + Num(view.left) + " " + Num(view.top) + " " +
         Num(viewWidth) + " " + Num(viewHeight) +
         "\" font-family=\"Tahoma, 'WenQuanYi Micro Hei', sans-serif\" font-size=\"11\">\n";
  svg += "<title>" + Xml(report.settings.title) + "</title>\n";
  svg += "<rect id=\"canvas\" x=\"" + Num(view.left) + "\" y=\"" + Num(view.top) + "\" width=\"" +
         Num(viewWidth) + "\" height=\"" + Num(viewHeight) + "\" fill=\"#ffffff\"/>\n";
  svg += "<rect id=\"frame\" x=\"0\" y=\"0\" width=\"" + Num(outerWidth) + "\" height=\"" +
         Num(outerHeight) + "\" fill=\"#dfe7f1\" stroke=\"#3a6ea5\"/>\n";
  svg += "<clipPath id=\"caption-bar\"><rect x=\"0\" y=\"0\" width=\"" +
         Num(std::max<int64_t>(outerWidth - 8, 0)) + "\" height=\"" + Num(clientTop) +
         "\"/></clipPath>\n";
  svg += "<text id=\"title\" x=\"8\" y=\"" + Num(clientTop / 2 + 4) +
         "\" font-size=\"12\" clip-path=\"url(#caption-bar)\">" + Xml(report.settings.title) +
         "</text>\n";
  svg += "<rect id=\"client\" x=\"" + Num(clientLeft) + "\" y=\"" + Num(clientTop) + "\" width=\"" +
         Num(clientWidth) + "\" height=\"" + Num(clientHeight) + "\" fill=\"#f0f0f0\"/>\n";

  for (const ButtonReport& button : report.buttons) {
    const ButtonRect& r = button.buttonSpec.rect;
    const int64_t x = clientLeft + r.left;
    const int64_t y = clientTop + r.top;
    const int64_t w = std::max<int64_t>(r.width, 0);
    const int64_t h = std::max<int64_t>(r.height, 0);
    const std::string id = Num(button.buttonSpec.tag);
    svg += "<g id=\"button-" + id + "\">\n";
    svg += "<clipPath id=\"clip-" + id + "\"><rect x=\"" + Num(x) + "\" y=\"" + Num(y) +
           "\" width=\"" + Num(w) + "\" height=\"" + Num(h) + "\"/></clipPath>\n";
    svg += "<rect x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" width=\"" + Num(w) + "\" height=\"" +
           Num(h) + "\" fill=\"#e1e1e1\" " +
           (button.outsideClient ? "stroke=\"#d00000\" stroke-width=\"2\" stroke-dasharray=\"4 3\""
                                 : "stroke=\"#adadad\"") +
           "/>\n";
    svg += "<text x=\"" + Num(x + w / 2) + "\" y=\"" + Num(y + h / 2 + 4) +
           "\" text-anchor=\"middle\" clip-path=\"url(#clip-" + id + ")\">" +
           CaptionMarkup(button.buttonSpec.caption, "<tspan text-decoration=\"underline\">",
                         "</tspan>") +
           "</text>\n";
    svg += "</g>\n";
  }
  svg += "</svg>\n";
  return svg;
}

}  // namespace zix::check
