#include <windows.h>

#include <algorithm>

#include "platform/exception.h"
#include "platform/files.h"
#include "platform/unique_handle_win32.h"
#include "platform/wide_text_win32.h"

namespace zix {
namespace {

// The largest single ReadFile request: its count is a DWORD.
constexpr size_t kLargestRead = 1u << 30;

std::u16string SystemErrorText(DWORD code, DWORD language) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, language, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  UniqueLocalMemory owner(text);
  if (length == 0 || text == nullptr) return {};
  return FromWide(std::wstring_view(text, length));
}

// The system's own words for an error, in the system's default language when it has them.
std::u16string SystemErrorText(DWORD code) {
  std::u16string text = SystemErrorText(code, MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT));
  // Without a text in that language, the system's usual search of languages.
  if (text.empty()) text = SystemErrorText(code, 0);
  return text;
}

// The path made absolute for messages; as given when the system cannot.
std::u16string FullPathOf(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return FromWide(path);
  std::wstring full(needed, L'\0');
  const DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (written == 0 || written >= needed) return FromWide(path);
  full.resize(written);
  return FromWide(full);
}

class Win32OpenedFile final : public OpenedFile {
 public:
  Win32OpenedFile(UniqueFileHandle handle, std::wstring path)
      : handle_(std::move(handle)), path_(std::move(path)) {}

  std::optional<uint64_t> Size() override {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle_.get(), &size) || size.QuadPart < 0) return std::nullopt;
    return static_cast<uint64_t>(size.QuadPart);
  }

  size_t Read(char* into, size_t room) override {
    DWORD got = 0;
    const DWORD asked = static_cast<DWORD>(std::min(room, kLargestRead));
    if (!ReadFile(handle_.get(), into, asked, &got, nullptr)) {
      const DWORD error = GetLastError();
      throw EReadError(CannotReadFileMessage(FullPathOf(path_), SystemErrorText(error)));
    }
    return got;
  }

  bool Close() override { return handle_.close(); }

 private:
  UniqueFileHandle handle_;
  std::wstring path_;
};

class Win32FileReader final : public StepwiseFileReader {
 protected:
  std::unique_ptr<OpenedFile> Open(std::u16string_view path) override {
    std::wstring widePath = ToWide(path);
    // CreateFileW would see only the part before an embedded zero and open another file.
    if (path.find(u'\0') != std::u16string_view::npos) {
      throw EFOpenError(CannotOpenFileMessage(path, SystemErrorText(ERROR_INVALID_NAME)));
    }
    UniqueFileHandle handle(CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.valid()) {
      const DWORD error = GetLastError();
      throw EFOpenError(CannotOpenFileMessage(FullPathOf(widePath), SystemErrorText(error)));
    }
    return std::make_unique<Win32OpenedFile>(std::move(handle), std::move(widePath));
  }
};

}  // namespace

FileReader& SystemFileReader() {
  // Holds no state: every ReadAll opens, reads and closes its own file.
  static Win32FileReader reader;
  return reader;
}

}  // namespace zix
