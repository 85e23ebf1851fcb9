// Caption buttons and the window commands they run: layout, press and release,
// maximize and restore, roll-up, the caption double-click and skin changes in
// between; the move/size loop; handles over many frames.
#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "FrameTestSupport.h"
#include "skin/data/sfUtilsHelpers.h"
#include "tests/skin_controls/TestSkin.h"
#include "ui/GdiObject.h"

TEST(CaptionButtons, LayoutForOurSkinAtTwoWidths) {
  TFrameForm f;
  EXPECT_EQ(f.ObjectRect("closebutton"), TRect(774, 5, 795, 26));
  EXPECT_EQ(f.ObjectRect("maximizebutton"), TRect(751, 5, 772, 26));
  EXPECT_EQ(f.ObjectRect("minimizebutton"), TRect(728, 5, 749, 26));
  EXPECT_EQ(f.ObjectRect("rollupbutton"), TRect(705, 5, 726, 26));
  EXPECT_EQ(f.ObjectRect("sysmenubutton"), TRect(5, 7, 22, 23));
  EXPECT_EQ(f.ObjectRect("caption"), TRect(22, 5, 705, 28));
  EXPECT_FALSE(f.Frame->FindObject("traybutton")->Visible);
  f.Frame->SetBorderIcons({biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray});
  f.Frame->ArrangeObjects();
  EXPECT_EQ(f.ObjectRect("traybutton"), TRect(682, 5, 703, 26));
  EXPECT_EQ(f.ObjectRect("caption").Right, 682);
  f.Frame->SetBorderIcons({biSystemMenu, biMinimize, biMaximize, biRollUp});
  f.Resize(152, 125);
  EXPECT_EQ(f.ObjectRect("closebutton"), TRect(126, 5, 147, 26));
  EXPECT_EQ(f.ObjectRect("rollupbutton"), TRect(57, 5, 78, 26));
  EXPECT_EQ(f.ObjectRect("caption"), TRect(22, 5, 57, 28));
  // Default hints; buttons hidden with HideCaptionButtons stay dead in the picture.
  EXPECT_EQ(f.Frame->FindObject("closebutton")->Hint, "Close");
  f.Frame->SetHideCaptionButtons(true);
  EXPECT_FALSE(f.Frame->FindObject("closebutton")->Enabled);
  EXPECT_FALSE(f.Frame->FindObject("closebutton")->Visible);
}

TEST(CaptionButtons, CloseRunsOnlyWhenReleasedOverTheButton) {
  TFrameForm f;
  int closes = 0;
  f.Form->OnClose = [&](TObject*, TCloseAction& a) {
    ++closes;
    a = caNone;
  };
  f.Click({785, 15}, {600, 300});
  EXPECT_EQ(closes, 0);
  EXPECT_EQ(f.Frame->CapturedObject(), -1);
  f.Click({785, 15}, {786, 16});
  EXPECT_EQ(closes, 1);
  // Inactive: hovering and pressing do nothing.
  SendMessageW(f.Wnd(), WM_NCACTIVATE, FALSE, 0);
  f.Click({785, 15}, {786, 16});
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(f.Frame->HotObject(), -1);
}

TEST(WindowCommands, MaximizeFillsTheWorkAreaAndRestoreGivesTheBoundsBack) {
  TFrameForm f;
  const TRect before = Bounds(f.Form->Left(), f.Form->Top(), 800, 600);
  f.Click({760, 15}, {761, 16});  // the maximize button
  ASSERT_EQ(f.Frame->WindowState(), wsMaximized);
  TRect area = GetWindowWorkArea(f.Wnd());
  if (area == TRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)))
    area = {1, 1, area.Right - 1, area.Bottom - 1};  // a hidden task bar stays reachable
  EXPECT_EQ(Bounds(f.Form->Left(), f.Form->Top(), f.Form->Width(), f.Form->Height()), area);
  // The button shows its restore image and clicking it restores.
  auto* maxButton = dynamic_cast<TsfSkinStdButtonObject*>(f.Frame->FindObject("maximizebutton"));
  EXPECT_TRUE(maxButton->InRestoreState());
  const int w = f.Form->Width();
  f.Click({w - 40, 15}, {w - 39, 16});
  EXPECT_EQ(f.Frame->WindowState(), wsNormal);
  EXPECT_EQ(Bounds(f.Form->Left(), f.Form->Top(), f.Form->Width(), f.Form->Height()), before);
  EXPECT_FALSE(f.Frame->RestoreBounds().has_value());
}

