// From a settings file's bytes to its sections: the mark, the decoding, the lines.
#include "platform/text_codec.h"
#include "settings/ini_file.h"

namespace zix {

namespace {

bool StartsWith(std::string_view bytes, std::string_view mark) {
  return bytes.substr(0, mark.size()) == mark;
}

bool IsTrimmed(char16_t unit) { return unit <= u' '; }

// The next line of text starting at `at`: its end, and where the line after it starts.
struct LineSpan {
  size_t end;
  size_t next;
};

LineSpan NextLine(std::u16string_view text, size_t at) {
  size_t end = at;
  while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
  size_t next = end;
  if (next < text.size()) {
    // CR LF is one line end; LF CR is two.
    next += (text[next] == u'\r' && next + 1 < text.size() && text[next + 1] == u'\n') ? 2 : 1;
  }
  return {end, next};
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
  text = text.substr(0, text.find(u'\0'));
  std::vector<IniSection> sections;
  bool inSection = false;  // lines before the first header belong nowhere
  uint32_t lineNumber = 0;
  for (size_t at = 0; at < text.size();) {
    const LineSpan span = NextLine(text, at);
    const std::u16string_view line = TrimControls(text.substr(at, span.end - at));
    at = span.next;
    ++lineNumber;

    if (line.empty() || line.front() == u';') continue;
    if (line.front() == u'[' && line.back() == u']') {
      sections.push_back({TrimControls(line.substr(1, line.size() - 2)), lineNumber, {}});
      inSection = true;
      continue;
    }
    if (!inSection) continue;
    std::vector<IniLine>& lines = sections.back().lines;
    const size_t equals = line.find(u'=');
    if (equals == std::u16string_view::npos) {
      lines.push_back({line, {}, false, lineNumber});
    } else {
      lines.push_back({TrimControls(line.substr(0, equals)),
                       TrimControls(line.substr(equals + 1)), true, lineNumber});
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
