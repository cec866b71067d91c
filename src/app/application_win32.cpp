#include "app/application_win32.h"

#include <objbase.h>
#include <ole2.h>

#include "app/screen_metrics_win32.h"
#include "app/title_rule.h"
#include "platform/files.h"
#include "platform/wide_text_win32.h"

namespace zix {

TApplication* Application = nullptr;

namespace {

constexpr wchar_t kApplicationClass[] = L"TApplication";

std::u16string SystemLowerCase(std::u16string_view text) {
  std::u16string lowered(text);
  if (!lowered.empty()) {
    // The count of converted units is the length we passed; nothing to check.
    static_cast<void>(CharLowerBuffW(reinterpret_cast<wchar_t*>(lowered.data()),
                                     static_cast<DWORD>(lowered.size())));
  }
  return lowered;
}

void UninitializeOle() { OleUninitialize(); }
void UninitializeCom() { CoUninitialize(); }

HICON LoadMainIcon(int size) {
  const auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON",
                                                  IMAGE_ICON, size, size, LR_SHARED));
  if (icon != nullptr) return icon;
  const auto stock = static_cast<HICON>(
      LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, size, size, LR_SHARED));
  return stock != nullptr ? stock : LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

TApplication::TApplication()
    // OLE is wanted for the shell; without it (another apartment model already chosen for the
    // thread) the launcher still works, so a failure only means there is nothing to undo.
    : ole_(SUCCEEDED(OleInitialize(nullptr)), &UninitializeOle),
      exeName_(ExecutableFileName(261)),
      title_(ApplicationTitle(ExecutableFileName(256), &SystemLowerCase)),
      icon_(LoadMainIcon(GetSystemMetrics(SM_CXICON))),
      smallIcon_(LoadMainIcon(GetSystemMetrics(SM_CXSMICON))),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
  const ScreenRect workArea = PrimaryWorkArea();
  // Never shown: it owns the message boxes shown while no launcher window is active, which
  // open centred on it.
  WindowSpec windowSpec;
  windowSpec.className = kApplicationClass;
  windowSpec.text = WinText(title_);
  windowSpec.style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
  windowSpec.x = (workArea.left + workArea.right) / 2;
  windowSpec.y = (workArea.top + workArea.bottom) / 2;
  windowSpec.icon = icon_;
  windowSpec.smallIcon = smallIcon_;
  CreateHandle(windowSpec);
}

TApplication::~TApplication() {
  forms_.clear();
  DestroyHandle();
}

void TApplication::Initialize() {
  // As with OLE: a thread already in another apartment keeps it, and there is nothing to undo.
  com_ = ThreadService(SUCCEEDED(CoInitialize(nullptr)), &UninitializeCom);
}

void TApplication::SetMainFormOnTaskBar(bool value) {
  mainFormOnTaskBar_ = value;
  if (!value) return;
  AddExStyle(WS_EX_TOOLWINDOW);
  // An empty text keeps the window out of every task list.
  if (!SetWindowTextW(Handle(), L"")) {
    throw EOutOfResources(u"Cannot clear the text of the application window.");
  }
}

void TApplication::AddExStyle(DWORD exStyle) {
  const auto wanted = static_cast<LONG_PTR>(exStyle);
  const LONG_PTR current = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  // The previous value is `current`; the new style is checked by reading it back below.
  static_cast<void>(SetWindowLongPtrW(Handle(), GWL_EXSTYLE, current | wanted));
  if ((GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & wanted) != wanted) {
    throw EOutOfResources(u"Cannot change the style of the application window.");
  }
}

void TApplication::Terminate() { PostQuitMessage(0); }

LRESULT TApplication::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam != FALSE) {
        Terminate();
        ExitCleanUp(0);
      }
      return 0;
    case WM_CLOSE:
      // Someone asked the hidden window to close: that means closing the launcher.
      if (MainForm() != nullptr) MainForm()->Close();
      return 0;
    case WM_SETTINGCHANGE:
      format_.Refresh();
      break;
    case WM_ACTIVATEAPP:
      // Every top-level window of the thread hears of it, this hidden one included.
      if (hooks_) hooks_->ActivationChanged();
      break;
    default:
      if (message == taskbarCreated_ && taskbarCreated_ != 0) format_.Refresh();
      break;
  }
  return WindowObject::HandleMessage(message, wParam, lParam);
}

void TApplication::ExitCleanUp(UINT exitCode) noexcept {
  if (hooks_) hooks_->Shutdown();
  forms_.clear();
  DestroyHandle();
  com_.Release();
  ole_.Release();
  ExitProcess(exitCode);
}

}  // namespace zix
