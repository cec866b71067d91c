#include "app/window_object_win32.h"

#include "app/error_report_win32.h"
#include "platform/exception.h"
#include "platform/wide_text_win32.h"

namespace zix {
namespace {

void RegisterClassOnce(const WindowSpec& windowSpec, HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, windowSpec.className, &existing)) return;

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = windowSpec.icon;
  windowClass.hIconSm = windowSpec.smallIcon;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = windowSpec.background;
  windowClass.lpszClassName = windowSpec.className;
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw EOutOfResources(u"Cannot register the window class " + FromWinText(windowSpec.className) +
                          u".");
  }
}

}  // namespace

WindowObject::~WindowObject() { DestroyHandle(); }

void WindowObject::CreateHandle(const WindowSpec& windowSpec) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterClassOnce(windowSpec, instance, &WindowObject::Procedure);
  const HWND window =
      CreateWindowExW(windowSpec.exStyle, windowSpec.className, windowSpec.text, windowSpec.style, windowSpec.x, windowSpec.y,
                      windowSpec.width, windowSpec.height, nullptr, nullptr, instance, this);
  if (window == nullptr) {
    throw EOutOfResources(u"Cannot create the window of class " + FromWinText(windowSpec.className) +
                          u".");
  }
  handle_ = window;  // already set by WM_NCCREATE; the result is the same window
}

void WindowObject::DestroyHandle() noexcept {
  const HWND window = handle_;
  if (window == nullptr) return;
  handle_ = nullptr;
  // The previous value is this object; nothing to check.
  static_cast<void>(SetWindowLongPtrW(window, GWLP_USERDATA, 0));
  // Failure means the window is already gone, which is what we want.
  static_cast<void>(DestroyWindow(window));
}

LRESULT WindowObject::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK WindowObject::Procedure(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
  auto* self = reinterpret_cast<WindowObject*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<WindowObject*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->handle_ = window;
    // The slot of a new window is 0; there is no previous value to keep.
    static_cast<void>(SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self)));
  }
  // Messages before WM_NCCREATE (WM_GETMINMAXINFO) and after detaching have no object.
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);

  LRESULT result = 0;
  Guarded(self, [&] { result = self->HandleMessage(message, wParam, lParam); });
  if (message == WM_NCDESTROY) {
    static_cast<void>(SetWindowLongPtrW(window, GWLP_USERDATA, 0));  // the window is going
    self->handle_ = nullptr;
  }
  return result;
}

}  // namespace zix
