#pragma once
// Owners for the few kernel and GDI handles the demo programs hold. Move-only, so that no
// handle is ever released twice.

#include <windows.h>

#include <utility>

namespace zixdemo {

template <typename Handle, typename Traits>
class UniqueResource {
 public:
  UniqueResource() = default;
  explicit UniqueResource(Handle handle) : handle_(handle) {}
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;
  UniqueResource(UniqueResource&& other) noexcept : handle_(other.release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~UniqueResource() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }
  Handle release() { return std::exchange(handle_, Traits::Invalid()); }
  void reset(Handle handle = Traits::Invalid()) {
    Handle old = std::exchange(handle_, handle);
    if (old != Traits::Invalid()) Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
  static HANDLE Invalid() { return nullptr; }
  // Nothing useful can be done when closing fails; the handle is gone either way.
  static void Close(HANDLE handle) { (void)CloseHandle(handle); }
};

// CreateFileW says "no file" with INVALID_HANDLE_VALUE, not with NULL.
struct FileHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE handle) { KernelHandleTraits::Close(handle); }
};

struct FontTraits {
  static HFONT Invalid() { return nullptr; }
  // Fails only for a font still selected into a DC; ours is only ever lent to controls.
  static void Close(HFONT font) { (void)DeleteObject(font); }
};

using UniqueHandle = UniqueResource<HANDLE, KernelHandleTraits>;
using UniqueFile = UniqueResource<HANDLE, FileHandleTraits>;
using UniqueFont = UniqueResource<HFONT, FontTraits>;

}  // namespace zixdemo
