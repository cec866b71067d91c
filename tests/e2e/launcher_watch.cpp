#include "launcher_watch.h"

#include "e2e_timing.h"
#include "message_box_reader.h"
#include "window_reader.h"

namespace zix::e2e {

const char* SightName(Sight sight) {
  switch (sight) {
    case Sight::Nothing: return "nothing";
    case Sight::MainWindow: return "the main window";
    case Sight::MessageBox: return "a message box";
    case Sight::Exited: return "the end of the process";
  }
  return "?";
}

Sighting WaitForSighting(const LauncherProcess& launcher, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    const std::vector<HWND> boxes = VisibleMessageBoxes(launcher.Id());
    if (!boxes.empty()) return {Sight::MessageBox, boxes.front(), 0};
    if (HWND main = VisibleTopLevelWindow(launcher.Id(), kMainWindowClass)) {
      return {Sight::MainWindow, main, 0};
    }
    if (const std::optional<DWORD> code = launcher.WaitForExit(0)) return {Sight::Exited, nullptr, *code};
    if (GetTickCount64() >= deadline) return {};
    Sleep(kPollMs);
  }
}

HWND WaitForMessageBox(const LauncherProcess& launcher, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    const std::vector<HWND> boxes = VisibleMessageBoxes(launcher.Id());
    if (!boxes.empty()) return boxes.front();
    if (GetTickCount64() >= deadline) return nullptr;
    Sleep(kPollMs);
  }
}

ExitWatch WatchUntilExit(const LauncherProcess& launcher, DWORD timeoutMs) {
  ExitWatch watch;
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (VisibleTopLevelWindow(launcher.Id(), kMainWindowClass)) watch.mainWindowSeen = true;
    if (!VisibleMessageBoxes(launcher.Id()).empty()) watch.messageBoxSeen = true;
    watch.exitCode = launcher.WaitForExit(0);
    if (watch.exitCode || GetTickCount64() >= deadline) return watch;
    Sleep(kPollMs);
  }
}

}  // namespace zix::e2e
