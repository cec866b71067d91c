#include "check/document_lookup.h"
#include "check/report_output.h"
#include "platform/numbers.h"

namespace zix::check {

namespace {

std::u16string Via(LaunchVia via) {
  return via == LaunchVia::ExecuteFileInDir ? u"ExecuteFileInDir" : u"ExecuteFile";
}

}  // namespace

std::u16string Quote(Language language, std::u16string_view text) {
  return Say(language, Phrase::Quoted, {text});
}

std::u16string OutcomeText(const SystemOutcome& outcome, Language language) {
  if (const auto* start = std::get_if<LaunchStart>(&outcome.outcome)) {
    std::u16string dir = start->dir;
    if (outcome.workingFolderExists == false) dir += Say(language, Phrase::FolderMissing);
    return Say(language, Phrase::OutcomeStart,
               {Via(start->via), start->file, Quote(language, start->params), dir});
  }
  if (const auto* message = std::get_if<LaunchMessage>(&outcome.outcome)) {
    std::u16string text = Say(language, Phrase::OutcomeMessage, {Quote(language, message->text)});
    if (outcome.lookedFor) text += Say(language, Phrase::LookedForMissing, {*outcome.lookedFor});
    return text;
  }
  const auto& error = std::get<LaunchError>(outcome.outcome);
  return Say(language, Phrase::OutcomeErrorBox,
             {Quote(language, error.message),
              std::u16string(error.className.begin(), error.className.end())});
}

namespace {

void AppendButton(std::u16string& out, const ButtonReport& button, Language language) {
  const ButtonRect& r = button.buttonSpec.rect;
  out += u"\n" + Say(language, Phrase::ButtonLine,
                     {DecimalText(button.buttonSpec.tag), Quote(language, button.buttonSpec.caption),
                      DecimalText(r.left), DecimalText(r.top), DecimalText(r.width),
                      DecimalText(r.height)});
  out += button.accessKey
             ? Say(language, Phrase::AccessKey, {std::u16string(1, *button.accessKey)})
             : Say(language, Phrase::NoAccessKey);
  if (button.outsideClient) out += Say(language, Phrase::OutsideClient);
  out += u"\n    ";
  out += button.tooltip.empty() ? Say(language, Phrase::NoTooltip)
                                : Say(language, Phrase::Tooltip, {Quote(language, button.tooltip)});
  if (button.tooltip != button.buttonSpec.hint)
    out += Say(language, Phrase::HintShown, {Quote(language, button.buttonSpec.hint)});
  out += u"\n";

  const bool alike = button.outcomes.size() == 2 &&
                     OutcomeText(button.outcomes[0], language) == OutcomeText(button.outcomes[1], language);
  if (alike) {
    out += u"    " + Say(language, Phrase::SystemOutcome,
                         {Say(language, Phrase::BothSystems), OutcomeText(button.outcomes[0], language)}) +
           u"\n";
    return;
  }
  for (const SystemOutcome& outcome : button.outcomes) {
    const Phrase system = outcome.win64 ? Phrase::System64 : Phrase::System32;
    out += u"    " +
           Say(language, Phrase::SystemOutcome, {Say(language, system), OutcomeText(outcome, language)}) +
           u"\n";
  }
}

}  // namespace

std::u16string WarningPlace(const CheckReport& report, const CheckWarning& warning) {
  std::u16string where = warning.file.empty() ? report.filePath : warning.file;
  if (warning.line) where += u":" + DecimalText(warning.line);
  return where;
}

std::u16string ReportText(const CheckReport& report) {
  const CheckOptions& o = report.options;
  const Language language = o.language;
  const StartupSettings& s = report.settings;
  const TGridLayout& g = report.grid;
  std::u16string out = Say(language, Phrase::ReportHeading,
                           {report.filePath, EncodingName(report.encoding, o.codePage, language)}) +
                       u"\n";
  out += Say(language, Phrase::WindowLine,
             {DecimalText(s.width), DecimalText(s.height), DecimalText(report.client.width),
              DecimalText(report.client.height),
              report.clientAssumed ? Say(language, Phrase::ClientAssumed) : u"",
              Quote(language, s.title)}) +
         u"\n";
  out += Say(language, Phrase::GridLine,
             {DecimalText(g.OriginX), DecimalText(g.OriginY), DecimalText(g.ButtonWidth),
              DecimalText(g.ButtonHeight), DecimalText(g.SpaceX), DecimalText(g.SpaceY),
              DecimalText(g.ColCount), DecimalText(s.count)}) +
         u"\n";
  out += Say(language, Phrase::ImaginedLine, {ImaginedText(o)}) + u"\n";
  if (report.autorun) out += AutorunText(*report.autorun, language) + u"\n";
  for (const ButtonReport& button : report.buttons) AppendButton(out, button, language);
  if (static_cast<int64_t>(report.buttons.size()) < s.count)
    out += u"\n" + Say(language, Phrase::OnlyFirstListed,
                       {DecimalText(static_cast<int64_t>(report.buttons.size()))}) +
           u"\n";

  out += u"\n";
  if (report.warnings.empty()) return out + Say(language, Phrase::NoWarnings) + u"\n";
  out += report.warnings.size() == 1
             ? Say(language, Phrase::OneWarning)
             : Say(language, Phrase::ManyWarnings, {DecimalText(static_cast<int64_t>(report.warnings.size()))});
  out += u"\n";
  for (const CheckWarning& warning : report.warnings) {
    out += Say(language, Phrase::WarningLine,
               {WarningPlace(report, warning), warning.message,
                std::u16string(warning.code.begin(), warning.code.end())}) +
           u"\n";
  }
  return out;
}

std::u16string ImaginedText(const CheckOptions& o) {
  return Say(o.language, Phrase::Imagined,
             {DecimalText(o.windows.major), DecimalText(o.windows.minor), ReleaseLabel(o.windows),
              Quote(o.language, std::u16string(1, o.decimalSeparator)), o.launcherDir});
}

std::u16string EncodingName(IniEncoding encoding, unsigned codePage, Language language) {
  switch (encoding) {
    case IniEncoding::Utf8: return Say(language, Phrase::EncodingUtf8);
    case IniEncoding::Utf16LE: return Say(language, Phrase::EncodingUtf16LE);
    case IniEncoding::Utf16BE: return Say(language, Phrase::EncodingUtf16BE);
    case IniEncoding::Ansi: break;
  }
  return Say(language, Phrase::EncodingAnsi, {DecimalText(codePage)});
}

}  // namespace zix::check
