#include "app/keyboard_nav.h"

#include <optional>
#include <string>
#include <vector>

#include "gtest/gtest.h"

namespace zix {

// Found by gtest through argument-dependent lookup, so it lives in the type's own namespace.
void PrintTo(const KeyOutcome& o, std::ostream* os);
void PrintTo(const KeyOutcome& o, std::ostream* os) {
  static const char* const kinds[] = {"NotMine", "Swallow", "MoveFocus", "Press"};
  *os << kinds[static_cast<int>(o.kind)] << "(" << o.button << ")";
}

namespace {

using Kind = KeyOutcome::Kind;
constexpr KeyModifiers kNone{}, kShift{true, false, false}, kCtrl{false, true, false},
    kAlt{false, false, true}, kShiftCtrl{true, true, false};

struct NavCase {
  const char* name;
  NavKey key;
  KeyModifiers modifiers;
  std::optional<std::size_t> focused;
  std::size_t count;
  KeyOutcome expected;
};

const NavCase kNavCases[] = {
    {"tab moves on", NavKey::Tab, kNone, 1, 3, {Kind::MoveFocus, 2}},
    {"tab from the last wraps to the first", NavKey::Tab, kNone, 2, 3, {Kind::MoveFocus, 0}},
    {"shift tab moves back", NavKey::Tab, kShift, 2, 3, {Kind::MoveFocus, 1}},
    {"shift tab from the first wraps to the last", NavKey::Tab, kShift, 0, 3, {Kind::MoveFocus, 2}},
    {"ctrl tab is not ours", NavKey::Tab, kCtrl, 0, 3, {}},
    {"alt tab is not ours", NavKey::Tab, kAlt, 0, 3, {}},
    {"tab with one button stays on it", NavKey::Tab, kNone, 0, 1, {Kind::MoveFocus, 0}},
    {"tab with nothing focused starts at the first", NavKey::Tab, kNone, std::nullopt, 3,
     {Kind::MoveFocus, 0}},
    {"shift tab with nothing focused starts at the last", NavKey::Tab, kShift, std::nullopt, 3,
     {Kind::MoveFocus, 2}},
    {"a stale focus index counts as none", NavKey::Tab, kNone, 7, 3, {Kind::MoveFocus, 0}},
    {"tab without buttons is not ours", NavKey::Tab, kNone, std::nullopt, 0, {}},
    {"right moves on", NavKey::Right, kNone, 0, 3, {Kind::MoveFocus, 1}},
    {"down moves on", NavKey::Down, kNone, 1, 3, {Kind::MoveFocus, 2}},
    {"down from the last wraps", NavKey::Down, kNone, 2, 3, {Kind::MoveFocus, 0}},
    {"left from the first wraps to the last", NavKey::Left, kNone, 0, 3, {Kind::MoveFocus, 2}},
    {"up moves back", NavKey::Up, kNone, 2, 3, {Kind::MoveFocus, 1}},
    {"shift and ctrl do not stop arrows", NavKey::Left, kShiftCtrl, 1, 3, {Kind::MoveFocus, 0}},
    {"alt right is not ours", NavKey::Right, kAlt, 0, 3, {}},
    {"alt up is not ours", NavKey::Up, kAlt, 1, 3, {}},
    {"arrows without buttons are not ours", NavKey::Left, kNone, std::nullopt, 0, {}},
    {"enter presses the focused button", NavKey::Enter, kNone, 1, 3, {Kind::Press, 1}},
    {"shift enter is not ours", NavKey::Enter, kShift, 1, 3, {}},
    {"ctrl enter is not ours", NavKey::Enter, kCtrl, 1, 3, {}},
    {"alt enter is not ours", NavKey::Enter, kAlt, 1, 3, {}},
    {"enter with nothing focused is not ours", NavKey::Enter, kNone, std::nullopt, 3, {}},
    {"enter on a stale focus index is not ours", NavKey::Enter, kNone, 3, 3, {}},
    {"escape does nothing", NavKey::Escape, kNone, 1, 3, {Kind::Swallow, 0}},
};

TEST(KeyboardNav, NavigationKeys) {
  for (const NavCase& c : kNavCases) {
    EXPECT_EQ(DecideNavKey(c.key, c.modifiers, c.focused, c.count), c.expected) << c.name;
  }
}

TEST(KeyboardNav, ActivationFocusesTheFirstButtonUnlessOneHasTheFocus) {
  EXPECT_EQ(FocusOnActivation(std::nullopt, 3), std::optional<std::size_t>(0));
  EXPECT_EQ(FocusOnActivation(2, 3), std::optional<std::size_t>(2));
  EXPECT_EQ(FocusOnActivation(5, 3), std::optional<std::size_t>(0));
  EXPECT_EQ(FocusOnActivation(std::nullopt, 0), std::nullopt);
}

TEST(KeyboardNav, AccessKeyOfACaption) {
  const struct {
    std::u16string caption;
    std::optional<char16_t> key;
  } cases[] = {
      {u"&Play", u'P'},          {u"Pl&ay", u'a'},         {u"Tom && Jerry", std::nullopt},
      {u"&&Play", std::nullopt}, {u"&&&Play", u'P'},       {u"&A or &B", u'B'},
      {u"&A && B", u'A'},        {u"Play", std::nullopt},  {u"", std::nullopt},
      {u"&", std::nullopt},      {u"&A&", u'A'},           {u"&&", std::nullopt},
      {u"&游戏", u'游'},         {u"& x", u' '},           {u"&1942", u'1'},
      // A character beyond one code unit cannot be typed as one.
      {u"&\U0001F3AE", std::nullopt}, {u"&A&\U0001F3AE", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AccessKeyOf(c.caption), c.key) << ::testing::PrintToString(c.caption);
  }
}

TEST(KeyboardNav, TypedCharacterPressesTheButtonWithThatAccessKey) {
  const std::vector<std::u16string> captions = {u"Tom && Jerry", u"&Play", u"&Quit", u"Rep&lay"};
  const struct {
    const char* name;
    char16_t typed;
    bool alt, focused;
    std::optional<std::size_t> pressed;
  } cases[] = {
      {"alone while a button has the focus", u'q', false, true, 2},
      {"with alt", u'Q', true, false, 2},
      {"with alt while focused", u'q', true, true, 2},
      {"lower case matches upper", u'p', false, true, 1},
      {"the first in tab order wins", u'P', true, false, 1},
      {"upper case matches lower", u'L', false, true, 3},
      {"alone without focus does nothing", u'q', false, false, std::nullopt},
      {"no button has the key", u'x', true, true, std::nullopt},
      {"an ampersand is no access key", u'&', true, true, std::nullopt},
      {"space matches nothing here", u' ', false, true, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AccessKeyTarget(captions, c.typed, c.alt, c.focused), c.pressed) << c.name;
  }
}

#ifdef _WIN32
// Beyond ASCII the system's own upper-casing decides, as it does for the underlined letter.
TEST(KeyboardNav, AccessKeysBeyondAsciiIgnoreCase) {
  const std::vector<std::u16string> captions = {u"&Éclair", u"&Игра"};
  EXPECT_EQ(AccessKeyTarget(captions, u'é', true, false), std::optional<std::size_t>(0));
  EXPECT_EQ(AccessKeyTarget(captions, u'и', false, true), std::optional<std::size_t>(1));
}
#endif

TEST(KeyboardNav, NoButtonsNoPress) {
  EXPECT_EQ(AccessKeyTarget({}, u'p', true, true), std::nullopt);
}

}  // namespace
}  // namespace zix
