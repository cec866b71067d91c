// Errors nothing else handles: before the message loop they end the launcher in the fatal box
// with exit code 1 and no window; in a click they show the error box and the launcher goes on.

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

#include "box_expectations.h"
#include "e2e_timing.h"
#include "launcher/game_button_ids.h"
#include "launcher_fixture.h"
#include "launcher_watch.h"
#include "platform/unique_handle_win32.h"
#include "text_convert.h"
#include "window_reader.h"

namespace zix::e2e {
namespace {


// Ends the run that shows a fatal box: no window was ever shown, OK ends it with exit code 1.
void ExpectFatalEnd(LauncherProcess& launcher, const MessageBoxFacts& box) {
  EXPECT_FALSE(VisibleTopLevelWindow(launcher.Id(), kMainWindowClass));
  ASSERT_TRUE(PressOk(box, kBoxGoneMs));
  const ExitWatch watch = WatchUntilExit(launcher, kExitMs);
  EXPECT_EQ(watch.exitCode, 1u);
  EXPECT_FALSE(watch.mainWindowSeen) << "the main window is never shown after a fatal error";
}

struct LockCase {
  const char* name;
  DWORD access;
  DWORD share;
};

void PrintTo(const LockCase& c, std::ostream* os) { *os << c.name; }

class LockedSettings : public LauncherTest, public ::testing::WithParamInterface<LockCase> {};

TEST_P(LockedSettings, EndInTheFatalBox) {
  ASSERT_TRUE(folder_.WriteSettings("[set]\r\ntitle=never seen\r\n"));
  const std::u16string settings = folder_.Path() + u"zixgame.ini";
  SnapshotFolderNow();
  {
    UniqueFileHandle holder(CreateFileW(ToWide(settings).c_str(), GetParam().access, GetParam().share,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder) << "cannot hold the settings file open, error " << GetLastError();
    ASSERT_TRUE(Start());
    const Sighting first = WaitForSighting(Launcher(), kAppearMs);
    ASSERT_EQ(first.what, Sight::MessageBox) << "saw " << SightName(first.what) << " first";
    const std::optional<MessageBoxFacts> box = ReadMessageBox(first.window);
    ASSERT_TRUE(box);
    ExpectFatalBox(*box);
    const std::optional<std::u16string> message = FatalMessage(box->text, u"EFOpenError");
    ASSERT_TRUE(message) << "text \"" << ToUtf8(box->text) << "\"";
    const std::u16string opening = u"Cannot open file \"" + settings + u"\". ";
    EXPECT_EQ(message->rfind(opening, 0), 0u) << "message \"" << ToUtf8(*message) << "\"";
    // The system's reason follows, without its own closing full stop, then the box's ".".
    ASSERT_GT(message->size(), opening.size() + 1);
    EXPECT_EQ(message->back(), u'.');
    EXPECT_NE((*message)[message->size() - 2], u'.');
    EXPECT_FALSE(std::iswspace(static_cast<wint_t>((*message)[message->size() - 2])));
    ExpectFatalEnd(Launcher(), *box);
  }
  EXPECT_EQ(WaitForExit(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Holders, LockedSettings,
                         ::testing::Values(LockCase{"WriterSharingReads", GENERIC_WRITE, FILE_SHARE_READ},
                                           LockCase{"ExclusiveOpen", GENERIC_READ | GENERIC_WRITE, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

using FatalStart = LauncherTest;

TEST_F(FatalStart, OverflowDuringTheSingleEntryStart) {
  ASSERT_TRUE(folder_.WriteSettings("[set]\r\nCount=1\r\n[1]\r\nminOs=1e400\r\nexe=fake.exe\r\n"));
  ASSERT_TRUE(folder_.AddFakeGame(u"fake.exe"));
  ASSERT_TRUE(Start());
  const Sighting first = WaitForSighting(Launcher(), kAppearMs);
  ASSERT_EQ(first.what, Sight::MessageBox) << "saw " << SightName(first.what) << " first";
  const std::optional<MessageBoxFacts> box = ReadMessageBox(first.window);
  ASSERT_TRUE(box);
  ExpectFatalBox(*box);
  EXPECT_EQ(FatalMessage(box->text, u"EOverflow"), u"Floating point overflow.")
      << "text \"" << ToUtf8(box->text) << "\"";
  ExpectFatalEnd(Launcher(), *box);
  EXPECT_EQ(WaitForExit(), 1u);
  EXPECT_TRUE(Records().empty());
}

// The error box's caption is the launcher's title, formed from its own file name: cut at the
// first ".", every letter after the first lowered, the first left as it is.
struct TitleCase {
  const char* name;
  const char16_t* fileName;
  const char16_t* title;
  const char* bound;
};

void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }

class ClickError : public LauncherTest, public ::testing::WithParamInterface<TitleCase> {
 protected:
  ClickError() : LauncherTest(u"launcher", GetParam().fileName) {}
};

TEST_P(ClickError, ErrorBoxThenTheLauncherGoesOn) {
  const TitleCase& c = GetParam();
  HWND main = StartWithGames(
      std::string("[set]\r\nCount=2\r\n[1]\r\nexe=fake.exe\r\n") + c.bound + "[2]\r\nexe=fake.exe\r\n",
      {u"fake.exe"});
  ASSERT_TRUE(main);
  for (int press = 0; press < 2; ++press) {
    SCOPED_TRACE("press " + std::to_string(press + 1));
    ASSERT_TRUE(ClickButton(ChildWithId(main, GameButtonId(1))));
    const std::optional<MessageBoxFacts> box = WaitForBox();
    ASSERT_TRUE(box);
    ExpectErrorBox(*box, c.title, u"Floating point overflow.");
    ASSERT_TRUE(PressOk(*box, kBoxGoneMs));
  }
  EXPECT_TRUE(Records().empty()) << "the failed press started nothing";
  ASSERT_TRUE(ClickButton(ChildWithId(main, GameButtonId(2))));
  EXPECT_EQ(WaitForRecords(1).size(), 1u) << "the other entry still starts";
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, ClickError,
    ::testing::Values(TitleCase{"LowerBound", u"zixgame.exe", u"zixgame", "minOs=1e400\r\n"},
                      TitleCase{"UpperBound", u"zixgame.exe", u"zixgame", "maxOs=-1e400\r\n"},
                      TitleCase{"CamelCaseName", u"GameLauncher.exe", u"Gamelauncher", "minOs=1e400\r\n"},
                      TitleCase{"DottedName", u"My.Launcher.exe", u"My", "minOs=1e400\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zix::e2e
