#include "app/tooltips_win32.h"

#include <variant>

#include "app/application_win32.h"

namespace zix {
namespace {

ControlId IdOf(HWND window) { return reinterpret_cast<ControlId>(window); }
HWND WindowOf(ControlId control) { return reinterpret_cast<HWND>(control); }

bool IsOwnThreadWindow(HWND window) {
  return window != nullptr && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

HWND MainWindow() { return CurrentMainForm() != nullptr ? CurrentMainForm()->Handle() : nullptr; }

const TButton* GameButtonOf(ControlId control) {
  return CurrentMainForm() != nullptr ? CurrentMainForm()->FindGameButton(WindowOf(control)) : nullptr;
}

// The launcher's control under a screen point: the main window or one of its game buttons.
// Any other window, the launcher's own tooltip and boxes included, is no tooltip place.
ControlId ControlAt(POINT point) {
  const HWND window = WindowFromPoint(point);
  if (window == nullptr) return kNoControl;
  if (window == MainWindow() || GameButtonOf(IdOf(window)) != nullptr) return IdOf(window);
  return kNoControl;
}

// The system's active window is one of the launcher's when the foreground belongs to its thread.
bool LauncherActive() { return IsOwnThreadWindow(GetForegroundWindow()); }

PointerFacts FactsAt(POINT point) {
  return {ControlAt(point), ScreenPoint{point.x, point.y}, LauncherActive()};
}

// A pointer that leaves for another program's window sends this thread nothing, so the loop
// would not idle and the tooltip would stay until its time is up. Asking for WM_MOUSELEAVE
// wakes the loop, whose idle step then finds the pointer gone. Themed buttons happen to ask
// for it for their hot look; the tooltips do not rely on how a control draws itself.
void AskForLeave(HWND window) {
  if (!IsOwnThreadWindow(window)) return;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = window;
  // Without it the tooltip still goes at its time or with the next message; nothing to report.
  static_cast<void>(TrackMouseEvent(&track));
}

bool IsMouseButtonMessage(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDOWN: case WM_XBUTTONUP: case WM_XBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONUP: case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN: case WM_NCRBUTTONUP: case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN: case WM_NCMBUTTONUP: case WM_NCMBUTTONDBLCLK:
    case WM_NCXBUTTONDOWN: case WM_NCXBUTTONUP: case WM_NCXBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

bool CancelsTooltip(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || IsMouseButtonMessage(message) ||
         message == WM_NCMOUSEMOVE || message == WM_COMMAND;
}

}  // namespace

Tooltips::Tooltips() : window_(std::make_unique<THintWindow>()) {}

Tooltips::~Tooltips() { Shutdown(); }

bool Tooltips::PreDispatch(const MSG& message) {
  if (!window_) return false;
  if (timer_.IsExpiry(message)) {
    POINT pointer{};
    // Without the pointer's place the tooltip cannot be placed or checked: it goes.
    if (!GetCursorPos(&pointer)) {
      Run(state_.Cancel());
    } else {
      Run(state_.TimerExpired(FactsAt(pointer)));
    }
    return true;
  }
  if (message.message == WM_MOUSEMOVE) {
    AskForLeave(message.hwnd);
    Run(state_.MouseMove(FactsAt(message.pt)));
  } else if (CancelsTooltip(message.message)) {
    Run(state_.Cancel());
  }
  return false;
}

void Tooltips::Idle() {
  if (!window_) return;
  POINT pointer{};
  // A pointer whose place is unknown is taken to be away from the launcher.
  const bool over = GetCursorPos(&pointer) && IsOwnThreadWindow(WindowFromPoint(pointer));
  Run(state_.Idle(over));
}

void Tooltips::ActivationChanged() {
  if (window_) Run(state_.Cancel());
}

void Tooltips::Shutdown() noexcept {
  Reset();
  window_.reset();
}

ControlId Tooltips::Parent(ControlId control) const {
  return GameButtonOf(control) != nullptr ? IdOf(MainWindow()) : kNoControl;
}

// The main window has no tooltip of its own; only the game buttons do.
bool Tooltips::ShowHint(ControlId control) const {
  const TButton* button = GameButtonOf(control);
  return button != nullptr && button->ShowHint;
}

std::u16string Tooltips::Hint(ControlId control) const {
  const TButton* button = GameButtonOf(control);
  return button != nullptr ? button->Hint : std::u16string();
}

ScreenRect Tooltips::ScreenBounds(ControlId control) const {
  RECT bounds{};
  // A control that is gone has no area; the pointer is then never inside it.
  if (!GetWindowRect(WindowOf(control), &bounds)) return {};
  return {bounds.left, bounds.top, bounds.right, bounds.bottom};
}

void Tooltips::Run(HintCommands commands) {
  try {
    size_t next = 0;
    while (next < commands.size()) {
      const HintCommand& command = commands[next++];
      if (const auto* start = std::get_if<StartHintTimer>(&command)) {
        if (!timer_.Start(start->milliseconds)) {
          // What was to follow assumed a running timer; the machine's answer replaces it.
          commands = state_.TimerStartFailed();
          next = 0;
        }
      } else if (std::holds_alternative<StopHintTimer>(command)) {
        timer_.Stop();
      } else if (const auto* show = std::get_if<ShowHintWindow>(&command)) {
        window_->ActivateHint(show->text, show->pointer);
      } else {
        window_->Hide();
      }
    }
  } catch (...) {
    // The machine believes the commands were carried out; start again from nothing.
    Reset();
    throw;
  }
}

void Tooltips::Reset() noexcept {
  try {
    static_cast<void>(state_.Cancel());  // its commands are carried out by hand below
  } catch (...) {
    // No memory for the command list: what matters to the user, the window and the timer,
    // is put right below all the same.
  }
  timer_.Stop();
  if (window_) window_->Hide();
}

}  // namespace zix
