#include "launcher/launch_decision.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/exception.h"
#include "unit/fake_settings.h"
#include "unit/launch_outcome_text.h"

namespace zix {
namespace {

using testing::Describe;
using testing::FakeProbe;
using testing::IniFromText;

constexpr std::u16string_view kFolder = u"C:\\Games\\";

struct Press {
  std::string entry;            // the lines of section [1]
  std::set<std::u16string> files;  // paths that exist
  bool win64 = true;
  double version = 6.1;
};

std::string PressEntry(const Press& p, FakeProbe* probeOut = nullptr) {
  FormatSettings format(u'.');
  auto ini = IniFromText("[set]\nCount=2\n[1]\n" + p.entry, format);
  FakeProbe probe(p.win64, p.version, u"[win7]");
  auto exists = [&](std::u16string_view path) { return p.files.count(std::u16string(path)) > 0; };
  std::string result = Describe(DecideLaunch(*ini, 1, probe, kFolder, exists));
  if (probeOut != nullptr) *probeOut = probe;
  return result;
}

struct OutcomeCase {
  const char* what;
  Press press;
  const char* expected;
};

class OutcomeTest : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(OutcomeTest, PressEndsInOneStartOrOneMessage) {
  EXPECT_EQ(PressEntry(GetParam().press), GetParam().expected) << GetParam().what;
}

const std::u16string kA = u"C:\\Games\\a.exe";
const std::u16string kA64 = u"C:\\Games\\a64.exe";
const char kBoth[] = "exe=a.exe\nexe_x64=a64.exe\nParam=-p32\nParam_x64=-p64\n";

INSTANTIATE_TEST_SUITE_P(
    Table, OutcomeTest,
    ::testing::Values(
        OutcomeCase{"64-bit prefers exe_x64 with Param_x64", {kBoth, {kA, kA64}, true},
                    "start ExecuteFile C:\\Games\\a64.exe | -p64 | C:\\Games\\"},
        OutcomeCase{"64-bit: missing exe_x64 is not replaced by exe", {kBoth, {kA}, true},
                    "message 找不到游戏文件。"},
        OutcomeCase{"64-bit with only exe uses Param, never Param_x64",
                    {"exe=a.exe\nParam=-p32\nParam_x64=-p64\n", {kA}, true},
                    "start ExecuteFile C:\\Games\\a.exe | -p32 | C:\\Games\\"},
        OutcomeCase{"64-bit without any executable", {"", {}, true},
                    "message 找不到游戏文件。"},
        OutcomeCase{"32-bit uses exe", {kBoth, {kA, kA64}, false},
                    "start ExecuteFile C:\\Games\\a.exe | -p32 | C:\\Games\\"},
        OutcomeCase{"32-bit refuses a 64-bit-only entry even when present",
                    {"exe_x64=a64.exe\n", {kA64}, false}, "message 本游戏不支持32位位系统。"},
        OutcomeCase{"32-bit with missing exe", {kBoth, {kA64}, false}, "message 找不到游戏文件。"},
        OutcomeCase{"32-bit without any executable tests the folder itself",
                    {"", {}, false}, "message 找不到游戏文件。"},
        OutcomeCase{"curDir is launcher-relative and goes to ExecuteFileInDir",
                    {"exe=bin\\game.exe\ncurDir=data\n", {u"C:\\Games\\bin\\game.exe"}, true},
                    "start InDir C:\\Games\\bin\\game.exe |  | C:\\Games\\data"},
        OutcomeCase{"without curDir the game's own folder, with its backslash",
                    {"exe=bin\\game.exe\n", {u"C:\\Games\\bin\\game.exe"}, true},
                    "start ExecuteFile C:\\Games\\bin\\game.exe |  | C:\\Games\\bin\\"},
        OutcomeCase{"a forward slash does not end the folder part",
                    {"exe=bin/game.exe\n", {u"C:\\Games\\bin/game.exe"}, true},
                    "start ExecuteFile C:\\Games\\bin/game.exe |  | C:\\Games\\"},
        OutcomeCase{"drive-qualified names are still appended to the launcher folder",
                    {"exe=D:\\Other\\game.exe\n", {u"D:\\Other\\game.exe"}, true},
                    "message 找不到游戏文件。"},
        OutcomeCase{"parameters and names are taken as written",
                    {"exe=..\\My Game\\游戏.exe\nParam=\"a b\" -x ; not a remark\n",
                     {u"C:\\Games\\..\\My Game\\游戏.exe"}, true},
                    "start ExecuteFile C:\\Games\\..\\My Game\\游戏.exe | \"a b\" -x ; not a remark | "
                    "C:\\Games\\..\\My Game\\"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

struct VersionCase {
  const char* bounds;
  double version;
  bool refused;
};

class VersionBoundsTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionBoundsTest, BoundsAreInclusiveAndZeroMeansNone) {
  const VersionCase& c = GetParam();
  const std::string result = PressEntry({std::string(c.bounds) + "exe=a.exe\n", {kA}, true, c.version});
  EXPECT_EQ(result == "message 当前游戏不支持[win7]", c.refused) << c.bounds << " @ " << c.version
                                                               << " -> " << result;
}

INSTANTIATE_TEST_SUITE_P(
    Table, VersionBoundsTest,
    ::testing::Values(VersionCase{"minOs=6.1\n", 6.1, false}, VersionCase{"maxOs=6.1\n", 6.1, false},
                      VersionCase{"minOs=6.2\n", 6.1, true}, VersionCase{"maxOs=6.0\n", 6.1, true},
                      VersionCase{"minOs=6.0\nmaxOs=6.3\n", 6.1, false},
                      VersionCase{"minOs=6.3\nmaxOs=6.0\n", 6.1, true},
                      VersionCase{"minOs=6.3\nmaxOs=6.0\n", 6.3, true},
                      VersionCase{"minOs=-1\n", 5.1, false}, VersionCase{"maxOs=-1\n", 10, true},
                      VersionCase{"minOs=0\nmaxOs=0\n", 99, false},
                      VersionCase{"minOs=abc\nmaxOs=6,1\n", 99, false},
                      VersionCase{"maxOs=10\n", 10, false}));

TEST(LaunchDecisionTest, VersionIsAskedOnlyForBoundsThatAreSet) {
  FakeProbe probe(true, 6.1, u"");
  PressEntry({"exe=a.exe\nminOs=0\n", {kA}}, &probe);
  EXPECT_EQ(probe.versionAsked, 0);
  PressEntry({"exe=a.exe\nminOs=5\nmaxOs=7\n", {kA}}, &probe);
  EXPECT_EQ(probe.versionAsked, 2) << "asked anew for each bound";
}

TEST(LaunchDecisionTest, RefusedVersionNeverReachesTheFileTest) {
  FakeProbe probe(true, 6.1, u"");
  EXPECT_EQ(PressEntry({"minOs=7\nexe=missing.exe\n", {}}, &probe), "message 当前游戏不支持[win7]");
  EXPECT_EQ(probe.win64Asked, 0);
}

TEST(LaunchDecisionTest, RefusalWithoutLabelIsTheBareText) {
  FormatSettings format(u'.');
  auto ini = IniFromText("[1]\nminOs=11\n", format);
  FakeProbe probe(true, 10, u"");
  const auto outcome = DecideLaunch(*ini, 1, probe, kFolder, [](auto) { return true; });
  EXPECT_EQ(Describe(outcome), "message 当前游戏不支持");
}

TEST(LaunchDecisionTest, BoundBeyondADoubleRaisesOverflow) {
  FormatSettings format(u'.');
  auto ini = IniFromText("[1]\nminOs=1e400\nexe=a.exe\n", format);
  FakeProbe probe(true, 10, u"");
  try {
    DecideLaunch(*ini, 1, probe, kFolder, [](auto) { return true; });
    FAIL() << "expected EOverflow";
  } catch (const EOverflow& e) {
    EXPECT_EQ(e.Message(), u"Floating point overflow");
  }
}

TEST(LaunchDecisionTest, UserDecimalSeparatorAppliesToBounds) {
  FormatSettings comma(u',');
  auto ini = IniFromText("[1]\nminOs=6,2\nexe=a.exe\n", comma);
  FakeProbe probe(true, 6.1, u"[win7]");
  auto exists = [](auto) { return true; };
  EXPECT_EQ(Describe(DecideLaunch(*ini, 1, probe, kFolder, exists)), "message 当前游戏不支持[win7]");
  comma.SetDecimalSeparator(u'.');
  EXPECT_EQ(Describe(DecideLaunch(*ini, 1, probe, kFolder, exists)).rfind("start", 0), 0u)
      << "after the user switches to \".\", 6,2 is no number and the bound is gone";
}

}  // namespace
}  // namespace zix
