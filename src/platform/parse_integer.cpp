#include <cstdint>

#include "platform/numbers.h"

namespace zix {

namespace {

int DecimalDigit(char16_t c) { return c >= u'0' && c <= u'9' ? c - u'0' : -1; }

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

// One or more digits up to the end of the text, refusing a digit once the value so far exceeds
// `limit`; the value is at most limit * base + (base - 1), which fits 64 bits.
std::optional<uint64_t> Digits(std::u16string_view text, int (*digit)(char16_t), unsigned base,
                               uint64_t limit) {
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  for (const char16_t c : text) {
    const int d = digit(c);
    if (d < 0 || value > limit) return std::nullopt;
    value = value * base + static_cast<unsigned>(d);
  }
  return value;
}

}  // namespace

std::optional<int32_t> ParseInteger(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    negative = text[i] == u'-';
    ++i;
  }

  size_t prefix = 0;
  if (i < text.size() && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
    prefix = 1;
  } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
    prefix = 2;
  }

  if (prefix == 0) {
    const auto value = Digits(text.substr(i), DecimalDigit, 10, 214748364);
    if (!value) return std::nullopt;
    if (!negative) {
      if (*value > 2147483647) return std::nullopt;
      return static_cast<int32_t>(*value);
    }
    if (*value > 2147483648u) return std::nullopt;
    return static_cast<int32_t>(-static_cast<int64_t>(*value));
  }

  const auto value = Digits(text.substr(i + prefix), HexDigit, 16, 0x0FFFFFFF);
  if (!value) return std::nullopt;
  // A 32-bit pattern read as two's complement; "-" negates it modulo 2^32.
  uint32_t pattern = static_cast<uint32_t>(*value);
  if (negative) pattern = 0u - pattern;
  return static_cast<int32_t>(pattern);
}

}  // namespace zix
