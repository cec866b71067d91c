#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "platform/exception.h"
#include "platform/text_codec.h"
#include "settings/ini_file.h"
#include "settings_bytes.h"

namespace zix {
namespace {

constexpr const char* kMark = "\xEF\xBB\xBF";

TMemIniFile FromBytes(std::string_view bytes, const FormatSettings& format) {
  return TMemIniFile(u"C:\\Games\\zixgame.ini", format, bytes);
}

// One read of a small file: the file as UTF-8 text (written with a mark unless told not to),
// what is asked, and the answer.
struct StringReadCase {
  const char* name;
  const char* file;
  const char16_t* section;
  const char16_t* ident;
  const char16_t* expected;  // the default is "<default>"
};

void PrintTo(const StringReadCase& c, std::ostream* os) { *os << c.name; }

class StringReads : public ::testing::TestWithParam<StringReadCase> {};

TEST_P(StringReads, AnswerAsTheFileSays) {
  const FormatSettings format(u'.');
  const TMemIniFile ini = FromBytes(std::string(kMark) + GetParam().file, format);
  EXPECT_EQ(ini.ReadString(GetParam().section, GetParam().ident, u"<default>"),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StringReads,
    ::testing::Values(
        StringReadCase{"plain", "[set]\ntitle=abc", u"set", u"title", u"abc"},
        StringReadCase{"header on the first line after the mark", "[1]\nText=\xE6\xB8\xB8\xE6\x88\x8F",
                       u"1", u"Text", u"游戏"},
        StringReadCase{"section name in any case", "[SET]\ntitle=a", u"set", u"title", u"a"},
        StringReadCase{"key name in any case", "[set]\nTITLE=a", u"Set", u"title", u"a"},
        StringReadCase{"header with blanks", "[ 1 ]\nexe=a.exe", u"1", u"exe", u"a.exe"},
        StringReadCase{"leading zero is another name", "[01]\nexe=a.exe", u"1", u"exe", u"<default>"},
        StringReadCase{"searched name is not trimmed", "[1]\nexe=a.exe", u" 1", u"exe", u"<default>"},
        StringReadCase{"searched key is not trimmed", "[1]\nexe=a.exe", u"1", u"exe ", u"<default>"},
        StringReadCase{"missing section", "[1]\nexe=a.exe", u"2", u"exe", u"<default>"},
        StringReadCase{"missing key", "[1]\nexe=a.exe", u"1", u"Param", u"<default>"},
        StringReadCase{"empty value is no default", "[set]\ntitle=", u"set", u"title", u""},
        StringReadCase{"key before the first header", "title=a\n[set]\nx=1", u"set", u"title",
                       u"<default>"},
        StringReadCase{"empty section name", "[]\na=1", u"", u"a", u"1"},
        StringReadCase{"empty key name", "[s]\n=5", u"s", u"", u"5"},
        StringReadCase{"remark after a header belongs to the section before",
                       "[0]\nx=0\n[1] ; first game\nexe=a.exe", u"0", u"exe", u"a.exe"},
        StringReadCase{"the remarked header opens nothing", "[0]\n[1] ; first game\nexe=a.exe",
                       u"1", u"exe", u"<default>"},
        StringReadCase{"hash is part of a name", "[1]\n#exe=a.exe", u"1", u"#exe", u"a.exe"},
        StringReadCase{"hash key is not the plain key", "[1]\n#exe=a.exe", u"1", u"exe",
                       u"<default>"},
        StringReadCase{"semicolon comments the line", "[1]\n;exe=a.exe", u"1", u"exe", u"<default>"},
        StringReadCase{"value keeps later equals signs", "[s]\na = b = c", u"s", u"a", u"b = c"},
        StringReadCase{"value keeps quotes", "[s]\nParam=\"-w 1\"", u"s", u"Param", u"\"-w 1\""},
        StringReadCase{"value keeps backslashes", "[s]\nexe=bin\\n.exe\\", u"s", u"exe",
                       u"bin\\n.exe\\"},
        StringReadCase{"tab around equals is trimmed", "[s]\nexe\t=\ta.exe\t", u"s", u"exe", u"a.exe"},
        StringReadCase{"ideographic space is kept", "[s]\nText=\xE3\x80\x80" "a", u"s", u"Text",
                       u"\u3000a"},
        StringReadCase{"no-break space in a name is kept", "[s]\n\xC2\xA0" "a=1", u"s", u"a",
                       u"<default>"},
        StringReadCase{"second section of a name is never read", "[set]\na=1\n[set]\nb=2", u"set",
                       u"b", u"<default>"},
        StringReadCase{"first of two equal keys", "[s]\nCount=2\nCount=5", u"s", u"Count", u"2"},
        StringReadCase{"bare line is passed over", "[s]\nexe\nexe=b.exe", u"s", u"exe", u"b.exe"},
        StringReadCase{"second mark hides the first header", "\xEF\xBB\xBF[set]\ntitle=a\n[1]\nx=1",
                       u"set", u"title", u"<default>"},
        StringReadCase{"second mark: the next header counts", "\xEF\xBB\xBF[set]\ntitle=a\n[1]\nx=1",
                       u"1", u"x", u"1"},
        StringReadCase{"invalid byte anywhere", "[set]\ntitle=a\n[1]\nText=\xFF", u"set", u"title",
                       u"<default>"}));

TEST(StringReadTest, NoSectionOrKeyExistsAfterAZero) {
  const FormatSettings format(u'.');
  const std::string file("[set]\r\ntitle=ab\0cd\r\nCount=1\r\n[1]\r\nexe=b\r\n", 41);
  const TMemIniFile ini = FromBytes(kMark + file, format);
  EXPECT_EQ(ini.ReadString(u"set", u"title", u"d"), u"ab");
  EXPECT_EQ(ini.ReadInteger(u"set", u"Count", 7), 7);
  EXPECT_EQ(ini.ReadString(u"1", u"exe", u"d"), u"d");
  EXPECT_EQ(ini.Document().sections.size(), 1u);
}

struct IntegerReadCase {
  const char* value;  // nullptr: no key line at all
  int32_t expected;
};

class IntegerReads : public ::testing::TestWithParam<IntegerReadCase> {};

TEST_P(IntegerReads, ConvertOrGiveTheDefault) {
  const FormatSettings format(u'.');
  std::string file = std::string(kMark) + "[SET]\n";
  if (GetParam().value) file += std::string("COUNT = ") + GetParam().value + "\n";
  const TMemIniFile ini = FromBytes(file, format);
  EXPECT_EQ(ini.ReadInteger(u"set", u"Count", -7), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, IntegerReads,
                         ::testing::Values(IntegerReadCase{"3", 3}, IntegerReadCase{"$10", 16},
                                           IntegerReadCase{"-2147483648", INT32_MIN},
                                           IntegerReadCase{"", -7}, IntegerReadCase{nullptr, -7},
                                           IntegerReadCase{"abc", -7}, IntegerReadCase{"3 4", -7},
                                           IntegerReadCase{"2147483648", -7},
                                           IntegerReadCase{"\xEF\xBC\x93", -7}));

TEST(IntegerReadTest, BareLineGivesTheDefault) {
  const FormatSettings format(u'.');
  const TMemIniFile ini = FromBytes("[set]\nCount\n", format);
  EXPECT_EQ(ini.ReadInteger(u"set", u"Count", 9), 9);
}

struct FloatReadCase {
  const char* value;
  char16_t separator;
  double expected;
};

class FloatReads : public ::testing::TestWithParam<FloatReadCase> {};

TEST_P(FloatReads, ConvertWithTheSeparatorOrGiveTheDefault) {
  const FormatSettings format(GetParam().separator);
  const TMemIniFile ini = FromBytes(std::string("[1]\nminOs=") + GetParam().value, format);
  EXPECT_EQ(ini.ReadFloat(u"1", u"minOs", -1.0), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FloatReads,
    ::testing::Values(FloatReadCase{"6.1", u'.', 6.1}, FloatReadCase{"10", u'.', 10.0},
                      FloatReadCase{"1e-400", u'.', 0.0}, FloatReadCase{"abc", u'.', -1.0},
                      FloatReadCase{"", u'.', -1.0}, FloatReadCase{"6,1", u'.', -1.0},
                      FloatReadCase{"6,1", u',', 6.1}, FloatReadCase{"6.1", u',', -1.0},
                      FloatReadCase{"1e308", u'.', 1e308},
                      FloatReadCase{"1.7976931348623157e308", u'.',
                                    std::numeric_limits<double>::max()},
                      FloatReadCase{"-1.7976931348623157e308", u'.',
                                    -std::numeric_limits<double>::max()},
                      FloatReadCase{"4.9406564584124654e-324", u'.',
                                    std::numeric_limits<double>::denorm_min()},
                      FloatReadCase{"-0", u'.', 0.0}));

TEST(FloatReadTest, BeyondTheRangeOfADoubleRaisesOverflow) {
  const FormatSettings format(u'.');
  for (const char* value : {"1e400", "-1e400", "1e500", "1.797693134862316e308",
                            "-1.7976931348623159e308"}) {
    const TMemIniFile ini = FromBytes(std::string("[1]\nmaxOs=") + value, format);
    try {
      ini.ReadFloat(u"1", u"maxOs", 0.0);
      ADD_FAILURE() << value << " gave no error";
    } catch (const EOverflow& e) {
      EXPECT_EQ(e.Message(), u"Floating point overflow") << value;
      EXPECT_STREQ(e.ClassName(), "EOverflow");
    }
  }
}

TEST(FloatReadTest, UsesTheSeparatorInForceAtTheRead) {
  FormatSettings format(u',');
  const TMemIniFile ini = FromBytes("[1]\nminOs=6.1\nmaxOs=6,1", format);
  EXPECT_EQ(ini.ReadFloat(u"1", u"minOs", 0.0), 0.0);
  EXPECT_EQ(ini.ReadFloat(u"1", u"maxOs", 0.0), 6.1);
  format.SetDecimalSeparator(u'.');
  EXPECT_EQ(ini.ReadFloat(u"1", u"minOs", 0.0), 6.1);
  EXPECT_EQ(ini.ReadFloat(u"1", u"maxOs", 0.0), 0.0);
}

// Files that hold nothing usable: every read gives its default.
struct UnreadableCase {
  const char* name;
  std::string bytes;
};

void PrintTo(const UnreadableCase& c, std::ostream* os) { *os << c.name; }

class NothingUsable : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(NothingUsable, EveryReadGivesItsDefault) {
  const FormatSettings format(u'.');
  const TMemIniFile ini = FromBytes(GetParam().bytes, format);
  EXPECT_TRUE(ini.Document().sections.empty());
  EXPECT_EQ(ini.ReadString(u"set", u"title", u"d"), u"d");
  EXPECT_EQ(ini.ReadInteger(u"set", u"Count", 4), 4);
  EXPECT_EQ(ini.ReadFloat(u"1", u"minOs", 2.5), 2.5);
}

std::string Widen(std::string_view ascii, bool bigEndian, size_t unitBytes) {
  std::string out;
  for (const char c : ascii) {
    std::string unit(unitBytes, '\0');
    unit[bigEndian ? unitBytes - 1 : 0] = c;
    out += unit;
  }
  return out;
}

const char kSettings[] = "[set]\r\ntitle=a\r\nCount=1\r\n[1]\r\nminOs=6.1\r\n";

INSTANTIATE_TEST_SUITE_P(
    Table, NothingUsable,
    ::testing::Values(
        UnreadableCase{"empty", ""},
        UnreadableCase{"utf-8 mark and an invalid byte", std::string(kMark) + kSettings + "\x80"},
        UnreadableCase{"utf-16 le without mark", Widen(kSettings, false, 2)},
        UnreadableCase{"utf-16 be without mark", Widen(kSettings, true, 2)},
        UnreadableCase{"utf-32 le", std::string("\xFF\xFE\0\0", 4) + Widen(kSettings, false, 4)},
        UnreadableCase{"utf-32 be", std::string("\0\0\xFE\xFF", 4) + Widen(kSettings, true, 4)}));

struct EncodedFileCase {
  const char* name;
  std::string bytes;
  IniEncoding encoding;
};

void PrintTo(const EncodedFileCase& c, std::ostream* os) { *os << c.name; }

class EncodedFiles : public ::testing::TestWithParam<EncodedFileCase> {};

TEST_P(EncodedFiles, ReadAlike) {
  const FormatSettings format(u'.');
  const TMemIniFile ini = FromBytes(GetParam().bytes, format);
  EXPECT_EQ(ini.Document().encoding, GetParam().encoding);
  EXPECT_EQ(ini.ReadString(u"set", u"title", u"d"), u"游戏 \u3000启动");
  EXPECT_EQ(ini.ReadInteger(u"set", u"Count", 0), 2);
  EXPECT_EQ(ini.ReadString(u"2", u"Text", u"d"), u"第二");
  EXPECT_EQ(ini.ReadFloat(u"2", u"minOs", 0), 6.1);
}

const char16_t kChineseSettings[] =
    u"[set]\r\ntitle = 游戏 \u3000启动\r\nCount=2\r\n[1]\r\nText=第一\r\n[2]\r\nText=第二\r\nminOs=6.1";

INSTANTIATE_TEST_SUITE_P(
    Table, EncodedFiles,
    ::testing::Values(
        EncodedFileCase{"utf-8", kMark + ToUtf8(kChineseSettings), IniEncoding::Utf8},
        EncodedFileCase{"utf-16 le", Utf16File(kChineseSettings), IniEncoding::Utf16LE},
        EncodedFileCase{"utf-16 be", Utf16File(kChineseSettings, ByteOrder::BigEndian),
                        IniEncoding::Utf16BE},
        EncodedFileCase{"lf", kMark + ToUtf8(u"[set]\ntitle=游戏 \u3000启动\nCount=2\n[2]\nText=第二\nminOs=6.1\n"),
                        IniEncoding::Utf8},
        EncodedFileCase{"cr", kMark + ToUtf8(u"[set]\rtitle=游戏 \u3000启动\rCount=2\r[2]\rText=第二\rminOs=6.1\r"),
                        IniEncoding::Utf8}));

TEST(AnsiFileTest, AsciiReadsAndTheRestIsTheCodePagesReading) {
  const FormatSettings format(u'.');
  const std::string chinese = "\xE6\xB8\xB8\xE6\x88\x8F";  // UTF-8 bytes, without the mark
  const TMemIniFile ini = FromBytes("[set]\r\nCount=3\r\ntitle=" + chinese + "\r\nexe=a.exe", format);
  EXPECT_EQ(ini.Document().encoding, IniEncoding::Ansi);
  EXPECT_EQ(ini.ReadInteger(u"SET", u"count", 0), 3);
  EXPECT_EQ(ini.ReadString(u"set", u"exe", u""), u"a.exe");
  const std::u16string title = ini.ReadString(u"set", u"title", u"");
  EXPECT_EQ(title, TrimControls(DecodeCodePage(chinese, AnsiCodePage())));
  EXPECT_NE(title, u"游戏");
}

#ifdef _WIN32
TEST(NameMatchTest, UsesTheSystemMappingBeyondAscii) {
  const FormatSettings format(u'.');
  const TMemIniFile ini = FromBytes(std::string(kMark) + "[\xC3\xA9t\xC3\xA9]\nk=v", format);
  EXPECT_EQ(ini.ReadString(u"\u00C9T\u00C9", u"K", u"d"), u"v");
}
#endif

struct NameMatchCase {
  const char16_t* searched;
  const char16_t* stored;
  bool matches;
};

class NameMatches : public ::testing::TestWithParam<NameMatchCase> {};

TEST_P(NameMatches, CompareUpperCasedUnits) {
  EXPECT_EQ(NamesMatch(GetParam().searched, GetParam().stored), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(Table, NameMatches,
                         ::testing::Values(NameMatchCase{u"set", u"SET", true},
                                           NameMatchCase{u"Set", u"sEt", true},
                                           NameMatchCase{u"1", u"01", false},
                                           NameMatchCase{u"1", u" 1", false},
                                           NameMatchCase{u"", u"", true},
                                           NameMatchCase{u"Param_x64", u"PARAM_X64", true},
                                           NameMatchCase{u"Param", u"Param_x64", false},
                                           NameMatchCase{u"a", u"\u00C0", false}));

// "56979" and "77927" share a hash in the section index: each must still find its own section.
TEST(TMemIniFile, SectionsWhoseNamesShareAHash) {
  const FormatSettings format(u'.');
  const TMemIniFile first(u"x.ini", format, "[56979]\r\nexe=a.exe\r\n");
  EXPECT_EQ(first.ReadString(u"77927", u"exe", u"none"), u"none");
  const TMemIniFile both(u"x.ini", format, "[56979]\r\nexe=a.exe\r\n[77927]\r\nexe=b.exe\r\n");
  EXPECT_EQ(both.ReadString(u"56979", u"exe", u""), u"a.exe");
  EXPECT_EQ(both.ReadString(u"77927", u"exe", u""), u"b.exe");
}

}  // namespace
}  // namespace zix
