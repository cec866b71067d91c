#pragma once
// Which programs of a game folder a menu entry should start: installers and helpers left out,
// one i386 and one x86-64 program at most, the one that best names the game.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/program_header.h"

namespace zix::check {

struct ProgramFile {
  std::u16string path;  // relative to the collection folder, "\" between names
  uint64_t size = 0;
  WindowsProgram program;
};

// One folder directly inside the collection, with the sound programs found in it.
struct GameFolder {
  std::u16string name;
  std::vector<ProgramFile> programs;
};

struct GameEntry {
  std::u16string folderName;
  std::optional<ProgramFile> exe;     // i386
  std::optional<ProgramFile> exeX64;  // x86-64
};

// Whether a path inside a game folder names an installer, uninstaller, redistributable, crash
// reporter, or the launcher or checker themselves, by its file name or by a folder on the way.
bool IsHelperProgram(std::u16string_view pathInsideGame);

// Whether the name ends in ".exe", in any letter case.
bool IsProgramName(std::u16string_view fileName);

// The entry of one folder; none when it holds no program for either processor.
std::optional<GameEntry> ChooseGameEntry(const GameFolder& folder);

// The entries of every folder that has one, in the order of the folder names: ASCII letters
// without regard to case, then code unit by code unit.
std::vector<GameEntry> ChooseGameEntries(const std::vector<GameFolder>& folders);

// Whether every program the entry can start declares Windows Vista (6.0) or later.
bool NeedsVista(const GameEntry& entry);

}  // namespace zix::check
