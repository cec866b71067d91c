#include "check/document_lookup.h"

namespace zix::check {

const IniSection* FirstSection(const IniDocument& document, std::u16string_view name) {
  for (const IniSection& section : document.sections)
    if (NamesMatch(name, section.name)) return &section;
  return nullptr;
}

const IniLine* FirstKey(const IniSection& section, std::u16string_view key) {
  for (const IniLine& line : section.lines)
    if (line.isKey && NamesMatch(key, line.name)) return &line;
  return nullptr;
}

const IniLine* FindKey(const IniDocument& document, std::u16string_view section,
                       std::u16string_view key) {
  const IniSection* found = FirstSection(document, section);
  return found ? FirstKey(*found, key) : nullptr;
}

uint32_t LineOfKey(const IniDocument& document, std::u16string_view section,
                   std::u16string_view key) {
  const IniSection* found = FirstSection(document, section);
  if (!found) return 0;
  const IniLine* line = FirstKey(*found, key);
  return line ? line->lineNumber : found->lineNumber;
}

std::optional<int32_t> EntryNumberOf(std::u16string_view name) {
  if (name.empty() || name.size() > 10 || name[0] == u'0') return std::nullopt;
  int64_t value = 0;
  for (const char16_t c : name) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
  }
  if (value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

std::u16string Decimal(int64_t value) {
  const bool negative = value < 0;
  uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::u16string digits;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) digits.insert(digits.begin(), u'-');
  return digits;
}

}  // namespace zix::check
