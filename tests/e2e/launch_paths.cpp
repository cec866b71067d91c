#include "launch_paths.h"

#include <windows.h>

#include "grown_text.h"
#include "text_convert.h"

namespace zix::e2e {

std::u16string FullPath(const std::u16string& path) {
  const std::wstring wide = ToWide(path);
  const std::wstring full = GrownText(
      [&wide](wchar_t* buffer, DWORD size) { return GetFullPathNameW(wide.c_str(), size, buffer, nullptr); });
  return full.empty() ? path : FromWide(full);
}

std::u16string ReportedWorkingFolder(const std::u16string& folder) {
  std::u16string full = FullPath(folder);
  if (full.size() > 3 && full.back() == u'\\') full.pop_back();
  return full;
}

}  // namespace zix::e2e
