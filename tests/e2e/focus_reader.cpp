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
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (GetForegroundWindow() == window) return true;
    if (GetTickCount64() >= deadline) return false;
    // The answer is checked through GetForegroundWindow above, which is what counts.
    (void)SetForegroundWindow(window);
    Sleep(kPollMs);
  }
}

}  // namespace zix::e2e
