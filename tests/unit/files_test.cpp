#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/text_codec.h"

namespace zix {
namespace {

TEST(Files, FolderPart) {
  struct Row {
    const char16_t* path;
    const char16_t* folder;
  };
  const Row rows[] = {
      {u"C:\\Games\\launcher.exe", u"C:\\Games\\"},
      {u"C:\\Games\\bin\\game.exe", u"C:\\Games\\bin\\"},
      {u"C:\\Games\\bin/game.exe", u"C:\\Games\\"},  // "/" does not end a folder part
      {u"C:game.exe", u"C:"},
      {u"game.exe", u""},
      {u"", u""},
      {u"C:\\", u"C:\\"},
      {u"\\\\server\\share\\game.exe", u"\\\\server\\share\\"},
      {u"C:\\Games\\D:\\Other\\game.exe", u"C:\\Games\\D:\\Other\\"},
      {u"a:b\\c:d", u"a:b\\c:"},
      {u"bin/sub/game.exe", u""},
  };
  for (const Row& row : rows) EXPECT_EQ(FolderPart(row.path), row.folder) << ToUtf8(row.path);
}

TEST(Files, LauncherRelativePath) {
  struct Row {
    const char16_t* name;
    const char16_t* path;
  };
  const std::u16string folder = u"C:\\Games\\";
  const Row rows[] = {
      {u"zixgame.ini", u"C:\\Games\\zixgame.ini"},
      {u"bin\\game.exe", u"C:\\Games\\bin\\game.exe"},
      {u"bin/game.exe", u"C:\\Games\\bin/game.exe"},
      {u"D:\\Other\\game.exe", u"C:\\Games\\D:\\Other\\game.exe"},
      {u"..\\game.exe", u"C:\\Games\\..\\game.exe"},
      {u"data", u"C:\\Games\\data"},
      {u"\\game.exe", u"C:\\Games\\\\game.exe"},  // nothing collapsed
      {u" game.exe ", u"C:\\Games\\ game.exe "},  // nothing trimmed
      {u"", u"C:\\Games\\"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(LauncherRelativePath(folder, row.name), row.path) << ToUtf8(row.name);
  }
  // An empty launcher folder leaves the names as written.
  EXPECT_EQ(LauncherRelativePath(u"", u"zixgame.ini"), u"zixgame.ini");
}

TEST(Files, WholeNameGrowsTheRoomUntilTheNameFits) {
  struct Row {
    size_t length;  // of the executable's full name
    std::vector<unsigned> rooms;
    bool whole;
  };
  const Row rows[] = {
      {0, {261}, true},  // a failed query: nothing to grow for
      {100, {261}, true},
      {260, {261}, true},
      {261, {261, 522}, true},
      {5000, {261, 522, 1044, 2088, 4176, 8352}, true},
      {32767, {261, 522, 1044, 2088, 4176, 8352, 16704, 32768}, true},
      {32768, {261, 522, 1044, 2088, 4176, 8352, 16704, 32768}, false},
  };
  for (const Row& row : rows) {
    const std::u16string name(row.length, u'x');
    std::vector<unsigned> asked;
    // Behaves as GetModuleFileNameW: a name that does not fit is cut to the room less one.
    auto read = [&](unsigned room) {
      asked.push_back(room);
      if (name.size() < room) return NameInRoom{name, false};
      return NameInRoom{name.substr(0, room - 1), true};
    };
    EXPECT_EQ(WholeNameFrom(read), row.whole ? name : u"") << row.length;
    EXPECT_EQ(asked, row.rooms) << row.length;
  }
}

TEST(Files, CannotOpenFileMessage) {
  struct Row {
    const char16_t* systemText;
    const char16_t* message;
  };
  const Row rows[] = {
      {u"Access denied.\r\n", u"Cannot open file \"C:\\G\\zixgame.ini\". Access denied"},
      {u"In use. . .\t \u0000", u"Cannot open file \"C:\\G\\zixgame.ini\". In use"},
      {u"v1.2 failed", u"Cannot open file \"C:\\G\\zixgame.ini\". v1.2 failed"},
      {u"Done\u3002", u"Cannot open file \"C:\\G\\zixgame.ini\". Done\u3002"},  // only "." goes
      {u"\u00a0x.\u00a0", u"Cannot open file \"C:\\G\\zixgame.ini\". \u00a0x.\u00a0"},
      {u"...", u"Cannot open file \"C:\\G\\zixgame.ini\". "},
      {u"", u"Cannot open file \"C:\\G\\zixgame.ini\". "},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CannotOpenFileMessage(u"C:\\G\\zixgame.ini", row.systemText), row.message);
  }
  EXPECT_EQ(CannotReadFileMessage(u"C:\\a.ini", u"Bad.\r\n"), u"Cannot read file \"C:\\a.ini\". Bad");
}

// Answers the existence test's queries from a table row and records which were asked.
class ScriptedQueries final : public ExistenceQueries {
 public:
  AttributesAnswer attributes;
  std::optional<uint32_t> searched;
  OpenAnswer open;
  std::string asked;

