#pragma once
// A message box of this process, shown from a thread of its own so the test can look at it
// the way it looks at the launcher's: to learn what the platform does, and to prove the readers.

#include <windows.h>

#include <string>

#include "platform/unique_handle_win32.h"

namespace zix::e2e {

class OwnMessageBox {
 public:
  // Shows MessageBoxW(nullptr, "probe", caption, style) and waits, bounded, for its window.
  OwnMessageBox(std::wstring caption, UINT style);
  // Presses OK if the box is still open and waits, bounded, for the thread to end.
  ~OwnMessageBox();
  OwnMessageBox(const OwnMessageBox&) = delete;
  OwnMessageBox& operator=(const OwnMessageBox&) = delete;

  HWND Window() const { return window_; }

 private:
  static DWORD WINAPI Show(LPVOID self) noexcept;

  std::wstring caption_;
  UINT style_;
  UniqueKernelHandle thread_;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
};

}  // namespace zix::e2e
