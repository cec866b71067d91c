#pragma once
// The frame of every end-to-end test: a fresh launcher folder, one launcher run at a time
// started from outside that folder, and the check that the run left the folder byte for byte
// as it was.

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "folder_snapshot.h"
#include "game_record.h"
#include "launcher_folder.h"
#include "launcher_process.h"
#include "message_box_reader.h"

namespace zix::e2e {

class LauncherTest : public ::testing::Test {
 protected:
  explicit LauncherTest(std::u16string_view folderName = u"launcher",
                        std::u16string_view launcherName = u"zixgame.exe")
      : folder_(folderName), launcherName_(launcherName) {}

  void SetUp() override;
  void TearDown() override;

  // Takes the folder's snapshot (unless SnapshotFolderNow already did) and starts the launcher
  // with the test's record file and, unless the options say otherwise, the root above the
  // launcher folder as its current folder. False, with a failure added, when it could not start.
  bool Start(LaunchOptions options = {});
  // For a test that must lock a file in the folder before the run: the picture taken while it
  // can still be read whole.
  void SnapshotFolderNow();

  // The visible main window; null, with a failure added, when something else came first.
  HWND WaitForMainWindow();
  // The usual start: the settings written, a fake game at each path, the launcher started and
  // its main window awaited; null, with a failure added, when any step fails.
  HWND StartWithGames(std::string_view settings, std::initializer_list<std::u16string_view> games);
  // The first visible message box, read; nothing, with a failure added, when none came.
  std::optional<MessageBoxFacts> WaitForBox();
  // The end of the run: its exit code (nothing after the bound), then the folder check.
  std::optional<DWORD> WaitForExit();
  std::optional<DWORD> CloseAndWaitForExit(HWND mainWindow);

  // The records of the games started so far, waiting (bounded) until there are at least count.
  std::vector<GameRecord> WaitForRecords(size_t count);
  std::vector<GameRecord> Records() const;

  LauncherProcess& Launcher() { return *launcher_; }

  LauncherFolder folder_;

 private:
  void CheckFolderUnchanged();

  std::u16string launcherName_;
  std::optional<LauncherProcess> launcher_;
  std::optional<FolderSnapshot> before_;  // taken for the run that has not been checked yet
};

}  // namespace zix::e2e
