// The existence test and the launcher folder against the real file system of each build.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/text_codec.h"
#include "unit/scratch_folder.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/unique_handle_win32.h"
#include "windows_host_win32.h"
#else
#include <unistd.h>
#endif

namespace zix {
namespace {

using zix::testing::ScratchFolder;

#ifdef _WIN32
constexpr char16_t kSeparator = u'\\';
#else
constexpr char16_t kSeparator = u'/';
#endif

class FileExistsOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch_.ok());
    scratch_.Write(u"game.exe", "MZ");
    scratch_.MakeFolder(u"bin");
    scratch_.Write(std::u16string(u"bin") + kSeparator + u"tool.exe", "MZ");
    scratch_.MakeFolder(u"folder.exe");
    scratch_.Write(u"empty.ini", "");
  }
  ScratchFolder scratch_;
};

TEST_F(FileExistsOnDisk, FilesFoldersAndMissingNames) {
  struct Row {
    const char16_t* name;
    bool exists;
  };
  const Row rows[] = {
      {u"game.exe", true},
      {u"empty.ini", true},
      {u"folder.exe", false},  // a folder of the executable's name
      {u"bin", false},
      {u"missing.exe", false},
      {u"missing\\game.exe", false},
      {u"", false},  // the folder itself
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FileExists(scratch_.PathOf(row.name)), row.exists) << ToUtf8(row.name);
  }
}

TEST_F(FileExistsOnDisk, NamesAreJoinedUnchanged) {
  const std::u16string folder = scratch_.Folder();
  // Up and back down again reaches the same file.
  const std::u16string up = std::u16string(u"..") + kSeparator +
                            scratch_.root().filename().u16string() + kSeparator + u"game.exe";
  EXPECT_TRUE(FileExists(LauncherRelativePath(folder, up)));
  // An absolute name after the folder names nothing, although the file it names exists.
  EXPECT_TRUE(FileExists(scratch_.PathOf(u"game.exe")));
  EXPECT_FALSE(FileExists(LauncherRelativePath(folder, scratch_.PathOf(u"game.exe"))));
  // Forward slashes reach the file on both systems.
  EXPECT_TRUE(FileExists(scratch_.PathOf(u"bin/tool.exe")));
}

#ifdef _WIN32
TEST_F(FileExistsOnDisk, DriveQualifiedAndBadNames) {
  const std::u16string folder = scratch_.Folder();
  EXPECT_FALSE(FileExists(LauncherRelativePath(folder, u"C:\\windows\\notepad.exe")));
  EXPECT_TRUE(FileExists(u"C:\\windows\\notepad.exe"));
  struct Row {
    const char16_t* name;
  };
  const Row badNames[] = {{u"game*.exe"}, {u"game?.exe"}, {u"a<b.exe"}, {u"a|b.exe"},
                          {u"a\"b.exe"}};
  for (const Row& row : badNames) {
    EXPECT_FALSE(FileExists(scratch_.PathOf(row.name))) << ToUtf8(row.name);
  }
}

TEST_F(FileExistsOnDisk, FileHeldOpenWithoutSharingExists) {
  const std::u16string game = scratch_.PathOf(u"game.exe");
  const std::wstring path(game.begin(), game.end());
  const UniqueFileHandle held(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(held);
  EXPECT_TRUE(FileExists(game));
}

// Wine 8 makes no links of its own (CreateSymbolicLinkW does nothing) but shows the host's
// symbolic links, and starts host programs: the host's shell makes and removes the links, and
// marks the end of its work with a file, since Wine gives no exit code for host programs.
bool RunHostShell(const std::u16string& folder, std::u16string_view script) {
  const std::wstring wideFolder(folder.begin(), folder.end());
  std::u16string command = u"/bin/sh -c \"";
  command += script;
  command += u" && touch host-shell-done\"";
  std::wstring wideCommand(command.begin(), command.end());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(L"Z:\\bin\\sh", wideCommand.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      wideFolder.c_str(), &startup, &process)) {
    return false;
  }
  // The shell is not waited on: the marker file says when its work is done.
  const UniqueKernelHandle shell(process.hProcess);
  const UniqueKernelHandle shellThread(process.hThread);
  const std::wstring marker = wideFolder + L"host-shell-done";
  for (int waited = 0; waited < 100; ++waited) {
    if (DeleteFileW(marker.c_str())) return true;
    Sleep(50);
  }
  return false;
}

