#include "app/tooltip_state.h"

#include <utility>

namespace zix {

// A move onto a neighbour while a tooltip is active shows at once, so an active tooltip never
// waits for a timer; a non-zero short pause would need a fifth phase.
static_assert(HintShortPause == 0);

ControlId TooltipControlOf(const HintControlTree& tree, ControlId control) {
  while (control != kNoControl && !tree.ShowHint(control)) control = tree.Parent(control);
  return control;
}

std::u16string_view ShortHint(std::u16string_view hint) {
  return hint.substr(0, hint.find(u'|'));
}

std::u16string TooltipTextOf(const HintControlTree& tree, ControlId control) {
  for (; control != kNoControl; control = tree.Parent(control)) {
    std::u16string hint = tree.Hint(control);
    // Only an empty Hint passes the question upwards; "|x" is a Hint whose shown part is empty.
    if (!hint.empty()) return std::u16string(ShortHint(hint));
  }
  return {};
}

HintCommands TooltipState::MouseMove(const PointerFacts& facts) {
  const ControlId target = TooltipControlOf(tree_, facts.control);
  if (target == kNoControl) return Cancel();
  // The area counts only while a tooltip is active: while one is pending, every move has to
  // restart the pause, or a pointer that keeps moving would still get a tooltip.
  if (target == current_ && IsActive() && Contains(shownArea_, facts.position)) return {};
  current_ = target;
  if (IsActive()) return ShowCurrent(facts);
  phase_ = TooltipPhase::Pending;
  return {StartHintTimer{HintPause}};
}

HintCommands TooltipState::TimerExpired(const PointerFacts& facts) {
  switch (phase_) {
    case TooltipPhase::Pending:
      return ShowCurrent(facts);
    case TooltipPhase::Shown:
      // The thread timer repeats until it is stopped.
      phase_ = TooltipPhase::HiddenActive;
      return {HideHintWindow{}, StopHintTimer{}};
    case TooltipPhase::None:
    case TooltipPhase::HiddenActive:
      break;  // an expiry that was queued before the timer was stopped
  }
  return {};
}

HintCommands TooltipState::Idle(bool pointerOverLauncher) {
  if (pointerOverLauncher) return {};
  return Cancel();
}

HintCommands TooltipState::Cancel() {
  HintCommands commands;
  if (phase_ == TooltipPhase::Shown) commands.emplace_back(HideHintWindow{});
  if (phase_ == TooltipPhase::Pending || phase_ == TooltipPhase::Shown) {
    commands.emplace_back(StopHintTimer{});
  }
  phase_ = TooltipPhase::None;
  current_ = kNoControl;
  return commands;
}

HintCommands TooltipState::TimerStartFailed() {
  // Without its timer a pending tooltip would never show and a shown one never hide.
  return Cancel();
}

HintCommands TooltipState::ShowCurrent(const PointerFacts& facts) {
  if (!facts.launcherActive || TooltipControlOf(tree_, facts.control) != current_) {
    return Cancel();
  }
  std::u16string text = TooltipTextOf(tree_, current_);
  if (text.empty()) return Cancel();
  shownArea_ = tree_.ScreenBounds(current_);
  phase_ = TooltipPhase::Shown;
  return {ShowHintWindow{std::move(text), facts.position}, StartHintTimer{HintHidePause}};
}

}  // namespace zix
