#include "check/check_run.h"

#include <filesystem>
#include <variant>
#include <vector>

#include "check/autorun_check.h"
#include "check/check_report.h"
#include "check/console_output.h"
#include "check/game_choice.h"
#include "check/game_folder_walk.h"
#include "check/init_settings.h"
#include "check/local_paths.h"
#include "check/native_path.h"
#include "check/report_output.h"
#include "check/settings_source.h"
#include "platform/exception.h"
#include "platform/files.h"
#include "platform/format_settings.h"
#include "platform/text_codec.h"
#include "settings/launcher_keys.h"

namespace zix::check {

int Fail(Language language, std::u16string_view message) {
  // Nothing better to do when even standard error cannot be written.
  (void)WriteStandardError(Say(language, Phrase::ErrorLine, {message}) + u"\n");
  return kExitUsageOrRead;
}

int Fail(Language language, Phrase phrase, std::initializer_list<std::u16string_view> values) {
  return Fail(language, Say(language, phrase, values));
}

namespace {

// The settings --init writes for the folders of the collection, with where they go.
struct InitResult {
  std::u16string path;  // as shown in the report; "-" for standard output
  std::string bytes;
};

std::u16string FolderOf(const std::u16string& path) {
  const std::filesystem::path folder = NativePath(path).parent_path();
  return folder.empty() ? u"." : FromNativePath(folder);
}

// Natively a name may be there in other letters, and Windows would take that for the same file.
NewFileResult WriteNewFileBeside(const std::u16string& folder, std::u16string_view name,
                                 const std::string& bytes) {
  if (FileInCheckedFolder(name, folder)) return NewFileResult::Exists;
  return WriteNewFile(FromNativePath(NativePath(folder) / NativePath(name)), bytes);
}

std::u16string AutorunPathBeside(const std::u16string& settingsPath) {
  return FromNativePath(NativePath(FolderOf(settingsPath)) / NativePath(kAutorunFileName));
}

// Beside the new settings; the settings go again when it cannot be written, so that a failed
// run leaves the folder as it found it.
int WriteAutorunBeside(const InitResult& init, std::u16string_view title, Language language) {
  const std::u16string path = AutorunPathBeside(init.path);
  const NewFileResult written =
      WriteNewFileBeside(FolderOf(init.path), kAutorunFileName, ComposeAutorun(title));
  if (written == NewFileResult::Written) return kExitClean;
  std::error_code ignored;  // a settings file that cannot be taken back is still a sound one
  std::filesystem::remove(NativePath(init.path), ignored);
  return written == NewFileResult::Exists ? Fail(language, Phrase::AutorunExists, {path})
                                          : Fail(language, Phrase::CannotWriteNothingWritten, {path});
}

std::variant<InitResult, int> WriteInitSettings(const CheckOptions& options) {
  const Language language = options.language;
  std::vector<GameEntry> entries;
  try {
    entries = ChooseGameEntries(WalkGameFolders(options.target));
  } catch (const CollectionReadError& e) {
    return Fail(language, Phrase::NothingWritten,
                {Say(language, Phrase::PathProblem, {e.path, Say(language, e.why)})});
  }
  if (entries.empty()) return Fail(language, Phrase::NoGames, {options.target});
  InitResult result{options.output.value_or(FromNativePath(
                        NativePath(options.target) / NativePath(keys::kSettingsFileName))),
                    ComposeInitSettings(entries)};
  if (result.path == u"-") {
    if (!WriteStandardOutputBytes(result.bytes))
      return Fail(language, Phrase::CannotWriteStandardOutput);
    return result;
  }
  // Checked first, so that nothing at all is written beside an autorun.inf already there.
  if (options.autorun && FileInCheckedFolder(kAutorunFileName, FolderOf(result.path)))
    return Fail(language, Phrase::AutorunExists, {AutorunPathBeside(result.path)});
  const NewFileResult written =
      options.output ? WriteNewFile(result.path, result.bytes)
                     : WriteNewFileBeside(options.target, keys::kSettingsFileName, result.bytes);
  switch (written) {
    case NewFileResult::Written: return result;
    case NewFileResult::Exists: return Fail(language, Phrase::InitExists, {result.path});
    case NewFileResult::Failed: break;
  }
  return Fail(language, Phrase::CannotWriteNothingWritten, {result.path});
}

std::optional<std::string> BytesOf(const std::u16string& path) {
  try {
    return SystemFileReader().ReadAll(path);
  } catch (const Exception&) {
    return std::nullopt;  // reported as a file that cannot be read
  }
}

// What AutoPlay would do with the disc made of the checked folder.
void CheckFolderAutorun(const LoadedSettings& loaded, const CheckOptions& options,
                        CheckReport& report) {
  const auto path = FileInCheckedFolder(kAutorunFileName, loaded.folder);
  if (!path) return;
  const FolderHasFile hasFile = [&](std::u16string_view name) {
    return ExistsInCheckedFolder(options.launcherDir + std::u16string(name), options.launcherDir,
                                 loaded.folder, EntryKind::File);
  };
  CheckAutorun(*path, BytesOf(*path), options.codePage, hasFile, report);
}

}  // namespace

int RunCheck(const CheckOptions& options) {
  const Language language = options.language;
  if (options.help) return WriteStandardOutput(Say(language, Phrase::Usage)) ? kExitClean : kExitUsageOrRead;
  if (options.showVersion)
    return WriteStandardOutput(FromUtf8(kCheckVersion)) ? kExitClean : kExitUsageOrRead;
  if (!CodePageAvailable(options.codePage))
    return Fail(language, Phrase::CodePageUnknown, {FromUtf8(std::to_string(options.codePage))});

  const FormatSettings format(options.decimalSeparator);
  LoadedSettings loaded;
  // With the new settings on standard output, their report goes beside them.
  bool reportToError = false;
  if (options.init) {
    auto written = WriteInitSettings(options);
    if (const int* status = std::get_if<int>(&written)) return *status;
    InitResult& init = std::get<InitResult>(written);
    reportToError = init.path == u"-";
    loaded = SettingsFromBytes(init.path, options.target, init.bytes, options.codePage, format);
    if (options.autorun) {
      const std::u16string title = ReadStartupSettings(*loaded.ini).title;
      if (const int status = WriteAutorunBeside(init, title, language); status != kExitClean)
        return status;
    }
  } else {
    try {
      loaded = LoadSettings(options.target, options.codePage, format);
    } catch (const SettingsReadError& e) {
      return Fail(language, Say(language, e.message));
    }
  }

  const FolderExistence exists = [&](std::u16string_view path, EntryKind kind) {
    return ExistsInCheckedFolder(path, options.launcherDir, loaded.folder, kind);
  };
  CheckReport report = BuildCheckReport(loaded, options, exists);
  if (!reportToError) CheckFolderAutorun(loaded, options, report);

  if (options.svgPath && !WriteWholeFile(*options.svgPath, ReportSvg(report)))
    return Fail(language, Phrase::CannotWrite, {*options.svgPath});
  if (options.htmlPath && !WriteWholeFile(*options.htmlPath, ReportHtml(report)))
    return Fail(language, Phrase::CannotWrite, {*options.htmlPath});
  const std::u16string text = options.json ? FromUtf8(ReportJson(report)) : ReportText(report);
  if (!(reportToError ? WriteStandardError(text) : WriteStandardOutput(text)))
    return Fail(language, Phrase::CannotWriteReport);
  return report.warnings.empty() ? kExitClean : kExitWarnings;
}

}  // namespace zix::check
