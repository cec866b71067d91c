#pragma once
// The one place where --init touches the file system: the folders of a collection, the
// programs in each (a few levels deep) and the first bytes of each program. Portable through
// std::filesystem, which speaks each system's own names.

#include <string>
#include <string_view>
#include <vector>

#include "check/game_choice.h"
#include "check/phrase.h"

namespace zix::check {

// Why the collection could not be read, in one line for the user: the path and what is wrong.
struct CollectionReadError {
  std::u16string path;
  Said why;
};

// How many folder levels below a game's own folder are searched for its programs.
inline constexpr int kProgramSearchDepth = 3;

// Every folder directly inside the collection with its sound programs; helpers are left out
// unread, and so are programs whose path the launcher could not use on Windows. Throws
// CollectionReadError for a collection or program that cannot be read and for a program whose
// header is cut short or lies.
std::vector<GameFolder> WalkGameFolders(std::u16string_view collection);

}  // namespace zix::check
