#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "check/caption_text.h"
#include "check/game_choice.h"
#include "check/init_settings.h"
#include "check/program_header.h"
#include "check_test_support.h"
#include "platform/text_codec.h"

namespace zix::check {
namespace {

// The fields of a program header that the reader looks at; the defaults make a sound i386 one.
struct Header {
  uint16_t machine = 0x014C;
  uint16_t magic = 0x010B;
  uint16_t subsystemMajor = 5;
  uint32_t peAt = 0x40;
  uint16_t optionalSize = 0xE0;
  uint16_t characteristics = 0x0102;
  uint16_t subsystem = 2;
  const char* signature = "PE\0\0";
  const char* mark = "MZ";
  size_t cutAt = std::string::npos;  // the file ends here
};

void Put16(std::string& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>(value >> 8);
}

std::string ProgramBytes(const Header& h) {
  // Headers are written only where they fit a small file; an offset beyond it is left pointing out.
  const size_t end = size_t{h.peAt} + 24 + h.optionalSize;
  const bool written = h.peAt >= 0x40 && end <= 0x40000;
  std::string bytes(written ? std::max<size_t>(0x200, end) : 0x200, '\0');
  std::memcpy(bytes.data(), h.mark, 2);
  Put16(bytes, 0x3C, static_cast<uint16_t>(h.peAt & 0xFFFF));
  Put16(bytes, 0x3E, static_cast<uint16_t>(h.peAt >> 16));
  if (written) {
    std::memcpy(bytes.data() + h.peAt, h.signature, 4);
    Put16(bytes, h.peAt + 4, h.machine);
    Put16(bytes, h.peAt + 20, h.optionalSize);
    Put16(bytes, h.peAt + 22, h.characteristics);
    const size_t optional = h.peAt + 24;
    Put16(bytes, optional, h.magic);
    Put16(bytes, optional + 48, h.subsystemMajor);
    Put16(bytes, optional + 68, h.subsystem);
  }
  return bytes.substr(0, h.cutAt);
}

ProgramHeader Read(const std::string& bytes) { return ReadProgramHeader(bytes, bytes.size()); }

TEST(CheckInit, ProgramHeaders) {
  enum Kind { I386, Amd64, Other, Fault };
  struct Case {
    const char* name;
    Header header;
    Kind kind;
  };
  const auto with = [](auto change) {
    Header h;
    change(h);
    return h;
  };
  const Case cases[] = {
      {"i386", {}, I386},
      {"x86-64", with([](Header& h) { h.machine = 0x8664, h.magic = 0x020B, h.optionalSize = 0xF0; }), Amd64},
      {"console program", with([](Header& h) { h.subsystem = 3; }), I386},
      {"ARM64", with([](Header& h) { h.machine = 0xAA64, h.magic = 0x020B; }), Other},
      {"DLL", with([](Header& h) { h.characteristics = 0x2102; }), Other},
      {"object file", with([](Header& h) { h.characteristics = 0x0100; }), Other},
      {"driver", with([](Header& h) { h.subsystem = 1; }), Other},
      {"DOS program", with([](Header& h) { h.peAt = 0; }), Other},
      {"16-bit program", with([](Header& h) { h.signature = "NE\0\0"; }), Other},
      {"no MZ", with([](Header& h) { h.mark = "ZM"; }), Fault},
      {"empty file", with([](Header& h) { h.cutAt = 0; }), Fault},
      {"cut in the DOS header", with([](Header& h) { h.cutAt = 0x30; }), Fault},
      {"cut in the COFF header", with([](Header& h) { h.cutAt = 0x48; }), Fault},
      {"cut in the optional header", with([](Header& h) { h.cutAt = 0x40 + 24 + 60; }), Fault},
      {"PE offset beyond the end", with([](Header& h) { h.peAt = 0x7FFFFFF0; }), Fault},
      {"PE offset into the DOS header", with([](Header& h) { h.peAt = 0x10; }), Fault},
      {"no PE signature", with([](Header& h) { h.signature = "PX\0\0"; }), Fault},
      {"i386 with a 64-bit header", with([](Header& h) { h.magic = 0x020B; }), Fault},
      {"x86-64 with a 32-bit header", with([](Header& h) { h.machine = 0x8664; }), Fault},
      {"unknown magic", with([](Header& h) { h.magic = 0x0107; }), Fault},
      {"optional header too short", with([](Header& h) { h.optionalSize = 16; }), Fault},
  };
  for (const Case& c : cases) {
    const ProgramHeader read = Read(ProgramBytes(c.header));
    const auto* program = std::get_if<WindowsProgram>(&read);
    switch (c.kind) {
      case I386:
      case Amd64:
        ASSERT_NE(program, nullptr) << c.name;
        EXPECT_EQ(program->machine, c.kind == I386 ? ProgramMachine::I386 : ProgramMachine::Amd64)
            << c.name;
        EXPECT_EQ(program->subsystemMajor, c.header.subsystemMajor) << c.name;
        break;
      case Other: EXPECT_TRUE(std::holds_alternative<OtherFile>(read)) << c.name; break;
      case Fault: EXPECT_TRUE(std::holds_alternative<HeaderFault>(read)) << c.name; break;
    }
  }
}

TEST(CheckInit, AHeaderBeyondTheBytesReadIsAFaultNotAGuess) {
  Header h;
  h.peAt = 0x20000;
  const std::string bytes = ProgramBytes(h);
  const ProgramHeader read = ReadProgramHeader(std::string_view(bytes).substr(0, kProgramHeaderReach),
                                               bytes.size());
  EXPECT_TRUE(std::holds_alternative<HeaderFault>(read));
}

// A program in a layout: its path in the collection, its processor, its declared Windows, size.
struct Program {
  std::u16string path;
  ProgramMachine machine;
  uint16_t major = 5;
  uint64_t size = 1000;
};

GameFolder Folder(std::u16string name, const std::vector<Program>& programs) {
  GameFolder folder{std::move(name), {}};
  for (const Program& p : programs) {
    const std::u16string_view inside = std::u16string_view(p.path).substr(folder.name.size() + 1);
    if (IsHelperProgram(inside)) continue;  // as the walk leaves them out
    folder.programs.push_back({p.path, p.size, {p.machine, p.major, 0}});
  }
  return folder;
}

constexpr ProgramMachine k32 = ProgramMachine::I386;
constexpr ProgramMachine k64 = ProgramMachine::Amd64;

TEST(CheckInit, ProgramChoiceOverFolderLayouts) {
  struct Case {
    const char* name;
    GameFolder folder;
    std::u16string exe, exeX64;  // empty: none; both empty: no entry
  };
  const Case cases[] = {
      {"one of each",
       Folder(u"Racing", {{u"Racing\\racing32.exe", k32}, {u"Racing\\racing64.exe", k64}}),
       u"Racing\\racing32.exe", u"Racing\\racing64.exe"},
      {"the name beats the size",
       Folder(u"Star Craft", {{u"Star Craft\\editor.exe", k32, 5, 9000},
                              {u"Star Craft\\bin\\StarCraft.exe", k32, 5, 10}}),
       u"Star Craft\\bin\\StarCraft.exe", u""},
      {"a processor tag still names the game",
       Folder(u"Maze", {{u"Maze\\tool64.exe", k64, 6, 5000}, {u"Maze\\maze_x64.exe", k64, 6, 10}}),
       u"", u"Maze\\maze_x64.exe"},
      {"else the largest",
       Folder(u"Arcade", {{u"Arcade\\a.exe", k32, 5, 10}, {u"Arcade\\b.exe", k32, 5, 20}}),
       u"Arcade\\b.exe", u""},
      {"Chinese names",
       Folder(u"中国象棋", {{u"中国象棋\\工具.exe", k32, 5, 9000}, {u"中国象棋\\中国象棋.exe", k32}}),
       u"中国象棋\\中国象棋.exe", u""},
      {"installers and helpers only",
       Folder(u"Boxes", {{u"Boxes\\unins000.exe", k32},      {u"Boxes\\Setup.exe", k32},
                         {u"Boxes\\INSTALL_x64.exe", k64},   {u"Boxes\\vcredist_x86.exe", k32},
                         {u"Boxes\\DXSETUP.exe", k32},       {u"Boxes\\UnityCrashHandler64.exe", k64},
                         {u"Boxes\\crashpad_handler.exe", k64}, {u"Boxes\\zixgame.exe", k32},
                         {u"Boxes\\ZIXGAME-CHECK.exe", k64}, {u"Boxes\\_CommonRedist\\dotNetFx.exe", k32},
                         {u"Boxes\\__Installer\\Boxes.exe", k32}, {u"Boxes\\CrashReporter.exe", k32}}),
       u"", u""},
      {"a game beside its installer",
       Folder(u"Snake", {{u"Snake\\setup.exe", k32, 5, 99999}, {u"Snake\\snake.exe", k64}}),
       u"", u"Snake\\snake.exe"},
  };
  for (const Case& c : cases) {
    const auto entry = ChooseGameEntry(c.folder);
    if (c.exe.empty() && c.exeX64.empty()) {
      EXPECT_FALSE(entry.has_value()) << c.name;
      continue;
    }
    ASSERT_TRUE(entry.has_value()) << c.name;
    EXPECT_EQ(entry->exe ? entry->exe->path : u"", c.exe) << c.name;
    EXPECT_EQ(entry->exeX64 ? entry->exeX64->path : u"", c.exeX64) << c.name;
  }
}

TEST(CheckInit, ProgramNames) {
  EXPECT_TRUE(IsProgramName(u"Game.EXE"));
  EXPECT_FALSE(IsProgramName(u".exe"));
  EXPECT_FALSE(IsProgramName(u"game.exe.txt"));
  // The same words inside a game's own name are no helper's.
  EXPECT_FALSE(IsHelperProgram(u"bin\\ResetUp.exe"));
  EXPECT_TRUE(IsHelperProgram(u"Redist\\game.exe")) << "a folder on the way counts too";
}

TEST(CheckInit, EntriesFollowTheFolderNamesAndDeclaredWindows) {
  const std::vector<GameFolder> folders = {
      Folder(u"snake", {{u"snake\\snake.exe", k32, 6}}),
      Folder(u"Empty", {}),
      Folder(u"Arcade", {{u"Arcade\\a.exe", k32, 6}, {u"Arcade\\a64.exe", k64, 5}}),
      Folder(u"中国象棋", {{u"中国象棋\\象棋.exe", k64, 10}}),
      Folder(u"boxes", {{u"boxes\\boxes.exe", k32, 4}}),
  };
  const auto entries = ChooseGameEntries(folders);
  ASSERT_EQ(entries.size(), 4u);
  const std::pair<std::u16string, bool> expected[] = {
      {u"Arcade", false}, {u"boxes", false}, {u"snake", true}, {u"中国象棋", true}};
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].folderName, expected[i].first) << i;
    EXPECT_EQ(NeedsVista(entries[i]), expected[i].second) << ToUtf8(expected[i].first);
  }
}

