#pragma once
// The findings about one settings file, each group in a file of its own.

#include "check/check_report.h"
#include "check/settings_source.h"

namespace zix::check {

// All of them, into report.warnings.
void AddReportWarnings(const LoadedSettings& loaded, CheckReport& report);

// How the bytes became text: marks, invalid bytes, code pages, zero characters.
void AddEncodingWarnings(const LoadedSettings& loaded, unsigned codePage, Language language,
                         Warnings& warnings);

// How the text became sections: headers, remarks, repeats, stray and unknown lines.
void AddStructureWarnings(const IniDocument& document, Language language, Warnings& warnings);

// The values of the section "set".
void AddSetWarnings(const IniDocument& document, const CheckReport& report, Warnings& warnings);

// The values of each entry and what a press on it does.
void AddEntryWarnings(const TMemIniFile& ini, const CheckReport& report, Warnings& warnings);

// Where the buttons land in the window.
void AddLayoutWarnings(const IniDocument& document, const CheckReport& report, Warnings& warnings);

// The line of the first byte sequence that is not UTF-8. An invalid sequence cannot hide a
// line end, since CR and LF never occur inside a UTF-8 sequence.
uint32_t FirstInvalidUtf8Line(std::string_view bytes);

// The line a byte offset or text offset falls on: line ends are CR LF, a lone CR or a lone LF.
template <typename Text>
uint32_t LineAtOffset(const Text& text, size_t offset) {
  uint32_t line = 1;
  for (size_t i = 0; i < offset && i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (i + 1 < offset && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++line;
    } else if (text[i] == '\n') {
      ++line;
    }
  }
  return line;
}

}  // namespace zix::check
