#include "explorer_started_check.h"

#include "check_program.h"
#include "e2e_paths.h"
#include "e2e_timing.h"
#include "text_convert.h"

namespace zix::e2e {

namespace {

constexpr DWORD kPeekMs = 10000;
// Under Wine, a look into a new console before its program has set itself up there breaks the
// program's hold on it (its reads of keys fail); a started program is set up well within this.
constexpr DWORD kConsoleSettleMs = 2000;

std::optional<std::string> Peek(const std::u16string& scratch, const std::vector<std::u16string>& args) {
  // Without a console of its own, so that it may attach to the checker's.
  const CheckRun run = RunConsoleProgram(SuiteFolder() + u"console_peek.exe", args, scratch, kPeekMs,
                                         DETACHED_PROCESS);
  if (!run.failure.empty() || run.exitCode != 0u) return std::nullopt;
  return run.output;
}

LaunchOptions ConsoleOfItsOwn(const std::vector<std::u16string>& args, const std::u16string& workingFolder) {
  LaunchOptions options;
  options.workingFolder = workingFolder;
  for (const std::u16string& arg : args)
    options.arguments += (options.arguments.empty() ? L"" : L" ") + QuoteArgument(ToWide(arg));
  options.creationFlags = CREATE_NEW_CONSOLE;
  return options;
}

}  // namespace

ExplorerStartedCheck::ExplorerStartedCheck(const std::u16string& program,
                                           const std::vector<std::u16string>& args,
                                           const std::u16string& workingFolder,
                                           std::u16string scratchFolder)
    : process_(program, ConsoleOfItsOwn(args, workingFolder)), scratch_(std::move(scratchFolder)) {
  if (process_.ok()) Sleep(kConsoleSettleMs);
}

std::optional<std::u16string> ExplorerStartedCheck::Screen() const {
  const auto bytes = Peek(scratch_, {FromWide(std::to_wstring(process_.Id())), u"screen"});
  if (!bytes) return std::nullopt;
  return FromUtf8(*bytes);
}

std::u16string ExplorerStartedCheck::WaitForText(std::u16string_view text, DWORD timeoutMs) const {
  std::u16string last;
  WaitUntil([&] {
    last = Screen().value_or(u"");
    return last.find(text) != std::u16string::npos;
  }, timeoutMs, 100);
  return last;
}

bool ExplorerStartedCheck::Type(char16_t key) const {
  return Peek(scratch_, {FromWide(std::to_wstring(process_.Id())), u"key", FromWide(std::to_wstring(key))})
      .has_value();
}

}  // namespace zix::e2e
