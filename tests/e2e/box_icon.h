#pragma once
// Which stock icon a message box of another process shows. Its icon handle means nothing in
// this process, so the icon is told by its pixels: the screen under the box's icon control
// is compared with each stock icon drawn here on the same background.

#include <windows.h>

namespace zix::e2e {

enum class BoxIcon { None, Information, Error, Warning, Question, Unrecognised };

const char* IconName(BoxIcon icon);

// Waits, bounded, for the box to be painted; Unrecognised when no stock icon matches by then.
BoxIcon ReadBoxIcon(HWND box, DWORD timeoutMs);

}  // namespace zix::e2e
