// A stand-in game for the demo folder. It shows how it was started, so that what each settings
// entry does (parameters, working folder, the 64- or the 32-bit file) can be seen at a glance.

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/unique_handle_win32.h"

namespace {

constexpr wchar_t kWindowClass[] = L"ZixDemoGame";
constexpr int kReportId = 100;
// Longer than any path Windows hands out, so a failed growth cannot loop forever.
constexpr size_t kLongestPath = 32768;

std::wstring OwnPath() {
  std::wstring path(MAX_PATH, L'\0');
  while (path.size() <= kLongestPath) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return L"?";
    // A result equal to the room means it was cut short.
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
  return L"?";
}

std::wstring WorkingFolder() {
  const DWORD room = GetCurrentDirectoryW(0, nullptr);
  if (room == 0) return L"?";
  std::wstring folder(room, L'\0');
  const DWORD length = GetCurrentDirectoryW(room, folder.data());
  if (length == 0 || length >= room) return L"?";
  folder.resize(length);
  return folder;
}

// The command line less the program name, split off the way the C runtime splits argv[0]:
// a quoted name ends at the next quote, an unquoted one at the first blank.
std::wstring_view ParametersOf(std::wstring_view commandLine) {
  size_t end = 0;
  if (!commandLine.empty() && commandLine[0] == L'"') {
    const size_t close = commandLine.find(L'"', 1);
    end = close == std::wstring_view::npos ? commandLine.size() : close + 1;
  } else {
    while (end < commandLine.size() && commandLine[end] != L' ' && commandLine[end] != L'\t') ++end;
  }
  while (end < commandLine.size() && (commandLine[end] == L' ' || commandLine[end] == L'\t')) ++end;
  return commandLine.substr(end);
}

std::wstring BuildDescription() {
#ifdef _WIN64
  return L"64 位 (x86_64)";
#else
  BOOL underWow64 = FALSE;
  if (!IsWow64Process(GetCurrentProcess(), &underWow64)) underWow64 = FALSE;
  return underWow64 ? L"32 位 (i686)，运行于 64 位 Windows (WOW64)" : L"32 位 (i686)";
#endif
}

std::wstring FileNameOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/:");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring Report() {
  const std::wstring_view commandLine = GetCommandLineW();
  const std::wstring_view parameters = ParametersOf(commandLine);
  std::wstring text;
  const auto add = [&text](std::wstring_view label, std::wstring_view value) {
    text.append(label).append(L"\r\n    ").append(value).append(L"\r\n\r\n");
  };
  add(L"程序文件  Program file", OwnPath());
  add(L"命令行  Command line", commandLine);
  add(L"参数  Parameters", parameters.empty() ? std::wstring_view(L"无 (none)") : parameters);
  add(L"工作文件夹  Working folder", WorkingFolder());
  add(L"位数  Build", BuildDescription());
  return text;
}

zix::UniqueFont MessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {};
  metrics.lfMessageFont.lfHeight = metrics.lfMessageFont.lfHeight * 5 / 4;
  return zix::UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

struct WindowData {
  const std::wstring* report;
  HFONT font;
};

LRESULT OnCreate(HWND window, const CREATESTRUCTW& create) {
  const auto& data = *static_cast<const WindowData*>(create.lpCreateParams);
  HWND reportBox = CreateWindowExW(
      WS_EX_CLIENTEDGE, L"EDIT", data.report->c_str(),
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0, 0,
      window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kReportId)), create.hInstance, nullptr);
  if (reportBox == nullptr) return -1;
  // Without a font of our own the control falls back to the system font, which is still legible.
  // WM_SETFONT has no answer.
  if (data.font != nullptr)
    (void)SendMessageW(reportBox, WM_SETFONT, reinterpret_cast<WPARAM>(data.font), FALSE);
  return 0;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate(window, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
    case WM_SIZE:
      // A failed move leaves the report where it was; nothing better to do.
      (void)MoveWindow(GetDlgItem(window, kReportId), 8, 8, LOWORD(lParam) - 16,
                       HIWORD(lParam) - 16, TRUE);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

int RunGame(HINSTANCE instance, int showCommand) {
  const std::wstring report = Report();
  const std::wstring title = FileNameOf(OwnPath()) + L" - 演示游戏 Demo game";
  const zix::UniqueFont font = MessageFont();
  WindowData data{&report, font.get()};

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  if (RegisterClassExW(&windowClass) == 0) return 1;

  HWND window = CreateWindowExW(0, kWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 600, 340, nullptr, nullptr, instance, &data);
  if (window == nullptr) return 1;
  // The result says whether the window was visible before, which it never is here.
  (void)ShowWindow(window, showCommand);

  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    // The result says whether a character message was posted; either way the loop goes on.
    (void)TranslateMessage(&message);
    // What the window procedure answered means nothing to the loop.
    (void)DispatchMessageW(&message);
  }
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  try {
    return RunGame(instance, showCommand);
  } catch (...) {
    // Only an allocation can fail here; a demo that cannot describe itself just ends.
    return 1;
  }
}