// The links are removed by the host too: Wine cannot delete a link whose target is missing,
// and the scratch folder's removal would not end while one is left.
class HostLinks {
 public:
  explicit HostLinks(std::u16string folder) : folder_(std::move(folder)) {}
  ~HostLinks() { static_cast<void>(RunHostShell(folder_, u"rm -f link-*")); }
  HostLinks(const HostLinks&) = delete;
  HostLinks& operator=(const HostLinks&) = delete;
  bool Make(std::u16string_view script) { return RunHostShell(folder_, script); }

 private:
  std::u16string folder_;
};

TEST_F(FileExistsOnDisk, SymbolicLinksAreFollowed) {
  if (!UnderWine()) GTEST_SKIP() << "links are made through the host's shell under Wine";
  HostLinks links(scratch_.Folder());
  ASSERT_TRUE(links.Make(
      u"ln -s game.exe link-to-file && ln -s gone.exe link-to-nothing && "
      u"ln -s bin link-to-folder && ln -s link-to-file link-to-link"));
  struct Row {
    const char16_t* name;
    bool exists;
  };
  const Row rows[] = {
      {u"link-to-file", true},
      {u"link-to-nothing", false},
      {u"link-to-folder", false},
      {u"link-to-link", true},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FileExists(scratch_.PathOf(row.name)), row.exists) << ToUtf8(row.name);
  }
  // A link whose target another program holds open without sharing still passes.
  const std::u16string game = scratch_.PathOf(u"game.exe");
  const std::wstring wideGame(game.begin(), game.end());
  const UniqueFileHandle held(CreateFileW(wideGame.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(held);
  EXPECT_TRUE(FileExists(scratch_.PathOf(u"link-to-file")));
}

TEST(LauncherFolderOnWindows, FolderOfThisExecutable) {
  const std::u16string folder = LauncherFolder();
  ASSERT_GE(folder.size(), 3u);
  EXPECT_EQ(folder.back(), u'\\');
  EXPECT_EQ(folder[1], u':');  // a full path with its drive
  const std::u16string name = ExecutableFileName(32768);
  EXPECT_EQ(FolderPart(name), folder);
  EXPECT_TRUE(FileExists(name));
  std::u16string leaf = name.substr(folder.size());
  for (char16_t& c : leaf) c = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
  EXPECT_EQ(leaf, u"unit_tests.exe");
}

TEST(LauncherFolderOnWindows, NameCutByItsRoom) {
  const std::u16string full = ExecutableFileName(261);
  ASSERT_GT(full.size(), 8u);
  const std::u16string cut = ExecutableFileName(8);
  EXPECT_LE(cut.size(), 8u);
  EXPECT_FALSE(cut.empty());
  EXPECT_EQ(full.substr(0, cut.size()), cut);
  EXPECT_EQ(cut.find(u'\0'), std::u16string::npos);
  EXPECT_EQ(ExecutableFileName(0), u"");
}
#else
TEST_F(FileExistsOnDisk, SymbolicLinksAreFollowed) {
  namespace fs = std::filesystem;
  const fs::path root = scratch_.root();
  fs::create_symlink(root / "game.exe", root / "link-to-file");
  fs::create_symlink(root / "gone.exe", root / "link-to-nothing");
  fs::create_directory_symlink(root / "bin", root / "link-to-folder");
  fs::create_symlink(root / "link-to-file", root / "link-to-link");
  EXPECT_TRUE(FileExists(scratch_.PathOf(u"link-to-file")));
  EXPECT_FALSE(FileExists(scratch_.PathOf(u"link-to-nothing")));
  EXPECT_FALSE(FileExists(scratch_.PathOf(u"link-to-folder")));
  EXPECT_TRUE(FileExists(scratch_.PathOf(u"link-to-link")));
}

TEST(LauncherFolderNatively, FolderOfThisExecutable) {
  const std::u16string folder = LauncherFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.front(), u'/');
  EXPECT_EQ(folder.back(), u'/');
  EXPECT_TRUE(FileExists(folder + u"unit_tests"));
  EXPECT_EQ(ExecutableFileName(4096), folder + u"unit_tests");
  EXPECT_EQ(ExecutableFileName(3), folder.substr(0, 2));
}
#endif

}  // namespace
}  // namespace zix
