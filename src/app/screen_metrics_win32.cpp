#include "app/screen_metrics_win32.h"

#include <windows.h>

namespace zix {

ScreenRect PrimaryScreen() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

ScreenRect PrimaryWorkArea() {
  RECT area{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return PrimaryScreen();
  return {area.left, area.top, area.right, area.bottom};
}

}  // namespace zix
