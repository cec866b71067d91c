#include "text_convert.h"

#include <windows.h>

namespace zix::e2e {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wchar_t is one UTF-16 code unit");

std::wstring ToWide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

std::u16string FromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

std::string ToUtf8(std::u16string_view text) {
  if (text.empty()) return {};
  const std::wstring wide = ToWide(text);
  const int size = static_cast<int>(wide.size());
  const int needed = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string bytes(static_cast<size_t>(needed), '\0');
  const int written =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, bytes.data(), needed, nullptr, nullptr);
  bytes.resize(written > 0 ? static_cast<size_t>(written) : 0);
  return bytes;
}

std::u16string FromUtf8(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int needed = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<size_t>(needed), L'\0');
  const int written = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, wide.data(), needed);
  wide.resize(written > 0 ? static_cast<size_t>(written) : 0);
  return FromWide(wide);
}

std::u16string AsciiLower(std::u16string_view text) {
  std::u16string lower(text);
  for (char16_t& c : lower) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return lower;
}

}  // namespace zix::e2e
