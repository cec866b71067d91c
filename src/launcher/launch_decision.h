#pragma once
// What pressing a game button does: start one file through the shell, or show one message.
// The entry is read afresh from the settings and the probe is asked afresh at every press.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

#include "platform/systems.h"
#include "settings/ini_file.h"

namespace zix {

inline constexpr std::u16string_view kMessageCaption = u"提示";
inline constexpr unsigned kMessageStyle = 0x40040;  // MB_ICONINFORMATION | MB_TOPMOST
inline constexpr std::u16string_view kVersionRefused = u"当前游戏不支持";
inline constexpr std::u16string_view kNo32BitSupport = u"本游戏不支持32位位系统。";
inline constexpr std::u16string_view kGameFileMissing = u"找不到游戏文件。";

enum class LaunchVia { ExecuteFile, ExecuteFileInDir };

struct LaunchStart {
  std::u16string file;
  std::u16string params;
  std::u16string dir;  // the working folder the shell gets
  LaunchVia via = LaunchVia::ExecuteFile;
};

struct LaunchMessage {
  std::u16string text;
};

using LaunchOutcome = std::variant<LaunchStart, LaunchMessage>;

using ExistenceTest = std::function<bool(std::u16string_view path)>;

// Raises what the settings reads raise (EOverflow from a bound beyond a double).
LaunchOutcome DecideLaunch(const TCustomIniFile& ini, int32_t entryNumber,
                           const SystemProbe& probe, std::u16string_view launcherFolder,
                           const ExistenceTest& exists);

}  // namespace zix
