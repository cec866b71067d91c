#pragma once
// zixgame-check started the way Explorer starts a console program on a double-click or a
// drop: a new console of its own, standard input and output on it. The suite reads that
// console's screen and types into it through console_peek.exe, beside the suite.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "launcher_process.h"

namespace zix::e2e {

class ExplorerStartedCheck {
 public:
  // program: the checker's path; scratchFolder: where console_peek's answers are kept.
  ExplorerStartedCheck(const std::u16string& program, const std::vector<std::u16string>& args,
                       const std::u16string& workingFolder, std::u16string scratchFolder);
  bool ok() const { return process_.ok(); }
  const std::string& failure() const { return process_.Error(); }

  // The console's text as shown, one line per row; none when it cannot be read.
  std::optional<std::u16string> Screen() const;
  // The screen once it shows text, within timeoutMs; the last screen read either way.
  std::u16string WaitForText(std::u16string_view text, DWORD timeoutMs) const;
  bool Type(char16_t key) const;
  bool Running() const { return process_.Running(); }
  // The exit code once the program has ended within timeoutMs.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs) const { return process_.WaitForExit(timeoutMs); }

 private:
  LauncherProcess process_;  // ended when the test leaves it running
  std::u16string scratch_;
};

}  // namespace zix::e2e
