#pragma once
// What a user sees of another process's windows, read the way Windows reports it.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace zix::e2e {

// Top-level windows of the process with the class name (compared without letter case).
std::vector<HWND> TopLevelWindows(DWORD processId, std::u16string_view className);

// The first visible top-level window of the class, or null.
HWND VisibleTopLevelWindow(DWORD processId, std::u16string_view className);

std::u16string ClassOf(HWND window);
// The text as the window itself answers WM_GETTEXT (bounded: a hung window gives "").
std::u16string TextOf(HWND window);

struct WindowFacts {
  RECT outer{};  // screen coordinates
  int clientWidth = 0;
  int clientHeight = 0;
  std::u16string title;
  LONG_PTR style = 0;
  LONG_PTR exStyle = 0;
  bool visible = false;
  bool minimized = false;
  bool maximized = false;
};

std::optional<WindowFacts> ReadWindow(HWND window);

struct ButtonFacts {
  int id = 0;
  std::u16string caption;
  RECT rect{};  // in the parent's client coordinates
  bool visible = false;
  bool enabled = false;
  LONG_PTR style = 0;
};

// The "Button" children of a window, ordered by control ID.
std::vector<ButtonFacts> ReadButtons(HWND parent);

// Every descendant window, children of children included.
std::vector<HWND> ChildWindows(HWND parent);

// The child with the control ID, or null.
HWND ChildWithId(HWND parent, int id);

// Posted, so that the handler runs on the launcher's own thread and a message box it opens
// cannot block the test.
bool ClickButton(HWND button);
// A real left click at the window's centre, through the input queue, as a user's mouse makes it.
bool MouseClick(HWND window);
bool PostClose(HWND window);
bool PostSystemClose(HWND window);

}  // namespace zix::e2e
