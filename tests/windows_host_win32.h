#pragma once
// What the Windows the tests run on is and says, for the unit tests and the end-to-end suite
// alike: whether it is Wine, and its own words for an error.

#include <windows.h>

#include <string>

namespace zix {

inline bool UnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// A helper program built beside the test program that runs.
inline std::wstring BesideThisProgram(const wchar_t* fileName) {
  wchar_t own[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameW(nullptr, own, MAX_PATH + 1);
  const std::wstring path(own, length);
  return path.substr(0, path.find_last_of(L'\\') + 1) + fileName;
}

// The system's words for an error as the launcher's messages carry them: in the languages the
// launcher asks for, without the trailing blanks and full stops it strips.
inline std::u16string SystemText(DWORD code) {
  wchar_t buffer[512] = {};
  DWORD length = 0;
  for (const DWORD language : {DWORD{MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT)}, DWORD{0}}) {
    length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                            language, buffer, 512, nullptr);
    if (length != 0) break;
  }
  std::u16string text(buffer, buffer + length);
  while (!text.empty() && (text.back() <= u' ' || text.back() == u'.')) text.pop_back();
  return text;
}

}  // namespace zix
