#include "foreign_window.h"

#include "e2e_timing.h"

namespace zix::e2e {
namespace {

constexpr wchar_t kClassName[] = L"ZixE2eForeignWindow";

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

ForeignWindow::ForeignWindow(RECT place)
    : place_(place), ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  if (!ready_) return;
  thread_.reset(CreateThread(nullptr, 0, Run, this, 0, &threadId_));
  if (!thread_) return;
  // A thread that failed to make its window sets the event too, leaving window_ null.
  (void)WaitForSingleObject(ready_.get(), kAppearMs);  // on a timeout window_ stays null
}

ForeignWindow::~ForeignWindow() {
  if (!thread_) return;
  // Destroying the window ends the thread's loop; a window that never came ends it by itself.
  if (window_ != nullptr) (void)PostMessageW(window_, WM_CLOSE, 0, 0);  // checked by the wait
  if (WaitForSingleObject(thread_.get(), kExitMs) != WAIT_OBJECT_0) {
    // The thread reads this object; it must not outlive it.
    (void)TerminateThread(thread_.get(), 1);  // nothing more can be done if even this fails
    (void)WaitForSingleObject(thread_.get(), kExitMs);  // as above
  }
}

DWORD WINAPI ForeignWindow::Run(LPVOID self) noexcept {
  auto& owner = *static_cast<ForeignWindow*>(self);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  (void)RegisterClassExW(&windowClass);  // registered by an earlier window already, or checked below
  const RECT& place = owner.place_;
  HWND window = CreateWindowExW(0, kClassName, L"zixgame e2e: another program", WS_POPUP | WS_BORDER,
                                place.left, place.top, place.right - place.left,
                                place.bottom - place.top, nullptr, nullptr, GetModuleHandleW(nullptr),
                                nullptr);
  if (window != nullptr) {
    (void)ShowWindow(window, SW_SHOW);  // the answer is the previous visibility
    (void)SetForegroundWindow(window);  // tests check the foreground themselves
  }
  owner.window_ = window;
  (void)SetEvent(owner.ready_.get());  // the constructor's wait is bounded either way
  if (window == nullptr) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    (void)TranslateMessage(&message);  // the answer only says whether a character was made
    (void)DispatchMessageW(&message);  // the procedure's answer means nothing to the loop
  }
  return 0;
}

}  // namespace zix::e2e
