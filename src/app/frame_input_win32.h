#pragma once
// What the message loop hands to the tooltips and the game buttons' keys.

#include <memory>

#include "app/application_win32.h"

namespace zix {

// Switches tooltips on (making the tooltip window) and returns the loop's hooks for them and for
// the keyboard. Raises EOutOfResources when the tooltip window cannot be made.
std::unique_ptr<MessageLoopHooks> MakeFrameInputHooks();

}  // namespace zix
