#pragma once
// Where the window's grid of game buttons goes: the settings read at start-up, the centred
// origin for a client size, and each button's rectangle. Pure arithmetic on signed 32-bit
// integers that wraps as the machine does and divides truncating toward zero.

#include <cstdint>
#include <string>

#include "settings/ini_file.h"

namespace zix {

struct TGridLayout {
  int32_t OriginX = 0;
  int32_t OriginY = 0;
  int32_t SpaceX = 0;
  int32_t SpaceY = 0;
  int32_t ButtonWidth = 0;
  int32_t ButtonHeight = 0;
  int32_t ColCount = 1;
};

// The one grid of the program: written once by LoadByCreate, read by CreateGameButtons.
extern TGridLayout GridLayout;

// What LoadByCreate reads from the section "set".
struct StartupSettings {
  int32_t width = 0;
  int32_t height = 0;
  int32_t buttonWidth = 0;
  int32_t buttonHeight = 0;
  int32_t spaceX = 0;
  int32_t spaceY = 0;
  int32_t count = 0;
  int32_t col = 0;  // as written; a value below 1 counts as one column
  std::u16string title;
};

StartupSettings ReadStartupSettings(const TCustomIniFile& ini);

// The column count the grid uses: Col, or 1 when Col is below 1.
int32_t EffectiveColumns(int32_t col);

// Rows that count buttons fill in colCount columns (0 for count 0 or less).
int32_t RowCount(int32_t count, int32_t colCount);

// The layout for the given client size, the grid centred in it.
TGridLayout ComputeGridLayout(const StartupSettings& settings, int32_t clientWidth,
                              int32_t clientHeight);

struct ButtonRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
};

// The place of the button with zero-based index (entry number index + 1).
ButtonRect GameButtonRect(const TGridLayout& layout, int32_t index);

// One game button as the window builds it.
struct GameButtonSpec {
  int32_t tag = 0;  // the entry number
  std::u16string caption;
  std::u16string hint;
  ButtonRect rect;
};

GameButtonSpec ReadGameButton(const TCustomIniFile& ini, const TGridLayout& layout, int32_t index);

// The decimal text of an entry number: the name of its section.
std::u16string EntrySectionName(int32_t entryNumber);

}  // namespace zix
