#include "folder_snapshot.h"

#include <windows.h>

#include "file_bytes.h"
#include "platform/unique_handle_win32.h"
#include "text_convert.h"

namespace zix::e2e {
namespace {

void AddTree(const std::u16string& root, const std::u16string& relative, FolderSnapshot& snapshot) {
  const std::wstring pattern = ToWide(root + relative + u"*");
  WIN32_FIND_DATAW entry{};
  UniqueFindHandle search(FindFirstFileW(pattern.c_str(), &entry));
  if (!search) return;
  do {
    const std::u16string name = FromWide(entry.cFileName);
    if (name == u"." || name == u"..") continue;
    const std::u16string path = relative + name;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      snapshot[path] = std::nullopt;
      AddTree(root, path + u"\\", snapshot);
    } else {
      snapshot[path] = ReadFileBytes(root + path).value_or("<unreadable>");
    }
  } while (FindNextFileW(search.get(), &entry));
}

std::string Describe(const std::optional<std::string>& entry) {
  if (!entry) return "folder";
  return "file of " + std::to_string(entry->size()) + " bytes";
}

}  // namespace

FolderSnapshot TakeSnapshot(std::u16string_view folder) {
  FolderSnapshot snapshot;
  AddTree(std::u16string(folder), u"", snapshot);
  return snapshot;
}

std::string DescribeChanges(const FolderSnapshot& before, const FolderSnapshot& after) {
  std::string changes;
  for (const auto& [path, entry] : before) {
    const auto found = after.find(path);
    if (found == after.end()) {
      changes += "removed " + ToUtf8(path) + "\n";
    } else if (found->second != entry) {
      changes += "changed " + ToUtf8(path) + ": " + Describe(entry) + " became " +
                 Describe(found->second) + "\n";
    }
  }
  for (const auto& [path, entry] : after) {
    if (!before.contains(path)) changes += "added " + ToUtf8(path) + " (" + Describe(entry) + ")\n";
  }
  return changes;
}

}  // namespace zix::e2e
