#pragma once
// Where and how the main window first appears, and how its creation size follows the
// screen density. Pure arithmetic; the window code asks the system for the inputs.

#include <cstdint>
#include <optional>

#include "app/screen_geometry.h"

namespace zix {

// Centred on the primary work area's size, measured from the screen origin (the work area's
// own left and top are not added), then raised to the virtual desktop's left and top edges.
ScreenPoint CentredWindowOrigin(const ScreenRect& workArea, int32_t outerWidth,
                                int32_t outerHeight, int32_t virtualLeft, int32_t virtualTop);

enum class InitialWindowState { Normal, Maximized, Minimized };

// The show command the starting program passed (wShowWindow, only when STARTF_USESHOWWINDOW
// is set): 3 opens maximised, 7 minimised, anything else, or nothing, normally.
InitialWindowState InitialStateFromStartup(std::optional<uint16_t> startupShowCommand);

// The ShowWindow command for a state: 1, 3 or 7.
int ShowCommandFor(InitialWindowState state);

// number × numerator ÷ denominator, rounded half away from zero, as the system's MulDiv;
// -1 when the denominator is 0 or the result lies outside ±2147483647.
int32_t MulDivRounded(int32_t number, int32_t numerator, int32_t denominator);

inline constexpr int32_t kDesignPixelsPerInch = 96;
inline constexpr int32_t kDesignTextHeight = 13;  // height of "0" in the design font

struct CreationSize {
  int32_t width = 0;
  int32_t height = 0;
};

// The font height for the screen density: unchanged at 96 pixels per inch.
int32_t FontHeightForDensity(int32_t designFontHeight, int32_t pixelsPerInch);

// The client size of creation, scaled by the measured text height over the design one.
CreationSize ClientSizeForTextHeight(CreationSize design, int32_t measuredTextHeight);

}  // namespace zix
