#include <set>
#include <tuple>

#include "check/document_lookup.h"
#include "check/local_paths.h"
#include "check/phrase.h"
#include "check/report_warnings.h"
#include "platform/exception.h"
#include "platform/numbers.h"
#include "platform/systems.h"
#include "settings/launcher_keys.h"

namespace zix::check {

namespace {

std::u16string KeyText(const IniLine& line) {
  return std::u16string(line.name) + u"=" + std::u16string(line.value);
}

const IniLine* KeyIn(const IniSection* section, std::u16string_view key) {
  return section ? FirstKey(*section, key) : nullptr;
}

uint32_t LineIn(const IniSection* section, std::u16string_view key) {
  if (const IniLine* line = KeyIn(section, key)) return line->lineNumber;
  return section ? section->lineNumber : 0;
}

class EntryChecker {
 public:
  EntryChecker(const TMemIniFile& ini, const CheckReport& report, Warnings& warnings)
      : ini_(ini), report_(report), warnings_(warnings) {}

  void Check(const ButtonReport& button) {
    const std::u16string name = EntrySectionName(button.buttonSpec.tag);
    section_ = FirstSection(ini_.Document(), name);
    entry_ = name;
    const auto minOs = CheckBound(name, keys::kMinOs.name, Phrase::LowerBound);
    const auto maxOs = CheckBound(name, keys::kMaxOs.name, Phrase::UpperBound);
    if (minOs && maxOs && *minOs != 0 && *maxOs != 0 && *minOs > *maxOs) {
      Add(LineIn(section_, keys::kMaxOs.name), "inverted-bounds", Say(Phrase::InvertedBounds));
    }
    if (maxOs && *maxOs < 0) {
      Add(LineIn(section_, keys::kMaxOs.name), "negative-bound", Say(Phrase::NegativeMaxOs));
    }
    // Without a newer Windows named in its manifest, the launcher is told 6.2 by 8.1 and later.
    if (minOs && *minOs > VersionNumber({6, 2})) {
      Add(LineIn(section_, keys::kMinOs.name), "bound-unreachable", Say(Phrase::BoundUnreachable));
    }
    if (minOs && *minOs < 0) {
      Add(LineIn(section_, keys::kMinOs.name), "negative-bound", Say(Phrase::NegativeMinOs));
    }
    const IniLine* curDir = KeyIn(section_, keys::kCurDir.name);
    const bool hasCurDir = curDir && !curDir->value.empty();
    for (const auto key : {keys::kExe.name, keys::kExeX64.name, keys::kCurDir.name})
      CheckPath(key, hasCurDir);
    for (const SystemOutcome& outcome : button.outcomes) CheckOutcome(outcome);
  }

 private:
  std::u16string Say(Phrase phrase, std::initializer_list<std::u16string_view> values = {}) const {
    return check::Say(report_.options.language, phrase, values);
  }

  void Add(uint32_t line, const char* code, const std::u16string& finding) {
    std::u16string message = Say(Phrase::EntryPrefix, {entry_, finding});
    // The same finding on both imagined systems is one finding.
    if (!seen_.insert({line, code, message}).second) return;
    warnings_.push_back({line, code, std::move(message)});
  }

  // The bound as the launcher reads it, when it reads as a number at all.
  std::optional<double> CheckBound(const std::u16string& section, std::u16string_view key,
                                   Phrase which) {
    const IniLine* line = KeyIn(section_, key);
    if (!line || line->value.empty()) return std::nullopt;
    const char16_t separator = report_.options.decimalSeparator;
    const char16_t other = separator == u'.' ? u',' : u'.';
    if (!ParseFloat(line->value, separator)) {
      if (ParseFloat(line->value, other)) {
        std::u16string fixed(line->value);
        for (char16_t& unit : fixed)
          if (unit == other) unit = separator;
        Add(line->lineNumber, "decimal-separator",
            Say(Phrase::DecimalSeparator,
                {KeyText(*line), std::u16string(1, separator), Say(which), fixed}));
      } else {
        Add(line->lineNumber, "number-invalid",
            Say(Phrase::NumberInvalid, {KeyText(*line), Say(which)}));
      }
      return std::nullopt;
    }
    try {
      return ini_.ReadFloat(section, key, 0);
    } catch (const Exception& e) {
      Add(line->lineNumber, "number-overflow",
          Say(Phrase::NumberOverflow, {KeyText(*line), e.Message()}));
      return std::nullopt;
    }
  }

  void CheckPath(std::u16string_view key, bool hasCurDir) {
    const IniLine* line = KeyIn(section_, key);
    if (!line || line->value.empty()) return;
    const std::u16string_view value = line->value;
    const bool isFolder = key == keys::kCurDir.name;
    const std::u16string joined = report_.options.launcherDir + std::u16string(value);
    if (value.find(u':') != std::u16string_view::npos) {
      Add(line->lineNumber, "absolute-path",
          Say(isFolder ? Phrase::AbsoluteFolder : Phrase::AbsoluteFile, {KeyText(*line), joined}));
    } else if (value[0] == u'\\' || value[0] == u'/') {
      Add(line->lineNumber, "rooted-path", Say(Phrase::RootedPath, {KeyText(*line), joined}));
    }
    if (!isFolder && !hasCurDir && value.find(u'/') != std::u16string_view::npos) {
      Add(line->lineNumber, "forward-slash",
          Say(Phrase::ForwardSlash, {KeyText(*line), FolderPart(joined)}));
    }
  }

  void CheckOutcome(const SystemOutcome& outcome) {
    const bool useX64 = outcome.win64 && KeyIn(section_, keys::kExeX64.name) &&
                        !KeyIn(section_, keys::kExeX64.name)->value.empty();
    const std::u16string_view exeKey = useX64 ? keys::kExeX64.name : keys::kExe.name;
    if (const auto* message = std::get_if<LaunchMessage>(&outcome.outcome)) {
      if (message->text == kNo32BitSupport) {
        Add(LineIn(section_, keys::kExeX64.name), "x64-only", Say(Phrase::X64Only, {message->text}));
      } else if (message->text == kGameFileMissing && outcome.lookedFor && section_) {
        // A missing section was reported with Count, a drive letter with the path itself.
        const std::u16string_view name =
            NameUnderLauncher(*outcome.lookedFor, report_.options.launcherDir)
                .value_or(*outcome.lookedFor);
        if (name.find(u':') != std::u16string_view::npos) return;
        if (name.empty()) {
          Add(section_ ? section_->lineNumber : 0, "no-executable",
              Say(Phrase::NoExecutable, {message->text}));
        } else {
          Add(LineIn(section_, exeKey), "missing-file",
              Say(Phrase::MissingFile, {name, message->text}));
        }
      }
    } else if (const auto* start = std::get_if<LaunchStart>(&outcome.outcome)) {
      if (outcome.workingFolderExists == false) {
        Add(LineIn(section_, keys::kCurDir.name), "missing-folder",
            Say(Phrase::MissingFolder, {start->dir}));
      }
    }
  }

  const TMemIniFile& ini_;
  const CheckReport& report_;
  Warnings& warnings_;
  const IniSection* section_ = nullptr;
  std::u16string entry_;
  std::set<std::tuple<uint32_t, std::string, std::u16string>> seen_;
};

}  // namespace

void AddEntryWarnings(const TMemIniFile& ini, const CheckReport& report, Warnings& warnings) {
  EntryChecker checker(ini, report, warnings);
  for (const ButtonReport& button : report.buttons) checker.Check(button);
}

}  // namespace zix::check
