// The grid of game buttons: how many, their captions, and where each sits, worked out here
// from the client size Windows reports for the window, never from an assumed frame.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "launcher/game_button_ids.h"
#include "launcher_fixture.h"
#include "settings_bytes.h"
#include "text_convert.h"
#include "window_reader.h"

namespace zix::e2e {
namespace {


struct GridCase {
  const char* name = "";
  int count = 0;
  std::optional<int> col = std::nullopt;  // absent: the key is not written
  std::optional<int> buttonWidth = std::nullopt;
  std::optional<int> buttonHeight = std::nullopt;
  std::optional<int> spaceX = std::nullopt;
  std::optional<int> spaceY = std::nullopt;
  std::optional<int> width = std::nullopt;
  std::optional<int> height = std::nullopt;
};

void PrintTo(const GridCase& c, std::ostream* os) { *os << c.name; }

void AddKey(std::string& text, const char* key, const std::optional<int>& value) {
  if (value) text += std::string(key) + "=" + std::to_string(*value) + "\r\n";
}

std::string GridSettings(const GridCase& c) {
  std::string text = "[set]\r\nCount=" + std::to_string(c.count) + "\r\n";
  AddKey(text, "Col", c.col);
  AddKey(text, "button_width", c.buttonWidth);
  AddKey(text, "button_height", c.buttonHeight);
  AddKey(text, "space_x", c.spaceX);
  AddKey(text, "space_y", c.spaceY);
  AddKey(text, "width", c.width);
  AddKey(text, "height", c.height);
  for (int n = 1; n <= c.count; ++n) {
    text += "[" + std::to_string(n) + "]\r\nText=游戏 " + std::to_string(n) + "\r\n";
  }
  return Utf8File(text);
}

// The grid centred in the client area: a full row of Col buttons across, the filled rows
// down, with division that truncates toward zero as C++ does.
RECT ExpectedRect(const GridCase& c, int index, int clientWidth, int clientHeight) {
  const int col = std::max(1, c.col.value_or(2));
  const int bw = c.buttonWidth.value_or(80);
  const int bh = c.buttonHeight.value_or(35);
  const int sx = c.spaceX.value_or(20);
  const int sy = c.spaceY.value_or(20);
  const int rows = (c.count + col - 1) / col;
  const int originX = (clientWidth - (col * bw + (col - 1) * sx)) / 2;
  const int originY = (clientHeight - (rows * (bh + sy) - sy)) / 2;
  const int left = (index % col) * (bw + sx) + originX;
  const int top = (index / col) * (bh + sy) + originY;
  return RECT{left, top, left + bw, top + bh};
}

std::string Show(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

class ButtonGrid : public LauncherTest, public ::testing::WithParamInterface<GridCase> {};

TEST_P(ButtonGrid, ButtonsSitWhereTheGridPutsThem) {
  const GridCase& c = GetParam();
  ASSERT_TRUE(folder_.WriteSettings(GridSettings(c)));
  ASSERT_TRUE(Start());
  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  const std::optional<WindowFacts> window = ReadWindow(main);
  ASSERT_TRUE(window);
  EXPECT_EQ(window->outer.right - window->outer.left, c.width.value_or(460));
  EXPECT_EQ(window->outer.bottom - window->outer.top, c.height.value_or(290));

  const std::vector<ButtonFacts> buttons = ReadButtons(main);
  ASSERT_EQ(buttons.size(), static_cast<size_t>(c.count));
  for (int i = 0; i < c.count; ++i) {
    const ButtonFacts& button = buttons[static_cast<size_t>(i)];
    SCOPED_TRACE("entry " + std::to_string(i + 1));
    EXPECT_EQ(button.id, GameButtonId(1 + i));
    EXPECT_EQ(button.caption, u"游戏 " + FromUtf8(std::to_string(i + 1)));
    const RECT expected = ExpectedRect(c, i, window->clientWidth, window->clientHeight);
    EXPECT_TRUE(EqualRect(&button.rect, &expected))
        << "at " << Show(button.rect) << ", expected " << Show(expected) << " in a client area of "
        << window->clientWidth << "x" << window->clientHeight;
    EXPECT_TRUE(button.visible);
    EXPECT_TRUE(button.enabled);
    // The button with the focus, the first one after activation, is drawn as the default one.
    const LONG_PTR type = button.style & BS_TYPEMASK;
    EXPECT_TRUE(type == BS_PUSHBUTTON || (i == 0 && type == BS_DEFPUSHBUTTON)) << "button type " << type;
    EXPECT_TRUE(button.style & WS_TABSTOP);
  }
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Grids, ButtonGrid,
    ::testing::Values(
        GridCase{.name = "FiveInTwoColumns", .count = 5, .col = 2},
        GridCase{.name = "FourInThreeColumns", .count = 4, .col = 3},
        GridCase{.name = "TwoInThreeColumnsTakeTheLeftPlaces", .count = 2, .col = 3},
        GridCase{.name = "ThreeInOneColumn", .count = 3, .col = 1},
        GridCase{.name = "ColumnsDefaultToTwo", .count = 3},
        GridCase{.name = "ColZeroIsOneColumn", .count = 3, .col = 0},
        GridCase{.name = "NegativeColIsOneColumn", .count = 2, .col = -5},
        GridCase{.name = "WiderThanTheWindow", .count = 3, .col = 3, .buttonWidth = 200},
        GridCase{.name = "TallerThanTheWindow", .count = 6, .col = 1, .buttonHeight = 60},
        GridCase{.name = "OwnSizesAndGaps", .count = 7, .col = 3, .buttonWidth = 120, .buttonHeight = 50,
                 .spaceX = 10, .spaceY = 5, .width = 700, .height = 500},
        GridCase{.name = "NegativeGaps", .count = 4, .col = 2, .buttonWidth = 90, .buttonHeight = 40,
                 .spaceX = -10, .spaceY = -3},
        GridCase{.name = "OffByOneSizes", .count = 3, .col = 2, .buttonWidth = 81, .buttonHeight = 36,
                 .spaceX = 21, .spaceY = 21, .width = 461, .height = 291}),
    [](const auto& info) { return std::string(info.param.name); });

// With the client size measured first, the grid is made exactly 45 pixels wider and taller
// than the client area: the origin must be -22 (truncated toward zero), not -23.
using ButtonGridOrigin = LauncherTest;

TEST_F(ButtonGridOrigin, OddNegativeDifferenceTruncatesTowardZero) {
  ASSERT_TRUE(folder_.WriteSettings("[set]\r\nwidth=300\r\nheight=200\r\n"));
  ASSERT_TRUE(Start());
  HWND probe = WaitForMainWindow();
  ASSERT_TRUE(probe);
  const std::optional<WindowFacts> measured = ReadWindow(probe);
  ASSERT_TRUE(measured);
  EXPECT_EQ(CloseAndWaitForExit(probe), 0u);

  // One column of two buttons: width - client = 45; 2 * height + gap - client = 45.
  const int buttonWidth = measured->clientWidth + 45;
  const int buttonHeight = (measured->clientHeight + 45) / 2;
  const int spaceY = measured->clientHeight + 45 - 2 * buttonHeight;
  ASSERT_TRUE(folder_.WriteSettings("[set]\r\nwidth=300\r\nheight=200\r\nCount=2\r\nCol=1\r\n"
                                    "button_width=" + std::to_string(buttonWidth) +
                                    "\r\nbutton_height=" + std::to_string(buttonHeight) +
                                    "\r\nspace_y=" + std::to_string(spaceY) + "\r\n"));
  ASSERT_TRUE(Start());
  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  const std::optional<WindowFacts> window = ReadWindow(main);
  ASSERT_TRUE(window);
  ASSERT_EQ(window->clientWidth, measured->clientWidth);
  ASSERT_EQ(window->clientHeight, measured->clientHeight);
  const std::vector<ButtonFacts> buttons = ReadButtons(main);
  ASSERT_EQ(buttons.size(), 2u);
  EXPECT_EQ(buttons[0].rect.left, -22);
  EXPECT_EQ(buttons[0].rect.top, -22);
  EXPECT_EQ(buttons[1].rect.left, -22);
  EXPECT_EQ(buttons[1].rect.top, -22 + buttonHeight + spaceY);
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

}  // namespace
}  // namespace zix::e2e
