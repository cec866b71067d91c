#pragma once
// Which window of another program's thread has the keyboard focus and the activation.

#include <windows.h>

namespace zix::e2e {

struct ThreadFocus {
  HWND active = nullptr;
  HWND focus = nullptr;
};

// The focus of the thread that owns `window`; nulls when the system cannot say.
ThreadFocus FocusOfThreadOf(HWND window);

// Makes `window` the foreground window and waits, bounded, until the system reports it so.
bool BringToForeground(HWND window, DWORD timeoutMs);

}  // namespace zix::e2e
