// zixgame-check: what zixgame.exe will make of a settings file, shown on any system.
#include <exception>
#include <string>
#include <variant>
#include <vector>

#include "check/check_options.h"
#include "check/check_report.h"
#include "check/console_output.h"
#include "check/game_choice.h"
#include "check/game_folder_walk.h"
#include "check/init_settings.h"
#include "check/local_paths.h"
#include "check/report_output.h"
#include "check/native_path.h"
#include "check/settings_source.h"
#include "platform/exception.h"
#include "platform/format_settings.h"
#include "platform/text_codec.h"
#include "settings/launcher_keys.h"

#ifdef _WIN32
#include "platform/dll_search_win32.h"
#endif

namespace {

using namespace zix;
using namespace zix::check;

constexpr int kExitClean = 0;
constexpr int kExitWarnings = 1;
constexpr int kExitUsageOrRead = 2;

int Fail(std::u16string_view message) {
  // Nothing better to do when even standard error cannot be written.
  (void)WriteStandardError(u"zixgame-check: " + std::u16string(message) + u"\n");
  return kExitUsageOrRead;
}

// The settings --init writes for the folders of the collection, with where they go.
struct InitResult {
  std::u16string path;  // as shown in the report; "-" for standard output
  std::string bytes;
};

std::variant<InitResult, int> WriteInitSettings(const CheckOptions& options) {
  std::vector<GameEntry> entries;
  try {
    entries = ChooseGameEntries(WalkGameFolders(options.target));
  } catch (const CollectionReadError& e) {
    return Fail(FromUtf8(e.message) + u"; nothing written");
  }
  if (entries.empty()) {
    return Fail(u"no folder in " + options.target +
                u" holds a 32-bit or 64-bit Windows program other than installers and helpers; "
                u"nothing written");
  }
  InitResult result{options.output.value_or(FromNativePath(
                        NativePath(options.target) / NativePath(keys::kSettingsFileName))),
                    ComposeInitSettings(entries)};
  if (result.path == u"-") {
    if (!WriteStandardOutputBytes(result.bytes)) return Fail(u"cannot write to standard output");
    return result;
  }
  switch (WriteNewFile(result.path, result.bytes)) {
    case NewFileResult::Written: return result;
    case NewFileResult::Exists:
      return Fail(result.path + u" exists already and is left as it is; nothing written (--output "
                                u"FILE writes elsewhere)");
    case NewFileResult::Failed: break;
  }
  return Fail(u"cannot write " + result.path + u"; nothing written");
}

int Run(const std::vector<std::u16string>& args) {
  const auto parsed = ParseCheckOptions(args);
  if (const auto* usage = std::get_if<UsageError>(&parsed)) {
    return Fail(FromUtf8(usage->message) + u"\n" + FromUtf8(kCheckUsage));
  }
  const CheckOptions& options = std::get<CheckOptions>(parsed);
  if (options.help) return WriteStandardOutput(FromUtf8(kCheckUsage)) ? kExitClean : kExitUsageOrRead;
  if (options.showVersion)
    return WriteStandardOutput(FromUtf8(kCheckVersion)) ? kExitClean : kExitUsageOrRead;
  if (!CodePageAvailable(options.codePage)) {
    return Fail(u"code page " + FromUtf8(std::to_string(options.codePage)) +
                u" is not known to this system");
  }

  const FormatSettings format(options.decimalSeparator);
  LoadedSettings loaded;
  // With the new settings on standard output, their report goes beside them.
  bool reportToError = false;
  if (options.init) {
    auto written = WriteInitSettings(options);
    if (const int* status = std::get_if<int>(&written)) return *status;
    InitResult& init = std::get<InitResult>(written);
    reportToError = init.path == u"-";
    loaded = SettingsFromBytes(std::move(init.path), options.target, std::move(init.bytes),
                               options.codePage, format);
  } else {
    try {
      loaded = LoadSettings(options.target, options.codePage, format);
    } catch (const SettingsReadError& e) {
      return Fail(FromUtf8(e.message));
    }
  }

  const FolderExistence exists = [&](std::u16string_view path, EntryKind kind) {
    return ExistsInCheckedFolder(path, options.launcherDir, loaded.folder, kind);
  };
  const CheckReport report = BuildCheckReport(loaded, options, exists);

  if (options.svgPath && !WriteWholeFile(*options.svgPath, ReportSvg(report)))
    return Fail(u"cannot write " + *options.svgPath);
  if (options.htmlPath && !WriteWholeFile(*options.htmlPath, ReportHtml(report)))
    return Fail(u"cannot write " + *options.htmlPath);
  const std::u16string text = options.json ? FromUtf8(ReportJson(report)) : ReportText(report);
  if (!(reportToError ? WriteStandardError(text) : WriteStandardOutput(text)))
    return Fail(u"cannot write the report");
  return report.warnings.empty() ? kExitClean : kExitWarnings;
}

int Guarded(const std::vector<std::u16string>& args) {
  try {
    return Run(args);
  } catch (const Exception& e) {
    return Fail(FromUtf8(e.ClassName()) + u": " + e.Message());
  } catch (const std::exception& e) {
    return Fail(FromUtf8(e.what()));
  }
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  // The checker is run from the same folders as the launcher, and the same planted DLLs lie
  // in wait there; where the system cannot restrict the search it runs on as before.
  static_cast<void>(RestrictDllSearch());
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i], argv[i] + std::wcslen(argv[i]));
  return Guarded(args);
}
#else
int main(int argc, char** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.push_back(FromUtf8(argv[i]));
  return Guarded(args);
}
#endif
