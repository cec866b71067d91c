#include <windows.h>

#include "platform/format_settings.h"

namespace zix {
namespace {

bool IsInstalledLocale(uint32_t locale) { return IsValidLocale(locale, LCID_INSTALLED) != FALSE; }

}  // namespace

void FormatSettings::Refresh() {
  // A failure leaves the thread on its previous locale, which is then the one read below.
  static_cast<void>(SetThreadLocale(LOCALE_USER_DEFAULT));
  const uint32_t locale = ChooseFormatLocale(GetThreadLocale(), IsInstalledLocale);

  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  char16_t buffer[2] = {};
  const int written = GetLocaleInfoW(locale, LOCALE_SDECIMAL, reinterpret_cast<wchar_t*>(buffer), 2);
  decimalSeparator_ = SeparatorFromLocaleInfo(written, buffer);
}

}  // namespace zix
