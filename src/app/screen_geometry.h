#pragma once
// Points and rectangles in screen pixels, as the window system reports them. A rectangle
// holds its left and top edges and excludes its right and bottom ones, as PtInRect counts.

#include <cstdint>

namespace zix {

struct ScreenPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct ScreenRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

inline bool Contains(const ScreenRect& rect, ScreenPoint point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
         point.y < rect.bottom;
}

}  // namespace zix
