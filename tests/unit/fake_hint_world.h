#pragma once
// A fake control tree and a fake clock for walking TooltipState through time: the world
// carries out the machine's commands the way the Win32 side does, with a thread timer that
// repeats until it is stopped, and keeps a log of every command.

#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "app/tooltip_state.h"

namespace zix {

void PrintTo(const StartHintTimer& c, std::ostream* os);
void PrintTo(const StopHintTimer& c, std::ostream* os);
void PrintTo(const ShowHintWindow& c, std::ostream* os);
void PrintTo(const HideHintWindow& c, std::ostream* os);

struct FakeControl {
  ControlId parent = kNoControl;
  bool showHint = false;
  std::u16string hint;
  ScreenRect bounds;
};

class FakeControlTree : public HintControlTree {
 public:
  void Add(ControlId id, FakeControl control) { controls_[id] = std::move(control); }
  ControlId Parent(ControlId control) const override { return controls_.at(control).parent; }
  bool ShowHint(ControlId control) const override { return controls_.at(control).showHint; }
  std::u16string Hint(ControlId control) const override { return controls_.at(control).hint; }
  ScreenRect ScreenBounds(ControlId control) const override {
    return controls_.at(control).bounds;
  }

 private:
  std::map<ControlId, FakeControl> controls_;
};

class FakeHintWorld {
 public:
  explicit FakeHintWorld(const HintControlTree& tree) : machine_(tree) {}

  // The pointer moves to `position` over `control`, and the loop reports the move.
  void MoveTo(ControlId control, ScreenPoint position);
  // Time passes; every expiry of the timer on the way is reported.
  void Advance(uint32_t milliseconds);
  void Cancel() { Run(machine_.Cancel()); }
  void Idle(bool pointerOverLauncher) { Run(machine_.Idle(pointerOverLauncher)); }
  // Another program's window becomes active, or ours again; no event is reported by itself.
  void SetLauncherActive(bool active) { facts_.launcherActive = active; }
  // The pointer is somewhere else without a move having been reported (yet).
  void PlacePointer(ControlId control) { facts_.control = control; }
  void FailNextTimerStart() { failNextTimerStart_ = true; }
  // A timer message that was already queued when the timer was stopped.
  void DeliverQueuedTimerMessage() { Run(machine_.TimerExpired(facts_)); }

  const std::optional<ShowHintWindow>& Window() const { return window_; }
  bool TimerRunning() const { return timerPeriod_ != 0; }
  const HintCommands& Log() const { return log_; }
  void ClearLog() { log_.clear(); }
  const TooltipState& Machine() const { return machine_; }

 private:
  void Run(const HintCommands& commands);

  TooltipState machine_;
  PointerFacts facts_{kNoControl, {}, true};
  uint64_t now_ = 0;
  uint64_t deadline_ = 0;
  uint32_t timerPeriod_ = 0;  // 0: stopped
  bool failNextTimerStart_ = false;
  std::optional<ShowHintWindow> window_;
  HintCommands log_;
};

}  // namespace zix
