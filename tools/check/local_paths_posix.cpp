#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <memory>
#include <string>

#include "check/local_paths.h"
#include "platform/text_codec.h"

namespace zix::check {

namespace {

struct DirCloser {
  // Nothing is lost when closing a listing that was only read fails.
  void operator()(DIR* dir) const { closedir(dir); }
};

bool Exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

// The entry of folder whose name equals component, ASCII letters compared without case.
std::optional<std::string> FindEntry(const std::string& folder, const std::string& component) {
  const std::string exact = folder + "/" + component;
  if (Exists(exact)) return exact;
  const std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
  if (!dir) return std::nullopt;
  while (const dirent* entry = readdir(dir.get())) {
    if (strcasecmp(entry->d_name, component.c_str()) == 0) return folder + "/" + entry->d_name;
  }
  return std::nullopt;
}

}  // namespace

bool ExistsInCheckedFolder(std::u16string_view path, std::u16string_view launcherDir,
                           std::u16string_view checkedFolder, EntryKind kind) {
  const auto name = NameUnderLauncher(path, launcherDir);
  if (!name) return false;
  const std::string folder = ToUtf8(checkedFolder);
  const auto mapped = PosixPathFor(*name, "");
  if (!mapped) return false;

  // Walk the name a component at a time so that each can be matched without case.
  std::string current = folder.empty() ? "." : folder;
  size_t start = 0;
  while (start <= mapped->size()) {
    size_t end = mapped->find('/', start);
    if (end == std::string::npos) end = mapped->size();
    const std::string component = mapped->substr(start, end - start);
    start = end + 1;
    if (component.empty() || component == ".") continue;
    if (component == "..") {
      current += "/..";
      continue;
    }
    const auto found = FindEntry(current, component);
    if (!found) return false;
    current = *found;
  }

  struct stat info;
  if (stat(current.c_str(), &info) != 0) return false;
  return kind == EntryKind::Folder ? S_ISDIR(info.st_mode) : !S_ISDIR(info.st_mode);
}

std::optional<std::u16string> FileInCheckedFolder(std::u16string_view name,
                                                  std::u16string_view checkedFolder) {
  const std::string folder = checkedFolder.empty() ? std::string(".") : ToUtf8(checkedFolder);
  const auto found = FindEntry(folder, ToUtf8(name));
  struct stat info;
  if (!found || stat(found->c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return std::nullopt;
  return FromUtf8(*found);
}

}  // namespace zix::check
