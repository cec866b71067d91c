#pragma once
// The language zixgame-check speaks: Simplified Chinese for Chinese users, English for all
// others. Chosen from plain inputs, so that the choice is testable without the system.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zix::check {

enum class Language { English, Chinese };

// "zh" or "en", as --lang takes it.
std::optional<Language> LanguageNamed(std::u16string_view name);

// The language of a POSIX locale name such as "zh_CN.UTF-8", or of the first name in a
// LANGUAGE list such as "zh_CN:en"; none for an empty name.
std::optional<Language> LanguageOfLocaleName(std::string_view name);

// From LANGUAGE, LC_ALL, LC_MESSAGES and LANG, in that order: the first that is set and not
// empty decides. lookup answers as getenv does.
Language LanguageFromEnvironment(const std::function<const char*(const char*)>& lookup);

// From a Windows language identifier, such as GetUserDefaultUILanguage gives: any Chinese.
Language LanguageOfWindowsLanguageId(uint16_t languageId);

// The user's language as this system tells it.
Language UserLanguage();

// --lang as given on the command line, when it names a language, even where the command line
// holds mistakes, so that they can be told in the language asked for.
std::optional<Language> RequestedLanguage(std::span<const std::u16string> args);

}  // namespace zix::check
