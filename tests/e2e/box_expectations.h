#pragma once
// What every box of a kind must look like, checked the same way wherever one appears.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "message_box_reader.h"

namespace zix::e2e {

inline constexpr char16_t kLauncherCaption[] = u"提示";
inline constexpr char16_t kGameFileMissing[] = u"找不到游戏文件。";
inline constexpr char16_t kVersionRefused[] = u"当前游戏不支持";
inline constexpr char16_t kNo32BitSupport[] = u"本游戏不支持32位位系统。";

// The launcher's own message: caption "提示", the text, an information icon, above all other
// windows, one button.
void ExpectLauncherMessage(const MessageBoxFacts& box, std::u16string_view text);

// The error box of a failed click handler: caption = the launcher's title, error icon, one button.
void ExpectErrorBox(const MessageBoxFacts& box, std::u16string_view caption, std::u16string_view text);

// The fatal box before the message loop: "Application Error", no owner, error icon, one button.
void ExpectFatalBox(const MessageBoxFacts& box);

// The fatal box's text is "Exception <class> in module zixgame.exe at <8 upper-case hex
// digits>.\r\n<message><.>\r\n": gives back <message><.>, or nothing when the frame is not there.
std::optional<std::u16string> FatalMessage(const std::u16string& text, std::u16string_view errorClass);

}  // namespace zix::e2e
