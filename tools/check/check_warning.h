#pragma once
// One finding about a settings file: where, which kind, and what to do about it.

#include <cstdint>
#include <string>
#include <vector>

namespace zix::check {

struct CheckWarning {
  CheckWarning(uint32_t at, std::string kind, std::u16string text, std::u16string about = {})
      : line(at), code(std::move(kind)), message(std::move(text)), file(std::move(about)) {}
  uint32_t line = 0;  // 1-based line of the decoded text; 0 when no one line is to blame
  std::string code;   // stable, for scripts: "duplicate-key", "missing-file", ...
  std::u16string message;
  std::u16string file;  // the file it is about, when that is not the settings file
};

using Warnings = std::vector<CheckWarning>;

// Line order, findings without a line first; findings on one line keep their order.
void SortWarnings(Warnings& warnings);

}  // namespace zix::check
