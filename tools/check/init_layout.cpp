#include "check/init_layout.h"

#include <algorithm>
#include <cmath>

#include "check/caption_text.h"
#include "check/check_options.h"
#include "settings/launcher_keys.h"

namespace zix::check {

namespace {

// A push button's own border and the room Windows leaves around its text.
constexpr int32_t kCaptionPadding = 16;
// Longer captions are cut rather than making every button of the grid this wide.
constexpr int32_t kWidestButton = 400;
// The default gaps of the launcher, used as the margin around the grid too.
constexpr int32_t kMargin = 20;
// Room for the caption bar's title and buttons.
constexpr int32_t kNarrowestClient = 200;

int32_t RoundUpToTen(int32_t value) { return (value + 9) / 10 * 10; }

}  // namespace

InitLayout ChooseInitLayout(std::span<const std::u16string> captions) {
  InitLayout layout;
  layout.count = static_cast<int32_t>(captions.size());
  int32_t widest = 0;
  for (const std::u16string& caption : captions)
    widest = std::max(widest, EstimatedCaptionWidth(caption));
  layout.buttonWidth = std::clamp(RoundUpToTen(widest + kCaptionPadding),
                                  keys::kButtonWidth.defaultValue, kWidestButton);

  const int32_t count = std::max(layout.count, 1);
  layout.col = std::max(static_cast<int32_t>(std::ceil(std::sqrt(static_cast<double>(count)))),
                        std::min(count, 2));
  const int32_t rows = (count + layout.col - 1) / layout.col;
  const int32_t gapX = keys::kSpaceX.defaultValue;
  const int32_t gapY = keys::kSpaceY.defaultValue;
  const int32_t buttonHeight = keys::kButtonHeight.defaultValue;
  const int32_t clientWidth = std::max(
      layout.col * layout.buttonWidth + (layout.col - 1) * gapX + 2 * kMargin, kNarrowestClient);
  const int32_t clientHeight = rows * buttonHeight + (rows - 1) * gapY + 2 * kMargin;
  layout.width = clientWidth + kDefaultFrame.width;
  layout.height = clientHeight + kDefaultFrame.height;
  return layout;
}

}  // namespace zix::check
