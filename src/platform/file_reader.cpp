#include <algorithm>
#include <new>

#include "platform/exception.h"
#include "platform/files.h"

namespace zix {
namespace {

// Enough for a settings file whose size the system would not tell, without a second step.
constexpr size_t kSizeUnknownStart = 4096;

size_t StartingSize(std::optional<uint64_t> reported, size_t maxSize) {
  if (!reported) return kSizeUnknownStart;
  // One byte more than reported, so that a file that grew since is noticed without a resize.
  if (*reported >= maxSize) throw std::bad_alloc();
  return static_cast<size_t>(*reported) + 1;
}

}  // namespace

void StepwiseFileReader::Resize(std::string& bytes, size_t size) { bytes.resize(size); }

std::string StepwiseFileReader::ReadAll(std::u16string_view path) {
  try {
    std::unique_ptr<OpenedFile> file = Open(path);
    std::string bytes;
    size_t used = 0;
    for (size_t size = StartingSize(file->Size(), bytes.max_size());;) {
      if (used == bytes.size()) {
        Resize(bytes, size);
        // No room gained: the allocation gave nothing, or the text is as large as one can be.
        if (bytes.size() <= used) throw std::bad_alloc();
        size = bytes.size() <= bytes.max_size() / 2 ? bytes.size() * 2 : bytes.max_size();
      }
      const size_t got = file->Read(bytes.data() + used, bytes.size() - used);
      if (got == 0) break;
      used += std::min(got, bytes.size() - used);
    }
    bytes.resize(used);
    // Every byte is in hand and nothing was written, so a failing close loses nothing.
    static_cast<void>(file->Close());
    return bytes;
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory(u"Out of memory");
  }
}

}  // namespace zix
