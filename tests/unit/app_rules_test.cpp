#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <optional>
#include <string>

#include "app/error_text.h"
#include "app/processor_fault.h"
#include "app/title_rule.h"
#include "app/window_placement.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zix {
namespace {

// ---- Title -------------------------------------------------------------------------------

struct TitleCase {
  std::u16string fileName;
  std::u16string title;
};

class TitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleTest, FromExecutableName) {
  EXPECT_EQ(ApplicationTitle(GetParam().fileName), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Names, TitleTest,
    ::testing::Values(TitleCase{u"C:\\Games\\GameLauncher.exe", u"Gamelauncher"},
                      TitleCase{u"C:\\Games\\My.Launcher.exe", u"My"},
                      TitleCase{u"C:\\Games\\ZIXGAME.EXE", u"Zixgame"},
                      TitleCase{u"C:\\Games\\zixgame.exe", u"zixgame"},
                      TitleCase{u"C:\\a.b\\Launcher", u"Launcher"},
                      TitleCase{u"C:\\Games\\.hidden.exe", u""},
                      TitleCase{u"C:\\Games\\", u""},
                      TitleCase{u"", u""},
                      TitleCase{u"Solo.exe", u"Solo"},
                      TitleCase{u"\\\\?\\C:\\X\\ABC.exe", u"Abc"},
                      // Only "\" separates folders: "/" stays part of the name.
                      TitleCase{u"C:/Games/Game.exe", u"C:/games/game"},
                      // The first unit keeps its case whatever it is.
                      TitleCase{u"C:\\x\\aBC.exe", u"abc"},
                      TitleCase{u"C:\\x\\\u00C4BC.exe", u"\u00C4bc"}));

std::u16string Bracketed(std::u16string_view text) {
  return u"<" + std::u16string(text) + u">";
}

TEST(TitleLowering, GetsExactlyTheUnitsAfterTheFirst) {
  EXPECT_EQ(ApplicationTitle(u"C:\\x\\Game.exe", &Bracketed), u"G<ame>");
  EXPECT_EQ(ApplicationTitle(u"C:\\x\\G.exe", &Bracketed), u"G<>");
}

// ---- Error box -----------------------------------------------------------------------------

struct StopCase {
  std::u16string message;
  std::u16string shown;
};

class ErrorBoxStopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(ErrorBoxStopTest, AddsAFullStopAfterUnitsAbove46) {
  EXPECT_EQ(WithErrorBoxStop(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxStopTest,
    ::testing::Values(StopCase{u"Division by zero", u"Division by zero."},
                      StopCase{u"Floating point overflow", u"Floating point overflow."},
                      StopCase{u"Done.", u"Done."}, StopCase{u"Wow!", u"Wow!"},
                      StopCase{u"(x)", u"(x)"}, StopCase{u"a,", u"a,"},
                      StopCase{u"end ", u"end "}, StopCase{u"-", u"-"},
                      StopCase{u"/", u"/."}, StopCase{u"123", u"123."},
                      StopCase{u"What?", u"What?."},
                      StopCase{u"找不到游戏文件。", u"找不到游戏文件。."},
                      StopCase{u"", u""}));

std::shared_ptr<const Exception> Chain(std::initializer_list<std::u16string> messages) {
  std::shared_ptr<Exception> inner;
  for (auto it = std::rbegin(messages); it != std::rend(messages); ++it) {
    auto outer = std::make_shared<Exception>("EOverflow", *it, nullptr);
    if (inner) outer->SetInner(inner);
    inner = outer;
  }
  return inner;
}

TEST(ErrorBoxText, ShowsTheInnermostNonEmptyMessage) {
  EXPECT_EQ(ErrorBoxText(*Chain({u"outer"})), u"outer.");
  EXPECT_EQ(ErrorBoxText(*Chain({u"outer", u"inner"})), u"inner.");
  EXPECT_EQ(ErrorBoxText(*Chain({u"outer", u""})), u"outer.");
  EXPECT_EQ(ErrorBoxText(*Chain({u"a", u"b", u""})), u"b.");
  EXPECT_EQ(ErrorBoxText(*Chain({u"", u"b", u"c!"})), u"c!");
  EXPECT_EQ(ErrorBoxText(*Chain({u"", u""})), u"");
}

// ---- Fatal error box -----------------------------------------------------------------------

TEST(FatalErrorText, FormatsClassModuleOffsetAndMessage) {
  EXPECT_EQ(FatalErrorText("EDivByZero", {u"zixgame.exe", 0x1234}, u"Division by zero"),
            u"Exception EDivByZero in module zixgame.exe at 00001234.\r\nDivision by zero.\r\n");
  EXPECT_EQ(FatalErrorText("EFOpenError", {u"zixgame.exe", 0xABCDEF}, u"Cannot open file."),
            u"Exception EFOpenError in module zixgame.exe at 00ABCDEF.\r\nCannot open file.\r\n");
}

TEST(FatalErrorText, OnlyAFinalFullStopPreventsTheAddedOne) {
  const CodeLocation where{u"m", 0};
  const std::u16string head = u"Exception E in module m at 00000000.\r\n";
  EXPECT_EQ(FatalErrorText("E", where, u"Wow!"), head + u"Wow!.\r\n");
  EXPECT_EQ(FatalErrorText("E", where, u"(x)"), head + u"(x).\r\n");
  EXPECT_EQ(FatalErrorText("E", where, u"end."), head + u"end.\r\n");
  EXPECT_EQ(FatalErrorText("E", where, u""), head + u"\r\n");
}

TEST(FatalErrorText, IsCutAt1023Units) {
  const std::u16string text = FatalErrorText("E", {u"m", 0}, std::u16string(2000, u'x'));
  ASSERT_EQ(text.size(), kFatalTextLimit);
  EXPECT_EQ(text.substr(0, 38), u"Exception E in module m at 00000000.\r\n");
  EXPECT_EQ(text.back(), u'x');
}

TEST(FatalErrorText, NeverCutsASurrogatePairInHalf) {
  const std::u16string head = u"Exception E in module m at 00000000.\r\n";
  // The pair straddles the limit: its high half would be the last unit kept.
  std::u16string message(kFatalTextLimit - head.size() - 1, u'x');
  message += u"\U0001F3AE";
  message += u"tail";
  const std::u16string text = FatalErrorText("E", {u"m", 0}, message);
  EXPECT_EQ(text.size(), kFatalTextLimit - 1);
  EXPECT_EQ(text.back(), u'x');
  // One unit earlier, the whole pair fits.
  message.erase(0, 1);
  EXPECT_EQ(FatalErrorText("E", {u"m", 0}, message).size(), kFatalTextLimit);
}

struct HexCase {
  uintptr_t value;
  std::u16string text;
};

TEST(HexAddress, EightUpperCaseDigitsAtLeast) {
  const HexCase cases[] = {{0, u"00000000"},
                           {0x1234, u"00001234"},
                           {0xABCDEF, u"00ABCDEF"},
                           {0xFFFFFFFF, u"FFFFFFFF"}};
  for (const HexCase& c : cases) EXPECT_EQ(HexAddress(c.value), c.text) << c.value;
  if constexpr (sizeof(uintptr_t) == 8) {
    EXPECT_EQ(HexAddress(static_cast<uintptr_t>(0x123456789ull)), u"123456789");
  }
}

TEST(LocateCodeAddress, InsideAModule) {
  const CodeLocation where =
      LocateCodeAddress(0x401234, ModuleSpan{u"C:\\Games\\zixgame.exe", 0x400000}, u"C:\\own.exe");
  EXPECT_EQ(where.moduleName, u"zixgame.exe");
  EXPECT_EQ(where.offset, 0x1234u);
}

TEST(LocateCodeAddress, OutsideEveryModuleUsesOwnNameAndAddressLess4096) {
  const CodeLocation where = LocateCodeAddress(0x5000, std::nullopt, u"C:\\Games\\zixgame.exe");
  EXPECT_EQ(where.moduleName, u"zixgame.exe");
  EXPECT_EQ(where.offset, 0x4000u);
  EXPECT_EQ(LocateCodeAddress(0, std::nullopt, u"C:\\Games\\zixgame.exe").offset, 0u);
}

// ---- Placement and show command ------------------------------------------------------------

struct CentreCase {
  ScreenRect work;
  int32_t width, height, virtualLeft, virtualTop;
  ScreenPoint expected;
};

TEST(CentredWindowOrigin, Table) {
  const CentreCase cases[] = {
      {{0, 0, 1280, 1024}, 460, 290, 0, 0, {410, 367}},
      {{0, 0, 1280, 994}, 460, 290, 0, 0, {410, 352}},
      // The work area's own left and top are not added.
      {{100, 50, 1380, 1074}, 460, 290, 0, 0, {410, 367}},
      // Larger than the work area: raised to the virtual desktop's edges.
      {{0, 0, 1280, 1024}, 1400, 1100, 0, 0, {0, 0}},
      {{0, 0, 1280, 1024}, 1400, 1100, -1920, -200, {-60, -38}},
      // Odd negative differences truncate toward zero.
      {{0, 0, 1280, 1024}, 1325, 1049, -5000, -5000, {-22, -12}},
      // Sizes at the ends of int32 neither overflow nor wrap.
      {{0, 0, 1280, 1024}, INT_MAX, INT_MAX, INT_MIN, INT_MIN, {-1073741183, -1073741311}},
      {{0, 0, 1280, 1024}, INT_MIN, INT_MIN, 0, 0, {1073742464, 1073742336}},
  };
  for (const CentreCase& c : cases) {
    const ScreenPoint p =
        CentredWindowOrigin(c.work, c.width, c.height, c.virtualLeft, c.virtualTop);
    EXPECT_EQ(p.x, c.expected.x) << c.width << "x" << c.height;
    EXPECT_EQ(p.y, c.expected.y) << c.width << "x" << c.height;
  }
}

TEST(InitialWindowState, FromStartupShowCommand) {
  const struct {
    std::optional<uint16_t> command;
    InitialWindowState state;
    int showCommand;
  } cases[] = {
      {std::nullopt, InitialWindowState::Normal, 1}, {0, InitialWindowState::Normal, 1},
      {1, InitialWindowState::Normal, 1},            {2, InitialWindowState::Normal, 1},
      {3, InitialWindowState::Maximized, 3},         {6, InitialWindowState::Normal, 1},
      {7, InitialWindowState::Minimized, 7},         {10, InitialWindowState::Normal, 1},
      {65535, InitialWindowState::Normal, 1},
  };
  for (const auto& c : cases) {
    const InitialWindowState state = InitialStateFromStartup(c.command);
    EXPECT_EQ(state, c.state) << c.command.value_or(999);
    EXPECT_EQ(ShowCommandFor(state), c.showCommand) << c.command.value_or(999);
  }
}

// ---- Density -------------------------------------------------------------------------------

TEST(MulDivRounded, RoundsHalfAwayFromZeroAndRefusesOverflow) {
  const struct {
    int32_t number, numerator, denominator, result;
  } cases[] = {
      {-11, 96, 96, -11},  {-11, 120, 96, -14}, {-11, 144, 96, -17},
      {453, 14, 13, 488},  {260, 14, 13, 280},  {1, 1, 2, 1},
      {-1, 1, 2, -1},      {1, -1, 2, -1},      {1, 1, -2, -1},
      {-1, -1, -2, -1},    {5, 3, 0, -1},       {INT_MAX, 2, 1, -1},
      {INT_MIN, 1, 1, -1}, {-INT_MAX, 1, 1, -INT_MAX}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MulDivRounded(c.number, c.numerator, c.denominator), c.result)
        << c.number << "*" << c.numerator << "/" << c.denominator;
#ifdef _WIN32
    EXPECT_EQ(MulDivRounded(c.number, c.numerator, c.denominator),
              MulDiv(c.number, c.numerator, c.denominator))
        << "the system's own MulDiv";
#endif
  }
}

TEST(DensityScaling, FontAndCreationSize) {
  EXPECT_EQ(FontHeightForDensity(-11, 96), -11);
  EXPECT_EQ(FontHeightForDensity(-11, 120), -14);
  EXPECT_EQ(FontHeightForDensity(-11, 144), -17);
  EXPECT_EQ(FontHeightForDensity(-11, 192), -22);

  const CreationSize design{453, 260};
  const CreationSize same = ClientSizeForTextHeight(design, 13);
  EXPECT_EQ(same.width, 453);
  EXPECT_EQ(same.height, 260);
  const CreationSize larger = ClientSizeForTextHeight(design, 16);
  EXPECT_EQ(larger.width, 558);
  EXPECT_EQ(larger.height, 320);
  // A failed measurement keeps the design size rather than a window of no size.
  EXPECT_EQ(ClientSizeForTextHeight(design, 0).width, 453);
}

// ---- Processor faults ----------------------------------------------------------------------

TEST(DescribeFault, KnownCodes) {
  const struct {
    uint32_t code;
    const char* className;
    std::u16string message;
  } cases[] = {
      {fault::kIntegerDivideByZero, "EDivByZero", u"Division by zero"},
      {fault::kIntegerOverflow, "EIntOverflow", u"Integer overflow"},
      {fault::kFloatDivideByZero, "EZeroDivide", u"Floating point division by zero"},
      {fault::kFloatOverflow, "EOverflow", u"Floating point overflow"},
      {fault::kFloatUnderflow, "EUnderflow", u"Floating point underflow"},
      {fault::kFloatInvalidOperation, "EInvalidOp", u"Invalid floating point operation"},
      {fault::kStackOverflow, "EStackOverflow", u"Stack overflow"},
      {fault::kPrivilegedInstruction, "EPrivilege", u"Privileged instruction"},
      {fault::kArrayBoundsExceeded, "ERangeError", u"Range check error"},
      {0xE06D7363, "EExternalException", u"External exception E06D7363"},
      {0x80000003, "EExternalException", u"External exception 80000003"},
  };
  for (const auto& c : cases) {
    const fault::FaultError error = fault::DescribeFault({c.code, 0x401000});
    EXPECT_STREQ(error.className, c.className) << std::hex << c.code;
    EXPECT_EQ(error.message, c.message) << std::hex << c.code;
  }
}

TEST(DescribeFault, AccessViolationTellsWhereAndWhat) {
  const auto describe = [](bool info, uintptr_t kind, uintptr_t touched) {
    return fault::DescribeFault({fault::kAccessViolation, 0x401A2B, info, kind, touched});
  };
  EXPECT_STREQ(describe(true, 0, 0).className, "EAccessViolation");
  EXPECT_EQ(describe(true, 0, 0).message,
            u"Access violation at address 00401A2B: read of address 00000000");
  EXPECT_EQ(describe(true, 1, 0x10).message,
            u"Access violation at address 00401A2B: write to address 00000010");
  EXPECT_EQ(describe(true, 8, 0x1000).message,
            u"Access violation at address 00401A2B: execution of address 00001000");
  EXPECT_EQ(describe(false, 0, 0).message, u"Access violation at address 00401A2B");
}

#ifdef _WIN32
TEST(DescribeFault, CodesAreTheSystemsOwn) {
  EXPECT_EQ(fault::kAccessViolation, static_cast<uint32_t>(EXCEPTION_ACCESS_VIOLATION));
  EXPECT_EQ(fault::kIntegerDivideByZero, static_cast<uint32_t>(EXCEPTION_INT_DIVIDE_BY_ZERO));
  EXPECT_EQ(fault::kIntegerOverflow, static_cast<uint32_t>(EXCEPTION_INT_OVERFLOW));
  EXPECT_EQ(fault::kStackOverflow, static_cast<uint32_t>(EXCEPTION_STACK_OVERFLOW));
  EXPECT_EQ(fault::kFloatOverflow, static_cast<uint32_t>(EXCEPTION_FLT_OVERFLOW));
  EXPECT_EQ(fault::kFloatDivideByZero, static_cast<uint32_t>(EXCEPTION_FLT_DIVIDE_BY_ZERO));
  EXPECT_EQ(fault::kFloatInvalidOperation, static_cast<uint32_t>(EXCEPTION_FLT_INVALID_OPERATION));
  EXPECT_EQ(fault::kPrivilegedInstruction, static_cast<uint32_t>(EXCEPTION_PRIV_INSTRUCTION));
  EXPECT_EQ(fault::kIllegalInstruction, static_cast<uint32_t>(EXCEPTION_ILLEGAL_INSTRUCTION));
  EXPECT_EQ(fault::kArrayBoundsExceeded, static_cast<uint32_t>(EXCEPTION_ARRAY_BOUNDS_EXCEEDED));
}
#endif

}  // namespace
}  // namespace zix
