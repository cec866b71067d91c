#pragma once
// Keeps an object selected into a DC for a scope and puts the previous one back.

#include <windows.h>

namespace zix {

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
