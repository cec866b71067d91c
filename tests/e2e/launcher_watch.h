#pragma once
// Watching a running launcher from outside: what it shows first, and whether it ends.

#include <windows.h>

#include <optional>

#include "launcher_process.h"

namespace zix::e2e {

inline constexpr char16_t kMainWindowClass[] = u"Tfrmmain";
inline constexpr char16_t kApplicationWindowClass[] = u"TApplication";

enum class Sight { Nothing, MainWindow, MessageBox, Exited };

const char* SightName(Sight sight);

struct Sighting {
  Sight what = Sight::Nothing;
  HWND window = nullptr;  // the main window or the box
  DWORD exitCode = 0;     // for Exited
};

// The first of: a visible message box, the visible main window, the end of the process.
Sighting WaitForSighting(const LauncherProcess& launcher, DWORD timeoutMs);

// A visible message box of the process, or null after timeoutMs.
HWND WaitForMessageBox(const LauncherProcess& launcher, DWORD timeoutMs);

struct ExitWatch {
  std::optional<DWORD> exitCode;  // nothing: still running after the timeout
  bool mainWindowSeen = false;    // visible at any poll meanwhile
  bool messageBoxSeen = false;
};

ExitWatch WatchUntilExit(const LauncherProcess& launcher, DWORD timeoutMs);

}  // namespace zix::e2e
