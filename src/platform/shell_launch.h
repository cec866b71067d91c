#pragma once
// Handing a game to the shell: "open" with parameters and a working folder, never waited for.

#include <cstdint>
#include <string>

namespace zix {

// Working folder: the folder part of file. Returns ShellExecuteW's result code, unchanged.
intptr_t ExecuteFile(const std::u16string& file, const std::u16string& parameters);
// Working folder passed on unchanged.
intptr_t ExecuteFileInDir(const std::u16string& file, const std::u16string& parameters,
                          const std::u16string& folder);

}  // namespace zix
