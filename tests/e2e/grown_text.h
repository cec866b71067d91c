#pragma once
// Win32 text answers of unknown length, for the driver and the fake game alike.

#include <windows.h>

#include <algorithm>
#include <string>

namespace zix::e2e {

// Asks `fill(buffer, size)` with a buffer that grows until the answer fits. `fill` returns the
// length it wrote, or, when the answer did not fit, a number not below the size (the size some
// calls need, or the size itself for those that only cut the answer short); 0 when it failed,
// which gives the empty text.
template <typename Fill>
std::wstring GrownText(Fill fill) {
  std::wstring text(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = fill(text.data(), static_cast<DWORD>(text.size()));
    if (length == 0) return {};
    if (length < text.size()) {
      text.resize(length);
      return text;
    }
    text.resize(std::max<size_t>(length, text.size() * 2));
  }
}

}  // namespace zix::e2e
