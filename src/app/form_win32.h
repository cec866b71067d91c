#pragma once
// A top-level window of the launcher made by Application->CreateForm, with the close
// sequence of the frame: the close handler runs once, then the application terminates when
// the window is the main one.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/window_object_win32.h"

namespace zix {

// A game button. The window system owns the control as a child of its form, which destroys it
// with itself; this record keeps what the launcher attaches to it.
struct TButton {
  HWND Handle = nullptr;
  int32_t Tag = 0;  // the entry number
  std::u16string Hint;
  bool ShowHint = true;
};

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

class TForm : public WindowObject {
 public:
  // Creates the system window with the form's fixed properties, hidden.
  virtual void CreateHandle() = 0;

  // What WM_CLOSE does: the close handler with the action preset to caHide; unless it
  // answers caNone, the main form then has the application terminate.
  void Close();

  // For the frame's tooltip and keyboard handling, which read the buttons and never change them.
  virtual const std::vector<TButton>& GameButtons() const = 0;
  // The game button whose control is `control`, or null for any other window.
  virtual const TButton* FindGameButton(HWND control) const = 0;

 protected:
  // The close handler; it may change the action.
  virtual void DoClose(TCloseAction& action) = 0;

  using WindowObject::CreateHandle;

 private:
  bool closed_ = false;
};

}  // namespace zix
