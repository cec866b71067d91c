#pragma once
// The screen areas the frame places its windows in, as the system reports them now.

#include "app/screen_geometry.h"

namespace zix {

// The primary screen, from its origin.
ScreenRect PrimaryScreen();

// The primary work area (the screen less the taskbar); the whole primary screen when the
// system cannot say.
ScreenRect PrimaryWorkArea();

}  // namespace zix
