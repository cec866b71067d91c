// The show command of the program that starts the launcher (a shortcut set to "maximised" or
// "minimised") decides how its window opens; the buttons stay where the configured size put them.

#include <gtest/gtest.h>

#include "launcher_fixture.h"
#include "window_reader.h"

namespace zix::e2e {
namespace {

constexpr char kTwoGames[] = "[set]\r\nCount=2\r\n[1]\r\nText=One\r\n[2]\r\nText=Two\r\n";

struct ShowCase {
  const char* name;
  WORD showCommand;
  bool maximized;
  bool minimized;
};

void PrintTo(const ShowCase& c, std::ostream* os) { *os << c.name; }

class ShowCommand : public LauncherTest, public ::testing::WithParamInterface<ShowCase> {};

std::vector<RECT> ButtonRects(HWND main) {
  std::vector<RECT> rects;
  for (const ButtonFacts& button : ReadButtons(main)) rects.push_back(button.rect);
  return rects;
}

bool SameRects(const std::vector<RECT>& a, const std::vector<RECT>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (!EqualRect(&a[i], &b[i])) return false;
  }
  return true;
}

TEST_P(ShowCommand, OpensAsTheStarterAsked) {
  const ShowCase& c = GetParam();
  ASSERT_TRUE(folder_.WriteSettings(kTwoGames));

  ASSERT_TRUE(Start());
  HWND plain = WaitForMainWindow();
  ASSERT_TRUE(plain);
  const std::vector<RECT> plainRects = ButtonRects(plain);
  ASSERT_EQ(plainRects.size(), 2u);
  EXPECT_EQ(CloseAndWaitForExit(plain), 0u);

  LaunchOptions options;
  options.showCommand = c.showCommand;
  ASSERT_TRUE(Start(options));
  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  const std::optional<WindowFacts> window = ReadWindow(main);
  ASSERT_TRUE(window);
  EXPECT_EQ(window->maximized, c.maximized);
  EXPECT_EQ(window->minimized, c.minimized);
  EXPECT_TRUE(SameRects(ButtonRects(main), plainRects))
      << "the buttons keep the places computed for the configured size";
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

INSTANTIATE_TEST_SUITE_P(Commands, ShowCommand,
                         ::testing::Values(ShowCase{"Maximized", SW_SHOWMAXIMIZED, true, false},
                                           ShowCase{"MinimizedNoActivate", SW_SHOWMINNOACTIVE, false, true},
                                           ShowCase{"Normal", SW_SHOWNORMAL, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zix::e2e
