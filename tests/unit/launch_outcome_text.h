#pragma once
// A launch decision as one line of text, so that tables of expected outcomes can hold it and a
// failure shows it.

#include <string>
#include <variant>

#include "launcher/launch_decision.h"
#include "platform/text_codec.h"

namespace zix::testing {

// "start <via> <file> | <params> | <dir>" or "message <text>".
inline std::string Describe(const LaunchOutcome& outcome) {
  if (const auto* message = std::get_if<LaunchMessage>(&outcome)) return "message " + ToUtf8(message->text);
  const auto& start = std::get<LaunchStart>(outcome);
  return std::string("start ") + (start.via == LaunchVia::ExecuteFile ? "ExecuteFile " : "InDir ") +
         ToUtf8(start.file) + " | " + ToUtf8(start.params) + " | " + ToUtf8(start.dir);
}

}  // namespace zix::testing
