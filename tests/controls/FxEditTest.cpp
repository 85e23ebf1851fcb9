// The name field and the code view's state colours, the edit's background, its
// text, its click events and Enter as Tab.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlsTestSupport.h"
#include "controls/FxEdit.h"
#include "controls/FxMemo.h"

namespace {

template <class T>
struct TFieldFixture {
  std::unique_ptr<TForm> Form = MakeSizedForm(400, 200);
  T* Field = new T(Form.get());
  TFxEdit* Other = new TFxEdit(Form.get());
  TFieldFixture() {
    Field->SetParent(Form.get());
    Field->SetBounds(104, 8, 169, 21);
    Other->SetParent(Form.get());
    Other->SetBounds(104, 60, 169, 21);
    Form->Show();
  }
  HWND Wnd() { return Field->Handle(); }
  void Focus(TWinControl* control) {
    control->SetFocus();
    Application->ProcessMessages();
  }
};

template <class T>
class FxFieldColours : public testing::Test {};
using FieldTypes = testing::Types<TFxEdit, TFxMemo>;
TYPED_TEST_SUITE(FxFieldColours, FieldTypes);

}  // namespace

TYPED_TEST(FxFieldColours, DefaultsKeepTheWindowColourThroughFocusAndPointer) {
  TFieldFixture<TypeParam> f;
  EXPECT_EQ(f.Field->Color(), clWindow);
  f.Focus(f.Field);
  ASSERT_TRUE(f.Field->Focused());
  EXPECT_EQ(f.Field->Color(), clWindow);
  SendMessageW(f.Wnd(), WM_MOUSEMOVE, 0, PointParam(5, 5));
  EXPECT_TRUE(f.Field->MouseInControl());
  f.Focus(f.Other);
  EXPECT_EQ(f.Field->Color(), clWindow);
  SendMessageW(f.Wnd(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(f.Field->Color(), clWindow);
}

TYPED_TEST(FxFieldColours, StateColoursFollowFocusEnabledAndReadOnly) {
  TFieldFixture<TypeParam> f;
  f.Field->SetFocusColor(clYellow);
  f.Focus(f.Field);
  EXPECT_EQ(f.Field->Color(), clYellow);
  f.Focus(f.Other);
  EXPECT_EQ(f.Field->Color(), clWindow);

  f.Field->SetReadOnly(true);
  EXPECT_EQ(f.Field->Color(), clInfoBk);
  f.Focus(f.Field);
  EXPECT_EQ(f.Field->Color(), clYellow);
  f.Field->SetReadOnlyColorOnFocus(true);
  EXPECT_EQ(f.Field->Color(), clInfoBk);
  f.Field->SetReadOnly(false);
  f.Focus(f.Other);

  f.Field->SetEnabled(false);
  EXPECT_EQ(f.Field->Color(), clBtnFace);
  f.Field->SetEnabled(true);
  EXPECT_EQ(f.Field->Color(), clWindow);
}

TYPED_TEST(FxFieldColours, ANewNormalColourTakesTheFocusColourAlongWhenTheyWereEqual) {
  TFieldFixture<TypeParam> f;
  f.Field->SetColor(clAqua);
  EXPECT_EQ(f.Field->FocusColor(), clAqua);
  f.Focus(f.Field);
  EXPECT_EQ(f.Field->Color(), clAqua);
  f.Field->SetFocusColor(clYellow);
  f.Focus(f.Other);
  f.Field->SetColor(clLime);
  EXPECT_EQ(f.Field->FocusColor(), clYellow);  // no longer equal: stays
  f.Focus(f.Field);
  EXPECT_EQ(f.Field->Color(), clYellow);
  f.Focus(f.Other);
  EXPECT_EQ(f.Field->Color(), clLime);
}

TYPED_TEST(FxFieldColours, TheBackgroundIsPaintedInTheControlsColour) {
  TFieldFixture<TypeParam> f;
  f.Field->SetColor(clAqua);
  HWND wnd = f.Wnd();
  TTestPicture pic(1, 1, 0);
  for (UINT msg : {WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC}) {
    // As the platform's edit asks its parent.
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(f.Form->Handle(), msg,
                                                        reinterpret_cast<WPARAM>(pic.DC()),
                                                        reinterpret_cast<LPARAM>(wnd)));
    LOGBRUSH lb{};
    ASSERT_EQ(GetObjectW(brush, sizeof lb, &lb), static_cast<int>(sizeof lb)) << msg;
    EXPECT_EQ(lb.lbColor, RGB(0, 255, 255));
    EXPECT_EQ(GetBkColor(pic.DC()), RGB(0, 255, 255));
  }
  UpdateWindow(wnd);
  RECT client;
  GetClientRect(wnd, &client);
  HDC dc = GetDC(wnd);
  COLORREF corner = GetPixel(dc, client.right - 2, client.bottom - 2);
  ReleaseDC(wnd, dc);
  EXPECT_EQ(corner, RGB(0, 255, 255));
}

TEST(FxEdit, TextGoesToTheWindowAsCharactersAndChangesAreReported) {
  TFieldFixture<TFxEdit> f;
  int changes = 0;
  f.Field->OnChange = [&](TObject*) { ++changes; };
  f.Field->SetText("网页特效名称");
  EXPECT_EQ(changes, 1);
  wchar_t buffer[64] = {};
  GetWindowTextW(f.Wnd(), buffer, 64);
  EXPECT_EQ(std::wstring(buffer), AnsiToWide("网页特效名称"));
  SendMessageW(f.Wnd(), EM_SETSEL, 6, 6);
  SendMessageW(f.Wnd(), WM_CHAR, 'X', 0);
  EXPECT_EQ(f.Field->Text(), "网页特效名称X");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(f.Field->SelStart(), 13);  // bytes of the 936 text before the caret
  f.Field->SetSelStart(4);
  f.Field->SetSelLength(4);
  EXPECT_EQ(f.Field->SelText(), "特效");
  f.Field->Clear();
  EXPECT_EQ(f.Field->Text(), "");
  EXPECT_EQ(changes, 3);
}

TEST(FxEdit, ClickFiresOnReleaseAndDoubleClickAfterTheFirstClick) {
  TFieldFixture<TFxEdit> f;
  std::vector<std::string> log;
  f.Field->OnClick = [&](TObject*) { log.push_back("click"); };
  f.Field->OnDblClick = [&](TObject*) { log.push_back("dblclick"); };
  f.Field->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
  HWND wnd = f.Wnd();
  // The platform only makes double-clicks for a class that asks for them.
  EXPECT_TRUE(GetClassLongPtrW(wnd, GCL_STYLE) & CS_DBLCLKS);

  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 5));
  EXPECT_TRUE(log.empty());
  SendMessageW(wnd, WM_LBUTTONUP, 0, PointParam(10, 5));
  SendMessageW(wnd, WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(10, 5));
  SendMessageW(wnd, WM_LBUTTONUP, 0, PointParam(10, 5));
  EXPECT_EQ(log, (std::vector<std::string>{"click", "up", "dblclick", "up"}));
}

