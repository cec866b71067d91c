#pragma once
// Finding the lines behind the reads, so that a finding can name its line. Names match as the
// reader matches them, and only the first section and key of a name count, as for the reader.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/ini_file.h"

namespace zix::check {

const IniSection* FirstSection(const IniDocument& document, std::u16string_view name);
const IniLine* FirstKey(const IniSection& section, std::u16string_view key);
const IniLine* FindKey(const IniDocument& document, std::u16string_view section,
                       std::u16string_view key);

// The line of the key, else the header of its section, else 0.
uint32_t LineOfKey(const IniDocument& document, std::u16string_view section,
                   std::u16string_view key);

// The entry number a section name stands for when it is written exactly as the launcher
// writes entry numbers: decimal, no sign, no leading zeros, within 1 to 2147483647.
std::optional<int32_t> EntryNumberOf(std::u16string_view sectionName);

}  // namespace zix::check
