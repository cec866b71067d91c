#include "app/error_report_win32.h"

#include <exception>
#include <new>
#include <optional>

#include "app/application_win32.h"
#include "app/error_text.h"
#include "app/processor_fault.h"
#include "platform/files.h"
#include "platform/unique_handle_win32.h"
#include "platform/wide_text_win32.h"

namespace zix {
namespace {

constexpr char16_t kOutOfMemory[] = u"Out of memory";

// what() texts carry no declared encoding; each byte is taken as the code point it names.
std::u16string WidenBytes(const char* text) {
  std::u16string wide;
  for (; *text != '\0'; ++text) wide += static_cast<char16_t>(static_cast<unsigned char>(*text));
  return wide;
}

std::optional<ModuleSpan> ModuleAt(uintptr_t address) {
  HMODULE module = nullptr;
  if (address == 0 ||
      !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                              GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCWSTR>(address), &module)) {
    return std::nullopt;
  }
  wchar_t name[MAX_PATH + 1];
  const DWORD length = GetModuleFileNameW(module, name, MAX_PATH + 1);
  // A module without a readable name is still the right base: its offset stays meaningful.
  return ModuleSpan{FromWinText(name, length), reinterpret_cast<uintptr_t>(module)};
}

void ShowFatalBox(const char* className, const void* address, std::u16string_view message) noexcept {
  try {
    const auto where = reinterpret_cast<uintptr_t>(address);
    const std::u16string text = FatalErrorText(
        className, LocateCodeAddress(where, ModuleAt(where), ExecutableFileName(261)), message);
    // A box that cannot be shown changes nothing: the process ends all the same.
    static_cast<void>(MessageBoxW(nullptr, WinText(text), WinLiteral(kFatalBoxCaption), kFatalBoxStyle));
  } catch (...) {
    // No memory left for the text: a fixed one still tells the user why the launcher ends.
    static_cast<void>(MessageBoxW(nullptr, WinLiteral(kOutOfMemory), WinLiteral(kFatalBoxCaption),
                                  kFatalBoxStyle));
  }
}

struct FaultReport {
  fault::FaultRecord record;
};

DWORD WINAPI ShowFaultBox(void* parameter) noexcept {
  const auto& report = *static_cast<const FaultReport*>(parameter);
  try {
    const fault::FaultError error = fault::DescribeFault(report.record);
    ShowFatalBox(error.className, reinterpret_cast<const void*>(report.record.address),
                 error.message);
  } catch (...) {
    ShowFatalBox("EExternalException", reinterpret_cast<const void*>(report.record.address), u"");
  }
  return 0;
}

LONG WINAPI EndWithoutReport(EXCEPTION_POINTERS*) noexcept {
  ExitProcess(1);
}

}  // namespace

void ReportCurrentError(const WindowObject* sender) noexcept {
  // Before the application object exists there is no error box to show; the message counts
  // as handled all the same.
  if (Application == nullptr) return;
  try {
    try {
      throw;
    } catch (const Exception& error) {
      Application->HandleException(sender, error);
    } catch (const std::bad_alloc&) {
      Application->HandleException(sender, EOutOfMemory(std::u16string(kOutOfMemory)));
    } catch (const std::exception& error) {
      Application->HandleException(sender, EExternalException(WidenBytes(error.what())));
    } catch (...) {
      Application->HandleException(sender, EExternalException(u"External exception"));
    }
  } catch (...) {
    // Building the report itself failed (no memory for its text); nothing more can be said.
  }
}

void ReportFatalError() noexcept {
  try {
    throw;
  } catch (const Exception& error) {
    ShowFatalBox(error.ClassName(), error.RaiseSite(), error.Message());
  } catch (const std::bad_alloc&) {
    ShowFatalBox("EOutOfMemory", nullptr, kOutOfMemory);
  } catch (...) {
    // A foreign error object has no message of the program's kind.
    ShowFatalBox("EExternalException", nullptr, u"");
  }
}

void EndAfterTermination() noexcept {
  if (const std::exception_ptr active = std::current_exception()) {
    try {
      std::rethrow_exception(active);
    } catch (...) {
      ReportFatalError();
    }
  } else {
    ShowFatalBox("EExternalException", nullptr, u"");
  }
  ExitProcess(1);
}

LONG WINAPI ProcessorFaultFilter(EXCEPTION_POINTERS* pointers) noexcept {
  // A second fault while reporting this one ends the process without coming back here.
  static_cast<void>(SetUnhandledExceptionFilter(&EndWithoutReport));

  FaultReport report;
  const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
  report.record.code = record.ExceptionCode;
  report.record.address = reinterpret_cast<uintptr_t>(record.ExceptionAddress);
  if (record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record.NumberParameters >= 2) {
    report.record.hasAccessInfo = true;
    report.record.accessKind = record.ExceptionInformation[0];
    report.record.accessedAddress = record.ExceptionInformation[1];
  }
  // The box runs on a fresh stack: after a stack overflow the faulting thread has too little
  // left for a message box.
  UniqueKernelHandle thread(CreateThread(nullptr, 0, &ShowFaultBox, &report, 0, nullptr));
  if (thread) {
    // Waiting cannot fail for a handle we own; the process ends right after in any case.
    static_cast<void>(WaitForSingleObject(thread.get(), INFINITE));
  } else {
    static_cast<void>(ShowFaultBox(&report));
  }
  ExitProcess(1);
}

}  // namespace zix
