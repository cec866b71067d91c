#include "platform/format_settings.h"

namespace zix {

uint32_t ChooseFormatLocale(uint32_t threadLocale, bool (*isInstalled)(uint32_t locale)) {
  const uint32_t chosen = threadLocale != 0 ? threadLocale : kEnglishUnitedStatesLocale;
  return isInstalled(chosen) ? chosen : threadLocale;
}

char16_t SeparatorFromLocaleInfo(int charsWritten, const char16_t (&buffer)[2]) {
  // One written character is the terminator alone: an empty setting names no separator, and a
  // zero separator would silently turn every fraction into a failed read.
  if (charsWritten < 2 || buffer[0] == u'\0') return u'.';
  return buffer[0];
}

char16_t SeparatorFromCLocale(const char* decimalPoint) {
  if (decimalPoint == nullptr) return u'.';
  const unsigned char first = static_cast<unsigned char>(decimalPoint[0]);
  if (first == 0 || first >= 0x80 || decimalPoint[1] != '\0') return u'.';
  return static_cast<char16_t>(first);
}

}  // namespace zix
