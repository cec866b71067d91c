// The game buttons' tooltips under real mouse and keyboard input: when they show and hide,
// what they show, where, and what takes them away.

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "e2e_timing.h"
#include "focus_reader.h"
#include "foreign_window.h"
#include "hint_reader.h"
#include "interactive_fixture.h"
#include "platform/unique_handle_win32.h"
#include "text_convert.h"
#include "user_input.h"
#include "window_reader.h"

namespace zix::e2e {
namespace {

constexpr ULONGLONG kHintPause = 500;
constexpr ULONGLONG kHintHidePause = 2500;
// A timer may fire a tick early and the first poll may come a little late; a loaded machine
// may be late by more.
constexpr ULONGLONG kEarlyMs = 30;
constexpr ULONGLONG kLateMs = 400;
// "At once": well inside the pause that a tooltip would otherwise wait for.
constexpr ULONGLONG kAtOnceMs = 200;
// How long a tooltip that must not come is waited for: the pause and more.
constexpr DWORD kNoHintMs = 1200;
constexpr DWORD kGoneMs = 200;
// The system notices a pointer that left the launcher by looking now and then; well inside the
// tooltip's own time all the same.
constexpr DWORD kLeaveNoticedMs = 1000;

// Three touching buttons in a row: 1 with a hint and a hidden part, 2 with an "&", 3 without.
constexpr char kSettings[] =
    "[set]\r\nCount=3\r\nCol=3\r\nspace_x=0\r\n"
    "[1]\r\nText=one\r\nHint=abc|def\r\nexe=game.exe\r\n"
    "[2]\r\nText=two\r\nHint=Tom & Jerry\r\n"
    "[3]\r\nText=three\r\n";
const std::u16string kFirstHint = u"abc";
const std::u16string kSecondHint = u"Tom & Jerry";

class Tooltip : public InteractiveLauncherTest {
 protected:
  // Moves onto the button and waits for its tooltip, checking the time it took.
  std::optional<HintSighting> RestOn(HWND button, const std::u16string& text) {
    const ULONGLONG moved = GetTickCount64();
    if (!MovePointer(CentreOf(button))) {
      ADD_FAILURE() << "cannot move the pointer";
      return std::nullopt;
    }
    std::optional<HintSighting> seen = WaitForHint(Launcher().Id(), moved, kHintPause + kLateMs, &text);
    if (!seen) {
      ADD_FAILURE() << "no tooltip \"" << ToUtf8(text) << "\" within " << kHintPause + kLateMs << " ms";
      return std::nullopt;
    }
    EXPECT_GE(seen->afterMs, kHintPause - kEarlyMs) << "the tooltip came before the pointer had rested";
    return seen;
  }

  void ExpectNoHintFor(DWORD ms, const char* why) {
    const std::optional<HintSighting> seen = WaitForHint(Launcher().Id(), GetTickCount64(), ms);
    EXPECT_FALSE(seen) << why << ": a tooltip \"" << (seen ? ToUtf8(seen->hint.text) : "") << "\" showed after "
                       << (seen ? seen->afterMs : 0) << " ms";
  }

  void ExpectGoneAtOnce(const char* why) {
    EXPECT_TRUE(WaitForHintGone(Launcher().Id(), GetTickCount64(), kGoneMs)) << why;
  }

