// The yardstick of the start-up and memory benchmark: the least a Win32 program does to show a
// window of the launcher's size and style, built with the same options as the launcher.

#include <windows.h>

namespace {

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = BareWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"BareWindow";
  if (RegisterClassExW(&windowClass) == 0) return 1;

  HWND window = CreateWindowExW(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, L"BareWindow", L"bare",
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS |
                                    WS_CLIPCHILDREN,
                                CW_USEDEFAULT, CW_USEDEFAULT, 460, 290, nullptr, nullptr, instance,
                                nullptr);
  if (window == nullptr) return 1;
  // The answer is the window's previous visibility, which was hidden.
  static_cast<void>(ShowWindow(window, showCommand));

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
