#pragma once
// The pointer's shape as it is on the screen now, for placing a window just under it.

#include <cstdint>

namespace zix {

// How far below the hot spot the first row clear of the pointer's visible shape lies; 0 for a
// hidden pointer. When the cursor's bitmaps cannot be read, a whole cursor cell's height.
int32_t PointerClearance() noexcept;

}  // namespace zix
