#pragma once
// A function of a system DLL looked up by name at run time, so that a program still starts on
// a Windows that lacks it.

#include <windows.h>

namespace zix {

// Null when the module has no such export. GetProcAddress hands out one generic type; going
// through void(*)() says the conversion to the real signature is meant.
template <typename Function>
Function EntryPoint(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace zix
