// What a press leaves behind: nothing carries over to the next press, a failed start says
// nothing, and paths and parameters with blanks and Chinese reach the game intact.

#include <gtest/gtest.h>

#include "box_expectations.h"
#include "e2e_timing.h"
#include "launch_paths.h"
#include "launcher/game_button_ids.h"
#include "launcher_fixture.h"
#include "launcher_watch.h"
#include "platform/unique_handle_win32.h"
#include "settings_bytes.h"
#include "text_convert.h"
#include "window_reader.h"

namespace zix::e2e {
namespace {

using LaunchBehaviour = LauncherTest;

// Whether the shell starts the game anyway is the platform's business (Wine 8 does, in some
// folder of its choosing); the launcher neither checks the folder nor says anything.
TEST_F(LaunchBehaviour, MissingWorkingFolderGetsNoMessage) {
  HWND main = StartWithGames(
      "[set]\r\nCount=2\r\n[1]\r\nexe=fake.exe\r\ncurDir=no such folder\r\n",
      {u"fake.exe"});
  ASSERT_TRUE(main);
  ASSERT_TRUE(ClickButton(ChildWithId(main, GameButtonId(1))));
  EXPECT_FALSE(WaitForMessageBox(Launcher(), kQuietMs)) << "a failed start shows no message";
  EXPECT_TRUE(Launcher().Running());
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
  EXPECT_LE(Records().size(), 1u);
}

TEST_F(LaunchBehaviour, EveryPressStartsTheGameAgain) {
  HWND main =
      StartWithGames("[set]\r\nCount=2\r\n[2]\r\nexe=fake.exe\r\nParam=again\r\n", {u"fake.exe"});
  ASSERT_TRUE(main);
  HWND second = ChildWithId(main, GameButtonId(2));
  ASSERT_TRUE(ClickButton(second));
  ASSERT_EQ(WaitForRecords(1).size(), 1u);
  ASSERT_TRUE(ClickButton(second));
  const std::vector<GameRecord> records = WaitForRecords(2);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0], records[1]) << "the second start is the same as the first";
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

TEST_F(LaunchBehaviour, MouseClickStartsTheGame) {
  HWND main =
      StartWithGames("[set]\r\nCount=3\r\n[3]\r\nexe=fake.exe\r\nParam=clicked\r\n", {u"fake.exe"});
  ASSERT_TRUE(main);
  ASSERT_TRUE(MouseClick(ChildWithId(main, GameButtonId(3))));
  const std::vector<GameRecord> records = WaitForRecords(1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].commandLine, u"\"" + folder_.Path() + u"fake.exe\" clicked");
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

// A click notification names its control twice, by identifier and by handle; only a control
// of the launcher's own with both right is a press. Another program's control with a game
// button's identifier, and a menu-style command without a control, start nothing.
TEST_F(LaunchBehaviour, NotificationsNotFromItsButtonsStartNothing) {
  HWND main =
      StartWithGames("[set]\r\nCount=2\r\n[1]\r\nexe=fake.exe\r\nParam=pressed\r\n", {u"fake.exe"});
  ASSERT_TRUE(main);
  const UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                           nullptr, nullptr, nullptr));
  ASSERT_TRUE(owner.get());
  HWND impostor = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 10, 10, owner.get(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(GameButtonId(1))),
                                  nullptr, nullptr);
  ASSERT_TRUE(impostor);
  ASSERT_EQ(GetDlgCtrlID(impostor), GameButtonId(1));
  const WPARAM clicked = MAKEWPARAM(GameButtonId(1), BN_CLICKED);
  ASSERT_TRUE(PostMessageW(main, WM_COMMAND, clicked, reinterpret_cast<LPARAM>(impostor)));
  ASSERT_TRUE(PostMessageW(main, WM_COMMAND, clicked, 0));
  ASSERT_TRUE(PostMessageW(main, WM_COMMAND, clicked, reinterpret_cast<LPARAM>(owner.get())));
  EXPECT_FALSE(WaitForMessageBox(Launcher(), kQuietMs));
  EXPECT_TRUE(Records().empty()) << "a notification from elsewhere started the game";

  ASSERT_TRUE(ClickButton(ChildWithId(main, GameButtonId(1))));
  const std::vector<GameRecord> records = WaitForRecords(1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].commandLine, u"\"" + folder_.Path() + u"fake.exe\" pressed");
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

