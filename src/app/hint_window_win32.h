#pragma once
// The launcher's one tooltip window: a topmost popup that never takes the activation or the
// focus, shows its text as it stands in the status font and the system's tooltip colours, and
// holds that text as its window text, so that screen readers can read it.

#include <windows.h>

#include <string>

#include "app/screen_geometry.h"
#include "app/window_object_win32.h"
#include "platform/unique_handle_win32.h"

namespace zix {

class THintWindow final : public WindowObject {
 public:
  // Creates the window, hidden. Raises EOutOfResources when the system refuses it.
  THintWindow();
  ~THintWindow() override;

  // Shows `text` just under the pointer whose hot spot is at `pointer`, inside the monitor
  // there, wrapping at word breaks to at most the screen's width.
  void ActivateHint(const std::u16string& text, ScreenPoint pointer);
  void Hide() noexcept;
  bool Visible() const { return Handle() != nullptr && IsWindowVisible(Handle()) != FALSE; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  SIZE OuterSizeFor(const std::u16string& text) const;
  void Paint();

  UniqueFont ownFont_;     // the status font, when the system described it
  HFONT font_ = nullptr;   // ownFont_ or a stock font, which is never deleted
  std::u16string text_;
};

}  // namespace zix
