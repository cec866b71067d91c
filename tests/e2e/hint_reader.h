#pragma once
// The launcher's tooltip window seen from outside, and the moments it comes and goes.

#include <windows.h>

#include <optional>
#include <string>

namespace zix::e2e {

inline constexpr char16_t kHintWindowClass[] = u"THintWindow";

struct HintFacts {
  HWND window = nullptr;
  std::u16string text;  // its window text, which is the text it shows
  RECT outer{};
  LONG_PTR style = 0;
  LONG_PTR exStyle = 0;
};

// The launcher's visible tooltip, or nothing.
std::optional<HintFacts> VisibleHint(DWORD processId);

// Polls until the tooltip shows (with the text, when one is given) or timeoutMs pass; the
// answer holds the milliseconds from `since` (a GetTickCount64 reading) to the sighting.
struct HintSighting {
  HintFacts hint;
  ULONGLONG afterMs = 0;
};
std::optional<HintSighting> WaitForHint(DWORD processId, ULONGLONG since, DWORD timeoutMs,
                                        const std::u16string* text = nullptr);

// Polls until no tooltip of the process is visible; the milliseconds from `since`, or nothing
// when it was still visible after timeoutMs.
std::optional<ULONGLONG> WaitForHintGone(DWORD processId, ULONGLONG since, DWORD timeoutMs);

}  // namespace zix::e2e
