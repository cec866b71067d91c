#pragma once
// UTF-16 between the core (char16_t) and the Win32 edge (wchar_t): on Windows both are UTF-16
// code units, so a text passes either as a view of the same units or as a copy of them.

#include <string>
#include <string_view>

namespace zix {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide text is UTF-16");

// The same units, for a call that only reads them while `text` lives.
inline const wchar_t* WinText(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

// The same units of a string literal, terminated by its type: for a call that must not allocate.
template <size_t N>
const wchar_t* WinLiteral(const char16_t (&literal)[N]) {
  return reinterpret_cast<const wchar_t*>(literal);
}

inline std::u16string FromWinText(const wchar_t* text, size_t length) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

inline std::u16string FromWinText(const wchar_t* text) {
  return FromWinText(text, std::char_traits<wchar_t>::length(text));
}

inline std::wstring ToWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

inline std::u16string FromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace zix
