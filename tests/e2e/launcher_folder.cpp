#include "launcher_folder.h"

#include <windows.h>

#include <string>

#include "e2e_paths.h"
#include "e2e_timing.h"
#include "file_bytes.h"
#include "platform/unique_handle_win32.h"
#include "text_convert.h"

namespace zix::e2e {
namespace {

// A file held on after an exit is let go well within a second; each try walks the whole tree.
constexpr DWORD kRemoveRetryMs = 1000;
constexpr DWORD kRemoveRetryPollMs = 50;

// The long form, so that paths the launcher reports compare with ours as text.
std::u16string TempFolder() {
  wchar_t buffer[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
  if (length == 0 || length > MAX_PATH) return {};
  wchar_t longForm[MAX_PATH + 1];
  const DWORD longLength = GetLongPathNameW(buffer, longForm, MAX_PATH + 1);
  if (longLength == 0 || longLength > MAX_PATH) return FromWide(buffer);
  return FromWide(longForm);
}

bool RemoveTree(const std::u16string& folder) {
  bool removedAll = true;
  WIN32_FIND_DATAW entry{};
  {
    UniqueFindHandle search(FindFirstFileW(ToWide(folder + u"*").c_str(), &entry));
    if (search) {
      do {
        const std::u16string name = FromWide(entry.cFileName);
        if (name == u"." || name == u"..") continue;
        const std::u16string path = folder + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          removedAll = RemoveTree(path + u"\\") && removedAll;
        } else {
          removedAll = DeleteFileW(ToWide(path).c_str()) && removedAll;
        }
      } while (FindNextFileW(search.get(), &entry));
    }
  }
  return RemoveDirectoryW(ToWide(folder).c_str()) && removedAll;
}

}  // namespace

LauncherFolder::LauncherFolder(std::u16string_view folderName) {
  const std::u16string temp = TempFolder();
  if (temp.empty()) return;
  const std::u16string prefix = temp + u"zixe2e-" + FromWide(std::to_wstring(GetCurrentProcessId())) + u"-";
  for (int n = 0; n < 10000 && root_.empty(); ++n) {
    const std::u16string candidate = prefix + FromWide(std::to_wstring(n)) + u"\\";
    if (CreateDirectoryW(ToWide(candidate).c_str(), nullptr)) {
      root_ = candidate;
    } else if (GetLastError() != ERROR_ALREADY_EXISTS) {
      return;
    }
  }
  if (root_.empty()) return;
  path_ = root_ + std::u16string(folderName) + u"\\";
  ok_ = MakeFolders(path_);
}

LauncherFolder::~LauncherFolder() {
  if (root_.empty()) return;
  // A launcher or game that has just exited may hold its file for a moment longer. One left
  // behind in the temporary folder is harmless, and every later run takes a new name.
  (void)WaitUntil([this] { return RemoveTree(root_); }, kRemoveRetryMs, kRemoveRetryPollMs);
}

bool LauncherFolder::InstallLauncher(std::u16string_view fileName) {
  const std::u16string source = LauncherProgramPath();
  launcherPath_ = path_ + std::u16string(fileName);
  return !source.empty() && CopyFileW(ToWide(source).c_str(), ToWide(launcherPath_).c_str(), TRUE);
}

bool LauncherFolder::WriteSettings(std::string_view bytes) {
  return WriteFileBytes(path_ + u"zixgame.ini", bytes);
}

bool LauncherFolder::AddCopyOf(const std::u16string& source, std::u16string_view relativePath) {
  const std::u16string target = path_ + std::u16string(relativePath);
  return !source.empty() && MakeFolders(FolderOf(target)) &&
         CopyFileW(ToWide(source).c_str(), ToWide(target).c_str(), TRUE);
}

bool LauncherFolder::AddFakeGame(std::u16string_view relativePath) {
  return AddCopyOf(FakeGameProgramPath(), relativePath);
}

bool LauncherFolder::AddPlantedLibrary(std::u16string_view relativePath) {
  return AddCopyOf(PlantedLibraryPath(), relativePath);
}

bool LauncherFolder::AddFile(std::u16string_view relativePath, std::string_view bytes) {
  const std::u16string target = path_ + std::u16string(relativePath);
  return MakeFolders(FolderOf(target)) && WriteFileBytes(target, bytes);
}

bool LauncherFolder::AddFolder(std::u16string_view relativePath) {
  return MakeFolders(path_ + std::u16string(relativePath) + u"\\");
}

}  // namespace zix::e2e
