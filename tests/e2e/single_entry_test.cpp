// A settings file with exactly one entry: the launcher carries it out at once, without a
// click, and ends; a message comes before any window of the launcher is seen.

#include <gtest/gtest.h>

#include "box_expectations.h"
#include "e2e_timing.h"
#include "launch_paths.h"
#include "launcher_fixture.h"
#include "launcher_watch.h"
#include "window_reader.h"
#include "wine_settings.h"

namespace zix::e2e {
namespace {

using SingleEntry = LauncherTest;

TEST_F(SingleEntry, StartsTheGameWithoutAClickAndEnds) {
  ASSERT_TRUE(folder_.WriteSettings("[set]\r\nCount=1\r\n[1]\r\nexe=bin\\fake.exe\r\nParam=-solo\r\n"));
  ASSERT_TRUE(folder_.AddFakeGame(u"bin\\fake.exe"));
  ASSERT_TRUE(Start());
  const ExitWatch watch = WatchUntilExit(Launcher(), kAppearMs);
  EXPECT_EQ(watch.exitCode, 0u);
  EXPECT_FALSE(watch.messageBoxSeen);
  EXPECT_EQ(WaitForExit(), 0u);
  const std::vector<GameRecord> records = WaitForRecords(1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].programPath, FullPath(folder_.Path() + u"bin\\fake.exe"));
  EXPECT_EQ(records[0].workingFolder, ReportedWorkingFolder(folder_.Path() + u"bin"));
  EXPECT_EQ(records[0].commandLine, u"\"" + folder_.Path() + u"bin\\fake.exe\" -solo");
}

struct SingleMessageCase {
  const char* name;
  const char* entry;
  std::u16string message;
  const char16_t* wineVersion;  // null: whatever the prefix tells
};

void PrintTo(const SingleMessageCase& c, std::ostream* os) { *os << c.name; }

class SingleEntryMessage : public LauncherTest, public ::testing::WithParamInterface<SingleMessageCase> {};

TEST_P(SingleEntryMessage, ShownBeforeTheWindowThenTheLauncherEnds) {
  const SingleMessageCase& c = GetParam();
  std::optional<ScopedWineVersion> version;
  if (c.wineVersion) {
    ASSERT_TRUE(version.emplace(c.wineVersion).ok());
  }
  ASSERT_TRUE(folder_.WriteSettings(std::string("[set]\r\nCount=1\r\n[1]\r\n") + c.entry));
  ASSERT_TRUE(Start());
  const Sighting first = WaitForSighting(Launcher(), kAppearMs);
  ASSERT_EQ(first.what, Sight::MessageBox) << "saw " << SightName(first.what) << " first";
  EXPECT_FALSE(VisibleTopLevelWindow(Launcher().Id(), kMainWindowClass));
  const std::optional<MessageBoxFacts> box = ReadMessageBox(first.window);
  ASSERT_TRUE(box);
  ExpectLauncherMessage(*box, c.message);
  EXPECT_EQ(box->ownerClass, kApplicationWindowClass)
      << "with no launcher window shown, the hidden application window owns the box";
  ASSERT_TRUE(PressOk(*box, kBoxGoneMs));
  EXPECT_EQ(WaitForExit(), 0u);
  EXPECT_TRUE(Records().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Messages, SingleEntryMessage,
    ::testing::Values(SingleMessageCase{"MissingGame", "exe=missing.exe\r\n", kGameFileMissing, nullptr},
                      SingleMessageCase{"EmptySection", "", kGameFileMissing, nullptr},
                      SingleMessageCase{"RefusedVersion", "exe=missing.exe\r\nmaxOs=1\r\n",
                                        std::u16string(kVersionRefused) + u"[win7]", u"win7"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zix::e2e
