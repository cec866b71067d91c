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
  const auto sighting = [&launcher]() -> std::optional<Sighting> {
    const std::vector<HWND> boxes = VisibleMessageBoxes(launcher.Id());
    if (!boxes.empty()) return Sighting{Sight::MessageBox, boxes.front(), 0};
    if (HWND main = VisibleTopLevelWindow(launcher.Id(), kMainWindowClass)) {
      return Sighting{Sight::MainWindow, main, 0};
    }
    if (const std::optional<DWORD> code = launcher.WaitForExit(0)) return Sighting{Sight::Exited, nullptr, *code};
    return std::nullopt;
  };
  return WaitUntil(sighting, timeoutMs).value_or(Sighting{});
}

HWND WaitForMessageBox(const LauncherProcess& launcher, DWORD timeoutMs) {
  return WaitUntil(
      [&launcher]() -> HWND {
        const std::vector<HWND> boxes = VisibleMessageBoxes(launcher.Id());
        return boxes.empty() ? nullptr : boxes.front();
      },
      timeoutMs);
}

ExitWatch WatchUntilExit(const LauncherProcess& launcher, DWORD timeoutMs) {
  ExitWatch watch;
  // The watch is the answer, whether or not the launcher ended within the bound.
  (void)WaitUntil(
      [&] {
        if (VisibleTopLevelWindow(launcher.Id(), kMainWindowClass)) watch.mainWindowSeen = true;
        if (!VisibleMessageBoxes(launcher.Id()).empty()) watch.messageBoxSeen = true;
        watch.exitCode = launcher.WaitForExit(0);
        return watch.exitCode.has_value();
      },
      timeoutMs);
  return watch;
}

}  // namespace zix::e2e
