#include "check/document_lookup.h"
#include "check/report_output.h"
#include "platform/numbers.h"

namespace zix::check {

namespace {

std::u16string Quote(std::u16string_view text) { return u"\"" + std::u16string(text) + u"\""; }

std::u16string SystemName(bool win64) { return win64 ? u"64-bit" : u"32-bit"; }

}  // namespace

std::u16string OutcomeText(const SystemOutcome& outcome) {
  if (const auto* start = std::get_if<LaunchStart>(&outcome.outcome)) {
    std::u16string text =
        start->via == LaunchVia::ExecuteFileInDir ? u"ExecuteFileInDir " : u"ExecuteFile ";
    text += start->file + u"\n        parameters " + Quote(start->params) + u", working folder " +
            start->dir;
    if (outcome.workingFolderExists == false) text += u" (missing)";
    return text;
  }
  if (const auto* message = std::get_if<LaunchMessage>(&outcome.outcome)) {
    std::u16string text = u"message " + Quote(message->text);
    if (outcome.lookedFor) text += u" (looked for " + *outcome.lookedFor + u": missing)";
    return text;
  }
  const auto& error = std::get<LaunchError>(outcome.outcome);
  return u"error box " + Quote(error.message) + u" (" +
         std::u16string(error.className.begin(), error.className.end()) + u")";
}

namespace {

void AppendButton(std::u16string& out, const ButtonReport& button) {
  const ButtonRect& r = button.buttonSpec.rect;
  out += u"\n[" + DecimalText(button.buttonSpec.tag) + u"] " + Quote(button.buttonSpec.caption) + u" at " +
         DecimalText(r.left) + u"," + DecimalText(r.top) + u" size " + DecimalText(r.width) + u"x" +
         DecimalText(r.height);
  out += button.accessKey ? u", access key " + std::u16string(1, *button.accessKey)
                          : std::u16string(u", no access key");
  if (button.outsideClient) out += u", outside the client area";
  out += u"\n    ";
  out += button.tooltip.empty() ? std::u16string(u"no tooltip") : u"tooltip " + Quote(button.tooltip);
  if (button.tooltip != button.buttonSpec.hint) out += u" (Hint " + Quote(button.buttonSpec.hint) + u")";
  out += u"\n";

  const bool alike = button.outcomes.size() == 2 &&
                     OutcomeText(button.outcomes[0]) == OutcomeText(button.outcomes[1]);
  if (alike) {
    out += u"    32-bit and 64-bit: " + OutcomeText(button.outcomes[0]) + u"\n";
    return;
  }
  for (const SystemOutcome& outcome : button.outcomes)
    out += u"    " + SystemName(outcome.win64) + u": " + OutcomeText(outcome) + u"\n";
}

}  // namespace

std::u16string ReportText(const CheckReport& report) {
  const CheckOptions& o = report.options;
  const StartupSettings& s = report.settings;
  const TGridLayout& g = report.grid;
  std::u16string out = u"zixgame-check: " + report.filePath + u" (" +
                       EncodingName(report.encoding, o.codePage) + u")\n";
  out += u"window: " + DecimalText(s.width) + u"x" + DecimalText(s.height) + u", client " +
         DecimalText(report.client.width) + u"x" + DecimalText(report.client.height) +
         (report.clientAssumed ? u" (outer size less 16x38)" : u"") + u", title " +
         Quote(s.title) + u"\n";
  out += u"grid: origin " + DecimalText(g.OriginX) + u"," + DecimalText(g.OriginY) + u", buttons " +
         DecimalText(g.ButtonWidth) + u"x" + DecimalText(g.ButtonHeight) + u", gaps " + DecimalText(g.SpaceX) +
         u"," + DecimalText(g.SpaceY) + u", " + DecimalText(g.ColCount) + u" column(s), Count " +
         DecimalText(s.count) + u"\n";
  out += u"imagined: " + ImaginedText(o) + u"\n";
  for (const ButtonReport& button : report.buttons) AppendButton(out, button);
  if (static_cast<int64_t>(report.buttons.size()) < s.count)
    out += u"\n(only the first " + DecimalText(static_cast<int64_t>(report.buttons.size())) +
           u" buttons are listed)\n";

  out += u"\n";
  if (report.warnings.empty()) {
    out += u"no warnings\n";
    return out;
  }
  out += DecimalText(static_cast<int64_t>(report.warnings.size())) +
         (report.warnings.size() == 1 ? u" warning:\n" : u" warnings:\n");
  for (const CheckWarning& warning : report.warnings) {
    out += report.filePath;
    if (warning.line) out += u":" + DecimalText(warning.line);
    out += u": warning: " + warning.message + u" [" +
           std::u16string(warning.code.begin(), warning.code.end()) + u"]\n";
  }
  return out;
}

std::u16string ImaginedText(const CheckOptions& o) {
  return u"Windows " + DecimalText(o.windows.major) + u"." + DecimalText(o.windows.minor) + u" " +
         ReleaseLabel(o.windows) + u", decimal separator " +
         Quote(std::u16string(1, o.decimalSeparator)) + u", launcher folder " + o.launcherDir;
}

std::u16string EncodingName(IniEncoding encoding, unsigned codePage) {
  switch (encoding) {
    case IniEncoding::Utf8: return u"UTF-8 with mark";
    case IniEncoding::Utf16LE: return u"UTF-16 little-endian with mark";
    case IniEncoding::Utf16BE: return u"UTF-16 big-endian with mark";
    case IniEncoding::Ansi: break;
  }
  return u"no mark: ANSI code page " + DecimalText(codePage);
}

}  // namespace zix::check
