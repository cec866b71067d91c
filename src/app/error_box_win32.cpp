#include "app/application_win32.h"
#include "app/error_text.h"

namespace zix {

void TApplication::HandleException(const WindowObject* /*sender*/, const Exception& error) noexcept {
  try {
    // A window holding the mouse would keep it through the box; let it give it up first.
    if (const HWND capture = GetCapture(); capture != nullptr) {
      static_cast<void>(SendMessageW(capture, WM_CANCELMODE, 0, 0));  // no answer is defined
    }
    if (dynamic_cast<const EAbort*>(&error) != nullptr) return;
    ShowException(error);
  } catch (...) {
    // The report itself failed (no memory for its text); the failed work stays abandoned.
  }
}

void TApplication::ShowException(const Exception& error) {
  // The box's answer is OK whichever way it closed; nothing follows from it.
  static_cast<void>(MessageBox(ErrorBoxText(error), title_, kErrorBoxStyle));
}

}  // namespace zix
