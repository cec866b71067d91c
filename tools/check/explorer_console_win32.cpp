#include <windows.h>
#include <objbase.h>

#include "check/explorer_console.h"
#include "platform/files.h"
#include "platform/shell_launch.h"

namespace zix::check {

namespace {

bool IsConsole(DWORD which) {
  DWORD mode = 0;
  const HANDLE handle = GetStdHandle(which);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

bool IsModifierOnly(WORD key) { return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU; }

}  // namespace

ConsoleFacts QueryConsoleFacts() {
  ConsoleFacts facts;
  facts.inputIsConsole = IsConsole(STD_INPUT_HANDLE);
  facts.outputIsConsole = IsConsole(STD_OUTPUT_HANDLE);
  // Room for two is enough to tell "this program alone" from "shared".
  DWORD processes[2] = {};
  facts.processesOnConsole = GetConsoleProcessList(processes, 2);
  facts.consoleHasWindow = GetConsoleWindow() != nullptr;
  return facts;
}

void ForgetPressedKeys() {
  // Nothing to forget when the input is no console: WaitForKey then ends at once anyway.
  (void)FlushConsoleInputBuffer(GetStdHandle(STD_INPUT_HANDLE));
}

std::optional<char16_t> WaitForKey() {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  for (;;) {
    INPUT_RECORD record{};
    DWORD read = 0;
    if (!ReadConsoleInputW(input, &record, 1, &read) || read == 0) return std::nullopt;
    if (record.EventType != KEY_EVENT) continue;
    const KEY_EVENT_RECORD& key = record.Event.KeyEvent;
    if (!key.bKeyDown || IsModifierOnly(key.wVirtualKeyCode)) continue;
    return static_cast<char16_t>(key.uChar.UnicodeChar);
  }
}

std::u16string ProgramFolder() { return LauncherFolder(); }

std::optional<std::u16string> TemporaryFolder() {
  wchar_t buffer[MAX_PATH + 2] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 2, buffer);
  if (length == 0 || length > MAX_PATH + 1) return std::nullopt;
  return std::u16string(buffer, buffer + length);
}

std::optional<unsigned> OpenWithShell(const std::u16string& file) {
  // The shell may hand the file on through COM; an apartment already there serves as well.
  (void)CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const intptr_t result = ExecuteFile(file, u"");
  if (result > 32) return std::nullopt;
  return static_cast<unsigned>(result);
}

}  // namespace zix::check
