// The gap a tooltip leaves below the pointer: shapes drawn as text, one character per pixel.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/cursor_shape.h"

namespace zix {
namespace {

// '#' covers the screen, '~' inverts it, '.' lets it through; for colour cursors 'a' is a pixel
// with alpha, 'c' one with colour but no alpha, which an old colour cursor lays over the screen.
struct Shape {
  std::vector<uint8_t> andMask;
  std::vector<uint8_t> xorMask;
  std::vector<uint32_t> colour;
  CursorBits bits;
};

Shape Draw(const std::vector<std::string>& rows, bool colourCursor) {
  Shape shape;
  const auto width = static_cast<int32_t>(rows.empty() ? 0 : rows.front().size());
  const auto height = static_cast<int32_t>(rows.size());
  const auto stride = static_cast<size_t>(MaskStride(width));
  shape.andMask.assign(stride * rows.size(), 0);
  if (!colourCursor) shape.xorMask.assign(stride * rows.size(), 0);
  for (size_t y = 0; y < rows.size(); ++y) {
    for (size_t x = 0; x < rows[y].size(); ++x) {
      const char pixel = rows[y][x];
      const auto bit = static_cast<uint8_t>(0x80u >> (x % 8));
      if (pixel != '#') shape.andMask[y * stride + x / 8] |= bit;
      if (!colourCursor && pixel == '~') shape.xorMask[y * stride + x / 8] |= bit;
      if (colourCursor) {
        shape.colour.push_back(pixel == 'a' ? 0xFF000000u : pixel == 'c' ? 0x00336699u : 0u);
      }
    }
  }
  shape.bits = {width, height, shape.andMask, shape.xorMask, shape.colour};
  return shape;
}

struct ClearanceCase {
  const char* name;
  std::vector<std::string> rows;
  bool colourCursor;
  int32_t hotSpotY;
  int32_t clearance;
};

class Clearance : public ::testing::TestWithParam<ClearanceCase> {};

TEST_P(Clearance, LeavesTheWholeVisibleShapeAboveTheWindow) {
  const ClearanceCase& c = GetParam();
  const Shape shape = Draw(c.rows, c.colourCursor);
  EXPECT_EQ(ShapeClearanceBelowHotSpot(shape.bits, c.hotSpotY), c.clearance);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, Clearance,
    ::testing::Values(
        ClearanceCase{"ArrowFromTheTopLeft", {"#...", "##..", "###.", "#...", "....", "...."}, false, 0, 4},
        ClearanceCase{"HotSpotInTheMiddle", {"..#..", ".###.", "#####", ".###.", "..#..", "....."}, false, 2, 3},
        ClearanceCase{"InvertedPixelsAreVisible", {"#..", "#..", "..~", "...", "..."}, false, 0, 3},
        ClearanceCase{"NothingVisibleBelowTheHotSpot", {"###", "...", "..."}, false, 1, 0},
        ClearanceCase{"OnlyTheHotSpotsRowIsVisible", {"...", "###", "..."}, false, 1, 1},
        ClearanceCase{"AnEmptyShape", {"....", "...."}, false, 0, 0},
        ClearanceCase{"AWidthBeyondOneMaskByte", {"#.........", ".........#", ".........."}, false, 0, 2},
        ClearanceCase{"AlphaDecidesInAColourCursor", {"aa..", "a...", "#...", "...."}, true, 0, 2},
        ClearanceCase{"ColourWithoutAlphaShowsWhereTheMaskLetsThrough", {"#...", "#...", "..c.", "...."}, true, 0, 3},
        ClearanceCase{"AHotSpotBelowTheShape", {"#", "#", "."}, false, 5, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClearanceOfBadBits, MasksShorterThanTheSizeGiveNothing) {
  const Shape shape = Draw({"#", "#", "#"}, false);
  CursorBits bits = shape.bits;
  bits.height = 4;  // one row more than the masks hold
  EXPECT_EQ(ShapeClearanceBelowHotSpot(bits, 0), 0);
  bits = shape.bits;
  bits.xorMask = {};  // neither an inversion mask nor colour: not a cursor
  EXPECT_EQ(ShapeClearanceBelowHotSpot(bits, 0), 0);
}

TEST(ClearanceOfBadBits, ANegativeHotSpotGivesNothing) {
  const Shape shape = Draw({"#", "#"}, false);
  EXPECT_EQ(ShapeClearanceBelowHotSpot(shape.bits, -1), 0);
}

TEST(MaskStride, RowsArePaddedToFourBytes) {
  EXPECT_EQ(MaskStride(1), 4);
  EXPECT_EQ(MaskStride(32), 4);
  EXPECT_EQ(MaskStride(33), 8);
  EXPECT_EQ(MaskStride(0), 0);
}

}  // namespace
}  // namespace zix
