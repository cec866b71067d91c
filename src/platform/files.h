#pragma once
// Paths as text, the launcher folder, the existence test and the file layer the settings
// reader gets its bytes through. Paths are Windows paths and are never normalised.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zix {

// Everything up to and including the last "\" or ":"; empty when there is neither.
std::u16string FolderPart(std::u16string_view path);

// The launcher folder followed directly by name, with no separator added or removed.
std::u16string LauncherRelativePath(std::u16string_view launcherFolder, std::u16string_view name);

// The folder of the running executable, with its closing "\" (Windows: GetModuleFileNameW
// with room for 261 characters, and more for a name that does not fit, since the folder part
// of a cut name would be some other folder). Natively: the folder of /proc/self/exe, ending
// with "/".
std::u16string LauncherFolder();

// The running executable's full file name as the system reports it, with room for `room`
// characters (261 for the launcher folder, 256 for the application title). A name cut short
// by the room is returned cut; a failed call gives the empty text.
std::u16string ExecutableFileName(unsigned room);

// A name read into a room of some size, and whether the room cut it short.
struct NameInRoom {
  std::u16string name;
  bool cut = false;
};

// The whole name through `read`: room for 261 characters first, as the launcher folder is
// read, then twice as much each time the name was cut, up to the 32767 characters of the
// longest Windows path. Empty when the name never fits.
std::u16string WholeNameFrom(const std::function<NameInRoom(unsigned room)>& read);

// True when path names an existing file that is not a folder, links followed. A path with an
// embedded U+0000 names nothing: the system would see only the part before it.
bool FileExists(std::u16string_view path);

// The existence test's decision, apart from the system calls that feed it. Each query is
// asked only when the decision needs its answer, in this order.
inline constexpr uint32_t kAttributeDirectory = 0x10;      // FILE_ATTRIBUTE_DIRECTORY
inline constexpr uint32_t kAttributeReparsePoint = 0x400;  // FILE_ATTRIBUTE_REPARSE_POINT
inline constexpr uint32_t kErrorFileNotFound = 2;
inline constexpr uint32_t kErrorPathNotFound = 3;
inline constexpr uint32_t kErrorAccessDenied = 5;
inline constexpr uint32_t kErrorSharingViolation = 32;
inline constexpr uint32_t kErrorInvalidName = 123;

struct AttributesAnswer {
  std::optional<uint32_t> attributes;  // absent when the system could not tell
  uint32_t error = 0;                  // the reason when absent
};

struct OpenAnswer {
  bool opened = false;
  uint32_t error = 0;  // the reason when not opened
};

class ExistenceQueries {
 public:
  virtual ~ExistenceQueries() = default;
  // GetFileAttributesW of the path.
  virtual AttributesAnswer Attributes() = 0;
  // FindFirstFileW for the path itself, the search ended again: the attributes of the entry
  // found, or none.
  virtual std::optional<uint32_t> SearchedAttributes() = 0;
  // CreateFileW for reading with links followed, the handle closed again at once.
  virtual OpenAnswer OpenForReading() = 0;
};

bool DecideFileExists(ExistenceQueries& queries);

// The file layer of the settings reader. Each step can fail; tests replace the layer to make
// any one of them fail.
class FileReader {
 public:
  virtual ~FileReader() = default;
  // Reads the whole file. Raises EFOpenError when it exists but cannot be opened, and
  // EReadError (or EOutOfMemory) when reading fails after the open.
  virtual std::string ReadAll(std::u16string_view path) = 0;
};

// One file opened by a StepwiseFileReader. Destroying it closes the file if Close was not
// called, ignoring the result.
class OpenedFile {
 public:
  virtual ~OpenedFile() = default;
  // The size the system reports now, or none when it cannot tell. Only a hint: the file may
  // grow or shrink while it is read.
  virtual std::optional<uint64_t> Size() = 0;
  // Reads up to room bytes into `into`; 0 means the end of the file. Raises EReadError.
  virtual size_t Read(char* into, size_t room) = 0;
  // Releases the file now; false when the system reports a failure.
  virtual bool Close() = 0;
};

// ReadAll as separate steps (open, size, allocation, reads, close), each one replaceable.
class StepwiseFileReader : public FileReader {
 public:
  // Reads until the file reports its end, whatever its size said; an allocation that fails
  // raises EOutOfMemory.
  std::string ReadAll(std::u16string_view path) final;

 protected:
  // Raises EFOpenError when the file cannot be opened.
  virtual std::unique_ptr<OpenedFile> Open(std::u16string_view path) = 0;
  // Resizes bytes to `size`, keeping what it holds; raises std::bad_alloc when it cannot.
  virtual void Resize(std::string& bytes, size_t size);
};

// The real file system: CreateFileW(GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING) on Windows,
// open(2) natively.
FileReader& SystemFileReader();

// The message of a failed open: "Cannot open file "<full path>". <system text>", the system
// text stripped of trailing control characters, blanks and dots.
std::u16string CannotOpenFileMessage(std::u16string_view fullPath, std::u16string_view systemText);

// The message of a failed read, in the same form: "Cannot read file "<full path>". <text>".
std::u16string CannotReadFileMessage(std::u16string_view fullPath, std::u16string_view systemText);

}  // namespace zix
