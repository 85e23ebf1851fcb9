// The skinned edit: its size and layout from our skin and plainly, the button and its
// hit codes, Enter and Escape reaching the form's buttons, the read-only filter and
// the context menu with its entries' conditions and actions.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "SkinControlTestSupport.h"
#include "skin/controls/sfSkinButton.h"
#include "skin/controls/sfSkinEdit.h"
#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfSkinData.h"
#include "skin/frame/sfSkinMenu.h"
#include "skin/frame/sfSkinPopupMenu.h"
#include "skin/frame/sfSkinPopupWindow.h"
#include "ui/Clipboard.h"
#include "ui/GdiObject.h"
#include "ui/Menus.h"

namespace {

void LoadOurSkin(TsfSkinData& data) {
  TsfCompressedStoredSkin stored(nullptr);
  stored.BuildFromIniFile(std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
                          "resources/skin/skin.ini");
  data.LoadStoredSkin(stored);
}

struct TEditForm {
  std::unique_ptr<TForm> Form = MakeForm();
  TsfSkinData* Skin = new TsfSkinData(Form.get());
  TsfSkinEdit* Edit = new TsfSkinEdit(Form.get());
  explicit TEditForm(bool skinned) {
    Form->SetBounds(100, 100, 320, 240);
    Edit->SetBounds(20, 20, 120, 20);
    Edit->SetParent(Form.get());
    if (skinned) {
      LoadOurSkin(*Skin);
      Edit->SetSkinData(Skin);
    }
    Form->Show();
  }
  // The open context menu's entries as "caption" or "(caption)" when disabled.
  std::vector<std::string> MenuEntries() {
    std::vector<std::string> out;
    TsfSkinPopupMenu* menu = Edit->SystemMenu();
    for (int i = 0; menu && i < menu->Items().Count(); ++i) {
      TMenuItem* item = menu->Items().Items(i);
      out.push_back(item->Enabled() ? item->Caption() : "(" + item->Caption() + ")");
    }
    return out;
  }
  TsfSkinMenu& Menu() { return Edit->SystemMenu()->SkinMenu(); }
  // Chooses an entry of the open menu by clicking it in its window.
  void Choose(int index) {
    TsfSkinPopupWindow* w = Menu().Level(0);
    TRect r = w->Item(index).Rect;
    SendMessageW(w->Handle(), WM_MOUSEMOVE, 0, PointParam(r.Left + 5, r.Top + 5));
    SendMessageW(w->Handle(), WM_LBUTTONUP, 0, PointParam(r.Left + 5, r.Top + 5));
  }
};

}  // namespace

TEST(SkinEdit, OurSkinFixesTheHeightAndTheTextArea) {
  TEditForm f(true);
  ASSERT_TRUE(f.Edit->Skinned());
  EXPECT_EQ(21, f.Edit->Height());
  f.Edit->SetBounds(20, 20, 150, 40);
  EXPECT_EQ(21, f.Edit->Height());
  EXPECT_EQ(TRect(3, 3, 147, 18), f.Edit->Layout().TextArea);
  RECT client;
  GetClientRect(f.Edit->Handle(), &client);
  EXPECT_EQ(144, client.right);
  EXPECT_EQ(15, client.bottom);
  // The frame is the edit picture's: its left edge differs from the plain frame.
  TBitmap frame;
  f.Edit->PaintFrame(frame);
  EXPECT_EQ(150, frame.Width());
  EXPECT_NE(ColorToRGB(clBtnShadow), frame.Canvas().Pixel(0, 10));
}

TEST(SkinEdit, PlainButtonModeLayoutHitCodesAndClick) {
  TEditForm f(false);
  f.Edit->SetButtonMode(true);
  f.Edit->SetBounds(20, 20, 100, 21);
  TsfEditLayout l = f.Edit->Layout();
  EXPECT_EQ(TRect(79, 0, 100, 21), l.Button);
  EXPECT_EQ(TRect(2, 2, 77, 19), l.TextArea);
  HWND wnd = f.Edit->Handle();
  RECT w;
  GetWindowRect(wnd, &w);
  auto hit = [&](int x, int y) { return SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(w.left + x, w.top + y)); };
  EXPECT_EQ(6, hit(85, 10));
  EXPECT_EQ(7, hit(78, 10));
  EXPECT_EQ(HTCLIENT, hit(20, 10));
  int clicks = 0;
  f.Edit->OnButtonClick = [&](TObject*) { ++clicks; };
  SendMessageW(wnd, WM_NCMOUSEMOVE, 6, 0);
  EXPECT_TRUE(f.Edit->ButtonHot());
  SendMessageW(wnd, WM_NCLBUTTONDOWN, 6, 0);
  EXPECT_TRUE(f.Edit->ButtonPressed());
  SendMessageW(wnd, WM_NCLBUTTONUP, 6, 0);
  EXPECT_FALSE(f.Edit->ButtonPressed());
  EXPECT_EQ(1, clicks);
  EXPECT_EQ(wnd, GetFocus());
}

TEST(SkinEdit, EnterAndEscapeReachTheFormsDefaultAndCancelButtons) {
  TEditForm f(true);
  auto* ok = new TsfSkinButton(f.Form.get());
  ok->SetParent(f.Form.get());
  ok->SetBounds(20, 60, 75, 25);
  ok->SetDefault(true);
  auto* cancel = new TsfSkinButton(f.Form.get());
  cancel->SetParent(f.Form.get());
  cancel->SetBounds(120, 60, 75, 25);
  cancel->SetCancel(true);
  std::vector<std::string> log;
  ok->OnClick = [&](TObject*) { log.push_back("ok"); };
  cancel->OnClick = [&](TObject*) { log.push_back("cancel"); };
  char pressed = 0;
  f.Edit->OnKeyPress = [&](TObject*, char& key) { pressed = key; };
  f.Edit->SetText("abc");
  f.Edit->SetFocus();
  for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_ESCAPE)}) {
    PostMessageW(f.Edit->Handle(), WM_KEYDOWN, key, 0);
    PostMessageW(f.Edit->Handle(), WM_CHAR, key, 0);
    Application->ProcessMessages();
  }
  EXPECT_EQ((std::vector<std::string>{"ok", "cancel"}), log);
  EXPECT_EQ(27, pressed);
  EXPECT_EQ("abc", f.Edit->Text());
}

