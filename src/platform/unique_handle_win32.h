#pragma once
// Move-only owners of Win32 resources: one owner closes each handle exactly once.
// Two kinds of "no handle" exist (NULL and INVALID_HANDLE_VALUE), so each owner names its own.

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

struct LocalMemoryTraits {  // FORMAT_MESSAGE_ALLOCATE_BUFFER hands out LocalAlloc memory
  using Handle = HLOCAL;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle memory) { return LocalFree(memory) == nullptr; }
};

// Handles whose "none" is NULL and that one function releases (fonts, windows, bitmaps...).
template <typename H, auto Release>
struct NullHandleTraits {
  using Handle = H;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle handle) { return Release(handle) != 0; }
};
template <typename H, auto Release>
using UniqueHandle = UniqueResource<NullHandleTraits<H, Release>>;

using UniqueFileHandle = UniqueResource<FileHandleTraits>;
using UniqueFindHandle = UniqueResource<FindHandleTraits>;
using UniqueLocalMemory = UniqueResource<LocalMemoryTraits>;

}  // namespace zix
