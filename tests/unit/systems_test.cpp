#include <gtest/gtest.h>

#include <iterator>

#include "platform/numbers.h"
#include "platform/systems.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/unique_handle_win32.h"
#include "windows_host_win32.h"
#endif

namespace zix {
namespace {

TEST(Systems, ReleaseLabelTable) {
  struct Row {
    VersionPair pair;
    const char16_t* label;
  };
  const Row rows[] = {
      {{4, 0}, u"[win95]"},   {{4, 10}, u"[win98]"},   {{5, 0}, u"[win2000]"},
      {{5, 1}, u"[winxp]"},   {{5, 2}, u"[win2003]"},  {{6, 0}, u"[winvista]"},
      {{6, 1}, u"[win7]"},    {{6, 2}, u"[win8]"},     {{6, 3}, u"[win8.1]"},
      {{10, 0}, u"[win10]"},
      // Outside the table: no label.
      {{10, 1}, u""},         {{6, 4}, u""},           {{7, 0}, u""},
      {{3, 51}, u""},         {{4, 1}, u""},           {{0, 0}, u""},
      {{11, 0}, u""},         {{6, 10}, u""},          {{4294967295u, 0}, u""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ReleaseLabel(row.pair), row.label) << row.pair.major << "." << row.pair.minor;
  }
}

TEST(Systems, VersionNumberTable) {
  struct Row {
    VersionPair pair;
    double number;
  };
  const Row rows[] = {
      {{6, 1}, 6.1},   {{6, 3}, 6.3},   {{10, 0}, 10.0},    {{4, 10}, 4.1},
      {{6, 10}, 6.1},  // the minor version is read as a fraction of its own digits
      {{5, 0}, 5.0},   {{0, 0}, 0.0},   {{6, 123}, 6.123},
      {{4294967295u, 4294967295u}, 4294967295.4294967295},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(VersionNumber(row.pair), row.number) << row.pair.major << "." << row.pair.minor;
  }
}

TEST(Systems, VersionOrderAndBoundsAtEquality) {
  EXPECT_GT(VersionNumber({10, 0}), VersionNumber({6, 3}));
  EXPECT_LT(VersionNumber({6, 10}), VersionNumber({6, 2}));
  // A bound written 6.1 in the settings admits Windows 6.1, whatever the user's separator.
  const double bound = static_cast<double>(*ParseFloat(u"6.1", u'.'));
  EXPECT_EQ(VersionNumber({6, 1}), bound);
  const double commaBound = static_cast<double>(*ParseFloat(u"6,1", u','));
  EXPECT_EQ(VersionNumber({6, 1}), commaBound);
}

TEST(Systems, Win64DecisionTable) {
  struct Row {
    Win64Facts facts;
    bool win64;
  };
  // kernel32, IsWow64Process, GetNativeSystemInfo, under WOW64, architecture.
  const Row rows[] = {
      {{false, false, false, false, 0}, false},
      {{false, true, true, true, 9}, false},   // facts without a module are not trusted
      {{true, false, true, true, 9}, false},   // IsWow64Process missing
      {{true, true, true, false, 9}, false},   // not under WOW64, whatever the processor
      {{true, true, false, true, 9}, false},   // GetNativeSystemInfo missing
      {{true, true, true, true, 9}, true},     // AMD64
      {{true, true, true, true, 6}, true},     // IA64
      {{true, true, true, true, 0}, false},    // x86
      {{true, true, true, true, 12}, false},   // ARM64
      {{true, true, true, true, 5}, false},    // ARM
      {{true, true, true, true, 0xFFFF}, false},  // unknown
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(IsWin64Decision(rows[i].facts), rows[i].win64) << "row " << i;
    EXPECT_EQ(IsWin64ForProcess(false, rows[i].facts), rows[i].win64) << "row " << i;
    // A 64-bit process is never under WOW64, yet it only ever runs on a 64-bit system.
    EXPECT_TRUE(IsWin64ForProcess(true, rows[i].facts)) << "row " << i;
  }
}

#ifndef _WIN32
TEST(Systems, NativeStandInIsWindows10) {
  EXPECT_EQ(RunningSystem().GetWinVersion(), 10.0);
  EXPECT_EQ(RunningSystem().GetWinVersionName(), u"[win10]");
}
#endif

#ifndef _WIN32
TEST(Systems, NativeBitnessFollowsTheMachine) {
#if defined(__x86_64__)
  EXPECT_TRUE(RunningSystem().IsWin64());
#else
  EXPECT_FALSE(RunningSystem().IsWin64());
#endif
}
#endif

#ifdef _WIN32
// True when no Windows version was chosen for the prefix, i.e. Wine's own default applies.
bool PrefixKeepsDefaultVersion() {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Wine", 0, KEY_READ, &opened) != ERROR_SUCCESS) {
    return true;
  }
  const UniqueRegistryKey key(opened);
  return RegQueryValueExW(key.get(), L"Version", nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS;
}

TEST(SystemsOnWindows, ProbeMatchesTheRawQueries) {
  const VersionPair pair = QueryVersionPair();
  EXPECT_EQ(RunningSystem().GetWinVersion(), VersionNumber(pair));
  EXPECT_EQ(RunningSystem().GetWinVersionName(), ReleaseLabel(pair));
}

TEST(SystemsOnWindows, FreshWinePrefixIsWindows7) {
  if (!UnderWine() || !PrefixKeepsDefaultVersion()) {
    GTEST_SKIP() << "only a Wine prefix with its default version reports 6.1";
  }
  const VersionPair pair = QueryVersionPair();
  EXPECT_EQ(pair.major, 6u);
  EXPECT_EQ(pair.minor, 1u);
  EXPECT_EQ(RunningSystem().GetWinVersion(), 6.1);
  EXPECT_EQ(RunningSystem().GetWinVersionName(), u"[win7]");
}

TEST(SystemsOnWindows, Win64FactsOfThisProcess) {
  const Win64Facts facts = QueryWin64Facts();
  EXPECT_TRUE(facts.kernel32Found);
  EXPECT_TRUE(facts.isWow64ProcessFound);
  EXPECT_TRUE(facts.getNativeSystemInfoFound);
#ifdef _WIN64
  // A 64-bit process is not under WOW64, so the table says 32-bit; the probe knows better.
  EXPECT_FALSE(facts.underWow64);
  EXPECT_FALSE(IsWin64Decision(facts));
  EXPECT_TRUE(RunningSystem().IsWin64());
#else
  EXPECT_EQ(RunningSystem().IsWin64(), IsWin64Decision(facts));
#endif
}
#endif

}  // namespace
}  // namespace zix
