#pragma once
// What a run started from Explorer asks of the system: its console, its own folder, the
// user's temporary folder and the browser.

#include <optional>
#include <string>

#include "check/start_mode.h"

namespace zix::check {

ConsoleFacts QueryConsoleFacts();

// Keys pressed before the question are no answer to it.
void ForgetPressedKeys();

// Waits for one key to go down on the console: its character, or 0 for a key without one
// (such as F1); none when the console gives no more input. Shift, Ctrl and Alt alone are no key.
std::optional<char16_t> WaitForKey();

// The folder of zixgame-check itself, with its closing separator.
std::u16string ProgramFolder();

// The user's temporary folder, with its closing separator; none when the system names none.
std::optional<std::u16string> TemporaryFolder();

// Has the shell open the file in the program that shows its kind (a page: the default
// browser): none when it did, else the shell's error code.
std::optional<unsigned> OpenWithShell(const std::u16string& file);

}  // namespace zix::check
