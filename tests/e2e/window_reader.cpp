#include "window_reader.h"

#include <algorithm>

#include "text_convert.h"
#include "user_input.h"

namespace zix::e2e {
namespace {

// A launcher still busy with a huge settings file, on a loaded machine or through an emulator,
// can take seconds to answer; a text read as empty would be a failure of the reader, not of it.
constexpr UINT kTextTimeoutMs = 10000;

struct EnumRequest {
  DWORD processId;
  std::u16string className;
  std::vector<HWND> found;
};

// No exception may leave this callback: a failed push_back ends the enumeration instead.
BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) noexcept {
  auto& request = *reinterpret_cast<EnumRequest*>(param);
  DWORD owner = 0;
  if (GetWindowThreadProcessId(window, &owner) == 0 || owner != request.processId) return TRUE;
  try {
    if (AsciiLower(ClassOf(window)) == request.className) request.found.push_back(window);
  } catch (...) {
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectChildren(HWND window, LPARAM param) noexcept {
  auto& children = *reinterpret_cast<std::vector<HWND>*>(param);
  try {
    children.push_back(window);
  } catch (...) {
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, std::u16string_view className) {
  EnumRequest request{processId, AsciiLower(className), {}};
  (void)EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&request));  // partial lists still help
  return request.found;
}

HWND VisibleTopLevelWindow(DWORD processId, std::u16string_view className) {
  for (HWND window : TopLevelWindows(processId, className)) {
    if (IsWindowVisible(window)) return window;
  }
  return nullptr;
}

std::u16string ClassOf(HWND window) {
  wchar_t name[256];
  const int length = GetClassNameW(window, name, 256);
  return length > 0 ? FromWide(std::wstring_view(name, static_cast<size_t>(length))) : u"";
}

std::u16string TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTextTimeoutMs, &length)) {
    return u"";
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kTextTimeoutMs, &copied)) {
    return u"";
  }
  text.resize(std::min<size_t>(copied, length));
  return FromWide(text);
}

std::optional<WindowFacts> ReadWindow(HWND window) {
  WindowFacts facts;
  RECT client{};
  if (!GetWindowRect(window, &facts.outer) || !GetClientRect(window, &client)) return std::nullopt;
  facts.clientWidth = client.right - client.left;
  facts.clientHeight = client.bottom - client.top;
  facts.title = TextOf(window);
  facts.style = GetWindowLongPtrW(window, GWL_STYLE);
  facts.exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  facts.visible = IsWindowVisible(window);
  facts.minimized = IsIconic(window);
  facts.maximized = IsZoomed(window);
  return facts;
}

std::vector<ButtonFacts> ReadButtons(HWND parent) {
  std::vector<ButtonFacts> buttons;
  for (HWND child : ChildWindows(parent)) {
    if (GetParent(child) != parent || AsciiLower(ClassOf(child)) != u"button") continue;
    ButtonFacts button;
    button.id = GetDlgCtrlID(child);
    button.caption = TextOf(child);
    RECT screen{};
    if (!GetWindowRect(child, &screen)) continue;
    POINT topLeft{screen.left, screen.top};
    POINT bottomRight{screen.right, screen.bottom};
    if (!ScreenToClient(parent, &topLeft) || !ScreenToClient(parent, &bottomRight)) continue;
    button.rect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    button.visible = IsWindowVisible(child);
    button.enabled = IsWindowEnabled(child);
    button.style = GetWindowLongPtrW(child, GWL_STYLE);
    buttons.push_back(std::move(button));
  }
  std::sort(buttons.begin(), buttons.end(),
            [](const ButtonFacts& a, const ButtonFacts& b) { return a.id < b.id; });
  return buttons;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  (void)EnumChildWindows(parent, CollectChildren, reinterpret_cast<LPARAM>(&children));  // partial lists still help
  return children;
}

HWND ChildWithId(HWND parent, int id) { return GetDlgItem(parent, id); }

bool ClickButton(HWND button) { return PostMessageW(button, BM_CLICK, 0, 0); }

bool MouseClick(HWND window) {
  // The pointer must rest on the button before the press: a press sent while Wine is still
  // echoing the move lands where the pointer was, and the click is lost.
  return MovePointer(CentreOf(window)) && ClickLeft();
}

bool PostClose(HWND window) { return PostMessageW(window, WM_CLOSE, 0, 0); }

bool PostSystemClose(HWND window) { return PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

}  // namespace zix::e2e
