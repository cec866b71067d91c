#include <set>

#include "check/document_lookup.h"
#include "check/report_warnings.h"
#include "platform/numbers.h"
#include "settings/launcher_keys.h"

namespace zix::check {

namespace {

std::u16string KeyText(const IniLine& line) {
  return std::u16string(line.name) + u"=" + std::u16string(line.value);
}

void CheckInteger(const IniDocument& document, const keys::IntegerKey& key, Warnings& warnings) {
  const IniLine* line = FindKey(document, keys::kSetSection, key.name);
  if (!line || ParseInteger(line->value)) return;
  warnings.push_back({line->lineNumber, "integer-invalid",
                      KeyText(*line) + u" is no whole number, so the default " +
                          DecimalText(key.defaultValue) + u" applies"});
}

void CheckCountAgainstSections(const IniDocument& document, int32_t count, uint32_t countLine,
                               Warnings& warnings) {
  std::set<int32_t> present;
  for (const IniSection& section : document.sections) {
    const auto number = EntryNumberOf(section.name);
    if (!number) continue;
    if (*number > count && present.insert(*number).second) {
      warnings.push_back({section.lineNumber, "count-mismatch",
                          u"[" + DecimalText(*number) + u"] lies above Count=" + DecimalText(count) +
                              u" and is never read; raise Count or renumber the entries"});
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
  std::u16string message = u"Count=" + DecimalText(count) + u" but the file has no " + missing;
  if (totalMissing > missingCount)
    message += u" and " + DecimalText(totalMissing - missingCount) + u" more";
  message += u"; such buttons have no caption and find no game";
  warnings.push_back({countLine, "count-mismatch", std::move(message)});
}

}  // namespace

void AddSetWarnings(const IniDocument& document, const CheckReport& report, Warnings& warnings) {
  for (const auto* key : {&keys::kWidth, &keys::kHeight, &keys::kButtonWidth, &keys::kButtonHeight,
                          &keys::kSpaceX, &keys::kSpaceY, &keys::kCol})
    CheckInteger(document, *key, warnings);

  const IniSection* set = FirstSection(document, keys::kSetSection);
  const IniLine* countLine = FindKey(document, keys::kSetSection, keys::kCount.name);
  const int32_t count = report.settings.count;
  if (!countLine) {
    warnings.push_back({set ? set->lineNumber : 0, "count-missing",
                        u"[set] has no Count, so the launcher shows no buttons; add Count= "
                        u"with the number of entries"});
  } else if (!ParseInteger(countLine->value)) {
    warnings.push_back({countLine->lineNumber, "count-invalid",
                        KeyText(*countLine) + u" is no whole number, so it counts as 0 and the "
                                              u"launcher shows no buttons"});
  }
  // Without a usable Count every section lies above it; that was said once already.
  if (countLine && ParseInteger(countLine->value))
    CheckCountAgainstSections(document, count, countLine->lineNumber, warnings);

  if (count == 1) {
    warnings.push_back({countLine->lineNumber, "count-one",
                        u"with Count=1 the launcher starts entry 1 at once and quits without "
                        u"showing its window"});
  }
  if (count > kMostGameButtons) {
    warnings.push_back({countLine->lineNumber, "count-too-large",
                        u"Count=" + DecimalText(count) + u" asks for more buttons than Windows lets "
                        u"one program create (" + DecimalText(kMostGameButtons) + u" windows); only the first " +
                            DecimalText(kMostGameButtons) + u" are listed"});
  }

  const IniLine* colLine = FindKey(document, keys::kSetSection, keys::kCol.name);
  if (colLine && ParseInteger(colLine->value) && report.settings.col < 1) {
    warnings.push_back({colLine->lineNumber, "col-below-1",
                        KeyText(*colLine) + u" is below 1; the launcher lays the buttons out in "
                                            u"one column"});
  }
}

}  // namespace zix::check