TEST(WindowCommands, RollUpToTheCaptionAndBack) {
  TFrameForm f;
  f.Click({715, 15}, {716, 16});
  EXPECT_TRUE(f.Frame->RollUpState());
  EXPECT_EQ(f.Form->Height(), 34);
  f.Click({715, 15}, {716, 16});
  EXPECT_FALSE(f.Frame->RollUpState());
  EXPECT_EQ(f.Form->Height(), 600);
  // Refused without the roll-up icon.
  f.Frame->SetBorderIcons({biSystemMenu, biMinimize, biMaximize});
  f.Frame->SetRollUpState(true);
  EXPECT_FALSE(f.Frame->RollUpState());
}

TEST(WindowCommands, CaptionDoubleClickMaximizesThenRestores) {
  TFrameForm f;
  SendMessageW(f.Wnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, f.ScreenParam(400, 15));
  EXPECT_EQ(f.Frame->WindowState(), wsMaximized);
  SendMessageW(f.Wnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, f.ScreenParam(400, 15));
  EXPECT_EQ(f.Frame->WindowState(), wsNormal);
  EXPECT_EQ(f.Form->Width(), 800);
  // A fixed-size frame rolls up instead.
  f.Form->SetBorderStyle(bsSingle);
  SendMessageW(f.Wnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, f.ScreenParam(400, 15));
  EXPECT_TRUE(f.Frame->RollUpState());
}

TEST(WindowCommands, SkinChangesAndAClearedSkinWhileMaximizedOrRolledUp) {
  TFrameForm f;
  f.Frame->SetWindowState(wsMaximized);
  const int w = f.Form->Width(), h = f.Form->Height();
  LoadTestSkin(*f.Skin);
  EXPECT_EQ(f.Frame->WindowState(), wsMaximized);
  EXPECT_EQ(f.Form->Width(), w);
  EXPECT_EQ(f.Form->Height(), h);
  LoadStoredSkin(*f.Skin);
  f.Skin->ClearSkin();
  f.Skin->BroadcastSkinMessage(WM_SD_CHANGE);
  EXPECT_FALSE(f.Frame->SkinLoaded());
  EXPECT_EQ(f.Form->Width(), w);
  EXPECT_EQ(f.HitTest(w / 2, 10), 2);  // the plain caption
  f.Frame->SetWindowState(wsNormal);
  EXPECT_EQ(f.Form->Width(), 800);
  // Rolled up, a new skin keeps the window at the new frame's height.
  LoadStoredSkin(*f.Skin);
  f.Frame->SetRollUpState(true);
  EXPECT_EQ(f.Form->Height(), 34);
  LoadStoredSkin(*f.Skin);
  EXPECT_TRUE(f.Frame->RollUpState());
  EXPECT_EQ(f.Form->Height(), 34);
  f.Skin->ClearSkin();
  f.Skin->BroadcastSkinMessage(WM_SD_CHANGE);
  EXPECT_EQ(f.Form->Height(), 25);  // the plain caption and borders
  f.Frame->SetRollUpState(false);
  EXPECT_EQ(f.Form->Height(), 600);
}

// A move or size loop not started by a press on the frame (the system menu's Move,
// the keyboard) leaves nothing behind: the next press on a button is a press.
TEST(MoveSizeLoop, EndingTheLoopClearsTheFlagWhateverStartedIt) {
  TFrameForm f;
  SendMessageW(f.Wnd(), WM_ENTERSIZEMOVE, 0, 0);
  EXPECT_TRUE(f.Frame->MovingOrSizing());
  SendMessageW(f.Wnd(), WM_EXITSIZEMOVE, 0, 0);
  EXPECT_FALSE(f.Frame->MovingOrSizing());
  SendMessageW(f.Wnd(), WM_NCLBUTTONDOWN, 19, f.ScreenParam(785, 15));
  auto* close = dynamic_cast<TsfSkinButtonObject*>(f.Frame->FindObject("closebutton"));
  EXPECT_TRUE(close->Down);
  SendMessageW(f.Wnd(), WM_CANCELMODE, 0, 0);
  ReleaseCapture();
}

