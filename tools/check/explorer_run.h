#pragma once
// A run started from Explorer: the console closes when the program ends, so the report waits
// for a key, the page opens in the browser, and a folder without settings gets the offer of
// a new settings file.

#include <span>
#include <string>

namespace zix::check {

int RunFromExplorer(std::span<const std::u16string> args);

}  // namespace zix::check
