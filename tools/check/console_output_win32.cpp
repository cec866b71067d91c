#include <windows.h>

#include <string>

#include "check/console_output.h"
#include "platform/text_codec.h"
#include "platform/unique_handle_win32.h"

namespace zix::check {

namespace {

bool WriteBytes(HANDLE handle, std::string_view bytes) {
  DWORD written = 0;
  return WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

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
  return WriteBytes(handle, bytes);
}

}  // namespace

bool WriteStandardOutput(std::u16string_view text) { return Write(STD_OUTPUT_HANDLE, text); }
bool WriteStandardError(std::u16string_view text) { return Write(STD_ERROR_HANDLE, text); }

bool WriteStandardOutputBytes(std::string_view bytes) {
  const HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
  return handle != INVALID_HANDLE_VALUE && handle != nullptr && WriteBytes(handle, bytes);
}

NewFileResult WriteNewFile(std::u16string_view path, std::string_view bytes) {
  if (path.find(u'\0') != std::u16string_view::npos) return NewFileResult::Failed;
  const std::wstring name(path.begin(), path.end());
  UniqueFileHandle file(CreateFileW(name.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? NewFileResult::Exists
                                                                       : NewFileResult::Failed;
  }
  DWORD written = 0;
  const bool whole = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                               &written, nullptr) &&
                     written == bytes.size();
  if (whole && file.close()) return NewFileResult::Written;
  // A half-written settings file would mislead the launcher. Removed by name once closed,
  // since Windows XP, where this program runs too, cannot mark an open file for deletion.
  (void)file.close();  // closed already when the close itself failed
  (void)DeleteFileW(name.c_str());  // what cannot be removed, the error below covers as well
  return NewFileResult::Failed;
}

}  // namespace zix::check
