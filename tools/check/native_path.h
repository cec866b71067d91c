#pragma once
// Command-line paths are UTF-16 inside the tool; the file system wants its own form.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/text_codec.h"

namespace zix::check {

inline std::filesystem::path NativePath(std::u16string_view path) {
#ifdef _WIN32
  return std::filesystem::path(std::wstring(path.begin(), path.end()));
#else
  return std::filesystem::path(ToUtf8(path));
#endif
}

inline std::u16string FromNativePath(const std::filesystem::path& path) {
#ifdef _WIN32
  const std::wstring& wide = path.native();
  return std::u16string(wide.begin(), wide.end());
#else
  return FromUtf8(path.native());
#endif
}

}  // namespace zix::check
