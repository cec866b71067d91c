#include "focus_reader.h"

#include "e2e_timing.h"

namespace zix::e2e {

ThreadFocus FocusOfThreadOf(HWND window) {
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (thread == 0 || !GetGUIThreadInfo(thread, &info)) return {};
  return {info.hwndActive, info.hwndFocus};
}

bool BringToForeground(HWND window, DWORD timeoutMs) {
  return WaitUntil(
      [window] {
        if (GetForegroundWindow() == window) return true;
        // The answer is checked through GetForegroundWindow on the next ask, which is what counts.
        (void)SetForegroundWindow(window);
        return false;
      },
      timeoutMs);
}

}  // namespace zix::e2e
