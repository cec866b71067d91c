#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "check/json_writer.h"
#include "platform/text_codec.h"

namespace zix::check {
namespace {

TEST(CheckJsonWriter, StringsAreEscaped) {
  const std::pair<std::u16string, std::string> cases[] = {
      {u"", "\"\""},
      {u"plain", "\"plain\""},
      {u"say \"hi\"", "\"say \\\"hi\\\"\""},
      {u"C:\\Games\\", "\"C:\\\\Games\\\\\""},
      {u"a\nb\rc\td", "\"a\\nb\\rc\\td\""},
      {std::u16string(1, u'\x01') + u"\x1F\x7F", "\"\\u0001\\u001f\\u007f\""},
      {u"游戏", "\"\xE6\xB8\xB8\xE6\x88\x8F\""},
      {u"\U0001F3AE", "\"\xF0\x9F\x8E\xAE\""},
      // Half a pair, alone, at either end or the halves swapped: escaped, never U+FFFD.
      {std::u16string(u"a") + char16_t{0xD83C}, "\"a\\ud83c\""},
      {std::u16string(1, char16_t{0xDFAE}) + u"b", "\"\\udfaeb\""},
      {std::u16string{char16_t{0xDFAE}, char16_t{0xD83C}}, "\"\\udfae\\ud83c\""},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(JsonQuoted(text), expected);
}

TEST(CheckJsonWriter, CommasOnlyBetweenValues) {
  JsonWriter json;
  json.BeginObject();
  json.Key("a");
  json.BeginArray();
  json.Integer(-1);
  json.Boolean(true);
  json.Null();
  json.BeginObject();
  json.EndObject();
  json.EndArray();
  json.Key("b");
  json.String(u"x");
  json.Key("c");
  json.BeginArray();
  json.EndArray();
  json.EndObject();
  EXPECT_EQ(json.Text(), R"({"a":[-1,true,null,{}],"b":"x","c":[]})");
}

TEST(CheckJsonWriter, AJsonReaderReadsBackWhatItWrites) {
  const std::u16string texts[] = {u"", u"plain", u"say \"hi\"", u"C:\\Games\\", u"a\nb\tc",
                                  std::u16string(1, u'\x01'), u"游戏", u"\U0001F3AE"};
  for (const auto& text : texts) {
    const nlohmann::json value = nlohmann::json::parse(JsonQuoted(text), nullptr, /*allow_exceptions=*/false);
    ASSERT_TRUE(value.is_string()) << JsonQuoted(text);
    EXPECT_EQ(value.get<std::string>(), ToUtf8(text)) << JsonQuoted(text);
  }
}

}  // namespace
}  // namespace zix::check
