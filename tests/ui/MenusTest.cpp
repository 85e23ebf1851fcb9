// Menu items and menus, the application's message hook, window-class styles and
// item-size questions handed to the control they are about.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "ui/Action.h"
#include "ui/Menus.h"
#include "ui/Messages.h"

namespace {

TMenuItem* AddItem(TMenuItem& parent, const std::string& caption) {
  auto* item = new TMenuItem(&parent);
  item->SetCaption(caption);
  parent.Add(item);
  return item;
}

std::vector<bool> ShownFlags(const TMenuItem& root) {
  std::vector<bool> out;
  for (int i = 0; i < root.Count(); ++i) out.push_back(root.Items(i)->Shown());
  return out;
}

}  // namespace

TEST(MenuItem, ShortCutTexts) {
  EXPECT_EQ("Alt+F4", ShortCutToText(ShortCut(VK_F4, scAlt)));
  EXPECT_EQ("Ctrl+F4", ShortCutToText(ShortCut(VK_F4, scCtrl)));
  EXPECT_EQ("Shift+Ctrl+A", ShortCutToText(ShortCut('A', scShift | scCtrl)));
  EXPECT_EQ("Del", ShortCutToText(VK_DELETE));
  EXPECT_EQ("", ShortCutToText(0));
  TMenuItem item(nullptr);
  item.SetShortCutText("Ctrl+Z");
  EXPECT_EQ("Ctrl+Z", item.ShortCutText());
  item.SetShortCut(ShortCut(VK_F4, scAlt));
  EXPECT_EQ("Alt+F4", item.ShortCutText());
}

TEST(MenuItem, RedundantDividersAreHiddenNotRemoved) {
  TMenuItem root(nullptr);
  for (const char* c : {"-", "A", "-", "-", "B", "-"}) AddItem(root, c);
  EXPECT_TRUE(root.RethinkLines());
  EXPECT_EQ((std::vector<bool>{false, true, true, false, true, false}), ShownFlags(root));
  EXPECT_TRUE(root.Items(0)->Visible());
  root.Items(4)->SetVisible(false);  // B gone: the divider before it has nothing after it
  root.RethinkLines();
  EXPECT_EQ((std::vector<bool>{false, true, false, false, false, false}), ShownFlags(root));
  EXPECT_FALSE(root.RethinkLines());
}

TEST(MenuItem, TreeRadioGroupsActionsAndFreeing) {
  TPopupMenu menu(nullptr);
  TMenuItem* a = AddItem(menu.Items(), "A");
  TMenuItem* b = AddItem(menu.Items(), "B");
  TMenuItem* sub = AddItem(*b, "Sub");
  EXPECT_EQ(&menu, sub->Menu());
  EXPECT_EQ(b, sub->Parent());
  for (TMenuItem* i : {a, b}) i->SetRadioItem(true);
  a->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());

  int executed = 0;
  {
    TAction action(nullptr);
    action.SetCaption("From action");
    action.OnExecute = [&](TObject*) { ++executed; };
    a->SetAction(&action);
    EXPECT_EQ("From action", a->Caption());
    action.SetEnabled(false);
    EXPECT_FALSE(menu.DispatchCommand(a));
    action.SetEnabled(true);
    EXPECT_TRUE(menu.DispatchCommand(a));
  }
  EXPECT_EQ(1, executed);
  EXPECT_EQ(nullptr, a->Action());  // cleared when the action went
  TMenuItem stranger(nullptr);
  EXPECT_FALSE(menu.DispatchCommand(&stranger));
  delete b;  // with its sub-item
  EXPECT_EQ(1, menu.Items().Count());
}

TEST(ApplicationHook, SeesQueuedMessagesFirstAndCanKeepThemFromTheWindow) {
  auto form = MakeForm();
  int seen = 0, reached = 0;
  form->OnKeyDown = [&](TObject*, std::uint16_t&, TShiftState) { ++reached; };
  Application->OnMessage = [&](TAppMessage& m, bool& handled) {
    if (m.Msg != WM_KEYDOWN) return;
    ++seen;
    handled = m.WParam == 'X';
  };
  PostMessageW(form->Handle(), WM_KEYDOWN, 'X', 0);
  PostMessageW(form->Handle(), WM_KEYDOWN, 'Y', 0);
  Application->ProcessMessages();
  Application->OnMessage = nullptr;
  EXPECT_EQ(2, seen);
  EXPECT_EQ(1, reached);
}

namespace {

class TShadowed : public TWinControl {
 public:
  using TWinControl::TWinControl;

 protected:
  void CreateParams(TCreateParams& p) override {
    TWinControl::CreateParams(p);
    p.ClassStyle = CS_SAVEBITS;
  }
};

// A control with the platform's one-pixel border.
class TBordered : public TWinControl {
 public:
  using TWinControl::TWinControl;

