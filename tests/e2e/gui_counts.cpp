#include "gui_counts.h"

#include <winternl.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/unique_handle_win32.h"
#include "window_reader.h"

namespace zix::e2e {
namespace {

GuiObjectCount Count(HANDLE process, DWORD flags) {
  SetLastError(ERROR_SUCCESS);
  GuiObjectCount result;
  result.count = GetGuiResources(process, flags);
  if (result.count == 0) result.lastError = GetLastError();
  return result;
}

UniqueKernelHandle OpenForQuery(DWORD processId) {
  return UniqueKernelHandle(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
}

// One entry of the GDI handle table; pointer-sized fields are 64 bits wide in every process.
struct GdiHandleEntry {
  uint64_t object;
  uint32_t owner;
  uint16_t unique;
  uint8_t type;  // 0 for a free entry
  uint8_t flags;
  uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr size_t kGdiTableEntries = 0x10000;
// Where the process block keeps the table's address.
constexpr size_t kPeb64GdiTableOffset = 0xF8;
#ifdef _WIN64
constexpr size_t kPebGdiTableOffset = kPeb64GdiTableOffset;
#else
constexpr size_t kPebGdiTableOffset = 0x94;
// Under WOW64, Wine 8 writes the address only into the process's 64-bit block, which it keeps
// one page below the 32-bit block that a 32-bit caller is shown.
constexpr uintptr_t kWow64BlockDistance = 0x1000;
#endif

using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

std::optional<uintptr_t> ProcessBlockOf(HANDLE process) {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (ntdll == nullptr) return std::nullopt;
  const auto query = reinterpret_cast<QueryProcess>(
      reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (query == nullptr || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
    return std::nullopt;
  }
  return reinterpret_cast<uintptr_t>(basic.PebBaseAddress);
}

template <typename Value>
bool ReadRemote(HANDLE process, uintptr_t address, Value& value) {
  SIZE_T read = 0;
  return ReadProcessMemory(process, reinterpret_cast<LPCVOID>(address), &value, sizeof value, &read) &&
         read == sizeof value;
}

std::optional<uintptr_t> GdiTableAddress(HANDLE process, uintptr_t block) {
  uintptr_t table = 0;
  if (!ReadRemote(process, block + kPebGdiTableOffset, table)) return std::nullopt;
#ifndef _WIN64
  uint64_t wide = 0;
  if (table == 0 && block >= kWow64BlockDistance &&
      ReadRemote(process, block - kWow64BlockDistance + kPeb64GdiTableOffset, wide) && wide <= UINTPTR_MAX) {
    table = static_cast<uintptr_t>(wide);
  }
#endif
  if (table == 0) return std::nullopt;
  return table;
}

struct WindowTally {
  DWORD processId;
  size_t count = 0;
};

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) noexcept {
  auto& tally = *reinterpret_cast<WindowTally*>(param);
  DWORD owner = 0;
  if (GetWindowThreadProcessId(window, &owner) != 0 && owner == tally.processId) {
    tally.count += 1;
    // ChildWindows may fail to allocate; a short count then shows up as a difference.
    try {
      tally.count += ChildWindows(window).size();
    } catch (...) {
      return FALSE;
    }
  }
  return TRUE;
}

}  // namespace

std::optional<GuiObjects> ReadGuiObjects(DWORD processId) {
  const UniqueKernelHandle process = OpenForQuery(processId);
  if (!process) return std::nullopt;
  return GuiObjects{Count(process.get(), GR_GDIOBJECTS), Count(process.get(), GR_USEROBJECTS)};
}

size_t CountWindows(DWORD processId) {
  WindowTally tally{processId};
  (void)EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&tally));  // a partial count still compares
  return tally.count;
}

std::optional<size_t> CountGdiTableEntries(DWORD processId) {
  const UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  if (!process) return std::nullopt;
  const std::optional<uintptr_t> block = ProcessBlockOf(process.get());
  const std::optional<uintptr_t> table = block ? GdiTableAddress(process.get(), *block) : std::nullopt;
  if (!table) return std::nullopt;
  std::vector<GdiHandleEntry> entries(kGdiTableEntries);
  SIZE_T read = 0;
  if (!ReadProcessMemory(process.get(), reinterpret_cast<LPCVOID>(*table), entries.data(),
                         entries.size() * sizeof(GdiHandleEntry), &read) ||
      read != entries.size() * sizeof(GdiHandleEntry)) {
    return std::nullopt;
  }
  size_t used = 0;
  for (const GdiHandleEntry& entry : entries) used += entry.type != 0 ? 1 : 0;
  return used;
}

std::optional<DWORD> CountKernelHandles(DWORD processId) {
  const UniqueKernelHandle process = OpenForQuery(processId);
  DWORD count = 0;
  if (!process || !GetProcessHandleCount(process.get(), &count)) return std::nullopt;
  return count;
}

}  // namespace zix::e2e
