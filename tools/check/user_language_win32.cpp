#include <windows.h>

#include "check/language.h"

namespace zix::check {

// The language of Windows' own menus and messages for this user, which is what a user reads best.
Language UserLanguage() { return LanguageOfWindowsLanguageId(GetUserDefaultUILanguage()); }

}  // namespace zix::check
