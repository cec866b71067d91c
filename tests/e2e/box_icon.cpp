#include "box_icon.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

#include "e2e_timing.h"
#include "platform/unique_handle_win32.h"
#include "text_convert.h"
#include "window_reader.h"

namespace zix::e2e {
namespace {

using Pixels = std::vector<uint32_t>;  // 0x00RRGGBB, top-down rows

struct StockIcon {
  BoxIcon kind;
  LPCWSTR id;
};

const std::array<StockIcon, 4> kStockIcons{{
    {BoxIcon::Information, IDI_INFORMATION},
    {BoxIcon::Error, IDI_ERROR},
    {BoxIcon::Warning, IDI_WARNING},
    {BoxIcon::Question, IDI_QUESTION},
}};

// Mean difference per colour channel (0..255) that still counts as the same picture.
constexpr double kMatchTolerance = 8.0;
// A look costs a screen capture, so it is taken less often than a window is asked about.
constexpr DWORD kIconPollMs = 50;

HWND IconControl(HWND box) {
  for (HWND child : ChildWindows(box)) {
    if (AsciiLower(ClassOf(child)) != u"static") continue;
    if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) return child;
  }
  return nullptr;
}

// A 32-bit top-down DIB selected into a memory DC; the bitmap outlives the DC holding it.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    dc_.reset(CreateCompatibleDC(nullptr));
    // The DC is deleted before the bitmap, so the bitmap need not be selected out again.
    if (bitmap_ && dc_ && !SelectObject(dc_.get(), bitmap_.get())) dc_.reset();
  }
  bool ok() const { return bitmap_ && dc_ && bits_; }
  HDC dc() const { return dc_.get(); }
  Pixels Read() const {
    (void)GdiFlush();  // finishes pending drawing; nothing to handle if there was none
    const auto* begin = static_cast<const uint32_t*>(bits_);
    Pixels pixels(begin, begin + static_cast<size_t>(width_) * height_);
    for (uint32_t& p : pixels) p &= 0x00FFFFFF;
    return pixels;
  }

 private:
  int width_;
  int height_;
  void* bits_ = nullptr;
  UniqueBitmap bitmap_;
  UniqueMemoryDC dc_;
};

std::optional<Pixels> CaptureScreen(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  Canvas canvas(width, height);
  if (!canvas.ok()) return std::nullopt;
  const ScreenDC screen;
  if (!screen) return std::nullopt;
  if (!BitBlt(canvas.dc(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY)) {
    return std::nullopt;
  }
  return canvas.Read();
}

std::optional<Pixels> DrawStockIcon(LPCWSTR id, int width, int height, uint32_t background) {
  Canvas canvas(width, height);
  HICON icon = LoadIconW(nullptr, id);  // shared stock icon: never destroyed
  if (!canvas.ok() || !icon) return std::nullopt;
  const COLORREF colour = RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF);
  const UniqueBrush brush(CreateSolidBrush(colour));
  const RECT all{0, 0, width, height};
  if (!brush || !FillRect(canvas.dc(), &all, brush.get())) return std::nullopt;
  if (!DrawIconEx(canvas.dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL)) return std::nullopt;
  return canvas.Read();
}

double MeanDifference(const Pixels& a, const Pixels& b) {
  if (a.size() != b.size() || a.empty()) return std::numeric_limits<double>::infinity();
  uint64_t sum = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    for (int shift = 0; shift < 24; shift += 8) {
      sum += static_cast<uint64_t>(std::abs(static_cast<int>((a[i] >> shift) & 0xFF) -
                                            static_cast<int>((b[i] >> shift) & 0xFF)));
    }
  }
  return static_cast<double>(sum) / (static_cast<double>(a.size()) * 3.0);
}

BoxIcon Classify(const Pixels& screen, int width, int height) {
  BoxIcon best = BoxIcon::Unrecognised;
  double bestDifference = kMatchTolerance;
  for (const StockIcon& stock : kStockIcons) {
    const std::optional<Pixels> drawn = DrawStockIcon(stock.id, width, height, screen.front());
    if (!drawn) continue;
    const double difference = MeanDifference(screen, *drawn);
    if (difference < bestDifference) {
      bestDifference = difference;
      best = stock.kind;
    }
  }
  return best;
}

}  // namespace

const char* IconName(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::None: return "no icon";
    case BoxIcon::Information: return "information";
    case BoxIcon::Error: return "error";
    case BoxIcon::Warning: return "warning";
    case BoxIcon::Question: return "question";
    case BoxIcon::Unrecognised: return "unrecognised";
  }
  return "?";
}

BoxIcon ReadBoxIcon(HWND box, DWORD timeoutMs) {
  HWND control = IconControl(box);
  if (!control || !IsWindowVisible(control)) return BoxIcon::None;
  // The handle means nothing here, but whether there is one does: a box without icon may keep
  // an empty icon control in place.
  DWORD_PTR icon = 0;
  if (SendMessageTimeoutW(control, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, kAppearMs, &icon) && icon == 0) {
    return BoxIcon::None;
  }
  const auto recognised = [control]() -> std::optional<BoxIcon> {
    RECT area{};
    if (!GetWindowRect(control, &area) || area.right <= area.left || area.bottom <= area.top) return std::nullopt;
    const std::optional<Pixels> screen = CaptureScreen(area);
    if (!screen) return std::nullopt;
    const BoxIcon icon = Classify(*screen, area.right - area.left, area.bottom - area.top);
    if (icon == BoxIcon::Unrecognised) return std::nullopt;
    return icon;
  };
  return WaitUntil(recognised, timeoutMs, kIconPollMs).value_or(BoxIcon::Unrecognised);
}

}  // namespace zix::e2e
