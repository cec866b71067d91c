#include "hint_reader.h"

#include "window_reader.h"

namespace zix::e2e {
namespace {

constexpr DWORD kHintPollMs = 5;

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
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    if (std::optional<HintFacts> hint = VisibleHint(processId)) {
      if (text == nullptr || hint->text == *text) return HintSighting{std::move(*hint), now - since};
    }
    if (now - since >= timeoutMs) return std::nullopt;
    Sleep(kHintPollMs);
  }
}

std::optional<ULONGLONG> WaitForHintGone(DWORD processId, ULONGLONG since, DWORD timeoutMs) {
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    if (VisibleTopLevelWindow(processId, kHintWindowClass) == nullptr) return now - since;
    if (now - since >= timeoutMs) return std::nullopt;
    Sleep(kHintPollMs);
  }
}

}  // namespace zix::e2e
