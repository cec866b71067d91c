#pragma once
// Signed 32-bit arithmetic that wraps around as the machine's registers do, without the
// undefined behaviour of signed overflow in C++: settings values are arbitrary 32-bit integers.

#include <cstdint>

namespace zix {

inline int32_t WrapAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t WrapSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
inline int32_t WrapMul(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
// Truncates toward zero; the one quotient that overflows (INT32_MIN / -1) wraps to INT32_MIN.
inline int32_t TruncDiv(int32_t a, int32_t b) {
  if (b == -1) return WrapSub(0, a);
  return a / b;
}

}  // namespace zix
