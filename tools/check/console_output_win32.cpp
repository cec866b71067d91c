#include <windows.h>

#include <string>

#include "check/console_output.h"
#include "platform/text_codec.h"

namespace zix::check {

namespace {

bool Write(DWORD which, std::u16string_view text) {
  const HANDLE handle = GetStdHandle(which);
  if (handle == INVALID_HANDLE_VALUE || handle == nullptr) return false;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    // A console shows wide text as it is, whatever its code page.
    const std::wstring wide(text.begin(), text.end());
    DWORD written = 0;
    return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) &&
           written == wide.size();
  }
  // Redirected: UTF-8 bytes, with CR LF as Windows tools write lines.
  std::string bytes;
  for (const char c : ToUtf8(text)) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  DWORD written = 0;
  return WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

}  // namespace

bool WriteStandardOutput(std::u16string_view text) { return Write(STD_OUTPUT_HANDLE, text); }
bool WriteStandardError(std::u16string_view text) { return Write(STD_ERROR_HANDLE, text); }

}  // namespace zix::check
