#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "check/console_output.h"
#include "platform/text_codec.h"

namespace zix::check {

namespace {

bool WriteBytes(std::FILE* stream, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
         std::fflush(stream) == 0;
}

bool WriteUtf8(std::FILE* stream, std::u16string_view text) { return WriteBytes(stream, ToUtf8(text)); }

}  // namespace

bool WriteStandardOutput(std::u16string_view text) { return WriteUtf8(stdout, text); }
bool WriteStandardOutputBytes(std::string_view bytes) { return WriteBytes(stdout, bytes); }
bool WriteStandardError(std::u16string_view text) { return WriteUtf8(stderr, text); }

NewFileResult WriteNewFile(std::u16string_view path, std::string_view bytes) {
  const std::string name = ToUtf8(path);
  const int file = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (file < 0) return errno == EEXIST ? NewFileResult::Exists : NewFileResult::Failed;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = write(file, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) break;
    done += static_cast<size_t>(written);
  }
  const bool closed = close(file) == 0;
  if (done == bytes.size() && closed) return NewFileResult::Written;
  unlink(name.c_str());  // a half-written settings file would mislead the launcher
  return NewFileResult::Failed;
}

}  // namespace zix::check
