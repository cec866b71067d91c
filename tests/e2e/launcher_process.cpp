#include "launcher_process.h"

#include <string>
#include <vector>

#include "game_record.h"
#include "text_convert.h"

namespace zix::e2e {
namespace {

constexpr DWORD kKillWaitMs = 5000;

bool IsRecordVariable(std::wstring_view entry) {
  const std::wstring_view name = kRecordVariable;
  if (entry.size() <= name.size() || entry[name.size()] != L'=') return false;
  return AsciiLower(FromWide(entry.substr(0, name.size()))) == AsciiLower(FromWide(name));
}

// This process's environment with ZIX_FAKEGAME_RECORD replaced, as CreateProcessW takes it.
std::vector<wchar_t> EnvironmentWithRecord(const std::u16string& recordPath) {
  std::vector<wchar_t> block;
  if (wchar_t* strings = GetEnvironmentStringsW()) {
    for (const wchar_t* entry = strings; *entry != L'\0';) {
      const std::wstring_view text(entry);
      if (!IsRecordVariable(text)) {
        block.insert(block.end(), text.begin(), text.end());
        block.push_back(L'\0');
      }
      entry += text.size() + 1;
    }
    (void)FreeEnvironmentStringsW(strings);  // the copy is taken; a failed free changes nothing
  }
  if (!recordPath.empty()) {
    const std::wstring entry = std::wstring(kRecordVariable) + L"=" + ToWide(recordPath);
    block.insert(block.end(), entry.begin(), entry.end());
    block.push_back(L'\0');
  }
  block.push_back(L'\0');
  if (block.size() == 1) block.push_back(L'\0');  // an empty block still needs two zeros
  return block;
}

}  // namespace

LauncherProcess::LauncherProcess(const std::u16string& program, const LaunchOptions& options) {
  std::wstring commandLine = L"\"" + ToWide(program) + L"\"";
  if (!options.arguments.empty()) commandLine += L" " + options.arguments;
  std::vector<wchar_t> environment = EnvironmentWithRecord(options.recordPath);
  const std::wstring workingFolder = ToWide(options.workingFolder);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (options.showCommand) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = *options.showCommand;
  }
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(ToWide(program).c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_UNICODE_ENVIRONMENT | options.creationFlags, environment.data(),
                      workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info)) {
    error_ = "CreateProcessW failed for " + ToUtf8(program) + " with error " +
             std::to_string(GetLastError());
    return;
  }
  UniqueKernelHandle thread(info.hThread);  // not needed: the process handle is enough
  process_.reset(info.hProcess);
  id_ = info.dwProcessId;
}

LauncherProcess::~LauncherProcess() { Kill(); }

bool LauncherProcess::Running() const {
  return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> LauncherProcess::WaitForExit(DWORD timeoutMs) const {
  if (!process_ || WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
  return code;
}

void LauncherProcess::Kill() {
  if (!Running()) return;
  // The exit code 0xDEAD marks a killed launcher; a test waiting for 0 or 1 then fails.
  (void)TerminateProcess(process_.get(), 0xDEAD);  // a process that ended meanwhile is fine too
  (void)WaitForSingleObject(process_.get(), kKillWaitMs);  // bounded; nothing more to do if it lingers
}

}  // namespace zix::e2e
