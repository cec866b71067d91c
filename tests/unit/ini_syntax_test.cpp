#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/text_codec.h"
#include "settings/ini_file.h"

namespace zix {
namespace {

// What one line standing inside a section was read as, in a form a table can hold.
std::string ReadAs(std::u16string_view line) {
  const std::u16string text = u"[s]\n" + std::u16string(line) + u"\n";
  const std::vector<IniSection> sections = ParseIniText(text);
  if (sections.size() == 2 && sections[1].lines.empty())
    return "header " + ToUtf8(sections[1].name);
  if (sections.size() != 1) return "unexpected sections";
  if (sections[0].lines.empty()) return "ignored";
  if (sections[0].lines.size() != 1) return "unexpected lines";
  const IniLine& l = sections[0].lines[0];
  if (!l.isKey) return "bare " + ToUtf8(l.name);
  return "key " + ToUtf8(l.name) + "|" + ToUtf8(l.value);
}

struct LineCase {
  const char* line;
  const char* readAs;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class LineClassification : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineClassification, ReadsTheLineAsTheTableSays) {
  EXPECT_EQ(ReadAs(FromUtf8(GetParam().line)), GetParam().readAs);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LineClassification,
    ::testing::Values(LineCase{"Param=-w ; windowed", "key Param|-w ; windowed"},
                      LineCase{"a = b = c", "key a|b = c"}, LineCase{"=5", "key |5"},
                      LineCase{"title=", "key title|"}, LineCase{"#exe=a.exe", "key #exe|a.exe"},
                      LineCase{";exe=a.exe", "ignored"}, LineCase{"Count", "bare Count"},
                      LineCase{"[2] ; second game", "bare [2] ; second game"},
                      LineCase{"[", "bare ["}, LineCase{"[]", "header "},
                      LineCase{"[ 2 ]", "header 2"}, LineCase{"[a]b]", "header a]b"}));

INSTANTIATE_TEST_SUITE_P(
    MoreRules, LineClassification,
    ::testing::Values(LineCase{"", "ignored"}, LineCase{" \t ", "ignored"},
                      LineCase{"  ; indented remark", "ignored"}, LineCase{"//exe=a", "key //exe|a"},
                      LineCase{"exe=\"C:\\a b.exe\"", "key exe|\"C:\\a b.exe\""},
                      LineCase{"name\t=\tvalue", "key name|value"},
                      LineCase{"Text=\xE3\x80\x80\xE6\xB8\xB8", "key Text|\xE3\x80\x80\xE6\xB8\xB8"},
                      LineCase{"\xC2\xA0" "a=b", "key \xC2\xA0" "a|b"},
                      LineCase{"a=b\xC2\xA0", "key a|b\xC2\xA0"},
                      LineCase{"\xEF\xBB\xBF" "[x]", "bare \xEF\xBB\xBF[x]"},
                      LineCase{"\x01\x1F[x]\x7F", "bare [x]\x7F"}, LineCase{"\x01[x]\x02", "header x"},
                      LineCase{"[\t x \x01]", "header x"}, LineCase{"]x[", "bare ]x["},
                      LineCase{"[x", "bare [x"}, LineCase{"x]", "bare x]"},
                      LineCase{"[a=b]", "header a=b"}, LineCase{"[;x]", "header ;x"},
                      LineCase{"a;b", "bare a;b"}, LineCase{"=", "key |"},
                      LineCase{" = ", "key |"}, LineCase{"a==b", "key a|=b"}));

TEST(TrimControlsTest, RemovesEveryUnitUpToSpaceAndNothingElse) {
  EXPECT_EQ(TrimControls(std::u16string_view(u"\0\x01\t\n\r\x1F x \x20\0", 11)), u"x");
  EXPECT_EQ(TrimControls(u"\u00A0x\u3000"), u"\u00A0x\u3000");
  EXPECT_EQ(TrimControls(u"\uFEFFx"), u"\uFEFFx");
  EXPECT_EQ(TrimControls(u"\x21x\x7F"), u"\x21x\x7F");
  EXPECT_EQ(TrimControls(u" \t "), u"");
}

// Sections and their lines, one per line of text, for whole-file comparisons.
std::string Outline(const std::vector<IniSection>& sections) {
  std::string out;
  for (const IniSection& s : sections) {
    out += "[" + ToUtf8(s.name) + "]@" + std::to_string(s.lineNumber) + "\n";
    for (const IniLine& l : s.lines) {
      out += ToUtf8(l.name) + (l.isKey ? "=" + ToUtf8(l.value) : "") + "@" +
             std::to_string(l.lineNumber) + "\n";
    }
  }
  return out;
}

struct LineEndCase {
  const char* name;
  std::u16string text;
  const char* outline;
};

void PrintTo(const LineEndCase& c, std::ostream* os) { *os << c.name; }

class LineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, CutTheTextIntoTheSameLines) {
  EXPECT_EQ(Outline(ParseIniText(GetParam().text)), GetParam().outline);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LineEnds,
    ::testing::Values(
        LineEndCase{"crlf", u"[s]\r\na=1\r\nb=2\r\n", "[s]@1\na=1@2\nb=2@3\n"},
        LineEndCase{"lf", u"[s]\na=1\nb=2\n", "[s]@1\na=1@2\nb=2@3\n"},
        LineEndCase{"cr", u"[s]\ra=1\rb=2\r", "[s]@1\na=1@2\nb=2@3\n"},
        LineEndCase{"no end at the end", u"[s]\na=1\nb=2", "[s]@1\na=1@2\nb=2@3\n"},
        LineEndCase{"lf cr is two ends", u"[s]\n\ra=1\n\rb=2", "[s]@1\na=1@3\nb=2@5\n"},
        LineEndCase{"mixed", u"[s]\r\n\na=1\r\r\nb=2", "[s]@1\na=1@3\nb=2@5\n"},
        LineEndCase{"zero cuts the text", std::u16string(u"[s]\na=1\0\nb=2\n[t]\nc=3", 20),
                    "[s]@1\na=1@2\n"},
        LineEndCase{"zero mid line", std::u16string(u"[s]\nab\0=1", 9), "[s]@1\nab@2\n"},
        LineEndCase{"zero first", std::u16string(u"\0[s]\na=1", 8), ""},
        LineEndCase{"keys before the first header", u"a=1\nb\n;c\n[s]\nd=4", "[s]@4\nd=4@5\n"},
        LineEndCase{"remark after a header", u"[0]\n[1] ; first game\nexe=a.exe\n[2]\nexe=b.exe",
                    "[0]@1\n[1] ; first game@2\nexe=a.exe@3\n[2]@4\nexe=b.exe@5\n"},
        LineEndCase{"duplicate sections stay apart", u"[set]\na=1\n[set]\nb=2\nb=3",
                    "[set]@1\na=1@2\n[set]@3\nb=2@4\nb=3@5\n"}));

struct EncodingCase {
  const char* name;
  std::string bytes;
  IniEncoding encoding;
  bool decodeFailed;
  std::optional<std::u16string> text;  // none: whatever the ANSI code page makes of the bytes
};

void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.name; }

