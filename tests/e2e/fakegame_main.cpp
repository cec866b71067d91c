// A stand-in game: appends how it was started to the file named by ZIX_FAKEGAME_RECORD and
// exits. It is a GUI program without windows so that starting it opens no console, and it
// never writes beside itself: the launcher's folder must stay untouched.

#include <windows.h>

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
  return AppendRecord(recordPath, zix::e2e::EncodeRecord(record)) ? kRecorded : kWriteFailed;
}
