#include <windows.h>

#include <vector>

#include "platform/files.h"
#include "platform/unique_handle_win32.h"
#include "platform/wide_text_win32.h"

namespace zix {
namespace {

class Win32ExistenceQueries final : public ExistenceQueries {
 public:
  explicit Win32ExistenceQueries(const std::wstring& path) : path_(path) {}

  AttributesAnswer Attributes() override {
    const DWORD attributes = GetFileAttributesW(path_.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return {std::nullopt, GetLastError()};
    return {attributes, 0};
  }

  std::optional<uint32_t> SearchedAttributes() override {
    WIN32_FIND_DATAW found{};
    UniqueFindHandle search(FindFirstFileW(path_.c_str(), &found));
    if (!search.valid()) return std::nullopt;
    return found.dwFileAttributes;
  }

  OpenAnswer OpenForReading() override {
    UniqueFileHandle file(CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    if (!file.valid()) return {false, GetLastError()};
    return {true, 0};
  }

 private:
  const std::wstring& path_;
};

NameInRoom ReadExecutableName(unsigned room) {
  std::vector<wchar_t> buffer(room, L'\0');
  const DWORD reported = GetModuleFileNameW(nullptr, buffer.data(), room);
  // When the name is cut, newer systems count the terminator they put in the last place;
  // older ones leave none. Stopping at the first zero reads only characters of the name.
  size_t length = 0;
  while (length < reported && length < buffer.size() && buffer[length] != L'\0') ++length;
  return {FromWide(std::wstring_view(buffer.data(), length)), room > 0 && reported >= room};
}

}  // namespace

std::u16string ExecutableFileName(unsigned room) { return ReadExecutableName(room).name; }

std::u16string LauncherFolder() { return FolderPart(WholeNameFrom(ReadExecutableName)); }

bool FileExists(std::u16string_view path) {
  if (path.find(u'\0') != std::u16string_view::npos) return false;
  const std::wstring widePath = ToWide(path);
  Win32ExistenceQueries queries(widePath);
  return DecideFileExists(queries);
}

}  // namespace zix
