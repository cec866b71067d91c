#pragma once
// Finding and loading the settings file the way the launcher does, with the ANSI code page of
// the machine that will run it rather than the one the tool runs on.

#include <memory>
#include <string>
#include <string_view>

#include "check/phrase.h"
#include "platform/format_settings.h"
#include "settings/ini_file.h"

namespace zix::check {

struct LoadedSettings {
  std::u16string filePath;      // as the file system here names it
  std::u16string folder;        // the folder that stands for the launcher folder
  std::string bytes;            // the file exactly as read
  IniEncoding encoding = IniEncoding::Ansi;
  bool decodeFailed = false;
  std::unique_ptr<TMemIniFile> ini;
};

// Why the settings could not be loaded, in words for the user.
struct SettingsReadError {
  Said message;
};

// Settings from bytes already read; files without a mark are decoded in codePage.
LoadedSettings SettingsFromBytes(std::u16string filePath, std::u16string folder, std::string bytes,
                                 unsigned codePage, const FormatSettings& format);

// target: a folder holding zixgame.ini, or the file itself. Throws SettingsReadError.
LoadedSettings LoadSettings(std::u16string_view target, unsigned codePage,
                            const FormatSettings& format);

// Whether this system can decode the code page at all.
bool CodePageAvailable(unsigned codePage);

}  // namespace zix::check
