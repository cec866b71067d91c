#include "launcher/grid_layout.h"

#include <gtest/gtest.h>

#include <climits>

#include "unit/fake_settings.h"

namespace zix {
namespace {

using testing::IniFromText;

StartupSettings Grid(int32_t count, int32_t col, int32_t bw = 80, int32_t bh = 35, int32_t sx = 20,
                     int32_t sy = 20) {
  StartupSettings s;
  s.count = count;
  s.col = col;
  s.buttonWidth = bw;
  s.buttonHeight = bh;
  s.spaceX = sx;
  s.spaceY = sy;
  return s;
}

TEST(StartupSettingsTest, DefaultsWithoutAnyKey) {
  FormatSettings format(u'.');
  auto ini = IniFromText("", format);
  const StartupSettings s = ReadStartupSettings(*ini);
  EXPECT_EQ(s.width, 460);
  EXPECT_EQ(s.height, 290);
  EXPECT_EQ(s.buttonWidth, 80);
  EXPECT_EQ(s.buttonHeight, 35);
  EXPECT_EQ(s.spaceX, 20);
  EXPECT_EQ(s.spaceY, 20);
  EXPECT_EQ(s.count, 0);
  EXPECT_EQ(s.col, 2);
  EXPECT_EQ(s.title, u"游戏启动");
}

TEST(StartupSettingsTest, ValuesAsWrittenAndEmptyTitleKept) {
  FormatSettings format(u'.');
  auto ini = IniFromText(
      "[SET]\nwidth=600\nheight=$100\nbutton_width=90\nbutton_height=40\nspace_x=0\n"
      "space_y=-3\nCOUNT = 7\nCol=abc\ntitle=\n",
      format);
  const StartupSettings s = ReadStartupSettings(*ini);
  EXPECT_EQ(s.width, 600);
  EXPECT_EQ(s.height, 256);
  EXPECT_EQ(s.buttonWidth, 90);
  EXPECT_EQ(s.buttonHeight, 40);
  EXPECT_EQ(s.spaceX, 0);
  EXPECT_EQ(s.spaceY, -3);
  EXPECT_EQ(s.count, 7);
  EXPECT_EQ(s.col, 2) << "a Col that is no integer gives its default";
  EXPECT_EQ(s.title, u"") << "an empty title is kept, the default is only for an absent key";
}

struct OriginCase {
  const char* what;
  StartupSettings settings;
  int32_t clientWidth, clientHeight;
  int32_t originX, originY, colCount;
};

class OriginTest : public ::testing::TestWithParam<OriginCase> {};

TEST_P(OriginTest, CentresTheGrid) {
  const OriginCase& c = GetParam();
  const TGridLayout g = ComputeGridLayout(c.settings, c.clientWidth, c.clientHeight);
  EXPECT_EQ(g.OriginX, c.originX);
  EXPECT_EQ(g.OriginY, c.originY);
  EXPECT_EQ(g.ColCount, c.colCount);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, OriginTest,
    ::testing::Values(
        OriginCase{"worked example", Grid(5, 2), 444, 252, 132, 53, 2},
        OriginCase{"one column, rows equal count", Grid(3, 1), 444, 252, 182, 53, 1},
        OriginCase{"four in three columns make two rows", Grid(4, 3), 444, 252, 82, 81, 3},
        OriginCase{"two in three columns centred as three", Grid(2, 3), 444, 252, 82, 108, 3},
        OriginCase{"odd negative difference truncates toward zero", Grid(1, 3), 235, 35, -22, 0, 3},
        OriginCase{"grid taller than client", Grid(20, 1), 100, 101, 10, -489, 1},
        OriginCase{"Col 0 counts as one column", Grid(2, 0), 444, 252, 182, 81, 1},
        OriginCase{"Col -5 counts as one column", Grid(2, -5), 444, 252, 182, 81, 1},
        OriginCase{"Count 0: no rows", Grid(0, 2), 444, 252, 132, 136, 2},
        OriginCase{"negative Count", Grid(-5, 2), 444, 252, 132, 191, 2}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(GridLayoutTest, ButtonsFillRowsLeftToRight) {
  const TGridLayout g = ComputeGridLayout(Grid(5, 2), 444, 252);
  const int32_t expected[5][2] = {{132, 53}, {232, 53}, {132, 108}, {232, 108}, {132, 163}};
  for (int i = 0; i < 5; ++i) {
    const ButtonRect r = GameButtonRect(g, i);
    EXPECT_EQ(r.left, expected[i][0]) << "entry " << i + 1;
    EXPECT_EQ(r.top, expected[i][1]) << "entry " << i + 1;
    EXPECT_EQ(r.width, 80);
    EXPECT_EQ(r.height, 35);
  }
}

TEST(GridLayoutTest, ExtremeValuesWrapWithoutUndefinedBehaviour) {
  // Built with UBSan in the sanitized run: any signed overflow in the arithmetic fails there.
  const TGridLayout g = ComputeGridLayout(Grid(INT32_MAX, 2, INT32_MAX, INT32_MAX, INT32_MAX,
                                              INT32_MIN),
                                         INT32_MIN, INT32_MAX);
  const ButtonRect last = GameButtonRect(g, INT32_MAX - 1);
  EXPECT_EQ(last.width, INT32_MAX);
  EXPECT_EQ(RowCount(INT32_MAX, 1), INT32_MAX) << "a huge Count must not wrap to negative rows";
  EXPECT_EQ(RowCount(INT32_MAX, 2), 1073741824);
}

TEST(GameButtonTest, CaptionHintAndTagFromTheEntrySection) {
  FormatSettings format(u'.');
  auto ini = IniFromText(
      "[set]\nCount=3\n[1]\nText=扫雷\nHint=经典|更多\n[01]\nText=wrong\n[3]\nText=&Play\n", format);
  const TGridLayout g = ComputeGridLayout(Grid(3, 2), 444, 252);
  const GameButtonSpec first = ReadGameButton(*ini, g, 0);
  EXPECT_EQ(first.tag, 1);
  EXPECT_EQ(first.caption, u"扫雷");
  EXPECT_EQ(first.hint, u"经典|更多");
  const GameButtonSpec missing = ReadGameButton(*ini, g, 1);
  EXPECT_EQ(missing.tag, 2);
  EXPECT_EQ(missing.caption, u"") << "no section 2: the section 01 is not entry 1 or 2";
  EXPECT_EQ(missing.hint, u"");
  EXPECT_EQ(ReadGameButton(*ini, g, 2).caption, u"&Play");
}

TEST(GameButtonTest, SectionNamesHaveNoLeadingZeros) {
  EXPECT_EQ(EntrySectionName(1), u"1");
  EXPECT_EQ(EntrySectionName(10), u"10");
  EXPECT_EQ(EntrySectionName(2147483647), u"2147483647");
}

}  // namespace
}  // namespace zix
