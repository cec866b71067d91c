#pragma once
// One launcher process (or another program of the suite's) started by a test, killed if the
// test leaves it running: no test can leave a window behind or hang on one that never ends.

#include <windows.h>

#include <optional>
#include <string>

#include "platform/unique_handle_win32.h"

namespace zix::e2e {

struct LaunchOptions {
  std::u16string workingFolder;     // the launcher's current folder; empty: the test's own
  std::u16string recordPath;        // ZIX_FAKEGAME_RECORD for the games it starts
  std::optional<WORD> showCommand;  // passed with STARTF_USESHOWWINDOW when set
  std::wstring arguments;           // after the quoted program name, as written
  DWORD creationFlags = 0;          // besides CREATE_UNICODE_ENVIRONMENT: CREATE_NEW_CONSOLE, say
};

class LauncherProcess {
 public:
  LauncherProcess(const std::u16string& program, const LaunchOptions& options);
  ~LauncherProcess();
  LauncherProcess(LauncherProcess&&) noexcept = default;
  LauncherProcess& operator=(LauncherProcess&&) = delete;  // would drop a running launcher unkilled

  bool ok() const { return static_cast<bool>(process_); }
  const std::string& Error() const { return error_; }
  DWORD Id() const { return id_; }
  bool Running() const;

  // The exit code, or nothing when the process is still running after timeoutMs.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;
  // Ends the process if it still runs and waits a bounded time for it to go.
  void Kill();

 private:
  UniqueKernelHandle process_;
  DWORD id_ = 0;
  std::string error_;
};

}  // namespace zix::e2e
