#include "check/report_warnings.h"

#include <algorithm>

namespace zix::check {

void SortWarnings(Warnings& warnings) {
  std::stable_sort(warnings.begin(), warnings.end(),
                   [](const CheckWarning& a, const CheckWarning& b) { return a.line < b.line; });
}

void AddReportWarnings(const LoadedSettings& loaded, CheckReport& report) {
  const IniDocument& document = loaded.ini->Document();
  Warnings warnings;
  AddEncodingWarnings(loaded, report.options.codePage, report.options.language, warnings);
  // Such a file reads as empty: what else could be said about it is noise.
  if (loaded.decodeFailed) {
    report.warnings = std::move(warnings);
    return;
  }
  AddStructureWarnings(document, report.options.language, warnings);
  AddSetWarnings(document, report, warnings);
  AddEntryWarnings(*loaded.ini, report, warnings);
  AddLayoutWarnings(document, report, warnings);
  report.warnings = std::move(warnings);
}

}  // namespace zix::check
