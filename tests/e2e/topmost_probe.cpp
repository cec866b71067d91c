#include "topmost_probe.h"

#include "own_message_box.h"

namespace zix::e2e {

bool PlatformShowsTopmostBoxes() {
  const OwnMessageBox probe(L"zixgame e2e topmost probe", MB_OK | MB_TOPMOST);
  if (!probe.Window()) return true;
  return (GetWindowLongPtrW(probe.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace zix::e2e
