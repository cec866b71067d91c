// Native stand-ins for the Windows file queries, so that tools and tests on Linux take the
// same decisions: a symbolic link plays the part of a reparse point, errno the error code.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/exception.h"
#include "platform/files.h"
#include "platform/text_codec.h"

namespace zix {
namespace {

uint32_t WindowsErrorFor(int error) {
  switch (error) {
    case ENOENT: return kErrorFileNotFound;
    case ENOTDIR: return kErrorPathNotFound;
    case EACCES:
    case EPERM: return kErrorAccessDenied;
    case ENAMETOOLONG: return kErrorInvalidName;
    default: return 31;  // ERROR_GEN_FAILURE: no closer Windows reason
  }
}

std::optional<uint32_t> LinkAttributes(const std::string& path) {
  struct stat own{};
  if (lstat(path.c_str(), &own) != 0) return std::nullopt;
  uint32_t attributes = S_ISDIR(own.st_mode) ? kAttributeDirectory : 0;
  if (S_ISLNK(own.st_mode)) {
    attributes |= kAttributeReparsePoint;
    // A Windows link to a folder carries the folder mark itself.
    struct stat target{};
    if (stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode)) {
      attributes |= kAttributeDirectory;
    }
  }
  return attributes;
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() { static_cast<void>(Close()); }  // a failed close on release changes nothing
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor& operator=(FileDescriptor&&) = delete;
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  bool Close() { return !valid() || close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

// Non-blocking so that a FIFO or device cannot hang the open; regular files ignore the flag.
FileDescriptor OpenForReading(const std::string& path) {
  return FileDescriptor(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
}

class PosixExistenceQueries final : public ExistenceQueries {
 public:
  explicit PosixExistenceQueries(const std::string& path) : path_(path) {}

  AttributesAnswer Attributes() override {
    if (std::optional<uint32_t> attributes = LinkAttributes(path_)) return {attributes, 0};
    return {std::nullopt, WindowsErrorFor(errno)};
  }
  std::optional<uint32_t> SearchedAttributes() override { return LinkAttributes(path_); }
  OpenAnswer OpenForReading() override {
    FileDescriptor file = zix::OpenForReading(path_);
    if (!file.valid()) return {false, WindowsErrorFor(errno)};
    return {true, 0};
  }

 private:
  const std::string& path_;
};

std::u16string ErrorText(int error) { return FromUtf8(std::strerror(error)); }

std::u16string FullPathOf(std::u16string_view path) {
  if (!path.empty() && path.front() == u'/') return std::u16string(path);
  std::string folder(4096, '\0');
  if (getcwd(folder.data(), folder.size()) == nullptr) return std::u16string(path);
  folder.resize(std::strlen(folder.c_str()));
  return FromUtf8(folder) + u"/" + std::u16string(path);
}

class PosixOpenedFile final : public OpenedFile {
 public:
  PosixOpenedFile(FileDescriptor file, std::u16string path)
      : file_(std::move(file)), path_(std::move(path)) {}

  std::optional<uint64_t> Size() override {
    struct stat status{};
    if (fstat(file_.get(), &status) != 0 || status.st_size < 0) return std::nullopt;
    return static_cast<uint64_t>(status.st_size);
  }

  size_t Read(char* into, size_t room) override {
    for (;;) {
      const ssize_t got = read(file_.get(), into, room);
      if (got >= 0) return static_cast<size_t>(got);
      if (errno == EINTR) continue;
      const int error = errno;
      throw EReadError(CannotReadFileMessage(FullPathOf(path_), ErrorText(error)));
    }
  }

  bool Close() override { return file_.Close(); }

 private:
  FileDescriptor file_;
  std::u16string path_;
};

class PosixFileReader final : public StepwiseFileReader {
 protected:
  std::unique_ptr<OpenedFile> Open(std::u16string_view path) override {
    // open(2) would see only the part before an embedded zero and open another file.
    if (path.find(u'\0') != std::u16string_view::npos) {
      throw EFOpenError(CannotOpenFileMessage(path, ErrorText(EINVAL)));
    }
    FileDescriptor file = zix::OpenForReading(ToUtf8(path));
    if (!file.valid()) {
      const int error = errno;
      throw EFOpenError(CannotOpenFileMessage(FullPathOf(path), ErrorText(error)));
    }
    return std::make_unique<PosixOpenedFile>(std::move(file), std::u16string(path));
  }
};

}  // namespace

std::u16string ExecutableFileName(unsigned room) {
  std::string name(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", name.data(), name.size());
  if (length <= 0) return {};
  name.resize(static_cast<size_t>(length));
  std::u16string wide = FromUtf8(name);
  // The same cut as a Windows buffer of `room` characters that keeps one for the terminator.
  if (room == 0) return {};
  if (wide.size() > room - 1) wide.resize(room - 1);
  return wide;
}

std::u16string LauncherFolder() {
  const std::u16string name = ExecutableFileName(4096);
  const size_t last = name.find_last_of(u'/');
  if (last == std::u16string::npos) return {};
  return name.substr(0, last + 1);
}

bool FileExists(std::u16string_view path) {
  if (path.find(u'\0') != std::u16string_view::npos) return false;
  const std::string narrowPath = ToUtf8(path);
  PosixExistenceQueries queries(narrowPath);
  return DecideFileExists(queries);
}

FileReader& SystemFileReader() {
  // Holds no state: every ReadAll opens, reads and closes its own file.
  static PosixFileReader reader;
  return reader;
}

}  // namespace zix
