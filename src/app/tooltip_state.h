#pragma once
// When the launcher's tooltip shows, moves on and hides. Plain code driven by events: the Win32
// side reports what happened (a mouse move, the timer's expiry, an idle pass, a message that
// cancels) together with the facts about the pointer, and carries out the commands it gets
// back in order. Controls are opaque ids asked about through HintControlTree, so that tests
// can walk the machine with a fake control tree and a fake clock.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/screen_geometry.h"

namespace zix {

// The pointer must rest this long on a control before its tooltip shows.
inline constexpr uint32_t HintPause = 500;
// The pause before the next tooltip while one is active: none, the neighbour's shows at once.
inline constexpr uint32_t HintShortPause = 0;
// How long a shown tooltip stays visible.
inline constexpr uint32_t HintHidePause = 2500;

using ControlId = std::intptr_t;
inline constexpr ControlId kNoControl = 0;

// What the machine needs to know about the launcher's controls.
class HintControlTree {
 public:
  virtual ~HintControlTree() = default;
  // kNoControl above a top-level window.
  virtual ControlId Parent(ControlId control) const = 0;
  virtual bool ShowHint(ControlId control) const = 0;
  virtual std::u16string Hint(ControlId control) const = 0;
  virtual ScreenRect ScreenBounds(ControlId control) const = 0;
};

// The control whose tooltip a place shows: the control itself when its ShowHint is set, else
// its nearest parent whose ShowHint is set, else kNoControl.
ControlId TooltipControlOf(const HintControlTree& tree, ControlId control);

// The part of a Hint that a tooltip shows: everything before the first "|".
std::u16string_view ShortHint(std::u16string_view hint);

// The text a tooltip of the control shows: the short part of the first non-empty Hint on the
// way up from the control; empty when there is nothing to show.
std::u16string TooltipTextOf(const HintControlTree& tree, ControlId control);

// The world as the Win32 side sees it when it reports an event.
struct PointerFacts {
  ControlId control = kNoControl;  // the launcher's control under the pointer, if any
  ScreenPoint position;            // the pointer's hot spot
  bool launcherActive = false;     // a window of the launcher is the system's active window
};

// Commands for the Win32 side. There is one timer; starting it again replaces its period.
struct StartHintTimer {
  uint32_t milliseconds = 0;
  friend bool operator==(const StartHintTimer&, const StartHintTimer&) = default;
};
struct StopHintTimer {
  friend bool operator==(const StopHintTimer&, const StopHintTimer&) = default;
};
// Show the tooltip window with this text, placed just under the pointer.
struct ShowHintWindow {
  std::u16string text;
  ScreenPoint pointer;
  friend bool operator==(const ShowHintWindow&, const ShowHintWindow&) = default;
};
struct HideHintWindow {
  friend bool operator==(const HideHintWindow&, const HideHintWindow&) = default;
};

using HintCommand = std::variant<StartHintTimer, StopHintTimer, ShowHintWindow, HideHintWindow>;
using HintCommands = std::vector<HintCommand>;

enum class TooltipPhase {
  None,          // no current control
  Pending,       // a current control, the timer counting down to show
  Shown,         // the window visible, the timer counting down to hide
  HiddenActive,  // the window hidden after its time, the control still current
};

class TooltipState {
 public:
  // The tree must outlive the machine.
  explicit TooltipState(const HintControlTree& tree) : tree_(tree) {}

  // The pointer moved over a control of the launcher.
  HintCommands MouseMove(const PointerFacts& facts);
  // The timer that the last StartHintTimer started has expired.
  HintCommands TimerExpired(const PointerFacts& facts);
  // The message loop found its queue empty.
  HintCommands Idle(bool pointerOverLauncher);
  // A key, a mouse button, a move over a window frame, a command or an activation change; also
  // the switch-off at exit.
  HintCommands Cancel();
  // The Win32 side could not start the timer that the last StartHintTimer asked for.
  HintCommands TimerStartFailed();

  TooltipPhase Phase() const { return phase_; }
  ControlId CurrentControl() const { return current_; }

 private:
  bool IsActive() const {
    return phase_ == TooltipPhase::Shown || phase_ == TooltipPhase::HiddenActive;
  }
  HintCommands ShowCurrent(const PointerFacts& facts);

  const HintControlTree& tree_;
  TooltipPhase phase_ = TooltipPhase::None;
  ControlId current_ = kNoControl;
  ScreenRect shownArea_;  // bounds of the control whose tooltip was last shown; used while active
};

}  // namespace zix
