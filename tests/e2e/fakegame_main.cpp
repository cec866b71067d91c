// A stand-in game: appends how it was started to the file named by ZIX_FAKEGAME_RECORD and
// exits. Given --load-libraries NAME..., it first asks for each DLL by name, as a game asks for
// its own, and records where each came from. It is a GUI program without windows so that
// starting it opens no console, and it never writes beside itself: the launcher's folder must
// stay untouched.

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "game_record.h"
#include "grown_text.h"
#include "platform/unique_handle_win32.h"
#include "text_convert.h"

namespace {

using zix::UniqueFileHandle;
using zix::e2e::FromWide;
using zix::e2e::GameRecord;
using zix::e2e::GrownText;

constexpr int kRecorded = 0;
constexpr int kNoRecordFile = 2;
constexpr int kWriteFailed = 3;

std::wstring EnvironmentValue(const wchar_t* name) {
  return GrownText([name](wchar_t* buffer, DWORD size) { return GetEnvironmentVariableW(name, buffer, size); });
}

std::wstring CurrentFolder() {
  return GrownText([](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); });
}

std::wstring OwnPath() {
  return GrownText([](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
}

std::wstring LoadedFile(HMODULE module) {
  return GrownText([module](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(module, buffer, size); });
}

std::wstring LoadNamedLibraries() {
  int count = 0;
  const zix::UniqueLocalMemory memory(CommandLineToArgvW(GetCommandLineW(), &count));
  const auto* const args = static_cast<const LPWSTR*>(memory.get());
  std::wstring loaded;
  if (args == nullptr || count < 2 || std::wstring(args[1]) != L"--load-libraries") return loaded;
  for (int i = 2; i < count; ++i) {
    // Never freed: the game ends at once.
    const HMODULE module = LoadLibraryW(args[i]);
    loaded += (module != nullptr ? LoadedFile(module) : L"error " + std::to_wstring(GetLastError())) + L"\n";
  }
  return loaded;
}

// Two starts of the same game may append at once; appends are whole records, and a file
// another start has open at that instant is tried again for a while.
bool AppendRecord(const std::wstring& recordPath, const std::string& line) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    UniqueFileHandle file(CreateFileW(recordPath.c_str(), FILE_APPEND_DATA,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
      if (GetLastError() != ERROR_SHARING_VIOLATION) return false;
      Sleep(20);
      continue;
    }
    DWORD written = 0;
    const BOOL ok = WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    return ok && written == line.size();
  }
  return false;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring recordPath = EnvironmentValue(zix::e2e::kRecordVariable);
  if (recordPath.empty()) return kNoRecordFile;
  GameRecord record;
  record.commandLine = FromWide(GetCommandLineW());
  record.workingFolder = FromWide(CurrentFolder());
  record.programPath = FromWide(OwnPath());
  record.libraries = FromWide(LoadNamedLibraries());
  return AppendRecord(recordPath, zix::e2e::EncodeRecord(record)) ? kRecorded : kWriteFailed;
}
