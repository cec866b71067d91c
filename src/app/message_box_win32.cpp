#include <vector>

#include "app/application_win32.h"
#include "platform/wide_text_win32.h"

namespace zix {
namespace {

// Every other visible, enabled top-level window of this thread, disabled for the life of the
// box and enabled again afterwards in every case.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND keep) : keep_(keep) {
    // Stopping early only leaves some windows enabled; the box works all the same.
    static_cast<void>(EnumThreadWindows(GetCurrentThreadId(), &DisableOne,
                                        reinterpret_cast<LPARAM>(this)));
  }
  ~OtherWindowsDisabled() {
    // EnableWindow answers whether the window was disabled before, which we know it was.
    for (const HWND window : disabled_) static_cast<void>(EnableWindow(window, TRUE));
  }
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK DisableOne(HWND window, LPARAM context) noexcept {
    auto& self = *reinterpret_cast<OtherWindowsDisabled*>(context);
    if (window == self.keep_ || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
    try {
      self.disabled_.push_back(window);  // remembered first: never disable what we cannot undo
    } catch (...) {
      return FALSE;
    }
    static_cast<void>(EnableWindow(window, FALSE));  // answers the previous state: enabled
    return TRUE;
  }

  HWND keep_;
  std::vector<HWND> disabled_;
};

// Moves the owner of a box to the centre of another window's monitor, so that the box opens
// where the user looks, and back afterwards. Size, activation, z-order and drawing stay.
class OwnerOnMonitorOf {
 public:
  OwnerOnMonitorOf(HWND owner, HWND active) : owner_(owner) {
    if (active == nullptr || owner == nullptr) return;
    const HMONITOR target = MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST);
    if (target == MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)) return;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(target, &monitor) || !GetWindowRect(owner, &original_)) return;
    const int width = original_.right - original_.left;
    const int height = original_.bottom - original_.top;
    const RECT& area = monitor.rcMonitor;
    moved_ = MoveTo((area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2);
  }
  ~OwnerOnMonitorOf() {
    // Moving back can only fail for a window that is gone, which needs no moving.
    if (moved_) static_cast<void>(MoveTo(original_.left, original_.top));
  }
  OwnerOnMonitorOf(const OwnerOnMonitorOf&) = delete;
  OwnerOnMonitorOf& operator=(const OwnerOnMonitorOf&) = delete;

 private:
  bool MoveTo(int x, int y) const {
    return SetWindowPos(owner_, nullptr, x, y, 0, 0,
                        SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOREDRAW) != FALSE;
  }

  HWND owner_;
  RECT original_{};
  bool moved_ = false;
};

// Activation and keyboard focus as they were before the box, put back afterwards.
class ActivationRestored {
 public:
  explicit ActivationRestored(HWND active) : active_(active), focus_(GetFocus()) {}
  ~ActivationRestored() {
    // Both answer the previous window; a window that has gone meanwhile is skipped.
    if (active_ != nullptr && IsWindow(active_)) static_cast<void>(SetActiveWindow(active_));
    if (focus_ != nullptr && IsWindow(focus_)) static_cast<void>(SetFocus(focus_));
  }
  ActivationRestored(const ActivationRestored&) = delete;
  ActivationRestored& operator=(const ActivationRestored&) = delete;

 private:
  HWND active_;
  HWND focus_;
};

}  // namespace

int TApplication::MessageBox(std::u16string_view text, std::u16string_view caption,
                             unsigned flags) {
  HWND active = GetActiveWindow();
  if (active == nullptr) active = GetLastActivePopup(Handle());
  const HWND owner = active != nullptr ? active : Handle();

  const std::u16string boxText(text);
  const std::u16string boxCaption(caption);
  // Undone in the opposite order: the owner moves back, the windows are enabled again, then
  // activation and focus return. The focus is taken before disabling can disturb it.
  const ActivationRestored activation(active);
  const OtherWindowsDisabled disabled(active);
  const OwnerOnMonitorOf placement(Handle(), active);
  // The launcher never reads right to left, so the flags go through unchanged.
  return MessageBoxW(owner, WinText(boxText), WinText(boxCaption), flags);
}

}  // namespace zix
