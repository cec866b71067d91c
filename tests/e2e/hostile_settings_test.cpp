// Settings files written carelessly or with ill will, on disks that may be locked: each row
// states what the launcher must do and how long it may take to get there. No row may crash
// the launcher, hang it, start a program the file did not name, or change its folder (the
// fixture compares the folder byte for byte after every run).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "box_expectations.h"
#include "e2e_timing.h"
#include "hostile_settings_bytes.h"
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

constexpr char16_t kDefaultTitle[] = u"游戏启动";

enum class SettingsForm { File, Folder, HeldForWriting };

// The window that must come up. Sizes the system is free to clamp are left out; the grid is
// always checked against the client size the system reports.
struct WindowExpect {
  std::optional<int> width = {}, height = {};
  std::function<std::u16string()> title = {};  // none: the default title
  size_t buttons = 0;
  int columns = 2;
  int buttonWidth = 80, buttonHeight = 35, spaceX = 20, spaceY = 20;
  std::function<std::u16string()> firstCaption = {};
};

enum class Press { None, LauncherMessage, ErrorBox, GameStarted, NoOwnMessage };

struct HostileCase {
  const char* name = "";
  std::function<std::string()> settings = {};
  SettingsForm form = SettingsForm::File;
  std::u16string folderName = u"launcher";
  std::vector<std::u16string> games = {};    // fake games, relative to the launcher folder
  std::vector<std::u16string> folders = {};  // folders made, relative to the launcher folder
  DWORD boundMs = kAppearMs;                 // until the first window or box
  // A fatal box of this error class instead of the window; its message as a whole or, with
  // fatalPrefix, its opening.
  std::u16string fatalClass = {};
  std::function<std::u16string(const LauncherFolder&)> fatalMessage = {};
  bool fatalPrefix = false;
  WindowExpect window = {};
  Press press = Press::None;                                  // what pressing the first button does
  std::u16string text = {};                                   // of the message or error box
  std::u16string game = {}, params = {}, workingFolder = {};  // of the started game
};

void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

std::string Grid(int count, int col, std::string_view more = "") {
  return "[set]\r\nCount=" + std::to_string(count) + "\r\nCol=" + std::to_string(col) + "\r\n" +
         std::string(more);
}

class HostileSettings : public LauncherTest, public ::testing::WithParamInterface<HostileCase> {
 protected:
  HostileSettings() : LauncherTest(GetParam().folderName) {}

  void ExpectFatalEnd(const HWND boxWindow);
  void ExpectWindow(HWND main);
  void ExpectPress(HWND main);
};

void HostileSettings::ExpectFatalEnd(const HWND boxWindow) {
  const HostileCase& c = GetParam();
  // A launcher that has just made ten thousand windows may answer slower than a read waits.
  std::optional<MessageBoxFacts> box;
  // The box read last is the answer; an empty caption then fails below.
  (void)WaitUntil([&] { return !(box = ReadMessageBox(boxWindow)) || !box->caption.empty(); }, c.boundMs);
  ASSERT_TRUE(box);
  ExpectFatalBox(*box);
  const std::optional<std::u16string> message = FatalMessage(box->text, c.fatalClass);
  ASSERT_TRUE(message) << "text \"" << ToUtf8(box->text) << "\"";
  const std::u16string expected = c.fatalMessage(folder_);
  if (c.fatalPrefix) {
    EXPECT_TRUE(message->starts_with(expected)) << "message \"" << ToUtf8(*message) << "\"";
  } else {
    EXPECT_EQ(*message, expected) << "message \"" << ToUtf8(*message) << "\"";
  }
  EXPECT_FALSE(VisibleTopLevelWindow(Launcher().Id(), kMainWindowClass));
  ASSERT_TRUE(PressOk(*box, kBoxGoneMs));
  const ExitWatch watch = WatchUntilExit(Launcher(), c.boundMs);
  EXPECT_EQ(watch.exitCode, 1u);
  EXPECT_FALSE(watch.mainWindowSeen) << "the main window is never shown after a fatal error";
}

