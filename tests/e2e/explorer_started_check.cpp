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

}  // namespace

ExplorerStartedCheck::ExplorerStartedCheck(const std::u16string& program,
                                           const std::vector<std::u16string>& args,
                                           const std::u16string& workingFolder,
                                           std::u16string scratchFolder)
    : scratch_(std::move(scratchFolder)) {
  std::wstring commandLine = CommandLineOf(program, args);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(ToWide(program).c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_NEW_CONSOLE, nullptr, ToWide(workingFolder).c_str(), &startup, &info)) {
    failure_ = "CreateProcessW failed with error " + std::to_string(GetLastError());
    return;
  }
  process_.reset(info.hProcess);
  UniqueKernelHandle thread(info.hThread);  // not needed: the process handle is enough
  id_ = info.dwProcessId;
  Sleep(kConsoleSettleMs);
}

ExplorerStartedCheck::~ExplorerStartedCheck() {
  if (!Running()) return;
  (void)TerminateProcess(process_.get(), 0xDEAD);  // one that ended meanwhile is fine too
  (void)WaitForSingleObject(process_.get(), kExitMs);  // bounded; a hang was reported already
}

std::optional<std::u16string> ExplorerStartedCheck::Screen() const {
  const auto bytes = Peek(scratch_, {FromWide(std::to_wstring(id_)), u"screen"});
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
  return Peek(scratch_, {FromWide(std::to_wstring(id_)), u"key", FromWide(std::to_wstring(key))})
      .has_value();
}

bool ExplorerStartedCheck::Running() const {
  return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ExplorerStartedCheck::WaitForExit(DWORD timeoutMs) const {
  if (!process_ || WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
  return code;
}

}  // namespace zix::e2e
