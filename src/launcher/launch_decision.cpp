#include "launcher/launch_decision.h"

#include "launcher/grid_layout.h"
#include "platform/files.h"
#include "settings/launcher_keys.h"

namespace zix {

namespace {

LaunchMessage VersionRefusal(const SystemProbe& probe) {
  return LaunchMessage{std::u16string(kVersionRefused) + probe.GetWinVersionName()};
}

}  // namespace

LaunchOutcome DecideLaunch(const TCustomIniFile& ini, int32_t entryNumber,
                           const SystemProbe& probe, std::u16string_view launcherFolder,
                           const ExistenceTest& exists) {
  const std::u16string section = EntrySectionName(entryNumber);

  // A bound of exactly 0 is no bound, and the version is asked only for a bound that is set.
  const double minOs = ini.ReadFloat(section, keys::kMinOs.name, keys::kMinOs.defaultValue);
  if (minOs != 0 && probe.GetWinVersion() < minOs) return VersionRefusal(probe);
  const double maxOs = ini.ReadFloat(section, keys::kMaxOs.name, keys::kMaxOs.defaultValue);
  if (maxOs != 0 && probe.GetWinVersion() > maxOs) return VersionRefusal(probe);

  const std::u16string exe = ini.ReadString(section, keys::kExe.name, keys::kExe.defaultValue);
  const std::u16string exe64 =
      ini.ReadString(section, keys::kExeX64.name, keys::kExeX64.defaultValue);
  std::u16string dir = ini.ReadString(section, keys::kCurDir.name, keys::kCurDir.defaultValue);
  if (!dir.empty()) dir = LauncherRelativePath(launcherFolder, dir);

  const std::u16string* executable = &exe;
  std::u16string_view paramKey = keys::kParam.name;
  if (probe.IsWin64()) {
    if (!exe64.empty()) {
      executable = &exe64;
      paramKey = keys::kParamX64.name;
    }
  } else if (exe.empty() && !exe64.empty()) {
    return LaunchMessage{std::u16string(kNo32BitSupport)};
  }

  std::u16string path = LauncherRelativePath(launcherFolder, *executable);
  if (!exists(path)) return LaunchMessage{std::u16string(kGameFileMissing)};

  LaunchStart start;
  start.params = ini.ReadString(section, paramKey, u"");
  if (!dir.empty()) {
    start.via = LaunchVia::ExecuteFileInDir;
    start.dir = std::move(dir);
  } else {
    start.via = LaunchVia::ExecuteFile;
    start.dir = FolderPart(path);
  }
  start.file = std::move(path);
  return start;
}

}  // namespace zix
