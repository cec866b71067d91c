// A child for the DLL search tests: asks for one DLL by name, as the system's own components do
// after start, optionally after the launcher's start-up step, and answers in its exit code.
//   load_by_name <dll name> [--restricted]
// 0: loaded; 1: --restricted, but the system would not take both settings; 2: wrong use;
// otherwise the error that LoadLibraryW reported.
#include <windows.h>

#include <cwchar>

#include "platform/dll_search_win32.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 2 || argc > 3 || (argc == 3 && std::wcscmp(argv[2], L"--restricted") != 0)) return 2;
  if (argc == 3) {
    const zix::DllSearchRestriction restriction = zix::RestrictDllSearch();
    if (!restriction.systemFolderOnly || !restriction.currentFolderLast) return 1;
  }
  // Never freed: the process ends at once.
  if (LoadLibraryW(argv[1]) != nullptr) return 0;
  const DWORD error = GetLastError();
  return error <= 2 ? 3 : static_cast<int>(error);
}
