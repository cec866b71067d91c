#pragma once
// What another process holds of the window system: its GDI and USER object counts as the
// system reports them, and the windows that can be counted from outside.

#include <windows.h>

#include <optional>

namespace zix::e2e {

struct GuiObjectCount {
  DWORD count = 0;      // GetGuiResources' answer
  DWORD lastError = 0;  // GetLastError after a 0 answer, which may mean "not counted"
};

struct GuiObjects {
  GuiObjectCount gdi;
  GuiObjectCount user;
};

// Nothing when the process cannot be opened for the query.
std::optional<GuiObjects> ReadGuiObjects(DWORD processId);

// Every window of the process: its top-level windows and all their descendants.
size_t CountWindows(DWORD processId);

// The GDI objects of the process as Wine's handle table lists them. Wine keeps one table per
// process, laid out as Windows' shared GDI handle table and named in the process block; this
// counts its used entries. Nothing when the table cannot be read (not Wine, or another layout):
// the driver's self-check then fails, so a count is never taken on trust.
std::optional<size_t> CountGdiTableEntries(DWORD processId);

// The process's kernel handles; nothing when the system cannot say.
std::optional<DWORD> CountKernelHandles(DWORD processId);

}  // namespace zix::e2e
