#include "launch_paths.h"

#include <windows.h>

#include "text_convert.h"

namespace zix::e2e {

std::u16string FullPath(const std::u16string& path) {
  const std::wstring wide = ToWide(path);
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return path;
    if (length < full.size()) return FromWide(full.substr(0, length));
    full.resize(length);
  }
}

std::u16string ReportedWorkingFolder(const std::u16string& folder) {
  std::u16string full = FullPath(folder);
  if (full.size() > 3 && full.back() == u'\\') full.pop_back();
  return full;
}

}  // namespace zix::e2e
