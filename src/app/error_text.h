#pragma once
// The texts of the two error reports: the error box shown while the message loop runs, and
// the fatal error box shown when the start-up itself fails.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/exception.h"

namespace zix {

inline constexpr unsigned kErrorBoxStyle = 0x10;     // MB_OK | MB_ICONERROR
inline constexpr unsigned kFatalBoxStyle = 0x2010;   // MB_TASKMODAL | MB_ICONERROR
inline constexpr char16_t kFatalBoxCaption[] = u"Application Error";
inline constexpr size_t kFatalTextLimit = 1023;

// The message of the innermost error in the chain that has a non-empty one (the error's own
// when none has), with "." added when its last code unit lies above "." (U+002E).
std::u16string ErrorBoxText(const Exception& error);

// The full stop rule of the error box on its own.
std::u16string WithErrorBoxStop(std::u16string message);

// A loaded module: its file name as the system reports it and its load address.
struct ModuleSpan {
  std::u16string fileName;
  uintptr_t base = 0;
};

// Where the fatal error box says an error arose.
struct CodeLocation {
  std::u16string moduleName;  // file name without its folder
  uintptr_t offset = 0;       // distance from the module's load address
};

// The module holding `address` when there is one; otherwise the launcher's own file name
// and the address less 4096 (0 for no address).
CodeLocation LocateCodeAddress(uintptr_t address, const std::optional<ModuleSpan>& module,
                               std::u16string_view ownFileName);

// Upper-case hexadecimal, at least eight digits (more only for a 64-bit value that needs them).
std::u16string HexAddress(uintptr_t value);

// "Exception <class> in module <module> at <offset>.\r\n<message><stop>\r\n", where the stop
// is "." unless the message is empty or already ends in "."; cut at kFatalTextLimit units,
// never inside a surrogate pair.
std::u16string FatalErrorText(std::string_view className, const CodeLocation& where,
                              std::u16string_view message);

}  // namespace zix
