#pragma once
// The window of a new settings file: enough columns for a grid about as wide as it is tall,
// buttons wide enough for their captions, and a window that holds the grid with a margin.

#include <cstdint>
#include <span>
#include <string>

namespace zix::check {

struct InitLayout {
  int32_t count = 0;
  int32_t col = 1;
  int32_t width = 0;   // outer size, the frame of a fixed Windows 10 window included
  int32_t height = 0;
  int32_t buttonWidth = 0;  // written only when it is not the launcher's default
};

InitLayout ChooseInitLayout(std::span<const std::u16string> captions);

}  // namespace zix::check
