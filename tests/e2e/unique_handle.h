#pragma once
// Move-only owners for the handles the driver opens, one per kind of "no handle".

#include <windows.h>

#include <utility>

namespace zix::e2e {

template <typename Traits>
class UniqueHandle {
 public:
  using Value = typename Traits::Value;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Value value) noexcept : value_(value) {}
  UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Value get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return value_ != Traits::Invalid(); }

  Value release() noexcept { return std::exchange(value_, Traits::Invalid()); }

  void reset(Value value = Traits::Invalid()) noexcept {
    if (value_ != Traits::Invalid()) Traits::Close(value_);
    value_ = value;
  }

 private:
  Value value_ = Traits::Invalid();
};

struct KernelHandleTraits {  // processes, threads, events: NULL means none
  using Value = HANDLE;
  static Value Invalid() noexcept { return nullptr; }
  static void Close(Value value) noexcept {
    (void)CloseHandle(value);  // a failed close at release leaves nothing to undo
  }
};

struct FileHandleTraits {  // CreateFileW answers INVALID_HANDLE_VALUE, not NULL
  using Value = HANDLE;
  static Value Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Value value) noexcept {
    (void)CloseHandle(value);  // a failed close at release leaves nothing to undo
  }
};

struct FindHandleTraits {
  using Value = HANDLE;
  static Value Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Value value) noexcept {
    (void)FindClose(value);  // a failed close at release leaves nothing to undo
  }
};

struct RegKeyTraits {
  using Value = HKEY;
  static Value Invalid() noexcept { return nullptr; }
  static void Close(Value value) noexcept {
    (void)RegCloseKey(value);  // a failed close at release leaves nothing to undo
  }
};

struct MemoryDcTraits {
  using Value = HDC;
  static Value Invalid() noexcept { return nullptr; }
  static void Close(Value value) noexcept {
    (void)DeleteDC(value);  // a failed delete at release leaves nothing to undo
  }
};

struct GdiObjectTraits {
  using Value = HGDIOBJ;
  static Value Invalid() noexcept { return nullptr; }
  static void Close(Value value) noexcept {
    (void)DeleteObject(value);  // a failed delete at release leaves nothing to undo
  }
};

struct WindowTraits {  // a window of the test's own thread; its children go with it
  using Value = HWND;
  static Value Invalid() noexcept { return nullptr; }
  static void Close(Value value) noexcept {
    (void)DestroyWindow(value);  // a window already gone leaves nothing to undo
  }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFileHandle = UniqueHandle<FileHandleTraits>;
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;
using UniqueRegKey = UniqueHandle<RegKeyTraits>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;

}  // namespace zix::e2e
