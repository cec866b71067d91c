#include "check/check_report.h"

#include <algorithm>

#include "app/keyboard_nav.h"
#include "app/tooltip_state.h"
#include "check/imagined_system.h"
#include "check/report_warnings.h"
#include "launcher/int32_math.h"
#include "platform/exception.h"

namespace zix::check {

namespace {

std::vector<bool> ImaginedSystems(SystemChoice choice) {
  switch (choice) {
    case SystemChoice::Only32: return {false};
    case SystemChoice::Only64: return {true};
    case SystemChoice::Both: break;
  }
  return {false, true};
}

SystemOutcome Press(const TMemIniFile& ini, int32_t entry, bool win64, const CheckOptions& options,
                    const FolderExistence& exists) {
  SystemOutcome result;
  result.win64 = win64;
  const ImaginedSystem probe(win64, options.windows);
  const ExistenceTest recordingTest = [&](std::u16string_view path) {
    result.lookedFor = std::u16string(path);
    result.lookedForExists = exists(path, EntryKind::File);
    return result.lookedForExists;
  };
  try {
    const LaunchOutcome decided = DecideLaunch(ini, entry, probe, options.launcherDir, recordingTest);
    if (const auto* start = std::get_if<LaunchStart>(&decided)) {
      result.outcome = *start;
      if (start->via == LaunchVia::ExecuteFileInDir)
        result.workingFolderExists = exists(start->dir, EntryKind::Folder);
    } else {
      result.outcome = std::get<LaunchMessage>(decided);
    }
  } catch (const Exception& e) {
    // The launcher's frame turns this into its error box; the tool reports the same.
    result.outcome = LaunchError{e.ClassName(), e.Message()};
  }
  return result;
}

}  // namespace

bool InsideClient(const ButtonRect& rect, ClientSize client) {
  const int64_t right = int64_t{rect.left} + rect.width;
  const int64_t bottom = int64_t{rect.top} + rect.height;
  return rect.left >= 0 && rect.top >= 0 && right <= client.width && bottom <= client.height;
}

CheckReport BuildCheckReport(const LoadedSettings& loaded, const CheckOptions& options,
                             const FolderExistence& exists) {
  const TMemIniFile& ini = *loaded.ini;
  CheckReport report;
  report.filePath = loaded.filePath;
  report.encoding = loaded.encoding;
  report.options = options;
  report.settings = ReadStartupSettings(ini);
  report.clientAssumed = !options.client.has_value();
  report.client = options.client.value_or(
      ClientSize{WrapSub(report.settings.width, kDefaultFrame.width),
                 WrapSub(report.settings.height, kDefaultFrame.height)});
  report.grid = ComputeGridLayout(report.settings, report.client.width, report.client.height);
  report.systems = ImaginedSystems(options.systems);

  const int32_t listed = std::clamp(report.settings.count, 0, kMostGameButtons);
  report.buttons.reserve(static_cast<size_t>(listed));
  for (int32_t index = 0; index < listed; ++index) {
    ButtonReport button;
    button.buttonSpec = ReadGameButton(ini, report.grid, index);
    button.tooltip = std::u16string(ShortHint(button.buttonSpec.hint));
    button.accessKey = AccessKeyOf(button.buttonSpec.caption);
    button.outsideClient = !InsideClient(button.buttonSpec.rect, report.client);
    for (const bool win64 : report.systems)
      button.outcomes.push_back(Press(ini, button.buttonSpec.tag, win64, options, exists));
    report.buttons.push_back(std::move(button));
  }

  AddReportWarnings(loaded, report);
  SortWarnings(report.warnings);
  return report;
}

}  // namespace zix::check
