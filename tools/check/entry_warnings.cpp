#include <set>
#include <tuple>

#include "check/document_lookup.h"
#include "check/local_paths.h"
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
    entry_ = u"entry " + name;
    const auto minOs = CheckBound(name, keys::kMinOs.name, u"lower");
    const auto maxOs = CheckBound(name, keys::kMaxOs.name, u"upper");
    if (minOs && maxOs && *minOs != 0 && *maxOs != 0 && *minOs > *maxOs) {
      Add(LineIn(section_, keys::kMaxOs.name), "inverted-bounds",
          u"minOs is above maxOs, so every Windows version is refused; swap the two");
    }
    if (maxOs && *maxOs < 0) {
      Add(LineIn(section_, keys::kMaxOs.name), "negative-bound",
          u"a negative maxOs refuses every Windows version");
    }
    // Without a newer Windows named in its manifest, the launcher is told 6.2 by 8.1 and later.
    if (minOs && *minOs > VersionNumber({6, 2})) {
      Add(LineIn(section_, keys::kMinOs.name), "bound-unreachable",
          u"Windows 8.1, 10 and 11 all report version 6.2 to the launcher, so a minOs above 6.2 "
          u"refuses every Windows there is; write minOs=6.2 for Windows 8 or newer");
    }
    if (minOs && *minOs < 0) {
      Add(LineIn(section_, keys::kMinOs.name), "negative-bound",
          u"a negative minOs lets every version pass; leave it out instead");
    }
    const IniLine* curDir = KeyIn(section_, keys::kCurDir.name);
    const bool hasCurDir = curDir && !curDir->value.empty();
    for (const auto key : {keys::kExe.name, keys::kExeX64.name, keys::kCurDir.name})
      CheckPath(key, hasCurDir);
    for (const SystemOutcome& outcome : button.outcomes) CheckOutcome(outcome);
  }

 private:
  void Add(uint32_t line, const char* code, std::u16string message) {
    message = entry_ + u": " + message;
    // The same finding on both imagined systems is one finding.
    if (!seen_.insert({line, code, message}).second) return;
    warnings_.push_back({line, code, std::move(message)});
  }

  // The bound as the launcher reads it, when it reads as a number at all.
  std::optional<double> CheckBound(const std::u16string& section, std::u16string_view key,
                                   std::u16string_view which) {
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
            KeyText(*line) + u" is no number where the decimal separator is \"" +
                std::u16string(1, separator) + u"\", so the entry has no " +
                std::u16string(which) + u" bound there; write " + fixed +
                u", or a whole number, which reads alike everywhere");
      } else {
        Add(line->lineNumber, "number-invalid",
            KeyText(*line) + u" is no number, so the entry has no " + std::u16string(which) +
                u" bound; write a version such as 6.1 or 10");
      }
      return std::nullopt;
    }
    try {
      return ini_.ReadFloat(section, key, 0);
    } catch (const Exception& e) {
      Add(line->lineNumber, "number-overflow",
          KeyText(*line) + u" is too large for a number: a press on this button shows the error "
                           u"box \"" + e.Message() + u".\"");
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
          KeyText(*line) + u" has a drive letter, but the launcher appends every path to its "
                           u"own folder (" + joined + u"), which names nothing" +
              (isFolder ? u": the game will not start" : u": the file is never found") +
              u"; write the path relative to the launcher folder");
    } else if (value[0] == u'\\' || value[0] == u'/') {
      Add(line->lineNumber, "rooted-path",
          KeyText(*line) + u" starts with a separator, yet it is still taken inside the launcher "
                           u"folder (" + joined + u"); leave the separator out");
    }
    if (!isFolder && !hasCurDir && value.find(u'/') != std::u16string_view::npos) {
      Add(line->lineNumber, "forward-slash",
          KeyText(*line) + u" uses \"/\", which does not end a folder for the launcher: the "
                           u"game's working folder becomes " + FolderPart(joined) +
              u" instead of its own; write \"\\\" or set curDir");
    }
  }

  void CheckOutcome(const SystemOutcome& outcome) {
    const bool useX64 = outcome.win64 && KeyIn(section_, keys::kExeX64.name) &&
                        !KeyIn(section_, keys::kExeX64.name)->value.empty();
    const std::u16string_view exeKey = useX64 ? keys::kExeX64.name : keys::kExe.name;
    if (const auto* message = std::get_if<LaunchMessage>(&outcome.outcome)) {
      if (message->text == kNo32BitSupport) {
        Add(LineIn(section_, keys::kExeX64.name), "x64-only",
            u"only exe_x64 is set, so 32-bit Windows refuses the entry with \"" + message->text +
                u"\"; add exe= with a 32-bit build if there is one");
      } else if (message->text == kGameFileMissing && outcome.lookedFor && section_) {
        // A missing section was reported with Count, a drive letter with the path itself.
        const std::u16string_view name =
            NameUnderLauncher(*outcome.lookedFor, report_.options.launcherDir)
                .value_or(*outcome.lookedFor);
        if (name.find(u':') != std::u16string_view::npos) return;
        if (name.empty()) {
          Add(section_ ? section_->lineNumber : 0, "no-executable",
              u"no executable is set (exe and exe_x64 are empty), so a press shows \"" +
                  message->text + u"\"");
        } else {
          Add(LineIn(section_, exeKey), "missing-file",
              std::u16string(name) + u" is not in the checked folder, so a press shows \"" +
                  message->text + u"\"");
        }
      }
    } else if (const auto* start = std::get_if<LaunchStart>(&outcome.outcome)) {
      if (outcome.workingFolderExists == false) {
        Add(LineIn(section_, keys::kCurDir.name), "missing-folder",
            u"the working folder " + start->dir + u" does not exist in the checked folder, so "
                                                  u"the shell fails to start the game and the "
                                                  u"launcher shows nothing");
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
