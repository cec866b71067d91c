#include "check/local_paths.h"

#include "platform/text_codec.h"

namespace zix::check {

std::optional<std::u16string_view> NameUnderLauncher(std::u16string_view path,
                                                     std::u16string_view launcherDir) {
  if (path.substr(0, launcherDir.size()) != launcherDir) return std::nullopt;
  return path.substr(launcherDir.size());
}

std::optional<std::string> PosixPathFor(std::u16string_view name, std::string_view folder) {
  if (name.find(u':') != std::u16string_view::npos) return std::nullopt;
  std::u16string mapped(name);
  for (char16_t& unit : mapped)
    if (unit == u'\\') unit = u'/';
  std::string path(folder);
  // Doubled separators are harmless to both systems, a missing one is not.
  if (path.empty() || path.back() != '/') path += '/';
  path += ToUtf8(mapped);
  return path;
}

}  // namespace zix::check
