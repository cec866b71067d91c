#pragma once
// Settings files as the bytes a user's editor would save.

#include <string>
#include <string_view>

namespace zix::e2e {

// UTF-8 with its mark: how the launcher reads Chinese text reliably.
inline std::string Utf8File(std::string_view text) { return "\xEF\xBB\xBF" + std::string(text); }

// UTF-16 little-endian with its mark, from UTF-16 text.
inline std::string Utf16LeFile(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

}  // namespace zix::e2e
