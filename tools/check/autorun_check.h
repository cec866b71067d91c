#pragma once
// The autorun.inf of a disc: what AutoPlay makes of the one beside a collection, and the one
// --init --autorun writes to start the launcher from the disc.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "check/check_report.h"

namespace zix::check {

inline constexpr std::u16string_view kAutorunFileName = u"autorun.inf";
inline constexpr std::u16string_view kLauncherProgram = u"zixgame.exe";

// A Joliet volume label, which the disc authoring programs write, holds 16 characters; a
// longer title is left out rather than cut, and so is one with control characters.
inline constexpr size_t kLongestDiscLabel = 16;

std::optional<std::u16string> DiscLabelFor(std::u16string_view title);

// UTF-16 with its mark, which AutoPlay reads whatever the code page, and CR LF line ends.
std::string ComposeAutorun(std::u16string_view title);

// Whether a file of this name lies in the checked folder, letter case aside.
using FolderHasFile = std::function<bool(std::u16string_view name)>;

// What AutoPlay starts from these bytes (none: the file is there but cannot be read), with the
// warnings about it appended to report.warnings; files without a mark are read in codePage.
void CheckAutorun(std::u16string filePath, const std::optional<std::string>& bytes,
                  unsigned codePage, const FolderHasFile& hasFile, CheckReport& report);

}  // namespace zix::check
