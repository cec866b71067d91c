#include "check/phrase.h"

namespace zix::check {

namespace {

std::u16string_view TextOf(Language language, Phrase phrase) {
  for (const auto table : {kReportPhrases, kWarningPhrases, kCommandPhrases})
    for (const PhraseTexts& texts : table)
      if (texts.phrase == phrase) return language == Language::Chinese ? texts.chinese : texts.english;
  return u"?";  // the tables' own test keeps this from ever showing
}

std::u16string Fill(std::u16string_view pattern, std::span<const std::u16string_view> values) {
  std::u16string out;
  out.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == u'{' && i + 2 < pattern.size() && pattern[i + 1] >= u'1' &&
        pattern[i + 1] <= u'9' && pattern[i + 2] == u'}') {
      const size_t index = static_cast<size_t>(pattern[i + 1] - u'1');
      if (index < values.size()) out += values[index];
      i += 2;
      continue;
    }
    out += pattern[i];
  }
  return out;
}

}  // namespace

std::u16string Say(Language language, Phrase phrase,
                   std::initializer_list<std::u16string_view> values) {
  return Fill(TextOf(language, phrase), std::span(values.begin(), values.size()));
}

std::u16string Say(Language language, const Said& said) {
  std::vector<std::u16string> texts;
  for (const auto& value : said.values) {
    const Phrase* phrase = std::get_if<Phrase>(&value);
    texts.push_back(phrase ? Say(language, *phrase) : std::get<std::u16string>(value));
  }
  const std::vector<std::u16string_view> views(texts.begin(), texts.end());
  return Fill(TextOf(language, said.phrase), views);
}

}  // namespace zix::check
