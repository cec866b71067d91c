#pragma once
// GCC 12 with the win32 thread model has no std::mutex, which GoogleTest's Notification needs
// on Windows. This one waits on a Win32 event instead; it is force-included before GoogleTest.

#ifdef __cplusplus
#include <windows.h>

// Relative, since GoogleTest's own sources are built without the project's include folders.
#include "../src/platform/unique_handle_win32.h"

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  Notification() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() {
    if (event_) (void)SetEvent(event_.get());  // a failed set only leaves waiters to their caller
  }
  void WaitForNotification() {
    if (event_) (void)WaitForSingleObject(event_.get(), INFINITE);  // GoogleTest's own contract: no bound
  }

 private:
  zix::UniqueKernelHandle event_;
};

}  // namespace testing::internal
#endif
