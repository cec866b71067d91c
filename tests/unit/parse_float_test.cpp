#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>
#include <string>

#include "platform/numbers.h"
#include "platform/text_codec.h"

namespace zix {
namespace {

enum class Expect { Value, NegativeZero, Failure };

struct Row {
  const char16_t* text;  // written with "." as the separator; the "," run swaps the two
  Expect expect;
  long double value = 0;
  // Above 10^27 the powers of ten are rounded, so only the leading bits are promised.
  bool exact = true;
};

// A few roundings of 64-bit significands stay far inside the last bit of a double (53 bits).
constexpr long double kLastBitsTolerance = 0x1p-56L;

const Row kRows[] = {
    {u"6.1", Expect::Value, 6.1L},
    {u"10", Expect::Value, 10.0L},
    {u"-1.5", Expect::Value, -1.5L},
    {u"+.5", Expect::Value, 0.5L},
    {u"5.", Expect::Value, 5.0L},
    {u".", Expect::Value, 0.0L},
    {u"-0", Expect::NegativeZero},
    {u"1e3", Expect::Value, 1000.0L},
    {u"1E+3", Expect::Value, 1000.0L},
    {u"2.5e-1", Expect::Value, 0.25L},
    {u"1e", Expect::Value, 1.0L},
    {u"1e-", Expect::Value, 1.0L},
    {u"1e0499", Expect::Value, 1e499L, false},
    {u"1e500", Expect::Value, 1e500L, false},
    {u"1e4999", Expect::Failure},
    {u"1e5000", Expect::Failure},
    {u"1e-4999", Expect::Value, 0.0L},
    {u"6,1", Expect::Failure},
    {u"1,000.5", Expect::Failure},
    {u"e5", Expect::Failure},
    {u"+e5", Expect::Failure},
    {u"1.2.3", Expect::Failure},
    {u"6.1a", Expect::Failure},
    {u"INF", Expect::Failure},
    {u"NAN", Expect::Failure},
    {u"0x10", Expect::Failure},
    {u"1e5.0", Expect::Failure},
    // The rules around the table.
    {u"", Expect::Failure},
    {u"+", Expect::Failure},
    {u"-", Expect::Failure},
    {u"   ", Expect::Failure},
    {u"  6.1  ", Expect::Value, 6.1L},
    {u"1 000", Expect::Failure},
    {u"6.1\t", Expect::Failure},
    {u"\t6.1", Expect::Failure},
    {u"6.1\u00a0", Expect::Failure},
    {u"\u0663", Expect::Failure},    // an Arabic-Indic three is no digit
    {u"\uff16.1", Expect::Failure},  // nor is a fullwidth six
    {u"--1", Expect::Failure},
    {u"+-1", Expect::Failure},
    {u"- 1", Expect::Failure},
    {u"1e--1", Expect::Failure},
    {u"1e 3", Expect::Failure},
    {u"1e3 ", Expect::Value, 1000.0L},
    {u".e5", Expect::Value, 0.0L},
    {u"5.e2", Expect::Value, 500.0L},
    {u"-.0", Expect::NegativeZero},
    {u"0.1", Expect::Value, 0.1L},
    {u"1e-27", Expect::Value, 1e-27L},
    {u"1e27", Expect::Value, 1e27L},
    {u"4.25e+2", Expect::Value, 425.0L},
    {u"0000000000000000000000000006.1", Expect::Value, 6.1L},
    // Nineteen significant digits and a small exponent: exact mantissa, one rounding.
    {u"123456789012345678.9", Expect::Value, 123456789012345678.9L},
    {u"9.999999999999999999e-8", Expect::Value, 9.999999999999999999e-8L},
    // Zero stays zero at any scale instead of turning into NaN through an infinite power.
    {u"0e4999", Expect::Value, 0.0L},
    {u"-0e4999", Expect::NegativeZero},
    // An exponent digit left once e has reached 500 fails, even after a negative sign.
    {u"1e-5000", Expect::Failure},
    {u"1e-4990", Expect::Value, 0.0L},
    // The last power of ten that fits, and the first that does not.
    {u"1e4932", Expect::Value, 1e4932L, false},
    {u"1e4933", Expect::Failure},
    {u"0.01e4934", Expect::Value, 1e4932L, false},
    {u"11.8e4931", Expect::Value, 1.18e4932L, false},
    {u"12e4931", Expect::Failure},
    // Fraction digits scale down a long mantissa without an infinite divisor in between.
    {u"1.0e-4940", Expect::Value, 1e-4940L, false},
    {u"3.6e-4951", Expect::Value, 0x1p-16445L},  // the smallest subnormal
};

// The same row for a user whose separator is ",": every "." becomes "," and the other way.
std::u16string SwapSeparators(std::u16string_view text) {
  std::u16string swapped(text);
  for (char16_t& c : swapped) {
    if (c == u'.') c = u',';
    else if (c == u',') c = u'.';
  }
  return swapped;
}

void CheckRow(const Row& row, std::u16string_view text, char16_t separator) {
  const std::optional<long double> got = ParseFloat(text, separator);
  SCOPED_TRACE(::testing::Message() << "text \"" << ToUtf8(text) << "\" with separator "
                                  << static_cast<char>(separator));
  switch (row.expect) {
    case Expect::Failure:
      EXPECT_FALSE(got.has_value()) << static_cast<double>(*got);
      break;
    case Expect::NegativeZero:
      ASSERT_TRUE(got.has_value());
      EXPECT_EQ(*got, 0.0L);
      EXPECT_TRUE(std::signbit(*got));
      break;
    case Expect::Value:
      ASSERT_TRUE(got.has_value());
      if (row.exact) {
        EXPECT_EQ(*got, row.value);
        EXPECT_EQ(std::signbit(*got), std::signbit(row.value));
      } else {
        const long double tolerance =
            std::fmax(std::fabs(row.value) * kLastBitsTolerance, LDBL_TRUE_MIN);
        EXPECT_LE(std::fabs(*got - row.value), tolerance) << static_cast<double>(*got);
      }
      break;
  }
}

TEST(ParseFloat, EveryRowWithPointSeparator) {
  for (const Row& row : kRows) CheckRow(row, row.text, u'.');
}

TEST(ParseFloat, EveryRowWithCommaSeparator) {
  for (const Row& row : kRows) CheckRow(row, SwapSeparators(row.text), u',');
}

TEST(ParseFloat, CommaSeparatorRows) {
  EXPECT_EQ(ParseFloat(u"6,1", u','), 6.1L);
  EXPECT_FALSE(ParseFloat(u"6.1", u',').has_value());
  EXPECT_EQ(ParseFloat(u"1,000", u','), 1.0L);
}

TEST(ParseFloat, AnySeparatorCodeUnitWorks) {
  EXPECT_EQ(ParseFloat(u"6\u066b1", u'\u066b'), 6.1L);  // the Arabic decimal separator
  EXPECT_FALSE(ParseFloat(u"6.1", u'\u066b').has_value());
}

TEST(ParseFloat, NearestDoubleOfTheTextsValue) {
  // The callers round once more, to a double; with one rounding inside, this is the double
  // nearest to the text for every value the launcher reads.
  EXPECT_EQ(static_cast<double>(*ParseFloat(u"6.1", u'.')), 6.1);
  EXPECT_EQ(static_cast<double>(*ParseFloat(u"6.3", u'.')), 6.3);
  EXPECT_EQ(static_cast<double>(*ParseFloat(u"0.3", u'.')), 0.3);
  EXPECT_EQ(static_cast<double>(*ParseFloat(u"1.7976931348623157e308", u'.')), 1.7976931348623157e308);
  EXPECT_TRUE(std::isinf(static_cast<double>(*ParseFloat(u"1e400", u'.'))));
  EXPECT_EQ(static_cast<double>(*ParseFloat(u"1e-400", u'.')), 0.0);
}

TEST(ParseFloat, AccumulationOverflowFails) {
  // 4933 digits no longer fit the format, whether before or after the separator.
  const std::u16string fits = u"1" + std::u16string(4932, u'0');
  const std::u16string tooLong = u"1" + std::u16string(4933, u'0');
  ASSERT_TRUE(ParseFloat(fits, u'.').has_value());
  EXPECT_LE(std::fabs(*ParseFloat(fits, u'.') - 1e4932L), 1e4932L * kLastBitsTolerance);
  EXPECT_FALSE(ParseFloat(tooLong, u'.').has_value());
  EXPECT_FALSE(ParseFloat(u"." + std::u16string(5000, u'9'), u'.').has_value());
}

TEST(ParseFloat, LongMantissaWithFarNegativeExponent) {
  // 10^100 scaled by 10^-4999: the divisor alone would overflow, the number does not.
  const std::u16string text = u"1" + std::u16string(100, u'0') + u"e-4999";
  const std::optional<long double> got = ParseFloat(u"0." + std::u16string(100, u'0') + text, u'.');
  ASSERT_TRUE(got.has_value());
  EXPECT_EQ(*got, 0.0L);  // 10^-5100 lies below the smallest subnormal
  const std::optional<long double> scaled = ParseFloat(text, u'.');
  ASSERT_TRUE(scaled.has_value());
  EXPECT_LE(std::fabs(*scaled - 1e-4899L), 1e-4899L * kLastBitsTolerance);
}

#if defined(__i386__) || defined(__x86_64__)
uint16_t ControlWord() {
  uint16_t word = 0;
  __asm__ __volatile__("fnstcw %0" : "=m"(word));
  return word;
}

void SetControlWord(uint16_t word) { __asm__ __volatile__("fldcw %0" : : "m"(word)); }

TEST(ParseFloat, SameAnswerWhateverPrecisionTheProcessIsLeftIn) {
  const uint16_t original = ControlWord();
  const uint16_t doublePrecisionTowardZero = 0x0E7F;  // 53 bits, chopping
  SetControlWord(doublePrecisionTowardZero);
  const std::optional<long double> got = ParseFloat(u"6.1", u'.');
  const uint16_t after = ControlWord();
  SetControlWord(original);
  ASSERT_TRUE(got.has_value());
  EXPECT_EQ(*got, 6.1L);
  EXPECT_EQ(after, doublePrecisionTowardZero);
}
#endif

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
