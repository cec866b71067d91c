#include "check/document_lookup.h"
#include "check/phrase.h"
#include "check/report_warnings.h"
#include "platform/numbers.h"
#include "settings/launcher_keys.h"

namespace zix::check {

namespace {

bool Overlap(const ButtonRect& a, const ButtonRect& b) {
  if (a.width <= 0 || a.height <= 0 || b.width <= 0 || b.height <= 0) return false;
  return int64_t{a.left} < int64_t{b.left} + b.width && int64_t{b.left} < int64_t{a.left} + a.width &&
         int64_t{a.top} < int64_t{b.top} + b.height && int64_t{b.top} < int64_t{a.top} + a.height;
}

std::u16string Place(const ButtonReport& button, Language language) {
  const ButtonRect& r = button.buttonSpec.rect;
  return Say(language, Phrase::ButtonPlace,
             {DecimalText(button.buttonSpec.tag), DecimalText(r.left), DecimalText(r.top),
              DecimalText(r.width), DecimalText(r.height)});
}

}  // namespace

void AddLayoutWarnings(const IniDocument& document, const CheckReport& report, Warnings& warnings) {
  const auto& buttons = report.buttons;
  if (buttons.empty()) return;
  const Language language = report.options.language;
  const auto lineOf = [&](std::u16string_view key) {
    return LineOfKey(document, keys::kSetSection, key);
  };

  if (report.grid.ButtonWidth <= 0 || report.grid.ButtonHeight <= 0) {
    warnings.push_back({lineOf(report.grid.ButtonWidth <= 0 ? keys::kButtonWidth.name
                                                            : keys::kButtonHeight.name),
                        "button-size",
                        Say(language, Phrase::ButtonSize,
                            {DecimalText(report.grid.ButtonWidth), DecimalText(report.grid.ButtonHeight)})});
  }

  size_t outside = 0;
  const ButtonReport* firstOutside = nullptr;
  for (const ButtonReport& button : buttons) {
    if (!button.outsideClient) continue;
    if (!firstOutside) firstOutside = &button;
    ++outside;
  }
  if (firstOutside) {
    warnings.push_back(
        {lineOf(keys::kCount.name), "button-outside",
         Say(language, Phrase::ButtonOutside,
             {DecimalText(static_cast<int64_t>(outside)), DecimalText(static_cast<int64_t>(buttons.size())),
              DecimalText(report.client.width), DecimalText(report.client.height),
              Place(*firstOutside, language)})});
  }

  // The grid repeats one step across and one step down, so if any two buttons overlap, a
  // button overlaps its right-hand or its lower neighbour.
  const size_t columns = static_cast<size_t>(report.grid.ColCount);
  struct Neighbour {
    size_t index;
    bool exists;
    const char16_t* key;
  };
  const Neighbour neighbours[] = {{1, columns >= 2, u"space_x"}, {columns, true, u"space_y"}};
  for (const auto& [step, exists, key] : neighbours) {
    if (!exists || step >= buttons.size()) continue;
    if (!Overlap(buttons[0].buttonSpec.rect, buttons[step].buttonSpec.rect)) continue;
    warnings.push_back({lineOf(key), "button-overlap",
                        Say(language, Phrase::ButtonOverlap,
                            {Place(buttons[0], language), Place(buttons[step], language), key})});
  }
}

}  // namespace zix::check
