#include "platform/systems.h"

#include <string>

#include "platform/numbers.h"

namespace zix {

std::u16string ReleaseLabel(VersionPair pair) {
  struct Row {
    uint32_t major;
    uint32_t minor;
    const char16_t* label;
  };
  static constexpr Row kLabels[] = {
      {4, 0, u"[win95]"},      {4, 10, u"[win98]"}, {5, 0, u"[win2000]"}, {5, 1, u"[winxp]"},
      {5, 2, u"[win2003]"},    {6, 0, u"[winvista]"}, {6, 1, u"[win7]"}, {6, 2, u"[win8]"},
      {6, 3, u"[win8.1]"},     {10, 0, u"[win10]"},
  };
  for (const Row& row : kLabels) {
    if (row.major == pair.major && row.minor == pair.minor) return row.label;
  }
  return {};
}

double VersionNumber(VersionPair pair) {
  const std::u16string text = DecimalText(pair.major) + u"." + DecimalText(pair.minor);
  // Digits, one point and digits always convert, so the fallback is never taken.
  return static_cast<double>(ParseFloat(text, u'.').value_or(0.0L));
}

bool IsWin64Decision(const Win64Facts& facts) {
  if (!facts.kernel32Found || !facts.isWow64ProcessFound) return false;
  if (!facts.underWow64 || !facts.getNativeSystemInfoFound) return false;
  return facts.nativeArchitecture == kArchitectureAmd64 ||
         facts.nativeArchitecture == kArchitectureIa64;
}

bool IsWin64ForProcess(bool processIs64Bit, const Win64Facts& facts) {
  return processIs64Bit || IsWin64Decision(facts);
}

}  // namespace zix
