#include "fake_hint_world.h"

#include <type_traits>
#include <variant>

#include "gtest/gtest.h"

namespace zix {

void PrintTo(const StartHintTimer& c, std::ostream* os) {
  *os << "StartHintTimer{" << c.milliseconds << "}";
}
void PrintTo(const StopHintTimer&, std::ostream* os) { *os << "StopHintTimer"; }
void PrintTo(const ShowHintWindow& c, std::ostream* os) {
  *os << "ShowHintWindow{" << ::testing::PrintToString(c.text) << " at " << c.pointer.x << ","
      << c.pointer.y << "}";
}
void PrintTo(const HideHintWindow&, std::ostream* os) { *os << "HideHintWindow"; }

void FakeHintWorld::MoveTo(ControlId control, ScreenPoint position) {
  facts_.control = control;
  facts_.position = position;
  Run(machine_.MouseMove(facts_));
}

void FakeHintWorld::Advance(uint32_t milliseconds) {
  const uint64_t end = now_ + milliseconds;
  while (timerPeriod_ != 0 && deadline_ <= end) {
    now_ = deadline_;
    deadline_ += timerPeriod_;  // a thread timer fires again until it is killed
    Run(machine_.TimerExpired(facts_));
  }
  now_ = end;
}

void FakeHintWorld::Run(const HintCommands& commands) {
  for (const HintCommand& command : commands) {
    log_.push_back(command);
    std::visit(
        [this](const auto& c) {
          using T = std::decay_t<decltype(c)>;
          if constexpr (std::is_same_v<T, StartHintTimer>) {
            // A zero period would fire as often as the system allows; "at once" must not use the timer.
            ASSERT_GT(c.milliseconds, 0u);
            if (failNextTimerStart_) {
              failNextTimerStart_ = false;
              Run(machine_.TimerStartFailed());
              return;
            }
            timerPeriod_ = c.milliseconds;
            deadline_ = now_ + c.milliseconds;
          } else if constexpr (std::is_same_v<T, StopHintTimer>) {
            timerPeriod_ = 0;
          } else if constexpr (std::is_same_v<T, ShowHintWindow>) {
            window_ = c;
          } else {
            ASSERT_TRUE(window_.has_value()) << "hiding a window that is not shown";
            window_.reset();
          }
        },
        command);
  }
}

}  // namespace zix