// Settings for n games with these folder names, all present in the checked folder.
std::unique_ptr<testing::CheckedSettings> CheckedInit(const std::vector<std::u16string>& names,
                                                      std::string* bytes = nullptr) {
  std::vector<GameFolder> folders;
  std::set<std::u16string> files;
  for (const auto& name : names) {
    folders.push_back(Folder(name, {{name + u"\\game.exe", k32, 6}, {name + u"\\game64.exe", k64, 6}}));
    files.insert(u"C:\\Games\\" + name + u"\\game.exe");
    files.insert(u"C:\\Games\\" + name + u"\\game64.exe");
  }
  const std::string text = ComposeInitSettings(ChooseGameEntries(folders));
  if (bytes) *bytes = text;
  return testing::Check(text, {}, files);
}

TEST(CheckInit, WrittenSettingsCheckCleanWithEveryCaptionInItsButton) {
  const std::vector<std::u16string> captionSets[] = {
      {u"A"},
      {u"Snake", u"Maze"},
      {u"贪吃蛇", u"迷宫探险", u"Tom & Jerry"},
      {u"A very long game name that Windows would cut", u"星际争霸 II 自由之翼 Wings of Liberty"},
  };
  for (const auto& captions : captionSets) {
    for (const size_t count : {1u, 2u, 3u, 5u, 7u, 12u, 30u}) {
      std::vector<std::u16string> names;
      for (size_t i = 0; i < count; ++i)
        names.push_back(captions[i % captions.size()] + u" " + FromUtf8(std::to_string(i)));
      const auto checked = CheckedInit(names);
      const CheckReport& r = checked->report;
      std::string shown;
      for (const auto& w : r.warnings) shown += w.code + " ";
      EXPECT_EQ(shown, count == 1 ? "count-one " : "") << ToUtf8(names[0]) << " x" << count;
      ASSERT_EQ(r.buttons.size(), count);
      for (const ButtonReport& b : r.buttons) {
        EXPECT_FALSE(b.outsideClient) << ToUtf8(b.buttonSpec.caption);
        EXPECT_NE(std::find(names.begin(), names.end(), ShownCaption(b.buttonSpec.caption)), names.end())
            << "the caption shows the folder's name as it is";
        const int needed = std::min(EstimatedCaptionWidth(b.buttonSpec.caption) + 16, 400);
        EXPECT_LE(needed, b.buttonSpec.rect.width) << ToUtf8(b.buttonSpec.caption);
      }
    }
  }
}

