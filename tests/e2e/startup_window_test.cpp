// The window a user gets at start: its outer size and title from the settings file, its
// place on the screen, its frame, and the show command of the shortcut that started it.

#include <gtest/gtest.h>

#include <algorithm>

#include "e2e_timing.h"
#include "launcher_fixture.h"
#include "launcher_watch.h"
#include "settings_bytes.h"
#include "text_convert.h"
#include "window_reader.h"

namespace zix::e2e {
namespace {

// Where the launcher centres a window of this outer size: on the work area, measured from
// the screen origin, never above or left of the virtual desktop.
POINT ExpectedTopLeft(int width, int height) {
  RECT work{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) ADD_FAILURE() << "no work area";
  const int x = (work.right - work.left - width) / 2;
  const int y = (work.bottom - work.top - height) / 2;
  return {std::max(x, GetSystemMetrics(SM_XVIRTUALSCREEN)),
          std::max(y, GetSystemMetrics(SM_YVIRTUALSCREEN))};
}

void ExpectWindow(const WindowFacts& window, int width, int height, std::u16string_view title) {
  EXPECT_EQ(window.outer.right - window.outer.left, width);
  EXPECT_EQ(window.outer.bottom - window.outer.top, height);
  EXPECT_EQ(window.title, title) << "title \"" << ToUtf8(window.title) << "\"";
  const POINT topLeft = ExpectedTopLeft(width, height);
  EXPECT_EQ(window.outer.left, topLeft.x);
  EXPECT_EQ(window.outer.top, topLeft.y);
  EXPECT_TRUE(window.visible);
  EXPECT_FALSE(window.minimized);
  EXPECT_FALSE(window.maximized);
}

using StartupWindow = LauncherTest;

TEST_F(StartupWindow, WithoutSettingsFileIsTheDefaultEmptyWindow) {
  ASSERT_TRUE(Start());
  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  const std::optional<WindowFacts> window = ReadWindow(main);
  ASSERT_TRUE(window);
  ExpectWindow(*window, 460, 290, u"游戏启动");
  EXPECT_TRUE(ReadButtons(main).empty());

  // A fixed single border with a system menu and a minimise box, nothing to resize or maximise.
  EXPECT_EQ(window->style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(window->style & WS_SYSMENU);
  EXPECT_TRUE(window->style & WS_MINIMIZEBOX);
  EXPECT_FALSE(window->style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(window->style & WS_THICKFRAME);
  EXPECT_TRUE(window->exStyle & WS_EX_APPWINDOW);
  EXPECT_LT(window->clientWidth, 460) << "the client area is the outer size less the frame";
  EXPECT_LT(window->clientHeight, 290);
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

TEST_F(StartupWindow, SystemMenuCloseEndsTheLauncherToo) {
  ASSERT_TRUE(Start());
  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  ASSERT_TRUE(PostSystemClose(main));
  EXPECT_EQ(WaitForExit(), 0u);
}

// Log-off or shut-down: the window agrees to end, and the notice that Windows is ending ends
// the launcher with exit code 0.
TEST_F(StartupWindow, WindowsEndingEndsTheLauncher) {
  ASSERT_TRUE(Start());
  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  DWORD_PTR agrees = 0;
  ASSERT_TRUE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                                  kAppearMs, &agrees));
  EXPECT_NE(agrees, 0u);
  HWND application = nullptr;
  for (HWND window : TopLevelWindows(Launcher().Id(), kApplicationWindowClass)) application = window;
  ASSERT_TRUE(application) << "no hidden application window";
  EXPECT_FALSE(IsWindowVisible(application));
  ASSERT_TRUE(PostMessageW(application, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF));
  EXPECT_EQ(WaitForExit(), 0u);
}

struct WindowCase {
  const char* name;
  std::string settings;
  int width;
  int height;
  std::u16string title;
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class StartupWindowSettings : public LauncherTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(StartupWindowSettings, SizeAndTitleAsConfigured) {
  const WindowCase& c = GetParam();
  ASSERT_TRUE(folder_.WriteSettings(c.settings));
  ASSERT_TRUE(Start());
  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  const std::optional<WindowFacts> window = ReadWindow(main);
  ASSERT_TRUE(window);
  ExpectWindow(*window, c.width, c.height, c.title);
  EXPECT_TRUE(ReadButtons(main).empty());
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StartupWindowSettings,
    ::testing::Values(
        WindowCase{"SizeAndChineseTitle",
                   Utf8File("[set]\r\nwidth=600\r\nheight=400\r\ntitle=我的 游戏\r\n"), 600, 400,
                   u"我的 游戏"},
        WindowCase{"EmptyTitleIsKept", "[set]\r\ntitle=\r\n", 460, 290, u""},
        WindowCase{"TitleInAnotherSectionIsNotTheTitle", "[other]\r\ntitle=no\r\n", 460, 290,
                   u"游戏启动"},
        WindowCase{"HexAndUpperCaseNames", "[SET]\nWIDTH=$200\nHeight=0x12C\n", 512, 300,
                   u"游戏启动"},
        WindowCase{"InvalidNumbersGiveDefaults", "[set]\rwidth=600px\rheight= \r", 460, 290,
                   u"游戏启动"},
        WindowCase{"Utf16File", Utf16File(u"[set]\r\nwidth=500\r\ntitle=启动 ✓\r\n"), 500, 290,
                   u"启动 ✓"},
        WindowCase{"QuotesStayInTheTitle", "[set]\r\ntitle=\"x\" ; y\r\n", 460, 290, u"\"x\" ; y"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupWindow, SettingsComeFromTheLauncherFolderNotTheCurrentFolder) {
  // The launcher runs with the root above its folder as current folder; a settings file there
  // must not be the one it reads.
  ASSERT_TRUE(folder_.AddFile(u"..\\zixgame.ini", "[set]\r\ntitle=wrong folder\r\n"));
  ASSERT_TRUE(folder_.WriteSettings("[set]\r\ntitle=own folder\r\n"));
  ASSERT_TRUE(Start());
  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  const std::optional<WindowFacts> window = ReadWindow(main);
  ASSERT_TRUE(window);
  EXPECT_EQ(window->title, u"own folder");
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

TEST_F(StartupWindow, FolderNamedLikeTheSettingsFileIsNoSettings) {
  ASSERT_TRUE(folder_.AddFolder(u"zixgame.ini"));
  ASSERT_TRUE(Start());
  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  const std::optional<WindowFacts> window = ReadWindow(main);
  ASSERT_TRUE(window);
  ExpectWindow(*window, 460, 290, u"游戏启动");
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

}  // namespace
}  // namespace zix::e2e
