#include "app/title_rule.h"

namespace zix {

std::u16string AsciiLowerCase(std::u16string_view text) {
  std::u16string lowered(text);
  for (char16_t& unit : lowered) {
    if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit - u'A' + u'a');
  }
  return lowered;
}

std::u16string ApplicationTitle(std::u16string_view exeFileName, LowerCaseUnits lower) {
  std::u16string_view name = exeFileName;
  if (const size_t slash = name.rfind(u'\\'); slash != std::u16string_view::npos) {
    name.remove_prefix(slash + 1);
  }
  if (const size_t dot = name.find(u'.'); dot != std::u16string_view::npos) {
    name = name.substr(0, dot);
  }
  if (name.empty()) return std::u16string();
  std::u16string title(name.substr(0, 1));
  title.append(lower(name.substr(1)));
  return title;
}

}  // namespace zix