void HostileSettings::ExpectWindow(HWND main) {
  const WindowExpect& w = GetParam().window;
  const std::optional<WindowFacts> window = ReadWindow(main);
  ASSERT_TRUE(window);
  EXPECT_TRUE(window->visible);
  if (w.width) {
    EXPECT_EQ(window->outer.right - window->outer.left, *w.width);
  }
  if (w.height) {
    EXPECT_EQ(window->outer.bottom - window->outer.top, *w.height);
  }
  const std::u16string title = w.title ? w.title() : kDefaultTitle;
  EXPECT_EQ(window->title.size(), title.size());
  EXPECT_TRUE(window->title == title) << "title \"" << ToUtf8(window->title.substr(0, 80)) << "\"";

  const std::vector<ButtonFacts> buttons = ReadButtons(main);
  ASSERT_EQ(buttons.size(), w.buttons);
  // The grid is centred in the client area the system reports for the size it allowed, in
  // signed 32-bit arithmetic that wraps.
  const auto wrap = [](int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(value));
  };
  const int64_t columns = std::max(w.columns, 1);
  const int64_t rows = (static_cast<int64_t>(w.buttons) + columns - 1) / columns;
  const int32_t originX =
      wrap(window->clientWidth - wrap(columns * w.buttonWidth + (columns - 1) * w.spaceX)) / 2;
  const int32_t originY = wrap(window->clientHeight -
                               wrap(rows * wrap(int64_t{w.buttonHeight} + w.spaceY) - w.spaceY)) /
                          2;
  for (size_t i = 0; i < buttons.size(); ++i) {
    SCOPED_TRACE("entry " + std::to_string(i + 1));
    const int64_t column = static_cast<int64_t>(i) % columns;
    const int64_t row = static_cast<int64_t>(i) / columns;
    const RECT& rect = buttons[i].rect;
    EXPECT_EQ(buttons[i].id, GameButtonId(1) + static_cast<int>(i));
    EXPECT_EQ(rect.left, wrap(column * wrap(int64_t{w.buttonWidth} + w.spaceX) + originX));
    EXPECT_EQ(rect.top, wrap(row * wrap(int64_t{w.buttonHeight} + w.spaceY) + originY));
    // A size below zero is no size, and no edge lies beyond the largest coordinate.
    EXPECT_EQ(rect.right,
              std::min<int64_t>(int64_t{rect.left} + std::max(w.buttonWidth, 0), INT32_MAX));
    EXPECT_EQ(rect.bottom,
              std::min<int64_t>(int64_t{rect.top} + std::max(w.buttonHeight, 0), INT32_MAX));
  }
  if (w.firstCaption && !buttons.empty()) {
    const std::u16string caption = w.firstCaption();
    EXPECT_EQ(buttons[0].caption.size(), caption.size());
    EXPECT_TRUE(buttons[0].caption == caption)
        << "caption \"" << ToUtf8(buttons[0].caption.substr(0, 80)) << "\"";
  }
}

void HostileSettings::ExpectPress(HWND main) {
  const HostileCase& c = GetParam();
  if (c.press == Press::None) return;
  ASSERT_TRUE(ClickButton(ChildWithId(main, GameButtonId(1))));
  switch (c.press) {
    case Press::LauncherMessage:
    case Press::ErrorBox: {
      const std::optional<MessageBoxFacts> box = WaitForBox();
      ASSERT_TRUE(box);
      if (c.press == Press::LauncherMessage) {
        ExpectLauncherMessage(*box, c.text);
      } else {
        ExpectErrorBox(*box, u"zixgame", c.text);
      }
      ASSERT_TRUE(PressOk(*box, kBoxGoneMs));
      EXPECT_TRUE(IsWindowEnabled(main)) << "the launcher goes on after the box";
      break;
    }
    case Press::GameStarted: {
      const std::vector<GameRecord> records = WaitForRecords(1);
      ASSERT_EQ(records.size(), 1u) << "the game did not start";
      const std::u16string file = folder_.Path() + c.game;
      EXPECT_EQ(records[0].programPath, FullPath(file)) << ToUtf8(records[0].programPath);
      EXPECT_EQ(records[0].commandLine, u"\"" + file + u"\" " + c.params)
          << ToUtf8(records[0].commandLine);
      EXPECT_EQ(records[0].workingFolder, ReportedWorkingFolder(folder_.Path() + c.workingFolder))
          << ToUtf8(records[0].workingFolder);
      break;
    }
    case Press::NoOwnMessage: {
      // A start the system cannot make as asked is the shell's business (Wine goes on in the
      // launcher's own folder, or cuts the command line short); the launcher shows nothing of
      // its own and starts nothing else.
      Sleep(kQuietMs);
      const std::vector<GameRecord> records = Records();
      EXPECT_LE(records.size(), 1u);
      for (const GameRecord& record : records) {
        EXPECT_EQ(record.programPath, FullPath(folder_.Path() + c.game))
            << ToUtf8(record.programPath);
        std::cout << "[ hostile  ] started in \"" << ToUtf8(record.workingFolder) << "\" with "
                  << record.commandLine.size() << " characters of command line\n";
      }
      break;
    }
    case Press::None:
      break;
  }
  EXPECT_TRUE(VisibleMessageBoxes(Launcher().Id()).empty());
}

