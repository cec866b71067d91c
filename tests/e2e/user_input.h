#pragma once
// Real input, as a user's mouse and keyboard make it: everything goes through SendInput into
// the system's input queue and reaches whichever window the system routes it to.

#include <windows.h>

#include <vector>

namespace zix::e2e {

// Moves the pointer to a screen point and waits, bounded, until it rests there. False when the
// system took fewer events than sent or the pointer ended elsewhere.
bool MovePointer(POINT to);
// The centre of a window on the screen.
POINT CentreOf(HWND window);
// Presses and releases a mouse button where the pointer is.
bool ClickLeft();
bool ClickRight();

// Presses the modifiers (VK_SHIFT, VK_CONTROL, VK_MENU) in order, taps the key, and releases
// the modifiers in reverse order.
bool TapKey(WORD virtualKey, const std::vector<WORD>& modifiers = {});

}  // namespace zix::e2e
