#pragma once
// One timer of the calling thread: its expiry arrives as a WM_TIMER message without a window,
// taken by the message loop like any other. Stopped when it is replaced or released.

#include <windows.h>

#include <utility>

namespace zix {

class ThreadTimer {
 public:
  ThreadTimer() = default;
  ~ThreadTimer() { Stop(); }
  ThreadTimer(ThreadTimer&& other) noexcept : id_(std::exchange(other.id_, 0)) {}
  ThreadTimer& operator=(ThreadTimer&& other) noexcept {
    if (this != &other) {
      Stop();
      id_ = std::exchange(other.id_, 0);
    }
    return *this;
  }
  ThreadTimer(const ThreadTimer&) = delete;
  ThreadTimer& operator=(const ThreadTimer&) = delete;

  // Replaces a running period with a new one. False when the system refused the timer, which
  // then is stopped.
  bool Start(UINT milliseconds) noexcept {
    Stop();
    // A fresh identifier each time, so that an expiry of the stopped timer still in the queue
    // cannot be taken for one of the new timer.
    id_ = SetTimer(nullptr, 0, milliseconds, nullptr);
    return id_ != 0;
  }

  void Stop() noexcept {
    // KillTimer fails only for a timer that is already gone, which is the state wanted.
    if (id_ != 0) static_cast<void>(KillTimer(nullptr, std::exchange(id_, 0)));
  }

  // True for the expiry message of this timer while it runs.
  bool IsExpiry(const MSG& message) const noexcept {
    return id_ != 0 && message.message == WM_TIMER && message.hwnd == nullptr &&
           message.wParam == id_;
  }

 private:
  UINT_PTR id_ = 0;
};

}  // namespace zix
