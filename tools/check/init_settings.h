#pragma once
// The text of a new zixgame.ini: UTF-8 with its mark and CR LF line ends, as Notepad on a
// Chinese Windows saves it and as the launcher reads it everywhere.

#include <span>
#include <string>
#include <string_view>

#include "check/game_choice.h"
#include "check/init_layout.h"

namespace zix::check {

// Whether a path found here names the same file for the launcher on Windows: Windows names
// hold none of < > : " / | ? * and no control character; the reader trims U+0000 to U+0020 at
// both ends of a value; and UTF-8 holds no unpaired surrogate.
bool UsableAsLauncherPath(std::u16string_view text);

// The caption of a game folder: the name as it is shown, line ends made blanks.
std::u16string EntryCaption(std::u16string_view folderName);

std::string ComposeInitSettings(std::span<const GameEntry> entries);

}  // namespace zix::check
