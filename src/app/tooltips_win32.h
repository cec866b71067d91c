#pragma once
// The launcher's tooltips on the Win32 side: turns what the message loop sees into events of
// TooltipState, answers its questions about the game buttons, and carries out its commands
// with one thread timer and the one tooltip window.

#include <windows.h>

#include <memory>
#include <string>

#include "app/hint_window_win32.h"
#include "app/thread_timer_win32.h"
#include "app/tooltip_state.h"

namespace zix {

class Tooltips final : private HintControlTree {
 public:
  // Switches tooltips on: makes the tooltip window. Raises EOutOfResources when it cannot.
  Tooltips();
  ~Tooltips() override;
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;

  // Every message the loop takes, before it is dispatched. True for the expiry of the tooltip
  // timer, which has no window to go to and is consumed here.
  bool PreDispatch(const MSG& message);
  // The loop found its queue empty.
  void Idle();
  // The launcher was activated or deactivated.
  void ActivationChanged();
  // Switches tooltips off: cancels the tooltip and releases the window.
  void Shutdown() noexcept;

 private:
  ControlId Parent(ControlId control) const override;
  bool ShowHint(ControlId control) const override;
  std::u16string Hint(ControlId control) const override;
  ScreenRect ScreenBounds(ControlId control) const override;

  void Run(HintCommands commands);
  // Leaves nothing showing or counting, whatever the machine believed.
  void Reset() noexcept;

  TooltipState state_{*this};
  ThreadTimer timer_;
  std::unique_ptr<THintWindow> window_;
};

}  // namespace zix
