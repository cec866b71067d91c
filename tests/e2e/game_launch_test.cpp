// Pressing a game button on 64-bit and on 32-bit Windows: which file is started, with which
// parameters and in which working folder, as the started game itself reports it; or which
// message comes instead.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "box_expectations.h"
#include "e2e_timing.h"
#include "launch_paths.h"
#include "launcher/game_button_ids.h"
#include "launcher_fixture.h"
#include "settings_bytes.h"
#include "system_facts.h"
#include "text_convert.h"
#include "window_reader.h"

namespace zix::e2e {
namespace {

// What one press ends in: a game started, or the message instead.
struct Outcome {
  std::u16string started = {};        // the game that must start; empty: the message instead
  std::u16string startedAs = {};      // how the launcher names it, when not as started
  std::u16string workingFolder = {};  // relative to the launcher folder ("" is the folder itself)
  std::u16string params = {};
  std::u16string message = {};
  // The DLLs the game loads by name (its parameters name them), each from where it lies,
  // relative to the launcher folder.
  std::vector<std::u16string> libraries = {};
};

struct LaunchCase {
  const char* name = "";
  std::optional<std::string> entry = std::nullopt;  // the lines of section [1]; nothing: no such section
  std::vector<std::u16string> games = {};    // fake games placed, relative to the launcher folder
  std::vector<std::u16string> folders = {};  // folders made, relative to the launcher folder
  std::vector<std::u16string> libraries = {};  // DLLs planted, relative to the launcher folder
  Outcome on64 = {};
  std::optional<Outcome> on32 = std::nullopt;  // nothing: as on 64-bit Windows
};

void PrintTo(const LaunchCase& c, std::ostream* os) { *os << c.name; }

std::string TwoEntrySettings(const std::optional<std::string>& entry) {
  std::string text = "[set]\r\nCount=2\r\n";
  if (entry) text += "[1]\r\n" + *entry;
  return Utf8File(text + "[2]\r\nText=filler\r\n");
}

// The shell quotes the file exactly as the launcher named it and puts the parameters, unchanged,
// after one blank.
std::u16string ExpectedCommandLine(const std::u16string& file, const std::u16string& params) {
  return u"\"" + file + u"\"" + (params.empty() ? u"" : u" " + params);
}

class GameLaunch : public LauncherTest, public ::testing::WithParamInterface<LaunchCase> {};

TEST_P(GameLaunch, StartsTheRightGameOrSaysWhyNot) {
  const LaunchCase& c = GetParam();
  const Outcome& expected = SystemIs64Bit() || !c.on32 ? c.on64 : *c.on32;
  ASSERT_TRUE(folder_.WriteSettings(TwoEntrySettings(c.entry)));
  for (const std::u16string& game : c.games) ASSERT_TRUE(folder_.AddFakeGame(game));
  for (const std::u16string& folder : c.folders) ASSERT_TRUE(folder_.AddFolder(folder));
  for (const std::u16string& library : c.libraries) ASSERT_TRUE(folder_.AddPlantedLibrary(library));
  ASSERT_TRUE(Start());
  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  ASSERT_TRUE(ClickButton(ChildWithId(main, GameButtonId(1))));

  if (!expected.started.empty()) {
    const std::vector<GameRecord> records = WaitForRecords(1);
    ASSERT_EQ(records.size(), 1u) << "the game did not start";
    const GameRecord& game = records.front();
    EXPECT_EQ(game.programPath, FullPath(folder_.Path() + expected.started))
        << "started " << ToUtf8(game.programPath);
    EXPECT_EQ(game.workingFolder, ReportedWorkingFolder(folder_.Path() + expected.workingFolder))
        << "working folder " << ToUtf8(game.workingFolder);
    const std::u16string named = folder_.Path() + (expected.startedAs.empty() ? expected.started : expected.startedAs);
    EXPECT_EQ(game.commandLine, ExpectedCommandLine(named, expected.params))
        << "command line " << ToUtf8(game.commandLine);
    std::u16string libraries;
    for (const std::u16string& library : expected.libraries) libraries += FullPath(folder_.Path() + library) + u"\n";
    EXPECT_EQ(game.libraries, libraries) << "the game's own DLLs came from " << ToUtf8(game.libraries);
    EXPECT_TRUE(VisibleMessageBoxes(Launcher().Id()).empty()) << "a start shows no message";
  } else {
    const std::optional<MessageBoxFacts> box = WaitForBox();
    ASSERT_TRUE(box);
    ExpectLauncherMessage(*box, expected.message);
    EXPECT_FALSE(IsWindowEnabled(main)) << "the box is modal to the launcher's window";
    ASSERT_TRUE(PressOk(*box, kBoxGoneMs));
    EXPECT_TRUE(IsWindowEnabled(main));
  }
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
  EXPECT_EQ(Records().size(), expected.started.empty() ? 0u : 1u) << "one press, at most one start";
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, GameLaunch,
    ::testing::Values(
        LaunchCase{.name = "X64PreferredWithItsParameters",
                   .entry = "exe=game32\\fake.exe\r\nexe_x64=game64\\fake.exe\r\nParam=-p32\r\nParam_x64=-p64\r\n",
                   .games = {u"game32\\fake.exe", u"game64\\fake.exe"},
                   .on64 = {.started = u"game64\\fake.exe", .workingFolder = u"game64", .params = u"-p64"},
                   .on32 = Outcome{.started = u"game32\\fake.exe", .workingFolder = u"game32", .params = u"-p32"}},
        LaunchCase{.name = "X64MissingIsMissingEvenWithExe",
                   .entry = "exe=game32\\fake.exe\r\nexe_x64=game64\\fake.exe\r\n",
                   .games = {u"game32\\fake.exe"}, .on64 = {.message = kGameFileMissing},
                   .on32 = Outcome{.started = u"game32\\fake.exe", .workingFolder = u"game32"}},
        LaunchCase{.name = "ExeMissingBesideX64",
                   .entry = "exe=game32\\fake.exe\r\nexe_x64=game64\\fake.exe\r\n",
                   .games = {u"game64\\fake.exe"},
                   .on64 = {.started = u"game64\\fake.exe", .workingFolder = u"game64"},
                   .on32 = Outcome{.message = kGameFileMissing}},
        LaunchCase{.name = "OnlyExeStartsWithParamNotParamX64",
                   .entry = "exe=game32\\fake.exe\r\nParam=-windowed 1\r\nParam_x64=-x64\r\n",
                   .games = {u"game32\\fake.exe"},
                   .on64 = {.started = u"game32\\fake.exe", .workingFolder = u"game32", .params = u"-windowed 1"}},
        LaunchCase{.name = "OnlyExeX64", .entry = "exe_x64=fake.exe\r\nParam_x64=a=b \"c d\"\r\n",
                   .games = {u"fake.exe"}, .on64 = {.started = u"fake.exe", .params = u"a=b \"c d\""},
                   .on32 = Outcome{.message = kNo32BitSupport}},
        // On 32-bit Windows the entry is refused before its file is looked for.
        LaunchCase{.name = "OnlyExeX64Missing", .entry = "exe_x64=missing.exe\r\n",
                   .on64 = {.message = kGameFileMissing}, .on32 = Outcome{.message = kNo32BitSupport}},
        LaunchCase{.name = "NoExecutableKeys", .entry = "Text=nothing\r\nParam=-x\r\n",
                   .games = {u"fake.exe"}, .on64 = {.message = kGameFileMissing}},
        LaunchCase{.name = "NoSection", .games = {u"fake.exe"}, .on64 = {.message = kGameFileMissing}},
        LaunchCase{.name = "ExeMissing", .entry = "exe=missing.exe\r\n", .games = {u"fake.exe"},
                   .on64 = {.message = kGameFileMissing}},
        LaunchCase{.name = "SubfolderIsTheWorkingFolder", .entry = "exe=bin\\game.exe\r\n",
                   .games = {u"bin\\game.exe"}, .on64 = {.started = u"bin\\game.exe", .workingFolder = u"bin"}},
        LaunchCase{.name = "CurDirUnderTheLauncherFolder", .entry = "exe=bin\\game.exe\r\ncurDir=data\r\n",
                   .games = {u"bin\\game.exe"}, .folders = {u"data"},
                   .on64 = {.started = u"bin\\game.exe", .workingFolder = u"data"}},
        LaunchCase{.name = "CurDirNested", .entry = "exe=bin\\game.exe\r\ncurDir=data\\save\\\r\nParam=-s\r\n",
                   .games = {u"bin\\game.exe"}, .folders = {u"data\\save"},
                   .on64 = {.started = u"bin\\game.exe", .workingFolder = u"data\\save", .params = u"-s"}},
        LaunchCase{.name = "SlashEndsNoFolderPart", .entry = "exe=bin/game.exe\r\n",
                   .games = {u"bin\\game.exe"}, .on64 = {.started = u"bin\\game.exe", .startedAs = u"bin/game.exe"}},
        LaunchCase{.name = "ParentFolderPassedOn", .entry = "exe=..\\outside\\game.exe\r\n",
                   .games = {u"..\\outside\\game.exe"},
                   .on64 = {.started = u"..\\outside\\game.exe", .workingFolder = u"..\\outside"}},
        LaunchCase{.name = "DriveQualifiedNamesNoFile", .entry = "exe=C:\\windows\\notepad.exe\r\n",
                   .on64 = {.message = kGameFileMissing}},
        LaunchCase{.name = "FolderIsNoGame", .entry = "exe=game.exe\r\n", .folders = {u"game.exe"},
                   .on64 = {.message = kGameFileMissing}},
        // The launcher keeps DLLs asked for by name to the system folder; the game it starts
        // still finds its own beside itself and in its working folder.
        LaunchCase{.name = "GameFindsItsOwnLibraries",
                   .entry = "exe=game\\bin\\fake.exe\r\ncurDir=game\\data\r\nParam=--load-libraries gamepart.dll gamedata.dll\r\n",
                   .games = {u"game\\bin\\fake.exe"},
                   .libraries = {u"game\\bin\\gamepart.dll", u"game\\data\\gamedata.dll"},
                   .on64 = {.started = u"game\\bin\\fake.exe", .workingFolder = u"game\\data",
                            .params = u"--load-libraries gamepart.dll gamedata.dll",
                            .libraries = {u"game\\bin\\gamepart.dll", u"game\\data\\gamedata.dll"}}},
        LaunchCase{.name = "KeysMatchWithoutCase", .entry = "EXE=fake.exe\r\nparam=-lower\r\n",
                   .games = {u"fake.exe"}, .on64 = {.started = u"fake.exe", .params = u"-lower"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zix::e2e
