#pragma once
// The launcher looks for files at its own folder followed by a name from the settings. The
// tool shows those paths under an imagined launcher folder and answers the existence test in
// the folder of the checked settings file instead.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zix::check {

// The name a launcher-relative path was made from: path less the launcher folder in front;
// none when path does not start with it.
std::optional<std::u16string_view> NameUnderLauncher(std::u16string_view path,
                                                     std::u16string_view launcherDir);

// Where a name from the settings lands in a POSIX folder: backslashes become "/". None when no
// launcher folder could make the name a file: a drive letter or any other ":" in the middle of
// a Windows path names nothing.
std::optional<std::string> PosixPathFor(std::u16string_view name, std::string_view folder);

enum class EntryKind { File, Folder };

// Whether the launcher-relative path names an existing file (not a folder, links followed) or
// an existing folder, looked for in checkedFolder. Natively names are matched without regard to
// the case of ASCII letters, as Windows matches them.
bool ExistsInCheckedFolder(std::u16string_view path, std::u16string_view launcherDir,
                           std::u16string_view checkedFolder, EntryKind kind);

// The path of the file (not a folder) of that name directly in checkedFolder, natively
// matched without regard to the case of ASCII letters; none when there is none.
std::optional<std::u16string> FileInCheckedFolder(std::u16string_view name,
                                                  std::u16string_view checkedFolder);

}  // namespace zix::check
