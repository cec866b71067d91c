#pragma once
// The application's title, the caption of its error box, formed once from the executable's
// file name. The lower-casing is a parameter so that Windows can use the system's mapping
// while native tests exercise the cutting rules with a portable one.

#include <string>
#include <string_view>

namespace zix {

using LowerCaseUnits = std::u16string (*)(std::u16string_view text);

// "A" to "Z" become "a" to "z"; every other code unit stays.
std::u16string AsciiLowerCase(std::u16string_view text);

// What follows the last "\", cut at its first ".", with every code unit after the first
// passed through `lower`: "C:\Games\GameLauncher.exe" gives "Gamelauncher".
std::u16string ApplicationTitle(std::u16string_view exeFileName,
                                LowerCaseUnits lower = AsciiLowerCase);

}  // namespace zix
