#include "check/check_options.h"

#include <limits>

#include "platform/numbers.h"
#include "platform/text_codec.h"

namespace zix::check {

const char kCheckUsage[] =
    "usage: zixgame-check [options] [FOLDER|FILE]\n"
    "       zixgame-check --init [--output FILE|-] [options] [FOLDER]\n"
    "Shows what zixgame.exe will make of a settings file: window, grid, buttons, what each\n"
    "press does, and warnings about likely mistakes. FOLDER holds zixgame.ini (default: the\n"
    "current folder); its folder stands for the launcher folder when files are looked for.\n"
    "\n"
    "  --system 32|64|both   the Windows to imagine (default both, side by side)\n"
    "  --windows MAJOR.MINOR the Windows version it reports (default 6.2, as Windows 8 to 11\n"
    "                        report it to the launcher)\n"
    "  --decimal C           the user's decimal separator (default .)\n"
    "  --client WxH          the client size (default: the outer size less 16 x 38)\n"
    "  --codepage N          the ANSI code page for files without a mark (default 936)\n"
    "  --launcher-dir DIR    the Windows folder shown in paths (default C:\\Games\\)\n"
    "  --json                one JSON object on standard output instead of the text report\n"
    "  --svg FILE            also draw the window as an SVG picture\n"
    "  --html FILE           also write the window as a web page: tooltips, presses, warnings\n"
    "  --init                write FOLDER\\zixgame.ini for the games in FOLDER's folders, then\n"
    "                        check it; an existing zixgame.ini is never replaced\n"
    "  --output FILE|-       where --init writes instead (- for standard output)\n"
    "  --version             the version of zixgame-check\n"
    "\n"
    "Exit status: 0 without warnings, 1 with warnings, 2 for a usage or read error.\n";

const char kCheckVersion[] = "zixgame-check " ZIX_CHECK_VERSION "\n";

namespace {

std::optional<VersionPair> ParseVersion(std::u16string_view text) {
  const size_t dot = text.find(u'.');
  const auto major = ParseDecimalDigits(text.substr(0, dot), std::numeric_limits<uint32_t>::max());
  if (!major) return std::nullopt;
  if (dot == std::u16string_view::npos) return VersionPair{*major, 0};
  const auto minor = ParseDecimalDigits(text.substr(dot + 1), std::numeric_limits<uint32_t>::max());
  if (!minor) return std::nullopt;
  return VersionPair{*major, *minor};
}

std::optional<ClientSize> ParseClient(std::u16string_view text) {
  const size_t x = text.find_first_of(u"xX");
  if (x == std::u16string_view::npos) return std::nullopt;
  constexpr uint32_t kMax = std::numeric_limits<int32_t>::max();
  const auto width = ParseDecimalDigits(text.substr(0, x), kMax);
  const auto height = ParseDecimalDigits(text.substr(x + 1), kMax);
  if (!width || !height) return std::nullopt;
  return ClientSize{static_cast<int32_t>(*width), static_cast<int32_t>(*height)};
}

UsageError Bad(std::string_view option, std::u16string_view value, std::string_view expected) {
  return UsageError{std::string(option) + ": \"" + ToUtf8(value) + "\" is not " +
                    std::string(expected)};
}

}  // namespace

std::variant<CheckOptions, UsageError> ParseCheckOptions(std::span<const std::u16string> args) {
  CheckOptions options;
  bool targetSeen = false;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    std::u16string_view arg = args[i];
    const bool isOption = !optionsEnded && arg.size() > 1 && arg[0] == u'-';
    if (!isOption) {
      if (targetSeen) return UsageError{"only one FOLDER or FILE may be given"};
      options.target = arg;
      targetSeen = true;
      continue;
    }
    if (arg == u"--") {
      optionsEnded = true;
      continue;
    }
    if (arg == u"-h" || arg == u"--help") {
      options.help = true;
      continue;
    }
    if (arg == u"--version") {
      options.showVersion = true;
      continue;
    }
    if (arg == u"--init") {
      options.init = true;
      continue;
    }
    if (arg == u"--json") {
      options.json = true;
      continue;
    }

    // Options with a value, written "--name value" or "--name=value".
    std::u16string_view name = arg;
    std::u16string_view value;
    const size_t equals = arg.find(u'=');
    if (equals != std::u16string_view::npos) {
      name = arg.substr(0, equals);
      value = arg.substr(equals + 1);
    }
    const std::string optionName = ToUtf8(name);
    static constexpr std::u16string_view kValued[] = {u"--system",   u"--windows",
                                                      u"--decimal",  u"--client",
                                                      u"--codepage", u"--launcher-dir",
                                                      u"--svg",      u"--html",
                                                      u"--output"};
    bool known = false;
    for (const auto valued : kValued) known = known || name == valued;
    if (!known) return UsageError{"unknown option " + ToUtf8(arg)};
    if (equals == std::u16string_view::npos) {
      if (i + 1 >= args.size()) return UsageError{optionName + " needs a value"};
      value = args[++i];
    }

    if (name == u"--system") {
      if (value == u"32") options.systems = SystemChoice::Only32;
      else if (value == u"64") options.systems = SystemChoice::Only64;
      else if (value == u"both") options.systems = SystemChoice::Both;
      else return Bad(optionName, value, "32, 64 or both");
    } else if (name == u"--windows") {
      const auto version = ParseVersion(value);
      if (!version) return Bad(optionName, value, "a version such as 6.1 or 10.0");
      options.windows = *version;
    } else if (name == u"--decimal") {
      if (value.size() != 1) return Bad(optionName, value, "one character");
      options.decimalSeparator = value[0];
    } else if (name == u"--client") {
      const auto client = ParseClient(value);
      if (!client) return Bad(optionName, value, "a size such as 444x252");
      options.client = *client;
    } else if (name == u"--codepage") {
      const auto page = ParseDecimalDigits(value, 65535);
      if (!page || *page == 0) return Bad(optionName, value, "a code page number such as 936");
      options.codePage = *page;
    } else if (name == u"--launcher-dir") {
      if (value.empty()) return Bad(optionName, value, "a folder such as C:\\Games\\");
      options.launcherDir = value;
      // The launcher's own folder always ends with its separator.
      if (options.launcherDir.back() != u'\\') options.launcherDir += u'\\';
    } else if (name == u"--svg") {
      if (value.empty()) return Bad(optionName, value, "a file name");
      options.svgPath = std::u16string(value);
    } else if (name == u"--html") {
      if (value.empty()) return Bad(optionName, value, "a file name");
      options.htmlPath = std::u16string(value);
    } else if (name == u"--output") {
      if (value.empty()) return Bad(optionName, value, "a file name or -");
      options.output = std::u16string(value);
    }
  }
  if (options.output && !options.init) return UsageError{"--output belongs to --init"};
  return options;
}

}  // namespace zix::check
