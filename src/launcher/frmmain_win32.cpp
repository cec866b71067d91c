#include "launcher/frmmain_win32.h"

#include <variant>

#include "app/application_win32.h"
#include "app/selected_object_win32.h"
#include "app/window_placement.h"
#include "launcher/game_button_ids.h"
#include "launcher/launch_decision.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/shell_launch.h"
#include "platform/systems.h"
#include "platform/wide_text_win32.h"
#include "settings/launcher_keys.h"

namespace zix {

Tfrmmain* frmmain = nullptr;

namespace {

constexpr DWORD kStyle =
    WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
constexpr wchar_t kClassName[] = L"Tfrmmain";
constexpr wchar_t kCaption[] = L"游戏启动器";
constexpr CreationSize kDesignClientSize{453, 260};
constexpr int32_t kDesignFontHeight = -11;
constexpr DWORD kButtonStyle = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE | WS_CHILD;
constexpr size_t kLongestCaptionAtCreation = 4096;

// The height of "0" in the font, by which the creation size follows the font.
int32_t TextHeightOfZero(HDC dc, HFONT font) {
  const SelectedObject selected(dc, font);
  SIZE size{};
  if (!selected.ok() || !GetTextExtentPoint32W(dc, L"0", 1, &size)) return kDesignTextHeight;
  return size.cy;
}

RECT ClientRectOf(HWND window) {
  RECT client{};
  if (!GetClientRect(window, &client)) {
    throw EOutOfResources(u"Cannot read the client size of the main window.");
  }
  return client;
}

void SetOuterSize(HWND window, int32_t width, int32_t height) {
  // A size the system refuses leaves the window as it is; the client size read afterwards
  // is the one the grid is laid out in either way.
  static_cast<void>(SetWindowPos(window, nullptr, 0, 0, width, height,
                                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
}

}  // namespace

Tfrmmain::~Tfrmmain() { DestroyHandle(); }

void Tfrmmain::CreateHandle() {
  const ScreenDC screen;
  const int32_t density =
      screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : kDesignPixelsPerInch;
  font_.reset(CreateFontW(FontHeightForDensity(kDesignFontHeight, density), 0, 0, 0, FW_NORMAL,
                          FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          L"Tahoma"));
  if (!font_) throw EOutOfResources(u"Cannot create the font of the main window.");
  const CreationSize client = ClientSizeForTextHeight(
      kDesignClientSize,
      screen.get() != nullptr ? TextHeightOfZero(screen.get(), font_.get()) : kDesignTextHeight);

  RECT outer{0, 0, client.width, client.height};
  // Without the frame's size the window starts too small; the correction below fixes it.
  static_cast<void>(AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle));

  WindowSpec windowSpec;
  windowSpec.className = kClassName;
  windowSpec.text = kCaption;
  windowSpec.style = kStyle;
  windowSpec.exStyle = kExStyle;
  windowSpec.width = outer.right - outer.left;
  windowSpec.height = outer.bottom - outer.top;
  windowSpec.icon = Application->Icon();
  windowSpec.smallIcon = Application->SmallIcon();
  windowSpec.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  WindowObject::CreateHandle(windowSpec);

  // The frame the system really draws may differ from the computed one.
  const RECT actual = ClientRectOf(Handle());
  const int32_t missingWidth = client.width - (actual.right - actual.left);
  const int32_t missingHeight = client.height - (actual.bottom - actual.top);
  if (missingWidth != 0 || missingHeight != 0) {
    SetOuterSize(Handle(), windowSpec.width + missingWidth, windowSpec.height + missingHeight);
  }
}

void Tfrmmain::LoadByCreate() {
  ini = TMemIniFile::Create(LauncherFolder() + std::u16string(keys::kSettingsFileName),
                            Application->Format());
  const StartupSettings settings = ReadStartupSettings(*ini);
  SetOuterSize(Handle(), settings.width, settings.height);
  const RECT client = ClientRectOf(Handle());
  GridLayout = ComputeGridLayout(settings, client.right - client.left, client.bottom - client.top);
  // A window whose title the system cannot take still works; nothing else depends on it.
  static_cast<void>(SetWindowTextW(Handle(), WinText(settings.title)));
  CreateGameButtons();
}

void Tfrmmain::CreateGameButtons() {
  const int32_t count =
      ini->ReadInteger(keys::kSetSection, keys::kCount.name, keys::kCount.defaultValue);
  // Buttons are made one at a time: Count has no upper bound, and the system's refusal of
  // one more window, not a list sized up front, is what stops a huge one.
  for (int32_t index = 0; index < count; ++index) {
    const TButton& button = AddGameButton(ReadGameButton(*ini, GridLayout, index));
    if (count == 1) {
      GameButtonClick(button);
      Application->Terminate();
    }
  }
}

const TButton& Tfrmmain::AddGameButton(const GameButtonSpec& buttonSpec) {
  if (buttons_.size() >= static_cast<size_t>(kMostGameButtons)) {
    throw EOutOfResources(u"Cannot create game button " + DecimalText(buttonSpec.tag) +
                          u": a window holds at most " + DecimalText(kMostGameButtons) +
                          u" game buttons");
  }
  // The identifier is how a control is found again (see FindGameButton).
  const auto controlId = static_cast<UINT_PTR>(GameButtonId(buttonSpec.tag));
  // Wine hands back a handle that names no window when the text given at creation is near a
  // megabyte, so a long caption follows once the control exists; a short one comes with the
  // creation, which under Wine saves one trip to its server per button.
  const bool captionAtCreation = buttonSpec.caption.size() <= kLongestCaptionAtCreation;
  const HWND control = CreateWindowExW(
      0, L"BUTTON", captionAtCreation ? WinText(buttonSpec.caption) : L"", kButtonStyle,
      buttonSpec.rect.left, buttonSpec.rect.top, buttonSpec.rect.width, buttonSpec.rect.height,
      Handle(), reinterpret_cast<HMENU>(controlId), GetModuleHandleW(nullptr), nullptr);
  if (control == nullptr || !IsWindow(control)) {
    throw EOutOfResources(u"Cannot create game button " + DecimalText(buttonSpec.tag) +
                          u": the system refused another window after " +
                          DecimalText(static_cast<int64_t>(buttons_.size())) + u" game buttons");
  }
  // From here the main window owns the control; the record below only refers to it.
  buttons_.push_back(TButton{control, buttonSpec.tag, buttonSpec.hint, true});
  if (!captionAtCreation) {
    // A caption the system cannot take leaves the button without one; it still starts its entry.
    static_cast<void>(SetWindowTextW(control, WinText(buttonSpec.caption)));
  }
  // WM_SETFONT has no answer.
  static_cast<void>(SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE));
  return buttons_.back();
}

const TButton* Tfrmmain::FindGameButton(HWND control) const {
  if (control == nullptr) return nullptr;
  // The identifier names the button's place; the handle there must be the same control, so
  // that a stray notification from another window is never taken for a click.
  const int controlId = GetDlgCtrlID(control);
  if (controlId <= kFirstGameButtonId) return nullptr;
  const size_t tag = static_cast<size_t>(controlId - kFirstGameButtonId);
  if (tag > buttons_.size()) return nullptr;
  const TButton& button = buttons_[tag - 1];
  return button.Handle == control ? &button : nullptr;
}

void Tfrmmain::GameButtonClick(const TButton& Sender) {
  // A click still queued behind the close finds the settings released: nothing to carry out.
  if (!ini) return;
  const LaunchOutcome outcome =
      DecideLaunch(*ini, Sender.Tag, RunningSystem(), LauncherFolder(), &FileExists);
  if (const auto* start = std::get_if<LaunchStart>(&outcome)) {
    // The shell's answer is not examined: a failed start shows nothing of the launcher's own.
    if (start->via == LaunchVia::ExecuteFileInDir) {
      static_cast<void>(ExecuteFileInDir(start->file, start->params, start->dir));
    } else {
      static_cast<void>(ExecuteFile(start->file, start->params));
    }
    return;
  }
  // The box has one OK button; its answer says nothing.
  static_cast<void>(Application->MessageBox(std::get<LaunchMessage>(outcome).text,
                                            kMessageCaption, kMessageStyle));
}

void Tfrmmain::FormClose(const TForm* /*Sender*/, TCloseAction& /*Action*/) { ini.reset(); }

void Tfrmmain::OnActivate(bool activating, bool minimised) {
  if (!activating) {
    const HWND focus = GetFocus();
    lastFocus_ = FindGameButton(focus) != nullptr ? focus : nullptr;
    return;
  }
  if (minimised || buttons_.empty() || FindGameButton(GetFocus()) != nullptr) return;
  const HWND target = FindGameButton(lastFocus_) != nullptr ? lastFocus_ : buttons_.front().Handle;
  // The answer is the window that had the focus, none of ours.
  static_cast<void>(SetFocus(target));
}

LRESULT Tfrmmain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) {
        if (const TButton* button = FindGameButton(reinterpret_cast<HWND>(lParam))) {
          GameButtonClick(*button);
          return 0;
        }
      }
      break;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ACTIVATE:
      if (!buttons_.empty()) {
        OnActivate(LOWORD(wParam) != WA_INACTIVE, HIWORD(wParam) != 0);
        // The default would put the focus on the window itself, away from the buttons.
        if (LOWORD(wParam) != WA_INACTIVE) return 0;
      }
      break;
    default:
      break;
  }
  return TForm::HandleMessage(message, wParam, lParam);
}

}  // namespace zix
