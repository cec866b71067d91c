#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "check/report_output.h"
#include "check_test_support.h"

namespace zix::check {
namespace {

using nlohmann::json;

// Not const: a member the report lacks then reads as null, and the comparison fails.
json ParsedReport(const CheckReport& report) {
  return json::parse(ReportJson(report), nullptr, /*allow_exceptions=*/false);
}

TEST(CheckReportJson, TheReportCarriesTheLauncherOutcomes) {
  CheckOptions options;
  options.client = ClientSize{444, 252};
  const auto checked = testing::Check(
      "\xEF\xBB\xBF[set]\ntitle=游戏\nCount=3\nCol=2\n"
      "[1]\nText=&Play\nHint=abc|def\nexe=bin\\game.exe\nParam=-w\n"
      "[2]\nexe_x64=x64.exe\n"
      "[3]\nmaxOs=1e400\n",
      options, {u"C:\\Games\\bin\\game.exe", u"C:\\Games\\x64.exe"});
  json r = ParsedReport(checked->report);
  ASSERT_FALSE(r.is_discarded());
  EXPECT_EQ(r["window"]["width"], 460);
  EXPECT_EQ(r["window"]["title"], "游戏");
  EXPECT_EQ(r["window"]["client"]["height"], 252);
  EXPECT_EQ(r["grid"]["OriginX"], 132);
  EXPECT_EQ(r["grid"]["OriginY"], 81);
  EXPECT_EQ(r["grid"]["ColCount"], 2);
  EXPECT_EQ(r["count"], 3);

  json& first = r["buttons"][0];
  EXPECT_EQ(first["tag"], 1);
  EXPECT_EQ(first["caption"], "&Play");
  EXPECT_EQ(first["hint"], "abc|def");
  EXPECT_EQ(first["tooltip"], "abc");
  EXPECT_EQ(first["accessKey"], "P");
  EXPECT_EQ(first["left"], 132);
  EXPECT_EQ(first["top"], 81);
  json& started = first["outcome"]["32"];
  EXPECT_EQ(started["kind"], "start");
  EXPECT_EQ(started["file"], "C:\\Games\\bin\\game.exe");
  EXPECT_EQ(started["params"], "-w");
  EXPECT_EQ(started["dir"], "C:\\Games\\bin\\");
  EXPECT_EQ(started["via"], "ExecuteFile");

  json& second = r["buttons"][1];
  EXPECT_TRUE(second["accessKey"].is_null());
  EXPECT_EQ(second["outcome"]["32"]["kind"], "message");
  EXPECT_EQ(second["outcome"]["32"]["text"], "本游戏不支持32位位系统。");
  EXPECT_EQ(second["outcome"]["64"]["file"], "C:\\Games\\x64.exe");

  json& third = r["buttons"][2]["outcome"]["64"];
  EXPECT_EQ(third["kind"], "error");
  EXPECT_EQ(third["class"], "EOverflow");

  json& warnings = r["warnings"];
  ASSERT_TRUE(warnings.is_array());
  ASSERT_EQ(warnings.size(), checked->report.warnings.size());
  for (size_t i = 0; i < warnings.size(); ++i) {
    const CheckWarning& w = checked->report.warnings[i];
    EXPECT_EQ(warnings[i]["code"], w.code);
    if (w.line) EXPECT_EQ(warnings[i]["line"], w.line);
    else EXPECT_TRUE(warnings[i]["line"].is_null());
  }
}

TEST(CheckReportJson, OneImaginedSystemGivesThePlainOutcome) {
  CheckOptions options;
  options.systems = SystemChoice::Only64;
  const auto checked =
      testing::Check("\xEF\xBB\xBF[set]\nCount=2\n[1]\nexe=a.exe\n", options, {u"C:\\Games\\a.exe"});
  json r = ParsedReport(checked->report);
  ASSERT_FALSE(r.is_discarded());
  EXPECT_EQ(r["buttons"][0]["outcome"]["kind"], "start");
  EXPECT_EQ(r["buttons"][1]["outcome"]["lookedFor"], "C:\\Games\\");
}

}  // namespace
}  // namespace zix::check
