#pragma once
// Settings files as the bytes a user's editor would save; for the unit tests and the
// end-to-end suite alike.

#include <string>
#include <string_view>

namespace zix {

// UTF-8 with its mark: how the launcher reads Chinese text reliably.
inline std::string Utf8File(std::string_view text) { return "\xEF\xBB\xBF" + std::string(text); }

enum class ByteOrder { LittleEndian, BigEndian };

// UTF-16 with its mark, from UTF-16 text; little-endian unless told, as Windows' editors save it.
inline std::string Utf16File(std::u16string_view text, ByteOrder order = ByteOrder::LittleEndian) {
  const bool bigEndian = order == ByteOrder::BigEndian;
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

}  // namespace zix
