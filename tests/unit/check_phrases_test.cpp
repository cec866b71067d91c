// Every text of zixgame-check exists in both languages, and the language and the way of
// running are chosen as the tables say.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "check/language.h"
#include "check/phrase.h"
#include "check/start_mode.h"
#include "platform/text_codec.h"

namespace zix::check {
namespace {

std::set<std::u16string> PlaceholdersOf(std::u16string_view text) {
  std::set<std::u16string> found;
  for (size_t i = 0; i + 2 < text.size(); ++i)
    if (text[i] == u'{' && text[i + 1] >= u'1' && text[i + 1] <= u'9' && text[i + 2] == u'}')
      found.insert(std::u16string(text.substr(i, 3)));
  return found;
}

bool HasChineseCharacter(std::u16string_view text) {
  for (const char16_t unit : text)
    if (unit >= 0x2E80) return true;
  return false;
}

TEST(CheckPhrases, EveryPhraseHasItsEnglishAndItsChineseOnce) {
  std::map<uint16_t, int> seen;
  for (const auto table : {kReportPhrases, kWarningPhrases, kCommandPhrases}) {
    for (const PhraseTexts& texts : table) {
      const auto id = static_cast<uint16_t>(texts.phrase);
      ++seen[id];
      SCOPED_TRACE("phrase " + std::to_string(id) + ": " + ToUtf8(texts.english));
      EXPECT_FALSE(texts.english.empty());
      EXPECT_FALSE(texts.chinese.empty());
      EXPECT_NE(texts.english, texts.chinese) << "the Chinese column repeats the English";
      EXPECT_FALSE(HasChineseCharacter(texts.english)) << "Chinese in the English column";
      EXPECT_EQ(PlaceholdersOf(texts.english), PlaceholdersOf(texts.chinese))
          << ToUtf8(texts.chinese);
    }
  }
  for (uint16_t id = 0; id < static_cast<uint16_t>(Phrase::kCount); ++id)
    EXPECT_EQ(seen[id], 1) << "phrase " << id << " is in the tables " << seen[id] << " times";
}

TEST(CheckPhrases, ValuesArePutInOnceAndNestedPhrasesInTheirLanguage) {
  EXPECT_EQ(Say(Language::English, Phrase::CannotWrite, {u"{1}.svg"}), u"cannot write {1}.svg");
  const Said said(Phrase::PathProblem, {std::u16string(u"D:\\游戏"), Phrase::NoSuchFolder});
  EXPECT_EQ(Say(Language::Chinese, said), u"“D:\\游戏”：没有这个文件夹");
  EXPECT_EQ(Say(Language::English, said), u"\"D:\\游戏\": no such folder");
}

TEST(CheckLanguage, FromTheEnvironmentTheFirstVariableSetDecides) {
  using Environment = std::map<std::string, std::string>;
  const struct {
    Environment environment;
    Language expected;
  } cases[] = {
      {{}, Language::English},
      {{{"LANG", "zh_CN.UTF-8"}}, Language::Chinese},
      {{{"LANG", "zh_TW.Big5"}}, Language::Chinese},
      {{{"LANG", "zh"}}, Language::Chinese},
      {{{"LANG", "de_DE.UTF-8"}}, Language::English},
      {{{"LANG", "C"}}, Language::English},
      {{{"LANG", "zu_ZA.UTF-8"}}, Language::English},
      {{{"LC_MESSAGES", "zh_CN.UTF-8"}, {"LANG", "en_US.UTF-8"}}, Language::Chinese},
      {{{"LC_ALL", "en_US.UTF-8"}, {"LC_MESSAGES", "zh_CN.UTF-8"}}, Language::English},
      {{{"LANGUAGE", "zh_CN:en"}, {"LC_ALL", "C.UTF-8"}}, Language::Chinese},
      {{{"LANGUAGE", "en:zh_CN"}, {"LANG", "zh_CN.UTF-8"}}, Language::English},
      {{{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LANG", "zh_SG.UTF-8"}}, Language::Chinese},
  };
  for (const auto& c : cases) {
    const auto lookup = [&](const char* name) -> const char* {
      const auto found = c.environment.find(name);
      return found == c.environment.end() ? nullptr : found->second.c_str();
    };
    std::string shown;
    for (const auto& [name, value] : c.environment) shown += name + "=" + value + " ";
    EXPECT_EQ(LanguageFromEnvironment(lookup), c.expected) << shown;
  }
}

TEST(CheckLanguage, FromWindowsAnyChineseUserInterface) {
  const std::pair<uint16_t, Language> cases[] = {
      {0x0804, Language::Chinese},  // zh-CN
      {0x0404, Language::Chinese},  // zh-TW
      {0x0C04, Language::Chinese},  // zh-HK
      {0x1004, Language::Chinese},  // zh-SG
      {0x0409, Language::English},  // en-US
      {0x0411, Language::English},  // ja-JP
      {0x0407, Language::English},  // de-DE
  };
  for (const auto& [id, expected] : cases) EXPECT_EQ(LanguageOfWindowsLanguageId(id), expected) << id;
}

TEST(CheckLanguage, RequestedOnTheCommandLineEvenBesideMistakes) {
  const struct {
    std::vector<std::u16string> args;
    std::optional<Language> expected;
  } cases[] = {
      {{}, std::nullopt},
      {{u"--lang", u"zh"}, Language::Chinese},
      {{u"--lang=en", u"--system", u"9"}, Language::English},
      {{u"--system", u"9", u"--lang", u"zh"}, Language::Chinese},
      {{u"--lang", u"fr"}, std::nullopt},
      {{u"--lang"}, std::nullopt},
      {{u"--", u"--lang=zh"}, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(RequestedLanguage(c.args), c.expected) << c.args.size();
}

TEST(CheckStartMode, ExplorerOnlyWithAConsoleOfItsOwnOnBothEnds) {
  const struct {
    ConsoleFacts facts;
    StartMode expected;
    const char* what;
  } cases[] = {
      {{true, true, 1, true}, StartMode::Explorer, "double-click or drop: its own console"},
      {{true, true, 2, true}, StartMode::Terminal, "from cmd.exe, which shares its console"},
      {{true, true, 3, true}, StartMode::Terminal, "from a batch file in cmd.exe"},
      {{false, true, 1, true}, StartMode::Terminal, "input redirected"},
      {{true, false, 1, true}, StartMode::Terminal, "output redirected"},
      {{false, false, 1, true}, StartMode::Terminal, "both redirected"},
      {{true, true, 1, false}, StartMode::Terminal, "a console nobody sees (CREATE_NO_WINDOW)"},
      {{false, false, 0, false}, StartMode::Terminal, "no console at all, or not Windows"},
      {{true, true, 0, true}, StartMode::Terminal, "the console cannot tell who shares it"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecideStartMode(c.facts), c.expected) << c.what;
}

}  // namespace
}  // namespace zix::check
