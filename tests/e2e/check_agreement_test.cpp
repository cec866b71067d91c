// zixgame-check's report held against the launcher itself. For each settings file the launcher
// runs in a fresh folder; the checker is then run on that folder as a user would run it, told
// the machine the launcher runs on, and every button is pressed: the window, the buttons and
// what each press ends in must be what the report said.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "box_expectations.h"
#include "check_program.h"
#include "check_report_reader.h"
#include "e2e_paths.h"
#include "e2e_timing.h"
#include "file_bytes.h"
#include "launch_paths.h"
#include "launcher/game_button_ids.h"
#include "launcher_fixture.h"
#include "launcher_watch.h"
#include "system_facts.h"
#include "text_convert.h"
#include "window_reader.h"
#include "wine_settings.h"

namespace zix::e2e {
namespace {

// Pinned, so that the launcher is told the version the checker is given whatever the prefix says.
constexpr char16_t kToldWindows[] = u"win7";
constexpr char16_t kToldVersion[] = u"6.1";
constexpr char16_t kLauncherTitle[] = u"zixgame";  // the error box caption of zixgame.exe
constexpr DWORD kCheckMs = 20000;

struct AgreementCase {
  const char* name = "";
  const char16_t* settings = u"";  // under the samples copied beside the suite
  std::vector<std::u16string> games = {};
  std::vector<std::u16string> folders = {};
  bool singleEntry = false;  // the launcher carries the one entry out by itself and ends
};

void PrintTo(const AgreementCase& c, std::ostream* os) { *os << c.name; }

// The folder zixgame-check's own tests check its case files in.
AgreementCase CheckCase(const char* name, const char16_t* file, bool singleEntry = false) {
  return AgreementCase{.name = name,
                       .settings = file,
                       .games = {u"a.exe", u"b.exe", u"bin\\a.exe"},
                       .folders = {u"data"},
                       .singleEntry = singleEntry};
}

std::optional<std::string> SampleSettings(std::u16string_view relativePath) {
  return ReadFileBytes(SuiteFolder() + u"settings-samples\\" + std::u16string(relativePath));
}

// The error box adds "." to a message unless it ends in "." or a lower code unit ("!", ")").
std::u16string ErrorBoxText(std::u16string message) {
  if (!message.empty() && message.back() > u'.') message += u'.';
  return message;
}

std::u16string ExpectedCommandLine(const PredictedOutcome& start) {
  return u"\"" + start.file + u"\"" + (start.params.empty() ? u"" : u" " + start.params);
}

class CheckAgreement : public LauncherTest, public ::testing::WithParamInterface<AgreementCase> {
 protected:
  // Runs the checker on the launcher folder as it stands; nothing, with a failure, when it
  // gives no report. Without a client size it assumes a frame, which a test then must not compare.
  std::optional<PredictedLauncher> Predict(const std::optional<WindowFacts>& window) {
    const std::optional<char16_t> decimal = UserDecimalSeparator();
    if (!decimal) {
      ADD_FAILURE() << "cannot read the user's decimal separator as one character";
      return std::nullopt;
    }
    std::vector<std::u16string> args = {u"--json", u"--system", SystemIs64Bit() ? u"64" : u"32",
                                        u"--windows", kToldVersion,
                                        u"--codepage", FromWide(std::to_wstring(GetACP())),
                                        u"--decimal", std::u16string(1, *decimal),
                                        u"--launcher-dir", folder_.Path()};
    if (window) {
      args.push_back(u"--client");
      args.push_back(FromWide(std::to_wstring(window->clientWidth) + L"x" +
                              std::to_wstring(window->clientHeight)));
    }
    args.push_back(folder_.Path().substr(0, folder_.Path().size() - 1));
    const CheckRun run = RunCheckProgram(args, folder_.Root(), kCheckMs);
    if (!run.failure.empty() || !run.exitCode || *run.exitCode > 1) {
      ADD_FAILURE() << "zixgame-check gave no report: " << run.failure << " exit "
                    << (run.exitCode ? std::to_string(*run.exitCode) : "(none within the bound)")
                    << ", standard error: " << run.errors;
      return std::nullopt;
    }
    std::string problem;
    std::optional<PredictedLauncher> predicted = ReadCheckReport(run.output, &problem);
    if (!predicted) ADD_FAILURE() << "unreadable report (" << problem << "): " << run.output;
    return predicted;
  }

