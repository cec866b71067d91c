#pragma once
// Every section and key the launcher reads, with its default. Names are written exactly as
// they stand in zixgame.ini.

#include <cstdint>
#include <string_view>

namespace zix::keys {

inline constexpr std::u16string_view kSettingsFileName = u"zixgame.ini";

inline constexpr std::u16string_view kSetSection = u"set";

struct IntegerKey {
  std::u16string_view name;
  int32_t defaultValue;
};
struct TextKey {
  std::u16string_view name;
  std::u16string_view defaultValue;
};
struct FloatKey {
  std::u16string_view name;
  double defaultValue;
};

// Section "set".
inline constexpr IntegerKey kWidth{u"width", 460};
inline constexpr IntegerKey kHeight{u"height", 290};
inline constexpr IntegerKey kButtonWidth{u"button_width", 80};
inline constexpr IntegerKey kButtonHeight{u"button_height", 35};
inline constexpr IntegerKey kSpaceX{u"space_x", 20};
inline constexpr IntegerKey kSpaceY{u"space_y", 20};
inline constexpr IntegerKey kCount{u"Count", 0};
inline constexpr IntegerKey kCol{u"Col", 2};
inline constexpr TextKey kTitle{u"title", u"游戏启动"};

// A game entry's section, named with the decimal entry number.
inline constexpr TextKey kText{u"Text", u""};
inline constexpr TextKey kHint{u"Hint", u""};
inline constexpr FloatKey kMinOs{u"minOs", 0.0};
inline constexpr FloatKey kMaxOs{u"maxOs", 0.0};
inline constexpr TextKey kExe{u"exe", u""};
inline constexpr TextKey kExeX64{u"exe_x64", u""};
inline constexpr TextKey kCurDir{u"curDir", u""};
inline constexpr TextKey kParam{u"Param", u""};
inline constexpr TextKey kParamX64{u"Param_x64", u""};

// For tools that look for unknown keys.
inline constexpr std::u16string_view kSetKeys[] = {kWidth.name,   kHeight.name, kButtonWidth.name,
                                                   kButtonHeight.name, kSpaceX.name, kSpaceY.name,
                                                   kCount.name,   kCol.name,    kTitle.name};
inline constexpr std::u16string_view kEntryKeys[] = {kText.name,  kHint.name,   kMinOs.name,
                                                     kMaxOs.name, kExe.name,    kExeX64.name,
                                                     kCurDir.name, kParam.name, kParamX64.name};

}  // namespace zix::keys
