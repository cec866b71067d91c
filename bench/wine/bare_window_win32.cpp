// The yardstick of the start-up and memory benchmark: the least a Win32 program does to show a
// window of the launcher's size and style, built with the same options as the launcher.

#include <windows.h>

#include "yardstick_window_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  using namespace zix::bench;
  HWND window = CreateYardstickWindow(instance, L"BareWindow", L"bare");
  if (window == nullptr) return 1;
  // The answer is the window's previous visibility, which was hidden.
  static_cast<void>(ShowWindow(window, showCommand));
  return RunMessageLoop();
}
