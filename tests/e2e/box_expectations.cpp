#include "box_expectations.h"

#include <gtest/gtest.h>

#include "box_icon.h"
#include "e2e_timing.h"
#include "text_convert.h"
#include "topmost_probe.h"

namespace zix::e2e {
namespace {

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

}  // namespace zix::e2e
