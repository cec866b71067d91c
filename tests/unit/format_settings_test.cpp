#include <gtest/gtest.h>

#include "platform/format_settings.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#endif

namespace zix {
namespace {

bool OnlyEnglishInstalled(uint32_t locale) { return locale == kEnglishUnitedStatesLocale; }
bool NothingInstalled(uint32_t) { return false; }
bool EverythingInstalled(uint32_t) { return true; }

TEST(FormatSettings, LocaleChoice) {
  struct Row {
    uint32_t threadLocale;
    bool (*isInstalled)(uint32_t);
    uint32_t chosen;
  };
  const Row rows[] = {
      {0, EverythingInstalled, 1033},   // no thread locale: English (United States)
      {0, NothingInstalled, 0},         // and if even that is refused, the thread's own again
      {2052, EverythingInstalled, 2052},
      {2052, OnlyEnglishInstalled, 2052},  // a refused locale falls back to the thread's
      {1031, NothingInstalled, 1031},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ChooseFormatLocale(row.threadLocale, row.isInstalled), row.chosen)
        << "thread locale " << row.threadLocale;
  }
}

TEST(FormatSettings, SeparatorFromLocaleInfo) {
  struct Row {
    int written;
    char16_t buffer[2];
    char16_t separator;
  };
  const Row rows[] = {
      {2, {u'.', 0}, u'.'},
      {2, {u',', 0}, u','},
      {2, {u'\u066b', 0}, u'\u066b'},
      {0, {0, 0}, u'.'},        // did not fit in one character, or failed
      {0, {u',', 0}, u'.'},     // a failed call's leftovers are not used
      {1, {0, 0}, u'.'},        // an empty setting names no separator
      {2, {0, 0}, u'.'},        // a zero character written as the separator
  };
  for (const Row& row : rows) {
    EXPECT_EQ(SeparatorFromLocaleInfo(row.written, row.buffer), row.separator)
        << "written " << row.written << " first " << static_cast<int>(row.buffer[0]);
  }
}

TEST(FormatSettings, SeparatorFromCLocale) {
  struct Row {
    const char* decimalPoint;
    char16_t separator;
  };
  const Row rows[] = {
      {".", u'.'},  {",", u','},    {"", u'.'},  {nullptr, u'.'},
      {",,", u'.'},  // two characters cannot be one separator
      {"\xd9\xab", u'.'},  // U+066B in UTF-8: not one ASCII byte
      {"\xa0", u'.'},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(SeparatorFromCLocale(row.decimalPoint), row.separator)
        << (row.decimalPoint ? row.decimalPoint : "(null)");
  }
}

TEST(FormatSettings, FixedSeparatorAndChange) {
  FormatSettings format(u',');
  EXPECT_EQ(format.DecimalSeparator(), u',');
  format.SetDecimalSeparator(u'.');
  EXPECT_EQ(format.DecimalSeparator(), u'.');
}

#ifndef _WIN32
TEST(FormatSettings, NativeReadsTheCLocale) {
  // The program never calls setlocale, so the C library answers for the "C" locale.
  FormatSettings format(u'#');
  format.Refresh();
  EXPECT_EQ(format.DecimalSeparator(), u'.');
}
#endif

#ifdef _WIN32
// Sets the user's LOCALE_SDECIMAL for the life of the object and puts the old value back.
class UserDecimalSetting {
 public:
  explicit UserDecimalSetting(const wchar_t* value) {
    wchar_t old[16] = {};
    hadOld_ = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, old, 16) > 0;
    old_ = old;
    set_ = SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, value) != FALSE;
  }
  ~UserDecimalSetting() {
    // Nothing more can be done in a test's clean-up if the system refuses the old value.
    if (set_ && hadOld_) static_cast<void>(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, old_.c_str()));
  }
  UserDecimalSetting(const UserDecimalSetting&) = delete;
  UserDecimalSetting& operator=(const UserDecimalSetting&) = delete;
  bool set() const { return set_; }

 private:
  bool hadOld_ = false;
  bool set_ = false;
  std::wstring old_;
};

TEST(FormatSettingsOnWindows, EnglishUnitedStatesUsesPoint) {
  if (GetUserDefaultLCID() != kEnglishUnitedStatesLocale) {
    GTEST_SKIP() << "a fresh Wine prefix under an English host locale is en-US";
  }
  FormatSettings format(u'#');
  format.Refresh();
  EXPECT_EQ(format.DecimalSeparator(), u'.');
}

TEST(FormatSettingsOnWindows, RefreshSeesTheUsersChange) {
  FormatSettings format;
  const char16_t before = format.DecimalSeparator();
  {
    UserDecimalSetting comma(L",");
    ASSERT_TRUE(comma.set());
    format.Refresh();
    EXPECT_EQ(format.DecimalSeparator(), u',');
    {
      UserDecimalSetting twoCharacters(L",,");
      ASSERT_TRUE(twoCharacters.set());
      format.Refresh();
      EXPECT_EQ(format.DecimalSeparator(), u'.');  // does not fit one character
    }
  }
  format.Refresh();
  EXPECT_EQ(format.DecimalSeparator(), before);
}
#endif

}  // namespace
}  // namespace zix
