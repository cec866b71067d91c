#pragma once
// What both yardsticks of the start-up benchmark do alike: a window of the launcher's size and
// style, and a plain message loop.

#include <windows.h>

namespace zix::bench {

inline LRESULT CALLBACK YardstickWindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A window of the launcher's outer size and styles, not yet shown; null when refused.
inline HWND CreateYardstickWindow(HINSTANCE instance, const wchar_t* className,
                                  const wchar_t* title) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = YardstickWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className;
  if (RegisterClassExW(&windowClass) == 0) return nullptr;
  return CreateWindowExW(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, className, title,
                         WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                         CW_USEDEFAULT, CW_USEDEFAULT, 460, 290, nullptr, nullptr, instance, nullptr);
}

// Runs until the window is closed; the exit code WM_QUIT carries, or 1 when the loop fails.
inline int RunMessageLoop() {
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return 1;
    // Whether a character message was made does not matter here.
    static_cast<void>(TranslateMessage(&message));
    // The window procedure's answer is for the sender, and nothing sent here waits for one.
    static_cast<void>(DispatchMessageW(&message));
  }
}

}  // namespace zix::bench
