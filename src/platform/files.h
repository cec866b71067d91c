#pragma once
// Paths as text, the launcher folder, the existence test and the file layer the settings
// reader gets its bytes through. Paths are Windows paths and are never normalised.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace zix {

// Everything up to and including the last "\" or ":"; empty when there is neither.
std::u16string FolderPart(std::u16string_view path);

// The launcher folder followed directly by name, with no separator added or removed.
std::u16string LauncherRelativePath(std::u16string_view launcherFolder, std::u16string_view name);

// The folder of the running executable, with its closing "\" (Windows: GetModuleFileNameW
// with room for 261 characters). Natively: the folder of /proc/self/exe in the same form.
std::u16string LauncherFolder();

// The running executable's full file name as the system reports it, with room for `room`
// characters (261 for the launcher folder, 256 for the application title).
std::u16string ExecutableFileName(unsigned room);

// True when path names an existing file that is not a folder, links followed.
bool FileExists(std::u16string_view path);

// The file layer of the settings reader. Each step can fail; tests replace the layer to make
// any one of them fail.
class FileReader {
 public:
  virtual ~FileReader() = default;
  // Reads the whole file. Raises EFOpenError when it exists but cannot be opened, and
  // EReadError (or EOutOfMemory) when reading fails after the open.
  virtual std::string ReadAll(std::u16string_view path) = 0;
};

// The real file system: CreateFileW(GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING) on Windows.
FileReader& SystemFileReader();

// The message of a failed open: "Cannot open file "<full path>". <system text>", the system
// text stripped of trailing control characters, blanks and dots.
std::u16string CannotOpenFileMessage(std::u16string_view fullPath, std::u16string_view systemText);

}  // namespace zix
