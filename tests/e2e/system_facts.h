#pragma once
// What kind of Windows the suite runs on, as the launcher beside it sees it: where a test's
// outcome depends on the system, it asks here instead of assuming the machine it was written on.

#include <optional>

namespace zix::e2e {

// True on 64-bit Windows, whether the suite is a 64-bit program or a 32-bit one under WOW64.
bool SystemIs64Bit();

// The user's decimal separator; nothing when the locale does not give exactly one character.
std::optional<char16_t> UserDecimalSeparator();

}  // namespace zix::e2e
