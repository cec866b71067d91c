#pragma once
// Where the programs under test are: the variables ZIX_LAUNCHER_EXE, ZIX_FAKEGAME_EXE,
// ZIX_CHECK_EXE and ZIX_PLANTED_DLL (Windows paths) when set, otherwise zixgame.exe,
// fakegame.exe, zixgame-check.exe and planted_library.dll beside the test program.

#include <string>

namespace zix::e2e {

// Empty when the program is not there.
std::u16string LauncherProgramPath();
std::u16string FakeGameProgramPath();
std::u16string CheckProgramPath();
// A DLL with nothing in it, for a game to load by name.
std::u16string PlantedLibraryPath();

// The folder of the test program, with its closing "\"; empty when it cannot be told.
std::u16string SuiteFolder();

}  // namespace zix::e2e
