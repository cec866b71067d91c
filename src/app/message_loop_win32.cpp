#include "app/application_win32.h"
#include "app/error_report_win32.h"
#include "app/screen_metrics_win32.h"
#include "app/window_placement.h"

#include <optional>

namespace zix {
namespace {

std::optional<uint16_t> StartupShowCommand() {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  if ((startup.dwFlags & STARTF_USESHOWWINDOW) == 0) return std::nullopt;
  return startup.wShowWindow;
}

}  // namespace

void TApplication::ShowMainForm() {
  TForm* const form = MainForm();
  if (form == nullptr) return;
  const HWND window = form->Handle();
  const InitialWindowState state = InitialStateFromStartup(StartupShowCommand());

  // Centred once, with the size the window really has: the system may have bounded the
  // configured size, and centring the real one is what the user sees.
  RECT bounds{};
  if (GetWindowRect(window, &bounds)) {
    const ScreenPoint origin =
        CentredWindowOrigin(PrimaryWorkArea(), bounds.right - bounds.left,
                            bounds.bottom - bounds.top, GetSystemMetrics(SM_XVIRTUALSCREEN),
                            GetSystemMetrics(SM_YVIRTUALSCREEN));
    // A window that cannot be moved stays where it was created; it is still shown.
    static_cast<void>(SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0,
                                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
  }
  // The answer is the window's previous visibility, which was hidden.
  static_cast<void>(ShowWindow(window, ShowCommandFor(state)));
}

bool TApplication::TakeMessage(MSG& message) {
  if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) return false;
  // A window of an ANSI class gets its message through the ANSI functions, so that its text
  // arguments arrive in the form it expects.
  const bool unicode = message.hwnd == nullptr || IsWindowUnicode(message.hwnd);
  return unicode ? PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE
                 : PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != FALSE;
}

void TApplication::ProcessMessages() {
  MSG message{};
  if (!TakeMessage(message)) {
    if (hooks_) hooks_->Idle();
    // WaitMessage fails only for a thread without a queue, which this one has.
    static_cast<void>(WaitMessage());
    return;
  }
  if (message.message == WM_QUIT) {
    terminated_ = true;
    return;
  }
  if (hooks_ && hooks_->PreDispatch(message)) return;
  // TranslateMessage answers whether it made a character message; either way we dispatch.
  static_cast<void>(TranslateMessage(&message));
  const bool unicode = message.hwnd == nullptr || IsWindowUnicode(message.hwnd);
  // The result of a dispatched message belongs to its window procedure, not to the loop.
  static_cast<void>(unicode ? DispatchMessageW(&message) : DispatchMessageA(&message));
}

void TApplication::Run() {
  ShowMainForm();
  while (!terminated_) Guarded(this, [this] { ProcessMessages(); });
}

}  // namespace zix
