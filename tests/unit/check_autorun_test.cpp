// The autorun.inf of a disc: what AutoPlay starts from the ones found beside a collection, and
// the one --init --autorun writes.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <vector>

#include "check/autorun_check.h"
#include "platform/text_codec.h"

namespace zix::check {
namespace {

using namespace std::string_literals;

struct Found {
  std::vector<std::pair<std::string, uint32_t>> warnings;
  std::optional<std::u16string> open;
  std::optional<std::u16string> label;
};

Found Check(const std::optional<std::string>& bytes, std::set<std::u16string> files) {
  CheckReport report;
  CheckAutorun(u"autorun.inf", bytes, 936,
               [&](std::u16string_view name) {
                 for (const auto& file : files)
                   if (NamesMatch(file, name)) return true;
                 return false;
               },
               report);
  Found found;
  for (const CheckWarning& w : report.warnings) {
    EXPECT_EQ(w.file, u"autorun.inf") << w.code;
    found.warnings.emplace_back(w.code, w.line);
  }
  if (report.autorun) {
    found.open = report.autorun->open;
    found.label = report.autorun->label;
  }
  return found;
}

TEST(CheckAutorun, WhatAutoPlayStartsAndWhatIsWrongWithIt) {
  const std::string written = ComposeAutorun(u"游戏启动");
  const struct {
    const char* name;
    std::optional<std::string> bytes;
    std::set<std::u16string> files;
    std::vector<std::pair<std::string, uint32_t>> expected;
    std::optional<std::u16string> open;
  } cases[] = {
      {"as --init writes it", written, {u"zixgame.exe"}, {}, u"zixgame.exe"},
      {"the launcher not copied yet", written, {}, {{"autorun-open", 2}, {"autorun-icon", 3}}, u"zixgame.exe"},
      {"a menu program", "[autorun]\r\nopen=menu.exe\r\nicon=menu.exe\r\n"s, {u"menu.exe"},
       {{"autorun-open", 2}}, u"menu.exe"},
      {"names and letter case as Windows matches them",
       "[AutoRun]\nOPEN=\"ZIXGAME.EXE\" -x\nIcon=\"disc.ico\",0\n"s, {u"zixgame.exe"},
       {{"autorun-icon", 3}}, u"\"ZIXGAME.EXE\" -x"},
      {"shellexecute starts the launcher too", "[autorun]\nshellexecute=zixgame.exe\nicon=zixgame.exe\n"s,
       {u"zixgame.exe"}, {}, u"zixgame.exe"},
      {"nothing to start, no icon", "[autorun]\nlabel=Games\n"s, {u"zixgame.exe"},
       {{"autorun-open", 1}, {"autorun-icon", 1}}, std::nullopt},
      {"no [autorun] section", "open=zixgame.exe\n"s, {u"zixgame.exe"}, {{"autorun-open", 0}}, std::nullopt},
      {"a line that is no key", "[autorun]\nopen=zixgame.exe\nicon=zixgame.exe,0\nzixgame.exe\n"s,
       {u"zixgame.exe"}, {{"autorun-unreadable", 4}}, u"zixgame.exe"},
      {"invalid UTF-8 after its mark", "\xEF\xBB\xBF[autorun]\nlabel=\xFF\nopen=zixgame.exe\n"s,
       {u"zixgame.exe"}, {{"autorun-unreadable", 2}}, std::nullopt},
      {"there but unreadable", std::nullopt, {u"zixgame.exe"}, {{"autorun-unreadable", 0}}, std::nullopt},
  };
  for (const auto& c : cases) {
    const Found found = Check(c.bytes, c.files);
    EXPECT_EQ(found.warnings, c.expected) << c.name;
    EXPECT_EQ(found.open, c.open) << c.name;
  }
}

TEST(CheckAutorun, UnmarkedFilesAreReadInTheCodePage) {
  const Found found = Check("[autorun]\r\nopen=zixgame.exe\r\nicon=zixgame.exe\r\nlabel=\xD3\xCE\xCF\xB7\r\n"s,
                            {u"zixgame.exe"});
  EXPECT_EQ(found.label, u"游戏");
}

TEST(CheckAutorun, TheDiscLabelIsTheTitleWhereAJolietLabelHoldsIt) {
  const std::pair<std::u16string, bool> cases[] = {
      {u"游戏启动", true},           {u"1234567890123456", true}, {u"12345678901234567", false},
      {u"", false},                  {u"tab\there", false},       {u"我的游戏合集 Arcade", true},
  };
  for (const auto& [title, kept] : cases) {
    EXPECT_EQ(DiscLabelFor(title).has_value(), kept) << ToUtf8(title);
    const std::string bytes = ComposeAutorun(title);
    ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    std::u16string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
      text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                    static_cast<unsigned char>(bytes[i + 1]) << 8);
    const std::u16string expected = u"[autorun]\r\nopen=zixgame.exe\r\nicon=zixgame.exe,0\r\n" +
                                    (kept ? u"label=" + title + u"\r\n" : u"");
    EXPECT_EQ(text, expected) << ToUtf8(title);
  }
}

}  // namespace
}  // namespace zix::check
