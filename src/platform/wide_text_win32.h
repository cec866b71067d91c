#pragma once
// UTF-16 between the core (char16_t) and the Win32 edge (wchar_t): the same code units.

#include <string>
#include <string_view>

namespace zix {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide text is UTF-16");

inline std::wstring ToWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

inline std::u16string FromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace zix
