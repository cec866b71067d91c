#include <gtest/gtest.h>

#include <vector>

#include "check/check_options.h"
#include "platform/text_codec.h"

namespace zix::check {
namespace {

std::variant<CheckOptions, UsageError> Parse(std::vector<std::u16string> args) {
  return ParseCheckOptions(args);
}

CheckOptions Accepted(std::vector<std::u16string> args) {
  auto parsed = Parse(std::move(args));
  if (auto* error = std::get_if<UsageError>(&parsed))
    ADD_FAILURE() << ToUtf8(Say(Language::English, error->message));
  return std::get_if<CheckOptions>(&parsed) ? std::get<CheckOptions>(parsed) : CheckOptions{};
}

TEST(CheckOptions, DefaultsImagineWhatWindows8To11ReportInCGames) {
  const CheckOptions o = Accepted({});
  EXPECT_EQ(o.systems, SystemChoice::Both);
  EXPECT_EQ(o.windows.major, 6u);
  EXPECT_EQ(o.windows.minor, 2u);
  EXPECT_FALSE(o.showVersion);
  EXPECT_EQ(o.decimalSeparator, u'.');
  EXPECT_FALSE(o.client.has_value());
  EXPECT_EQ(o.codePage, 936u);
  EXPECT_EQ(o.launcherDir, u"C:\\Games\\");
  EXPECT_FALSE(o.json);
  EXPECT_FALSE(o.svgPath.has_value());
  EXPECT_EQ(o.target, u".");
}

TEST(CheckOptions, EveryOptionInBothSpellings) {
  for (const bool joined : {false, true}) {
    std::vector<std::u16string> args;
    const auto add = [&](std::u16string name, std::u16string value) {
      if (joined) {
        args.push_back(name + u"=" + value);
      } else {
        args.push_back(name);
        args.push_back(value);
      }
    };
    add(u"--system", u"32");
    add(u"--windows", u"6.1");
    add(u"--decimal", u",");
    add(u"--client", u"454x265");
    add(u"--codepage", u"1252");
    add(u"--launcher-dir", u"D:\\Spiele");
    add(u"--svg", u"out.svg");
    args.push_back(u"--json");
    args.push_back(u"collection");
    const CheckOptions o = Accepted(args);
    EXPECT_EQ(o.systems, SystemChoice::Only32);
    EXPECT_EQ(o.windows.major, 6u);
    EXPECT_EQ(o.windows.minor, 1u);
    EXPECT_EQ(o.decimalSeparator, u',');
    ASSERT_TRUE(o.client.has_value());
    EXPECT_EQ(o.client->width, 454);
    EXPECT_EQ(o.client->height, 265);
    EXPECT_EQ(o.codePage, 1252u);
    EXPECT_EQ(o.launcherDir, u"D:\\Spiele\\") << "the launcher folder always ends with a backslash";
    EXPECT_EQ(o.svgPath.value_or(u""), u"out.svg");
    EXPECT_TRUE(o.json);
    EXPECT_EQ(o.target, u"collection");
  }
}

TEST(CheckOptions, LanguageAutorunAndWhetherATargetWasGiven) {
  const CheckOptions chinese = Accepted({u"--lang", u"zh", u"--init", u"--autorun", u"games"});
  EXPECT_EQ(chinese.language, Language::Chinese);
  EXPECT_TRUE(chinese.languageGiven && chinese.autorun && chinese.targetGiven);
  const CheckOptions plain = Accepted({u"--lang=en"});
  EXPECT_EQ(plain.language, Language::English);
  EXPECT_FALSE(plain.targetGiven);
}

TEST(CheckOptions, SystemChoices) {
  EXPECT_EQ(Accepted({u"--system", u"64"}).systems, SystemChoice::Only64);
  EXPECT_EQ(Accepted({u"--system", u"both"}).systems, SystemChoice::Both);
}

TEST(CheckOptions, VersionWithoutMinorMeansMinorZero) {
  const CheckOptions o = Accepted({u"--windows", u"10"});
  EXPECT_EQ(o.windows.major, 10u);
  EXPECT_EQ(o.windows.minor, 0u);
}

TEST(CheckOptions, VersionAsksForTheToolsOwnAndTakesNoValue) {
  const CheckOptions o = Accepted({u"--version", u"games"});
  EXPECT_TRUE(o.showVersion);
  EXPECT_EQ(o.target, u"games");
}

TEST(CheckOptions, DoubleDashEndsOptions) {
  EXPECT_EQ(Accepted({u"--", u"--json"}).target, u"--json");
}

TEST(CheckOptions, MistakesAreUsageErrors) {
  const std::vector<std::vector<std::u16string>> cases = {
      {u"--system", u"16"},        {u"--system"},
      {u"--windows", u"6,1"},      {u"--windows", u"win7"},
      {u"--windows", u"6."},       {u"--windows", u"99999999999.0"},
      {u"--decimal", u""},         {u"--decimal", u".."},
      {u"--client", u"454"},       {u"--client", u"454x"},
      {u"--client", u"-4x5"},      {u"--client", u"3000000000x5"},
      {u"--codepage", u"0"},       {u"--codepage", u"70000"},
      {u"--codepage", u"cp936"},   {u"--launcher-dir", u""},
      {u"--svg", u""},             {u"--colour"},
      {u"-x"},                     {u"one", u"two"},
      {u"--lang", u"fr"},          {u"--lang"},
      {u"--autorun"},              {u"--init", u"--autorun", u"--output", u"-"},
  };
  for (const auto& args : cases) {
    const auto parsed = Parse(args);
    std::string shown;
    for (const auto& arg : args) shown += ToUtf8(arg) + " ";
    EXPECT_TRUE(std::holds_alternative<UsageError>(parsed)) << shown;
  }
}

}  // namespace
}  // namespace zix::check