TEST(CheckInit, SettingsTextIsMarkedUtf8WithCrLfAndRelativeBackslashPaths) {
  std::string bytes;
  CheckedInit({u"迷宫"}, &bytes);
  EXPECT_EQ(bytes,
            "\xEF\xBB\xBF[set]\r\nwidth=216\r\nheight=113\r\nCol=1\r\nCount=1\r\n\r\n"
            "[1]\r\nText=迷宫\r\nexe=迷宫\\game.exe\r\nexe_x64=迷宫\\game64.exe\r\nminOs=6\r\n");
}

TEST(CheckInit, PathsTheLauncherCouldNotUse) {
  const std::pair<std::u16string, bool> cases[] = {
      {u"game\\a.exe", true},
      {u"游戏\\a b.exe", true},
      {u" lead\\a.exe", false},
      {u"trail\\a.exe ", false},
      {u"two\nlines\\a.exe", false},
      {std::u16string(u"half") + char16_t{0xD800} + u"\\a.exe", false},
      {u"", false},
      {u"a:b\\a.exe", false},  // Windows names hold none of these
      {u"a?\\a.exe", false},
      {u"a\"b\\a.exe", false},
      {u"a/b\\a.exe", false},
  };
  for (const auto& [name, usable] : cases) EXPECT_EQ(UsableAsLauncherPath(name), usable) << ToUtf8(name);
}

}  // namespace
}  // namespace zix::check