  // A point of the main window's client area that no button covers.
  POINT EmptyArea() const {
    RECT client{};
    POINT point{4, 4};
    if (GetClientRect(main_, &client)) point.y = client.bottom - 4;
    (void)ClientToScreen(main_, &point);  // a failure leaves a point the test then finds wrong
    return point;
  }
};

TEST_F(Tooltip, ShowsAfterTheRestAndHidesAfterItsTime) {
  ASSERT_TRUE(folder_.AddFakeGame(u"game.exe"));
  ASSERT_TRUE(StartInForeground(kSettings));
  const std::optional<HintSighting> seen = RestOn(GameButton(1), kFirstHint);
  ASSERT_TRUE(seen);
  std::printf("tooltip shown %llu ms after the pointer came to rest\n", seen->afterMs);
  const ULONGLONG shownAt = GetTickCount64();
  const std::optional<ULONGLONG> gone = WaitForHintGone(Launcher().Id(), shownAt, kHintHidePause + kLateMs);
  ASSERT_TRUE(gone) << "the tooltip was still visible " << kHintHidePause + kLateMs << " ms after it showed";
  std::printf("tooltip hidden %llu ms after it was seen\n", *gone);
  // Seen a little after it showed, so the time seen may fall short of the pause by that much.
  EXPECT_GE(*gone, kHintHidePause - 2 * kEarlyMs);

  // It stays hidden while the pointer stays on the button, moving or not.
  POINT inside = CentreOf(GameButton(1));
  inside.x += 3;
  ASSERT_TRUE(MovePointer(inside));
  ExpectNoHintFor(kNoHintMs, "moving inside the button after the tooltip hid");
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

TEST_F(Tooltip, IsATopmostWindowThatTakesNeitherActivationNorFocus) {
  ASSERT_TRUE(StartInForeground(kSettings));
  const ThreadFocus before = FocusOfThreadOf(main_);
  const POINT pointer = CentreOf(GameButton(1));
  const std::optional<HintSighting> seen = RestOn(GameButton(1), kFirstHint);
  ASSERT_TRUE(seen);
  const HintFacts& hint = seen->hint;
  EXPECT_TRUE(hint.exStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(hint.exStyle & WS_EX_NOACTIVATE);
  EXPECT_TRUE(hint.exStyle & WS_EX_TOOLWINDOW) << "a tooltip has no taskbar button";
  EXPECT_EQ(GetForegroundWindow(), main_);
  const ThreadFocus after = FocusOfThreadOf(main_);
  EXPECT_EQ(after.active, main_);
  EXPECT_EQ(after.focus, before.focus) << "the focus stays where it was";
  EXPECT_NE(after.focus, hint.window);

  // Just under the pointer: its left edge at the hot spot, its top below the pointer's shape.
  EXPECT_EQ(hint.outer.left, pointer.x);
  EXPECT_GT(hint.outer.top, pointer.y);
  EXPECT_LE(hint.outer.top, pointer.y + GetSystemMetrics(SM_CYCURSOR));
  std::printf("tooltip top %ld px below the hot spot\n", hint.outer.top - pointer.y);
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

// Colours the test sets for the session, put back when it ends.
class ScopedSystemColours {
 public:
  ScopedSystemColours(COLORREF background, COLORREF text)
      : saved_{GetSysColor(COLOR_INFOBK), GetSysColor(COLOR_INFOTEXT)} {
    const COLORREF wanted[2] = {background, text};
    applied_ = SetSysColors(2, kElements, wanted) != FALSE;
  }
  ~ScopedSystemColours() {
    if (applied_) (void)SetSysColors(2, kElements, saved_);  // nothing more to do if the session refuses
  }
  ScopedSystemColours(const ScopedSystemColours&) = delete;
  ScopedSystemColours& operator=(const ScopedSystemColours&) = delete;
  bool ok() const { return applied_; }

 private:
  static constexpr int kElements[2] = {COLOR_INFOBK, COLOR_INFOTEXT};
  COLORREF saved_[2];
  bool applied_ = false;
};

size_t PixelsOfColour(const RECT& area, COLORREF colour) {
  const ScreenDC screen;
  if (!screen) return 0;
  size_t count = 0;
  for (LONG y = area.top; y < area.bottom; ++y) {
    for (LONG x = area.left; x < area.right; ++x) {
      count += GetPixel(screen.get(), x, y) == colour ? 1 : 0;
    }
  }
  return count;
}

// Colours no theme uses for tooltips, so that a window drawn in any other colour shows.
TEST_F(Tooltip, IsDrawnInTheSystemsTooltipColours) {
  const COLORREF background = RGB(255, 240, 0);
  const COLORREF text = RGB(0, 0, 200);
  const ScopedSystemColours colours(background, text);
  ASSERT_TRUE(colours.ok());
  ASSERT_TRUE(StartInForeground(kSettings));
  const std::optional<HintSighting> seen = RestOn(GameButton(1), kFirstHint);
  ASSERT_TRUE(seen);
  Sleep(kGoneMs);  // painted, since the window is shown painted, but the screen may lag behind
  RECT inside = seen->hint.outer;
  InflateRect(&inside, -1, -1);  // the frame
  const size_t all = static_cast<size_t>(inside.right - inside.left) * static_cast<size_t>(inside.bottom - inside.top);
  const size_t backgroundPixels = PixelsOfColour(inside, background);
  const size_t textPixels = PixelsOfColour(inside, text);
  EXPECT_GT(backgroundPixels, all / 2) << "most of the tooltip is its background";
  EXPECT_GT(textPixels, 0u) << "the text is drawn in the tooltip text colour";
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

struct TextCase {
  const char* name;
  int entry;
  std::optional<std::u16string> shown;  // nothing: no tooltip
};

class TooltipText : public Tooltip, public ::testing::WithParamInterface<TextCase> {};

TEST_P(TooltipText, ShowsThePartBeforeThePipeAsItStands) {
  const TextCase& c = GetParam();
  ASSERT_TRUE(StartInForeground(kSettings));
  if (c.shown) {
    const std::optional<HintSighting> seen = RestOn(GameButton(c.entry), *c.shown);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->hint.text, *c.shown);
  } else {
    ASSERT_TRUE(MovePointer(CentreOf(GameButton(c.entry))));
    ExpectNoHintFor(kNoHintMs, "a button without a hint");
  }
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Hints, TooltipText,
    ::testing::Values(TextCase{"PipeCutsTheHint", 1, u"abc"},
                      TextCase{"AmpersandIsShownUnchanged", 2, u"Tom & Jerry"},
                      TextCase{"EmptyHintShowsNothing", 3, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// The window text cannot tell how the text was drawn; the width can: were "&" a prefix marker,
// "A&B" would be drawn as an "A" and an underlined "B", exactly as wide as "AB".
TEST_F(Tooltip, AnAmpersandIsDrawn) {
  ASSERT_TRUE(StartInForeground("[set]\r\nCount=2\r\nCol=2\r\nspace_x=0\r\n"
                                "[1]\r\nText=one\r\nHint=A&B\r\n"
                                "[2]\r\nText=two\r\nHint=AB\r\n"));
  const std::optional<HintSighting> withAmpersand = RestOn(GameButton(1), u"A&B");
  ASSERT_TRUE(withAmpersand);
  ASSERT_TRUE(MovePointer(CentreOf(GameButton(2))));
  const std::u16string plain = u"AB";
  const std::optional<HintSighting> without = WaitForHint(Launcher().Id(), GetTickCount64(), kAtOnceMs, &plain);
  ASSERT_TRUE(without);
  EXPECT_GT(withAmpersand->hint.outer.right - withAmpersand->hint.outer.left,
            without->hint.outer.right - without->hint.outer.left)
      << "the \"&\" of \"A&B\" takes room of its own";
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

TEST_F(Tooltip, LeavingTheButtonAndComingBackShowsItAgainAfterThePause) {
  ASSERT_TRUE(StartInForeground(kSettings));
  ASSERT_TRUE(RestOn(GameButton(1), kFirstHint));
  ASSERT_TRUE(MovePointer(EmptyArea()));
  ExpectGoneAtOnce("the pointer left for the empty window area");
  ExpectNoHintFor(kNoHintMs, "the pointer rests on the empty window area");
  const std::optional<HintSighting> again = RestOn(GameButton(1), kFirstHint);
  ASSERT_TRUE(again);
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

TEST_F(Tooltip, LeavingTheLauncherTakesTheTooltipAway) {
  ASSERT_TRUE(StartInForeground(kSettings));
  ASSERT_TRUE(RestOn(GameButton(1), kFirstHint));
  const ULONGLONG left = GetTickCount64();
  ASSERT_TRUE(MovePointer(AwayFromLauncher()));
  const std::optional<ULONGLONG> gone = WaitForHintGone(Launcher().Id(), left, kLeaveNoticedMs);
  EXPECT_TRUE(gone) << "the tooltip stayed after the pointer left the launcher";
  if (gone) std::printf("tooltip gone %llu ms after the pointer left the launcher\n", *gone);
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

class TouchingNeighbour : public Tooltip, public ::testing::WithParamInterface<bool> {};

TEST_P(TouchingNeighbour, ShowsTheNeighboursTooltipAtOnce) {
  const bool waitUntilHidden = GetParam();
  ASSERT_TRUE(StartInForeground(kSettings));
  ASSERT_TRUE(RestOn(GameButton(1), kFirstHint));
  if (waitUntilHidden) {
    ASSERT_TRUE(WaitForHintGone(Launcher().Id(), GetTickCount64(), kHintHidePause + kLateMs));
  }
  const ULONGLONG moved = GetTickCount64();
  ASSERT_TRUE(MovePointer(CentreOf(GameButton(2))));
  const std::optional<HintSighting> next = WaitForHint(Launcher().Id(), moved, kAtOnceMs, &kSecondHint);
  EXPECT_TRUE(next) << "the neighbour's tooltip did not show within " << kAtOnceMs << " ms";
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

INSTANTIATE_TEST_SUITE_P(ShownOrHidden, TouchingNeighbour, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "Hidden" : "Shown"); });

TEST_F(Tooltip, AClickTakesAShownTooltipAway) {
  ASSERT_TRUE(folder_.AddFakeGame(u"game.exe"));
  ASSERT_TRUE(StartInForeground(kSettings));
  ASSERT_TRUE(RestOn(GameButton(1), kFirstHint));
  ASSERT_TRUE(ClickLeft());
  ExpectGoneAtOnce("a click on the button");
  EXPECT_EQ(WaitForRecords(1).size(), 1u) << "the click pressed the button";
  ExpectNoHintFor(kNoHintMs, "after a click the pointer must move and rest again");
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

TEST_F(Tooltip, AClickCancelsAPendingTooltip) {
  ASSERT_TRUE(StartInForeground(kSettings));
  ASSERT_TRUE(MovePointer(CentreOf(GameButton(2))));
  Sleep(kHintPause / 3);
  ASSERT_TRUE(ClickRight());
  ExpectNoHintFor(kNoHintMs, "a click while the tooltip was pending");
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

TEST_F(Tooltip, AKeyTakesAShownTooltipAway) {
  ASSERT_TRUE(StartInForeground(kSettings));
  ASSERT_TRUE(RestOn(GameButton(1), kFirstHint));
  ASSERT_TRUE(TapKey(VK_SHIFT));
  ExpectGoneAtOnce("a key press");
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

TEST_F(Tooltip, AKeyCancelsAPendingTooltip) {
  ASSERT_TRUE(StartInForeground(kSettings));
  ASSERT_TRUE(MovePointer(CentreOf(GameButton(2))));
  Sleep(kHintPause / 3);
  ASSERT_TRUE(TapKey(VK_SHIFT));
  ExpectNoHintFor(kNoHintMs, "a key press while the tooltip was pending");
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

TEST_F(Tooltip, WithAnotherProgramActiveNoTooltipShows) {
  ASSERT_TRUE(StartInForeground(kSettings));
  const ForeignWindow other(RECT{0, 0, 160, 120});
  ASSERT_TRUE(other.Window());
  ASSERT_TRUE(BringToForeground(other.Window(), kAppearMs));
  ASSERT_TRUE(MovePointer(CentreOf(GameButton(1))));
  ExpectNoHintFor(kNoHintMs + kHintPause, "another program is active");
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

TEST_F(Tooltip, LosingTheActivationTakesTheTooltipAway) {
  ASSERT_TRUE(StartInForeground(kSettings));
  ASSERT_TRUE(RestOn(GameButton(1), kFirstHint));
  const ForeignWindow other(RECT{0, 0, 160, 120});
  ASSERT_TRUE(other.Window());
  ASSERT_TRUE(BringToForeground(other.Window(), kAppearMs));
  ExpectGoneAtOnce("another program became active");
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

TEST_F(Tooltip, ALongTextWrapsAndStaysOnTheScreen) {
  std::string words = "wrapping";
  for (int i = 0; i < 60; ++i) words += " words that wrap";
  ASSERT_TRUE(StartInForeground("[set]\r\nCount=2\r\n[1]\r\nText=short\r\nHint=short\r\n"
                                "[2]\r\nText=long\r\nHint=" + words + "\r\n"));
  const std::optional<HintSighting> wide = RestOn(GameButton(2), FromUtf8(words));
  ASSERT_TRUE(wide);
  const RECT& outer = wide->hint.outer;
  EXPECT_GE(outer.left, 0);
  EXPECT_LE(outer.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_LT(outer.left, CentreOf(GameButton(2)).x) << "moved left to stay on the screen";

  ASSERT_TRUE(MovePointer(EmptyArea()));
  ExpectGoneAtOnce("the pointer left for the empty window area");
  const std::optional<HintSighting> narrow = RestOn(GameButton(1), u"short");
  ASSERT_TRUE(narrow);
  const LONG oneLine = narrow->hint.outer.bottom - narrow->hint.outer.top;
  // Frame and margins come once, the lines of text add up: two lines need at least this.
  EXPECT_GE(outer.bottom - outer.top, 2 * oneLine - 4) << "the long text wrapped onto more lines";
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

}  // namespace
}  // namespace zix::e2e
