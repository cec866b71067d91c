#pragma once
// One finding about a settings file: where, which kind, and what to do about it.

#include <cstdint>
#include <string>
#include <vector>

namespace zix::check {

struct CheckWarning {
  uint32_t line = 0;  // 1-based line of the decoded text; 0 when no one line is to blame
  std::string code;   // stable, for scripts: "duplicate-key", "missing-file", ...
  std::u16string message;
};

using Warnings = std::vector<CheckWarning>;

// Line order, findings without a line first; findings on one line keep their order.
void SortWarnings(Warnings& warnings);

}  // namespace zix::check
