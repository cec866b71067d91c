#include <gtest/gtest.h>

#include "check/report_output.h"
#include "check_test_support.h"
#include "platform/text_codec.h"

namespace zix::check {
namespace {

using testing::Check;

constexpr const char* kFiveGames =
    "\xEF\xBB\xBF[set]\ntitle=游戏\nCount=5\n"
    "[1]\nText=&Play\nHint=abc|def\nexe=bin\\game.exe\nexe_x64=bin64\\game.exe\nParam=-w\n"
    "Param_x64=-w64\n"
    "[2]\nText=Tom && Jerry\nexe_x64=x64.exe\n"
    "[3]\nexe=a.exe\ncurDir=data\nParam=-x\n"
    "[4]\nminOs=6.2\nexe=a.exe\n"
    "[5]\nmaxOs=1e400\nexe=a.exe\n";

const std::set<std::u16string> kFiles = {u"C:\\Games\\bin\\game.exe", u"C:\\Games\\a.exe",
                                         u"C:\\Games\\x64.exe"};

CheckOptions Imagining(SystemChoice systems, VersionPair version) {
  CheckOptions options;
  options.systems = systems;
  options.windows = version;
  return options;
}

TEST(CheckReport, WindowAndGridComeFromTheLauncherLayout) {
  CheckOptions options;
  options.client = ClientSize{444, 252};
  const auto checked = Check(kFiveGames, options, kFiles);
  const CheckReport& r = checked->report;
  EXPECT_EQ(r.settings.width, 460);
  EXPECT_EQ(r.settings.height, 290);
  EXPECT_EQ(r.settings.title, u"游戏");
  EXPECT_EQ(r.grid.OriginX, 132);
  EXPECT_EQ(r.grid.OriginY, 53);
  ASSERT_EQ(r.buttons.size(), 5u);
  const std::pair<int32_t, int32_t> places[] = {{132, 53}, {232, 53}, {132, 108}, {232, 108},
                                                {132, 163}};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(r.buttons[i].buttonSpec.tag, static_cast<int32_t>(i + 1));
    EXPECT_EQ(r.buttons[i].buttonSpec.rect.left, places[i].first) << i;
    EXPECT_EQ(r.buttons[i].buttonSpec.rect.top, places[i].second) << i;
    EXPECT_EQ(r.buttons[i].buttonSpec.rect.width, 80);
    EXPECT_EQ(r.buttons[i].buttonSpec.rect.height, 35);
    EXPECT_FALSE(r.buttons[i].outsideClient);
  }
}

TEST(CheckReport, DefaultClientIsTheOuterSizeLessAWindows10Frame) {
  const auto checked = Check(kFiveGames, {}, kFiles);
  EXPECT_EQ(checked->report.client.width, 444);
  EXPECT_EQ(checked->report.client.height, 252);
  EXPECT_TRUE(checked->report.clientAssumed);
}

TEST(CheckReport, CaptionsTooltipsAndAccessKeys) {
  const auto checked = Check(kFiveGames, {}, kFiles);
  const auto& buttons = checked->report.buttons;
  EXPECT_EQ(buttons[0].buttonSpec.caption, u"&Play");
  EXPECT_EQ(buttons[0].buttonSpec.hint, u"abc|def");
  EXPECT_EQ(buttons[0].tooltip, u"abc");
  EXPECT_EQ(buttons[0].accessKey.value_or(u'?'), u'P');
  EXPECT_FALSE(buttons[1].accessKey.has_value()) << "\"&&\" is no access key";
  EXPECT_EQ(buttons[2].tooltip, u"");
}

const LaunchStart* StartOf(const SystemOutcome& o) { return std::get_if<LaunchStart>(&o.outcome); }
const LaunchMessage* MessageOf(const SystemOutcome& o) {
  return std::get_if<LaunchMessage>(&o.outcome);
}

TEST(CheckReport, BothSystemsSideBySide) {
  const auto checked = Check(kFiveGames, Imagining(SystemChoice::Both, {10, 0}), kFiles);
  const auto& first = checked->report.buttons[0].outcomes;
  ASSERT_EQ(first.size(), 2u);
  EXPECT_FALSE(first[0].win64);
  EXPECT_TRUE(first[1].win64);

  const LaunchStart* on32 = StartOf(first[0]);
  ASSERT_NE(on32, nullptr);
  EXPECT_EQ(on32->file, u"C:\\Games\\bin\\game.exe");
  EXPECT_EQ(on32->params, u"-w");
  EXPECT_EQ(on32->dir, u"C:\\Games\\bin\\");
  EXPECT_EQ(on32->via, LaunchVia::ExecuteFile);

  // The 64-bit file is missing, and the 32-bit one is no stand-in for it.
  const LaunchMessage* on64 = MessageOf(first[1]);
  ASSERT_NE(on64, nullptr);
  EXPECT_EQ(on64->text, kGameFileMissing);
  EXPECT_EQ(first[1].lookedFor.value_or(u""), u"C:\\Games\\bin64\\game.exe");
}

TEST(CheckReport, OutcomesOfTheLaunchTable) {
  const auto on32 = Check(kFiveGames, Imagining(SystemChoice::Only32, {10, 0}), kFiles);
  const auto on64 = Check(kFiveGames, Imagining(SystemChoice::Only64, {10, 0}), kFiles);
  const auto& b32 = on32->report.buttons;
  const auto& b64 = on64->report.buttons;

  ASSERT_NE(MessageOf(b32[1].outcomes[0]), nullptr);
  EXPECT_EQ(MessageOf(b32[1].outcomes[0])->text, kNo32BitSupport);
  ASSERT_NE(StartOf(b64[1].outcomes[0]), nullptr);
  EXPECT_EQ(StartOf(b64[1].outcomes[0])->file, u"C:\\Games\\x64.exe");

  const LaunchStart* inDir = StartOf(b64[2].outcomes[0]);
  ASSERT_NE(inDir, nullptr);
  EXPECT_EQ(inDir->via, LaunchVia::ExecuteFileInDir);
  EXPECT_EQ(inDir->dir, u"C:\\Games\\data");
  EXPECT_EQ(inDir->params, u"-x");
  EXPECT_EQ(b64[2].outcomes[0].workingFolderExists, std::optional<bool>(false));
}

TEST(CheckReport, VersionBoundsUseTheImaginedVersion) {
  const auto win7 = Check(kFiveGames, Imagining(SystemChoice::Only64, {6, 1}), kFiles);
  const LaunchMessage* refused = MessageOf(win7->report.buttons[3].outcomes[0]);
  ASSERT_NE(refused, nullptr);
  EXPECT_EQ(refused->text, u"当前游戏不支持[win7]");
  const auto win8 = Check(kFiveGames, Imagining(SystemChoice::Only64, {6, 2}), kFiles);
  EXPECT_NE(StartOf(win8->report.buttons[3].outcomes[0]), nullptr) << "bounds are inclusive";
}

TEST(CheckReport, ABoundBeyondADoubleEndsInTheErrorBox) {
  const auto checked = Check(kFiveGames, Imagining(SystemChoice::Only64, {10, 0}), kFiles);
  const auto* error = std::get_if<LaunchError>(&checked->report.buttons[4].outcomes[0].outcome);
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->className, "EOverflow");
  EXPECT_EQ(error->message, u"Floating point overflow");
}

