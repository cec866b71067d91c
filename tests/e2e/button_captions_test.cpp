// Which buttons exist and what they say: one per entry up to Count, each captioned from the
// section named by its number alone.

#include <gtest/gtest.h>

#include "launcher_fixture.h"
#include "settings_bytes.h"
#include "text_convert.h"
#include "window_reader.h"

namespace zix::e2e {
namespace {

std::vector<std::u16string> Captions(const std::vector<ButtonFacts>& buttons) {
  std::vector<std::u16string> captions;
  for (const ButtonFacts& button : buttons) captions.push_back(button.caption);
  return captions;
}

std::vector<int> Ids(const std::vector<ButtonFacts>& buttons) {
  std::vector<int> ids;
  for (const ButtonFacts& button : buttons) ids.push_back(button.id);
  return ids;
}

using ButtonCaptions = LauncherTest;

TEST_F(ButtonCaptions, EachEntryCaptionedFromItsOwnSection) {
  ASSERT_TRUE(folder_.WriteSettings(Utf8File(
      "[set]\r\nCount=5\r\n"
      "[01]\r\nText=not entry one\r\n"
      "[3]\r\nText=  第三个 游戏  \r\n"
      "[4]\r\nText=a = b\r\nText=second Text line\r\n"
      "[ 5 ]\r\ntext=\"quoted\"\r\n"
      "[6]\r\nText=above Count\r\n")));
  ASSERT_TRUE(Start());
  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  const std::vector<ButtonFacts> buttons = ReadButtons(main);
  EXPECT_EQ(Ids(buttons), (std::vector<int>{1001, 1002, 1003, 1004, 1005}));
  EXPECT_EQ(Captions(buttons), (std::vector<std::u16string>{u"", u"", u"第三个 游戏", u"a = b",
                                                            u"\"quoted\""}));
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

TEST_F(ButtonCaptions, AmpersandInCaptionIsKeptAsWritten) {
  ASSERT_TRUE(folder_.WriteSettings("[set]\r\nCount=2\r\n[1]\r\nText=&Play\r\n[2]\r\nText=R&&D\r\n"));
  ASSERT_TRUE(Start());
  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  EXPECT_EQ(Captions(ReadButtons(main)), (std::vector<std::u16string>{u"&Play", u"R&&D"}));
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

struct CountCase {
  const char* name;
  const char* settings;
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }

class NoButtons : public LauncherTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(NoButtons, EmptyWindowAndNoMessage) {
  ASSERT_TRUE(folder_.WriteSettings(GetParam().settings));
  ASSERT_TRUE(Start());
  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  EXPECT_TRUE(ReadButtons(main).empty());
  EXPECT_TRUE(Records().empty());
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, NoButtons,
    ::testing::Values(CountCase{"Zero", "[set]\r\nCount=0\r\n[1]\r\nText=a\r\nexe=g.exe\r\n"},
                      CountCase{"Negative", "[set]\r\nCount=-3\r\n[1]\r\nText=a\r\n"},
                      CountCase{"NotANumber", "[set]\r\nCount=two\r\n[1]\r\nText=a\r\n"},
                      CountCase{"Empty", "[set]\r\nCount=\r\n[1]\r\nText=a\r\n"},
                      CountCase{"InSecondSetSection", "[set]\r\ntitle=t\r\n[set]\r\nCount=2\r\n"},
                      CountCase{"BeforeAnySection", "Count=2\r\n[set]\r\ntitle=t\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zix::e2e
