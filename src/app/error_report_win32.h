#pragma once
// The frame's error guards and the two reports: the error box for an error inside the
// handling of a message, and the fatal error box for an error of the start-up itself.

#include <windows.h>

#include "platform/exception.h"

namespace zix {

class WindowObject;

// An error raised by code that is not the program's own (a foreign C++ error).
ZIX_DECLARE_EXCEPTION(EExternalException, ExceptionBase)

// Call only inside a catch block: reports the error being handled through the error box of
// the application object, as the error of `sender`'s work. Never raises.
void ReportCurrentError(const WindowObject* sender) noexcept;

// Runs `work`; an error escaping it goes to the error box and is swallowed. True when the
// work ran to its end.
template <class Work>
bool Guarded(const WindowObject* sender, Work&& work) noexcept {
  try {
    work();
    return true;
  } catch (...) {
    ReportCurrentError(sender);
    return false;
  }
}

// Call only inside a catch block: shows the fatal error box for the error being handled.
// The caller ends the process afterwards. Never raises.
void ReportFatalError() noexcept;

// std::terminate was called: reports the active error, if any, in the fatal error box and
// ends the process with exit code 1.
[[noreturn]] void EndAfterTermination() noexcept;

// The process's top-level filter for processor faults: shows the fatal error box and ends
// the process with exit code 1.
LONG WINAPI ProcessorFaultFilter(EXCEPTION_POINTERS* pointers) noexcept;

}  // namespace zix
