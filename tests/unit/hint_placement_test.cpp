#include "app/hint_placement.h"

#include <cstdint>

#include "gtest/gtest.h"

namespace zix {
namespace {

constexpr ScreenRect kMonitor{0, 0, 1280, 1024};
constexpr ScreenRect kLeftMonitor{-1920, -200, 0, 880};

TEST(HintPlacement, SitsUnderThePointerAndInsideTheMonitor) {
  const struct {
    const char* name;
    ScreenPoint hotSpot;
    int32_t below, width, height;
    ScreenRect monitor, expected;
  } cases[] = {
      {"plain", {100, 200}, 19, 80, 20, kMonitor, {100, 219, 180, 239}},
      {"nothing below the hot spot", {100, 200}, 0, 80, 20, kMonitor, {100, 200, 180, 220}},
      {"right edge", {1250, 200}, 19, 80, 20, kMonitor, {1200, 219, 1280, 239}},
      {"exactly fits the right edge", {1200, 200}, 19, 80, 20, kMonitor, {1200, 219, 1280, 239}},
      {"bottom edge", {100, 1015}, 19, 80, 20, kMonitor, {100, 1004, 180, 1024}},
      {"wider than the monitor keeps its left edge", {600, 10}, 0, 2000, 20, kMonitor,
       {0, 10, 2000, 30}},
      {"monitor left of the primary", {-100, 870}, 16, 200, 30, kLeftMonitor,
       {-200, 850, 0, 880}},
      {"pointer off the monitor", {-5000, -5000}, 16, 50, 20, kMonitor, {0, 0, 50, 20}},
      {"far below the coordinate range", {INT32_MAX, INT32_MAX}, INT32_MAX, 80, 20, kMonitor,
       {1200, 1004, 1280, 1024}},
      {"a negative shape height counts as none", {100, 200}, -40, 80, 20, kMonitor,
       {100, 200, 180, 220}},
  };
  for (const auto& c : cases) {
    const ScreenRect r = PlaceHintWindow(c.hotSpot, c.below, c.width, c.height, c.monitor);
    EXPECT_EQ(r, c.expected) << c.name << ": got " << r.left << "," << r.top << "," << r.right
                             << "," << r.bottom;
  }
}

}  // namespace
}  // namespace zix
