#include "app/window_placement.h"

#include <algorithm>
#include <limits>

namespace zix {
namespace {

int32_t ClampToInt32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

ScreenPoint CentredWindowOrigin(const ScreenRect& workArea, int32_t outerWidth,
                                int32_t outerHeight, int32_t virtualLeft, int32_t virtualTop) {
  // 64-bit so that a window size near the limits of int32 cannot overflow the difference.
  const int64_t x = (int64_t{workArea.right} - workArea.left - outerWidth) / 2;
  const int64_t y = (int64_t{workArea.bottom} - workArea.top - outerHeight) / 2;
  return {ClampToInt32(std::max<int64_t>(x, virtualLeft)),
          ClampToInt32(std::max<int64_t>(y, virtualTop))};
}

InitialWindowState InitialStateFromStartup(std::optional<uint16_t> startupShowCommand) {
  switch (startupShowCommand.value_or(10)) {
    case 3: return InitialWindowState::Maximized;
    case 7: return InitialWindowState::Minimized;
    default: return InitialWindowState::Normal;
  }
}

int ShowCommandFor(InitialWindowState state) {
  switch (state) {
    case InitialWindowState::Maximized: return 3;
    case InitialWindowState::Minimized: return 7;
    case InitialWindowState::Normal: break;
  }
  return 1;
}

int32_t MulDivRounded(int32_t number, int32_t numerator, int32_t denominator) {
  if (denominator == 0) return -1;
  const int64_t product = int64_t{number} * numerator;
  const bool negative = (product < 0) != (denominator < 0);
  const uint64_t magnitude = product < 0 ? 0 - static_cast<uint64_t>(product)
                                         : static_cast<uint64_t>(product);
  const uint64_t divisor = denominator < 0 ? 0 - static_cast<uint64_t>(int64_t{denominator})
                                           : static_cast<uint64_t>(denominator);
  const uint64_t rounded = (magnitude + divisor / 2) / divisor;
  // The system refuses -2147483648 as well, keeping the range symmetric.
  if (rounded > uint64_t{2147483647}) return -1;
  return negative ? static_cast<int32_t>(0 - static_cast<int64_t>(rounded))
                  : static_cast<int32_t>(rounded);
}

int32_t FontHeightForDensity(int32_t designFontHeight, int32_t pixelsPerInch) {
  if (pixelsPerInch == kDesignPixelsPerInch) return designFontHeight;
  return MulDivRounded(designFontHeight, pixelsPerInch, kDesignPixelsPerInch);
}

CreationSize ClientSizeForTextHeight(CreationSize design, int32_t measuredTextHeight) {
  if (measuredTextHeight == kDesignTextHeight || measuredTextHeight <= 0) return design;
  return {MulDivRounded(design.width, measuredTextHeight, kDesignTextHeight),
          MulDivRounded(design.height, measuredTextHeight, kDesignTextHeight)};
}

}  // namespace zix
