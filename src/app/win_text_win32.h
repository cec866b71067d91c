#pragma once
// The Win32 edge of the program's UTF-16 text: wchar_t is a UTF-16 code unit on Windows, so
// the conversion is a view of the same units.

#include <string>
#include <string_view>

namespace zix {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wchar_t holds one UTF-16 unit");

inline const wchar_t* WinText(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::u16string FromWinText(const wchar_t* text, size_t length) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

inline std::u16string FromWinText(const wchar_t* text) {
  return FromWinText(text, std::char_traits<wchar_t>::length(text));
}

}  // namespace zix
