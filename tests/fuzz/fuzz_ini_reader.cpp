// Any bytes as a settings file: the reader must neither crash nor break its own rules, and its
// indexed look-up must agree with a plain walk over the sections.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/exception.h"
#include "platform/text_codec.h"
#include "settings/ini_file.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

bool IsTrimmed(std::u16string_view text) {
  return text.empty() || (text.front() > u' ' && text.back() > u' ');
}

bool HasLineBreakOrZero(std::u16string_view text) {
  return text.find_first_of(std::u16string_view(u"\r\n\0", 3)) != std::u16string_view::npos;
}

// The answer ReadString must give, found the slow way.
std::u16string_view Expected(const zix::IniDocument& document, std::u16string_view section,
                             std::u16string_view ident, std::u16string_view fallback) {
  for (const zix::IniSection& s : document.sections) {
    if (!zix::NamesMatch(section, s.name)) continue;
    for (const zix::IniLine& line : s.lines)
      if (line.isKey && zix::NamesMatch(ident, line.name)) return line.value;
    return fallback;
  }
  return fallback;
}

void CheckRead(const zix::TMemIniFile& ini, std::u16string_view section, std::u16string_view ident) {
  constexpr std::u16string_view kFallback = u"\uFFFF";
  Require(ini.ReadString(section, ident, kFallback) ==
          Expected(ini.Document(), section, ident, kFallback));
  ini.ReadInteger(section, ident, 0);
  try {
    ini.ReadFloat(section, ident, 0.0);
  } catch (const zix::EOverflow&) {
    // a value beyond a double is a legitimate answer
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const zix::FormatSettings format(u'.');
  const zix::TMemIniFile ini(u"fuzz.ini", format,
                             std::string_view(reinterpret_cast<const char*>(data), size));
  const zix::IniDocument& document = ini.Document();
  Require(!document.decodeFailed || document.sections.empty());

  size_t checked = 0;
  for (const zix::IniSection& section : document.sections) {
    Require(IsTrimmed(section.name) && !HasLineBreakOrZero(section.name));
    for (const zix::IniLine& line : section.lines) {
      Require(IsTrimmed(line.name) && IsTrimmed(line.value));
      Require(!HasLineBreakOrZero(line.name) && !HasLineBreakOrZero(line.value));
      Require(line.isKey ? line.name.find(u'=') == std::u16string_view::npos
                         : (line.value.empty() && !line.name.empty() && line.name.front() != u';'));
      Require(line.lineNumber > section.lineNumber);
      if (checked++ < 64) CheckRead(ini, section.name, line.name);
    }
  }
  CheckRead(ini, u"set", u"Count");
  CheckRead(ini, u"1", u"minOs");
  return 0;
}
