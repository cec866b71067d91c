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
std::u16string OutcomeText(const SystemOutcome& outcome);

// "Windows 6.2 [win8], decimal separator ".", launcher folder C:\Games\"
std::u16string ImaginedText(const CheckOptions& options);

// How the tool names an encoding: "UTF-8 with mark", "ANSI code page 936", ...
std::u16string EncodingName(IniEncoding encoding, unsigned codePage);

}  // namespace zix::check
