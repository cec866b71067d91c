// The second yardstick of the start-up and memory benchmark: the least any program must do to
// show what the launcher shows, so that the launcher's own cost can be told apart from the
// system's. It carries the launcher's manifest (so its buttons are the themed common controls
// 6 ones), initialises OLE as the launcher must before any shell call, and shows a window of the
// launcher's size and style holding COUNT captioned buttons in the launcher's font.
//
// bench_least_launcher.exe COUNT

#include <windows.h>
#include <ole2.h>

#include <cwchar>
#include <cwctype>

#include "platform/unique_handle_win32.h"
#include "yardstick_window_win32.h"

namespace {

constexpr int kColumns = 4;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 30;

int CountFromCommandLine() {
  int count = 0;
  // The count is the last decimal number on the command line, after the program's path.
  const wchar_t* commandLine = GetCommandLineW();
  const wchar_t* last = commandLine + std::wcslen(commandLine);
  while (last > commandLine && std::iswspace(last[-1])) --last;
  const wchar_t* first = last;
  while (first > commandLine && std::iswdigit(first[-1])) --first;
  for (const wchar_t* digit = first; digit < last && count < 100000; ++digit) {
    count = count * 10 + (*digit - L'0');
  }
  return count;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // The launcher works on without OLE as well; so does the yardstick.
  const bool ole = SUCCEEDED(OleInitialize(nullptr));

  HWND window = zix::bench::CreateYardstickWindow(instance, L"LeastLauncher", L"least");
  if (window == nullptr) return 1;
  const zix::UniqueFont font(CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                         DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                         DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Tahoma"));
  const int count = CountFromCommandLine();
  for (int index = 0; index < count; ++index) {
    wchar_t caption[32];
    std::swprintf(caption, 32, L"Game %d", index + 1);
    HWND button = CreateWindowExW(
        0, L"BUTTON", caption, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE | WS_CHILD,
        8 + index % kColumns * (kButtonWidth + 8), 8 + index / kColumns * (kButtonHeight + 8),
        kButtonWidth, kButtonHeight, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(1001 + index)),
        instance, nullptr);
    if (button == nullptr) return 1;
    // WM_SETFONT has no answer.
    static_cast<void>(SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE));
  }
  // The answer is the window's previous visibility, which was hidden.
  static_cast<void>(ShowWindow(window, showCommand));

  const int exitCode = zix::bench::RunMessageLoop();
  if (ole) OleUninitialize();
  return exitCode;
}
