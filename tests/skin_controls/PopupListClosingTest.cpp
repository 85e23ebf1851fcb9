// The combo's drop-down list closes like every popup of ours: when the program loses
// the activation, on a press outside it and its combo, on Alt or F10 alone; a press on
// the combo is the combo's.
#include <gtest/gtest.h>

#include "SkinControlTestSupport.h"
#include "skin/controls/sfPopupListBox.h"
#include "skin/controls/sfSkinComboBox.h"
#include "ui/OpenPopups.h"

namespace {

// Like the program's framed forms, it enters no menu mode of the platform on Alt or
// F10 alone (a form without a menu would wait in it for keys).
class TNoKeyMenuForm : public TForm {
 public:
  using TForm::TForm;
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_SYSCOMMAND && (m.WParam & 0xFFF0) == SC_KEYMENU) return;
    TForm::WndProc(m);
  }
};

struct TListForm {
  std::unique_ptr<TForm> Form = MakeForm<TNoKeyMenuForm>();
  std::unique_ptr<TForm> Other = MakeForm();
  TsfSkinComboBox* Combo = new TsfSkinComboBox(Form.get());

  TListForm() {
    Form->SetBounds(100, 100, 320, 240);
    Combo->SetBounds(20, 20, 120, 22);
    Combo->SetParent(Form.get());
    for (const char* c : {"菜单导航", "日期时间", "图片背景"}) Combo->Items().Add(c);
    Form->Show();
    Other->SetBounds(500, 100, 200, 200);
    Other->Show();
  }
  bool Open() {
    Combo->DropDown();
    return Combo->DroppedDown() && Combo->ListBox().Visible();
  }
  bool Closed() const { return !Combo->DroppedDown() && !Combo->ListBox().Visible(); }
  HWND Face() { return Combo->Handle(); }
  void Post(HWND wnd, unsigned msg, WPARAM w, LPARAM l) {
    PostMessageW(wnd, msg, w, l);
    Application->ProcessMessages();
  }
};

}  // namespace

TEST(PopupListClosing, TheListClosesWhenTheProgramLosesTheActivation) {
  TListForm f;
  ASSERT_TRUE(f.Open());
  EXPECT_TRUE(OpenPopups().IsOpen(&f.Combo->ListBox()));
  SendMessageW(f.Combo->ListBox().Handle(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_TRUE(f.Closed());
  EXPECT_FALSE(OpenPopups().AnyOpen());
  ASSERT_TRUE(f.Open());
  SendMessageW(f.Combo->ListBox().Handle(), WM_ACTIVATEAPP, TRUE, 0);  // coming back changes nothing
  EXPECT_TRUE(f.Combo->DroppedDown());
  f.Combo->CloseUp(false);
}

TEST(PopupListClosing, PressesOutsideTheListAndItsComboCloseIt) {
  TListForm f;
  ASSERT_TRUE(f.Open());
  // On the list itself: the combo's press-drag, the list stays.
  f.Post(f.Combo->ListBox().ListBox().Handle(), WM_RBUTTONDOWN, MK_RBUTTON, PointParam(5, 5));
  EXPECT_TRUE(f.Combo->DroppedDown());
  // The non-client area of the combo's form, and another form of ours.
  f.Post(f.Form->Handle(), WM_NCLBUTTONDOWN, HTNOWHERE, PointParam(0, 0));
  EXPECT_TRUE(f.Closed());
  ASSERT_TRUE(f.Open());
  f.Post(f.Other->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  EXPECT_TRUE(f.Closed());
  // A click on the combo while the list is open closes it, as before: the list is not
  // closed first and opened again by the same press.
  ASSERT_TRUE(f.Open());
  TRect b = f.Combo->FaceLayout().Button;
  const LPARAM at = PointParam(b.Left + 2, b.Top + 2);
  f.Post(f.Face(), WM_MOUSEMOVE, 0, at);
  f.Post(f.Face(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  f.Post(f.Face(), WM_LBUTTONUP, 0, at);
  EXPECT_TRUE(f.Closed());
}

TEST(PopupListClosing, AltOrF10AloneCloseTheList) {
  TListForm f;
  ASSERT_TRUE(f.Open());
  f.Post(f.Face(), WM_SYSKEYDOWN, VK_MENU, 1 << 29 | 1);
  f.Post(f.Face(), WM_SYSKEYUP, VK_MENU, 0xC0000001 | 1 << 29);
  EXPECT_TRUE(f.Closed());
  ASSERT_TRUE(f.Open());
  f.Post(f.Face(), WM_SYSKEYDOWN, VK_F10, 1);
  EXPECT_TRUE(f.Closed());
  // Alt+Down on an open list leaves it open: Alt was not alone.
  ASSERT_TRUE(f.Open());
  f.Post(f.Face(), WM_SYSKEYDOWN, VK_MENU, 1 << 29 | 1);
  f.Post(f.Face(), WM_SYSKEYDOWN, VK_DOWN, 1 << 29 | 1);
  f.Post(f.Face(), WM_SYSKEYUP, VK_DOWN, 0xC0000001 | 1 << 29);
  f.Post(f.Face(), WM_SYSKEYUP, VK_MENU, 0xC0000001 | 1 << 29);
  EXPECT_TRUE(f.Combo->DroppedDown());
  f.Combo->CloseUp(false);
  EXPECT_FALSE(OpenPopups().AnyOpen());
}
