#include "system_facts.h"

#include <windows.h>

namespace zix::e2e {

bool SystemIs64Bit() {
  if constexpr (sizeof(void*) == 8) return true;
  BOOL wow64 = FALSE;
  // Every Windows the suite runs on has IsWow64Process; a failed call leaves "not under WOW64".
  static_cast<void>(IsWow64Process(GetCurrentProcess(), &wow64));
  return wow64 != FALSE;
}

std::optional<char16_t> UserDecimalSeparator() {
  wchar_t separator[2] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 2) != 2) return std::nullopt;
  return static_cast<char16_t>(separator[0]);
}

}  // namespace zix::e2e
