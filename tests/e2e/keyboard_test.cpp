// The game buttons under a real keyboard: which keys move the focus, which press a button (seen
// through the game it starts), the default button's look on the focused one, and Esc.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "e2e_timing.h"
#include "focus_reader.h"
#include "interactive_fixture.h"
#include "text_convert.h"
#include "user_input.h"
#include "window_reader.h"

namespace zix::e2e {
namespace {

// Three buttons in a row, each starting a game of its own name. "&Play" has the access key P,
// "Tom && Jerry" none, "th&ree" the key R.
constexpr char kSettings[] =
    "[set]\r\nCount=3\r\nCol=3\r\n"
    "[1]\r\nText=&Play\r\nexe=one.exe\r\n"
    "[2]\r\nText=Tom && Jerry\r\nexe=two.exe\r\n"
    "[3]\r\nText=th&ree\r\nexe=three.exe\r\n";
const char16_t* const kGames[] = {u"one.exe", u"two.exe", u"three.exe"};

class Keyboard : public InteractiveLauncherTest {
 protected:
  void SetUp() override {
    InteractiveLauncherTest::SetUp();
    for (const char16_t* game : kGames) ASSERT_TRUE(folder_.AddFakeGame(game));
  }

  // The entry whose button has the launcher's focus once it settles on `expected`, or whatever it
  // has after the wait (0: none of the game buttons).
  int WaitForFocusOn(int expected) {
    int focused = 0;
    // The entry is the answer; whether the wait ran out is not.
    (void)WaitUntil([&] { return (focused = FocusedEntry()) == expected; }, kQuietMs);
    return focused;
  }

  int FocusedEntry() const {
    const HWND focus = FocusOfThreadOf(main_).focus;
    for (int entry = 1; entry <= 3; ++entry) {
      if (focus != nullptr && focus == GameButton(entry)) return entry;
    }
    return 0;
  }

