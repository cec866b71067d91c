#pragma once
// The frame's own owners: fonts, windows, and a screen DC with what is selected into it.

#include <windows.h>

#include "platform/unique_handle_win32.h"

namespace zix {

inline BOOL DeleteFont(HFONT font) { return DeleteObject(font); }
using UniqueFont = UniqueHandle<HFONT, DeleteFont>;
using UniqueWindow = UniqueHandle<HWND, DestroyWindow>;

// A screen device context from GetDC, released to the screen again.
class ScreenDC {
 public:
  ScreenDC() : dc_(GetDC(nullptr)) {}
  ~ScreenDC() {
    // ReleaseDC's result only says whether the DC was a common one; nothing follows from it.
    if (dc_ != nullptr) static_cast<void>(ReleaseDC(nullptr, dc_));
  }
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// Keeps an object selected into a DC for a scope and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    // Selecting back the original object cannot meaningfully fail for a DC we still hold.
    if (previous_ != nullptr && previous_ != HGDI_ERROR) static_cast<void>(SelectObject(dc_, previous_));
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  bool ok() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace zix
