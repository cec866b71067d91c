#include "app/pointer_shape_win32.h"

#include <windows.h>

#include <algorithm>
#include <new>
#include <optional>
#include <vector>

#include "app/cursor_shape.h"
#include "platform/unique_handle_win32.h"

namespace zix {
namespace {

// Cursors are at most a few hundred pixels across; anything larger is not worth reading.
constexpr LONG kLargestCursor = 1024;

// GetIconInfo hands over two new bitmaps; these own them.
struct CursorInfo {
  UniqueBitmap mask;
  UniqueBitmap colour;
  int32_t hotSpotY = 0;
};

std::optional<CursorInfo> ReadCursorInfo(HCURSOR cursor) {
  ICONINFO info{};
  if (!GetIconInfo(cursor, &info)) return std::nullopt;
  CursorInfo owned{UniqueBitmap(info.hbmMask), UniqueBitmap(info.hbmColor),
                   static_cast<int32_t>(std::min<DWORD>(info.yHotspot, kLargestCursor))};
  if (!owned.mask) return std::nullopt;
  return owned;
}

struct OneBitInfo {
  BITMAPINFOHEADER header;
  RGBQUAD palette[2];
};

// The bitmap as top-down rows of `bitsPerPixel` (1 or 32); nothing when the system cannot give it.
template <class Unit>
std::optional<std::vector<Unit>> ReadRows(HDC dc, HBITMAP bitmap, LONG width, LONG height,
                                          WORD bitsPerPixel, size_t units) {
  OneBitInfo format{};
  format.header.biSize = sizeof format.header;
  format.header.biWidth = width;
  format.header.biHeight = -height;  // top-down
  format.header.biPlanes = 1;
  format.header.biBitCount = bitsPerPixel;
  format.header.biCompression = BI_RGB;
  format.palette[1] = RGBQUAD{0xFF, 0xFF, 0xFF, 0};
  std::vector<Unit> rows(units);
  const int copied = GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), rows.data(),
                               reinterpret_cast<BITMAPINFO*>(&format), DIB_RGB_COLORS);
  if (copied != height) return std::nullopt;
  return rows;
}

std::optional<int32_t> ClearanceOf(HCURSOR cursor) {
  const std::optional<CursorInfo> info = ReadCursorInfo(cursor);
  if (!info) return std::nullopt;
  BITMAP mask{};
  if (GetObjectW(info->mask.get(), sizeof mask, &mask) != sizeof mask) return std::nullopt;
  // A monochrome cursor stacks its two masks in one bitmap of twice the height.
  const LONG width = mask.bmWidth;
  const LONG maskHeight = mask.bmHeight;
  const LONG height = info->colour ? maskHeight : maskHeight / 2;
  if (width <= 0 || height <= 0 || width > kLargestCursor || maskHeight > 2 * kLargestCursor) {
    return std::nullopt;
  }
  const ScreenDC screen;
  if (screen.get() == nullptr) return std::nullopt;
  const auto stride = static_cast<size_t>(MaskStride(width));
  const auto masks = ReadRows<uint8_t>(screen.get(), info->mask.get(), width, maskHeight, 1,
                                       stride * static_cast<size_t>(maskHeight));
  if (!masks) return std::nullopt;
  CursorBits bits;
  bits.width = width;
  bits.height = height;
  const std::span<const uint8_t> all(*masks);
  bits.andMask = all.first(stride * static_cast<size_t>(height));
  std::optional<std::vector<uint32_t>> colour;
  if (info->colour) {
    colour = ReadRows<uint32_t>(screen.get(), info->colour.get(), width, height, 32,
                                static_cast<size_t>(width) * static_cast<size_t>(height));
    if (!colour) return std::nullopt;
    bits.colour = *colour;
  } else {
    bits.xorMask = all.subspan(stride * static_cast<size_t>(height));
  }
  return ShapeClearanceBelowHotSpot(bits, info->hotSpotY);
}

HCURSOR CurrentCursor() {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  if (!GetCursorInfo(&info)) return GetCursor();
  // A hidden pointer has no visible shape to keep clear of.
  return (info.flags & CURSOR_SHOWING) != 0 ? info.hCursor : nullptr;
}

}  // namespace

int32_t PointerClearance() noexcept {
  const HCURSOR cursor = CurrentCursor();
  if (cursor == nullptr) return 0;
  try {
    if (const std::optional<int32_t> clearance = ClearanceOf(cursor)) return *clearance;
  } catch (const std::bad_alloc&) {
    // No room for a cursor's few bytes: the cursor cell below stands in for the shape.
  }
  return GetSystemMetrics(SM_CYCURSOR);
}

}  // namespace zix