TEST_P(HostileSettings, EndsAsStated) {
  const HostileCase& c = GetParam();
  for (const std::u16string& game : c.games) ASSERT_TRUE(folder_.AddFakeGame(game));
  for (const std::u16string& folder : c.folders) ASSERT_TRUE(folder_.AddFolder(folder));
  UniqueFileHandle holder;
  if (c.form == SettingsForm::Folder) {
    ASSERT_TRUE(folder_.AddFolder(u"zixgame.ini"));
  } else {
    ASSERT_TRUE(folder_.WriteSettings(c.settings()));
  }
  if (c.form == SettingsForm::HeldForWriting) {
    SnapshotFolderNow();  // while the file can still be read whole
    holder.reset(CreateFileW(ToWide(folder_.Path() + u"zixgame.ini").c_str(), GENERIC_WRITE,
                             FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                             nullptr));
    ASSERT_TRUE(holder) << "cannot hold the settings file open, error " << GetLastError();
  }

  const ULONGLONG started = GetTickCount64();
  ASSERT_TRUE(Start());
  const Sighting first = WaitForSighting(Launcher(), c.boundMs);
  std::cout << "[ hostile  ] " << c.name << ": first sight after " << GetTickCount64() - started
            << " ms (bound " << c.boundMs << " ms)\n";
  if (!c.fatalClass.empty()) {
    ASSERT_EQ(first.what, Sight::MessageBox) << "saw " << SightName(first.what) << " first";
    ExpectFatalEnd(first.window);
    holder.reset();
    EXPECT_EQ(WaitForExit(), 1u);
    return;
  }
  ASSERT_EQ(first.what, Sight::MainWindow) << "saw " << SightName(first.what) << " first";
  ExpectWindow(first.window);
  ExpectPress(first.window);
  EXPECT_EQ(CloseAndWaitForExit(first.window), 0u);
}

std::u16string TooManyButtons(const LauncherFolder&) {
  return u"Cannot create game button 10001: a window holds at most 10000 game buttons.";
}

std::u16string CannotOpen(const LauncherFolder& folder) {
  return u"Cannot open file \"" + folder.Path() + u"zixgame.ini\". ";
}

// 2^20 code units of mixed scripts, as text and as its UTF-8 bytes.
std::u16string MegabyteText() {
  std::u16string text;
  while (text.size() < (1u << 20)) text += u"长标题 Long title ";
  text.resize(1u << 20);
  return text;
}

std::string MegabyteTitleAndCaption() {
  const std::string text = ToUtf8(MegabyteText());
  return Utf8File(Grid(2, 2, "title=" + text + "\r\n[1]\r\nText=" + text + "\r\n"));
}

// Captions either side of the longest one the launcher gives a button as it creates it; a
// longer one is set afterwards. Both ways must show the whole caption.
template <size_t Length>
std::u16string CaptionOfLength() {
  std::u16string text;
  while (text.size() < Length) text += u"标题 caption ";
  text.resize(Length);
  text.back() = u'|';  // an end that trimming leaves alone
  return text;
}
template <size_t Length>
std::string SettingsWithCaptionOfLength() {
  return Utf8File(Grid(2, 2, "[1]\r\nText=" + ToUtf8(CaptionOfLength<Length>()) + "\r\n"));
}

