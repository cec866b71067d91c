#include "app/keyboard_win32.h"

#include <optional>
#include <string>
#include <vector>

#include "app/application_win32.h"
#include "app/keyboard_nav.h"
#include "platform/wide_text_win32.h"

namespace zix {
namespace {

std::optional<NavKey> NavKeyOf(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_TAB: return NavKey::Tab;
    case VK_LEFT: return NavKey::Left;
    case VK_RIGHT: return NavKey::Right;
    case VK_UP: return NavKey::Up;
    case VK_DOWN: return NavKey::Down;
    case VK_RETURN: return NavKey::Enter;
    case VK_ESCAPE: return NavKey::Escape;
    default: return std::nullopt;
  }
}

bool Held(int virtualKey) { return GetKeyState(virtualKey) < 0; }

KeyModifiers ModifiersNow() { return {Held(VK_SHIFT), Held(VK_CONTROL), Held(VK_MENU)}; }

// The keys count only while the main window is the active one and the key is meant for it or
// one of its controls; a message box of the launcher, for one, keeps its own keys.
bool ForActiveMainWindow(const MSG& message) {
  if (CurrentMainForm() == nullptr || CurrentMainForm()->Handle() == nullptr) return false;
  const HWND main = CurrentMainForm()->Handle();
  if (GetActiveWindow() != main) return false;
  return message.hwnd == main || IsChild(main, message.hwnd);
}

std::optional<size_t> FocusedButton() {
  const TButton* focused = CurrentMainForm()->FindGameButton(GetFocus());
  if (focused == nullptr) return std::nullopt;
  return static_cast<size_t>(focused - CurrentMainForm()->GameButtons().data());
}

// The captions as the window system shows them, which is where the access keys are drawn.
std::vector<std::u16string> Captions() {
  std::vector<std::u16string> captions;
  captions.reserve(CurrentMainForm()->GameButtons().size());
  for (const TButton& button : CurrentMainForm()->GameButtons()) {
    const int length = GetWindowTextLengthW(button.Handle);
    std::u16string caption(static_cast<size_t>(length > 0 ? length : 0) + 1, u'\0');
    const int copied = GetWindowTextW(button.Handle, reinterpret_cast<wchar_t*>(caption.data()),
                                      static_cast<int>(caption.size()));
    caption.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    captions.push_back(std::move(caption));
  }
  return captions;
}

// A press the way the window system reports one, so that the main window runs the button's
// OnClick exactly as for a click.
void Press(const TButton& button) {
  const WPARAM command = MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(button.Handle)), BN_CLICKED);
  // WM_COMMAND has no answer worth reading; the handler reports its own errors.
  static_cast<void>(SendMessageW(CurrentMainForm()->Handle(), WM_COMMAND, command,
                                 reinterpret_cast<LPARAM>(button.Handle)));
}

}  // namespace

bool GameButtonKeys::PreDispatch(const MSG& message) {
  const bool key = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  const bool character = message.message == WM_CHAR || message.message == WM_SYSCHAR;
  if ((!key && !character) || !ForActiveMainWindow(message)) return false;
  const std::vector<TButton>& buttons = CurrentMainForm()->GameButtons();

  if (key) {
    const std::optional<NavKey> navKey = NavKeyOf(message.wParam);
    if (!navKey) return false;
    const KeyOutcome outcome = DecideNavKey(*navKey, ModifiersNow(), FocusedButton(), buttons.size());
    switch (outcome.kind) {
      case KeyOutcome::Kind::NotMine:
        return false;
      case KeyOutcome::Kind::Swallow:
        return true;
      case KeyOutcome::Kind::MoveFocus:
        MoveFocus(buttons[outcome.button].Handle);
        return true;
      case KeyOutcome::Kind::Press:
        Press(buttons[outcome.button]);
        return true;
    }
    return false;
  }

  // Control characters come from Ctrl or from keys decided above; none is an access key.
  const auto typed = static_cast<char16_t>(message.wParam);
  if (typed < u' ') return false;
  const std::vector<std::u16string> captions = Captions();
  const std::optional<size_t> target =
      AccessKeyTarget(captions, typed, message.message == WM_SYSCHAR, FocusedButton().has_value());
  if (!target) return false;
  Press(buttons[*target]);
  return true;
}

void GameButtonKeys::MoveFocus(HWND button) {
  // The answer is the window that had the focus; a refused move leaves the look unchanged below.
  static_cast<void>(SetFocus(button));
  FollowFocus();
}

void GameButtonKeys::FollowFocus() {
  const TForm* const form = CurrentMainForm();
  if (form == nullptr) return;
  const HWND focus = GetFocus();
  // The look stays on the last focused button while the focus is elsewhere (another program,
  // a message box), as it comes back there.
  if (focus == defaultButton_ || form->FindGameButton(focus) == nullptr) return;
  // BM_SETSTYLE has no answer; it changes the type and redraws the button.
  if (form->FindGameButton(defaultButton_) != nullptr) {
    static_cast<void>(SendMessageW(defaultButton_, BM_SETSTYLE, BS_PUSHBUTTON, TRUE));
  }
  static_cast<void>(SendMessageW(focus, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE));
  defaultButton_ = focus;
}

}  // namespace zix
