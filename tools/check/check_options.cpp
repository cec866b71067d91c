#include "check/check_options.h"

#include <limits>

#include "platform/numbers.h"
#include "platform/text_codec.h"

namespace zix::check {

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

// expected: a phrase that says what the option takes.
UsageError Bad(std::u16string_view option, std::u16string_view value, Phrase expected) {
  return UsageError{{expected, {std::u16string(option), std::u16string(value)}}};
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
      if (targetSeen) return UsageError{{Phrase::OneTargetOnly}};
      options.target = arg;
      targetSeen = options.targetGiven = true;
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
    if (arg == u"--autorun") {
      options.autorun = true;
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
    static constexpr std::u16string_view kValued[] = {u"--system",   u"--windows",
                                                      u"--decimal",  u"--client",
                                                      u"--codepage", u"--launcher-dir",
                                                      u"--svg",      u"--html",
                                                      u"--output",     u"--lang"};
    bool known = false;
    for (const auto valued : kValued) known = known || name == valued;
    if (!known) return UsageError{{Phrase::UnknownOption, {std::u16string(arg)}}};
    if (equals == std::u16string_view::npos) {
      if (i + 1 >= args.size()) return UsageError{{Phrase::NeedsValue, {std::u16string(name)}}};
      value = args[++i];
    }

    if (name == u"--system") {
      if (value == u"32") options.systems = SystemChoice::Only32;
      else if (value == u"64") options.systems = SystemChoice::Only64;
      else if (value == u"both") options.systems = SystemChoice::Both;
      else return Bad(name, value, Phrase::ExpectSystem);
    } else if (name == u"--windows") {
      const auto version = ParseVersion(value);
      if (!version) return Bad(name, value, Phrase::ExpectVersion);
      options.windows = *version;
    } else if (name == u"--decimal") {
      if (value.size() != 1) return Bad(name, value, Phrase::ExpectCharacter);
      options.decimalSeparator = value[0];
    } else if (name == u"--client") {
      const auto client = ParseClient(value);
      if (!client) return Bad(name, value, Phrase::ExpectSize);
      options.client = *client;
    } else if (name == u"--codepage") {
      const auto page = ParseDecimalDigits(value, 65535);
      if (!page || *page == 0) return Bad(name, value, Phrase::ExpectCodePage);
      options.codePage = *page;
    } else if (name == u"--launcher-dir") {
      if (value.empty()) return Bad(name, value, Phrase::ExpectFolder);
      options.launcherDir = value;
      // The launcher's own folder always ends with its separator.
      if (options.launcherDir.back() != u'\\') options.launcherDir += u'\\';
    } else if (name == u"--svg") {
      if (value.empty()) return Bad(name, value, Phrase::ExpectFile);
      options.svgPath = std::u16string(value);
    } else if (name == u"--html") {
      if (value.empty()) return Bad(name, value, Phrase::ExpectFile);
      options.htmlPath = std::u16string(value);
    } else if (name == u"--output") {
      if (value.empty()) return Bad(name, value, Phrase::ExpectFileOrDash);
      options.output = std::u16string(value);
    } else if (name == u"--lang") {
      const auto language = LanguageNamed(value);
      if (!language) return Bad(name, value, Phrase::ExpectLanguage);
      options.language = *language;
      options.languageGiven = true;
    }
  }
  if (options.output && !options.init) return UsageError{{Phrase::OutputNeedsInit}};
  if (options.autorun && !options.init) return UsageError{{Phrase::AutorunNeedsInit}};
  if (options.autorun && options.output == u"-")
    return UsageError{{Phrase::AutorunNotOnStandardOutput}};
  return options;
}

}  // namespace zix::check
