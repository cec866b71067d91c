#include "app/keyboard_nav.h"

#include <cstdint>

#include "platform/text_codec.h"

namespace zix {
namespace {

bool IsSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

constexpr std::size_t kNoButton = SIZE_MAX;

// With nothing focused, forward starts at the first button and backward at the last.
std::size_t Next(std::size_t focused, std::size_t count) {
  return focused == kNoButton || focused + 1 >= count ? 0 : focused + 1;
}

std::size_t Previous(std::size_t focused, std::size_t count) {
  return focused == kNoButton || focused == 0 ? count - 1 : focused - 1;
}

}  // namespace

KeyOutcome DecideNavKey(NavKey key, KeyModifiers modifiers, std::optional<std::size_t> focused,
                        std::size_t count) {
  using Kind = KeyOutcome::Kind;
  // A focus index beyond the buttons is treated as no focus at all.
  const std::size_t at = focused && *focused < count ? *focused : kNoButton;
  switch (key) {
    case NavKey::Tab:
      if (modifiers.alt || modifiers.ctrl || count == 0) return {};
      return {Kind::MoveFocus, modifiers.shift ? Previous(at, count) : Next(at, count)};
    case NavKey::Right:
    case NavKey::Down:
      if (modifiers.alt || count == 0) return {};
      return {Kind::MoveFocus, Next(at, count)};
    case NavKey::Left:
    case NavKey::Up:
      if (modifiers.alt || count == 0) return {};
      return {Kind::MoveFocus, Previous(at, count)};
    case NavKey::Enter:
      if (modifiers.shift || modifiers.ctrl || modifiers.alt || at == kNoButton) return {};
      return {Kind::Press, at};
    case NavKey::Escape:
      // No game button is a cancel button; taking the key keeps it from closing anything.
      return {Kind::Swallow, 0};
  }
  return {};
}

std::optional<std::size_t> FocusOnActivation(std::optional<std::size_t> focused,
                                             std::size_t count) {
  if (focused && *focused < count) return focused;
  if (count == 0) return std::nullopt;
  return 0;
}

std::optional<char16_t> AccessKeyOf(std::u16string_view caption) {
  std::optional<char16_t> key;
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    ++i;  // "&&" is one shown "&" and no access key
    if (caption[i] == u'&') continue;
    // A character beyond one code unit cannot be typed as one; matching half of it would
    // press the button for every character that shares that half.
    key = IsSurrogate(caption[i]) ? std::nullopt : std::optional<char16_t>(caption[i]);
  }
  return key;
}

std::optional<std::size_t> AccessKeyTarget(std::span<const std::u16string> captions,
                                           char16_t typed, bool altHeld, bool buttonFocused) {
  if (!altHeld && !buttonFocused) return std::nullopt;
  const std::u16string wanted = UpperCaseUnits(std::u16string_view(&typed, 1));
  for (std::size_t i = 0; i < captions.size(); ++i) {
    const std::optional<char16_t> key = AccessKeyOf(captions[i]);
    if (key && UpperCaseUnits(std::u16string_view(&*key, 1)) == wanted) return i;
  }
  return std::nullopt;
}

}  // namespace zix
