#include "app/cursor_shape.h"

#include <algorithm>
#include <cstddef>

namespace zix {
namespace {

bool BitAt(std::span<const uint8_t> mask, int32_t stride, int32_t x, int32_t y) {
  const std::byte bits{mask[static_cast<size_t>(y) * static_cast<size_t>(stride) +
                            static_cast<size_t>(x / 8)]};
  return (bits & (std::byte{0x80} >> (x % 8))) != std::byte{0};
}

// A colour cursor either carries an alpha channel, which then alone decides what shows, or is
// an old one whose colour is laid over the screen where its mask lets the screen through.
bool HasAlpha(std::span<const uint32_t> colour) {
  return std::any_of(colour.begin(), colour.end(), [](uint32_t pixel) { return (pixel >> 24) != 0; });
}

bool SizesFit(const CursorBits& bits) {
  if (bits.width <= 0 || bits.height <= 0) return false;
  const size_t maskBytes = static_cast<size_t>(MaskStride(bits.width)) * static_cast<size_t>(bits.height);
  const size_t pixels = static_cast<size_t>(bits.width) * static_cast<size_t>(bits.height);
  if (bits.andMask.size() < maskBytes) return false;
  if (bits.colour.empty()) return bits.xorMask.size() >= maskBytes;
  return bits.colour.size() >= pixels;
}

}  // namespace

int32_t MaskStride(int32_t width) { return width <= 0 ? 0 : (width + 31) / 32 * 4; }

int32_t ShapeClearanceBelowHotSpot(const CursorBits& bits, int32_t hotSpotY) {
  if (!SizesFit(bits) || hotSpotY < 0) return 0;
  const int32_t stride = MaskStride(bits.width);
  const bool alpha = HasAlpha(bits.colour);
  const auto visible = [&](int32_t x, int32_t y) {
    if (bits.colour.empty()) return !BitAt(bits.andMask, stride, x, y) || BitAt(bits.xorMask, stride, x, y);
    const uint32_t pixel = bits.colour[static_cast<size_t>(y) * static_cast<size_t>(bits.width) +
                                       static_cast<size_t>(x)];
    if (alpha) return (pixel >> 24) != 0;
    return !BitAt(bits.andMask, stride, x, y) || (pixel & 0xFFFFFFu) != 0;
  };
  for (int32_t y = bits.height - 1; y >= hotSpotY; --y) {
    for (int32_t x = 0; x < bits.width; ++x) {
      if (visible(x, y)) return y - hotSpotY + 1;
    }
  }
  return 0;
}

}  // namespace zix