TEST(FrameHandles, FiftySkinnedFormsLeaveNoHandleBehind) {
  const THandleKind kinds[] = {THandleKind::Bitmap, THandleKind::DC, THandleKind::Region,
                               THandleKind::Font, THandleKind::Brush, THandleKind::Pen,
                               THandleKind::Window};
  { TFrameForm warmUp; }
  Application->ProcessMessages();
  std::vector<int> before;
  for (THandleKind k : kinds) before.push_back(LiveHandles(k));
  for (int i = 0; i < 50; ++i) {
    TFrameForm f(true, 300 + i, 200 + i);
    f.Frame->SetRollUpState(i % 2 == 0);
    RedrawWindow(f.Wnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  }
  Application->ProcessMessages();
  for (size_t i = 0; i < std::size(kinds); ++i) EXPECT_EQ(LiveHandles(kinds[i]), before[i]) << i;
}

TEST(FrameMessages, PrivateQueriesKeepTheirNumbers) {
  EXPECT_EQ(kFrameQueryMessage, 45490u);
  EXPECT_EQ(kFramePaintToDCMessage, 45513u);
  EXPECT_EQ(kFramePrintMessage, 48203u);
  TFrameForm f;
  EXPECT_EQ(SendMessageW(f.Wnd(), 45490, 0, 0), 12853);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 800, 600);
  HGDIOBJ old = SelectObject(dc, bmp);
  EXPECT_EQ(SendMessageW(f.Wnd(), 45513, reinterpret_cast<WPARAM>(dc), 0), 12851);
  EXPECT_EQ(SendMessageW(f.Wnd(), 48203, reinterpret_cast<WPARAM>(dc), 16802), 16802);
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

TEST(WindowCommands, EdgeSnappingHoldsTheWindowUntilTheCursorMovesAway) {
  TFrameForm f;
  f.Frame->SetMagnetic(true);
  const TRect a = GetWindowWorkArea(f.Wnd());
  SendMessageW(f.Wnd(), WM_SIZE, 0, MAKELPARAM(790, 566));  // clears the snap state
  const int top = a.Top + 100;
  EXPECT_EQ(f.Frame->SnapToEdges(Bounds(a.Left + 5, top, 800, 600), {300, 300}).Left, a.Left + 5);
  EXPECT_EQ(f.Frame->SnapToEdges(Bounds(a.Left + 4, top, 800, 600), {300, 300}).Left, a.Left);
  // Snapped at cursor x 300: it stays while the cursor is within 5 pixels of that.
  // The system proposes the snapped window moved by the cursor's step each time.
  EXPECT_EQ(f.Frame->SnapToEdges(Bounds(a.Left + 1, top, 800, 600), {305, 300}).Left, a.Left);
  EXPECT_EQ(f.Frame->SnapToEdges(Bounds(a.Left + 1, top, 800, 600), {306, 300}).Left, a.Left + 6);
}

TEST(WindowCommands, AnotherFormMinimizesToTheFirstFreeSlotAtTheBottomLeft) {
  TFrameForm f;
  TFrameForm g;
  const TRect a = GetWindowWorkArea(f.Wnd());
  f.Frame->SetWindowState(wsMinimized);
  EXPECT_EQ(f.Frame->WindowState(), wsMinimized);
  EXPECT_EQ(Bounds(f.Form->Left(), f.Form->Top(), f.Form->Width(), f.Form->Height()),
            Bounds(a.Left, a.Bottom - 34, 152, 34));
  g.Frame->SetWindowState(wsMinimized);
  EXPECT_EQ(g.Form->Left(), a.Left + 152);
  EXPECT_EQ(g.Form->Top(), a.Bottom - 34);
  f.Frame->SetWindowState(wsNormal);
  EXPECT_EQ(f.Form->Width(), 800);
  EXPECT_EQ(f.Form->Height(), 600);
}

namespace {

// Ends the test program with a message when the scope is not left within `seconds`:
// a loop that never ends fails instead of hanging the run.
class TWatchdog {
 public:
  TWatchdog(int seconds, const char* what)
      : FThread([this, seconds, what] {
          std::unique_lock<std::mutex> lock(FMutex);
          if (!FDone.wait_for(lock, std::chrono::seconds(seconds), [this] { return FLeft; })) {
            std::fprintf(stderr, "%s did not end within %d s\n", what, seconds);
            std::fflush(stderr);
            std::_Exit(3);
          }
        }) {}
  ~TWatchdog() {
    {
      std::lock_guard<std::mutex> lock(FMutex);
      FLeft = true;
    }
    FDone.notify_one();
    FThread.join();
  }

 private:
  std::mutex FMutex;
  std::condition_variable FDone;
  bool FLeft = false;
  std::thread FThread;
};

}  // namespace

TEST(WindowCommands, MinimizingFindsAPlaceEvenWhenTheSkinLeavesNoFrameHeight) {
  TFrameForm f;
  TFrameForm g;
  const TRect a = GetWindowWorkArea(f.Wnd());
  // The client area fills the skin's picture and one minimized window fills a row.
  TsfSkinFormInfo& info = f.Skin->FormInfo;
  info.clientrect = {5, 0, 147, f.Skin->MainPicture().Height()};
  info.formminwidth = a.Width();
  g.Skin->FormInfo.clientrect = info.clientrect;
  g.Skin->FormInfo.formminwidth = info.formminwidth;
  ASSERT_EQ(f.Frame->SizeLimits().MinHeight, 0);
  TWatchdog watchdog(20, "Minimizing into a full row");
  g.Frame->SetWindowState(wsMinimized);
  f.Frame->SetWindowState(wsMinimized);
  EXPECT_EQ(f.Frame->WindowState(), wsMinimized);
  EXPECT_EQ(f.Form->Left(), a.Left);  // no free place: the first one
  EXPECT_EQ(g.Form->Left(), a.Left);
}