  AttributesAnswer Attributes() override {
    asked += "A";
    return attributes;
  }
  std::optional<uint32_t> SearchedAttributes() override {
    asked += "S";
    return searched;
  }
  OpenAnswer OpenForReading() override {
    asked += "O";
    return open;
  }
};

TEST(Files, ExistenceDecisionTable) {
  constexpr uint32_t kFile = 0x20;  // FILE_ATTRIBUTE_ARCHIVE
  constexpr uint32_t kDir = kAttributeDirectory;
  constexpr uint32_t kLink = kAttributeReparsePoint;
  const std::optional<uint32_t> none;
  struct Row {
    const char* what;
    AttributesAnswer attributes;
    std::optional<uint32_t> searched;
    OpenAnswer open;
    bool exists;
    const char* asked;
  };
  const Row rows[] = {
      {"plain file", {kFile, 0}, none, {}, true, "A"},
      {"file without attributes", {0x80, 0}, none, {}, true, "A"},
      {"folder", {kDir, 0}, none, {}, false, "A"},
      {"missing file", {none, kErrorFileNotFound}, kFile, {}, false, "A"},
      {"missing folder", {none, kErrorPathNotFound}, kFile, {}, false, "A"},
      {"bad name", {none, kErrorInvalidName}, kFile, {}, false, "A"},
      {"locked, search finds a file", {none, kErrorSharingViolation}, kFile, {}, true, "AS"},
      {"access denied, search finds a file", {none, kErrorAccessDenied}, kFile, {}, true, "AS"},
      {"locked, search finds a folder", {none, kErrorAccessDenied}, kDir, {}, false, "AS"},
      {"locked, search finds nothing", {none, kErrorAccessDenied}, none, {}, false, "AS"},
      {"other error, search finds a link", {none, 1920}, kFile | kLink, {}, true, "AS"},
      {"link to a folder", {kLink | kDir, 0}, none, {true, 0}, false, "A"},
      {"link to a file", {kLink | kFile, 0}, none, {true, 0}, true, "AO"},
      {"link, target missing", {kLink, 0}, none, {false, kErrorFileNotFound}, false, "AO"},
      {"link, target held open", {kLink, 0}, none, {false, kErrorSharingViolation}, true, "AO"},
      {"link, target refused", {kLink, 0}, none, {false, kErrorAccessDenied}, false, "AO"},
      {"link, open fails without reason", {kLink, 0}, none, {false, 0}, false, "AO"},
  };
  for (const Row& row : rows) {
    ScriptedQueries queries;
    queries.attributes = row.attributes;
    queries.searched = row.searched;
    queries.open = row.open;
    EXPECT_EQ(DecideFileExists(queries), row.exists) << row.what;
    EXPECT_EQ(queries.asked, row.asked) << row.what;
  }
}

TEST(Files, EmbeddedZeroNamesNoFile) {
  const std::u16string withZero(u"zixgame.ini\0.txt", 16);
  EXPECT_FALSE(FileExists(withZero));
  EXPECT_FALSE(FileExists(std::u16string(u"\0", 1)));
}

}  // namespace
}  // namespace zix
