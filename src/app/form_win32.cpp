#include "app/form_win32.h"

#include "app/application_win32.h"

namespace zix {

void TForm::Close() {
  // A second WM_CLOSE can arrive before the quit message is taken; the handler has already
  // released what it owns and must not run again.
  if (closed_) return;
  TCloseAction action = TCloseAction::caHide;
  DoClose(action);
  if (action == TCloseAction::caNone) return;
  closed_ = true;
  if (Application != nullptr && Application->MainForm() == this) Application->Terminate();
}

}  // namespace zix
