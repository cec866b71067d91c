// From a settings file's bytes to its sections: the mark, the decoding, the lines.
#include "platform/text_codec.h"
#include "settings/ini_file.h"

namespace zix {

namespace {

bool StartsWith(std::string_view bytes, std::string_view mark) {
  return bytes.substr(0, mark.size()) == mark;
}

bool IsTrimmed(char16_t unit) { return unit <= u' '; }

// One line of text: where it ends, where the next starts, and its first "=" (npos if none).
// A U+0000 ends the whole text, so the next line then starts at the end. One pass finds it all.
struct LineSpan {
  size_t end;
  size_t next;
  size_t equals;
};

LineSpan NextLine(std::u16string_view text, size_t at) {
  size_t equals = std::u16string_view::npos;
  size_t end = at;
  for (; end < text.size(); ++end) {
    const char16_t unit = text[end];
    if (unit <= u'\r') {
      if (unit == u'\r' || unit == u'\n' || unit == u'\0') break;
    } else if (unit == u'=' && equals == std::u16string_view::npos) {
      equals = end;
    }
  }
  if (end == text.size() || text[end] == u'\0') return {end, text.size(), equals};
  // CR LF is one line end; LF CR is two.
  const bool crlf = text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n';
  return {end, end + (crlf ? 2 : 1), equals};
}

}  // namespace

std::u16string_view TrimControls(std::u16string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsTrimmed(text[begin])) ++begin;
  while (end > begin && IsTrimmed(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::u16string DecodeIniBytes(std::string_view bytes, IniEncoding* encoding, bool* decodeFailed) {
  IniEncoding found = IniEncoding::Ansi;
  bool failed = false;
  std::u16string text;
  if (StartsWith(bytes, "\xEF\xBB\xBF")) {
    found = IniEncoding::Utf8;
    auto decoded = DecodeUtf8Strict(bytes.substr(3));
    failed = !decoded;
    if (decoded) text = std::move(*decoded);
  } else if (StartsWith(bytes, "\xFF\xFE")) {
    found = IniEncoding::Utf16LE;
    text = DecodeUtf16(bytes.substr(2), /*bigEndian=*/false);
  } else if (StartsWith(bytes, "\xFE\xFF")) {
    found = IniEncoding::Utf16BE;
    text = DecodeUtf16(bytes.substr(2), /*bigEndian=*/true);
  } else {
    text = DecodeCodePage(bytes, AnsiCodePage());
  }
  if (encoding) *encoding = found;
  if (decodeFailed) *decodeFailed = failed;
  return text;
}

std::vector<IniSection> ParseIniText(std::u16string_view text) {
  std::vector<IniSection> sections;
  bool inSection = false;  // lines before the first header belong nowhere
  size_t previousLines = 0;
  uint32_t lineNumber = 0;
  for (size_t at = 0; at < text.size();) {
    const LineSpan span = NextLine(text, at);
    const std::u16string_view raw = text.substr(at, span.end - at);
    const std::u16string_view line = TrimControls(raw);
    const size_t lineStart = at;
    at = span.next;
    ++lineNumber;

    if (line.empty() || line.front() == u';') continue;
    if (line.front() == u'[' && line.back() == u']') {
      if (inSection) previousLines = sections.back().lines.size();
      sections.push_back({TrimControls(line.substr(1, line.size() - 2)), lineNumber, {}});
      // Sections of one file tend to look alike: room for as many lines as the last one had
      // saves the growth steps. Any room left over is at most the last section's size.
      sections.back().lines.reserve(previousLines);
      inSection = true;
      continue;
    }
    if (!inSection) continue;
    std::vector<IniLine>& lines = sections.back().lines;
    if (span.equals == std::u16string_view::npos) {
      lines.push_back({line, {}, false, lineNumber});
    } else {
      const size_t equals = span.equals - lineStart;
      lines.push_back({TrimControls(raw.substr(0, equals)), TrimControls(raw.substr(equals + 1)),
                       true, lineNumber});
    }
  }
  return sections;
}

IniDocument ParseIniBytes(std::string_view bytes) {
  IniDocument document;
  auto text = std::make_shared<std::u16string>(
      DecodeIniBytes(bytes, &document.encoding, &document.decodeFailed));
  document.sections = ParseIniText(*text);
  document.text = std::move(text);
  return document;
}

}  // namespace zix
