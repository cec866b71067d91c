#include "check/explorer_run.h"

#include <filesystem>
#include <system_error>

#include "check/check_run.h"
#include "check/console_output.h"
#include "check/explorer_console.h"
#include "check/local_paths.h"
#include "check/native_path.h"
#include "platform/numbers.h"
#include "settings/launcher_keys.h"

namespace zix::check {

namespace {

// The page goes to the user's temporary folder: nothing is written into the collection that
// the user did not ask for.
constexpr std::u16string_view kPageName = u"zixgame-check.html";

void Show(std::u16string_view text) {
  // A console that cannot be written to leaves nothing better to do.
  (void)WriteStandardOutput(text);
}

bool IsFolderWithoutSettings(const std::u16string& target) {
  std::error_code error;
  return std::filesystem::is_directory(NativePath(target), error) &&
         !FileInCheckedFolder(keys::kSettingsFileName, target);
}

// True for yes; the key pressed is echoed, as a typed answer would be.
bool AskToWriteSettings(const std::u16string& folder, Language language) {
  ForgetPressedKeys();
  Show(Say(language, Phrase::AskWriteSettings, {folder}));
  const std::optional<char16_t> key = WaitForKey();
  const bool yes = key == u'y' || key == u'Y';
  Show((key && *key >= u' ' ? std::u16string(1, *key) : std::u16string()) + u"\n");
  return yes;
}

int CheckAndOpenPage(CheckOptions options) {
  // Without a temporary folder the page is left out: the working folder may be the collection.
  const std::optional<std::u16string> temporary = TemporaryFolder();
  if (!options.htmlPath && temporary) options.htmlPath = *temporary + std::u16string(kPageName);
  const int status = RunCheck(options);
  if (status == kExitUsageOrRead || !options.htmlPath) return status;
  const Language language = options.language;
  if (const auto error = OpenWithShell(*options.htmlPath)) {
    // The report is there all the same; only the page stays closed.
    Fail(language, Phrase::BrowserFailed, {*options.htmlPath, DecimalText(int64_t{*error})});
  } else {
    Show(Say(language, Phrase::PageOpened, {*options.htmlPath}) + u"\n");
  }
  return status;
}

int Interact(std::span<const std::u16string> args, Language& language) {
  auto parsed = ParseCheckOptions(args);
  if (const auto* usage = std::get_if<UsageError>(&parsed))
    return Fail(language, Say(language, usage->message));
  CheckOptions& options = std::get<CheckOptions>(parsed);
  if (options.languageGiven) language = options.language;
  options.language = language;
  // A double-click names no folder: the one meant is the folder beside the program.
  if (!options.targetGiven) options.target = ProgramFolder();
  if (options.help || options.showVersion || options.json || options.init) return RunCheck(options);
  if (IsFolderWithoutSettings(options.target)) {
    if (!AskToWriteSettings(options.target, language)) {
      Show(Say(language, Phrase::NothingWrittenAnswer) + u"\n");
      return kExitUsageOrRead;
    }
    options.init = true;
  }
  return CheckAndOpenPage(options);
}

}  // namespace

int RunFromExplorer(std::span<const std::u16string> args) {
  Language language = RequestedLanguage(args).value_or(UserLanguage());
  const int status = Interact(args, language);
  Show(u"\n" + Say(language, Phrase::PressAnyKey));
  ForgetPressedKeys();
  // Whatever the key, the window may close now; a console without input closes at once.
  (void)WaitForKey();
  Show(u"\n");
  return status;
}

}  // namespace zix::check
