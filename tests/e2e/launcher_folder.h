#pragma once
// A fresh launcher folder per test under the temporary folder: the launcher copied in, a
// settings file written as bytes, fake games under the names a test wants. The game record
// lives beside the launcher folder, never in it. The whole tree goes when the object does.

#include <string>
#include <string_view>

namespace zix::e2e {

class LauncherFolder {
 public:
  // <temp>\zixe2e-<process id>-<n>\<folderName>\, n the first number not yet taken.
  explicit LauncherFolder(std::u16string_view folderName = u"launcher");
  ~LauncherFolder();
  LauncherFolder(const LauncherFolder&) = delete;
  LauncherFolder& operator=(const LauncherFolder&) = delete;

  bool ok() const { return ok_; }
  const std::u16string& Root() const { return root_; }  // ends with "\"
  const std::u16string& Path() const { return path_; }  // the launcher folder, ends with "\"
  const std::u16string& LauncherPath() const { return launcherPath_; }
  std::u16string RecordPath() const { return root_ + u"record.txt"; }

  // Copies the launcher under test into the folder under the given file name.
  bool InstallLauncher(std::u16string_view fileName = u"zixgame.exe");
  bool WriteSettings(std::string_view bytes);
  // Paths are relative to the launcher folder and may climb out of it with "..\".
  bool AddFakeGame(std::u16string_view relativePath);
  bool AddPlantedLibrary(std::u16string_view relativePath);
  bool AddFile(std::u16string_view relativePath, std::string_view bytes);
  bool AddFolder(std::u16string_view relativePath);

 private:
  bool AddCopyOf(const std::u16string& source, std::u16string_view relativePath);

  std::u16string root_;
  std::u16string path_;
  std::u16string launcherPath_;
  bool ok_ = false;
};

}  // namespace zix::e2e
