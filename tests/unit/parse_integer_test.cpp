#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/numbers.h"
#include "platform/text_codec.h"

namespace zix {
namespace {

struct IntegerCase {
  const char* text;
  std::optional<int32_t> expected;
};

void PrintTo(const IntegerCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParseIntegerTable : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ParseIntegerTable, GivesTheTableResult) {
  EXPECT_EQ(ParseInteger(FromUtf8(GetParam().text)), GetParam().expected);
}

constexpr std::nullopt_t kFails = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Table, ParseIntegerTable,
    ::testing::Values(
        IntegerCase{"42", 42}, IntegerCase{"+42", 42}, IntegerCase{"-42", -42},
        IntegerCase{"007", 7}, IntegerCase{"0", 0}, IntegerCase{"-0", 0},
        IntegerCase{"$1F", 31}, IntegerCase{"0x1F", 31}, IntegerCase{"0X1F", 31},
        IntegerCase{"x1F", 31}, IntegerCase{"X1F", 31}, IntegerCase{"-$10", -16},
        IntegerCase{"-0x10", -16}, IntegerCase{"$FFFFFFFF", -1},
        IntegerCase{"$80000000", INT32_MIN}, IntegerCase{"-$80000000", INT32_MIN},
        IntegerCase{"-$FFFFFFFF", 1}, IntegerCase{"$000000001", 1},
        IntegerCase{"$100000000", kFails}, IntegerCase{"2147483647", INT32_MAX},
        IntegerCase{"2147483648", kFails}, IntegerCase{"-2147483648", INT32_MIN},
        IntegerCase{"-2147483649", kFails}, IntegerCase{"$", kFails}, IntegerCase{"0x", kFails},
        IntegerCase{"x", kFails}, IntegerCase{"+", kFails}, IntegerCase{"1.0", kFails},
        IntegerCase{"1e3", kFails}, IntegerCase{"12abc", kFails}, IntegerCase{"--1", kFails},
        IntegerCase{"+-1", kFails}, IntegerCase{"$-1", kFails}, IntegerCase{"0xG", kFails}));

// The rules around the table: blanks, empty text, and where the limits really are.
INSTANTIATE_TEST_SUITE_P(
    ExtraRules, ParseIntegerTable,
    ::testing::Values(
        IntegerCase{"", kFails}, IntegerCase{"   ", kFails}, IntegerCase{"   42", 42},
        IntegerCase{"42 ", kFails}, IntegerCase{"- 42", kFails}, IntegerCase{"4 2", kFails},
        IntegerCase{"\t42", kFails}, IntegerCase{"-", kFails}, IntegerCase{"-$", kFails},
        IntegerCase{"$+1", kFails}, IntegerCase{"0x-1", kFails}, IntegerCase{"+ 1", kFails},
        // Leading zeros never count toward the limit.
        IntegerCase{"0000000000002147483647", INT32_MAX}, IntegerCase{"$00000000000000FF", 255},
        IntegerCase{"2147483650", kFails}, IntegerCase{"21474836470", kFails},
        IntegerCase{"-2147483650", kFails}, IntegerCase{"4294967295", kFails},
        IntegerCase{"$7FFFFFFF", INT32_MAX}, IntegerCase{"$ffffffff", -1},
        IntegerCase{"0x0", 0}, IntegerCase{"x0", 0}, IntegerCase{"-x1", -1},
        // "0" without x is a digit, so "00x1" is no prefix.
        IntegerCase{"00x1", kFails}, IntegerCase{"0$1", kFails}, IntegerCase{"$$1", kFails},
        IntegerCase{"0xx1", kFails},
        // Digits of other scripts are not digits.
        IntegerCase{"\xEF\xBC\x94\xEF\xBC\x92", kFails}, IntegerCase{"\xD9\xA4", kFails},
        IntegerCase{"\xC2\xA0" "42", kFails}, IntegerCase{"\xE3\x80\x80" "42", kFails}));

TEST(ParseIntegerTest, AZeroUnitInsideTheDigitsFails) {
  EXPECT_EQ(ParseInteger(std::u16string(u"4\0" u"2", 3)), std::nullopt);
}

}  // namespace
}  // namespace zix