TEST_F(LaunchBehaviour, AfterAMessageTheLauncherIsAsBefore) {
  HWND main = StartWithGames(
      "[set]\r\nCount=2\r\n[1]\r\nexe=missing.exe\r\n[2]\r\nexe=fake.exe\r\n",
      {u"fake.exe"});
  ASSERT_TRUE(main);
  for (int press = 0; press < 2; ++press) {
    SCOPED_TRACE("press " + std::to_string(press + 1));
    ASSERT_TRUE(ClickButton(ChildWithId(main, GameButtonId(1))));
    const std::optional<MessageBoxFacts> box = WaitForBox();
    ASSERT_TRUE(box);
    ExpectLauncherMessage(*box, kGameFileMissing);
    ASSERT_TRUE(PressOk(*box, kBoxGoneMs));
  }
  ASSERT_TRUE(ClickButton(ChildWithId(main, GameButtonId(2))));
  EXPECT_EQ(WaitForRecords(1).size(), 1u) << "the other entry still starts";
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

TEST_F(LaunchBehaviour, SettingsAreTheCopyTakenAtStart) {
  const std::string atStart = "[set]\r\nCount=2\r\n[1]\r\nexe=first.exe\r\n";
  HWND main = StartWithGames(atStart, {u"first.exe", u"second.exe"});
  ASSERT_TRUE(main);
  ASSERT_TRUE(folder_.WriteSettings("[set]\r\nCount=2\r\n[1]\r\nexe=second.exe\r\n"));
  ASSERT_TRUE(ClickButton(ChildWithId(main, GameButtonId(1))));
  const std::vector<GameRecord> records = WaitForRecords(1);
  ASSERT_TRUE(folder_.WriteSettings(atStart));  // the folder must end as it began
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].programPath, FullPath(folder_.Path() + u"first.exe"));
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

// The launcher itself lives in a folder with blanks and Chinese in its name.
class ChineseFolderLaunch : public LauncherTest {
 protected:
  ChineseFolderLaunch() : LauncherTest(u"游戏 启动器 folder") {}
};

TEST_F(ChineseFolderLaunch, PathsAndParametersArriveIntact) {
  ASSERT_TRUE(folder_.WriteSettings(Utf8File(
      "[set]\r\nCount=2\r\ntitle=游戏\r\n"
      "[1]\r\nText=开始\r\nexe=我的 游戏\\开始 游戏.exe\r\nParam=--名字 \"带 空格\" -x\r\n"
      "[2]\r\nText=存档\r\nexe=我的 游戏\\开始 游戏.exe\r\ncurDir=存档 目录\r\nParam=-存档\r\n")));
  ASSERT_TRUE(folder_.AddFakeGame(u"我的 游戏\\开始 游戏.exe"));
  ASSERT_TRUE(folder_.AddFolder(u"存档 目录"));
  ASSERT_TRUE(Start());
  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  const std::u16string game = folder_.Path() + u"我的 游戏\\开始 游戏.exe";

  ASSERT_TRUE(ClickButton(ChildWithId(main, GameButtonId(1))));
  std::vector<GameRecord> records = WaitForRecords(1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].programPath, game);
  EXPECT_EQ(records[0].workingFolder, ReportedWorkingFolder(folder_.Path() + u"我的 游戏"));
  EXPECT_EQ(records[0].commandLine, u"\"" + game + u"\" --名字 \"带 空格\" -x")
      << ToUtf8(records[0].commandLine);

  ASSERT_TRUE(ClickButton(ChildWithId(main, GameButtonId(2))));
  records = WaitForRecords(2);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1].programPath, game);
  EXPECT_EQ(records[1].workingFolder, ReportedWorkingFolder(folder_.Path() + u"存档 目录"));
  EXPECT_EQ(records[1].commandLine, u"\"" + game + u"\" -存档") << ToUtf8(records[1].commandLine);
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

}  // namespace
}  // namespace zix::e2e
