#include <windows.h>

#include "check/settings_source.h"

namespace zix::check {

bool CodePageAvailable(unsigned codePage) { return IsValidCodePage(codePage) != FALSE; }

}  // namespace zix::check
