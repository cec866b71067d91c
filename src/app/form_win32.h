#pragma once
// A top-level window of the launcher made by Application->CreateForm, with the close
// sequence of the frame: the close handler runs once, then the application terminates when
// the window is the main one.

#include "app/window_object_win32.h"

namespace zix {

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

class TForm : public WindowObject {
 public:
  // Creates the system window with the form's fixed properties, hidden.
  virtual void CreateHandle() = 0;

  // What WM_CLOSE does: the close handler with the action preset to caHide; unless it
  // answers caNone, the main form then has the application terminate.
  void Close();

 protected:
  // The close handler; it may change the action.
  virtual void DoClose(TCloseAction& action) = 0;

  using WindowObject::CreateHandle;

 private:
  bool closed_ = false;
};

}  // namespace zix
