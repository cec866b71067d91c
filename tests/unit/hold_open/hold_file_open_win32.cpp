// A child for the settings reader's tests: holds a file open for writing, as an editor or a
// game still writing it would, until the test lets go.
//   hold_file_open <path> <ready event> <release event>
#include <windows.h>

#include "platform/unique_handle_win32.h"

int wmain(int argc, wchar_t** argv) {
  using zix::UniqueFileHandle;
  using zix::UniqueKernelHandle;
  if (argc != 4) return 2;
  const UniqueFileHandle file(CreateFileW(argv[1], GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return 3;
  const UniqueKernelHandle ready(OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]));
  const UniqueKernelHandle release(OpenEventW(SYNCHRONIZE, FALSE, argv[3]));
  if (!ready || !release) return 4;
  if (!SetEvent(ready.get())) return 5;
  // Bounded, so that a test that died never leaves the file held.
  return WaitForSingleObject(release.get(), 60000) == WAIT_OBJECT_0 ? 0 : 6;
}
