#include "settings/ini_file.h"

#include <cmath>

#include "platform/exception.h"
#include "platform/numbers.h"
#include "platform/text_codec.h"

namespace zix {

bool NamesMatch(std::u16string_view searched, std::u16string_view stored) {
  return searched.size() == stored.size() && UpperCaseUnits(searched) == UpperCaseUnits(stored);
}

int32_t TCustomIniFile::ReadInteger(std::u16string_view section, std::u16string_view ident,
                                    int32_t defaultValue) const {
  return ParseInteger(ReadString(section, ident, u"")).value_or(defaultValue);
}

double TCustomIniFile::ReadFloat(std::u16string_view section, std::u16string_view name,
                                 double defaultValue) const {
  const std::u16string text = ReadString(section, name, u"");
  if (text.empty()) return defaultValue;
  // The separator in force now: the user may have changed it since the file was loaded.
  const std::optional<long double> number = ParseFloat(text, format_->DecimalSeparator());
  if (!number) return defaultValue;
  // Halfway above the largest double: from here on the nearest double is infinity. Testing in
  // the wide format first keeps the conversion below inside the range where it is defined.
  constexpr long double kRoundsToInfinity = 0x1p1024L - 0x1p970L;
  if (*number >= kRoundsToInfinity || *number <= -kRoundsToInfinity)
    throw EOverflow(u"Floating point overflow");
  return static_cast<double>(*number);
}

std::unique_ptr<TMemIniFile> TMemIniFile::Create(std::u16string fileName,
                                                 const FormatSettings& format, FileReader& reader) {
  if (fileName.empty() || !FileExists(fileName))
    return std::make_unique<TMemIniFile>(std::move(fileName), format, std::string_view{});
  const std::string bytes = reader.ReadAll(fileName);
  return std::make_unique<TMemIniFile>(std::move(fileName), format, bytes);
}

TMemIniFile::TMemIniFile(std::u16string fileName, const FormatSettings& format,
                         std::string_view bytes)
    : TCustomIniFile(std::move(fileName), format),
      document_(ParseIniBytes(bytes)),
      // One pass over the whole text maps every name at once; the mapping is per unit, so a
      // name's slice of it is that name upper-cased.
      upperText_(UpperCaseUnits(*document_.text)),
      firstSections_(UpperSectionNames()) {}

std::vector<std::u16string_view> TMemIniFile::UpperSectionNames() const {
  std::vector<std::u16string_view> names;
  names.reserve(document_.sections.size());
  for (const IniSection& section : document_.sections) names.push_back(UpperName(section.name));
  return names;
}

std::u16string_view TMemIniFile::UpperName(std::u16string_view name) const {
  if (name.empty()) return {};
  const size_t offset = static_cast<size_t>(name.data() - document_.text->data());
  return std::u16string_view(upperText_).substr(offset, name.size());
}

std::u16string TMemIniFile::ReadString(std::u16string_view section, std::u16string_view ident,
                                       std::u16string_view defaultValue) const {
  const uint32_t found = firstSections_.Find(UpperCaseUnits(section));
  if (found == SectionIndex::kNone) return std::u16string(defaultValue);
  const std::u16string upperIdent = UpperCaseUnits(ident);
  for (const IniLine& line : document_.sections[found].lines) {
    if (line.isKey && line.name.size() == upperIdent.size() && UpperName(line.name) == upperIdent)
      return std::u16string(line.value);
  }
  return std::u16string(defaultValue);
}

}  // namespace zix
