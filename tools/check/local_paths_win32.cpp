#include <windows.h>

#include <string>

#include "check/local_paths.h"
#include "platform/files.h"

namespace zix::check {

bool ExistsInCheckedFolder(std::u16string_view path, std::u16string_view launcherDir,
                           std::u16string_view checkedFolder, EntryKind kind) {
  const auto name = NameUnderLauncher(path, launcherDir);
  if (!name) return false;
  std::u16string real(checkedFolder);
  if (real.empty()) real = u".";
  if (real.back() != u'\\' && real.back() != u'/') real += u'\\';
  real += *name;
  if (kind == EntryKind::File) return FileExists(real);
  if (real.find(u'\0') != std::u16string::npos) return false;
  const std::wstring wide(real.begin(), real.end());
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::u16string> FileInCheckedFolder(std::u16string_view name,
                                                  std::u16string_view checkedFolder) {
  std::u16string path(checkedFolder.empty() ? u"." : checkedFolder);
  if (path.back() != u'\\' && path.back() != u'/') path += u'\\';
  path += name;
  if (!FileExists(path)) return std::nullopt;
  return path;
}

}  // namespace zix::check
