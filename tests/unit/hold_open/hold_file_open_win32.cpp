// A child for the settings reader's tests: holds a file open for writing, as an editor or a
// game still writing it would, until the test lets go.
//   hold_file_open <path> <ready event> <release event>
#include <windows.h>

namespace {

// Closes on every way out; a failed close changes nothing for a process about to end.
struct Owned {
  HANDLE handle;
  HANDLE none;
  ~Owned() {
    if (handle != none) static_cast<void>(CloseHandle(handle));
  }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) return 2;
  const Owned file{CreateFileW(argv[1], GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                   INVALID_HANDLE_VALUE};
  if (file.handle == INVALID_HANDLE_VALUE) return 3;
  const Owned ready{OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]), nullptr};
  const Owned release{OpenEventW(SYNCHRONIZE, FALSE, argv[3]), nullptr};
  if (ready.handle == nullptr || release.handle == nullptr) return 4;
  if (!SetEvent(ready.handle)) return 5;
  // Bounded, so that a test that died never leaves the file held.
  return WaitForSingleObject(release.handle, 60000) == WAIT_OBJECT_0 ? 0 : 6;
}