TEST(FxEdit, RealMouseDoubleClickReachesTheEdit) {
  TFieldFixture<TFxEdit> f;
  std::vector<std::string> log;
  f.Field->OnClick = [&](TObject*) { log.push_back("click"); };
  f.Field->OnDblClick = [&](TObject*) { log.push_back("dblclick"); };
  SetForegroundWindow(f.Form->Handle());
  POINT p{20, 10};
  ClientToScreen(f.Wnd(), &p);
  SetCursorPos(p.x, p.y);
  Application->ProcessMessages();
  INPUT clicks[4] = {};
  for (int i = 0; i < 4; ++i) {
    clicks[i].type = INPUT_MOUSE;
    clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  }
  SendInput(4, clicks, sizeof(INPUT));
  PumpUntil([&] { return log.size() >= 2; }, 2000);
  EXPECT_EQ(log, (std::vector<std::string>{"click", "dblclick"}));
}

TEST(FxEdit, EnterMovesTheFocusOnWithTabOnEnter) {
  TFieldFixture<TFxEdit> f;
  f.Field->SetTabOnEnter(true);
  f.Focus(f.Field);
  ASSERT_TRUE(f.Field->Focused());
  SendMessageW(f.Wnd(), WM_KEYDOWN, VK_RETURN, 0);
  SendMessageW(f.Wnd(), WM_CHAR, '\r', 0);
  EXPECT_TRUE(PumpUntil([&] { return f.Other->Focused(); }, 1000));
  EXPECT_EQ(f.Field->Text(), "");
}
