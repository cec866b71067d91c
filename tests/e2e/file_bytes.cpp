#include "file_bytes.h"

#include <windows.h>

#include "platform/unique_handle_win32.h"
#include "text_convert.h"

namespace zix::e2e {

std::optional<std::string> ReadFileBytes(const std::u16string& path) {
  const std::wstring wide = ToWide(path);
  UniqueFileHandle file(CreateFileW(wide.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[16384];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
    if (read == 0) return bytes;
    bytes.append(buffer, read);
  }
}

bool WriteFileBytes(const std::u16string& path, std::string_view bytes) {
  const std::wstring wide = ToWide(path);
  UniqueFileHandle file(CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  return ok && written == bytes.size();
}

bool MakeFolders(const std::u16string& path) {
  for (size_t slash = path.find(u'\\'); slash != std::u16string::npos;
       slash = path.find(u'\\', slash + 1)) {
    if (slash == 0 || path[slash - 1] == u':') continue;  // the drive itself
    const std::wstring folder = ToWide(path.substr(0, slash));
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
      return false;
    }
  }
  return true;
}

std::u16string FolderOf(const std::u16string& path) {
  const size_t slash = path.rfind(u'\\');
  return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash + 1);
}

}  // namespace zix::e2e
