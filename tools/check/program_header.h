#pragma once
// What the header of a Windows program says about it: which processor it is built for and the
// oldest Windows it declares. Read from the first bytes of the file only; nothing is run.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "check/phrase.h"

namespace zix::check {

enum class ProgramMachine { I386, Amd64 };

struct WindowsProgram {
  ProgramMachine machine = ProgramMachine::I386;
  uint16_t subsystemMajor = 0;  // the Windows version the program declares it needs
  uint16_t subsystemMinor = 0;
};

// A sound file that is no program a game entry can start: a DOS or 16-bit program, a DLL, a
// driver, a build for another processor.
struct OtherFile {
  std::string why;
};

// A header that ends too early or contradicts itself: the file is damaged or no program at all.
struct HeaderFault {
  Said why;
};

using ProgramHeader = std::variant<WindowsProgram, OtherFile, HeaderFault>;

// How much of a file ReadProgramHeader needs at most.
inline constexpr size_t kProgramHeaderReach = 64 * 1024;

// head: the first min(fileSize, kProgramHeaderReach) bytes of a file of fileSize bytes.
ProgramHeader ReadProgramHeader(std::string_view head, uint64_t fileSize);

}  // namespace zix::check
