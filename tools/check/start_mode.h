#pragma once
// Whether zixgame-check was started from Explorer (a double-click, or a file or folder dropped
// on it) or from a terminal, a script or another program: a console program that Explorer
// starts gets a console of its own, which closes the moment the program ends.

#include <cstdint>

namespace zix::check {

// What the console tells about the running program; natively nothing is a console.
struct ConsoleFacts {
  bool inputIsConsole = false;   // standard input reads the console's keys
  bool outputIsConsole = false;  // standard output writes onto the console's screen
  uint32_t processesOnConsole = 0;  // this program included; 0 when there is no console
  bool consoleHasWindow = false;    // none for a console made with CREATE_NO_WINDOW, which nobody sees
};

enum class StartMode { Terminal, Explorer };

// Explorer only where the console belongs to this program alone, has a window that goes when
// the program ends, and neither standard input nor standard output was redirected: a terminal
// or a script keeps its console attached.
StartMode DecideStartMode(const ConsoleFacts& facts);

}  // namespace zix::check
