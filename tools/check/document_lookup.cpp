#include "check/document_lookup.h"

#include "platform/numbers.h"

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
  if (!name.empty() && name[0] == u'0') return std::nullopt;
  const std::optional<uint32_t> value = ParseDecimalDigits(name, INT32_MAX);
  if (!value) return std::nullopt;
  return static_cast<int32_t>(*value);
}

}  // namespace zix::check
