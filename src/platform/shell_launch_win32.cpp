#include <windows.h>
#include <shellapi.h>

#include "platform/files.h"
#include "platform/shell_launch.h"
#include "platform/wide_text_win32.h"

namespace zix {

namespace {

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

// The shell library is large, and many runs end without a press; it is loaded at the first
// press instead of with the program. It stays loaded: a started program may still be served
// by the shell's own threads and objects after the call returns.
ShellExecuteFunction LoadShellExecute() {
  // Only the system folder's copy, named in full: the launcher's folder is often on a removable
  // disk anyone can write to. (LOAD_LIBRARY_SEARCH_SYSTEM32 would say the same, but Windows 7
  // without its 2011 loader update refuses that flag.)
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\shell32.dll";
  const HMODULE shell = LoadLibraryW(path.c_str());
  if (shell == nullptr) return nullptr;
  return reinterpret_cast<ShellExecuteFunction>(
      reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteW")));
}

}  // namespace

intptr_t ExecuteFileInDir(const std::u16string& file, const std::u16string& parameters,
                          const std::u16string& folder) {
  const std::wstring wideFile = ToWide(file);
  const std::wstring wideParameters = ToWide(parameters);
  const std::wstring wideFolder = ToWide(folder);
  const ShellExecuteFunction shellExecute = LoadShellExecute();
  // As the shell would answer when short of memory; the callers look at no answer anyway.
  if (shellExecute == nullptr) return 0;
  const HINSTANCE result = shellExecute(nullptr, L"open", wideFile.c_str(), wideParameters.c_str(),
                                         wideFolder.c_str(), SW_SHOWNORMAL);
  return reinterpret_cast<intptr_t>(result);
}

intptr_t ExecuteFile(const std::u16string& file, const std::u16string& parameters) {
  return ExecuteFileInDir(file, parameters, FolderPart(file));
}

}  // namespace zix
