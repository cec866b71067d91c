// Any bytes as zixgame.ini, through the launcher's own start-up and click code: window size,
// title, grid, the buttons, and what each press does on 32- and 64-bit systems of several
// versions, with a fake file system in which every file exists or none does. Nothing may
// crash or overflow, every press ends in exactly one start or one of the launcher's own
// messages, and a start only ever opens the entry's own file inside the launcher folder.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <variant>

#include "launcher/game_button_ids.h"
#include "launcher/grid_layout.h"
#include "launcher/int32_math.h"
#include "launcher/launch_decision.h"
#include "platform/exception.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "settings/ini_file.h"
#include "settings/launcher_keys.h"

namespace {

using zix::LaunchMessage;
using zix::LaunchOutcome;
using zix::LaunchStart;

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

constexpr std::u16string_view kFolder = u"C:\\Program Files\\游戏 启动\\";

class CountingProbe : public zix::SystemProbe {
 public:
  CountingProbe(bool win64, zix::VersionPair version) : win64_(win64), version_(version) {}
  bool IsWin64() const override { return win64_; }
  double GetWinVersion() const override {
    ++versionAsked;
    return zix::VersionNumber(version_);
  }
  std::u16string GetWinVersionName() const override { return zix::ReleaseLabel(version_); }
  mutable int versionAsked = 0;

