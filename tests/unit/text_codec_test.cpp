#include "platform/text_codec.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/code_page_936.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zix {
namespace {

std::u16string Units(std::initializer_list<char16_t> units) { return std::u16string(units); }

struct Utf8Case {
  const char* name;
  std::string bytes;
  std::optional<std::u16string> expected;
};

void PrintTo(const Utf8Case& c, std::ostream* os) { *os << c.name; }

const Utf8Case kUtf8Cases[] = {
    {"empty", "", u""},
    {"ascii", "title=abc", u"title=abc"},
    {"chinese", "\xE6\xB8\xB8\xE6\x88\x8F", u"游戏"},
    {"zero byte", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    {"second mark", "\xEF\xBB\xBF[set]", u"\uFEFF[set]"},
    {"astral", "\xF0\x9F\x98\x80", Units({0xD83D, 0xDE00})},
    {"last scalar", "\xF4\x8F\xBF\xBF", Units({0xDBFF, 0xDFFF})},
    {"before surrogates", "\xED\x9F\xBF", u"\uD7FF"},
    {"noncharacter", "\xEF\xBF\xBF", u"\uFFFF"},
    {"long ascii then two bytes", "abcdefghijklmnop\xC3\xA9", u"abcdefghijklmnop\u00E9"},
    {"overlong two", "\xC0\x80", std::nullopt},
    {"overlong C1", "\xC1\xBF", std::nullopt},
    {"overlong three", "\xE0\x80\x80", std::nullopt},
    {"overlong three high", "\xE0\x9F\xBF", std::nullopt},
    {"overlong four", "\xF0\x8F\xBF\xBF", std::nullopt},
    {"surrogate", "\xED\xA0\x80", std::nullopt},
    {"low surrogate", "\xED\xBF\xBF", std::nullopt},
    {"above last scalar", "\xF4\x90\x80\x80", std::nullopt},
    {"lead F5", "\xF5\x80\x80\x80", std::nullopt},
    {"byte FF", "\xFF", std::nullopt},
    {"byte FE", "ab\xFE", std::nullopt},
    {"lone continuation", "\x80", std::nullopt},
    {"cut two", "\xC3", std::nullopt},
    {"cut three", "\xE6\xB8", std::nullopt},
    {"cut four", "\xF0\x9F\x98", std::nullopt},
    {"continuation missing", "\xE6" "a" "\xB8", std::nullopt},
    {"bad byte after eight ascii", "abcdefgh\x80ijklmnop", std::nullopt},
    {"bad byte at the very end of a long text", std::string(1000, 'a') + "\xBF", std::nullopt},
};

class Utf8Strict : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Strict, TheDecoderInUseFollowsTheTable) {
  EXPECT_EQ(DecodeUtf8Strict(GetParam().bytes), GetParam().expected);
}

// On Windows this holds the portable decoder against the system's; natively it is the same one.
TEST_P(Utf8Strict, ThePortableDecoderFollowsTheTable) {
  EXPECT_EQ(DecodeUtf8StrictPortable(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, Utf8Strict, ::testing::ValuesIn(kUtf8Cases));

struct Utf16Case {
  const char* name;
  std::string bytes;
  bool bigEndian;
  std::u16string expected;
};

void PrintTo(const Utf16Case& c, std::ostream* os) { *os << c.name; }

class Utf16Decoding : public ::testing::TestWithParam<Utf16Case> {};

TEST_P(Utf16Decoding, FollowsTheByteOrder) {
  EXPECT_EQ(DecodeUtf16(GetParam().bytes, GetParam().bigEndian), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Utf16Decoding,
    ::testing::Values(Utf16Case{"empty", "", false, u""},
                      Utf16Case{"little", std::string("a\0\x38\x6E", 4), false, u"a\u6E38"},
                      Utf16Case{"big", std::string("\0a\x6E\x38", 4), true, u"a\u6E38"},
                      Utf16Case{"odd byte dropped", std::string("a\0b", 3), false, u"a"},
                      Utf16Case{"single byte", "a", true, u""},
                      Utf16Case{"unpaired surrogate passes", std::string("\x00\xD8" "a\0", 4), false,
                                Units({0xD800, u'a'})}));

TEST(Utf8OutputTest, RoundTripsEveryPlaneAndMarksUnpairedSurrogates) {
  const std::u16string text = u"[set]\u6E38\U0001F600\u00E9";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(ToUtf8(Units({u'a', 0xD800, u'b'})), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(ToUtf8(Units({0xDC00})), "\xEF\xBF\xBD");
  EXPECT_EQ(FromUtf8("a\xFF" "b"), u"a\uFFFDb");
}

// Code page 936 as the system's converter gives it (recorded from MultiByteToWideChar): the same
// rows hold for the native stand-in and, under Windows, for the system itself.
struct CodePageCase {
  const char* name;
  std::string bytes;
  std::u16string expected;
};

void PrintTo(const CodePageCase& c, std::ostream* os) { *os << c.name; }

class CodePage936 : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(CodePage936, DecodesAsTheSystemDoes) {
  EXPECT_EQ(DecodeCodePage(GetParam().bytes, 936), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CodePage936,
    ::testing::Values(
        CodePageCase{"ascii", "[set]\r\ntitle=a", u"[set]\r\ntitle=a"},
        CodePageCase{"chinese", "\xD3\xCE\xCF\xB7", u"游戏"},
        CodePageCase{"euro", "\x80", u"\u20AC"},
        CodePageCase{"byte FF", "\xFF" "A", u"\uF8F5A"},
        CodePageCase{"lead at the end", "A\x81", u"A?"},
        CodePageCase{"lead before a zero byte", std::string("\x81\0A", 3), std::u16string(u"?\0A", 3)},
        CodePageCase{"lead takes an invalid digit", "\x81\x30" "A", u"?A"},
        CodePageCase{"lead takes a line feed", "\x81\nA", u"?A"},
        CodePageCase{"lead takes 7F", "\xFE\x7F" "A", u"?A"},
        CodePageCase{"lead takes FF", "\x81\xFF" "A", u"?A"},
        CodePageCase{"first GBK pair", "\x81\x40", u"\u4E02"},
        CodePageCase{"user area AAA1", "\xAA\xA1", u"\uE000"},
        CodePageCase{"user area FEFE", "\xFE\xFE", u"\uE4C5"},
        CodePageCase{"user area A140", "\xA1\x40", u"\uE4C6"},
        CodePageCase{"user area A7A0", "\xA7\xA0", u"\uE765"},
        CodePageCase{"symbol gap A2AB", "\xA2\xAB", u"\uE766"},
        CodePageCase{"symbol gap A8BC", "\xA8\xBC", u"\uE7C7"},
        CodePageCase{"gap D7FA", "\xD7\xFA", u"\uE810"},
        CodePageCase{"gap FE50", "\xFE\x50", u"\uE815"},
        CodePageCase{"gap FE7E", "\xFE\x7E", u"\uE843"},
        CodePageCase{"gap FE80", "\xFE\x80", u"\uE844"},
        CodePageCase{"gap FEA0", "\xFE\xA0", u"\uE864"},
        CodePageCase{"euro then a pair", "\x80\xA1\x41", u"\u20AC\uE4C7"}));

TEST(CodePage936Test, LongTextsDecodeWholeWhereverTheirPairsFall) {
  for (const size_t before : {size_t{65533}, size_t{65535}, size_t{65536}, size_t{131071}}) {
    const std::string bytes = std::string(before, 'a') + "\xD6\xD0\x81\x30" + std::string(9, 'b');
    const std::u16string expected = std::u16string(before, u'a') + u"\u4E2D?" + std::u16string(9, u'b');
    ASSERT_EQ(DecodeCodePage(bytes, 936), expected) << before;
  }
}

// Every pair that the private-use rules name decodes to that character, natively because the
// converter leaves them to the rules, under Windows because the system's table agrees.
TEST(CodePage936Test, PrivateUseRulesAgreeWithTheDecoderForEveryPair) {
  int checked = 0;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const char16_t rule = cp936::UnassignedPair(static_cast<unsigned char>(lead),
                                                  static_cast<unsigned char>(trail));
      if (rule == cp936::kDefaultChar) continue;
      const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
      ASSERT_EQ(DecodeCodePage(std::string_view(pair, 2), 936), std::u16string(1, rule))
          << std::hex << lead << ' ' << trail;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 2149);  // 1894 user-defined places and 255 gaps
}

struct UpperCase {
  std::u16string text;
  std::u16string expected;
};

class UpperCaseUnitsTable : public ::testing::TestWithParam<UpperCase> {};

TEST_P(UpperCaseUnitsTable, MapsAsciiLettersOnly) {
  EXPECT_EQ(UpperCaseUnits(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, UpperCaseUnitsTable,
                         ::testing::Values(UpperCase{u"", u""}, UpperCase{u"set", u"SET"},
                                           UpperCase{u"Param_x64", u"PARAM_X64"},
                                           UpperCase{u"minOs", u"MINOS"},
                                           UpperCase{u"az@[`{09", u"AZ@[`{09"},
                                           UpperCase{u"\u6E38\uFEFF\u3000", u"\u6E38\uFEFF\u3000"}));

TEST(UpperCaseUnitsTest, KeepsTheLengthOfAnyText) {
  const std::u16string text = u"\u00DF\u0149\uFB00\u01C6\u0131\U0001F600";
  EXPECT_EQ(UpperCaseUnits(text).size(), text.size());
}

#ifdef _WIN32
TEST(UpperCaseUnitsTest, UsesTheSystemMappingBeyondAscii) {
  EXPECT_EQ(UpperCaseUnits(u"\u00E9\u03C3\u0430"), u"\u00C9\u03A3\u0410");
}
#else
TEST(UpperCaseUnitsTest, LeavesLettersBeyondAsciiNatively) {
  EXPECT_EQ(UpperCaseUnits(u"\u00E9\u03C3\u0430"), u"\u00E9\u03C3\u0430");
}

TEST(AnsiCodePageTest, IsTheLaunchersOwnLanguageNatively) { EXPECT_EQ(AnsiCodePage(), 936u); }
#endif

TEST(Utf8FourByteSequences, BrokenAtAnyContinuationFailsWhole) {
  struct Row {
    const char* what;
    std::string bytes;
    bool valid;
  };
  const Row rows[] = {
      {"whole", "a\xF0\x9F\x98\x80" "b", true},
      {"second byte no continuation", "a\xF0\x41\x98\x80" "b", false},
      {"third byte no continuation", "a\xF0\x9F\x41\x80" "b", false},
      {"fourth byte no continuation", "a\xF0\x9F\x98\x41" "b", false},
      {"third byte missing at the end", "a\xF4\x8F", false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DecodeUtf8StrictPortable(row.bytes).has_value(), row.valid) << row.what;
    EXPECT_EQ(DecodeUtf8Strict(row.bytes).has_value(), row.valid) << row.what << " (in use)";
  }
  EXPECT_EQ(DecodeUtf8StrictPortable("a\xF0\x9F\x98\x80" "b"), u"a\U0001F600b");
}

TEST(Utf8OutputTest, HighSurrogateAtTheEndBecomesTheReplacement) {
  const std::u16string text = {u'a', static_cast<char16_t>(0xD83D)};
  EXPECT_EQ(ToUtf8(text), "a\xEF\xBF\xBD");
}

TEST(CodePage936Test, LeadBytesRunFrom81ToFE) {
  struct Row {
    unsigned char byte;
    bool lead;
  };
  constexpr Row rows[] = {{0x00, false}, {0x7F, false}, {0x80, false}, {0x81, true},
                          {0xA1, true},  {0xFE, true},  {0xFF, false}};
  for (const Row& row : rows) {
    EXPECT_EQ(cp936::IsLeadByte(row.byte), row.lead) << static_cast<int>(row.byte);
#ifdef _WIN32
    // The system's own table of the code page says the same.
    EXPECT_EQ(IsDBCSLeadByteEx(936, row.byte) != FALSE, row.lead) << static_cast<int>(row.byte);
#endif
  }
}

}  // namespace
}  // namespace zix
