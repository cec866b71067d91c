#pragma once
// Settings files nobody should write but someone will: huge, random, or in the wrong encoding.

#include <cstdint>
#include <string>
#include <string_view>

#include "settings_bytes.h"

namespace zix::e2e {

// The same bytes as often as it takes to fill `size`, the last copy cut.
inline std::string Repeated(std::string_view piece, size_t size) {
  std::string out;
  out.reserve(size);
  while (out.size() < size) out.append(piece.substr(0, size - out.size()));
  return out;
}

// Bytes from splitmix64, the same on every run.
inline std::string RandomBytes(size_t size, uint64_t seed) {
  std::string out;
  out.reserve(size);
  while (out.size() < size) {
    uint64_t z = (seed += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    for (int i = 0; i < 8 && out.size() < size; ++i, z >>= 8) out += static_cast<char>(z & 0xFF);
  }
  return out;
}

// UTF-16 little-endian as an editor writes it when told to leave the mark out.
inline std::string Utf16LeWithoutMark(std::u16string_view text) {
  return Utf16File(text).substr(2);
}

}  // namespace zix::e2e
