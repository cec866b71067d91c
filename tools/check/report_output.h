#pragma once
// The ways the tool shows a report: text for people, JSON for programs, an SVG picture to look
// at and a web page to try out.

#include <string>

#include "check/check_report.h"

namespace zix::check {

std::string ReportJson(const CheckReport& report);
std::u16string ReportText(const CheckReport& report);
std::string ReportSvg(const CheckReport& report);
std::string ReportHtml(const CheckReport& report);

// What a press does on one system, in the text report's words; a start takes two lines.
std::u16string OutcomeText(const SystemOutcome& outcome, Language language);

// "Windows 6.2 [win8], decimal separator ".", launcher folder C:\Games\"
std::u16string ImaginedText(const CheckOptions& options);

// How the tool names an encoding: "UTF-8 with mark", "ANSI code page 936", ...
std::u16string EncodingName(IniEncoding encoding, unsigned codePage, Language language);

// A text in the language's quotation marks.
std::u16string Quote(Language language, std::u16string_view text);

// Where a warning points: its file (the settings file unless it names another) and line.
std::u16string WarningPlace(const CheckReport& report, const CheckWarning& warning);

// What AutoPlay starts from the folder's autorun.inf, in one line.
std::u16string AutorunText(const AutorunReport& autorun, Language language);

}  // namespace zix::check
