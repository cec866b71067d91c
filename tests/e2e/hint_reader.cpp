#include "hint_reader.h"

#include "e2e_timing.h"
#include "window_reader.h"

namespace zix::e2e {
namespace {

constexpr DWORD kHintPollMs = 5;

// What is left of a bound that began at `since`; nothing once it has passed.
DWORD MsLeft(ULONGLONG since, DWORD timeoutMs) {
  const ULONGLONG elapsed = GetTickCount64() - since;
  return elapsed >= timeoutMs ? 0 : static_cast<DWORD>(timeoutMs - elapsed);
}

}  // namespace

std::optional<HintFacts> VisibleHint(DWORD processId) {
  HWND window = VisibleTopLevelWindow(processId, kHintWindowClass);
  if (window == nullptr) return std::nullopt;
  HintFacts facts;
  facts.window = window;
  facts.text = TextOf(window);
  if (!GetWindowRect(window, &facts.outer)) return std::nullopt;
  facts.style = GetWindowLongPtrW(window, GWL_STYLE);
  facts.exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  return facts;
}

std::optional<HintSighting> WaitForHint(DWORD processId, ULONGLONG since, DWORD timeoutMs,
                                        const std::u16string* text) {
  const auto sighting = [&]() -> std::optional<HintSighting> {
    const ULONGLONG now = GetTickCount64();
    std::optional<HintFacts> hint = VisibleHint(processId);
    if (!hint || (text != nullptr && hint->text != *text)) return std::nullopt;
    return HintSighting{std::move(*hint), now - since};
  };
  return WaitUntil(sighting, MsLeft(since, timeoutMs), kHintPollMs);
}

std::optional<ULONGLONG> WaitForHintGone(DWORD processId, ULONGLONG since, DWORD timeoutMs) {
  const auto goneAfter = [&]() -> std::optional<ULONGLONG> {
    const ULONGLONG now = GetTickCount64();
    if (VisibleTopLevelWindow(processId, kHintWindowClass) != nullptr) return std::nullopt;
    return now - since;
  };
  return WaitUntil(goneAfter, MsLeft(since, timeoutMs), kHintPollMs);
}

}  // namespace zix::e2e
