#pragma once
// The game buttons' keys on the Win32 side: while the main window is active, Tab, the arrows,
// Enter, Esc and access keys are taken before they reach the focused button, and decided by
// the rules of keyboard_nav; the focused button is drawn as the window's default button.

#include <windows.h>

namespace zix {

class GameButtonKeys {
 public:
  // Every message the loop takes, before it is dispatched. True when the message was a key
  // that this handled; it must then be neither translated nor dispatched.
  bool PreDispatch(const MSG& message);
  // Gives the default button's look to the game button that has the focus, when the focus has
  // moved to another one since the last call.
  void FollowFocus();

 private:
  void MoveFocus(HWND button);
  HWND defaultButton_ = nullptr;  // the game button drawn as the default one
};

}  // namespace zix
