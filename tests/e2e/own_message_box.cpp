#include "own_message_box.h"

#include "e2e_timing.h"

namespace zix::e2e {
namespace {

HWND FindBox(const std::wstring& caption, DWORD threadId) {
  for (HWND box = FindWindowW(L"#32770", caption.c_str()); box;
       box = FindWindowExW(nullptr, box, L"#32770", caption.c_str())) {
    if (GetWindowThreadProcessId(box, nullptr) == threadId) return box;
  }
  return nullptr;
}

}  // namespace

OwnMessageBox::OwnMessageBox(std::wstring caption, UINT style) : caption_(std::move(caption)), style_(style) {
  thread_.reset(CreateThread(nullptr, 0, Show, this, 0, &threadId_));
  if (!thread_) return;
  window_ = WaitUntil([&] { return FindBox(caption_, threadId_); }, kAppearMs);
}

OwnMessageBox::~OwnMessageBox() {
  if (!thread_) return;
  if (window_ && IsWindow(window_)) {
    (void)PostMessageW(window_, WM_COMMAND, IDOK, 0);  // if it stays, the bounded wait below ends it
  }
  if (WaitForSingleObject(thread_.get(), kBoxGoneMs) != WAIT_OBJECT_0) {
    // The thread reads this object; it must not outlive it.
    (void)TerminateThread(thread_.get(), 1);  // nothing more can be done if even this fails
    (void)WaitForSingleObject(thread_.get(), kBoxGoneMs);  // as above
  }
}

DWORD WINAPI OwnMessageBox::Show(LPVOID self) noexcept {
  const auto* box = static_cast<const OwnMessageBox*>(self);
  (void)MessageBoxW(nullptr, L"probe", box->caption_.c_str(), box->style_);  // only its window matters
  return 0;
}

}  // namespace zix::e2e
