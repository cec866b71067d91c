#include "e2e_paths.h"

#include <windows.h>

#include "file_bytes.h"
#include "grown_text.h"
#include "text_convert.h"

namespace zix::e2e {
namespace {

std::u16string OwnFolder() {
  const std::wstring path =
      GrownText([](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
  return path.empty() ? std::u16string() : FolderOf(FromWide(path));
}

std::u16string ProgramPath(const wchar_t* variable, std::u16string_view fileName) {
  wchar_t value[MAX_PATH + 1];
  const DWORD length = GetEnvironmentVariableW(variable, value, MAX_PATH + 1);
  std::u16string path = length > 0 && length <= MAX_PATH ? FromWide(value)
                                                         : OwnFolder() + std::u16string(fileName);
  const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return {};
  return path;
}

}  // namespace

std::u16string LauncherProgramPath() { return ProgramPath(L"ZIX_LAUNCHER_EXE", u"zixgame.exe"); }

std::u16string FakeGameProgramPath() { return ProgramPath(L"ZIX_FAKEGAME_EXE", u"fakegame.exe"); }

std::u16string PlantedLibraryPath() { return ProgramPath(L"ZIX_PLANTED_DLL", u"planted_library.dll"); }

std::u16string CheckProgramPath() { return ProgramPath(L"ZIX_CHECK_EXE", u"zixgame-check.exe"); }

std::u16string SuiteFolder() { return OwnFolder(); }

}  // namespace zix::e2e