 protected:
  void CreateParams(TCreateParams& p) override {
    TWinControl::CreateParams(p);
    p.Style |= WS_BORDER;
  }
};

// A list box of variable item height that answers the size question itself.
class TMeasuredList : public TWinControl {
 public:
  using TWinControl::TWinControl;
  int Asked = 0;
  void WndProc(TMessage& m) override {
    if (m.Msg == CN_BASE + WM_MEASUREITEM) {
      ++Asked;
      reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->itemHeight = 33;
      m.Result = 1;
      return;
    }
    TWinControl::WndProc(m);
  }

 protected:
  void CreateParams(TCreateParams& p) override {
    TWinControl::CreateParams(p);
    p.WinClassName = L"LISTBOX";
    p.Style |= LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
  }
};

}  // namespace

TEST(WindowClass, ExtraClassStylesAndItemSizesReachTheirControl) {
  auto form = MakeForm();
  auto* plain = new TWinControl(form.get());
  plain->SetParent(form.get());
  auto* shadowed = new TShadowed(form.get());
  shadowed->SetParent(form.get());
  EXPECT_EQ(0u, GetClassLongW(plain->Handle(), GCL_STYLE) & CS_SAVEBITS);
  EXPECT_NE(0u, GetClassLongW(shadowed->Handle(), GCL_STYLE) & CS_SAVEBITS);
  EXPECT_NE(0u, GetClassLongW(shadowed->Handle(), GCL_STYLE) & CS_DBLCLKS);

  auto* list = new TMeasuredList(form.get());
  list->SetBounds(0, 0, 100, 100);
  list->SetParent(form.get());
  SendMessageW(list->Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
  EXPECT_GT(list->Asked, 0);
  EXPECT_EQ(33, SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 0, 0));
}

// Our controls leave the non-client paint to the platform only when they have a
// non-client area: a bordered one still gets its frame.
TEST(WindowClass, APlatformBorderIsStillPainted) {
  auto form = MakeForm();
  form->SetBounds(100, 100, 300, 200);
  auto* bordered = new TBordered(form.get());
  bordered->SetBounds(10, 10, 50, 40);
  bordered->SetParent(form.get());
  form->Show();
  RedrawWindow(bordered->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  HDC dc = GetWindowDC(bordered->Handle());
  EXPECT_EQ(GetPixel(dc, 0, 20), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(GetPixel(dc, 49, 20), GetSysColor(COLOR_WINDOWFRAME));
  ReleaseDC(bordered->Handle(), dc);
}

// Each of our windows leads back to its control while it exists, and to nothing
// once it is destroyed; other windows lead to nothing.
TEST(WindowClass, AWindowLeadsToItsControlUntilItIsDestroyed) {
  auto form = MakeForm();
  auto* control = new TWinControl(form.get());
  control->SetParent(form.get());
  HWND wnd = control->Handle();
  EXPECT_EQ(TWinControl::FromHandle(wnd), control);
  EXPECT_EQ(TWinControl::FromHandle(form->Handle()), form.get());
  EXPECT_EQ(TWinControl::FromHandle(GetDesktopWindow()), nullptr);
  EXPECT_EQ(TWinControl::FromHandle(nullptr), nullptr);
  delete control;
  EXPECT_EQ(TWinControl::FromHandle(wnd), nullptr);
}

// Changes made while the window is hidden are not marked for repainting one by one:
// showing the window paints all of it.
TEST(WindowClass, ChangesWhileHiddenShowWhenTheWindowIsShown) {
  auto form = MakeForm();
  form->SetBounds(100, 100, 200, 150);
  auto* control = new TWinControl(form.get());
  control->SetBounds(10, 10, 50, 40);
  control->SetParent(form.get());
  control->Handle();
  control->SetColor(clRed);
  form->Show();
  UpdateWindow(form->Handle());
  HDC dc = GetDC(control->Handle());
  EXPECT_EQ(GetPixel(dc, 25, 20), ColorToRGB(clRed));
  ReleaseDC(control->Handle(), dc);
  control->SetColor(clBlue);
  UpdateWindow(control->Handle());
  dc = GetDC(control->Handle());
  EXPECT_EQ(GetPixel(dc, 25, 20), ColorToRGB(clBlue));
  ReleaseDC(control->Handle(), dc);
}

// A hidden control's window is made when the control is first shown (or its handle
// is asked for), not with its parent's.
TEST(WindowClass, AHiddenControlGetsItsWindowWhenShown) {
  auto form = MakeForm();
  auto* hidden = new TWinControl(form.get());
  hidden->SetBounds(10, 10, 50, 40);
  hidden->SetVisible(false);
  hidden->SetParent(form.get());
  form->Show();
  EXPECT_FALSE(hidden->HandleAllocated());
  hidden->SetVisible(true);
  ASSERT_TRUE(hidden->HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(hidden->HandleValue()));
  RECT r;
  GetWindowRect(hidden->HandleValue(), &r);
  EXPECT_EQ(r.right - r.left, 50);
  hidden->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(hidden->HandleValue()));
}