  // Exactly the focused button is drawn as the default one; waits, bounded, for it to settle.
  void ExpectDefaultLookOn(int entry) {
    std::vector<LONG_PTR> types;
    const bool settled = WaitUntil(
        [&] {
          types.clear();
          for (int e = 1; e <= 3; ++e) types.push_back(GetWindowLongPtrW(GameButton(e), GWL_STYLE) & BS_TYPEMASK);
          bool asExpected = true;
          for (int e = 1; e <= 3; ++e) {
            asExpected &= types[static_cast<size_t>(e - 1)] == (e == entry ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
          }
          return asExpected;
        },
        kQuietMs);
    if (settled) return;
    ADD_FAILURE() << "button types " << types[0] << " " << types[1] << " " << types[2]
                  << "; expected the default type " << BS_DEFPUSHBUTTON << " on entry " << entry << " only";
  }

  // The game that the one start since the run began was of; "" when none started.
  std::u16string StartedGame() {
    const std::vector<GameRecord> records = WaitForRecords(1);
    if (records.empty()) return u"";
    EXPECT_EQ(records.size(), 1u) << "one press, one start";
    const std::u16string& path = records.front().programPath;
    return path.substr(path.find_last_of(u'\\') + 1);
  }

  void ExpectNothingStarted(const char* why) {
    Sleep(kQuietMs);
    EXPECT_TRUE(Records().empty()) << why;
  }
};

TEST_F(Keyboard, ActivationFocusesTheFirstButtonAndDrawsItAsTheDefault) {
  ASSERT_TRUE(StartInForeground(kSettings));
  EXPECT_EQ(WaitForFocusOn(1), 1);
  ExpectDefaultLookOn(1);
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

struct Step {
  const char* name;
  WORD key;
  std::vector<WORD> modifiers;
  int focusAfter;  // the entry whose button has the focus afterwards
};

// One walk through the buttons: each step starts where the one before left the focus.
const Step kWalk[] = {
    {"Tab", VK_TAB, {}, 2},
    {"Tab", VK_TAB, {}, 3},
    {"Tab from the last wraps to the first", VK_TAB, {}, 1},
    {"Shift+Tab from the first wraps to the last", VK_TAB, {VK_SHIFT}, 3},
    {"Shift+Tab", VK_TAB, {VK_SHIFT}, 2},
    {"Right", VK_RIGHT, {}, 3},
    {"Right from the last wraps", VK_RIGHT, {}, 1},
    {"Left from the first wraps", VK_LEFT, {}, 3},
    {"Down from the last wraps", VK_DOWN, {}, 1},
    {"Up from the first wraps", VK_UP, {}, 3},
    {"Left", VK_LEFT, {}, 2},
    {"Ctrl+Tab is not a move", VK_TAB, {VK_CONTROL}, 2},
    {"Esc does nothing", VK_ESCAPE, {}, 2},
};

TEST_F(Keyboard, TabShiftTabAndArrowsMoveTheFocusWithWrapAround) {
  ASSERT_TRUE(StartInForeground(kSettings));
  ASSERT_EQ(WaitForFocusOn(1), 1);
  for (const Step& step : kWalk) {
    SCOPED_TRACE(step.name);
    ASSERT_TRUE(TapKey(step.key, step.modifiers));
    EXPECT_EQ(WaitForFocusOn(step.focusAfter), step.focusAfter);
    ExpectDefaultLookOn(step.focusAfter);
  }
  EXPECT_TRUE(Records().empty()) << "no key of the walk presses a button";
  EXPECT_TRUE(IsWindowVisible(main_));
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

struct PressCase {
  const char* name;
  std::vector<Step> keys;  // typed in order; the last one presses
  std::u16string started;  // "" when nothing must start
};

void PrintTo(const PressCase& c, std::ostream* os) { *os << c.name; }

class KeyPress : public Keyboard, public ::testing::WithParamInterface<PressCase> {};

TEST_P(KeyPress, PressesTheRightButton) {
  const PressCase& c = GetParam();
  ASSERT_TRUE(StartInForeground(kSettings));
  ASSERT_EQ(WaitForFocusOn(1), 1);
  for (const Step& key : c.keys) {
    SCOPED_TRACE(key.name);
    ASSERT_TRUE(TapKey(key.key, key.modifiers));
    if (key.focusAfter != 0) {
      ASSERT_EQ(WaitForFocusOn(key.focusAfter), key.focusAfter);
    }
  }
  if (c.started.empty()) {
    ExpectNothingStarted("the key presses no button");
  } else {
    EXPECT_EQ(StartedGame(), c.started);
  }
  EXPECT_TRUE(Launcher().Running());
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyPress,
    ::testing::Values(
        PressCase{"EnterPressesTheFirst", {{"Enter", VK_RETURN, {}, 0}}, u"one.exe"},
        PressCase{"EnterPressesTheOneTabbedTo", {{"Tab", VK_TAB, {}, 2}, {"Enter", VK_RETURN, {}, 0}}, u"two.exe"},
        PressCase{"EnterAfterShiftTab", {{"Shift+Tab", VK_TAB, {VK_SHIFT}, 3}, {"Enter", VK_RETURN, {}, 0}},
                  u"three.exe"},
        PressCase{"ShiftEnterPressesNothing", {{"Shift+Enter", VK_RETURN, {VK_SHIFT}, 0}}, u""},
        PressCase{"CtrlEnterPressesNothing", {{"Ctrl+Enter", VK_RETURN, {VK_CONTROL}, 0}}, u""},
        PressCase{"EscPressesNothing", {{"Esc", VK_ESCAPE, {}, 0}}, u""},
        PressCase{"AccessKeyTypedAlone", {{"Tab", VK_TAB, {}, 2}, {"P", 'P', {}, 0}}, u"one.exe"},
        PressCase{"AccessKeyWithAlt", {{"Alt+P", 'P', {VK_MENU}, 0}}, u"one.exe"},
        PressCase{"AccessKeyInCapitals", {{"Shift+R", 'R', {VK_SHIFT}, 0}}, u"three.exe"},
        PressCase{"AccessKeyOfAnotherButtonWithAlt", {{"Alt+R", 'R', {VK_MENU}, 0}}, u"three.exe"},
        PressCase{"DoubledAmpersandIsNoAccessKey", {{"J", 'J', {}, 0}}, u""},
        PressCase{"DoubledAmpersandIsNoAccessKeyWithAlt", {{"Alt+J", 'J', {VK_MENU}, 0}}, u""},
        PressCase{"AnotherLetterPressesNothing", {{"X", 'X', {}, 0}}, u""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Keyboard, AClickMovesTheFocusAndTheDefaultLook) {
  ASSERT_TRUE(StartInForeground(kSettings));
  ASSERT_EQ(WaitForFocusOn(1), 1);
  ASSERT_TRUE(MovePointer(CentreOf(GameButton(3))));
  ASSERT_TRUE(ClickLeft());
  EXPECT_EQ(StartedGame(), u"three.exe");
  EXPECT_EQ(WaitForFocusOn(3), 3);
  ExpectDefaultLookOn(3);
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

}  // namespace
}  // namespace zix::e2e
