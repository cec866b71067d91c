#include "platform/dll_search_win32.h"

#include <windows.h>

#include "platform/entry_point_win32.h"

namespace zix {

namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD directoryFlags);
using SetSearchPathModeFunction = BOOL(WINAPI*)(DWORD flags);

}  // namespace

DllSearchRestriction RestrictDllSearch() {
  DllSearchRestriction restriction;
  // Every process has kernel32 loaded before its first instruction.
  const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
  if (kernel32 == nullptr) return restriction;

  // Not SetDllDirectoryW: the programs a process starts inherit that one.
  const auto setDefaultDllDirectories =
      EntryPoint<SetDefaultDllDirectoriesFunction>(kernel32, "SetDefaultDllDirectories");
  restriction.systemFolderOnly = setDefaultDllDirectories != nullptr &&
                                 setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE;

  const auto setSearchPathMode =
      EntryPoint<SetSearchPathModeFunction>(kernel32, "SetSearchPathMode");
  restriction.currentFolderLast =
      setSearchPathMode != nullptr &&
      setSearchPathMode(BASE_SEARCH_PATH_ENABLE_SAFE_SEARCHMODE | BASE_SEARCH_PATH_PERMANENT) != FALSE;
  return restriction;
}

}  // namespace zix
