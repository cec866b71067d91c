#pragma once
// A system window with a C++ object behind it. The object handles each message inside the
// frame's error guard, so that no C++ exception ever reaches the window system.

#include <windows.h>

namespace zix {

struct WindowSpec {
  const wchar_t* className = nullptr;
  const wchar_t* text = L"";
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  HICON icon = nullptr;
  HICON smallIcon = nullptr;
  HBRUSH background = nullptr;
};

class WindowObject {
 public:
  WindowObject(const WindowObject&) = delete;
  WindowObject& operator=(const WindowObject&) = delete;

  // Null before the window is created and after it is destroyed.
  HWND Handle() const { return handle_; }

 protected:
  WindowObject() = default;
  // Destroys the window when it still exists; see DestroyHandle.
  virtual ~WindowObject();

  // Registers the class on first use and creates the window, hidden and without owner.
  // Raises EOutOfResources when the system refuses either step.
  void CreateHandle(const WindowSpec& windowSpec);

  // Detaches the object before destroying the window: the messages of the destruction then
  // go to the default handling instead of an object that may be half torn down.
  void DestroyHandle() noexcept;

  // One message. May raise; the caller's guard reports the error and counts the message as
  // handled. The default is the system's default handling.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;

  HWND handle_ = nullptr;
};

}  // namespace zix
