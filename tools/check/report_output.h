#pragma once
// The three ways the tool shows a report: text for people, JSON for programs, SVG to look at.

#include <string>

#include "check/check_report.h"

namespace zix::check {

std::string ReportJson(const CheckReport& report);
std::u16string ReportText(const CheckReport& report);
std::string ReportSvg(const CheckReport& report);

// How the tool names an encoding: "UTF-8 with mark", "ANSI code page 936", ...
std::u16string EncodingName(IniEncoding encoding, unsigned codePage);

}  // namespace zix::check
