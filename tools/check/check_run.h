#pragma once
// One run of the checker on options already read: load or write the settings, build the
// report, write its files and show it. Shared by a run from a terminal and one from Explorer.

#include <initializer_list>
#include <string_view>

#include "check/check_options.h"
#include "check/phrase.h"

namespace zix::check {

inline constexpr int kExitClean = 0;
inline constexpr int kExitWarnings = 1;
inline constexpr int kExitUsageOrRead = 2;

// One line on standard error; kExitUsageOrRead.
int Fail(Language language, std::u16string_view message);
int Fail(Language language, Phrase phrase, std::initializer_list<std::u16string_view> values = {});

// --help and --version, else the check itself.
int RunCheck(const CheckOptions& options);

}  // namespace zix::check