 private:
  bool win64_;
  zix::VersionPair version_;
};

// Either every path names a file or none does; every question is kept.
struct FakeFiles {
  bool everythingExists = false;
  std::u16string asked;
  int questions = 0;
};

struct Entry {
  std::u16string section, exe, exe64, curDir;
  // Empty for a bound beyond a double, whose read raises EOverflow.
  std::optional<double> minOs, maxOs;
};

std::optional<double> ReadBound(const zix::TCustomIniFile& ini, std::u16string_view section,
                                std::u16string_view key) {
  try {
    return ini.ReadFloat(section, key, 0);
  } catch (const zix::EOverflow&) {
    return std::nullopt;
  }
}

Entry ReadEntry(const zix::TCustomIniFile& ini, int32_t entryNumber) {
  namespace keys = zix::keys;
  Entry e;
  e.section = zix::EntrySectionName(entryNumber);
  e.exe = ini.ReadString(e.section, keys::kExe.name, u"");
  e.exe64 = ini.ReadString(e.section, keys::kExeX64.name, u"");
  e.curDir = ini.ReadString(e.section, keys::kCurDir.name, u"");
  e.minOs = ReadBound(ini, e.section, keys::kMinOs.name);
  e.maxOs = ReadBound(ini, e.section, keys::kMaxOs.name);
  return e;
}

bool SameOutcome(const LaunchOutcome& a, const LaunchOutcome& b) {
  if (a.index() != b.index()) return false;
  if (const auto* start = std::get_if<LaunchStart>(&a)) {
    const auto& other = std::get<LaunchStart>(b);
    return start->file == other.file && start->params == other.params && start->dir == other.dir &&
           start->via == other.via;
  }
  return std::get<LaunchMessage>(a).text == std::get<LaunchMessage>(b).text;
}

void CheckPress(const zix::TCustomIniFile& ini, const Entry& e, int32_t entryNumber, bool win64,
                zix::VersionPair version, bool everythingExists) {
  const CountingProbe probe(win64, version);
  FakeFiles files{everythingExists, {}, 0};
  const zix::ExistenceTest exists = [&files](std::u16string_view path) {
    files.asked = path;
    ++files.questions;
    return files.everythingExists;
  };
  // The lower bound is read and tested first: a version below it ends the press before the
  // upper bound is read.
  const double v = zix::VersionNumber(version);
  const bool belowMin = e.minOs && *e.minOs != 0 && v < *e.minOs;
  const bool raises = !e.minOs || (!belowMin && !e.maxOs);
  LaunchOutcome outcome;
  try {
    outcome = zix::DecideLaunch(ini, entryNumber, probe, kFolder, exists);
  } catch (const zix::EOverflow&) {
    Require(raises);  // the error box, as for any error in a click
    return;
  }
  Require(!raises);
  const bool refused = belowMin || (*e.maxOs != 0 && v > *e.maxOs);
  if (*e.minOs == 0 && *e.maxOs == 0) Require(probe.versionAsked == 0);
  Require(files.questions <= 1);
  if (const auto* message = std::get_if<LaunchMessage>(&outcome)) {
    const std::u16string& text = message->text;
    if (refused) {
      Require(text == std::u16string(zix::kVersionRefused) + zix::ReleaseLabel(version));
      Require(files.questions == 0);
    } else if (text == zix::kNo32BitSupport) {
      Require(!win64 && e.exe.empty() && !e.exe64.empty() && files.questions == 0);
    } else {
      Require(text == zix::kGameFileMissing && files.questions == 1 && !everythingExists);
    }
  } else {
    const LaunchStart& start = std::get<LaunchStart>(outcome);
    Require(!refused && everythingExists && files.questions == 1 && files.asked == start.file);
    const bool use64 = win64 && !e.exe64.empty();
    Require(start.file == std::u16string(kFolder) + (use64 ? e.exe64 : e.exe));
    Require(start.params == ini.ReadString(e.section, use64 ? u"Param_x64" : u"Param", u""));
    if (e.curDir.empty()) {
      Require(start.via == zix::LaunchVia::ExecuteFile && start.dir == zix::FolderPart(start.file));
      Require(start.file.starts_with(start.dir) && start.dir.starts_with(kFolder));
    } else {
      Require(start.via == zix::LaunchVia::ExecuteFileInDir);
      Require(start.dir == std::u16string(kFolder) + e.curDir);
    }
  }
  // Nothing carries over from one press to the next.
  Require(SameOutcome(outcome, zix::DecideLaunch(ini, entryNumber, probe, kFolder, exists)));
}

void CheckButton(const zix::TCustomIniFile& ini, const zix::TGridLayout& grid, int32_t index) {
  const zix::GameButtonSpec buttonSpec = zix::ReadGameButton(ini, grid, index);
  Require(buttonSpec.tag == index + 1);
  const std::u16string section = zix::EntrySectionName(buttonSpec.tag);
  Require(zix::ParseInteger(section) == buttonSpec.tag && section.front() != u'0');
  Require(buttonSpec.rect.width == grid.ButtonWidth && buttonSpec.rect.height == grid.ButtonHeight);
  if (index > 0) {
    const zix::ButtonRect before = zix::GameButtonRect(grid, index - 1);
    if (index % grid.ColCount != 0) {  // the same row, one column further right
      Require(before.top == buttonSpec.rect.top);
      Require(zix::WrapSub(buttonSpec.rect.left, before.left) ==
              zix::WrapAdd(grid.ButtonWidth, grid.SpaceX));
    } else {  // the first column of the next row
      Require(buttonSpec.rect.left == grid.OriginX);
      Require(zix::WrapSub(buttonSpec.rect.top, before.top) ==
              zix::WrapAdd(grid.ButtonHeight, grid.SpaceY));
    }
  }
  const Entry entry = ReadEntry(ini, buttonSpec.tag);
  for (const bool win64 : {false, true}) {
    for (const zix::VersionPair version :
         {zix::VersionPair{5, 1}, zix::VersionPair{6, 1}, zix::VersionPair{10, 0}}) {
      CheckPress(ini, entry, buttonSpec.tag, win64, version, false);
      CheckPress(ini, entry, buttonSpec.tag, win64, version, true);
    }
  }
}

void CheckGrid(const zix::StartupSettings& settings, int32_t clientWidth, int32_t clientHeight) {
  const zix::TGridLayout grid = zix::ComputeGridLayout(settings, clientWidth, clientHeight);
  Require(grid.ColCount >= 1 && (settings.col < 1 || grid.ColCount == settings.col));
  Require(grid.ButtonWidth == settings.buttonWidth && grid.SpaceY == settings.spaceY);
  const int64_t rows = zix::RowCount(settings.count, grid.ColCount);
  if (settings.count <= 0) return;
  Require(rows >= 1 && rows * grid.ColCount >= settings.count);
  Require((rows - 1) * grid.ColCount < settings.count);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const zix::FormatSettings format(u'.');
  const zix::TMemIniFile ini(std::u16string(kFolder) + u"zixgame.ini", format,
                             std::string_view(reinterpret_cast<const char*>(data), size));
  const zix::StartupSettings settings = zix::ReadStartupSettings(ini);
  // The default title only where the key is absent, which two different defaults reveal.
  const std::u16string title = ini.ReadString(u"set", u"title", u"a");
  const bool titleAbsent = title != ini.ReadString(u"set", u"title", u"b");
  Require(titleAbsent ? settings.title == zix::keys::kTitle.defaultValue : settings.title == title);

  // The frame Wine draws here, and client sizes at both ends of the range.
  CheckGrid(settings, zix::WrapSub(settings.width, 6), zix::WrapSub(settings.height, 25));
  CheckGrid(settings, 0, 0);
  CheckGrid(settings, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min());

  const zix::TGridLayout grid = zix::ComputeGridLayout(settings, 454, 265);
  const int32_t built = std::clamp(settings.count, 0, zix::kMostGameButtons);
  std::set<int32_t> indices;
  for (int32_t i = 0; i < std::min(built, 12); ++i) indices.insert(i);
  if (built > 0) {
    indices.insert(built - 1);
    indices.insert(settings.count - 1);  // beyond what is built, for the arithmetic alone
  }
  for (const int32_t index : indices) CheckButton(ini, grid, index);
  return 0;
}
