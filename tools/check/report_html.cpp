#include <algorithm>

#include "check/document_lookup.h"
#include "check/report_output.h"
#include "check/window_drawing.h"
#include "platform/numbers.h"
#include "platform/text_codec.h"

namespace zix::check {

namespace {

std::string Num(int64_t value) { return std::to_string(value); }

std::string Px(int64_t value) { return Num(value) + "px"; }

std::string Box(int64_t left, int64_t top, int64_t width, int64_t height) {
  return "left:" + Px(left) + ";top:" + Px(top) + ";width:" + Px(width) + ";height:" + Px(height);
}

// The page stands alone: its style and its few lines of script travel inside it.
constexpr const char* kStyle = R"(
body{font:13px "Segoe UI","Microsoft YaHei","WenQuanYi Micro Hei",sans-serif;margin:16px;color:#1b1b1b;background:#fff}
h1{font-size:15px;margin:0 0 4px}h2{font-size:14px;margin:20px 0 6px}
.facts{color:#555;margin:0 0 14px}
#window{position:relative;flex:none;box-sizing:border-box;background:#dfe7f1;border:1px solid #3a6ea5;box-shadow:0 4px 14px rgba(0,0,0,.25)}
#title{position:absolute;left:8px;right:8px;top:0;font-size:12px;white-space:pre;overflow:hidden}
#client{position:absolute;background:#f0f0f0;overflow:hidden}
.game{position:absolute;box-sizing:border-box;margin:0;padding:0 2px;font:11px Tahoma,"WenQuanYi Micro Hei",sans-serif;color:#000;background:#e1e1e1;border:1px solid #adadad;white-space:pre;overflow:hidden;text-align:center;cursor:default}
.game:hover{background:#e5f1fb;border-color:#0078d7}
.game:focus{outline:1px dotted #000;outline-offset:-4px}
.game.outside{border:2px dashed #d00000}
.tooltip{display:none;position:absolute;z-index:2;padding:2px 5px;font:12px "Microsoft YaHei","WenQuanYi Micro Hei",sans-serif;white-space:pre;background:#fff;border:1px solid #767676;box-shadow:2px 2px 3px rgba(0,0,0,.3)}
.row{display:flex;gap:24px;align-items:flex-start}
#presses{min-width:280px;max-width:560px}#presses h2{margin-top:0}
.press{display:none;border-left:3px solid #0078d7;padding:4px 10px;background:#f6f9fc}
.press.shown{display:block}
.press dt{font-weight:600}.press dd{margin:0 0 4px 16px}
#warnings li{margin:2px 0}.line{font-weight:600}
)";


// A press shows what it does; "#pressed-N" in the address shows entry N's at once.
constexpr const char* kScript = R"(
function press(tag) {
  for (const p of document.querySelectorAll(".press")) p.classList.toggle("shown", p.id === "press-" + tag);
}
const asked = /^#pressed-(\d+)$/.exec(location.hash);
if (asked) press(asked[1]);
)";

std::string SystemName(bool win64, Language language) {
  return ToUtf8(Say(language, win64 ? Phrase::PageSystem64 : Phrase::PageSystem32));
}

// The text report's words on one line: its second line only continues the first.
std::string OutcomeMarkup(const SystemOutcome& outcome, Language language) {
  std::u16string text = OutcomeText(outcome, language);
  const size_t wrap = text.find(u'\n');
  if (wrap != std::u16string::npos) {
    const size_t next = text.find_first_not_of(u' ', wrap + 1);
    text.replace(wrap, next - wrap, Say(language, Phrase::OutcomeContinues));
  }
  return EscapeMarkup(text);
}

int64_t Reach(int64_t value) { return std::clamp<int64_t>(value, -kMaxReach, kMaxReach); }

std::string ButtonMarkup(const ButtonReport& button) {
  const ButtonRect& r = button.buttonSpec.rect;
  const std::string id = Num(button.buttonSpec.tag);
  const int64_t width = std::clamp<int64_t>(r.width, 0, kMaxReach);
  const int64_t height = std::clamp<int64_t>(r.height, 0, kMaxReach);
  std::string html = "<button type=\"button\" class=\"game" +
                     std::string(button.outsideClient ? " outside" : "") + "\" id=\"button-" + id +
                     "\" data-tag=\"" + id + "\" style=\"" +
                     Box(Reach(r.left), Reach(r.top), width, height) + "\"";
  if (button.accessKey) html += " data-access-key=\"" + EscapeMarkup({&*button.accessKey, 1}) + "\"";
  html += " onclick=\"press(" + id + ")\">" +
          CaptionMarkup(button.buttonSpec.caption, "<u>", "</u>") + "</button>\n";
  return html;
}

// Above the client area, which would cut off what leaves it.
std::string TooltipMarkup(const ButtonReport& button, const DrawnWindow& drawn) {
  if (button.tooltip.empty()) return "";
  const ButtonRect& r = button.buttonSpec.rect;
  const std::string id = Num(button.buttonSpec.tag);
  // Windows shows a tooltip below the pointer; below the button's middle stands in for it.
  const int64_t tipLeft = drawn.clientLeft + Reach(r.left) + std::clamp<int64_t>(r.width, 0, kMaxReach) / 2;
  const int64_t tipTop = drawn.clientTop + Reach(r.top) + std::clamp<int64_t>(r.height, 0, kMaxReach) + 4;
  return "<div class=\"tooltip\" id=\"tooltip-" + id + "\" role=\"tooltip\" style=\"left:" +
         Px(tipLeft) + ";top:" + Px(tipTop) + "\">" + EscapeMarkup(button.tooltip) + "</div>\n";
}

std::string PressMarkup(const ButtonReport& button, Language language) {
  const std::string id = Num(button.buttonSpec.tag);
  std::string html = "<div class=\"press\" id=\"press-" + id + "\"><p>[" + id + "] " +
                     CaptionMarkup(button.buttonSpec.caption, "<u>", "</u>");
  if (button.outsideClient) html += EscapeMarkup(Say(language, Phrase::PressOutside));
  html += "</p><dl>\n";
  for (const SystemOutcome& outcome : button.outcomes) {
    html += "<dt>" + SystemName(outcome.win64, language) + "</dt><dd class=\"outcome-" +
            (outcome.win64 ? std::string("64") : std::string("32")) + "\">" +
            OutcomeMarkup(outcome, language) + "</dd>\n";
  }
  return html + "</dl></div>\n";
}

std::string WarningsMarkup(const CheckReport& report) {
  const Language language = report.options.language;
  if (report.warnings.empty())
    return "<h2>" + EscapeMarkup(Say(language, Phrase::NoWarnings)) + "</h2>\n<ol id=\"warnings\"></ol>\n";
  const std::u16string heading =
      report.warnings.size() == 1
          ? Say(language, Phrase::PageOneWarning)
          : Say(language, Phrase::PageManyWarnings, {DecimalText(static_cast<int64_t>(report.warnings.size()))});
  std::string html = "<h2>" + EscapeMarkup(heading) + "</h2>\n<ol id=\"warnings\">\n";
  for (const CheckWarning& warning : report.warnings) {
    const std::u16string where = WarningPlace(report, warning);
    html += "<li data-line=\"" + Num(warning.line) + "\" data-code=\"" + warning.code +
            "\"><span class=\"line\">" + EscapeMarkup(where) + "</span>: " +
            EscapeMarkup(warning.message) + " [" + warning.code + "]</li>\n";
  }
  return html + "</ol>\n";
}

}  // namespace

std::string ReportHtml(const CheckReport& report) {
  const DrawnWindow drawn = DrawnWindowOf(report);
  const std::string title = EscapeMarkup(report.settings.title);
  const Language language = report.options.language;
  std::string html = std::string("<!DOCTYPE html>\n<html lang=\"") +
                     (language == Language::Chinese ? "zh-CN" : "en") +
                     "\">\n<head>\n<meta charset=\"utf-8\">\n";
  html += "<title>" + title + " - zixgame-check</title>\n<style>" + std::string(kStyle);
  // A tooltip shows while the pointer rests on its button, as the launcher's does.
  for (const ButtonReport& button : report.buttons) {
    if (button.tooltip.empty()) continue;
    const std::string id = Num(button.buttonSpec.tag);
    html += "#window:has(#button-" + id + ":hover) #tooltip-" + id + "{display:block}\n";
  }
  html += "</style>\n</head>\n<body>\n";
  html += "<h1>" + EscapeMarkup(report.filePath) + "</h1>\n<p class=\"facts\">" +
          EscapeMarkup(Say(language, Phrase::PageFacts,
                           {DecimalText(report.settings.width), DecimalText(report.settings.height),
                            DecimalText(report.client.width), DecimalText(report.client.height),
                            ImaginedText(report.options)})) +
          "</p>\n";
  if (report.autorun)
    html += "<p class=\"facts\" id=\"autorun\">" + EscapeMarkup(AutorunText(*report.autorun, language)) + "</p>\n";
  html += "<div class=\"row\">\n<div id=\"window\" style=\"width:" + Px(drawn.outerWidth) + ";height:" +
          Px(drawn.outerHeight) + "\">\n<div id=\"title\" style=\"height:" + Px(drawn.clientTop) +
          ";line-height:" + Px(drawn.clientTop) + "\">" + title + "</div>\n";
  html += "<div id=\"client\" style=\"" +
          Box(drawn.clientLeft, drawn.clientTop, drawn.clientWidth, drawn.clientHeight) + "\">\n";
  for (const ButtonReport& button : report.buttons) html += ButtonMarkup(button);
  html += "</div>\n";
  for (const ButtonReport& button : report.buttons) html += TooltipMarkup(button, drawn);
  html += "</div>\n";

  html += "<div id=\"presses\">\n<h2>" + EscapeMarkup(Say(language, Phrase::PressHeading)) +
          "</h2>\n<p class=\"facts\">" + EscapeMarkup(Say(language, Phrase::PressIntro)) + "</p>\n";
  for (const ButtonReport& button : report.buttons) html += PressMarkup(button, language);
  html += "</div>\n</div>\n" + WarningsMarkup(report) + "<script>" + kScript + "</script>\n";
  html += "</body>\n</html>\n";
  return html;
}

}  // namespace zix::check
