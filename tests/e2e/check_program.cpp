#include "check_program.h"

#include "e2e_paths.h"
#include "file_bytes.h"
#include "platform/unique_handle_win32.h"
#include "text_convert.h"

namespace zix::e2e {
namespace {

constexpr DWORD kKillWaitMs = 5000;

// Inheritable, so that the child writes straight into it.
UniqueFileHandle CreateOutputFile(const std::u16string& path) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return UniqueFileHandle(CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

std::wstring QuoteArgument(std::wstring_view argument) {
  // Backslashes are literal except before a quote, where each pair stands for one: so those
  // before a quote of the text, and those before the closing quote, are doubled.
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    quoted += c;
    backslashes = 0;
  }
  quoted.append(backslashes * 2, L'\\');
  quoted += L'"';
  return quoted;
}

CheckRun RunCheckProgram(const std::vector<std::u16string>& args, const std::u16string& scratchFolder,
                         DWORD timeoutMs) {
  const std::u16string program = CheckProgramPath();
  if (program.empty()) {
    CheckRun run;
    run.failure = "no zixgame-check.exe beside e2e_tests.exe, and ZIX_CHECK_EXE names none";
    return run;
  }
  return RunConsoleProgram(program, args, scratchFolder, timeoutMs, CREATE_NO_WINDOW);
}

CheckRun RunConsoleProgram(const std::u16string& program, const std::vector<std::u16string>& args,
                           const std::u16string& scratchFolder, DWORD timeoutMs, DWORD creationFlags) {
  CheckRun run;
  const std::u16string outputPath = scratchFolder + u"check-output.txt";
  const std::u16string errorsPath = scratchFolder + u"check-errors.txt";
  {
    UniqueFileHandle output = CreateOutputFile(outputPath);
    UniqueFileHandle errors = CreateOutputFile(errorsPath);
    if (!output || !errors) {
      run.failure = "cannot create the output files in " + ToUtf8(scratchFolder);
      return run;
    }
    std::wstring commandLine = QuoteArgument(ToWide(program));
    for (const std::u16string& arg : args) commandLine += L" " + QuoteArgument(ToWide(arg));

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output.get();
    startup.hStdError = errors.get();
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(ToWide(program).c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                        creationFlags, nullptr, ToWide(scratchFolder).c_str(), &startup, &info)) {
      run.failure = "CreateProcessW failed for " + ToUtf8(program) + " with error " +
                    std::to_string(GetLastError());
      return run;
    }
    UniqueKernelHandle process(info.hProcess);
    UniqueKernelHandle thread(info.hThread);  // not needed: the process handle is enough
    if (WaitForSingleObject(process.get(), timeoutMs) == WAIT_OBJECT_0) {
      DWORD code = 0;
      if (GetExitCodeProcess(process.get(), &code)) run.exitCode = code;
    } else {
      (void)TerminateProcess(process.get(), 0xDEAD);  // one that ended meanwhile is fine too
      (void)WaitForSingleObject(process.get(), kKillWaitMs);  // bounded; the caller reports the hang
    }
  }  // our copies of the output handles close here, before the files are read
  run.output = ReadFileBytes(outputPath).value_or("");
  run.errors = ReadFileBytes(errorsPath).value_or("");
  return run;
}

}  // namespace zix::e2e
