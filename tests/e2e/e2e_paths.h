#pragma once
// Where the programs under test are: the variables ZIX_LAUNCHER_EXE, ZIX_FAKEGAME_EXE and
// ZIX_CHECK_EXE (Windows paths) when set, otherwise zixgame.exe, fakegame.exe and
// zixgame-check.exe beside the test program.

#include <string>

namespace zix::e2e {

// Empty when the program is not there.
std::u16string LauncherProgramPath();
std::u16string FakeGameProgramPath();
std::u16string CheckProgramPath();

// The folder of the test program, with its closing "\"; empty when it cannot be told.
std::u16string SuiteFolder();

}  // namespace zix::e2e
