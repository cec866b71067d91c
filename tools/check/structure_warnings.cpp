#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "check/document_lookup.h"
#include "check/phrase.h"
#include "check/report_warnings.h"
#include "platform/numbers.h"
#include "settings/launcher_keys.h"

namespace zix::check {

namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;

// Blanks that trimming keeps, and so may stand around a section name.
bool IsKeptBlank(char16_t unit) { return unit == 0x3000 || unit == 0x00A0 || unit == kByteOrderMark; }

// "[01]" or "[\u30001]": a name that the user meant as an entry number but the launcher does not.
std::optional<int32_t> PaddedEntryNumber(std::u16string_view name) {
  size_t start = 0;
  while (start < name.size() && (IsKeptBlank(name[start]) || name[start] == u'0' || name[start] == u'+'))
    ++start;
  size_t end = name.size();
  while (end > start && IsKeptBlank(name[end - 1])) --end;
  const auto number = EntryNumberOf(name.substr(start, end - start));
  if (!number || (start == 0 && end == name.size())) return std::nullopt;
  return number;
}

bool LooksLikeHeader(std::u16string_view text) {
  return !text.empty() && text[0] == u'[' && text.find(u']') != std::u16string_view::npos;
}

char16_t AsciiUpper(char16_t unit) {
  return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - 0x20) : unit;
}

size_t EditDistance(std::u16string_view a, std::u16string_view b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      const size_t change = AsciiUpper(a[i - 1]) == AsciiUpper(b[j - 1]) ? 0 : 1;
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + change});
      diagonal = above;
    }
  }
  return row[b.size()];
}

bool IsKnown(std::span<const std::u16string_view> known, std::u16string_view name) {
  return std::any_of(known.begin(), known.end(),
                     [&](std::u16string_view k) { return NamesMatch(k, name); });
}

std::optional<std::u16string_view> Closest(std::span<const std::u16string_view> known,
                                           std::u16string_view name) {
  std::optional<std::u16string_view> best;
  size_t bestDistance = 3;  // more than two edits away is no typo but another word
  for (const auto candidate : known) {
    const size_t distance = EditDistance(candidate, name);
    if (distance < bestDistance) {
      best = candidate;
      bestDistance = distance;
    }
  }
  return best;
}

void CheckUnknownKey(const IniLine& line, bool isSet, Language language, Warnings& warnings) {
  const std::span<const std::u16string_view> own = isSet ? std::span(keys::kSetKeys)
                                                         : std::span(keys::kEntryKeys);
  const std::span<const std::u16string_view> other = isSet ? std::span(keys::kEntryKeys)
                                                           : std::span(keys::kSetKeys);
  if (IsKnown(own, line.name)) return;
  std::u16string message =
      Say(language, isSet ? Phrase::UnknownSetKey : Phrase::UnknownEntryKey, {line.name});
  if (line.name.starts_with(u"#") || line.name.starts_with(u"//")) {
    message += Say(language, Phrase::HashNoComment);
  } else if (IsKnown(other, line.name)) {
    message += Say(language, isSet ? Phrase::BelongsInEntry : Phrase::BelongsInSet);
  } else if (const auto closest = Closest(own, line.name)) {
    message += Say(language, Phrase::DidYouMean, {*closest});
  }
  warnings.push_back({line.lineNumber, "unknown-key", std::move(message)});
}

// sectionKind: true for [set], false for an entry, none for a section the launcher never reads.
void CheckLines(const IniSection& section, bool read, std::optional<bool> sectionKind,
                Language language, Warnings& warnings) {
  for (size_t i = 0; i < section.lines.size(); ++i) {
    const IniLine& line = section.lines[i];
    const std::u16string_view text = line.name;
    if (LooksLikeHeader(text)) {
      warnings.push_back(
          {line.lineNumber, "header-remark", Say(language, Phrase::HeaderRemark, {section.name})});
      continue;
    }
    if (!line.isKey) {
      if (!text.empty() && text[0] == kByteOrderMark) {
        warnings.push_back({line.lineNumber, "second-mark", Say(language, Phrase::SecondMarkLine)});
      } else {
        warnings.push_back({line.lineNumber, "bare-line", Say(language, Phrase::BareLine)});
      }
      continue;
    }
    if (!read || !sectionKind) continue;
    const auto earlier = std::find_if(section.lines.begin(), section.lines.begin() + i,
                                      [&](const IniLine& e) { return e.isKey && NamesMatch(line.name, e.name); });
    if (earlier != section.lines.begin() + i) {
      warnings.push_back({line.lineNumber, "duplicate-key",
                          Say(language, Phrase::DuplicateKey,
                              {line.name, DecimalText(earlier->lineNumber)})});
      continue;
    }
    CheckUnknownKey(line, *sectionKind, language, warnings);
  }
}

void CheckLinesBeforeFirstHeader(const IniDocument& document, Language language, Warnings& warnings) {
  if (!document.text) return;
  // The reader keeps nothing before the first header; a header of our own in front makes the
  // same parser keep those lines, one line further down.
  const std::u16string shifted = u"[]\n" + *document.text;
  const std::vector<IniSection> sections = ParseIniText(shifted);
  if (sections.empty()) return;
  for (const IniLine& line : sections.front().lines) {
    const uint32_t lineNumber = line.lineNumber - 1;
    if (line.isKey) {
      warnings.push_back({lineNumber, "key-before-header",
                          Say(language, Phrase::KeyBeforeHeader, {line.name})});
    } else if (!line.name.empty() && line.name[0] == kByteOrderMark) {
      warnings.push_back({lineNumber, "second-mark", Say(language, Phrase::SecondMarkHeader)});
    } else {
      warnings.push_back({lineNumber, "bare-line", Say(language, Phrase::TextBeforeHeader)});
    }
  }
}

}  // namespace

void AddStructureWarnings(const IniDocument& document, Language language, Warnings& warnings) {
  CheckLinesBeforeFirstHeader(document, language, warnings);
  for (size_t k = 0; k < document.sections.size(); ++k) {
    const IniSection& section = document.sections[k];
    const auto first = std::find_if(document.sections.begin(), document.sections.begin() + k,
                                    [&](const IniSection& s) { return NamesMatch(section.name, s.name); });
    const bool read = first == document.sections.begin() + k;
    const bool isSet = NamesMatch(keys::kSetSection, section.name);
    const bool isEntry = EntryNumberOf(section.name).has_value();
    std::optional<bool> kind;
    if (isSet || isEntry) kind = isSet;

    if (!read) {
      warnings.push_back({section.lineNumber, "duplicate-section",
                          Say(language, Phrase::DuplicateSection,
                              {section.name, DecimalText(first->lineNumber)})});
    } else if (const auto padded = PaddedEntryNumber(section.name)) {
      warnings.push_back({section.lineNumber, "section-name-padded",
                          Say(language, Phrase::SectionPadded, {section.name, DecimalText(*padded)})});
    } else if (!kind) {
      std::u16string message = Say(language, Phrase::UnknownSection, {section.name});
      if (EditDistance(section.name, keys::kSetSection) <= 2)
        message += Say(language, Phrase::DidYouMeanSet);
      warnings.push_back({section.lineNumber, "unknown-section", std::move(message)});
    }
    CheckLines(section, read, kind, language, warnings);
  }
}

}  // namespace zix::check
