#pragma once
// Every wait of the suite is bounded by one of these. A fresh Wine process starts in well under
// a second here; the bounds leave room for a loaded machine without letting a fault hang a run.

#include <windows.h>

namespace zix::e2e {

inline constexpr DWORD kPollMs = 10;
inline constexpr DWORD kAppearMs = 10000;   // a window or box the launcher should show
inline constexpr DWORD kExitMs = 5000;      // a launcher that should end
inline constexpr DWORD kRecordMs = 5000;    // a game the launcher should have started
inline constexpr DWORD kBoxGoneMs = 3000;   // a box after its OK was pressed
// How long "nothing happens" is watched for: no box, no game, no exit.
inline constexpr DWORD kQuietMs = 1500;

// The one loop of every such wait: asks until the answer counts as true (a true bool, a window
// found, an optional that holds a value) or timeoutMs have passed, pausing pollMs between asks,
// and gives the last answer either way. It always asks at least once.
template <typename Ask>
auto WaitUntil(Ask ask, DWORD timeoutMs, DWORD pollMs = kPollMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    auto answer = ask();
    if (answer || GetTickCount64() >= deadline) return answer;
    Sleep(pollMs);
  }
}

}  // namespace zix::e2e