  // What one press really ended in, against the report; startsSoFar counts the games started
  // by earlier presses and goes up by one for a start.
  void ExpectOutcome(const PredictedOutcome& predicted, size_t& startsSoFar) {
    if (predicted.kind == u"start") {
      const std::vector<GameRecord> records = WaitForRecords(startsSoFar + 1);
      ASSERT_EQ(records.size(), startsSoFar + 1) << "the game " << ToUtf8(predicted.file) << " did not start";
      const GameRecord& game = records.back();
      ++startsSoFar;
      EXPECT_EQ(game.programPath, FullPath(predicted.file)) << "started " << ToUtf8(game.programPath);
      EXPECT_EQ(game.commandLine, ExpectedCommandLine(predicted)) << "command line " << ToUtf8(game.commandLine);
      EXPECT_EQ(game.workingFolder, ReportedWorkingFolder(predicted.dir))
          << "working folder " << ToUtf8(game.workingFolder);
      EXPECT_TRUE(VisibleMessageBoxes(Launcher().Id()).empty()) << "a start shows no message";
      return;
    }
    const std::optional<MessageBoxFacts> box = WaitForBox();
    ASSERT_TRUE(box) << "expected the " << ToUtf8(predicted.kind) << " \"" << ToUtf8(predicted.text) << "\"";
    if (predicted.kind == u"message") {
      ExpectLauncherMessage(*box, predicted.text);
    } else if (predicted.kind == u"error") {
      ExpectErrorBox(*box, kLauncherTitle, ErrorBoxText(predicted.text));
    } else {
      ADD_FAILURE() << "the report names an outcome of no known kind: " << ToUtf8(predicted.kind);
    }
    ASSERT_TRUE(PressOk(*box, kBoxGoneMs));
  }