// Trimming takes the control characters at either end and keeps the ones inside.
std::string ControlCharacters() {
  return Grid(2, 2,
              "title=a\x01ti\ttle\x1b\r\n[1]\r\nText=\x01"
              "a\tb\x7f"
              "c\x08\x1f\r\n");
}
std::u16string ControlTitle() { return u"a\x01ti\ttle"; }
std::u16string ControlCaption() {
  return u"a\tb\x7f"
         u"c";
}

// 50 MB of comments, and the real settings at the very end.
std::string FiftyMegabytes() {
  constexpr std::string_view kLine =
      "; filler line of a settings file that has grown far too big\r\n";
  std::string bytes = Repeated(kLine, (50u << 20) / kLine.size() * kLine.size());
  return bytes + "[set]\r\ntitle=after fifty megabytes\r\nCount=2\r\n[1]\r\nText=first\r\n";
}
std::u16string FiftyMegabytesTitle() { return u"after fifty megabytes"; }
std::u16string FiftyMegabytesCaption() { return u"first"; }

std::string NonAsciiNames() {
  return Utf8File(Grid(2, 2,
                       "[1]\r\nexe=子 目录\\游戏 名 Ünï.exe\r\nParam=-名字 \"带 空格\"\r\n"
                       "curDir=存档 夹\r\n"));
}

// More than the 32,767 characters a command line can hold.
std::string LongParameters() {
  return Grid(2, 2, "[1]\r\nexe=fake.exe\r\nParam=" + std::string(40000, '-'));
}

// Random bytes read as the ANSI code page: the text ends at the first zero byte.
std::string RandomFile() { return RandomBytes(1u << 16, 7); }

// A megabyte of random bytes with no zero byte to end the text early.
std::string RandomFileWithoutZero() {
  std::string bytes = RandomBytes(1u << 20, 11);
  for (char& b : bytes) b = b == '\0' ? '\n' : b;
  return bytes;
}

