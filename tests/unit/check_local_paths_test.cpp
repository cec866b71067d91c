#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "check/local_paths.h"
#include "check/native_path.h"

namespace zix::check {
namespace {

TEST(CheckLocalPaths, NameUnderLauncher) {
  EXPECT_EQ(NameUnderLauncher(u"C:\\Games\\bin\\a.exe", u"C:\\Games\\").value_or(u"?"),
            u"bin\\a.exe");
  EXPECT_EQ(NameUnderLauncher(u"C:\\Games\\", u"C:\\Games\\").value_or(u"?"), u"");
  EXPECT_FALSE(NameUnderLauncher(u"D:\\Games\\a.exe", u"C:\\Games\\").has_value());
  EXPECT_FALSE(NameUnderLauncher(u"C:\\Gam", u"C:\\Games\\").has_value());
}

TEST(CheckLocalPaths, PosixPathForNames) {
  struct Case {
    std::u16string name;
    const char* folder;
    const char* expected;  // nullptr: never found
  };
  const Case cases[] = {
      {u"game.exe", "/c", "/c/game.exe"},
      {u"bin\\game.exe", "/c", "/c/bin/game.exe"},
      {u"bin/game.exe", "/c/", "/c/bin/game.exe"},
      {u"..\\game.exe", "/c", "/c/../game.exe"},
      {u"\\bin\\game.exe", "/c", "/c//bin/game.exe"},  // still inside the folder, as on Windows
      {u"\\\\server\\share\\g.exe", "/c", "/c///server/share/g.exe"},
      {u"", "/c", "/c/"},
      {u"游戏\\开始.exe", "/c", "/c/游戏/开始.exe"},
      {u"D:\\Other\\game.exe", "/c", nullptr},
      {u"C:game.exe", "/c", nullptr},
      {u"a:b.exe", "/c", nullptr},
  };
  for (const Case& c : cases) {
    const auto mapped = PosixPathFor(c.name, c.folder);
    if (c.expected) {
      EXPECT_EQ(mapped.value_or("<none>"), c.expected);
    } else {
      EXPECT_FALSE(mapped.has_value()) << *mapped;
    }
  }
}

}  // namespace
}  // namespace zix::check

namespace zix::check {
namespace {

// A real folder with a game in a subfolder; the launcher folder shown is C:\Games\.
class CheckedFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() /
            ("zixcheck-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "Bin" / "Data");
    std::ofstream(root_ / "Bin" / "Game.exe") << "MZ";
  }
  void TearDown() override { std::filesystem::remove_all(root_); }

  bool Exists(std::u16string_view name, EntryKind kind) {
    return ExistsInCheckedFolder(u"C:\\Games\\" + std::u16string(name), u"C:\\Games\\",
                                 FromNativePath(root_), kind);
  }

  std::filesystem::path root_;
};

TEST_F(CheckedFolderTest, FilesAreFoundAsWindowsFindsThem) {
  EXPECT_TRUE(Exists(u"Bin\\Game.exe", EntryKind::File));
  EXPECT_TRUE(Exists(u"bin\\game.EXE", EntryKind::File)) << "letter case does not matter";
  EXPECT_TRUE(Exists(u"Bin/Game.exe", EntryKind::File));
  EXPECT_TRUE(Exists(u"Bin\\Data\\..\\Game.exe", EntryKind::File));
  EXPECT_FALSE(Exists(u"Bin\\Other.exe", EntryKind::File));
  EXPECT_FALSE(Exists(u"Bin\\Data", EntryKind::File)) << "a folder is no file";
  EXPECT_FALSE(Exists(u"", EntryKind::File)) << "the launcher folder itself is no file";
  EXPECT_FALSE(Exists(u"D:\\Bin\\Game.exe", EntryKind::File));
}

TEST_F(CheckedFolderTest, WorkingFoldersAreFoldersOnly) {
  EXPECT_TRUE(Exists(u"Bin\\Data", EntryKind::Folder));
  EXPECT_TRUE(Exists(u"bin\\data", EntryKind::Folder));
  EXPECT_FALSE(Exists(u"Bin\\Game.exe", EntryKind::Folder));
  EXPECT_FALSE(Exists(u"Saves", EntryKind::Folder));
}

TEST_F(CheckedFolderTest, PathsOutsideTheLauncherFolderAreNeverFound) {
  EXPECT_FALSE(ExistsInCheckedFolder(u"D:\\Games\\Bin\\Game.exe", u"C:\\Games\\",
                                     FromNativePath(root_), EntryKind::File));
}

}  // namespace
}  // namespace zix::check
