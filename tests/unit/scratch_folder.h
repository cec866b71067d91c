#pragma once
// A fresh folder under the system's temporary folder for tests that need real files; removed
// with everything in it when the test ends.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace zix::testing {

class ScratchFolder {
 public:
  ScratchFolder() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100 && root_.empty(); ++attempt) {
      std::filesystem::path candidate = std::filesystem::temp_directory_path() /
          ("zix-numbers-" + std::to_string(stamp) + "-" + std::to_string(attempt));
      std::error_code error;
      if (std::filesystem::create_directory(candidate, error)) root_ = candidate;
    }
  }
  ~ScratchFolder() {
    std::error_code ignored;  // a folder left behind in the temporary folder harms no test
    if (!root_.empty()) std::filesystem::remove_all(root_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  bool ok() const { return !root_.empty(); }
  const std::filesystem::path& root() const { return root_; }

  // The folder with its closing separator, as the launcher folder is written.
  std::u16string Folder() const {
    return root_.u16string() + static_cast<char16_t>(std::filesystem::path::preferred_separator);
  }
  std::u16string PathOf(std::u16string_view name) const { return Folder() + std::u16string(name); }

  void Write(std::u16string_view name, std::string_view bytes) const {
    std::ofstream out(std::filesystem::path(PathOf(name)), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  void MakeFolder(std::u16string_view name) const {
    std::filesystem::create_directories(std::filesystem::path(PathOf(name)));
  }

 private:
  std::filesystem::path root_;
};

}  // namespace zix::testing
