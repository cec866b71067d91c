// Reader paths that the main tables leave out: decoding without asking what was detected,
// section names that share a hash, and a fraction long enough that its scale leaves nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "platform/format_settings.h"
#include "platform/numbers.h"
#include "settings/ini_file.h"
#include "settings/ini_index.h"

namespace zix {
namespace {

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

// "56979" and "77927" have the same 32-bit hash in the section index, so one is looked for in
// the slot of the other.
constexpr char16_t kName[] = u"56979";
constexpr char16_t kSameHash[] = u"77927";

TEST(SectionIndex, NamesThatShareAHashAreToldApart) {
  const SectionIndex one({kName});
  EXPECT_EQ(one.Find(kName), 0u);
  EXPECT_EQ(one.Find(kSameHash), SectionIndex::kNone);

  const SectionIndex both({kName, kSameHash});
  EXPECT_EQ(both.Find(kName), 0u);
  EXPECT_EQ(both.Find(kSameHash), 1u);
}

TEST(TMemIniFile, SectionsWhoseNamesShareAHash) {
  const FormatSettings format(u'.');
  const TMemIniFile first(u"x.ini", format, "[56979]\r\nexe=a.exe\r\n");
  EXPECT_EQ(first.ReadString(kSameHash, u"exe", u"none"), u"none");
  const TMemIniFile both(u"x.ini", format, "[56979]\r\nexe=a.exe\r\n[77927]\r\nexe=b.exe\r\n");
  EXPECT_EQ(both.ReadString(kName, u"exe", u""), u"a.exe");
  EXPECT_EQ(both.ReadString(kSameHash, u"exe", u""), u"b.exe");
}

// A fraction of more than 9028 digits with the largest exponent takes the number below the
// smallest 80-bit value in two steps of division: zero, keeping its sign.
TEST(ParseFloat, ScaleBelowTheSmallestValueGivesZero) {
  const std::u16string tiny = u"0." + std::u16string(4100, u'0') + u"1e-4999";
  const std::optional<long double> positive = ParseFloat(tiny, u'.');
  ASSERT_TRUE(positive);
  EXPECT_EQ(*positive, 0.0L);
  EXPECT_FALSE(std::signbit(*positive));
  const std::optional<long double> negative = ParseFloat(u"-" + tiny, u'.');
  ASSERT_TRUE(negative);
  EXPECT_EQ(*negative, 0.0L);
  EXPECT_TRUE(std::signbit(*negative));
}

// The same two steps of division with a mantissa large enough to survive them: 10^4930 scaled
// by 10^-9029 is 10^-4099, which the 80-bit format holds.
TEST(ParseFloat, ScaleInTwoStepsKeepsALargeMantissa) {
  const std::u16string text =
      u"1" + std::u16string(900, u'0') + u"." + std::u16string(4030, u'0') + u"e-4999";
  const std::optional<long double> number = ParseFloat(text, u'.');
  ASSERT_TRUE(number);
  EXPECT_NEAR(static_cast<double>(*number / 1e-4099L), 1.0, 1e-12);
}

}  // namespace
}  // namespace zix
