#include "launcher_fixture.h"

#include "e2e_timing.h"
#include "file_bytes.h"
#include "launcher_watch.h"
#include "text_convert.h"
#include "window_reader.h"

namespace zix::e2e {

void LauncherTest::SetUp() {
  ASSERT_TRUE(folder_.ok()) << "cannot make a launcher folder under the temporary folder";
  ASSERT_TRUE(folder_.InstallLauncher(launcherName_))
      << "no launcher to test: build zixgame.exe beside e2e_tests.exe or set ZIX_LAUNCHER_EXE";
}

void LauncherTest::TearDown() {
  if (launcher_) {
    if (launcher_->Running()) ADD_FAILURE() << "the launcher was still running at the end of the test";
    launcher_->Kill();
  }
  CheckFolderUnchanged();
}

bool LauncherTest::Start(LaunchOptions options) {
  if (launcher_) {  // a previous run of the same test is over
    launcher_->Kill();
    launcher_.reset();
    CheckFolderUnchanged();
  }
  if (!before_) SnapshotFolderNow();
  if (options.workingFolder.empty()) options.workingFolder = folder_.Root();
  if (options.recordPath.empty()) options.recordPath = folder_.RecordPath();
  launcher_.emplace(folder_.LauncherPath(), options);
  if (!launcher_->ok()) ADD_FAILURE() << launcher_->Error();
  return launcher_->ok();
}

HWND LauncherTest::StartWithGames(std::string_view settings,
                                  std::initializer_list<std::u16string_view> games) {
  if (!folder_.WriteSettings(settings)) {
    ADD_FAILURE() << "cannot write the settings file";
    return nullptr;
  }
  for (const std::u16string_view game : games) {
    if (!folder_.AddFakeGame(game)) {
      ADD_FAILURE() << "cannot put a fake game at " << ToUtf8(std::u16string(game));
      return nullptr;
    }
  }
  return Start() ? WaitForMainWindow() : nullptr;
}

HWND LauncherTest::WaitForMainWindow() {
  if (!launcher_) return nullptr;
  const Sighting seen = WaitForSighting(*launcher_, kAppearMs);
  if (seen.what == Sight::MainWindow) return seen.window;
  std::string detail;
  if (seen.what == Sight::MessageBox) {
    if (const auto box = ReadMessageBox(seen.window)) {
      detail = " (caption \"" + ToUtf8(box->caption) + "\", text \"" + ToUtf8(box->text) + "\")";
    }
  } else if (seen.what == Sight::Exited) {
    detail = " (exit code " + std::to_string(seen.exitCode) + ")";
  }
  ADD_FAILURE() << "expected the main window, saw " << SightName(seen.what) << detail;
  return nullptr;
}

std::optional<MessageBoxFacts> LauncherTest::WaitForBox() {
  if (!launcher_) return std::nullopt;
  HWND box = WaitForMessageBox(*launcher_, kAppearMs);
  std::optional<MessageBoxFacts> facts = box ? ReadMessageBox(box) : std::nullopt;
  if (!facts) ADD_FAILURE() << "expected a message box, none appeared";
  return facts;
}

std::optional<DWORD> LauncherTest::WaitForExit() {
  if (!launcher_) return std::nullopt;
  const std::optional<DWORD> code = launcher_->WaitForExit(kExitMs);
  if (!code) {
    ADD_FAILURE() << "the launcher did not end within " << kExitMs << " ms";
    launcher_->Kill();
  }
  CheckFolderUnchanged();
  return code;
}

std::optional<DWORD> LauncherTest::CloseAndWaitForExit(HWND mainWindow) {
  if (!PostClose(mainWindow)) ADD_FAILURE() << "cannot post WM_CLOSE to the main window";
  return WaitForExit();
}

std::vector<GameRecord> LauncherTest::WaitForRecords(size_t count) {
  std::vector<GameRecord> records;
  // The records are the answer, however many there are when the wait ends.
  (void)WaitUntil([&] { return (records = Records()).size() >= count; }, kRecordMs);
  return records;
}

std::vector<GameRecord> LauncherTest::Records() const {
  return DecodeRecords(ReadFileBytes(folder_.RecordPath()).value_or(""));
}

void LauncherTest::SnapshotFolderNow() { before_ = TakeSnapshot(folder_.Path()); }

void LauncherTest::CheckFolderUnchanged() {
  if (!before_) return;
  EXPECT_EQ(DescribeChanges(*before_, TakeSnapshot(folder_.Path())), "")
      << "the launcher run changed its folder";
  before_.reset();
}

}  // namespace zix::e2e
