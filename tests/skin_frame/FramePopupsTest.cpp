// The frame's popups: where the system menu opens beside its button, the menu
// windows' regions, the fade-in that runs a message loop of its own, and what closes
// an open menu or list (another program, presses, Alt and F10, the frame's messages).
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "FrameTestSupport.h"
#include "skin/controls/sfPopupListBox.h"
#include "skin/controls/sfSkinComboBox.h"
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

namespace {

// Opens the frame's system menu from its button and tells whether it came up.
bool OpenSystemMenu(TFrameForm& f) {
  f.Frame->PopupSystemMenu(SystemMenuButton(f));
  return OpenMenuHandles().size() == 1;
}

void PostKey(HWND wnd, unsigned msg, WPARAM key) {
  const LPARAM alt = msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP ? 1 << 29 : 0;
  const LPARAM up = msg == WM_KEYUP || msg == WM_SYSKEYUP ? 0xC0000001 : 1;
  PostMessageW(wnd, msg, key, alt | up);
}

// A window of another thread, as another program has.
struct TOtherThreadWindow {
  HWND Wnd = nullptr;
  DWORD ThreadId = 0;
  HANDLE Ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE Thread = nullptr;

  TOtherThreadWindow() {
    Thread = CreateThread(
        nullptr, 0,
        [](void* self) -> DWORD {
          auto& t = *static_cast<TOtherThreadWindow*>(self);
          t.Wnd = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 400,
                                  200, 100, nullptr, nullptr, nullptr, nullptr);
          SetEvent(t.Ready);
          MSG msg;
          while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
          DestroyWindow(t.Wnd);
          return 0;
        },
        this, 0, &ThreadId);
    WaitForSingleObject(Ready, 5000);
  }
  ~TOtherThreadWindow() {
    PostThreadMessageW(ThreadId, WM_QUIT, 0, 0);
    WaitForSingleObject(Thread, 5000);
    CloseHandle(Thread);
    CloseHandle(Ready);
  }
};

}  // namespace

TEST(FramePopups, TheSystemMenuClosesWhenAnotherProgramTakesTheActivation) {
  TFrameForm f;
  SetForegroundWindow(f.Wnd());
  const bool hooked = static_cast<bool>(Application->OnMessage);
  ASSERT_TRUE(OpenSystemMenu(f));
  // What the system sends every top-level window of ours, the menu's among them.
  SendMessageW(OpenMenuHandles()[0], WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_TRUE(OpenMenuHandles().empty());

  ASSERT_TRUE(OpenSystemMenu(f));
  TOtherThreadWindow other;
  ASSERT_NE(other.Wnd, nullptr);
  SetForegroundWindow(other.Wnd);
  Application->ProcessMessages();
  EXPECT_TRUE(OpenMenuHandles().empty());
  // Back in the program, typed keys go where they belong, not to a menu.
  SetForegroundWindow(f.Wnd());
  EXPECT_EQ(static_cast<bool>(Application->OnMessage), hooked);
}

TEST(FramePopups, PressesOutsideTheMenuCloseItPressesOnItDoNot) {
  TFrameForm f;
  ASSERT_TRUE(OpenSystemMenu(f));
  HWND menu = OpenMenuHandles()[0];
  PostMessageW(menu, WM_RBUTTONDOWN, MK_RBUTTON, PointParam(10, 40));
  Application->ProcessMessages();
  EXPECT_EQ(OpenMenuHandles().size(), 1u);
  // The frame's non-client area, away from any of its parts.
  PostMessageW(f.Wnd(), WM_NCLBUTTONDOWN, HTNOWHERE, f.ScreenParam(400, 2));
  Application->ProcessMessages();
  EXPECT_TRUE(OpenMenuHandles().empty());
  ASSERT_TRUE(OpenSystemMenu(f));
  PostMessageW(f.Wnd(), WM_NCRBUTTONDOWN, HTNOWHERE, f.ScreenParam(400, 2));
  Application->ProcessMessages();
  EXPECT_TRUE(OpenMenuHandles().empty());
}

TEST(FramePopups, AltOrF10AloneCloseTheMenuAChordWithAltDoesNot) {
  TFrameForm f;
  ASSERT_TRUE(OpenSystemMenu(f));
  PostKey(f.Wnd(), WM_SYSKEYDOWN, VK_MENU);
  PostKey(f.Wnd(), WM_SYSKEYDOWN, 'X');
  PostKey(f.Wnd(), WM_SYSKEYUP, 'X');
  PostKey(f.Wnd(), WM_SYSKEYUP, VK_MENU);
  Application->ProcessMessages();
  EXPECT_EQ(OpenMenuHandles().size(), 1u);
  PostKey(f.Wnd(), WM_SYSKEYDOWN, VK_MENU);
  PostKey(f.Wnd(), WM_SYSKEYUP, VK_MENU);
  Application->ProcessMessages();
  EXPECT_TRUE(OpenMenuHandles().empty());
  ASSERT_TRUE(OpenSystemMenu(f));
  PostKey(f.Wnd(), WM_SYSKEYDOWN, VK_F10);
  PostKey(f.Wnd(), WM_SYSKEYUP, VK_F10);
  Application->ProcessMessages();
  EXPECT_TRUE(OpenMenuHandles().empty());
}

TEST(FramePopups, TheFramesPreCheckMessagesCloseTheMenu) {
  TFrameForm f;
  for (unsigned msg : {WM_MOVE, WM_SIZE, WM_ACTIVATE, WM_KILLFOCUS, WM_CANCELMODE, WM_NCACTIVATE}) {
    ASSERT_TRUE(OpenSystemMenu(f));
    SendMessageW(f.Wnd(), msg, 0, 0);
    EXPECT_TRUE(OpenMenuHandles().empty()) << "message " << msg;
    f.Activate();
  }
}

TEST(FramePopups, APressOnTheComboLeavesItsListToItAPressElsewhereOnTheFormClosesIt) {
  TFrameForm f;
  auto* combo = new TsfSkinComboBox(f.Form.get());
  combo->SetBounds(20, 20, 120, 22);
  combo->SetParent(f.Form.get());
  for (const char* c : {"一", "二", "三"}) combo->Items().Add(c);
  auto notifyPress = [&](int x, int y) {
    POINT p{x, y};
    MapWindowPoints(combo->Handle(), f.Wnd(), &p, 1);
    SendMessageW(f.Wnd(), WM_PARENTNOTIFY, WM_LBUTTONDOWN, MAKELPARAM(p.x, p.y));
  };
  combo->DropDown();
  ASSERT_TRUE(combo->ListBox().Visible());
  notifyPress(5, 5);  // the press that the combo itself takes next
  EXPECT_TRUE(combo->DroppedDown());
  notifyPress(5, 200);  // on the form, below the combo and its list
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_FALSE(combo->ListBox().Visible());
  combo->DropDown();
  SendMessageW(f.Wnd(), WM_MOVE, 0, 0);
  EXPECT_FALSE(combo->DroppedDown());
}
