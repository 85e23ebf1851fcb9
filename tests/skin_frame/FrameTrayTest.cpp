// Minimizing to the notification area and back through the frame's tray icon
// companion, the tray menu, and the commands doing nothing without a companion.
#include <gtest/gtest.h>
#include <windows.h>

#include "FrameTestSupport.h"
#include "skin/frame/sfSkinPopupMenu.h"
#include "skin/frame/sfTrayIcon.h"
#include "ui/Application.h"
#include "ui/Menus.h"

namespace {

// The frame's form as the program's main form for the time of a test.
struct TTrayForm : TFrameForm {
  TForm* SavedMain = Application->MainForm();
  TsfTrayIcon* Icon = new TsfTrayIcon(Form.get());
  int Minimized = 0, Restored = 0;
  TTrayForm() {
    Application->SetMainForm(Form.get());
    Frame->OnMinimizeToTray = [this](TObject*) { ++Minimized; };
    Frame->OnRestoreFromTray = [this](TObject*) { ++Restored; };
  }
  ~TTrayForm() { Application->SetMainForm(SavedMain); }
};

}  // namespace

TEST(FrameTray, TrayMenuHoldsRestoreAndClose) {
  TFrameForm f;
  TMenuItem& items = f.Frame->TrayMenu()->Items();
  ASSERT_EQ(items.Count(), 3);
  EXPECT_EQ(items.Items(0)->Name(), "TRAY_SKF_RESTORE");
  EXPECT_EQ(items.Items(0)->Caption(), "&Restore");
  EXPECT_TRUE(items.Items(1)->IsLine());
  EXPECT_EQ(items.Items(2)->Name(), "TRAY_SKF_CLOSE");
  EXPECT_EQ(items.Items(2)->Caption(), "&Close");
  EXPECT_EQ(items.Items(2)->ShortCutText(), "Alt+F4");
}

TEST(FrameTray, WithoutAnIconTheCommandsDoNothing) {
  TFrameForm f;
  TForm* saved = Application->MainForm();
  Application->SetMainForm(f.Form.get());
  int raised = 0;
  f.Frame->OnMinimizeToTray = [&](TObject*) { ++raised; };
  f.Frame->TrayMinimize();
  EXPECT_FALSE(IsIconic(f.Wnd()));
  EXPECT_TRUE(IsWindowVisible(f.Wnd()));
  EXPECT_EQ(raised, 0);
  Application->SetMainForm(saved);
}

TEST(FrameTray, AssigningTheIconHidesItAndGivesItTheMenuAndRestore) {
  TTrayForm f;
  f.Icon->SetIconVisible(true);
  f.Icon->SetMinimizeToTray(true);
  f.Frame->SetTrayIcon(f.Icon);
  EXPECT_FALSE(f.Icon->IconVisible());
  EXPECT_FALSE(f.Icon->MinimizeToTray());
  EXPECT_EQ(f.Icon->PopupMenu(), f.Frame->TrayMenu());
  EXPECT_TRUE(static_cast<bool>(f.Icon->OnDblClick));

  // A menu and a double-click of the user's own stay.
  TTrayForm g;
  auto* menu = new TPopupMenu(g.Form.get());
  int clicks = 0;
  g.Icon->SetPopupMenu(menu);
  g.Icon->OnDblClick = [&](TObject*) { ++clicks; };
  g.Frame->SetAlwaysShowInTray(true);
  g.Icon->SetIconVisible(true);
  g.Frame->SetTrayIcon(g.Icon);
  EXPECT_TRUE(g.Icon->IconVisible());
  EXPECT_EQ(g.Icon->PopupMenu(), menu);
  g.Icon->IconMessage(WM_LBUTTONDBLCLK);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(g.Restored, 0);
}

TEST(FrameTray, MinimizeToTrayAndRestoreByDoubleClick) {
  TTrayForm f;
  f.Frame->SetTrayIcon(f.Icon);
  f.Frame->TrayMinimize();
  Application->ProcessMessages();
  EXPECT_TRUE(f.Icon->MinimizeToTray());
  EXPECT_TRUE(f.Icon->IconVisible());
  EXPECT_TRUE(IsIconic(f.Wnd()));
  EXPECT_FALSE(IsWindowVisible(f.Wnd()));  // no task-bar button either
  EXPECT_EQ(f.Minimized, 1);

  f.Icon->IconMessage(WM_LBUTTONDBLCLK);
  Application->ProcessMessages();
  EXPECT_FALSE(f.Icon->MinimizeToTray());
  EXPECT_FALSE(f.Icon->IconVisible());
  EXPECT_FALSE(IsIconic(f.Wnd()));
  EXPECT_TRUE(IsWindowVisible(f.Wnd()));
  EXPECT_EQ(f.Restored, 1);

  // With AlwaysShowInTray the icon stays after the restore.
  f.Frame->SetAlwaysShowInTray(true);
  f.Frame->TrayMinimize();
  f.Frame->TrayMenu()->Items().Items(0)->Click();
  EXPECT_TRUE(f.Icon->IconVisible());
  EXPECT_FALSE(IsIconic(f.Wnd()));
  EXPECT_EQ(f.Restored, 2);
}

TEST(FrameTray, TheFrameForgetsADestroyedIcon) {
  TTrayForm f;
  f.Frame->SetTrayIcon(f.Icon);
  delete f.Icon;
  EXPECT_EQ(f.Frame->TrayIcon(), nullptr);
  f.Frame->TrayMinimize();
  EXPECT_FALSE(IsIconic(f.Wnd()));
}
