#include "user_input.h"

#include <vector>

#include "e2e_timing.h"

namespace zix::e2e {
namespace {

constexpr DWORD kPointerPollMs = 5;
constexpr int kSteadyPolls = 3;
constexpr DWORD kPointerSettleBoundMs = 1000;

bool Send(std::vector<INPUT>& inputs) {
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

INPUT Key(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

bool ClickWith(DWORD down, DWORD up) {
  std::vector<INPUT> inputs(2);
  for (INPUT& input : inputs) input.type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = down;
  inputs[1].mi.dwFlags = up;
  return Send(inputs);
}

}  // namespace

bool MovePointer(POINT to) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  if (screenWidth <= 1 || screenHeight <= 1) return false;
  std::vector<INPUT> inputs(1);
  inputs[0].type = INPUT_MOUSE;
  // Absolute coordinates run from 0 to 65535 across the primary screen; rounding up keeps the
  // pixel the one asked for after the system scales back.
  inputs[0].mi.dx = (to.x * 65535 + screenWidth - 2) / (screenWidth - 1);
  inputs[0].mi.dy = (to.y * 65535 + screenHeight - 2) / (screenHeight - 1);
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  if (!Send(inputs)) return false;
  // Under Wine the X server echoes each move back a little later; a move sent before the echo
  // of the one before has come back can be undone by that echo. Waiting until the pointer has
  // stayed where it was sent keeps one move from overtaking another.
  int steady = 0;
  return WaitUntil(
      [&] {
        POINT now{};
        steady = GetCursorPos(&now) && now.x == to.x && now.y == to.y ? steady + 1 : 0;
        return steady >= kSteadyPolls;
      },
      kPointerSettleBoundMs, kPointerPollMs);
}

POINT CentreOf(HWND window) {
  RECT rect{};
  if (!GetWindowRect(window, &rect)) return POINT{-1, -1};
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool ClickLeft() { return ClickWith(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }
bool ClickRight() { return ClickWith(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }

bool TapKey(WORD virtualKey, const std::vector<WORD>& modifiers) {
  std::vector<INPUT> inputs;
  for (const WORD modifier : modifiers) inputs.push_back(Key(modifier, false));
  inputs.push_back(Key(virtualKey, false));
  inputs.push_back(Key(virtualKey, true));
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) inputs.push_back(Key(*it, true));
  return Send(inputs);
}

}  // namespace zix::e2e
