// The framework's private messages keep clear of every number another window gives a
// meaning, and the two dialog messages sit exactly where other code sends them.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>

#include "ui/Messages.h"

namespace {

// Numbers with a fixed meaning outside the framework's block: the skin-change and
// skin-menu messages, the skin background message, and the frame's and list view's
// private queries.
const unsigned kForeign[] = {1225, 1226, 1227, 1228, 1229, 1274, 1284, 1294,
                             45490, 45512, 45513, 48203};

const unsigned kOwn[] = {CM_ACTIVATE,        CM_MOUSEENTER,        CM_MOUSELEAVE,
                         CM_ENABLEDCHANGED,  CM_VISIBLECHANGED,    CM_DIALOGKEY,
                         CM_DIALOGCHAR,      CM_TEXTCHANGED,       CM_PARENTFONTCHANGED,
                         CM_PARENTCOLORCHANGED, CM_CURSORCHANGED,  CM_RELEASE,
                         CM_FONTCHANGED,     CM_COLORCHANGED,      CM_FOCUSCHANGED};

}  // namespace

TEST(MessageNumbers, DialogMessagesHaveTheirKnownNumbers) {
  EXPECT_EQ(CM_DIALOGKEY, 45061u);
  EXPECT_EQ(CM_DIALOGKEY, 0xB005u);
  EXPECT_EQ(CM_DIALOGCHAR, 0xB006u);
}

TEST(MessageNumbers, NoTwoOwnMessagesShareANumberAndNoneIsForeign) {
  std::set<unsigned> seen;
  for (unsigned m : kOwn) {
    EXPECT_TRUE(seen.insert(m).second) << m;
    EXPECT_TRUE(IsFrameworkMessage(m)) << m;
  }
  for (unsigned f : kForeign) {
    EXPECT_EQ(seen.count(f), 0u) << f;
    EXPECT_FALSE(IsFrameworkMessage(f)) << f;
    EXPECT_FALSE(IsReflectionRange(f)) << f;
  }
}

TEST(MessageNumbers, ReflectionNeverLandsOnAForeignNumberOrOnOurBlock) {
  for (unsigned msg = 0; msg < 0x400; ++msg) {
    if (!IsReflectedMessage(msg)) continue;
    unsigned reflected = CN_BASE + msg;
    EXPECT_TRUE(IsReflectionRange(reflected));
    EXPECT_FALSE(IsFrameworkMessage(reflected)) << msg;
    for (unsigned f : kForeign) EXPECT_NE(reflected, f) << msg;
  }
  // What the parent hands back to a child.
  for (unsigned msg : {unsigned{WM_COMMAND}, unsigned{WM_NOTIFY}, unsigned{WM_DRAWITEM},
                       unsigned{WM_CTLCOLOREDIT}, unsigned{WM_CTLCOLORLISTBOX},
                       unsigned{WM_CTLCOLORSTATIC}, unsigned{WM_CTLCOLORBTN},
                       unsigned{WM_CTLCOLORSCROLLBAR}})
    EXPECT_TRUE(IsReflectedMessage(msg)) << msg;
  // The frame's 48203 is not a reflection of anything.
  EXPECT_FALSE(IsReflectionRange(48203));
}
