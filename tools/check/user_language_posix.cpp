#include <cstdlib>

#include "check/language.h"

namespace zix::check {

Language UserLanguage() { return LanguageFromEnvironment(std::getenv); }

}  // namespace zix::check
