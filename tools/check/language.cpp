#include "check/language.h"

namespace zix::check {

std::optional<Language> LanguageNamed(std::u16string_view name) {
  if (name == u"zh") return Language::Chinese;
  if (name == u"en") return Language::English;
  return std::nullopt;
}

std::optional<Language> LanguageOfLocaleName(std::string_view name) {
  name = name.substr(0, name.find(':'));
  if (name.empty()) return std::nullopt;
  const bool chinese = name.size() >= 2 && (name[0] == 'z' || name[0] == 'Z') &&
                       (name[1] == 'h' || name[1] == 'H') &&
                       (name.size() == 2 || name[2] == '_' || name[2] == '-' || name[2] == '.' ||
                        name[2] == '@');
  return chinese ? Language::Chinese : Language::English;
}

Language LanguageFromEnvironment(const std::function<const char*(const char*)>& lookup) {
  for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = lookup(variable);
    if (!value) continue;
    if (const auto language = LanguageOfLocaleName(value)) return *language;
  }
  return Language::English;
}

Language LanguageOfWindowsLanguageId(uint16_t languageId) {
  constexpr uint16_t kPrimaryChinese = 0x04;  // LANG_CHINESE, whatever the script or region
  return (languageId & 0x3FF) == kPrimaryChinese ? Language::Chinese : Language::English;
}

std::optional<Language> RequestedLanguage(std::span<const std::u16string> args) {
  std::optional<Language> requested;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::u16string_view arg = args[i];
    if (arg == u"--") break;
    if (arg == u"--lang" && i + 1 < args.size()) {
      if (const auto named = LanguageNamed(args[i + 1])) requested = named;
      ++i;
    } else if (arg.starts_with(u"--lang=")) {
      if (const auto named = LanguageNamed(arg.substr(7))) requested = named;
    }
  }
  return requested;
}

}  // namespace zix::check
