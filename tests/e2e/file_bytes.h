#pragma once
// Whole-file reads and writes for the driver, with the sharing that lets a file another
// process is appending to (the fake game's record) still be read.

#include <optional>
#include <string>
#include <string_view>

namespace zix::e2e {

std::optional<std::string> ReadFileBytes(const std::u16string& path);

// Creates or replaces the file; false when it could not be written whole.
bool WriteFileBytes(const std::u16string& path, std::string_view bytes);

// Creates every missing folder of path (which ends with "\"); false when one could not be made.
bool MakeFolders(const std::u16string& path);

// The folder part of a path: everything up to and including its last "\".
std::u16string FolderOf(const std::u16string& path);

}  // namespace zix::e2e
