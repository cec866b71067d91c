#pragma once
// The standard message boxes of another process: find them, read them, press OK.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace zix::e2e {

// Visible dialogs ("#32770") of the process.
std::vector<HWND> VisibleMessageBoxes(DWORD processId);

struct MessageBoxFacts {
  HWND window = nullptr;
  HWND owner = nullptr;        // GetWindow(GW_OWNER): null for a box without owner
  std::u16string ownerClass;   // "" without owner
  std::u16string caption;
  std::u16string text;         // the static control 0xFFFF
  LONG_PTR style = 0;
  LONG_PTR exStyle = 0;
  std::vector<std::u16string> buttons;  // captions of its push buttons
  HWND okButton = nullptr;              // the button with IDOK
};

std::optional<MessageBoxFacts> ReadMessageBox(HWND box);

// Presses the OK button and waits, bounded, until the box has gone.
bool PressOk(const MessageBoxFacts& box, DWORD timeoutMs);

}  // namespace zix::e2e