TEST(SkinEdit, ReadOnlyDropsWhatWouldChangeTheText) {
  TEditForm f(true);
  f.Edit->SetText("abc");
  f.Edit->SetReadOnly(true);
  HWND wnd = f.Edit->Handle();
  EXPECT_EQ(0, GetWindowLongW(wnd, GWL_STYLE) & ES_READONLY);
  SendMessageW(wnd, EM_SETSEL, 0, 1);
  SendMessageW(wnd, WM_CHAR, 'x', 0);
  SendMessageW(wnd, WM_KEYDOWN, VK_DELETE, 0);
  SendMessageW(wnd, WM_CUT, 0, 0);
  SendMessageW(wnd, WM_CLEAR, 0, 0);
  SendMessageW(wnd, WM_PASTE, 0, 0);
  EXPECT_EQ("abc", f.Edit->Text());
  f.Edit->SetReadOnly(false);
  SendMessageW(wnd, WM_CHAR, 'x', 0);
  EXPECT_EQ("xbc", f.Edit->Text());
}

TEST(SkinEdit, ContextMenuEntriesFollowTheSelectionTheClipboardAndReadOnly) {
  auto names = [](const TsfEditMenuState& s) {
    std::string out;
    for (const TsfEditMenuEntry& e : EditMenuEntries(s)) out += e.Enabled ? "1" : "0";
    return out;
  };
  TsfEditMenuState s;
  EXPECT_EQ("01000011", names(s));  // empty: only Select All (and the dividers)
  s.CanUndo = true;
  s.HasSelection = true;
  s.ClipboardHasText = true;
  EXPECT_EQ("11111111", names(s));
  s.ReadOnly = true;
  EXPECT_EQ("11010011", names(s));
  s.WholeTextSelected = true;
  EXPECT_EQ("11010010", names(s));
}

TEST(SkinEdit, ContextMenuOpensAtThePointOrTheCentreAndItsCommandsWork) {
  TEditForm f(true);
  f.Edit->SetText("hello");
  f.Edit->SetFocus();
  SendMessageW(f.Edit->Handle(), EM_SETSEL, 0, 0);
  Clipboard().Clear();
  SendMessageW(f.Edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(f.Edit->Handle()), MAKELPARAM(300, 250));
  ASSERT_TRUE(f.Edit->SystemMenu());
  EXPECT_EQ((std::vector<std::string>{"(Undo)", "-", "(Cut)", "(Copy)", "(Paste)", "(Delete)", "-", "Select All"}),
            f.MenuEntries());
  RECT r;
  GetWindowRect(f.Menu().Level(0)->Handle(), &r);
  EXPECT_EQ(300, r.left);
  EXPECT_EQ(250, r.top);
  int windows = LiveHandles(THandleKind::Window);
  f.Choose(7);  // Select All
  EXPECT_EQ(5, f.Edit->SelLength());
  // The menu was freed after the command, once the menu window's handler returned.
  EXPECT_EQ(nullptr, f.Edit->SystemMenu());
  EXPECT_EQ(windows - 1, LiveHandles(THandleKind::Window));

  // From the keyboard: at the edit's centre; Copy then Paste over a new selection.
  SendMessageW(f.Edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(f.Edit->Handle()), MAKELPARAM(-1, -1));
  GetWindowRect(f.Menu().Level(0)->Handle(), &r);
  TPoint centre = f.Edit->ClientToScreen({f.Edit->Width() / 2, f.Edit->Height() / 2});
  EXPECT_EQ(centre.x, r.left);
  EXPECT_EQ(centre.y, r.top);
  EXPECT_EQ("(Select All)", f.MenuEntries()[7]);
  f.Choose(3);  // Copy
  EXPECT_EQ("hello", Clipboard().AsText());
  SendMessageW(f.Edit->Handle(), EM_SETSEL, 0, 2);
  SendMessageW(f.Edit->Handle(), WM_CONTEXTMENU, 0, MAKELPARAM(300, 250));
  EXPECT_EQ("Paste", f.MenuEntries()[4]);
  f.Choose(4);  // Paste
  EXPECT_EQ("hellollo", f.Edit->Text());
}

TEST(SkinEdit, AMenuWithNothingToChooseStillAnswersTheKeys) {
  TEditForm f(false);
  f.Edit->SetText("");
  Clipboard().Clear();
  f.Edit->ShowContextMenu(300, 250);
  // Select All is off for an empty text (all of it is selected): nothing can be active.
  EXPECT_EQ("(Select All)", f.MenuEntries()[7]);
  EXPECT_EQ(-1, f.Menu().Level(0)->ActiveItem());
  f.Menu().KeyDown(VK_DOWN);
  f.Menu().KeyDown(VK_UP);
  f.Menu().KeyDown(VK_RETURN);
  EXPECT_EQ(-1, f.Menu().Level(0)->ActiveItem());
  EXPECT_TRUE(f.Menu().Visible());
  f.Menu().KeyDown(VK_ESCAPE);
  EXPECT_FALSE(f.Menu().Visible());
}
