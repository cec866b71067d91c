#pragma once
// The paths a started game should report, as Windows normalises them for the game:
// full, with "." and ".." resolved and "/" turned into "\".

#include <string>

namespace zix::e2e {

std::u16string FullPath(const std::u16string& path);

// What GetCurrentDirectoryW reports after the shell set the folder: the full path without a
// closing "\" (a drive root keeps its own).
std::u16string ReportedWorkingFolder(const std::u16string& folder);

}  // namespace zix::e2e
