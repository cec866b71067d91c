#include "message_box_reader.h"

#include "e2e_timing.h"
#include "text_convert.h"
#include "window_reader.h"

namespace zix::e2e {
namespace {

constexpr int kMessageTextId = 0xFFFF;

}  // namespace

std::vector<HWND> VisibleMessageBoxes(DWORD processId) {
  std::vector<HWND> boxes;
  for (HWND window : TopLevelWindows(processId, u"#32770")) {
    if (IsWindowVisible(window)) boxes.push_back(window);
  }
  return boxes;
}

std::optional<MessageBoxFacts> ReadMessageBox(HWND box) {
  if (!IsWindow(box)) return std::nullopt;
  MessageBoxFacts facts;
  facts.window = box;
  facts.owner = GetWindow(box, GW_OWNER);
  facts.ownerClass = facts.owner ? ClassOf(facts.owner) : u"";
  facts.caption = TextOf(box);
  HWND textControl = GetDlgItem(box, kMessageTextId);
  facts.text = textControl ? TextOf(textControl) : u"";
  facts.style = GetWindowLongPtrW(box, GWL_STYLE);
  facts.exStyle = GetWindowLongPtrW(box, GWL_EXSTYLE);
  for (HWND child : ChildWindows(box)) {
    if (AsciiLower(ClassOf(child)) != u"button" || !IsWindowVisible(child)) continue;
    facts.buttons.push_back(TextOf(child));
    if (GetDlgCtrlID(child) == IDOK) facts.okButton = child;
  }
  return facts;
}

bool PressOk(const MessageBoxFacts& box, DWORD timeoutMs) {
  if (!box.okButton || !ClickButton(box.okButton)) return false;
  return WaitUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); }, timeoutMs);
}

}  // namespace zix::e2e
