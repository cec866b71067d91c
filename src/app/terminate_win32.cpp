// What std::terminate does in the launcher: the fatal error box and exit code 1.
//
// The C++ library's own handler writes the name of the active exception to the standard
// error stream through a name demangler; a windowed program has no such stream, and the
// demangler with its formatting code would be a quarter of the program's size. Defining the
// handler here keeps the library's version out of the link.

#include <exception>

#include "app/error_report_win32.h"

namespace __gnu_cxx {

void __verbose_terminate_handler() { zix::EndAfterTermination(); }

}  // namespace __gnu_cxx
