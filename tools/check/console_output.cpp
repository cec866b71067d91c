#include "check/console_output.h"

#include <fstream>

#include "check/native_path.h"

namespace zix::check {

bool WriteWholeFile(std::u16string_view path, std::string_view bytes) {
  std::ofstream file(NativePath(path), std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return !file.fail();
}

}  // namespace zix::check
