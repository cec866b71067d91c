#pragma once
// A plain window of the test program, on a thread of its own with its own message loop: another
// program's window that can take the activation away from the launcher.

#include <windows.h>

#include "platform/unique_handle_win32.h"

namespace zix::e2e {

class ForeignWindow {
 public:
  // Shows the window at `place` (screen coordinates) and waits, bounded, until it exists.
  explicit ForeignWindow(RECT place);
  // Destroys the window and waits, bounded, for its thread to end.
  ~ForeignWindow();
  ForeignWindow(const ForeignWindow&) = delete;
  ForeignWindow& operator=(const ForeignWindow&) = delete;

  HWND Window() const { return window_; }

 private:
  static DWORD WINAPI Run(LPVOID self) noexcept;

  RECT place_;
  UniqueKernelHandle ready_;
  UniqueKernelHandle thread_;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
};

}  // namespace zix::e2e
