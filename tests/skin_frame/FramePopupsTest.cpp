// The frame's popups: where the system menu opens beside its button, the menu
// windows' regions, and the fade-in that runs a message loop of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "FrameTestSupport.h"
#include "skin/data/sfUtilsHelpers.h"
#include "skin/frame/sfSkinPopupWindow.h"
#include "ui/GdiObject.h"

namespace {

// The skinned menu windows of this thread that are on the screen.
std::vector<HWND> OpenMenuHandles() {
  std::vector<HWND> windows;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND wnd, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  std::vector<HWND> open;
  for (HWND wnd : windows)
    if (dynamic_cast<TsfSkinPopupWindow*>(TWinControl::FromHandle(wnd)) && IsWindowVisible(wnd))
      open.push_back(wnd);
  return open;
}

// Their places on the screen.
std::vector<TRect> OpenMenuWindows() {
  std::vector<TRect> open;
  for (HWND wnd : OpenMenuHandles()) {
    RECT r;
    GetWindowRect(wnd, &r);
    open.push_back({r.left, r.top, r.right, r.bottom});
  }
  return open;
}

// The frame's system menu button in screen coordinates.
TRect SystemMenuButton(const TFrameForm& f) {
  RECT w = f.WindowRect();
  return f.ObjectRect("sysmenubutton").Offset(w.left, w.top);
}

// A press in the form's client area.
void PressClient(const TFrameForm& f) {
  PostMessageW(f.Wnd(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(300, 300));
  PostMessageW(f.Wnd(), WM_LBUTTONUP, 0, PointParam(300, 300));
  Application->ProcessMessages();
}

}  // namespace

TEST(FramePopups, TheSystemMenuOpensBesideItsButtonNeverOverIt) {
  TFrameForm f;
  const TRect a = GetWindowWorkArea(f.Wnd());
  // Our skin's system menu: 91 high.
  f.Frame->PopupSystemMenu(SystemMenuButton(f));
  std::vector<TRect> open = OpenMenuWindows();
  ASSERT_EQ(open.size(), 1u);
  EXPECT_EQ(open[0].Left, 105);
  EXPECT_EQ(open[0].Top, 50 + 23);  // below the button (5, 7, 22, 23)
  EXPECT_EQ(open[0].Height(), 91);
  PressClient(f);
  ASSERT_TRUE(OpenMenuWindows().empty());

  // Too near the bottom of the work area for the menu to hang below the button.
  const int top = a.Bottom - 60;
  f.Form->SetBounds(100, top, 800, 600);
  // Alt+Space as the form's short-cut handling gets it.
  bool handled = f.Form->IsShortCut(VK_SPACE, {ssAlt});
  EXPECT_TRUE(handled);
  open = OpenMenuWindows();
  ASSERT_EQ(open.size(), 1u);
  EXPECT_EQ(open[0].Bottom, top + 7);  // right above the button
  EXPECT_EQ(open[0].Top, top + 7 - 91);
  EXPECT_EQ(open[0].Left, 105);
  EXPECT_TRUE(IntersectRect(open[0], SystemMenuButton(f)).IsEmpty());
  PressClient(f);
}

TEST(FramePopups, MenuWindowsWearTheirRegionAndGiveEveryRegionBack) {
  TFrameForm f;
  // Our skin's menu window has no mask: its own picture serves as one here.
  f.Skin->PopupWindow.maskpictureindex = f.Skin->PopupWindow.windowpictureindex;
  f.Frame->PopupSystemMenu(SystemMenuButton(f));  // what the first showing makes and keeps
  PressClient(f);
  const int regions = LiveHandles(THandleKind::Region);
  for (int i = 0; i < 20; ++i) {
    f.Frame->PopupSystemMenu(SystemMenuButton(f));
    std::vector<HWND> open = OpenMenuHandles();
    ASSERT_EQ(open.size(), 1u);
    HWND menu = open[0];
    TRegionHandle probe = CreateRectRegion(TRect());
    EXPECT_NE(GetWindowRgn(menu, probe.Get()), ERROR);  // the window has a region
    PressClient(f);
  }
  EXPECT_EQ(LiveHandles(THandleKind::Region), regions);
}

TEST(FramePopups, TheFadeInHandsAQuitOnToTheLoopOutside) {
  TFrameForm f;
  f.Frame->SetAlphaBlendAnimation(true);
  PostQuitMessage(7);
  SendMessageW(f.Wnd(), WM_TIMER, 1, 0);  // the fade-in's start, which handles what is queued
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
  f.Frame->SetAlphaBlendAnimation(false);
}
