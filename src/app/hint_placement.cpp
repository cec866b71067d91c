#include "app/hint_placement.h"

#include <algorithm>

namespace zix {
namespace {

// One axis, in 64 bits so that a pointer near the edge of the coordinate range cannot wrap.
int64_t Fit(int64_t start, int64_t size, int64_t low, int64_t high) {
  return std::max(std::min(start, high - size), low);
}

}  // namespace

ScreenRect PlaceHintWindow(ScreenPoint hotSpot, int32_t shapeBelowHotSpot, int32_t width,
                           int32_t height, const ScreenRect& monitor) {
  const int64_t w = std::max<int64_t>(width, 0);
  const int64_t h = std::max<int64_t>(height, 0);
  const int64_t below = std::max<int64_t>(shapeBelowHotSpot, 0);
  const int64_t left = Fit(hotSpot.x, w, monitor.left, monitor.right);
  const int64_t top = Fit(int64_t{hotSpot.y} + below, h, monitor.top, monitor.bottom);
  // A monitor lies inside the 32-bit range, so the fitted corner does too; the far edges
  // are clamped for windows larger than any monitor.
  const auto edge = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  return {edge(left), edge(top), edge(left + w), edge(top + h)};
}

}  // namespace zix
