// Any text as an integer value: ParseInteger must agree with a second reading of the same
// grammar that works the other way round (count the significant digits, then compare in 64
// bits), and what it accepts must read back the same after blanks in front or as decimal text.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/numbers.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

int DigitValue(char16_t c, bool hexadecimal) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (!hexadecimal) return -1;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// Refusing a digit once the value exceeds 214748364 (decimal) or 0FFFFFFF (hexadecimal) is the
// same as allowing at most ten or eight digits after the leading zeros.
std::optional<int32_t> Reference(std::u16string_view text) {
  size_t at = text.find_first_not_of(u' ');
  if (at == std::u16string_view::npos) return std::nullopt;
  text.remove_prefix(at);
  const bool negative = text.front() == u'-';
  if (text.front() == u'-' || text.front() == u'+') text.remove_prefix(1);

  bool hexadecimal = false;
  if (text.starts_with(u"0x") || text.starts_with(u"0X")) {
    hexadecimal = true;
    text.remove_prefix(2);
  } else if (!text.empty() &&
             (text.front() == u'$' || text.front() == u'x' || text.front() == u'X')) {
    hexadecimal = true;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;

  uint64_t value = 0;
  size_t significant = 0;
  for (const char16_t c : text) {
    const int digit = DigitValue(c, hexadecimal);
    if (digit < 0) return std::nullopt;
    if (value != 0 || digit != 0) ++significant;
    if (significant > (hexadecimal ? 8u : 10u)) return std::nullopt;
    value = value * (hexadecimal ? 16 : 10) + static_cast<unsigned>(digit);
  }
  if (hexadecimal) {
    const uint32_t pattern =
        negative ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    return static_cast<int32_t>(pattern);
  }
  if (value > (negative ? 2147483648u : 2147483647u)) return std::nullopt;
  return static_cast<int32_t>(negative ? -static_cast<int64_t>(value)
                                       : static_cast<int64_t>(value));
}

void Check(const std::u16string& text) {
  const std::optional<int32_t> parsed = zix::ParseInteger(text);
  Require(parsed == Reference(text));
  Require(zix::ParseInteger(u"  " + text) == parsed);
  if (!parsed) return;
  Require(zix::ParseInteger(text + u" ") == std::nullopt);
  Require(zix::ParseInteger(zix::DecimalText(*parsed)) == parsed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // As single bytes, so that the fuzzer reaches every ASCII character quickly...
  Check(std::u16string(data, data + size));
  // ...and as UTF-16 code units, so that digits and letters of other scripts come by too.
  std::u16string units;
  for (size_t i = 0; i + 1 < size; i += 2)
    units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  Check(units);
  return 0;
}
