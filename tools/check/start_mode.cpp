#include "check/start_mode.h"

namespace zix::check {

StartMode DecideStartMode(const ConsoleFacts& facts) {
  const bool ownConsole = facts.processesOnConsole == 1;
  return facts.inputIsConsole && facts.outputIsConsole && ownConsole && facts.consoleHasWindow
             ? StartMode::Explorer
             : StartMode::Terminal;
}

}  // namespace zix::check
