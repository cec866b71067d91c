// What the launcher holds of the window system does not grow with use: message boxes opened and
// closed, and tooltips shown, a hundred times each.

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "e2e_timing.h"
#include "gui_counts.h"
#include "hint_reader.h"
#include "interactive_fixture.h"
#include "launcher_watch.h"
#include "message_box_reader.h"
#include "platform/unique_handle_win32.h"
#include "text_convert.h"
#include "user_input.h"
#include "window_reader.h"

namespace zix::e2e {
namespace {

constexpr int kRounds = 100;
// Caches the system fills on first use (icons, fonts of the box) are not leaks; a leak of one
// object per round shows as a hundred.
constexpr size_t kSlack = 5;

TEST(GuiCounters, TheGdiTableCountFollowsObjectsMadeAndDeleted) {
  const DWORD self = GetCurrentProcessId();
  const std::optional<size_t> before = CountGdiTableEntries(self);
  ASSERT_TRUE(before) << "the GDI handle table cannot be read, so GDI leaks cannot be measured";
  std::vector<UniqueBrush> brushes;
  for (int i = 0; i < 20; ++i) brushes.emplace_back(CreateSolidBrush(RGB(i, 0, 0)));
  EXPECT_EQ(CountGdiTableEntries(self), *before + 20);
  for (UniqueBrush& brush : brushes) EXPECT_TRUE(brush.close());
  EXPECT_EQ(CountGdiTableEntries(self), *before);
}

struct Holdings {
  std::optional<GuiObjects> reported;  // GetGuiResources
  std::optional<size_t> gdiTable;
  size_t windows = 0;
  std::optional<DWORD> kernelHandles;
};

Holdings HoldingsOf(DWORD processId) {
  return {ReadGuiObjects(processId), CountGdiTableEntries(processId), CountWindows(processId),
          CountKernelHandles(processId)};
}

void Print(const char* when, const Holdings& h) {
  std::printf("%s: GetGuiResources GDI %lu (error %lu) USER %lu (error %lu); GDI table %zu; windows %zu; "
              "kernel handles %lu\n",
              when, h.reported ? h.reported->gdi.count : 0, h.reported ? h.reported->gdi.lastError : 0,
              h.reported ? h.reported->user.count : 0, h.reported ? h.reported->user.lastError : 0,
              h.gdiTable.value_or(0), h.windows, h.kernelHandles.value_or(0));
}

void ExpectNoGrowth(const Holdings& before, const Holdings& after) {
  ASSERT_TRUE(before.reported && after.reported) << "cannot open the launcher to ask GetGuiResources";
  // Wine answers 0 with ERROR_CALL_NOT_IMPLEMENTED for every process; its own handle table
  // stands in for the GDI count there, and the windows for the USER objects.
  if (before.reported->gdi.count != 0) {
    EXPECT_LE(after.reported->gdi.count, before.reported->gdi.count + kSlack) << "GDI objects";
  }
  if (before.reported->user.count != 0) {
    EXPECT_LE(after.reported->user.count, before.reported->user.count + kSlack) << "USER objects";
  }
  if (before.reported->gdi.count == 0) {
    ASSERT_TRUE(before.gdiTable && after.gdiTable) << "neither GetGuiResources nor the GDI table counts";
    EXPECT_LE(*after.gdiTable, *before.gdiTable + kSlack) << "GDI objects in the handle table";
  }
  EXPECT_EQ(after.windows, before.windows) << "windows";
  // Wine answers GetProcessHandleCount with 0 handles for every process, which no running
  // process has; such an answer counts nothing.
  if (before.kernelHandles.value_or(0) != 0) {
    ASSERT_TRUE(after.kernelHandles);
    EXPECT_LE(*after.kernelHandles, *before.kernelHandles + kSlack) << "kernel handles";
  }
}

constexpr char kSettings[] =
    "[set]\r\nCount=2\r\nCol=2\r\nspace_x=0\r\n"
    "[1]\r\nText=box\r\nHint=first tip\r\n"  // no game: every press shows the missing-file box
    "[2]\r\nText=tip\r\nHint=second tip\r\n";
const std::u16string kTips[] = {u"first tip", u"second tip"};

class GuiLeak : public InteractiveLauncherTest {
 protected:
  bool BoxRound() {
    if (!MovePointer(CentreOf(GameButton(1))) || !ClickLeft()) return false;
    HWND box = WaitForMessageBox(Launcher(), kAppearMs);
    const std::optional<MessageBoxFacts> facts = box ? ReadMessageBox(box) : std::nullopt;
    return facts && PressOk(*facts, kBoxGoneMs);
  }

  // Shows the tooltips of the two touching buttons in turn; after the first, each shows at once.
  // Each visit lands on another pixel: a window is told of no move to the place where it last
  // saw the pointer, and the boxes' clicks left it on a button's centre.
  bool TooltipRounds(int rounds) {
    for (int round = 0; round < rounds; ++round) {
      const int entry = round % 2 + 1;
      POINT target = CentreOf(GameButton(entry));
      target.x += round / 2 % 8 + 1;
      const ULONGLONG moved = GetTickCount64();
      if (!MovePointer(target)) return false;
      if (!WaitForHint(Launcher().Id(), moved, kAppearMs, &kTips[entry - 1])) {
        const std::optional<HintFacts> shown = VisibleHint(Launcher().Id());
        ADD_FAILURE() << "round " << round << ": no tooltip \"" << ToUtf8(kTips[entry - 1]) << "\"; "
                      << (shown ? "\"" + ToUtf8(shown->text) + "\" was visible" : std::string("none was visible"))
                      << "; the launcher is " << (GetForegroundWindow() == main_ ? "" : "not ") << "in front";
        return false;
      }
    }
    return true;
  }
};

TEST_F(GuiLeak, BoxesAndTooltipsLeaveNothingBehind) {
  ASSERT_TRUE(StartInForeground(kSettings));
  // Caches of the first box and the first tooltips are filled before counting.
  for (int round = 0; round < 3; ++round) ASSERT_TRUE(BoxRound()) << "warm-up box " << round;
  ASSERT_TRUE(TooltipRounds(4));
  ASSERT_TRUE(MovePointer(AwayFromLauncher()));
  ASSERT_TRUE(WaitForHintGone(Launcher().Id(), GetTickCount64(), kAppearMs));
  const Holdings start = HoldingsOf(Launcher().Id());
  Print("start", start);

  for (int round = 0; round < kRounds; ++round) ASSERT_TRUE(BoxRound()) << "box " << round;
  ASSERT_TRUE(MovePointer(AwayFromLauncher()));
  Sleep(kPollMs * 10);
  const Holdings afterBoxes = HoldingsOf(Launcher().Id());
  Print("after 100 boxes", afterBoxes);
  ExpectNoGrowth(start, afterBoxes);

  ASSERT_TRUE(TooltipRounds(kRounds));
  ASSERT_TRUE(MovePointer(AwayFromLauncher()));
  ASSERT_TRUE(WaitForHintGone(Launcher().Id(), GetTickCount64(), kAppearMs));
  const Holdings afterTooltips = HoldingsOf(Launcher().Id());
  Print("after 100 tooltips", afterTooltips);
  ExpectNoGrowth(afterBoxes, afterTooltips);
  EXPECT_EQ(CloseAndWaitForExit(main_), 0u);
}

}  // namespace
}  // namespace zix::e2e
