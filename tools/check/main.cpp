// zixgame-check: what zixgame.exe will make of a settings file, shown on any system.
#include <exception>
#include <string>
#include <vector>

#include "check/check_options.h"
#include "check/check_report.h"
#include "check/console_output.h"
#include "check/local_paths.h"
#include "check/report_output.h"
#include "check/settings_source.h"
#include "platform/exception.h"
#include "platform/format_settings.h"
#include "platform/text_codec.h"

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

int Run(const std::vector<std::u16string>& args) {
  const auto parsed = ParseCheckOptions(args);
  if (const auto* usage = std::get_if<UsageError>(&parsed)) {
    return Fail(FromUtf8(usage->message) + u"\n" + FromUtf8(kCheckUsage));
  }
  const CheckOptions& options = std::get<CheckOptions>(parsed);
  if (options.help) return WriteStandardOutput(FromUtf8(kCheckUsage)) ? kExitClean : kExitUsageOrRead;
  if (!CodePageAvailable(options.codePage)) {
    return Fail(u"code page " + FromUtf8(std::to_string(options.codePage)) +
                u" is not known to this system");
  }

  const FormatSettings format(options.decimalSeparator);
  LoadedSettings loaded;
  try {
    loaded = LoadSettings(options.target, options.codePage, format);
  } catch (const SettingsReadError& e) {
    return Fail(FromUtf8(e.message));
  }

  const FolderExistence exists = [&](std::u16string_view path, EntryKind kind) {
    return ExistsInCheckedFolder(path, options.launcherDir, loaded.folder, kind);
  };
  const CheckReport report = BuildCheckReport(loaded, options, exists);

  if (options.svgPath && !WriteWholeFile(*options.svgPath, ReportSvg(report)))
    return Fail(u"cannot write " + *options.svgPath);
  const bool written = options.json ? WriteStandardOutput(FromUtf8(ReportJson(report)))
                                    : WriteStandardOutput(ReportText(report));
  if (!written) return Fail(u"cannot write the report to standard output");
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
