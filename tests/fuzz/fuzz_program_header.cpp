// Any bytes as the head of a program file: the header reader must stay inside the bytes it was
// given, even when the file is said to be longer, and call a program only what starts with MZ.
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

#include "check/program_header.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const zix::check::ProgramHeader whole = zix::check::ReadProgramHeader(bytes, size);
  if (std::holds_alternative<zix::check::WindowsProgram>(whole))
    Require(size >= 0x40 && bytes.compare(0, 2, "MZ") == 0);
  // A copy of its own, so that a read past the head's end is caught.
  const std::string head = bytes.substr(0, size / 2);
  const zix::check::ProgramHeader part = zix::check::ReadProgramHeader(head, size);
  if (std::holds_alternative<zix::check::WindowsProgram>(part))
    Require(std::holds_alternative<zix::check::WindowsProgram>(whole));
  return 0;
}
