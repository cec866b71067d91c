// zixgame-check started as Explorer starts it (a double-click, or a folder dropped on it): a
// console of its own, which the checker keeps open until a key is pressed, asking first
// whether to write settings where there are none. The console is read and typed into from
// outside, as a user reads and types.

#include <gtest/gtest.h>

#include <string>

#include "check_program.h"
#include "e2e_paths.h"
#include "e2e_timing.h"
#include "explorer_started_check.h"
#include "file_bytes.h"
#include "folder_snapshot.h"
#include "launcher_folder.h"
#include "text_convert.h"

namespace zix::e2e {
namespace {

constexpr DWORD kScreenMs = 20000;  // a new console window and the checker's first lines
constexpr DWORD kCheckRunMs = 20000;
constexpr char16_t kQuestion[] = u"要为这个文件夹里的游戏写一个吗？";
constexpr char16_t kWaiting[] = u"按任意键关闭…";

std::u16string TemporaryPage() {
  wchar_t buffer[MAX_PATH + 2] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 2, buffer);
  return FromWide(std::wstring(buffer, length)) + u"zixgame-check.html";
}

class CheckFromExplorer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.ok());
    ASSERT_TRUE(folder_.AddFakeGame(u"象棋\\象棋.exe"));
    ASSERT_FALSE(CheckProgramPath().empty()) << "no zixgame-check.exe beside the suite";
  }

  // The checker on the collection, as a drop of its folder starts it.
  std::unique_ptr<ExplorerStartedCheck> Drop() {
    const std::u16string collection = folder_.Path().substr(0, folder_.Path().size() - 1);
    return std::make_unique<ExplorerStartedCheck>(CheckProgramPath(),
                                                  std::vector<std::u16string>{u"--lang", u"zh", collection},
                                                  folder_.Root(), folder_.Root());
  }

  // It waits for a key and ends on one.
  void ExpectWaitThenEnd(const ExplorerStartedCheck& check, DWORD expectedExit) {
    EXPECT_FALSE(check.WaitForExit(kQuietMs)) << "it ended without waiting for a key";
    ASSERT_TRUE(check.Type(u' '));
    EXPECT_EQ(check.WaitForExit(kExitMs), std::optional<DWORD>(expectedExit));
  }

  LauncherFolder folder_{u"collection"};
};

TEST_F(CheckFromExplorer, WithoutSettingsItAsksAndOnNoWritesNothing) {
  const FolderSnapshot before = TakeSnapshot(folder_.Path());
  const auto check = Drop();
  ASSERT_TRUE(check->ok()) << check->failure();
  const std::u16string asked = check->WaitForText(kQuestion, kScreenMs);
  ASSERT_NE(asked.find(kQuestion), std::u16string::npos) << ToUtf8(asked);
  EXPECT_TRUE(check->Running()) << "it must wait for the answer";
  ASSERT_TRUE(check->Type(u'n'));
  const std::u16string answered = check->WaitForText(kWaiting, kScreenMs);
  EXPECT_NE(answered.find(u"什么也没有写。"), std::u16string::npos) << ToUtf8(answered);
  ExpectWaitThenEnd(*check, 2);
  EXPECT_EQ(DescribeChanges(before, TakeSnapshot(folder_.Path())), "");
}

TEST_F(CheckFromExplorer, OnYesItWritesReportsAndOffersThePage) {
  (void)DeleteFileW(ToWide(TemporaryPage()).c_str());  // a page left by an earlier run is no proof
  const auto check = Drop();
  ASSERT_TRUE(check->ok()) << check->failure();
  ASSERT_NE(check->WaitForText(kQuestion, kScreenMs).find(kQuestion), std::u16string::npos);
  ASSERT_TRUE(check->Type(u'Y'));
  const std::u16string shown = check->WaitForText(kWaiting, kScreenMs);
  EXPECT_NE(shown.find(u"[1] “象棋”"), std::u16string::npos) << ToUtf8(shown);
  EXPECT_NE(shown.find(u"[count-one]"), std::u16string::npos) << ToUtf8(shown);
  // Wine's prefixes here have no browser; either outcome is told, and neither is fatal.
  const bool opened = shown.find(u"已在浏览器中打开") != std::u16string::npos;
  const bool refused = shown.find(u"无法在浏览器中打开") != std::u16string::npos;
  EXPECT_TRUE(opened || refused) << ToUtf8(shown);
  ExpectWaitThenEnd(*check, 1);
  const auto settings = ReadFileBytes(folder_.Path() + u"zixgame.ini");
  ASSERT_TRUE(settings) << "yes writes zixgame.ini";
  // The game's one build, under exe or exe_x64 as its header says.
  EXPECT_NE(settings->find("=\xE8\xB1\xA1\xE6\xA3\x8B\\\xE8\xB1\xA1\xE6\xA3\x8B.exe\r\n"), std::string::npos)
      << *settings;
  const auto page = ReadFileBytes(TemporaryPage());
  ASSERT_TRUE(page) << "the page goes to the temporary folder";
  EXPECT_NE(page->find("<html lang=\"zh-CN\">"), std::string::npos);
}

TEST_F(CheckFromExplorer, ADoubleClickChecksTheFolderBesideTheProgram) {
  ASSERT_TRUE(folder_.WriteSettings("\xEF\xBB\xBF[set]\r\nCount=2\r\n[1]\r\nText=A\r\nexe=a.exe\r\n"));
  const std::u16string beside = folder_.Path() + u"zixgame-check.exe";
  ASSERT_TRUE(CopyFileW(ToWide(CheckProgramPath()).c_str(), ToWide(beside).c_str(), TRUE));
  const FolderSnapshot before = TakeSnapshot(folder_.Path());
  ExplorerStartedCheck check(beside, {u"--lang", u"zh"}, folder_.Root(), folder_.Root());
  ASSERT_TRUE(check.ok()) << check.failure();
  const std::u16string shown = check.WaitForText(kWaiting, kScreenMs);
  EXPECT_NE(shown.find(u"zixgame-check：" + folder_.Path() + u"zixgame.ini"), std::u16string::npos)
      << ToUtf8(shown);
  EXPECT_NE(shown.find(u"[count-mismatch]"), std::u16string::npos) << ToUtf8(shown);
  ExpectWaitThenEnd(check, 1);
  EXPECT_EQ(DescribeChanges(before, TakeSnapshot(folder_.Path())), "") << "a check writes nothing there";
}

// Without --lang the checker speaks the language of Windows' own texts for the user: Chinese
// in the prefix test.sh runs in zh_CN, English in the others.
TEST(CheckLanguageOnWindows, FollowsTheUserInterfaceLanguage) {
  LauncherFolder scratch(u"language");
  ASSERT_TRUE(scratch.ok());
  const CheckRun run = RunCheckProgram({u"--help"}, scratch.Root(), kCheckRunMs);
  ASSERT_EQ(run.exitCode, std::optional<DWORD>(0)) << run.failure << run.errors;
  const bool chinese = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE;
  const std::string expected = chinese ? "\xE7\x94\xA8\xE6\xB3\x95\xEF\xBC\x9A" : "usage:";  // 用法：
  EXPECT_EQ(run.output.substr(0, expected.size()), expected)
      << "user interface language " << GetUserDefaultUILanguage() << ": " << run.output.substr(0, 40);
}

}  // namespace
}  // namespace zix::e2e
