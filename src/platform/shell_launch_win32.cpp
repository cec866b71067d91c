#include <windows.h>
#include <shellapi.h>

#include "platform/files.h"
#include "platform/shell_launch.h"
#include "platform/wide_text_win32.h"

namespace zix {

intptr_t ExecuteFileInDir(const std::u16string& file, const std::u16string& parameters,
                          const std::u16string& folder) {
  const std::wstring wideFile = ToWide(file);
  const std::wstring wideParameters = ToWide(parameters);
  const std::wstring wideFolder = ToWide(folder);
  const HINSTANCE result = ShellExecuteW(nullptr, L"open", wideFile.c_str(), wideParameters.c_str(),
                                         wideFolder.c_str(), SW_SHOWNORMAL);
  return reinterpret_cast<intptr_t>(result);
}

intptr_t ExecuteFile(const std::u16string& file, const std::u16string& parameters) {
  return ExecuteFileInDir(file, parameters, FolderPart(file));
}

}  // namespace zix
