#include "app/frame_input_win32.h"

#include "app/error_report_win32.h"
#include "app/keyboard_win32.h"
#include "app/tooltips_win32.h"

namespace zix {
namespace {

class FrameInputHooks final : public MessageLoopHooks {
 public:
  bool PreDispatch(MSG& message) override {
    bool consumed = false;
    // A failing tooltip is reported on its own, so that the message it saw still goes on to
    // its window, a key to the keyboard rules below included.
    Guarded(Application, [&] { consumed = tooltips_.PreDispatch(message); });
    return consumed || keys_.PreDispatch(message);
  }

  void Idle() override {
    tooltips_.Idle();
    keys_.FollowFocus();
  }

  void ActivationChanged() override { tooltips_.ActivationChanged(); }

  void Shutdown() noexcept override { tooltips_.Shutdown(); }

 private:
  Tooltips tooltips_;
  GameButtonKeys keys_;
};

}  // namespace

std::unique_ptr<MessageLoopHooks> MakeFrameInputHooks() { return std::make_unique<FrameInputHooks>(); }

}  // namespace zix
