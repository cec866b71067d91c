#pragma once
// Where the programs under test are: the variables ZIX_LAUNCHER_EXE and ZIX_FAKEGAME_EXE
// (Windows paths) when set, otherwise zixgame.exe and fakegame.exe beside the test program.

#include <string>

namespace zix::e2e {

// Empty when the program is not there.
std::u16string LauncherProgramPath();
std::u16string FakeGameProgramPath();

}  // namespace zix::e2e
