#include "launcher/grid_layout.h"

#include "launcher/int32_math.h"
#include "platform/numbers.h"
#include "settings/launcher_keys.h"

namespace zix {

TGridLayout GridLayout;

namespace {
int32_t ReadSetInteger(const TCustomIniFile& ini, const keys::IntegerKey& key) {
  return ini.ReadInteger(keys::kSetSection, key.name, key.defaultValue);
}
}  // namespace

StartupSettings ReadStartupSettings(const TCustomIniFile& ini) {
  StartupSettings s;
  s.width = ReadSetInteger(ini, keys::kWidth);
  s.height = ReadSetInteger(ini, keys::kHeight);
  s.buttonWidth = ReadSetInteger(ini, keys::kButtonWidth);
  s.buttonHeight = ReadSetInteger(ini, keys::kButtonHeight);
  s.spaceX = ReadSetInteger(ini, keys::kSpaceX);
  s.spaceY = ReadSetInteger(ini, keys::kSpaceY);
  s.count = ReadSetInteger(ini, keys::kCount);
  s.col = ReadSetInteger(ini, keys::kCol);
  s.title = ini.ReadString(keys::kSetSection, keys::kTitle.name, keys::kTitle.defaultValue);
  return s;
}

int32_t EffectiveColumns(int32_t col) { return col < 1 ? 1 : col; }

int32_t RowCount(int32_t count, int32_t colCount) {
  // In 64 bits: a Count near the top of the range must not wrap into a negative row count.
  const int64_t rows = (int64_t{count} + colCount - 1) / colCount;
  return static_cast<int32_t>(rows);
}

TGridLayout ComputeGridLayout(const StartupSettings& s, int32_t clientWidth, int32_t clientHeight) {
  TGridLayout g;
  g.ButtonWidth = s.buttonWidth;
  g.ButtonHeight = s.buttonHeight;
  g.SpaceX = s.spaceX;
  g.SpaceY = s.spaceY;
  g.ColCount = EffectiveColumns(s.col);

  const int32_t rowWidth =
      WrapAdd(WrapMul(g.ColCount, g.ButtonWidth), WrapMul(g.ColCount - 1, g.SpaceX));
  g.OriginX = TruncDiv(WrapSub(clientWidth, rowWidth), 2);

  const int32_t rows = RowCount(s.count, g.ColCount);
  const int32_t gridHeight = WrapSub(WrapMul(rows, WrapAdd(g.ButtonHeight, g.SpaceY)), g.SpaceY);
  g.OriginY = TruncDiv(WrapSub(clientHeight, gridHeight), 2);
  return g;
}

ButtonRect GameButtonRect(const TGridLayout& g, int32_t index) {
  const int32_t column = index % g.ColCount;
  const int32_t row = index / g.ColCount;
  ButtonRect r;
  r.left = WrapAdd(WrapMul(column, WrapAdd(g.ButtonWidth, g.SpaceX)), g.OriginX);
  r.top = WrapAdd(WrapMul(row, WrapAdd(g.ButtonHeight, g.SpaceY)), g.OriginY);
  r.height = g.ButtonHeight;
  r.width = g.ButtonWidth;
  return r;
}

std::u16string EntrySectionName(int32_t entryNumber) {
  // Entry numbers are positive; read as unsigned, a wrapped one still names no sign.
  return DecimalText(static_cast<uint32_t>(entryNumber));
}

GameButtonSpec ReadGameButton(const TCustomIniFile& ini, const TGridLayout& layout, int32_t index) {
  GameButtonSpec b;
  b.tag = index + 1;
  const std::u16string section = EntrySectionName(b.tag);
  b.caption = ini.ReadString(section, keys::kText.name, keys::kText.defaultValue);
  b.rect = GameButtonRect(layout, index);
  b.hint = ini.ReadString(section, keys::kHint.name, keys::kHint.defaultValue);
  return b;
}

}  // namespace zix
