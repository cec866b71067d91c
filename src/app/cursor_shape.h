#pragma once
// How far the pointer's visible shape reaches below its hot spot, worked out from the bitmaps the
// window system describes a cursor with. Plain code over the bits, so that tests can feed it
// shapes; the Win32 side reads the current cursor's bitmaps.

#include <cstdint>
#include <span>

namespace zix {

// One cursor's pixels. Masks hold one bit per pixel, the most significant bit leftmost, rows
// top-down and each row padded to 32 bits, as GetDIBits delivers a 1-bit picture.
struct CursorBits {
  int32_t width = 0;
  int32_t height = 0;
  // 0 where the shape replaces the screen, 1 where the screen shows through (or is inverted).
  std::span<const uint8_t> andMask;
  // A monochrome cursor: 1 where the screen is inverted. Empty for a colour cursor.
  std::span<const uint8_t> xorMask;
  // A colour cursor: width * height pixels, 0xAARRGGBB, rows top-down. Empty for monochrome.
  std::span<const uint32_t> colour;
};

// Bytes in one row of a mask of that width.
int32_t MaskStride(int32_t width);

// How many rows below the hot spot the first row clear of the visible shape lies: a window that
// far below the hot spot sits just under the pointer. 0 when nothing visible lies on or below
// the hot spot's row, or when the bits do not fit the size.
int32_t ShapeClearanceBelowHotSpot(const CursorBits& bits, int32_t hotSpotY);

}  // namespace zix
