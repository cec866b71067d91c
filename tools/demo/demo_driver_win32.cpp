// Stages the launcher for the README screenshot: starts it, waits for its main window, rests the
// mouse on the first game button so that its tooltip shows, tells the script where to crop, and
// closes the launcher once the picture is taken.
//
//   demo_driver.exe <launcher.exe> <handshake folder>
//
// The driver runs inside the Wine desktop the launcher is shown in, so it cannot talk to the
// script through a console; it talks through files in the handshake folder instead:
//   shown.txt     written by the driver: "left top right bottom" of everything the launcher shows
//   captured      written by the script once the screenshot is saved
//   result.txt    written by the driver: "exit <code>" or "error: <what went wrong>"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "launcher/game_button_ids.h"
#include "platform/unique_handle_win32.h"

namespace {

constexpr DWORD kPollMs = 100;
constexpr DWORD kWindowWaitMs = 30000;
constexpr DWORD kTooltipWaitMs = 2000;
constexpr DWORD kCaptureWaitMs = 60000;
constexpr DWORD kExitWaitMs = 10000;

struct DriverError {
  std::string what;
};

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Written beside and then renamed, so that the script never reads half a file.
void WriteTextFile(const std::wstring& path, const std::string& text) {
  const std::wstring partial = path + L".part";
  {
    const zix::UniqueFileHandle file(CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr,
                                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw DriverError{"cannot write the handshake file"};
    DWORD written = 0;
    if (!WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        written != text.size()) {
      throw DriverError{"cannot write the handshake file"};
    }
  }
  if (!MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    throw DriverError{"cannot rename the handshake file"};
  }
}

struct ProcessWindows {
  DWORD processId;
  std::vector<HWND> visible;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM context) {
  auto& found = *reinterpret_cast<ProcessWindows*>(context);
  DWORD owner = 0;
  if (GetWindowThreadProcessId(window, &owner) == 0 || owner != found.processId) return TRUE;
  if (!IsWindowVisible(window)) return TRUE;
  try {
    found.visible.push_back(window);
  } catch (...) {
    return FALSE;  // out of memory: stop here rather than let the error cross the system's frame
  }
  return TRUE;
}

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
  ProcessWindows found{processId, {}};
  // A stopped enumeration still leaves what was found so far, which is all we can use.
  (void)EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&found));
  return found.visible;
}

bool HasClass(HWND window, const wchar_t* className) {
  wchar_t name[64];
  return GetClassNameW(window, name, 64) > 0 && lstrcmpW(name, className) == 0;
}

// A failed wait counts as "still running": the caller's own time limit then decides.
bool HasEnded(HANDLE process, DWORD waitMs) {
  return WaitForSingleObject(process, waitMs) == WAIT_OBJECT_0;
}

HWND WaitForMainWindow(HANDLE process, DWORD processId) {
  for (DWORD waited = 0; waited < kWindowWaitMs; waited += kPollMs) {
    for (HWND window : VisibleWindowsOf(processId)) {
      if (HasClass(window, L"Tfrmmain")) return window;
    }
    if (HasEnded(process, 0)) throw DriverError{"the launcher ended before it showed its window"};
    Sleep(kPollMs);
  }
  throw DriverError{"the launcher showed no main window within 30 s"};
}

// Rests the mouse on the first game button; waits until another window of the launcher (its
// tooltip) shows, or gives up quietly, since a picture without a tooltip is still worth taking.
void ShowFirstTooltip(HWND mainWindow, DWORD processId) {
  HWND button = GetDlgItem(mainWindow, zix::GameButtonId(1));
  RECT area;
  if (button == nullptr || !GetWindowRect(button, &area)) return;
  // Tooltips show only for the active program; if Wine refuses, there is simply no tooltip.
  (void)SetForegroundWindow(mainWindow);
  if (!SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2)) return;
  const size_t shownBefore = VisibleWindowsOf(processId).size();
  for (DWORD waited = 0; waited < kTooltipWaitMs; waited += kPollMs) {
    Sleep(kPollMs);
    if (VisibleWindowsOf(processId).size() > shownBefore) {
      Sleep(kPollMs);  // let it paint
      return;
    }
  }
}

// Everything the launcher shows, clipped to the screen.
RECT ShownArea(DWORD processId) {
  RECT shown{};
  for (HWND window : VisibleWindowsOf(processId)) {
    RECT area;
    // A window whose rectangle cannot be had is left out of the crop.
    if (GetWindowRect(window, &area)) (void)UnionRect(&shown, &shown, &area);
  }
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT clipped;
  if (!IntersectRect(&clipped, &shown, &screen))
    throw DriverError{"the launcher's window is off the screen"};
  return clipped;
}

void WaitForFile(const std::wstring& path, DWORD waitMs, const char* what) {
  for (DWORD waited = 0; !FileExists(path); waited += kPollMs) {
    if (waited >= waitMs) throw DriverError{what};
    Sleep(kPollMs);
  }
}

int RunDriver(const std::wstring& launcher, const std::wstring& handshake) {
  std::wstring commandLine = L"\"" + launcher + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(launcher.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &started)) {
    throw DriverError{"cannot start the launcher"};
  }
  const zix::UniqueKernelHandle process(started.hProcess);
  const zix::UniqueKernelHandle thread(started.hThread);

  HWND mainWindow = WaitForMainWindow(process.get(), started.dwProcessId);
  // Idle means the first paint is done; a launcher that never idles is still photographed.
  (void)WaitForInputIdle(process.get(), 5000);
  ShowFirstTooltip(mainWindow, started.dwProcessId);

  const RECT shown = ShownArea(started.dwProcessId);
  char line[64];
  std::snprintf(line, sizeof line, "%ld %ld %ld %ld\n", shown.left, shown.top, shown.right,
                shown.bottom);
  WriteTextFile(handshake + L"\\shown.txt", line);
  WaitForFile(handshake + L"\\captured", kCaptureWaitMs,
              "the screenshot was not taken within 60 s");

  if (!PostMessageW(mainWindow, WM_CLOSE, 0, 0))
    throw DriverError{"cannot ask the launcher to close"};
  if (!HasEnded(process.get(), kExitWaitMs)) {
    // The launcher is stuck; ending it is the only way to leave the desktop clean.
    (void)TerminateProcess(process.get(), 1);
    throw DriverError{"the launcher did not close within 10 s"};
  }
  DWORD exitCode = 0;
  if (!GetExitCodeProcess(process.get(), &exitCode))
    throw DriverError{"cannot read the launcher's exit code"};
  WriteTextFile(handshake + L"\\result.txt", "exit " + std::to_string(exitCode) + "\n");
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  LPWSTR* const argv = CommandLineToArgvW(GetCommandLineW(), &count);
  const zix::UniqueLocalMemory argvMemory(argv);
  if (argv == nullptr || count != 3) return 2;
  const std::wstring handshake = argv[2];
  try {
    return RunDriver(argv[1], handshake);
  } catch (const DriverError& error) {
    try {
      WriteTextFile(handshake + L"\\result.txt", "error: " + error.what + "\n");
    } catch (...) {
      // The script notices the missing result file and reports that instead.
    }
  } catch (...) {
    // Out of memory; as above, the missing result file speaks for itself.
  }
  return 1;
}
