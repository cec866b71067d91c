// An entry's lowest and highest Windows version against the version Wine tells the launcher.
// The launcher declares no supported systems in its manifest, so for Windows 8.1 and 10 it is
// told 6.2, as Windows tells such programs: Wine 8 does the same, as the rows below record.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "box_expectations.h"
#include "e2e_timing.h"
#include "launcher/game_button_ids.h"
#include "launcher_fixture.h"
#include "settings_bytes.h"
#include "system_facts.h"
#include "text_convert.h"
#include "window_reader.h"
#include "wine_settings.h"

namespace zix::e2e {
namespace {

struct VersionCase {
  const char* name;
  const char16_t* wineVersion;  // HKCU\Software\Wine "Version" while the launcher runs
  const char* bounds;           // the minOs / maxOs lines of the entry
  const char16_t* refusedWith;  // the release label of the refusal; null: the game starts
  bool gamePresent = true;
};

void PrintTo(const VersionCase& c, std::ostream* os) { *os << c.name; }

class VersionBoundsTest : public LauncherTest {
 protected:
  void ExpectStartOrRefusal(const VersionCase& c);
};

void VersionBoundsTest::ExpectStartOrRefusal(const VersionCase& c) {
  ScopedWineVersion version(c.wineVersion);
  ASSERT_TRUE(version.ok()) << "cannot set the Windows version Wine tells";
  ASSERT_TRUE(folder_.WriteSettings(std::string("[set]\r\nCount=2\r\n[1]\r\nexe=fake.exe\r\n") + c.bounds));
  if (c.gamePresent) {
    ASSERT_TRUE(folder_.AddFakeGame(u"fake.exe"));
  }
  ASSERT_TRUE(Start());
  HWND main = WaitForMainWindow();
  ASSERT_TRUE(main);
  ASSERT_TRUE(ClickButton(ChildWithId(main, GameButtonId(1))));
  if (c.refusedWith) {
    const std::optional<MessageBoxFacts> box = WaitForBox();
    ASSERT_TRUE(box);
    ExpectLauncherMessage(*box, std::u16string(kVersionRefused) + c.refusedWith);
    ASSERT_TRUE(PressOk(*box, kBoxGoneMs));
  } else {
    EXPECT_EQ(WaitForRecords(1).size(), 1u) << "the game did not start";
  }
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
  if (c.refusedWith) {
    EXPECT_TRUE(Records().empty());
  }
}

class VersionBounds : public VersionBoundsTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(VersionBounds, StartOrRefusal) { ExpectStartOrRefusal(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Bounds, VersionBounds,
    ::testing::Values(
        VersionCase{"Win7AtLowerBound", u"win7", "minOs=6.1\r\n", nullptr},
        VersionCase{"Win7AtUpperBound", u"win7", "maxOs=6.1\r\n", nullptr},
        VersionCase{"Win7AtBothBounds", u"win7", "minOs=6.1\r\nmaxOs=6.1\r\n", nullptr},
        VersionCase{"Win7BelowLowerBound", u"win7", "minOs=6.2\r\n", u"[win7]"},
        VersionCase{"Win7AboveUpperBound", u"win7", "maxOs=6.0\r\n", u"[win7]"},
        VersionCase{"MinorTenReadsAsOne", u"win7", "minOs=6.10\r\nmaxOs=6.10\r\n", nullptr},
        VersionCase{"ExponentForm", u"win7", "minOs=61e-1\r\nmaxOs=0.61E1\r\n", nullptr},
        VersionCase{"InvertedBoundsRefuseAll", u"win7", "minOs=7\r\nmaxOs=5\r\n", u"[win7]"},
        VersionCase{"NegativeLowerBoundPassesAll", u"win7", "minOs=-1\r\n", nullptr},
        VersionCase{"NegativeUpperBoundRefusesAll", u"win7", "maxOs=-1\r\n", u"[win7]"},
        VersionCase{"NoNumberIsNoBound", u"win7", "minOs=abc\r\nmaxOs=six\r\n", nullptr},
        VersionCase{"ZeroIsNoBound", u"win7", "minOs=0\r\nmaxOs=-0.0\r\n", nullptr},
        VersionCase{"RefusalComesBeforeTheMissingFile", u"win7", "minOs=99\r\n", u"[win7]", false},
        VersionCase{"Win81IsToldWin8", u"win81", "maxOs=6.1\r\n", u"[win8]"},
        VersionCase{"Win81AtItsToldVersion", u"win81", "minOs=6.2\r\nmaxOs=6.2\r\n", nullptr},
        VersionCase{"Win81BelowWin81", u"win81", "minOs=6.3\r\n", u"[win8]"},
        VersionCase{"Win10IsToldWin8", u"win10", "maxOs=6.1\r\n", u"[win8]"},
        VersionCase{"Win10AtItsToldVersion", u"win10", "minOs=6.2\r\nmaxOs=6.2\r\n", nullptr},
        VersionCase{"Win10BelowWin10", u"win10", "minOs=10\r\n", u"[win8]"},
        VersionCase{"Win8Label", u"win8", "maxOs=1\r\n", u"[win8]"},
        VersionCase{"VistaLabel", u"vista", "maxOs=1\r\n", u"[winvista]"},
        VersionCase{"Win2003Label", u"win2003", "maxOs=1\r\n", u"[win2003]"},
        VersionCase{"WinXp64IsPairFiveTwo", u"winxp64", "maxOs=1\r\n", u"[win2003]"},
        VersionCase{"WinXpLabel", u"winxp", "maxOs=1\r\n", u"[winxp]"},
        VersionCase{"Win2000Label", u"win2k", "maxOs=1\r\n", u"[win2000]"},
        VersionCase{"Win98Label", u"win98", "maxOs=1\r\n", u"[win98]"},
        VersionCase{"Win98MinorTenReadsAsOneTenth", u"win98", "minOs=4.1\r\nmaxOs=4.1\r\n", nullptr},
        VersionCase{"Win98BelowFourPointTwo", u"win98", "minOs=4.2\r\n", u"[win98]"},
        VersionCase{"Nt40IsPairFourZero", u"nt40", "maxOs=1\r\n", u"[win95]"},
        VersionCase{"Win2008IsPairSixZero", u"win2008", "maxOs=1\r\n", u"[winvista]"}),
    [](const auto& info) { return std::string(info.param.name); });

// The same bounds read by a user whose decimal separator is "." and by one whose separator is
// ",": the other character makes no number, and so no bound. Told Windows 7 (6.1).
struct SeparatorCase {
  const char* name;
  const char* bounds;
  const char16_t* refusedWherePoint;  // null: the game starts
  const char16_t* refusedWhereComma;
};

void PrintTo(const SeparatorCase& c, std::ostream* os) { *os << c.name; }

class DecimalSeparator : public VersionBoundsTest, public ::testing::WithParamInterface<SeparatorCase> {};

TEST_P(DecimalSeparator, BoundsInTheUsersOwnForm) {
  const std::optional<char16_t> separator = UserDecimalSeparator();
  ASSERT_TRUE(separator == u'.' || separator == u',') << "a decimal separator this table has no column for";
  const SeparatorCase& c = GetParam();
  ExpectStartOrRefusal({c.name, u"win7", c.bounds, *separator == u'.' ? c.refusedWherePoint : c.refusedWhereComma});
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, DecimalSeparator,
    ::testing::Values(SeparatorCase{"PointAboveTheVersion", "minOs=6.2\r\n", u"[win7]", nullptr},
                      SeparatorCase{"CommaAboveTheVersion", "minOs=6,2\r\n", nullptr, u"[win7]"},
                      SeparatorCase{"CommaBelowTheVersion", "maxOs=6,0\r\n", nullptr, u"[win7]"},
                      SeparatorCase{"CommaAtBothBounds", "minOs=6,1\r\nmaxOs=6,1\r\n", nullptr, nullptr},
                      SeparatorCase{"CommaIsNoThousandsSeparator", "maxOs=1,000\r\n", nullptr, u"[win7]"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zix::e2e
