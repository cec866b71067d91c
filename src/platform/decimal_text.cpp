#include <string>

#include "platform/numbers.h"

namespace zix {

std::u16string DecimalText(int64_t value) {
  // The magnitude in unsigned arithmetic, so that the most negative value has one too.
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::u16string reversed;
  do {
    reversed += static_cast<char16_t>(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) reversed += u'-';
  return std::u16string(reversed.rbegin(), reversed.rend());
}

std::optional<uint32_t> ParseDecimalDigits(std::u16string_view text, uint32_t max) {
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  for (const char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - u'0');
    if (value > max) return std::nullopt;
  }
  return static_cast<uint32_t>(value);
}

}  // namespace zix
