#include "interactive_fixture.h"

#include "e2e_timing.h"
#include "focus_reader.h"
#include "launcher/game_button_ids.h"
#include "settings_bytes.h"
#include "user_input.h"
#include "window_reader.h"

namespace zix::e2e {
namespace {

// Long enough for the launcher to take the activation and settle after it was shown.
constexpr DWORD kSettleMs = 200;

}  // namespace

void InteractiveLauncherTest::TearDown() {
  // A pointer left on a button would start the next run with a pending tooltip.
  (void)MovePointer(AwayFromLauncher());  // the next test parks it again before it starts
  LauncherTest::TearDown();
}

HWND InteractiveLauncherTest::StartInForeground(std::string_view settings) {
  if (!MovePointer(AwayFromLauncher())) ADD_FAILURE() << "cannot move the pointer away";
  if (!folder_.WriteSettings(Utf8File(settings))) {
    ADD_FAILURE() << "cannot write the settings";
    return nullptr;
  }
  if (!Start()) return nullptr;
  main_ = WaitForMainWindow();
  if (main_ == nullptr) return nullptr;
  if (!BringToForeground(main_, kAppearMs)) {
    ADD_FAILURE() << "the launcher's window did not become the foreground window (the foreground is "
                  << GetForegroundWindow() << ")";
    return nullptr;
  }
  Sleep(kSettleMs);
  return main_;
}

HWND InteractiveLauncherTest::GameButton(int entry) const { return ChildWithId(main_, GameButtonId(entry)); }

DWORD InteractiveLauncherTest::LauncherThread() const { return GetWindowThreadProcessId(main_, nullptr); }

}  // namespace zix::e2e