TEST(CheckReport, AHugeCountIsListedOnlyAsFarAsWindowsCouldBuildIt) {
  const auto checked = Check("\xEF\xBB\xBF[set]\nCount=2147483647\n", {}, kFiles);
  EXPECT_EQ(checked->report.buttons.size(), static_cast<size_t>(kMostGameButtons));
  bool warned = false;
  for (const auto& w : checked->report.warnings) warned = warned || w.code == "count-too-large";
  EXPECT_TRUE(warned);
}

TEST(CheckReport, WebPageShowsTheFilesTextsAsTextOnly) {
  const auto checked = Check(
      "\xEF\xBB\xBF[set]\ntitle=</title><script>alert(1)</script>\nCount=2\n"
      "[1]\nText=<b>&Go\nHint=say \"hi\"|more\nexe=a.exe\n[2]\nText=x' onclick='y\nexe=a.exe\n",
      {}, kFiles);
  const std::string html = ReportHtml(checked->report);
  EXPECT_EQ(html.find("<script>alert"), std::string::npos);
  EXPECT_NE(html.find("&lt;/title&gt;&lt;script&gt;alert(1)"), std::string::npos);
  EXPECT_EQ(html.find("<b>"), std::string::npos);
  EXPECT_EQ(html.find("onclick='y"), std::string::npos);
  EXPECT_NE(html.find("&lt;b&gt;<u>G</u>o</button>"), std::string::npos) << html;
  EXPECT_NE(html.find(">say &quot;hi&quot;</div>"), std::string::npos) << "the tooltip, before \"|\"";
}

}  // namespace
}  // namespace zix::check
