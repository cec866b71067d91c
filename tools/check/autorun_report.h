#pragma once
// What AutoPlay makes of the autorun.inf beside a collection: the program it starts, the icon
// and the label Explorer shows for the disc.

#include <optional>
#include <string>

namespace zix::check {

struct AutorunReport {
  std::u16string filePath;
  std::optional<std::u16string> open;  // as written after open=; none: AutoPlay starts nothing
  std::optional<std::u16string> icon;
  std::optional<std::u16string> label;
};

}  // namespace zix::check
