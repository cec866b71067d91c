#include "app/hint_window_win32.h"

#include "app/hint_placement.h"
#include "app/pointer_shape_win32.h"
#include "app/screen_metrics_win32.h"
#include "app/selected_object_win32.h"
#include "platform/exception.h"
#include "platform/wide_text_win32.h"

namespace zix {
namespace {

constexpr wchar_t kClassName[] = L"THintWindow";
constexpr DWORD kStyle = WS_POPUP | WS_BORDER;
// A tool window has no taskbar button; no-activate keeps the focus where the user left it.
constexpr DWORD kExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
// Room between the frame and the text.
constexpr int kMarginX = 3;
constexpr int kMarginY = 1;
// "&" is text in a tooltip, not an access key marker.
constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

UniqueFont CreateStatusFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {};
  return UniqueFont(CreateFontIndirectW(&metrics.lfStatusFont));
}

ScreenRect MonitorAround(ScreenPoint point) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  const HMONITOR monitor = MonitorFromPoint(POINT{point.x, point.y}, MONITOR_DEFAULTTONEAREST);
  if (monitor != nullptr && GetMonitorInfoW(monitor, &info)) {
    return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
  }
  return PrimaryScreen();
}

// Keeps a window's paint cycle for a scope.
class PaintSession {
 public:
  explicit PaintSession(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintSession() {
    // EndPaint always succeeds for a BeginPaint that gave a DC.
    if (dc_ != nullptr) static_cast<void>(EndPaint(window_, &paint_));
  }
  PaintSession(const PaintSession&) = delete;
  PaintSession& operator=(const PaintSession&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

}  // namespace

THintWindow::THintWindow() : ownFont_(CreateStatusFont()) {
  font_ = ownFont_ ? ownFont_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  WindowSpec windowSpec;
  windowSpec.className = kClassName;
  windowSpec.style = kStyle;
  windowSpec.exStyle = kExStyle;
  CreateHandle(windowSpec);
}

THintWindow::~THintWindow() { DestroyHandle(); }

SIZE THintWindow::OuterSizeFor(const std::u16string& text) const {
  RECT frame{0, 0, 0, 0};
  // Without the frame's size the text would be cut by the border; the frame is one pixel.
  if (!AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle)) frame = {-1, -1, 1, 1};
  const int chrome = (frame.right - frame.left) + 2 * kMarginX;
  RECT textArea{0, 0, GetSystemMetrics(SM_CXSCREEN) - chrome, 0};
  if (textArea.right < 1) textArea.right = 1;
  const ScreenDC screen;
  const SelectedObject selected(screen.get(), font_);
  if (screen.get() == nullptr || !selected.ok() ||
      DrawTextW(screen.get(), WinText(text), static_cast<int>(text.size()), &textArea,
                kTextFormat | DT_CALCRECT) == 0) {
    throw EOutOfResources(u"Cannot measure the text of the tooltip.");
  }
  return {textArea.right - textArea.left + chrome,
          textArea.bottom - textArea.top + (frame.bottom - frame.top) + 2 * kMarginY};
}

void THintWindow::ActivateHint(const std::u16string& text, ScreenPoint pointer) {
  const SIZE size = OuterSizeFor(text);
  const int32_t clearance = PointerClearance();
  const ScreenPoint corner{pointer.x, pointer.y + clearance};
  const ScreenRect place =
      PlaceHintWindow(pointer, clearance, size.cx, size.cy, MonitorAround(corner));
  text_ = text;
  // Only readers of the window text miss it when this fails; the tooltip itself paints text_.
  static_cast<void>(SetWindowTextW(Handle(), WinText(text_)));
  // The window may be visible with the previous text; nothing of that picture is kept.
  static_cast<void>(InvalidateRect(Handle(), nullptr, TRUE));  // fails only without a window
  if (!SetWindowPos(Handle(), HWND_TOPMOST, place.left, place.top, place.right - place.left,
                    place.bottom - place.top, SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOCOPYBITS)) {
    throw EOutOfResources(u"Cannot show the tooltip window.");
  }
  // Painted now rather than at the next idle moment, so the tooltip never shows up blank.
  static_cast<void>(UpdateWindow(Handle()));  // a failure leaves the paint to WM_PAINT
}

void THintWindow::Hide() noexcept {
  // The answer is whether the window was visible before; hidden is what is wanted either way.
  if (Handle() != nullptr) static_cast<void>(ShowWindow(Handle(), SW_HIDE));
}

void THintWindow::Paint() {
  const PaintSession paint(Handle());
  if (paint.dc() == nullptr) return;
  RECT client{};
  if (!GetClientRect(Handle(), &client)) return;
  // A failed fill or draw leaves a blank tooltip until the next paint; nothing else depends on it.
  static_cast<void>(FillRect(paint.dc(), &client, GetSysColorBrush(COLOR_INFOBK)));
  const SelectedObject selected(paint.dc(), font_);
  static_cast<void>(SetBkMode(paint.dc(), TRANSPARENT));
  static_cast<void>(SetTextColor(paint.dc(), GetSysColor(COLOR_INFOTEXT)));
  RECT textArea{client.left + kMarginX, client.top + kMarginY, client.right - kMarginX,
                client.bottom - kMarginY};
  static_cast<void>(DrawTextW(paint.dc(), WinText(text_), static_cast<int>(text_.size()),
                              &textArea, kTextFormat));
}

LRESULT THintWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole window
    case WM_NCHITTEST:
      // The pointer belongs to whatever lies below: the tooltip is never a place of its own.
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      return WindowObject::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace zix
