#pragma once
// Where the tooltip window goes on the screen. Pure arithmetic; the Win32 side measures the
// text, the pointer's shape and the monitor and moves the window to the result.

#include <cstdint>

#include "app/screen_geometry.h"

namespace zix {

// The window's rectangle: its top left corner at the pointer's hot spot lowered by the rows of
// the pointer's visible shape below the hot spot, so that it sits just under the pointer; then
// moved, keeping its size, to lie inside the monitor (its left and top edges win when it is
// larger than the monitor).
ScreenRect PlaceHintWindow(ScreenPoint hotSpot, int32_t shapeBelowHotSpot, int32_t width,
                           int32_t height, const ScreenRect& monitor);

}  // namespace zix
