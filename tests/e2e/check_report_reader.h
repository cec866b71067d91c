#pragma once
// The parts of zixgame-check's JSON report (one imagined system) that a user can see the
// launcher do: the window, each button, and what a press on it ends in.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zix::e2e {

struct PredictedOutcome {
  std::u16string kind;             // "start", "message" or "error"
  std::u16string file;             // start: the file handed to the shell
  std::u16string params;           // start
  std::u16string dir;              // start: the working folder handed to the shell
  std::optional<bool> dirExists;   // start with curDir: whether that folder is there
  std::u16string text;             // message: the box text; error: the error's message
};

struct PredictedButton {
  int64_t tag = 0;
  std::u16string caption;
  int64_t left = 0;
  int64_t top = 0;
  int64_t width = 0;
  int64_t height = 0;
  PredictedOutcome outcome;
};

struct PredictedLauncher {
  int64_t width = 0;  // outer size
  int64_t height = 0;
  std::u16string title;
  int64_t count = 0;
  std::vector<PredictedButton> buttons;
};

// Nothing, with the first field that is missing or of the wrong type in *problem, when the
// text is no report of one imagined system.
std::optional<PredictedLauncher> ReadCheckReport(std::string_view json, std::string* problem);

}  // namespace zix::e2e