  void ExpectSameWindow(HWND main, const WindowFacts& window, const PredictedLauncher& predicted) {
    EXPECT_EQ(window.outer.right - window.outer.left, predicted.width) << "outer width";
    EXPECT_EQ(window.outer.bottom - window.outer.top, predicted.height) << "outer height";
    EXPECT_EQ(window.title, predicted.title) << "title \"" << ToUtf8(window.title) << "\"";
    const std::vector<ButtonFacts> buttons = ReadButtons(main);
    ASSERT_EQ(buttons.size(), predicted.buttons.size());
    for (size_t i = 0; i < buttons.size(); ++i) {
      const ButtonFacts& real = buttons[i];
      const PredictedButton& button = predicted.buttons[i];
      SCOPED_TRACE("entry " + std::to_string(button.tag));
      EXPECT_EQ(real.id, GameButtonId(static_cast<int32_t>(button.tag)));
      EXPECT_EQ(real.caption, button.caption) << "caption \"" << ToUtf8(real.caption) << "\"";
      EXPECT_EQ(real.rect.left, button.left);
      EXPECT_EQ(real.rect.top, button.top);
      EXPECT_EQ(real.rect.right - real.rect.left, button.width);
      EXPECT_EQ(real.rect.bottom - real.rect.top, button.height);
    }
  }
};

TEST_P(CheckAgreement, ReportMatchesWhatTheLauncherDoes) {
  const AgreementCase& c = GetParam();
  ScopedWineVersion version(kToldWindows);
  ASSERT_TRUE(version.ok()) << "cannot set the Windows version Wine tells";
  const std::optional<std::string> settings = SampleSettings(c.settings);
  ASSERT_TRUE(settings) << "no copy of " << ToUtf8(c.settings) << " beside the suite";
  ASSERT_TRUE(folder_.WriteSettings(*settings));
  for (const std::u16string& game : c.games) ASSERT_TRUE(folder_.AddFakeGame(game));
  for (const std::u16string& folder : c.folders) ASSERT_TRUE(folder_.AddFolder(folder));
  ASSERT_TRUE(Start());
  size_t starts = 0;

  if (c.singleEntry) {
    // The window is shown for an instant at most, so only the one outcome can be compared.
    const std::optional<PredictedLauncher> predicted = Predict(std::nullopt);
    ASSERT_TRUE(predicted);
    ASSERT_EQ(predicted->buttons.size(), 1u);
    ExpectOutcome(predicted->buttons.front().outcome, starts);
    EXPECT_EQ(WaitForExit(), 0u);
    EXPECT_EQ(Records().size(), starts);
    return;
  }

  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  const std::optional<WindowFacts> window = ReadWindow(main);
  ASSERT_TRUE(window);
  const std::optional<PredictedLauncher> predicted = Predict(window);
  ASSERT_TRUE(predicted);
  ExpectSameWindow(main, *window, *predicted);
  for (const PredictedButton& button : predicted->buttons) {
    SCOPED_TRACE("press on entry " + std::to_string(button.tag));
    ASSERT_TRUE(ClickButton(ChildWithId(main, GameButtonId(static_cast<int32_t>(button.tag)))));
    ExpectOutcome(button.outcome, starts);
    if (HasFatalFailure()) break;
  }
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
  EXPECT_EQ(Records().size(), starts) << "every press ends in one start or one box, never both";
}

INSTANTIATE_TEST_SUITE_P(
    SettingsFiles, CheckAgreement,
    ::testing::Values(
        AgreementCase{.name = "GuideBasic", .settings = u"docs\\examples\\basic.ini",
                      .games = {u"PAL\\PAL.exe", u"StarCraft\\StarCraft.exe", u"Mines\\mines.exe"}},
        AgreementCase{.name = "GuideBigGrid", .settings = u"docs\\examples\\big-grid.ini",
                      .games = {u"1.exe", u"2.exe", u"3.exe", u"4.exe", u"5.exe", u"6.exe"}},
        AgreementCase{.name = "GuideSingleGame", .settings = u"docs\\examples\\single-game.ini",
                      .games = {u"game.exe"}, .singleEntry = true},
        AgreementCase{.name = "GuideVersionBounds", .settings = u"docs\\examples\\version-bounds.ini",
                      .games = {u"Old\\old.exe", u"New\\new.exe", u"Any\\any.exe"}},
        AgreementCase{.name = "GuideWorkingFolder", .settings = u"docs\\examples\\working-folder.ini",
                      .games = {u"Game\\bin\\game.exe", u"Game\\bin\\tool.exe"}, .folders = {u"Game\\Data"}},
        AgreementCase{.name = "GuideX64Fallback", .settings = u"docs\\examples\\x64-fallback.ini",
                      .games = {u"Racing\\racing32.exe", u"Racing\\racing64.exe", u"Space\\space64.exe"}},
        CheckCase("OverlappingButtons", u"tests\\check\\cases\\button-overlap.ini"),
        CheckCase("ColBelowOne", u"tests\\check\\cases\\col-below-1.ini"),
        CheckCase("NoCount", u"tests\\check\\cases\\count-missing.ini"),
        CheckCase("CountBeyondTheSections", u"tests\\check\\cases\\count-mismatch.ini"),
        CheckCase("PaddedSectionName", u"tests\\check\\cases\\section-name-padded.ini"),
        CheckCase("X64Only", u"tests\\check\\cases\\x64-only.ini"),
        CheckCase("MissingFile", u"tests\\check\\cases\\missing-file.ini"),
        CheckCase("NoExecutable", u"tests\\check\\cases\\no-executable.ini"),
        CheckCase("DriveQualifiedPath", u"tests\\check\\cases\\absolute-path.ini"),
        CheckCase("RootedPath", u"tests\\check\\cases\\rooted-path.ini"),
        CheckCase("ForwardSlash", u"tests\\check\\cases\\forward-slash.ini"),
        CheckCase("InvertedBounds", u"tests\\check\\cases\\inverted-bounds.ini"),
        CheckCase("OtherDecimalSeparator", u"tests\\check\\cases\\decimal-separator.ini"),
        CheckCase("BoundOverflow", u"tests\\check\\cases\\number-overflow.ini"),
        CheckCase("UnmarkedNonAscii", u"tests\\check\\cases\\non-ascii-no-mark.ini"),
        // Chinese names and parameters saved as GBK, one of them with "\\" as its second byte:
        // they start the game only where the ANSI code page is 936.
        AgreementCase{.name = "UnmarkedGbkNamesAndParameters",
                      .settings = u"tests\\check\\cases\\gbk-no-mark.ini",
                      .games = {u"游戏\\淺水.exe", u"b.exe"}, .folders = {u"存档"}},
        CheckCase("SingleEntry", u"tests\\check\\cases\\count-one.ini", true)),
    [](const auto& info) { return std::string(info.param.name); });

// The report gives a window 100 pixels wide, as configured; but Windows does not let a window
// with a caption bar be narrower than its minimum tracking width, and the launcher's window
// comes out wider (116 pixels under Wine 8). Run with --gtest_also_run_disabled_tests until the
// checker reports the width Windows gives.
INSTANTIATE_TEST_SUITE_P(
    DISABLED_NarrowerThanWindowsAllows, CheckAgreement,
    ::testing::Values(CheckCase("ButtonsOutsideANarrowWindow", u"tests\\check\\cases\\button-outside.ini")),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zix::e2e
