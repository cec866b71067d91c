// The demo folder's sample settings, read by the launcher's own code against the files that
// ./run.sh lays out beside it: every entry must end the way the sample's comments promise, and
// every button must fit the window it asks for.
//
// Native only: the sample is found through this file's own path in the source tree, a POSIX
// path that a Windows build could only reach by way of Wine's drive mapping.

#ifndef _WIN32

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>

#include "launcher/grid_layout.h"
#include "launcher/launch_decision.h"
#include "platform/text_codec.h"
#include "unit/fake_settings.h"
#include "unit/launch_outcome_text.h"

namespace zix {
namespace {

using testing::Describe;
using testing::FakeProbe;

constexpr std::u16string_view kFolder = u"C:\\Demo\\";

std::filesystem::path DemoSource(const char* name) {
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "tools" /
         "demo" / name;
}

std::optional<std::string> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::unique_ptr<TMemIniFile> SampleSettings(const FormatSettings& format) {
  const std::optional<std::string> bytes = ReadBytes(DemoSource("zixgame.ini"));
  if (!bytes) return nullptr;
  return std::make_unique<TMemIniFile>(u"C:\\Demo\\zixgame.ini", format, *bytes);
}

// The games of demo_files.txt as launcher-relative paths: a kind, blanks, and the path to the
// end of the line, the way run.sh reads each line.
std::set<std::u16string> DemoGames() {
  std::set<std::u16string> games;
  std::istringstream lines(ReadBytes(DemoSource("demo_files.txt")).value_or(""));
  std::string line;
  while (std::getline(lines, line)) {
    const size_t kindEnd = line.find_first_of(" \t");
    if (kindEnd == std::string::npos) continue;
    const std::string kind = line.substr(0, kindEnd);
    const size_t pathStart = line.find_first_not_of(" \t", kindEnd);
    const size_t pathEnd = line.find_last_not_of(" \t\r");
    if (pathStart == std::string::npos || (kind != "x86_64" && kind != "i686")) continue;
    games.insert(std::u16string(kFolder) +
                 FromUtf8(line.substr(pathStart, pathEnd + 1 - pathStart)));
  }
  return games;
}

TEST(DemoSettings, SampleIsUtf8WithMarkAndListsSixLabelledEntries) {
  FormatSettings format(u'.');
  const auto ini = SampleSettings(format);
  ASSERT_NE(ini, nullptr) << "cannot read " << DemoSource("zixgame.ini");
  EXPECT_EQ(ini->Document().encoding, IniEncoding::Utf8);
  EXPECT_FALSE(ini->Document().decodeFailed);
  const StartupSettings settings = ReadStartupSettings(*ini);
  EXPECT_EQ(settings.title, u"游戏启动 · 演示");
  ASSERT_EQ(settings.count, 6);
  const TGridLayout layout = ComputeGridLayout(settings, settings.width, settings.height);
  for (int32_t index = 0; index < settings.count; ++index) {
    const GameButtonSpec button = ReadGameButton(*ini, layout, index);
    EXPECT_FALSE(button.caption.empty()) << "entry " << index + 1;
    EXPECT_FALSE(button.hint.empty()) << "entry " << index + 1;
  }
}

TEST(DemoSettings, LayoutListsTheGamesTheSampleStarts) {
  EXPECT_EQ(DemoGames().size(), 6u) << "cannot read " << DemoSource("demo_files.txt");
}

// Outer size less the frame: Wine without a window manager takes 6 x 25 of 460 x 290, a
// Windows 10 frame about 16 x 39.
class SampleFitsTest : public ::testing::TestWithParam<std::pair<int32_t, int32_t>> {};

TEST_P(SampleFitsTest, EveryButtonLiesInsideTheClientArea) {
  FormatSettings format(u'.');
  const auto ini = SampleSettings(format);
  ASSERT_NE(ini, nullptr);
  const StartupSettings settings = ReadStartupSettings(*ini);
  const int32_t clientWidth = settings.width - GetParam().first;
  const int32_t clientHeight = settings.height - GetParam().second;
  const TGridLayout layout = ComputeGridLayout(settings, clientWidth, clientHeight);
  for (int32_t index = 0; index < settings.count; ++index) {
    const ButtonRect rect = GameButtonRect(layout, index);
    EXPECT_GE(rect.left, 0) << "entry " << index + 1;
    EXPECT_GE(rect.top, 0) << "entry " << index + 1;
    EXPECT_LE(rect.left + rect.width, clientWidth) << "entry " << index + 1;
    EXPECT_LE(rect.top + rect.height, clientHeight) << "entry " << index + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(Frames, SampleFitsTest,
                         ::testing::Values(std::pair<int32_t, int32_t>{6, 25},
                                           std::pair<int32_t, int32_t>{16, 39}));

struct SamplePress {
  const char* what;
  int32_t entry;
  bool win64;
  double version;
  const char16_t* label;
  const char* expected;
};

class SamplePressTest : public ::testing::TestWithParam<SamplePress> {};

TEST_P(SamplePressTest, EndsAsTheSamplePromises) {
  const SamplePress& press = GetParam();
  FormatSettings format(u'.');
  const auto ini = SampleSettings(format);
  ASSERT_NE(ini, nullptr);
  const std::set<std::u16string> games = DemoGames();
  const FakeProbe probe(press.win64, press.version, press.label);
  const auto exists = [&games](std::u16string_view path) {
    return games.count(std::u16string(path)) > 0;
  };
  EXPECT_EQ(Describe(DecideLaunch(*ini, press.entry, probe, kFolder, exists)), press.expected)
      << press.what;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SamplePressTest,
    ::testing::Values(
        SamplePress{
            "plain start in the game's own folder", 1, true, 6.1, u"[win7]",
            "start ExecuteFile C:\\Demo\\games\\snake\\snake.exe |  | C:\\Demo\\games\\snake\\"},
        SamplePress{"parameters and a working folder of its own", 2, true, 6.1, u"[win7]",
                    "start InDir C:\\Demo\\games\\maze\\maze.exe | -windowed -level 3 | "
                    "C:\\Demo\\games\\maze\\save"},
        SamplePress{
            "the 64-bit file on 64-bit Windows", 3, true, 6.1, u"[win7]",
            "start ExecuteFile C:\\Demo\\games\\racing\\racing64.exe | -renderer gdi -bits 64 | "
            "C:\\Demo\\games\\racing\\"},
        SamplePress{"the 32-bit file on 32-bit Windows", 3, false, 6.1, u"[win7]",
                    "start ExecuteFile C:\\Demo\\games\\racing\\racing32.exe | -renderer gdi | "
                    "C:\\Demo\\games\\racing\\"},
        SamplePress{"refused on Windows 7, which Wine reports by default", 4, true, 6.1, u"[win7]",
                    "message 当前游戏不支持[win7]"},
        SamplePress{
            "starts from Windows 8 on", 4, true, 6.2, u"[win8]",
            "start ExecuteFile C:\\Demo\\games\\stars\\stars.exe |  | C:\\Demo\\games\\stars\\"},
        SamplePress{"its file is missing", 5, true, 6.1, u"[win7]", "message 找不到游戏文件。"},
        SamplePress{"Chinese folder and file names", 6, true, 6.1, u"[win7]",
                    "start ExecuteFile C:\\Demo\\游戏\\象棋\\象棋.exe |  | C:\\Demo\\游戏\\象棋\\"},
        SamplePress{"the upper bound itself is allowed", 6, true, 10.0, u"[win10]",
                    "start ExecuteFile C:\\Demo\\游戏\\象棋\\象棋.exe |  | C:\\Demo\\游戏\\象棋\\"},
        SamplePress{"older than the lower bound", 6, false, 5.0, u"[win2000]",
                    "message 当前游戏不支持[win2000]"}));

}  // namespace
}  // namespace zix

#endif  // _WIN32
