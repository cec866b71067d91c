#pragma once
// A byte-for-byte picture of a folder tree, to prove that a launcher run changed nothing in it.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zix::e2e {

// Relative path (with "\" between folders) -> the file's bytes, or no bytes for a folder.
// An entry that could not be read is kept with the bytes "<unreadable>" so it still compares.
using FolderSnapshot = std::map<std::u16string, std::optional<std::string>>;

// folder ends with "\".
FolderSnapshot TakeSnapshot(std::u16string_view folder);

// Empty when the two are equal; otherwise one UTF-8 line per added, removed or changed entry.
std::string DescribeChanges(const FolderSnapshot& before, const FolderSnapshot& after);

}  // namespace zix::e2e
