#pragma once
// How many game buttons the main window makes at most and which control identifier each one
// gets: the launcher, zixgame-check and the tests that find buttons by identifier go by this.

#include <cstdint>

namespace zix {

// Windows refuses a process more than 10000 windows by default, so no settings file can rely
// on more buttons; Wine has no such refusal, and its server fails as a whole (taking every
// program of the session with it) when the windows run out. Stopping here makes both end in
// the same clear error.
inline constexpr int32_t kMostGameButtons = 10000;

// Entry N's button is control 1000 + N: clear of IDOK and IDCANCEL, and with at most
// kMostGameButtons buttons far below the 16 bits that WM_COMMAND carries.
inline constexpr int32_t kFirstGameButtonId = 1000;

constexpr int32_t GameButtonId(int32_t entry) { return kFirstGameButtonId + entry; }

}  // namespace zix
