#pragma once
// Whether the platform shows a box made with MB_TOPMOST as a topmost window. Wine 8's message
// box ignores the flag, so there it cannot be seen from outside; on Windows it must be there.

namespace zix::e2e {

// Asks by showing such a box from this process for a moment. When the answer cannot be had,
// true: a launcher box is then still required to be topmost rather than silently excused.
bool PlatformShowsTopmostBoxes();

}  // namespace zix::e2e
