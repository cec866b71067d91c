#pragma once
// Numbers to and from text, for the settings reader and the system probe alike. None raises
// or reports: failure is a result.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zix {

// Decimal or hexadecimal ("$", "x", "X", "0x", "0X") signed 32-bit integer, with optional
// leading blanks (U+0020) and one sign; nothing may follow the digits.
std::optional<int32_t> ParseInteger(std::u16string_view text);

// A decimal number with the given separator and an optional exponent, computed in the x87
// 80-bit extended format (long double). Fails on anything else and on overflow of that format.
std::optional<long double> ParseFloat(std::u16string_view text, char16_t decimalSeparator);

// Plain decimal digits, "-" before a negative value: no blanks, group separators or leading zeros.
std::u16string DecimalText(int64_t value);

// The value of a text of decimal digits alone (no sign, no blanks), when it is at most `max`.
std::optional<uint32_t> ParseDecimalDigits(std::u16string_view text, uint32_t max);

}  // namespace zix
