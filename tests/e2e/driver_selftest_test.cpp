// The driver's own pieces that a launcher fault could otherwise hide behind: a record that
// does not survive its file, or a snapshot that misses a change, would pass broken launchers.

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "file_bytes.h"
#include "box_icon.h"
#include "e2e_timing.h"
#include "folder_snapshot.h"
#include "game_record.h"
#include "launcher_folder.h"
#include "message_box_reader.h"
#include "own_message_box.h"
#include "system_facts.h"
#include "text_convert.h"
#include "wine_settings.h"

namespace zix::e2e {
namespace {

std::optional<std::wstring> EnvironmentValue(const wchar_t* name) {
  wchar_t value[64];
  const DWORD length = GetEnvironmentVariableW(name, value, 64);
  if (length == 0 || length >= 64) return std::nullopt;
  return std::wstring(value, length);
}

// A run meant for another kind of Windows, code page or decimal separator would pass the wrong
// column of every table that depends on them; the runner names what each run's prefix must
// give (ZIX_E2E_WINDOWS 32 or 64, ZIX_E2E_CODEPAGE, ZIX_E2E_DECIMAL), and this holds it to that.
TEST(SuiteMachine, IsTheOneTheRunAskedFor) {
  const std::wstring windows = SystemIs64Bit() ? L"64" : L"32";
  const std::wstring codePage = std::to_wstring(GetACP());
  const std::optional<char16_t> decimal = UserDecimalSeparator();
  const std::wstring separator = decimal ? std::wstring(1, static_cast<wchar_t>(*decimal)) : L"(none)";
  std::printf("suite on %ls-bit Windows, code page %ls, decimal separator \"%ls\"\n", windows.c_str(),
              codePage.c_str(), separator.c_str());
  EXPECT_EQ(EnvironmentValue(L"ZIX_E2E_WINDOWS").value_or(windows), windows);
  EXPECT_EQ(EnvironmentValue(L"ZIX_E2E_CODEPAGE").value_or(codePage), codePage);
  EXPECT_EQ(EnvironmentValue(L"ZIX_E2E_DECIMAL").value_or(separator), separator);
}

struct RecordCase {
  const char* name;
  GameRecord record;
};

class RecordRoundTrip : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordRoundTrip, DecodesWhatWasEncoded) {
  const GameRecord& record = GetParam().record;
  const std::vector<GameRecord> decoded = DecodeRecords(EncodeRecord(record) + EncodeRecord(record));
  ASSERT_EQ(decoded.size(), 2u);
  EXPECT_EQ(decoded[0], record);
  EXPECT_EQ(decoded[1], record);
}

INSTANTIATE_TEST_SUITE_P(
    Records, RecordRoundTrip,
    ::testing::Values(
        RecordCase{"plain", {u"\"C:\\a\\g.exe\" -x", u"C:\\a", u"C:\\a\\g.exe", u"C:\\a\\x.dll\nerror 126\n"}},
        RecordCase{"empty", {u"", u"", u""}},
        RecordCase{"separators", {u"a\tb\nc\rd", u"%41%", u"100% sure\x01"}},
        RecordCase{"chinese", {u"\"C:\\游戏 目录\\游戏.exe\" --名字 \"带 空格\"", u"C:\\游戏 目录",
                               u"C:\\游戏 目录\\游戏.exe"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordFile, LineStillBeingWrittenIsNotARecord) {
  const std::string whole = EncodeRecord({u"a", u"b", u"c"});
  EXPECT_EQ(DecodeRecords(whole + "partial\tline").size(), 1u);
  EXPECT_TRUE(DecodeRecords(whole.substr(0, whole.size() - 1)).empty());
}

TEST(RecordFile, MalformedLineIsKeptVisible) {
  const std::vector<GameRecord> records = DecodeRecords("only one field\n");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].commandLine, u"only one field");
}

TEST(Snapshot, SeesEveryKindOfChange) {
  LauncherFolder folder;
  ASSERT_TRUE(folder.ok());
  ASSERT_TRUE(folder.AddFile(u"zixgame.ini", "[set]\r\n"));
  ASSERT_TRUE(folder.AddFile(u"sub\\game.exe", "MZ"));
  const FolderSnapshot before = TakeSnapshot(folder.Path());
  EXPECT_EQ(DescribeChanges(before, TakeSnapshot(folder.Path())), "");

  ASSERT_TRUE(folder.AddFile(u"zixgame.ini", "[set]\r\r"));  // same size, one byte differs
  EXPECT_NE(DescribeChanges(before, TakeSnapshot(folder.Path())).find("changed zixgame.ini"),
            std::string::npos);
  ASSERT_TRUE(folder.AddFile(u"zixgame.ini", "[set]\r\n"));
  ASSERT_TRUE(folder.AddFolder(u"sub\\new"));
  EXPECT_NE(DescribeChanges(before, TakeSnapshot(folder.Path())).find("added sub\\new"),
            std::string::npos);
}

TEST(Snapshot, RecordFileLivesOutsideTheLauncherFolder) {
  LauncherFolder folder;
  ASSERT_TRUE(folder.ok());
  EXPECT_NE(folder.RecordPath().rfind(folder.Path(), 0), 0u);
}

TEST(WineSettings, ValueComesBackAfterTheScope) {
  const std::optional<std::u16string> before = ReadWineSetting(u"", u"Version");
  {
    const ScopedWineVersion outer(u"win81");
    ASSERT_TRUE(outer.ok());
    {
      const ScopedWineVersion inner(u"winxp64");
      ASSERT_TRUE(inner.ok());
      EXPECT_EQ(ReadWineSetting(u"", u"Version"), u"winxp64");
    }
    EXPECT_EQ(ReadWineSetting(u"", u"Version"), u"win81");
  }
  EXPECT_EQ(ReadWineSetting(u"", u"Version"), before);
}

// The icon reader tells boxes apart by their pixels; a reader that answered "information" for
// every box would pass every launcher message, right or wrong.
struct IconCase {
  const char* name;
  UINT style;
  BoxIcon icon;
};

void PrintTo(const IconCase& c, std::ostream* os) { *os << c.name; }

class BoxReaders : public ::testing::TestWithParam<IconCase> {};

TEST_P(BoxReaders, ReadOwnBox) {
  const OwnMessageBox box(L"zixgame e2e reader check", GetParam().style);
  ASSERT_TRUE(box.Window());
  const std::optional<MessageBoxFacts> facts = ReadMessageBox(box.Window());
  ASSERT_TRUE(facts);
  EXPECT_EQ(facts->caption, u"zixgame e2e reader check");
  EXPECT_EQ(facts->text, u"probe");
  EXPECT_EQ(facts->owner, nullptr);
  EXPECT_EQ(facts->buttons.size(), 1u);
  EXPECT_TRUE(facts->okButton);
  const BoxIcon icon = ReadBoxIcon(box.Window(), kAppearMs);
  EXPECT_EQ(icon, GetParam().icon) << IconName(icon);
}

INSTANTIATE_TEST_SUITE_P(Icons, BoxReaders,
                         ::testing::Values(IconCase{"Information", MB_ICONINFORMATION, BoxIcon::Information},
                                           IconCase{"Error", MB_ICONERROR, BoxIcon::Error},
                                           IconCase{"Warning", MB_ICONWARNING, BoxIcon::Warning},
                                           IconCase{"Question", MB_ICONQUESTION, BoxIcon::Question},
                                           IconCase{"NoIcon", MB_OK, BoxIcon::None}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zix::e2e
