// Starts programs one after another, the same way each time, and measures for each start the
// time from just before CreateProcessW until the program's first top-level window is visible,
// and the program's working set at that moment (Wine counts no private bytes of another
// process; the working set is what it reports). The window is then closed and the next start
// waits for the program to end.
//
// bench_start.exe RUNS PROGRAM...
// A PROGRAM may carry its arguments after a "|" (which no Windows path holds): "C:\least.exe|10".
// Every program runs RUNS times after one start that warms the caches and is not counted; the
// programs take turns, so that a change in the machine's load falls on all of them alike. One
// line per program: its path, the median and the fastest start in milliseconds, and the median
// working set and peak working set in KiB.

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "platform/unique_handle_win32.h"

namespace {

constexpr DWORD kVisibleTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 10000;

struct Start {
  double milliseconds = 0;
  SIZE_T workingSet = 0;
  SIZE_T peakWorkingSet = 0;
};

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) noexcept {
  auto& search = *reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  // A window whose thread cannot be told is simply not the one looked for.
  static_cast<void>(GetWindowThreadProcessId(window, &owner));
  if (owner != search.processId || !IsWindowVisible(window)) return TRUE;
  search.found = window;
  return FALSE;
}

HWND VisibleWindowOf(DWORD processId) {
  WindowSearch search{processId, nullptr};
  // FALSE also means that the callback stopped the walk on finding the window.
  static_cast<void>(EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search)));
  return search.found;
}

double Now() {
  LARGE_INTEGER counter{};
  LARGE_INTEGER frequency{};
  // Both never fail on systems since Windows XP.
  static_cast<void>(QueryPerformanceCounter(&counter));
  static_cast<void>(QueryPerformanceFrequency(&frequency));
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t last = path.find_last_of(L"\\/");
  return last == std::wstring::npos ? std::wstring(L".") : path.substr(0, last);
}

// Closes the program's window and waits for its end; a program that will not end is killed.
void EndProgram(HANDLE process, HWND window) {
  if (window != nullptr && PostMessageW(window, WM_CLOSE, 0, 0) &&
      WaitForSingleObject(process, kExitTimeoutMs) == WAIT_OBJECT_0) {
    return;
  }
  std::fwprintf(stderr, L"bench_start: a program did not end on WM_CLOSE; killed\n");
  // Killed or already gone: either way it no longer runs once the wait below returns.
  static_cast<void>(TerminateProcess(process, 1));
  static_cast<void>(WaitForSingleObject(process, kExitTimeoutMs));
}

std::optional<Start> StartOnce(const std::wstring& programAndArguments) {
  const size_t bar = programAndArguments.find(L'|');
  const std::wstring program = programAndArguments.substr(0, bar);
  std::wstring commandLine = L"\"" + program + L"\"";
  if (bar != std::wstring::npos) commandLine += L" " + programAndArguments.substr(bar + 1);
  const std::wstring folder = FolderOf(program);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION created{};
  const double begin = Now();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &created)) {
    std::fwprintf(stderr, L"bench_start: cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
    return std::nullopt;
  }
  const zix::UniqueKernelHandle process(created.hProcess);
  const zix::UniqueKernelHandle thread(created.hThread);

  HWND window = nullptr;
  for (;;) {
    window = VisibleWindowOf(created.dwProcessId);
    if (window != nullptr) break;
    if (WaitForSingleObject(process.get(), 1) != WAIT_TIMEOUT || Now() - begin > kVisibleTimeoutMs) {
      std::fwprintf(stderr, L"bench_start: %ls showed no window\n", program.c_str());
      EndProgram(process.get(), nullptr);
      return std::nullopt;
    }
  }
  Start start;
  start.milliseconds = Now() - begin;
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(process.get(), &counters, sizeof counters)) {
    start.workingSet = counters.WorkingSetSize;
    start.peakWorkingSet = counters.PeakWorkingSetSize;
  }
  EndProgram(process.get(), window);
  return start;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc >= 3 ? _wtoi(argv[1]) : 0;
  if (runs < 1) {
    std::fwprintf(stderr, L"usage: bench_start RUNS PROGRAM...\n");
    return 2;
  }
  const std::vector<std::wstring> programs(argv + 2, argv + argc);
  std::vector<std::vector<Start>> starts(programs.size());
  for (int round = 0; round <= runs; ++round) {
    for (size_t i = 0; i < programs.size(); ++i) {
      const std::optional<Start> start = StartOnce(programs[i]);
      if (!start) return 1;
      if (round > 0) starts[i].push_back(*start);
    }
  }
  for (size_t i = 0; i < programs.size(); ++i) {
    std::vector<double> times;
    std::vector<SIZE_T> workingSets;
    std::vector<SIZE_T> peaks;
    for (const Start& start : starts[i]) {
      times.push_back(start.milliseconds);
      workingSets.push_back(start.workingSet);
      peaks.push_back(start.peakWorkingSet);
    }
    std::wprintf(L"%ls start_ms=%.1f fastest_ms=%.1f working_set_kib=%zu peak_kib=%zu\n",
                 programs[i].c_str(), Median(times), *std::min_element(times.begin(), times.end()),
                 Median(workingSets) / 1024, Median(peaks) / 1024);
  }
  return 0;
}
