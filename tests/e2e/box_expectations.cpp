#include "box_expectations.h"

#include <gtest/gtest.h>

#include "box_icon.h"
#include "e2e_timing.h"
#include "text_convert.h"
#include "topmost_probe.h"

namespace zix::e2e {
namespace {

bool IsUpperHex(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'); }

void ExpectIcon(HWND box, BoxIcon expected) {
  const BoxIcon icon = ReadBoxIcon(box, kAppearMs);
  EXPECT_EQ(icon, expected) << "the box shows the " << IconName(icon) << " icon, not the "
                            << IconName(expected) << " icon";
}

}  // namespace

void ExpectLauncherMessage(const MessageBoxFacts& box, std::u16string_view text) {
  EXPECT_EQ(box.caption, kLauncherCaption) << "caption \"" << ToUtf8(box.caption) << "\"";
  EXPECT_EQ(box.text, text) << "text \"" << ToUtf8(box.text) << "\"";
  if (PlatformShowsTopmostBoxes()) {
    EXPECT_TRUE(box.exStyle & WS_EX_TOPMOST) << "the launcher's messages stay above other windows";
  }
  EXPECT_EQ(box.buttons.size(), 1u);
  EXPECT_TRUE(box.okButton);
  ExpectIcon(box.window, BoxIcon::Information);
}

void ExpectErrorBox(const MessageBoxFacts& box, std::u16string_view caption, std::u16string_view text) {
  EXPECT_EQ(box.caption, caption) << "caption \"" << ToUtf8(box.caption) << "\"";
  EXPECT_EQ(box.text, text) << "text \"" << ToUtf8(box.text) << "\"";
  EXPECT_FALSE(box.exStyle & WS_EX_TOPMOST);
  EXPECT_EQ(box.buttons.size(), 1u);
  EXPECT_TRUE(box.okButton);
  ExpectIcon(box.window, BoxIcon::Error);
}

void ExpectFatalBox(const MessageBoxFacts& box) {
  EXPECT_EQ(box.caption, u"Application Error") << "caption \"" << ToUtf8(box.caption) << "\"";
  EXPECT_EQ(box.owner, nullptr) << "owned by a window of class " << ToUtf8(box.ownerClass);
  EXPECT_FALSE(box.exStyle & WS_EX_TOPMOST);
  EXPECT_EQ(box.buttons.size(), 1u);
  EXPECT_TRUE(box.okButton);
  ExpectIcon(box.window, BoxIcon::Error);
}

std::optional<std::u16string> FatalMessage(const std::u16string& text, std::u16string_view errorClass) {
  const std::u16string head = u"Exception " + std::u16string(errorClass) + u" in module zixgame.exe at ";
  if (text.rfind(head, 0) != 0) return std::nullopt;
  const size_t address = head.size();
  if (text.size() < address + 11) return std::nullopt;
  for (size_t i = address; i < address + 8; ++i) {
    if (!IsUpperHex(text[i])) return std::nullopt;
  }
  if (text.compare(address + 8, 3, u".\r\n") != 0) return std::nullopt;
  if (text.size() < address + 13 || text.compare(text.size() - 2, 2, u"\r\n") != 0) return std::nullopt;
  return text.substr(address + 11, text.size() - address - 13);
}

}  // namespace zix::e2e
