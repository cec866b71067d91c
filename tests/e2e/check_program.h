#pragma once
// zixgame-check run the way a user runs it: a console child whose standard output and error
// go to files, read back once it has ended. The files live where the caller says, so that a
// launcher folder under test stays untouched.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace zix::e2e {

struct CheckRun {
  std::string failure;            // why the program could not be run; empty when it ran
  std::optional<DWORD> exitCode;  // nothing: still running at the bound, and killed
  std::string output;             // standard output, as bytes
  std::string errors;             // standard error, as bytes
};

// args without the program name; each is quoted so that the program reads it back unchanged,
// a closing "\" included.
CheckRun RunCheckProgram(const std::vector<std::u16string>& args, const std::u16string& scratchFolder,
                         DWORD timeoutMs);

// Any console program run so, with the given process creation flags.
CheckRun RunConsoleProgram(const std::u16string& program, const std::vector<std::u16string>& args,
                           const std::u16string& scratchFolder, DWORD timeoutMs, DWORD creationFlags);

// One argument as the C runtime's command-line parser will split it back out.
std::wstring QuoteArgument(std::wstring_view argument);

}  // namespace zix::e2e
