#include <gtest/gtest.h>

#include "check/json_value.h"
#include "check/json_writer.h"
#include "check/report_output.h"
#include "check_test_support.h"

namespace zix::check {
namespace {

TEST(CheckJsonValue, ReadsWhatTheWriterWrites) {
  const std::u16string texts[] = {u"", u"plain", u"say \"hi\"", u"C:\\Games\\", u"a\nb\tc",
                                  std::u16string(1, u'\x01'), u"游戏", u"\U0001F3AE"};
  for (const auto& text : texts) {
    const auto value = ParseJson(JsonQuoted(text));
    ASSERT_TRUE(value.has_value()) << JsonQuoted(text);
    ASSERT_NE(value->AsString(), nullptr);
    EXPECT_EQ(*value->AsString(), text) << JsonQuoted(text);
  }
}

TEST(CheckJsonValue, Structure) {
  const auto value = ParseJson(R"( {"a": [1, -2, true, null, {"b": "\u00e9\ud83c\udfae"}], "c": {}} )");
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(*(*value)["a"][0].AsInteger(), 1);
  EXPECT_EQ(*(*value)["a"][1].AsInteger(), -2);
  EXPECT_TRUE(*(*value)["a"][2].AsBool());
  EXPECT_TRUE((*value)["a"][3].IsNull());
  EXPECT_EQ(*(*value)["a"][4]["b"].AsString(), u"\u00e9\U0001F3AE");
  EXPECT_NE((*value)["c"].AsObject(), nullptr);
  EXPECT_TRUE((*value)["missing"]["deeper"][7].IsNull());
}

TEST(CheckJsonValue, RejectsWhatIsNoJson) {
  const char* bad[] = {"",        "{",          "[1,]",      "{\"a\" 1}", "\"open",
                       "01",      "-",          "1.5",       "tru",       "{} {}",
                       "\"\\x\"", "\"a\nb\"",   "[1 2]",     "{1:2}",     "99999999999999999999",
                       "\"\\u12\""};
  for (const char* text : bad) EXPECT_FALSE(ParseJson(text).has_value()) << text;
  EXPECT_FALSE(ParseJson(std::string(200, '[') + std::string(200, ']')).has_value())
      << "nesting is bounded";
}

TEST(CheckJsonValue, TheReportCarriesTheLauncherOutcomes) {
  CheckOptions options;
  options.client = ClientSize{444, 252};
  const auto checked = testing::Check(
      "\xEF\xBB\xBF[set]\ntitle=游戏\nCount=3\nCol=2\n"
      "[1]\nText=&Play\nHint=abc|def\nexe=bin\\game.exe\nParam=-w\n"
      "[2]\nexe_x64=x64.exe\n"
      "[3]\nmaxOs=1e400\n",
      options, {u"C:\\Games\\bin\\game.exe", u"C:\\Games\\x64.exe"});
  const auto json = ParseJson(ReportJson(checked->report));
  ASSERT_TRUE(json.has_value());
  const JsonValue& r = *json;
  EXPECT_EQ(*r["window"]["width"].AsInteger(), 460);
  EXPECT_EQ(*r["window"]["title"].AsString(), u"游戏");
  EXPECT_EQ(*r["window"]["client"]["height"].AsInteger(), 252);
  EXPECT_EQ(*r["grid"]["OriginX"].AsInteger(), 132);
  EXPECT_EQ(*r["grid"]["OriginY"].AsInteger(), 81);
  EXPECT_EQ(*r["grid"]["ColCount"].AsInteger(), 2);
  EXPECT_EQ(*r["count"].AsInteger(), 3);

  const JsonValue& first = r["buttons"][0];
  EXPECT_EQ(*first["tag"].AsInteger(), 1);
  EXPECT_EQ(*first["caption"].AsString(), u"&Play");
  EXPECT_EQ(*first["hint"].AsString(), u"abc|def");
  EXPECT_EQ(*first["tooltip"].AsString(), u"abc");
  EXPECT_EQ(*first["accessKey"].AsString(), u"P");
  EXPECT_EQ(*first["left"].AsInteger(), 132);
  EXPECT_EQ(*first["top"].AsInteger(), 81);
  const JsonValue& started = first["outcome"]["32"];
  EXPECT_EQ(*started["kind"].AsString(), u"start");
  EXPECT_EQ(*started["file"].AsString(), u"C:\\Games\\bin\\game.exe");
  EXPECT_EQ(*started["params"].AsString(), u"-w");
  EXPECT_EQ(*started["dir"].AsString(), u"C:\\Games\\bin\\");
  EXPECT_EQ(*started["via"].AsString(), u"ExecuteFile");

  const JsonValue& second = r["buttons"][1];
  EXPECT_TRUE(second["accessKey"].IsNull());
  EXPECT_EQ(*second["outcome"]["32"]["kind"].AsString(), u"message");
  EXPECT_EQ(*second["outcome"]["32"]["text"].AsString(), u"本游戏不支持32位位系统。");
  EXPECT_EQ(*second["outcome"]["64"]["file"].AsString(), u"C:\\Games\\x64.exe");

  const JsonValue& third = r["buttons"][2]["outcome"]["64"];
  EXPECT_EQ(*third["kind"].AsString(), u"error");
  EXPECT_EQ(*third["class"].AsString(), u"EOverflow");

  const JsonValue::Array* warnings = r["warnings"].AsArray();
  ASSERT_NE(warnings, nullptr);
  ASSERT_EQ(warnings->size(), checked->report.warnings.size());
  for (size_t i = 0; i < warnings->size(); ++i) {
    const CheckWarning& w = checked->report.warnings[i];
    EXPECT_EQ(*(*warnings)[i]["code"].AsString(), std::u16string(w.code.begin(), w.code.end()));
    if (w.line) EXPECT_EQ(*(*warnings)[i]["line"].AsInteger(), w.line);
    else EXPECT_TRUE((*warnings)[i]["line"].IsNull());
  }
}

TEST(CheckJsonValue, OneImaginedSystemGivesThePlainOutcome) {
  CheckOptions options;
  options.systems = SystemChoice::Only64;
  const auto checked =
      testing::Check("\xEF\xBB\xBF[set]\nCount=2\n[1]\nexe=a.exe\n", options, {u"C:\\Games\\a.exe"});
  const auto json = ParseJson(ReportJson(checked->report));
  ASSERT_TRUE(json.has_value());
  EXPECT_EQ(*(*json)["buttons"][0]["outcome"]["kind"].AsString(), u"start");
  EXPECT_EQ(*(*json)["buttons"][1]["outcome"]["lookedFor"].AsString(), u"C:\\Games\\");
}

}  // namespace
}  // namespace zix::check
