#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "platform/numbers.h"

// Settings bounds and the running version must compare equal when their texts agree, and every
// build must round alike: all of them (g++, clang, MinGW on x86 and x86_64) have the x87 format.
static_assert(LDBL_MANT_DIG == 64, "ParseFloat needs the x87 80-bit extended format");

namespace zix {
namespace {

constexpr int kLargestFinitePower = 4932;  // 10^4933 exceeds the largest 80-bit value

// 10^0 .. 10^27 have at most 64 significant bits, so they are exact; 10^28 .. 10^31 are the
// nearest 80-bit values, as the compiler rounds the literals.
constexpr long double kSmallPowers[32] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L,
    1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L,
    1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L};

// 10^(32 * 2^i), each the nearest 80-bit value. Larger powers multiply at most eight of these
// with one small power, so each power carries at most a few units of rounding in its last
// place, far below what the nearest double can show.
constexpr long double kLargePowers[8] = {1e32L,  1e64L,   1e128L,  1e256L,
                                         1e512L, 1e1024L, 1e2048L, 1e4096L};

// 10^n for 0 <= n <= kLargestFinitePower.
long double PowerOfTen(int n) {
  long double power = kSmallPowers[n & 31];
  int rest = n >> 5;
  for (int i = 0; rest != 0; ++i, rest >>= 1) {
    if (rest & 1) power *= kLargePowers[i];
  }
  return power;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// m x 10^p, or nullopt when the product overflows the format. m is a finite whole number.
std::optional<long double> Scale(long double m, int64_t p) {
  // Without this, 0 times an overflowing power would be NaN; zero stays zero at any scale.
  if (m == 0) return m;
  if (p >= 0) {
    if (p > kLargestFinitePower) return std::nullopt;  // m >= 1, so the number overflows
    long double product = m * PowerOfTen(static_cast<int>(p));
    if (std::isinf(product)) return std::nullopt;
    return product;
  }
  // Divide in steps while the divisor alone would overflow, so that a long mantissa with a far
  // negative exponent keeps its value instead of meeting an infinite divisor.
  uint64_t divisorExponent = static_cast<uint64_t>(-p);
  while (divisorExponent > static_cast<uint64_t>(kLargestFinitePower)) {
    m /= kLargePowers[7];
    divisorExponent -= 4096;
    if (m == 0) return m;
  }
  return m / PowerOfTen(static_cast<int>(divisorExponent));
}

// Another module loaded into the process (a shell extension, a driver) may have left the x87
// unit at 53-bit precision, other rounding or unmasked exceptions; the conversion must give the
// same answer whatever it finds, so it runs at 64-bit precision, nearest, all masked, and puts
// the caller's control word back.
class ExtendedPrecisionScope {
 public:
  ExtendedPrecisionScope() {
    __asm__ __volatile__("fnstcw %0" : "=m"(saved_) : : "memory");
    const uint16_t extended = 0x037F;  // all exceptions masked, 64-bit precision, to nearest
    __asm__ __volatile__("fldcw %0" : : "m"(extended) : "memory");
  }
  ~ExtendedPrecisionScope() {
    // An overflow here sets a sticky flag; cleared first, it cannot trap once the caller's
    // control word unmasks that exception again.
    __asm__ __volatile__("fnclex\n\tfldcw %0" : : "m"(saved_) : "memory");
  }
  ExtendedPrecisionScope(const ExtendedPrecisionScope&) = delete;
  ExtendedPrecisionScope& operator=(const ExtendedPrecisionScope&) = delete;

 private:
  uint16_t saved_ = 0;
};

// Kept out of line so that none of its arithmetic can be moved across the control-word changes.
[[gnu::noinline]] std::optional<long double> ConvertDecimal(std::u16string_view text,
                                                           char16_t separator) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == u' ') ++i;

  bool negative = false;
  if (i < n && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';

  long double m = 0;
  bool tookAnything = false;
  for (; i < n && IsDigit(text[i]); ++i) {
    m = m * 10 + (text[i] - u'0');
    tookAnything = true;
  }
  int64_t p = 0;
  if (i < n && text[i] == separator) {
    ++i;
    tookAnything = true;
    for (; i < n && IsDigit(text[i]); ++i) {
      m = m * 10 + (text[i] - u'0');
      --p;
    }
  }
  if (!tookAnything) return std::nullopt;
  // Once m is infinite it stays so, so one test after all digits covers every step.
  if (std::isinf(m)) return std::nullopt;

  if (i < n && (text[i] == u'E' || text[i] == u'e')) {
    ++i;
    bool negativeExponent = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) negativeExponent = text[i++] == u'-';
    int64_t e = 0;
    for (; i < n && IsDigit(text[i]) && e < 500; ++i) e = e * 10 + (text[i] - u'0');
    p += negativeExponent ? -e : e;
  }

  while (i < n && text[i] == u' ') ++i;
  if (i != n) return std::nullopt;

  std::optional<long double> number = Scale(m, p);
  if (number && negative) *number = -*number;
  return number;
}

}  // namespace

std::optional<long double> ParseFloat(std::u16string_view text, char16_t decimalSeparator) {
  ExtendedPrecisionScope precision;
  return ConvertDecimal(text, decimalSeparator);
}

}  // namespace zix
