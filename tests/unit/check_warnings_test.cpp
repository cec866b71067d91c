#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "check_test_support.h"
#include "platform/text_codec.h"

namespace zix::check {
namespace {

using namespace std::string_literals;
using testing::Check;

const std::set<std::u16string> kFiles = {u"C:\\Games\\a.exe", u"C:\\Games\\b.exe",
                                         u"C:\\Games\\bin/a.exe", u"C:\\Games\\\\a.exe"};
const std::set<std::u16string> kFolders = {u"C:\\Games\\data"};

constexpr const char* kMark = "\xEF\xBB\xBF";
constexpr const char* kEntries = "[1]\nText=A\nexe=a.exe\n[2]\nText=B\nexe=b.exe\n";

struct WarningCase {
  const char* name;
  std::string bytes;
  std::vector<std::pair<std::string, uint32_t>> expected;  // every warning: code and line
};

std::string Marked(std::string text) { return kMark + text; }
std::string WithEntries(std::string set) { return Marked(set + kEntries); }

std::vector<WarningCase> Cases() {
  return {
      {"clean", WithEntries("[set]\nCount=2\n"), {}},
      {"section-name-padded", Marked("[set]\nCount=2\n[1]\nexe=a.exe\n[02]\nexe=b.exe\n"),
       {{"count-mismatch", 2}, {"section-name-padded", 5}}},
      {"header-remark", Marked("[set]\nCount=2\n[1] ; first game\nexe=a.exe\n[2]\nexe=b.exe\n"),
       {{"count-mismatch", 2}, {"header-remark", 3}, {"unknown-key", 4}}},
      {"duplicate-section", Marked("[set]\nCount=2\n"s + kEntries + "[set]\ntitle=X\n"),
       {{"duplicate-section", 9}}},
      {"duplicate-key", WithEntries("[set]\nCount=2\nCount=5\n"), {{"duplicate-key", 3}}},
      {"key-before-header", WithEntries("title=X\n[set]\nCount=2\n"), {{"key-before-header", 1}}},
      {"unknown-key in set", WithEntries("[set]\nCount=2\nwidht=500\n"), {{"unknown-key", 3}}},
      {"unknown-key in entry", Marked("[set]\nCount=2\n"s + kEntries + "Params=-w\n"),
       {{"unknown-key", 9}}},
      {"hash is no comment", WithEntries("[set]\nCount=2\n#title=X\n"), {{"unknown-key", 3}}},
      {"non-ascii-no-mark", "[set]\r\nCount=2\r\ntitle=\xE6\xB8\xB8\xE6\x88\x8F\r\n"s + kEntries,
       {{"non-ascii-no-mark", 3}}},
      {"invalid-utf8", WithEntries("[set]\nCount=2\ntitle=\xFF\n"), {{"invalid-utf8", 3}}},
      {"invalid-utf8 after CR only", Marked("[set]\rCount=2\r\n\ntitle=\xC3\n"),
       {{"invalid-utf8", 4}}},
      {"count-missing", WithEntries("[set]\ntitle=X\n"), {{"count-missing", 1}}},
      {"count-missing without set", Marked(kEntries), {{"count-missing", 0}}},
      {"count-invalid", WithEntries("[set]\nCount=two\n"), {{"count-invalid", 2}}},
      {"count-mismatch", Marked("[set]\nCount=3\n"s + kEntries + "[4]\nexe=a.exe\n"),
       {{"count-mismatch", 2}, {"count-mismatch", 9}}},
      {"col-below-1", WithEntries("[set]\nCount=2\nCol=0\n"), {{"col-below-1", 3}}},
      {"integer-invalid", WithEntries("[set]\nCount=2\nbutton_width=8O\n"),
       {{"integer-invalid", 3}}},
      {"number-invalid", Marked("[set]\nCount=2\n[1]\nminOs=seven\nexe=a.exe\n[2]\nexe=b.exe\n"),
       {{"number-invalid", 4}}},
      {"decimal-separator", Marked("[set]\nCount=2\n[1]\nminOs=6,1\nexe=a.exe\n[2]\nexe=b.exe\n"),
       {{"decimal-separator", 4}}},
      {"number-overflow", Marked("[set]\nCount=2\n[1]\nmaxOs=1e400\nexe=a.exe\n[2]\nexe=b.exe\n"),
       {{"number-overflow", 4}}},
      {"inverted-bounds",
       Marked("[set]\nCount=2\n[1]\nminOs=6.2\nmaxOs=6.1\nexe=a.exe\n[2]\nexe=b.exe\n"),
       {{"inverted-bounds", 5}}},
      {"bound-unreachable", Marked("[set]\nCount=2\n[1]\nminOs=10\nexe=a.exe\n[2]\nexe=b.exe\n"),
       {{"bound-unreachable", 4}}},
      {"bound of Windows 8 is reachable",
       Marked("[set]\nCount=2\n[1]\nminOs=6.2\nexe=a.exe\n[2]\nexe=b.exe\n"), {}},
      {"negative-bound", Marked("[set]\nCount=2\n[1]\nmaxOs=-1\nexe=a.exe\n[2]\nexe=b.exe\n"),
       {{"negative-bound", 4}}},
      {"absolute-path", Marked("[set]\nCount=2\n[1]\nexe=D:\\Games\\a.exe\n[2]\nexe=b.exe\n"),
       {{"absolute-path", 4}}},
      {"rooted-path", Marked("[set]\nCount=2\n[1]\nexe=\\a.exe\n[2]\nexe=b.exe\n"),
       {{"rooted-path", 4}}},
      {"forward-slash", Marked("[set]\nCount=2\n[1]\nexe=bin/a.exe\n[2]\nexe=b.exe\n"),
       {{"forward-slash", 4}}},
      {"forward-slash with curDir", Marked("[set]\nCount=2\n[1]\nexe=bin/a.exe\ncurDir=data\n[2]\nexe=b.exe\n"),
       {}},
      {"missing-file", Marked("[set]\nCount=2\n[1]\nexe=c.exe\n[2]\nexe=b.exe\n"),
       {{"missing-file", 4}}},
      {"missing-folder", Marked("[set]\nCount=2\n[1]\nexe=a.exe\ncurDir=saves\n[2]\nexe=b.exe\n"),
       {{"missing-folder", 5}}},
      {"no-executable", Marked("[set]\nCount=2\n[1]\nText=A\n[2]\nexe=b.exe\n"),
       {{"no-executable", 3}}},
      {"x64-only", Marked("[set]\nCount=2\n[1]\nexe_x64=a.exe\n[2]\nexe=b.exe\n"),
       {{"x64-only", 4}}},
      {"button-outside", WithEntries("[set]\nCount=2\nwidth=100\n"), {{"button-outside", 2}}},
      {"button-overlap", WithEntries("[set]\nCount=2\nspace_x=-50\n"), {{"button-overlap", 3}}},
      {"button-overlap below", WithEntries("[set]\nCount=2\nCol=1\nspace_y=-20\n"),
       {{"button-overlap", 4}}},
      {"button-size", WithEntries("[set]\nCount=2\nbutton_height=0\n"), {{"button-size", 3}}},
      {"count-one", Marked("[set]\nCount=1\n[1]\nexe=a.exe\n"), {{"count-one", 2}}},
      {"nul-char", Marked("[set]\nCount=2\ntitle=X\0"s + kEntries),
       {{"count-mismatch", 2}, {"nul-char", 3}}},
      {"unknown-section", WithEntries("[sets]\n[set]\nCount=2\n"), {{"unknown-section", 1}}},
      {"bare-line", WithEntries("[set]\nCount=2\nCol 3\n"), {{"bare-line", 3}}},
      {"second-mark", Marked("\xEF\xBB\xBF[set]\nCount=2\n"s + kEntries),
       {{"count-missing", 0}, {"second-mark", 1}, {"key-before-header", 2}}},
  };
}

TEST(CheckWarnings, EachMistakeIsFoundOnItsLine) {
  for (const WarningCase& c : Cases()) {
    const auto checked = Check(c.bytes, CheckOptions{}, kFiles, kFolders);
    std::vector<std::pair<std::string, uint32_t>> found;
    std::string messages;
    for (const CheckWarning& w : checked->report.warnings) {
      found.emplace_back(w.code, w.line);
      messages += "  " + std::to_string(w.line) + " " + w.code + ": " + ToUtf8(w.message) + "\n";
    }
    EXPECT_EQ(found, c.expected) << c.name << "\n" << messages;
  }
}

TEST(CheckWarnings, TyposGetASuggestion) {
  const auto checked = Check(WithEntries("[set]\nCount=2\nwidht=500\n"), {}, kFiles, kFolders);
  ASSERT_EQ(checked->report.warnings.size(), 1u);
  EXPECT_NE(checked->report.warnings[0].message.find(u"\"width\""), std::u16string::npos)
      << ToUtf8(checked->report.warnings[0].message);
}

TEST(CheckWarnings, DecimalSeparatorFollowsTheImaginedUser) {
  CheckOptions comma;
  comma.decimalSeparator = u',';
  const std::string bounded = Marked("[set]\nCount=2\n[1]\nminOs=6.1\nexe=a.exe\n[2]\nexe=b.exe\n");
  const auto checked = Check(bounded, comma, kFiles, kFolders);
  ASSERT_EQ(checked->report.warnings.size(), 1u);
  EXPECT_EQ(checked->report.warnings[0].code, "decimal-separator");
  EXPECT_NE(checked->report.warnings[0].message.find(u"write 6,1"), std::u16string::npos);
  EXPECT_TRUE(Check(bounded, {}, kFiles, kFolders)->report.warnings.empty());
}

TEST(CheckWarnings, OnlyTheImaginedSystemsCount) {
  CheckOptions only64;
  only64.systems = SystemChoice::Only64;
  const std::string x64Only = Marked("[set]\nCount=2\n[1]\nexe_x64=a.exe\n[2]\nexe=b.exe\n");
  EXPECT_TRUE(Check(x64Only, only64, kFiles, kFolders)->report.warnings.empty());
}

TEST(CheckWarnings, UnmarkedChineseInTheTargetCodePageIsStillReported) {
  // GBK bytes of 游戏: correct on a Chinese system, garbled elsewhere.
  const auto checked = Check("[set]\nCount=2\ntitle=\xD3\xCE\xCF\xB7\n"s + kEntries, {}, kFiles, kFolders);
  ASSERT_EQ(checked->report.warnings.size(), 1u);
  EXPECT_EQ(checked->report.warnings[0].code, "non-ascii-no-mark");
  EXPECT_EQ(checked->report.settings.title, u"游戏");
}

}  // namespace
}  // namespace zix::check
