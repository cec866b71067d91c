// zixgame-check: what zixgame.exe will make of a settings file, shown on any system.
#include <exception>
#include <string>
#include <variant>
#include <vector>

#include "check/check_options.h"
#include "check/check_run.h"
#include "check/console_output.h"
#include "check/explorer_console.h"
#include "check/explorer_run.h"
#include "check/language.h"
#include "check/phrase.h"
#include "check/start_mode.h"
#include "platform/exception.h"
#include "platform/text_codec.h"

#ifdef _WIN32
#include "platform/dll_search_win32.h"
#endif

namespace {

using namespace zix;
using namespace zix::check;

int RunInTerminal(const std::vector<std::u16string>& args) {
  auto parsed = ParseCheckOptions(args);
  if (const auto* usage = std::get_if<UsageError>(&parsed)) {
    const Language language = RequestedLanguage(args).value_or(UserLanguage());
    return Fail(language, Say(language, usage->message) + u"\n" + Say(language, Phrase::Usage));
  }
  CheckOptions& options = std::get<CheckOptions>(parsed);
  if (!options.languageGiven) options.language = UserLanguage();
  return RunCheck(options);
}

int Guarded(const std::vector<std::u16string>& args) {
  try {
    if (DecideStartMode(QueryConsoleFacts()) == StartMode::Explorer) return RunFromExplorer(args);
    return RunInTerminal(args);
  } catch (const Exception& e) {
    return Fail(UserLanguage(), FromUtf8(e.ClassName()) + u": " + e.Message());
  } catch (const std::exception& e) {
    return Fail(UserLanguage(), FromUtf8(e.what()));
  }
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  // The checker is run from the same folders as the launcher, and the same planted DLLs lie
  // in wait there; where the system cannot restrict the search it runs on as before.
  static_cast<void>(RestrictDllSearch());
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i], argv[i] + std::wcslen(argv[i]));
  return Guarded(args);
}
#else
int main(int argc, char** argv) {
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.push_back(FromUtf8(argv[i]));
  return Guarded(args);
}
#endif
