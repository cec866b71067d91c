#pragma once
// The command line of zixgame-check: which settings to load and the machine to imagine them on.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "check/language.h"
#include "check/phrase.h"
#include "platform/systems.h"

namespace zix::check {

enum class SystemChoice { Both, Only32, Only64 };

struct ClientSize {
  int32_t width = 0;
  int32_t height = 0;
};

struct CheckOptions {
  SystemChoice systems = SystemChoice::Both;
  // Windows 8 and every later release report 6.2 to a program whose manifest names no newer
  // system, and the launcher's names none.
  VersionPair windows{6, 2};
  char16_t decimalSeparator = u'.';
  std::optional<ClientSize> client;  // absent: the outer size less the frame of a fixed window
  unsigned codePage = 936;
  std::u16string launcherDir = u"C:\\Games\\";  // always ends with a backslash
  bool json = false;
  std::optional<std::u16string> svgPath;
  std::optional<std::u16string> htmlPath;
  bool init = false;                     // write a new settings file for the target folder
  std::optional<std::u16string> output;  // where --init writes; "-" is standard output
  bool autorun = false;                  // --init also writes autorun.inf beside the new file
  std::u16string target = u".";  // a folder holding zixgame.ini, or the settings file itself
  bool targetGiven = false;      // Explorer names the dropped file or folder, else nothing
  bool help = false;
  bool showVersion = false;  // --version: the tool's own version
  Language language = Language::English;  // --lang, else the user's, as the caller sets it
  bool languageGiven = false;             // --lang was given
};

struct UsageError {
  Said message;
};

// args without the program name.
std::variant<CheckOptions, UsageError> ParseCheckOptions(std::span<const std::u16string> args);

// What a fixed single-border window on Windows 10 at 96 DPI takes from its outer size: 8
// pixels at the left, right and bottom borders, 30 for the caption bar with the top border.
inline constexpr ClientSize kDefaultFrame{16, 38};

extern const char kCheckVersion[];

}  // namespace zix::check
