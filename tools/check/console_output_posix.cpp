#include <cstdio>

#include "check/console_output.h"
#include "platform/text_codec.h"

namespace zix::check {

namespace {

bool WriteUtf8(std::FILE* stream, std::u16string_view text) {
  const std::string bytes = ToUtf8(text);
  return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
         std::fflush(stream) == 0;
}

}  // namespace

bool WriteStandardOutput(std::u16string_view text) { return WriteUtf8(stdout, text); }
bool WriteStandardError(std::u16string_view text) { return WriteUtf8(stderr, text); }

}  // namespace zix::check
