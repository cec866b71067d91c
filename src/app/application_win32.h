#pragma once
// The application object: the hidden application window, OLE and COM on the main thread, the
// title and icon, the forms, the message loop, the modal message box and the error box.

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/form_win32.h"
#include "app/window_object_win32.h"
#include "platform/exception.h"
#include "platform/format_settings.h"

// windows.h maps MessageBox to MessageBoxW; the application object has a method of that name.
#undef MessageBox

namespace zix {

// What the tooltip and keyboard handling plug into the message loop.
class MessageLoopHooks {
 public:
  virtual ~MessageLoopHooks() = default;
  // Sees every message the loop takes from the queue before it is dispatched. True when it
  // has handled the message itself; the loop then neither translates nor dispatches it.
  virtual bool PreDispatch(MSG& message) = 0;
  // The queue is empty and the loop is about to wait.
  virtual void Idle() = 0;
  // The launcher was activated or deactivated. Activation is sent to the windows, never
  // queued, so the loop itself would not see it.
  virtual void ActivationChanged() = 0;
  // The exit clean-up switches tooltips off.
  virtual void Shutdown() noexcept = 0;
};

class TApplication final : public WindowObject {
 public:
  // OLE on this thread, the title from the executable's name, the icon, the hidden window.
  TApplication();
  ~TApplication() override;

  // COM for this thread as a single-threaded apartment, before any shell call.
  void Initialize();

  bool MainFormOnTaskBar() const { return mainFormOnTaskBar_; }
  // True makes the application window a tool window without text, so that only the main
  // window ever has a taskbar button.
  void SetMainFormOnTaskBar(bool value);

  // Makes the form, sets `reference` as soon as the object exists, creates its system window
  // hidden; the first form becomes MainForm. On failure `reference` is reset and the error
  // goes on.
  template <class Form>
  void CreateForm(Form*& reference);

  TForm* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }

  // Shows the main window once, centred, and runs the message loop until the quit message.
  void Run();
  // Posts the quit message; may be called before Run.
  void Terminate();
  bool Terminated() const { return terminated_; }

  // A message box modal to the whole launcher; returns MessageBoxW's answer.
  int MessageBox(std::u16string_view text, std::u16string_view caption, unsigned flags);

  // The error box for an error that escaped the handling of a message of `sender`.
  void HandleException(const WindowObject* sender, const Exception& error) noexcept;
  void ShowException(const Exception& error);

  const std::u16string& Title() const { return title_; }
  const std::u16string& ExeName() const { return exeName_; }
  HICON Icon() const { return icon_; }
  HICON SmallIcon() const { return smallIcon_; }
  // The user's number format; the settings object holds a reference to it.
  const FormatSettings& Format() const { return format_; }

  void SetLoopHooks(std::unique_ptr<MessageLoopHooks> hooks) { hooks_ = std::move(hooks); }
  MessageLoopHooks* LoopHooks() const { return hooks_.get(); }

  // Switches tooltips off, destroys the windows, releases COM and OLE and ends the process.
  [[noreturn]] void ExitCleanUp(UINT exitCode) noexcept;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // A successful initialisation of a per-thread service, undone once.
  class ThreadService {
   public:
    ThreadService() = default;
    ThreadService(bool initialised, void (*uninitialise)()) noexcept
        : initialised_(initialised), uninitialise_(uninitialise) {}
    ~ThreadService() { Release(); }
    ThreadService(ThreadService&& other) noexcept
        : initialised_(std::exchange(other.initialised_, false)), uninitialise_(other.uninitialise_) {}
    ThreadService& operator=(ThreadService&& other) noexcept {
      if (this != &other) {
        Release();
        initialised_ = std::exchange(other.initialised_, false);
        uninitialise_ = other.uninitialise_;
      }
      return *this;
    }
    void Release() noexcept {
      if (std::exchange(initialised_, false)) uninitialise_();
    }

   private:
    bool initialised_ = false;
    void (*uninitialise_)() = nullptr;
  };

  void AddExStyle(DWORD exStyle);
  bool TakeMessage(MSG& message);
  void ProcessMessages();
  void ShowMainForm();

  ThreadService ole_;
  ThreadService com_;
  std::u16string exeName_;
  std::u16string title_;
  HICON icon_ = nullptr;       // shared icons (LR_SHARED): the system frees them
  HICON smallIcon_ = nullptr;
  FormatSettings format_;
  UINT taskbarCreated_ = 0;
  bool mainFormOnTaskBar_ = false;
  bool terminated_ = false;
  std::vector<std::unique_ptr<TForm>> forms_;
  std::unique_ptr<MessageLoopHooks> hooks_;
};

// The one application object, set by the program entry for the life of the process.
extern TApplication* Application;

// The main form, or null before the application object or its first form exists.
inline const TForm* CurrentMainForm() { return Application != nullptr ? Application->MainForm() : nullptr; }

template <class Form>
void TApplication::CreateForm(Form*& reference) {
  forms_.reserve(forms_.size() + 1);  // so that keeping the form below cannot fail
  auto form = std::make_unique<Form>();
  reference = form.get();
  try {
    form->CreateHandle();
  } catch (...) {
    reference = nullptr;
    throw;
  }
  forms_.push_back(std::move(form));
  if (forms_.size() == 1) AddExStyle(WS_EX_NOACTIVATE);
}

}  // namespace zix
