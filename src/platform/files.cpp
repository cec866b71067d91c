#include "platform/files.h"

namespace zix {
namespace {

std::u16string_view WithoutTrailingControlsAndDots(std::u16string_view text) {
  while (!text.empty() && (text.back() <= u' ' || text.back() == u'.')) text.remove_suffix(1);
  return text;
}

std::u16string FileMessage(std::u16string_view verb, std::u16string_view fullPath,
                           std::u16string_view systemText) {
  std::u16string message = u"Cannot ";
  message += verb;
  message += u" file \"";
  message += fullPath;
  message += u"\". ";
  message += WithoutTrailingControlsAndDots(systemText);
  return message;
}

}  // namespace

std::u16string FolderPart(std::u16string_view path) {
  const size_t last = path.find_last_of(u"\\:");
  if (last == std::u16string_view::npos) return {};
  return std::u16string(path.substr(0, last + 1));
}

std::u16string LauncherRelativePath(std::u16string_view launcherFolder, std::u16string_view name) {
  std::u16string path(launcherFolder);
  path += name;
  return path;
}

std::u16string WholeNameFrom(const std::function<NameInRoom(unsigned room)>& read) {
  constexpr unsigned kFirstRoom = 261;
  constexpr unsigned kLongestPath = 32768;  // 32767 characters and the terminator
  for (unsigned room = kFirstRoom;; room = room * 2 < kLongestPath ? room * 2 : kLongestPath) {
    NameInRoom answer = read(room);
    if (!answer.cut) return std::move(answer.name);
    if (room == kLongestPath) return {};
  }
}

bool DecideFileExists(ExistenceQueries& queries) {
  const AttributesAnswer answer = queries.Attributes();
  if (!answer.attributes) {
    if (answer.error == kErrorFileNotFound || answer.error == kErrorPathNotFound ||
        answer.error == kErrorInvalidName) {
      return false;
    }
    // Attributes of a locked file may be refused while its directory entry is still listed.
    const std::optional<uint32_t> found = queries.SearchedAttributes();
    return found && (*found & kAttributeDirectory) == 0;
  }
  const uint32_t attributes = *answer.attributes;
  if ((attributes & kAttributeReparsePoint) == 0) return (attributes & kAttributeDirectory) == 0;
  if ((attributes & kAttributeDirectory) != 0) return false;
  // The link's own attributes say nothing of its target: only opening it follows the link.
  const OpenAnswer open = queries.OpenForReading();
  return open.opened || open.error == kErrorSharingViolation;
}

std::u16string CannotOpenFileMessage(std::u16string_view fullPath, std::u16string_view systemText) {
  return FileMessage(u"open", fullPath, systemText);
}

std::u16string CannotReadFileMessage(std::u16string_view fullPath, std::u16string_view systemText) {
  return FileMessage(u"read", fullPath, systemText);
}

}  // namespace zix
