#pragma once
// A launcher run that the test works with real input: the pointer parked away from it, the
// main window shown and made the foreground window, its game buttons at hand.

#include <windows.h>

#include <string_view>

#include "launcher_fixture.h"

namespace zix::e2e {

class InteractiveLauncherTest : public LauncherTest {
 protected:
  void TearDown() override;

  // Writes the settings (UTF-8 text), starts the launcher and brings its main window to the
  // foreground; null, with a failure added, when any step fails.
  HWND StartInForeground(std::string_view settings);
  // The game button of entry N (1-based) of the started launcher.
  HWND GameButton(int entry) const;
  DWORD LauncherThread() const;
  // Somewhere on the screen that no launcher window covers.
  static POINT AwayFromLauncher() { return POINT{4, 4}; }

  HWND main_ = nullptr;
};

}  // namespace zix::e2e
