#pragma once
// Which key moves the focus among the game buttons or presses one. Pure functions over the
// buttons' captions (in tab order) and the index of the focused button; the Win32 side maps
// virtual keys to NavKey, reads the modifiers and carries out the outcome.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zix {

enum class NavKey { Tab, Left, Right, Up, Down, Enter, Escape };

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

struct KeyOutcome {
  enum class Kind {
    NotMine,    // not a navigation key in this state: translate and dispatch it as usual
    Swallow,    // taken, and nothing happens
    MoveFocus,  // give `button` the focus
    Press,      // run the OnClick of `button`
  };
  Kind kind = Kind::NotMine;
  std::size_t button = 0;
  friend bool operator==(const KeyOutcome&, const KeyOutcome&) = default;
};

// What a navigation key does with `count` buttons, `focused` being the button with the focus.
KeyOutcome DecideNavKey(NavKey key, KeyModifiers modifiers, std::optional<std::size_t> focused,
                        std::size_t count);

// The button that gets the focus when the main window is activated: the focused one if any,
// else the first.
std::optional<std::size_t> FocusOnActivation(std::optional<std::size_t> focused,
                                             std::size_t count);

// The access key of a caption: the character after the last "&" that is not part of "&&" and
// has a character after it; none when there is no such "&".
std::optional<char16_t> AccessKeyOf(std::u16string_view caption);

// The button that a typed character presses: the first in tab order whose access key is the
// character, letters compared without regard to case. A character counts only when typed with
// Alt held or while a button has the focus.
std::optional<std::size_t> AccessKeyTarget(std::span<const std::u16string> captions,
                                           char16_t typed, bool altHeld, bool buttonFocused);

}  // namespace zix
