#pragma once
// Move-only owners of Win32 resources: one owner closes each handle exactly once.
// Two kinds of "no handle" exist (NULL and INVALID_HANDLE_VALUE), so each owner names its own.
// Header-only, so that the helper programs and tests can hold handles without the launcher's code.

#include <windows.h>

#include <utility>

namespace zix {

template <typename Traits>
class UniqueResource {
 public:
  using Handle = typename Traits::Handle;

  UniqueResource() = default;
  explicit UniqueResource(Handle handle) : handle_(handle) {}
  ~UniqueResource() { reset(); }
  UniqueResource(UniqueResource&& other) noexcept : handle_(other.release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;

  Handle get() const { return handle_; }
  bool valid() const { return handle_ != Traits::Invalid(); }
  explicit operator bool() const { return valid(); }

  Handle release() { return std::exchange(handle_, Traits::Invalid()); }

  // Closes now and tells whether the system agreed; the owner is empty afterwards either way.
  bool close() {
    if (!valid()) return true;
    return Traits::Close(release());
  }

  void reset(Handle handle = Traits::Invalid()) {
    // A failed close on release leaves nothing the owner could do about it.
    if (valid()) static_cast<void>(Traits::Close(handle_));
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::Invalid();
};

// Handles whose "none" is NULL and that one function releases, answering non-zero on success.
template <typename H, auto Release>
struct NullHandleTraits {
  using Handle = H;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle handle) { return Release(handle) != 0; }
};
template <typename H, auto Release>
using UniqueHandle = UniqueResource<NullHandleTraits<H, Release>>;

struct FileHandleTraits {  // CreateFileW: INVALID_HANDLE_VALUE means none
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle handle) { return CloseHandle(handle) != FALSE; }
};

struct FindHandleTraits {  // FindFirstFileW: INVALID_HANDLE_VALUE, ended by FindClose
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle handle) { return FindClose(handle) != FALSE; }
};

struct LocalMemoryTraits {  // FORMAT_MESSAGE_ALLOCATE_BUFFER and CommandLineToArgvW hand out LocalAlloc memory
  using Handle = HLOCAL;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle memory) { return LocalFree(memory) == nullptr; }
};

struct RegistryKeyTraits {  // RegCloseKey answers an error code, zero on success
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle key) { return RegCloseKey(key) == ERROR_SUCCESS; }
};

using UniqueFileHandle = UniqueResource<FileHandleTraits>;
using UniqueFindHandle = UniqueResource<FindHandleTraits>;
using UniqueLocalMemory = UniqueResource<LocalMemoryTraits>;
using UniqueRegistryKey = UniqueResource<RegistryKeyTraits>;
using UniqueKernelHandle = UniqueHandle<HANDLE, CloseHandle>;  // processes, threads, events
using UniqueFont = UniqueHandle<HFONT, DeleteObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteObject>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteObject>;
using UniqueMemoryDC = UniqueHandle<HDC, DeleteDC>;  // from CreateCompatibleDC
using UniqueWindow = UniqueHandle<HWND, DestroyWindow>;  // only the thread that made it may destroy it

// The screen's device context from GetDC. ReleaseDC wants the window the DC came from as well
// as the DC, which one handle cannot carry, hence an owner of its own. There is no release():
// such a DC is only ever lent for a scope.
class ScreenDC {
 public:
  ScreenDC() : dc_(GetDC(nullptr)) {}
  ~ScreenDC() { reset(); }
  ScreenDC(ScreenDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
  ScreenDC& operator=(ScreenDC&& other) noexcept {
    if (this != &other) {
      reset();
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

  void reset() {
    // ReleaseDC's result only says whether the DC was a common one; nothing follows from it.
    if (dc_ != nullptr) static_cast<void>(ReleaseDC(nullptr, dc_));
    dc_ = nullptr;
  }

 private:
  HDC dc_;
};

}  // namespace zix
