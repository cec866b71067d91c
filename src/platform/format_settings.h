#pragma once
// The user's number format: the decimal separator that floating-point settings are read with.
// The application object owns the one instance and refreshes it when the user changes the
// regional settings (WM_SETTINGCHANGE); readers hold a reference.

#include <cstdint>

namespace zix {

class FormatSettings {
 public:
  // Reads the user's settings now.
  FormatSettings() { Refresh(); }
  // A fixed separator, for tests and tools that choose one.
  explicit FormatSettings(char16_t decimalSeparator) : decimalSeparator_(decimalSeparator) {}

  // Reads the user's settings again (Windows: thread locale, LOCALE_SDECIMAL; natively: the
  // C library's locale). Falls back to "." when the system cannot give one character.
  void Refresh();

  char16_t DecimalSeparator() const { return decimalSeparator_; }
  void SetDecimalSeparator(char16_t separator) { decimalSeparator_ = separator; }

 private:
  char16_t decimalSeparator_ = u'.';
};

// The decisions behind Refresh, apart from the system calls that feed them.

inline constexpr uint32_t kEnglishUnitedStatesLocale = 1033;

// The locale whose format is read: the thread's, or 1033 when the thread reports none; the
// thread's own again when the system does not accept the one chosen.
uint32_t ChooseFormatLocale(uint32_t threadLocale, bool (*isInstalled)(uint32_t locale));

// LOCALE_SDECIMAL read into room for one character and its terminating zero: charsWritten is
// what GetLocaleInfoW returned (0 when the setting did not fit, or on any failure).
char16_t SeparatorFromLocaleInfo(int charsWritten, const char16_t (&buffer)[2]);

// The C library's decimal_point; only a single ASCII character can stand for one code unit.
char16_t SeparatorFromCLocale(const char* decimalPoint);

}  // namespace zix
