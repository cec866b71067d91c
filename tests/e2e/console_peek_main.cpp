// console_peek PID screen | console_peek PID key CODE
// Looks into the console of another process from outside, as a user sees and types into it:
// "screen" writes the console's visible text as UTF-8 to standard output, one line per row,
// trailing blanks dropped; "key" types the character of the decimal code CODE. Started without
// a console of its own, since a process can attach to one console only. Exit status 0 when
// done, 1 when the console cannot be reached.
#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

#include "platform/unique_handle_win32.h"
#include "text_convert.h"

namespace {

bool WriteAll(HANDLE out, const std::string& bytes) {
  DWORD written = 0;
  return WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

int Screen(HANDLE out) {
  zix::UniqueFileHandle screen(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, 0, nullptr));
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!screen || !GetConsoleScreenBufferInfo(screen.get(), &info)) return 1;
  std::wstring text;
  for (SHORT row = 0; row <= info.srWindow.Bottom || row <= info.dwCursorPosition.Y; ++row) {
    std::vector<wchar_t> cells(static_cast<size_t>(info.dwSize.X));
    DWORD read = 0;
    if (!ReadConsoleOutputCharacterW(screen.get(), cells.data(), info.dwSize.X, COORD{0, row}, &read))
      return 1;
    std::wstring line(cells.data(), read);
    // A wide character takes two cells, the second of which repeats it.
    std::wstring shown;
    for (size_t i = 0; i < line.size(); ++i) {
      if (i > 0 && line[i] == line[i - 1] && line[i] >= 0x2E80) continue;
      shown += line[i];
    }
    while (!shown.empty() && shown.back() == L' ') shown.pop_back();
    text += shown + L"\n";
  }
  return WriteAll(out, zix::e2e::ToUtf8(zix::e2e::FromWide(text))) ? 0 : 1;
}

int Key(wchar_t character) {
  zix::UniqueFileHandle keys(CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
  if (!keys) return 1;
  INPUT_RECORD records[2] = {};
  for (int i = 0; i < 2; ++i) {
    records[i].EventType = KEY_EVENT;
    KEY_EVENT_RECORD& key = records[i].Event.KeyEvent;
    key.bKeyDown = i == 0;
    key.wRepeatCount = 1;
    key.wVirtualKeyCode = static_cast<WORD>(VkKeyScanW(character) & 0xFF);
    key.uChar.UnicodeChar = character;
  }
  DWORD written = 0;
  return WriteConsoleInputW(keys.get(), records, 2, &written) && written == 2 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  // The standard output handed over; attaching gives the process the console's handles.
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  const DWORD process = static_cast<DWORD>(std::wcstoul(argv[1], nullptr, 10));
  if (!AttachConsole(process)) return 1;
  const std::wstring what = argv[2];
  if (what == L"screen") return Screen(out);
  if (what == L"key" && argc > 3) return Key(static_cast<wchar_t>(std::wcstoul(argv[3], nullptr, 10)));
  return 2;
}
