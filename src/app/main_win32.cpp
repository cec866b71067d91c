// The program entry: the start-up order of the launcher and its last-chance handler.

#include <windows.h>

#include <optional>

#include "app/application_win32.h"
#include "app/error_report_win32.h"
#include "app/frame_input_win32.h"
#include "launcher/frmmain_win32.h"
#include "platform/dll_search_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace zix;
  // Before OLE, the common controls or the shell load anything by name. Where the system cannot
  // restrict the search the launcher runs on as before: there is nothing better to do.
  static_cast<void>(RestrictDllSearch());
  // The previous filter is the C runtime's, which would only turn faults into C signals.
  static_cast<void>(SetUnhandledExceptionFilter(&ProcessorFaultFilter));

  std::optional<TApplication> application;
  UINT exitCode = 0;
  try {
    application.emplace();
    Application = &*application;
    // Process initialisation also switches tooltips on.
    Application->SetLoopHooks(MakeFrameInputHooks());

    // The program block: no guard of its own, so an error here ends in the fatal box.
    Application->Initialize();
    Application->SetMainFormOnTaskBar(true);
    Application->CreateForm(frmmain);
    frmmain->LoadByCreate();
    Application->Run();
  } catch (...) {
    ReportFatalError();
    exitCode = 1;
  }
  if (application) application->ExitCleanUp(exitCode);
  ExitProcess(exitCode);
}
