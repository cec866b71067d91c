// Any text as a floating-point value: ParseFloat must neither crash nor give NaN, must read
// the same text the same way with either separator, and wherever its mantissa and power of
// ten are both exact it must agree with the C library's correctly rounded strtold.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/numbers.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The text in the shape "[+-]digits[.digits][e[+-]digits]" between blanks, with at most 19
// significant digits and a decimal exponent within 27: the range where one rounding is promised.
bool WithinExactRange(std::u16string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == u' ') ++i;
  if (i < n && (text[i] == u'+' || text[i] == u'-')) ++i;
  int significant = 0;
  int64_t p = 0;
  bool seenNonZero = false;
  auto takeDigit = [&](char16_t c) {
    seenNonZero = seenNonZero || c != u'0';
    if (seenNonZero) ++significant;
  };
  for (; i < n && IsDigit(text[i]); ++i) takeDigit(text[i]);
  if (i < n && text[i] == u'.') {
    for (++i; i < n && IsDigit(text[i]); ++i, --p) takeDigit(text[i]);
  }
  if (i < n && (text[i] == u'e' || text[i] == u'E')) {
    ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    int64_t e = 0;
    int digits = 0;
    for (; i < n && IsDigit(text[i]) && digits < 3; ++i, ++digits) e = e * 10 + (text[i] - u'0');
    p += negative ? -e : e;
  }
  while (i < n && text[i] == u' ') ++i;
  return i == n && significant <= 19 && p >= -27 && p <= 27;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Bytes stand for code units one to one, so that the fuzzer reaches every ASCII character.
  std::u16string text(data, data + size);

  const std::optional<long double> withPoint = zix::ParseFloat(text, u'.');
  Require(!withPoint || !std::isnan(*withPoint));
  Require(!withPoint || !std::isinf(*withPoint));
  Require(withPoint == zix::ParseFloat(text, u'.'));

  std::u16string swapped = text;
  for (char16_t& c : swapped) c = c == u'.' ? u',' : c == u',' ? u'.' : c;
  const std::optional<long double> withComma = zix::ParseFloat(swapped, u',');
  Require(withPoint.has_value() == withComma.has_value());
  Require(!withPoint || std::signbit(*withPoint) == std::signbit(*withComma));
  Require(!withPoint || *withPoint == *withComma);

  if (withPoint && WithinExactRange(text)) {
    const std::string narrow(text.begin(), text.end());
    Require(std::strtold(narrow.c_str(), nullptr) == *withPoint);
  }
  return 0;
}
