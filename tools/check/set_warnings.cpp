#include <set>

#include "check/document_lookup.h"
#include "check/phrase.h"
#include "check/report_warnings.h"
#include "platform/numbers.h"
#include "settings/launcher_keys.h"

namespace zix::check {

namespace {

std::u16string KeyText(const IniLine& line) {
  return std::u16string(line.name) + u"=" + std::u16string(line.value);
}

void CheckInteger(const IniDocument& document, const keys::IntegerKey& key, Language language,
                  Warnings& warnings) {
  const IniLine* line = FindKey(document, keys::kSetSection, key.name);
  if (!line || ParseInteger(line->value)) return;
  warnings.push_back({line->lineNumber, "integer-invalid",
                      Say(language, Phrase::IntegerInvalid,
                          {KeyText(*line), DecimalText(key.defaultValue)})});
}

void CheckCountAgainstSections(const IniDocument& document, int32_t count, uint32_t countLine,
                               Language language, Warnings& warnings) {
  std::set<int32_t> present;
  for (const IniSection& section : document.sections) {
    const auto number = EntryNumberOf(section.name);
    if (!number) continue;
    if (*number > count && present.insert(*number).second) {
      warnings.push_back({section.lineNumber, "count-mismatch",
                          Say(language, Phrase::CountAbove, {DecimalText(*number), DecimalText(count)})});
    }
    present.insert(*number);
  }
  if (count <= 0) return;

  // Count can be huge while the file holds a few sections: stop at the first few gaps.
  std::u16string missing;
  int64_t missingCount = 0;
  for (int32_t n = 1; n <= count; ++n) {
    if (present.count(n)) continue;
    if (missingCount < 5) missing += (missingCount ? u", [" : u"[") + DecimalText(n) + u"]";
    ++missingCount;
    if (missingCount >= 5) break;
  }
  if (missingCount == 0) return;
  int64_t presentBelow = 0;
  for (const int32_t n : present) presentBelow += n <= count;
  const int64_t totalMissing = int64_t{count} - presentBelow;
  const std::u16string message =
      totalMissing > missingCount
          ? Say(language, Phrase::CountGapsMore,
                {DecimalText(count), missing, DecimalText(totalMissing - missingCount)})
          : Say(language, Phrase::CountGaps, {DecimalText(count), missing});
  warnings.push_back({countLine, "count-mismatch", message});
}

}  // namespace

void AddSetWarnings(const IniDocument& document, const CheckReport& report, Warnings& warnings) {
  const Language language = report.options.language;
  for (const auto* key : {&keys::kWidth, &keys::kHeight, &keys::kButtonWidth, &keys::kButtonHeight,
                          &keys::kSpaceX, &keys::kSpaceY, &keys::kCol})
    CheckInteger(document, *key, language, warnings);

  const IniSection* set = FirstSection(document, keys::kSetSection);
  const IniLine* countLine = FindKey(document, keys::kSetSection, keys::kCount.name);
  const int32_t count = report.settings.count;
  if (!countLine) {
    warnings.push_back({set ? set->lineNumber : 0, "count-missing", Say(language, Phrase::CountMissing)});
  } else if (!ParseInteger(countLine->value)) {
    warnings.push_back({countLine->lineNumber, "count-invalid",
                        Say(language, Phrase::CountInvalid, {KeyText(*countLine)})});
  }
  // Without a usable Count every section lies above it; that was said once already.
  if (countLine && ParseInteger(countLine->value))
    CheckCountAgainstSections(document, count, countLine->lineNumber, language, warnings);

  if (count == 1) {
    warnings.push_back({countLine->lineNumber, "count-one", Say(language, Phrase::CountOne)});
  }
  if (count > kMostGameButtons) {
    warnings.push_back({countLine->lineNumber, "count-too-large",
                        Say(language, Phrase::CountTooLarge,
                            {DecimalText(count), DecimalText(kMostGameButtons)})});
  }

  const IniLine* colLine = FindKey(document, keys::kSetSection, keys::kCol.name);
  if (colLine && ParseInteger(colLine->value) && report.settings.col < 1) {
    warnings.push_back({colLine->lineNumber, "col-below-1",
                        Say(language, Phrase::ColBelow1, {KeyText(*colLine)})});
  }
}

}  // namespace zix::check
