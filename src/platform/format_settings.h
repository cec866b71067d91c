#pragma once
// The user's number format: the decimal separator that floating-point settings are read with.
// The application object owns the one instance and refreshes it when the user changes the
// regional settings (WM_SETTINGCHANGE); readers hold a reference.

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

}  // namespace zix
