#include <string_view>

#include "check/document_lookup.h"
#include "check/phrase.h"
#include "check/report_warnings.h"
#include "platform/numbers.h"
#include "platform/text_codec.h"

namespace zix::check {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace

uint32_t FirstInvalidUtf8Line(std::string_view bytes) {
  uint32_t line = 1;
  size_t start = 0;
  while (start <= bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    if (!DecodeUtf8Strict(bytes.substr(start, end - start))) return line;
    if (end == bytes.size()) break;
    start = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
    ++line;
  }
  return line;
}

namespace {

bool HasNonAscii(std::u16string_view text) {
  for (const char16_t unit : text)
    if (unit >= 0x80) return true;
  return false;
}

// The first line the launcher reads that holds text outside ASCII, and how many such lines.
std::pair<uint32_t, size_t> NonAsciiLines(const IniDocument& document) {
  uint32_t first = 0;
  size_t count = 0;
  const auto note = [&](uint32_t line) {
    if (first == 0) first = line;
    ++count;
  };
  for (const IniSection& section : document.sections) {
    if (HasNonAscii(section.name)) note(section.lineNumber);
    for (const IniLine& line : section.lines)
      if (HasNonAscii(line.name) || HasNonAscii(line.value)) note(line.lineNumber);
  }
  return {first, count};
}

}  // namespace

void AddEncodingWarnings(const LoadedSettings& loaded, unsigned codePage, Language language,
                         Warnings& warnings) {
  const IniDocument& document = loaded.ini->Document();
  if (loaded.encoding == IniEncoding::Utf8 && loaded.decodeFailed) {
    const std::string_view body = std::string_view(loaded.bytes).substr(kUtf8Mark.size());
    warnings.push_back(
        {FirstInvalidUtf8Line(body), "invalid-utf8", Say(language, Phrase::InvalidUtf8)});
    return;  // nothing else was read, so nothing else can be wrong
  }

  if (loaded.encoding == IniEncoding::Ansi) {
    const auto [first, count] = NonAsciiLines(document);
    if (count > 0) {
      const bool looksUtf8 = DecodeUtf8Strict(loaded.bytes).has_value();
      std::u16string message = Say(language, Phrase::NonAsciiNoMark, {DecimalText(codePage)});
      message += Say(language, looksUtf8 ? Phrase::NonAsciiIsUtf8 : Phrase::NonAsciiOtherPage);
      message += Say(language, Phrase::SaveAsMarked);
      if (count > 1)
        message += Say(language, Phrase::LinesAffected, {DecimalText(static_cast<int64_t>(count))});
      warnings.push_back({first, "non-ascii-no-mark", std::move(message)});
    }
  }

  if (document.text) {
    const std::u16string_view text = *document.text;
    const size_t zero = text.find(u'\0');
    if (zero != std::u16string_view::npos) {
      std::u16string message = Say(language, Phrase::NulChar);
      if (loaded.encoding == IniEncoding::Ansi) message += Say(language, Phrase::Utf16NeedsMark);
      warnings.push_back({LineAtOffset(text, zero), "nul-char", std::move(message)});
    }
  }
}

}  // namespace zix::check
