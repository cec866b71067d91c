// Natively no run is started from Explorer: there is no console of its own to keep open.
#include <cstdlib>

#include "check/explorer_console.h"
#include "platform/text_codec.h"

namespace zix::check {

ConsoleFacts QueryConsoleFacts() { return {}; }

void ForgetPressedKeys() {}

std::optional<char16_t> WaitForKey() { return std::nullopt; }

std::u16string ProgramFolder() { return u"./"; }

std::optional<std::u16string> TemporaryFolder() {
  const char* folder = std::getenv("TMPDIR");
  std::u16string path = folder && *folder ? FromUtf8(folder) : u"/tmp";
  if (path.back() != u'/') path += u'/';
  return path;
}

std::optional<unsigned> OpenWithShell(const std::u16string&) { return 1u; }

}  // namespace zix::check