class Encodings : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(Encodings, TellTheEncodingFromTheMarkAndDecodeTheRest) {
  IniEncoding encoding = IniEncoding::Ansi;
  bool failed = true;
  const std::u16string text = DecodeIniBytes(GetParam().bytes, &encoding, &failed);
  EXPECT_EQ(encoding, GetParam().encoding);
  EXPECT_EQ(failed, GetParam().decodeFailed);
  EXPECT_EQ(text, GetParam().text.value_or(DecodeCodePage(GetParam().bytes, AnsiCodePage())));
}

std::string B(const char* bytes, size_t size) { return std::string(bytes, size); }

INSTANTIATE_TEST_SUITE_P(
    Table, Encodings,
    ::testing::Values(
        EncodingCase{"empty", "", IniEncoding::Ansi, false, u""},
        EncodingCase{"ascii", "[set]", IniEncoding::Ansi, false, u"[set]"},
        EncodingCase{"utf-8 mark", "\xEF\xBB\xBF[\xE6\xB8\xB8]", IniEncoding::Utf8, false, u"[游]"},
        EncodingCase{"utf-8 mark alone", "\xEF\xBB\xBF", IniEncoding::Utf8, false, u""},
        EncodingCase{"utf-8 second mark", "\xEF\xBB\xBF\xEF\xBB\xBF" "a", IniEncoding::Utf8, false,
                     u"\uFEFFa"},
        EncodingCase{"utf-8 invalid", "\xEF\xBB\xBF[set]\na=\xC0\x80", IniEncoding::Utf8, true, u""},
        EncodingCase{"utf-16 le", B("\xFF\xFE[\0\x38\x6E]\0", 8), IniEncoding::Utf16LE, false,
                     u"[\u6E38]"},
        EncodingCase{"utf-16 be", B("\xFE\xFF\0[\x6E\x38\0]", 8), IniEncoding::Utf16BE, false,
                     u"[\u6E38]"},
        EncodingCase{"utf-16 odd byte", B("\xFF\xFE" "a\0b", 5), IniEncoding::Utf16LE, false, u"a"},
        EncodingCase{"utf-16 second mark", B("\xFF\xFE\xFF\xFE" "a\0", 6), IniEncoding::Utf16LE,
                     false, u"\uFEFFa"},
        EncodingCase{"utf-32 le reads as utf-16", B("\xFF\xFE\0\0[\0\0\0", 8), IniEncoding::Utf16LE,
                     false, std::u16string(u"\0[\0", 3)},
        EncodingCase{"utf-32 be", B("\0\0\xFE\xFF\0\0\0[", 8), IniEncoding::Ansi, false,
                     std::nullopt},
        EncodingCase{"utf-8 without mark", "a=\xE6\xB8\xB8", IniEncoding::Ansi, false, std::nullopt},
        EncodingCase{"half a utf-8 mark", "\xEF\xBB", IniEncoding::Ansi, false, std::nullopt},
        EncodingCase{"one byte of a utf-16 mark", "\xFF", IniEncoding::Ansi, false, std::nullopt}));

TEST(DecodeIniBytes, SameTextWhenTheCallerWantsNoReport) {
  const std::string rows[] = {
      "[set]\r\nCount=1",                     // no mark
      "\xEF\xBB\xBF[set]",                    // UTF-8
      "\xEF\xBB\xBF[set]\xFF",                // UTF-8 that fails
      std::string("\xFF\xFE[\0s\0", 6),       // UTF-16 little-endian
      std::string("\xFE\xFF\0[\0s", 6),       // UTF-16 big-endian
  };
  for (const std::string& bytes : rows) {
    IniEncoding encoding{};
    bool failed = false;
    const std::u16string reported = DecodeIniBytes(bytes, &encoding, &failed);
    EXPECT_EQ(DecodeIniBytes(bytes, nullptr, nullptr), reported);
  }
  EXPECT_EQ(DecodeIniBytes(std::string("\xFE\xFF\0[\0s", 6), nullptr, nullptr), u"[s");
}

}  // namespace
}  // namespace zix