const WindowExpect kDefaults{.width = 460, .height = 290};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Table, HostileSettings,
    ::testing::Values(
        // Wine never refuses a window; its server fails for the whole session near 32,700 of
        // them. The launcher stops at the 10,000 a Windows process may hold by default.
        HostileCase{.name = "CountOfInt32Max", .settings = [] { return Grid(2147483647, 100); },
                    .boundMs = 60000, .fatalClass = u"EOutOfResources", .fatalMessage = TooManyButtons},
        HostileCase{.name = "CountOfHundredThousand", .settings = [] { return Grid(100000, 2); },
                    .boundMs = 60000, .fatalClass = u"EOutOfResources", .fatalMessage = TooManyButtons},
        HostileCase{.name = "ColZero", .settings = [] { return Grid(3, 0); },
                    .window = {.buttons = 3, .columns = 1}},
        HostileCase{.name = "ColNegative", .settings = [] { return Grid(3, -5); },
                    .window = {.buttons = 3, .columns = 1}},
        HostileCase{.name = "SizeZero",
                    .settings = [] { return Grid(2, 2, "width=0\r\nheight=0\r\n"); },
                    .window = {.buttons = 2}},
        HostileCase{.name = "SizeNegative",
                    .settings = [] { return Grid(2, 2, "width=-460\r\nheight=-290\r\n"); },
                    .window = {.buttons = 2}},
        HostileCase{.name = "SizeHuge",
                    .settings = [] { return Grid(2, 2, "width=100000\r\nheight=100000\r\n"); },
                    .window = {.buttons = 2}},
        HostileCase{.name = "ButtonsAndGapsZero",
                    .settings = [] { return Grid(4, 2, "button_width=0\r\nbutton_height=0\r\n"
                                                       "space_x=0\r\nspace_y=0\r\n"); },
                    .window = {.buttons = 4, .buttonWidth = 0, .buttonHeight = 0, .spaceX = 0,
                               .spaceY = 0}},
        HostileCase{.name = "ButtonsAndGapsNegative",
                    .settings = [] { return Grid(4, 2, "button_width=-80\r\nbutton_height=-35\r\n"
                                                       "space_x=-20\r\nspace_y=-7\r\n"); },
                    .window = {.buttons = 4, .buttonWidth = -80, .buttonHeight = -35, .spaceX = -20,
                               .spaceY = -7}},
        HostileCase{.name = "MegabyteTitleAndCaption", .settings = MegabyteTitleAndCaption,
                    .window = {.title = MegabyteText, .buttons = 2, .firstCaption = MegabyteText}},
        HostileCase{.name = "CaptionOf4096Characters", .settings = SettingsWithCaptionOfLength<4096>,
                    .window = {.buttons = 2, .firstCaption = CaptionOfLength<4096>}},
        HostileCase{.name = "CaptionOf4097Characters", .settings = SettingsWithCaptionOfLength<4097>,
                    .window = {.buttons = 2, .firstCaption = CaptionOfLength<4097>}},
        HostileCase{.name = "ControlCharactersInCaptions", .settings = ControlCharacters,
                    .window = {.title = ControlTitle, .buttons = 2, .firstCaption = ControlCaption}},
        HostileCase{.name = "FiftyMegabyteFile", .settings = FiftyMegabytes, .boundMs = 30000,
                    .window = {.title = FiftyMegabytesTitle, .buttons = 2,
                               .firstCaption = FiftyMegabytesCaption}},
        HostileCase{.name = "SettingsFileIsAFolder", .form = SettingsForm::Folder, .window = kDefaults},
        HostileCase{.name = "SettingsFileHeldOpenForWriting", .settings = [] { return Grid(2, 2); },
                    .form = SettingsForm::HeldForWriting, .fatalClass = u"EFOpenError",
                    .fatalMessage = CannotOpen, .fatalPrefix = true},
        HostileCase{.name = "ExeOf32000Characters",
                    .settings = [] { return Grid(2, 2, "[1]\r\nexe=" + std::string(32000, 'g')); },
                    .window = {.buttons = 2}, .press = Press::LauncherMessage,
                    .text = kGameFileMissing},
        HostileCase{.name = "NonAsciiNamesWithSpaces", .settings = NonAsciiNames,
                    .folderName = u"游戏 启动 Ünïcødé", .games = {u"子 目录\\游戏 名 Ünï.exe"},
                    .folders = {u"存档 夹"}, .window = {.buttons = 2}, .press = Press::GameStarted,
                    .game = u"子 目录\\游戏 名 Ünï.exe", .params = u"-名字 \"带 空格\"",
                    .workingFolder = u"存档 夹"},
        HostileCase{.name = "CurDirThatDoesNotExist",
                    .settings = [] { return Grid(2, 2, "[1]\r\nexe=fake.exe\r\ncurDir=no such\r\n"); },
                    .games = {u"fake.exe"}, .window = {.buttons = 2}, .press = Press::NoOwnMessage,
                    .game = u"fake.exe"},
        HostileCase{.name = "ParamOf40000Characters",
                    .settings = LongParameters,
                    .games = {u"fake.exe"}, .window = {.buttons = 2}, .press = Press::NoOwnMessage,
                    .game = u"fake.exe"},
        HostileCase{.name = "ButtonsAndGapsAtTheEndsOfTheRange",
                    .settings = [] { return Grid(3, 2147483647, "button_width=2147483647\r\n"
                                                                "button_height=$7FFFFFFF\r\n"
                                                                "space_x=-2147483648\r\n"
                                                                "space_y=2147483647\r\n"); },
                    .window = {.buttons = 3, .columns = 2147483647, .buttonWidth = 2147483647,
                               .buttonHeight = 2147483647, .spaceX = -2147483647 - 1,
                               .spaceY = 2147483647}},
        HostileCase{.name = "MinOsBeyondDouble",
                    .settings = [] { return Grid(2, 2, "[1]\r\nminOs=1e400\r\nexe=fake.exe\r\n"); },
                    .games = {u"fake.exe"}, .window = {.buttons = 2}, .press = Press::ErrorBox,
                    .text = u"Floating point overflow."},
        HostileCase{.name = "Utf8WithAnInvalidByte",
                    .settings = [] { return Utf8File(Grid(2, 2, "title=bad \xC3\x28 byte\r\n")); },
                    .window = kDefaults},
        HostileCase{.name = "Utf16WithoutMark",
                    .settings = [] { return Utf16LeWithoutMark(u"[set]\r\ntitle=x\r\nCount=2\r\n"); },
                    .window = kDefaults},
        HostileCase{.name = "RandomBytes", .settings = RandomFile, .window = kDefaults},
        HostileCase{.name = "RandomBytesWithoutZero", .settings = RandomFileWithoutZero,
                    .window = kDefaults}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace zix::e2e
