// Image lists, actions, accelerators, anchors and size limits, and the form's
// dialog-key, dialog-character and focus-change broadcasts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "ui/Action.h"
#include "ui/Bitmap.h"
#include "ui/CustomControl.h"
#include "ui/Edit.h"
#include "ui/Memo.h"
#include "ui/GdiObject.h"
#include "ui/ImageList.h"
#include "ui/Messages.h"
#include "ui/ShortCut.h"

namespace {

std::uint32_t Pixel(TBitmap& b, int x, int y) { return GetPixel(b.DC(), x, y) & 0xFFFFFF; }

// A 10 x 10 image: a red square with a 2-pixel magenta border.
void PaintRedSquare(TBitmap& b) {
  b.SetSize(10, 10);
  b.Canvas().Brush().SetColor(clFuchsia);
  b.Canvas().FillRect({0, 0, 10, 10});
  b.Canvas().Brush().SetColor(clRed);
  b.Canvas().FillRect({2, 2, 8, 8});
}

// Remembers the dialog messages and focus changes it is offered; handles the keys
// and characters it is told to.
class TListener : public TCustomControl {
 public:
  explicit TListener(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
  std::vector<std::string> Log;
  unsigned HandleKey = 0;
  char HandleChar = 0;
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_DIALOGKEY) {
      Log.push_back("key " + std::to_string(m.WParam));
      if (m.WParam == HandleKey) m.Result = 1;
      return;
    }
    if (m.Msg == CM_DIALOGCHAR) {
      Log.push_back(std::string("char ") + static_cast<char>(m.WParam));
      if (static_cast<char>(m.WParam) == HandleChar) m.Result = 1;
      return;
    }
    if (m.Msg == CM_FOCUSCHANGED) {
      auto* c = reinterpret_cast<TControl*>(m.LParam);
      Log.push_back("focus " + (c ? c->Name() : std::string("-")));
    }
    TCustomControl::WndProc(m);
  }
};

struct TKeyForm {
  std::unique_ptr<TForm> Form = MakeSizedForm(300, 200);
  TEdit* Edit = new TEdit(Form.get());
  TListener* First = new TListener(Form.get());
  TListener* Second = new TListener(Form.get());
  TKeyForm() {
    Edit->SetName("edit");
    First->SetName("first");
    Second->SetName("second");
    for (TWinControl* c : std::initializer_list<TWinControl*>{Edit, First, Second}) c->SetParent(Form.get());
    Edit->SetBounds(10, 10, 100, 22);
    First->SetBounds(10, 40, 50, 20);
    Second->SetBounds(70, 40, 50, 20);
    Form->Show();
    SetForegroundWindow(Form->Handle());
  }
};

}  // namespace

TEST(ImageList, AddsDrawsTransparentlyAndGreysDisabledImages) {
  int before = LiveHandles(THandleKind::ImageList);
  {
    TImageList list(nullptr, 10, 10);
    EXPECT_EQ(LiveHandles(THandleKind::ImageList), before + 1);
    EXPECT_EQ(list.Count(), 0);
    TBitmap square;
    PaintRedSquare(square);
    EXPECT_EQ(list.AddMasked(square, clFuchsia), 0);
    TBitmap strip(20, 10);  // two images at once
    EXPECT_EQ(list.AddMasked(strip, clFuchsia), 1);
    EXPECT_EQ(list.Count(), 3);

    TBitmap target(12, 12);
    target.Canvas().Brush().SetColor(clBlue);
    target.Canvas().FillRect({0, 0, 12, 12});
    list.Draw(target.Canvas(), 1, 1, 0);
    EXPECT_EQ(Pixel(target, 2, 2), 0xFF0000u);  // the border is left out: blue shows
    EXPECT_EQ(Pixel(target, 5, 5), 0x0000FFu);  // red
    list.Draw(target.Canvas(), 1, 1, 7);        // outside the list: nothing
    EXPECT_EQ(Pixel(target, 5, 5), 0x0000FFu);

    TBitmap greyed(12, 12);
    greyed.Canvas().Brush().SetColor(clBlue);
    greyed.Canvas().FillRect({0, 0, 12, 12});
    list.Draw(greyed.Canvas(), 1, 1, 0, false);
    EXPECT_EQ(Pixel(greyed, 2, 2), 0xFF0000u);
    EXPECT_NE(Pixel(greyed, 5, 5), 0x0000FFu);

    list.Delete(0);
    EXPECT_EQ(list.Count(), 2);
    list.SetWidth(16);  // a new size empties the list
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(LiveHandles(THandleKind::ImageList), before + 1);
  }
  EXPECT_EQ(LiveHandles(THandleKind::ImageList), before);
}

TEST(Actions, ControlShowsItsActionExecutesItAndForgetsItWhenItGoes) {
  auto form = MakeSizedForm(200, 100);
  auto* action = new TAction(form.get());
  auto* control = new TCustomControl(form.get());
  control->SetParent(form.get());
  int executed = 0;
  action->OnExecute = [&](TObject* sender) {
    EXPECT_EQ(sender, action);
    ++executed;
  };
  action->SetCaption("&Save");
  control->SetAction(action);
  EXPECT_EQ(control->Caption(), "&Save");
  action->SetEnabled(false);
  EXPECT_FALSE(control->Enabled());
  control->Click();  // a disabled action does not run
  EXPECT_EQ(executed, 0);
  action->SetEnabled(true);
  control->Click();
  EXPECT_EQ(executed, 1);

  int ownClicks = 0;
  control->OnClick = [&](TObject*) { ++ownClicks; };  // the control's own handler goes first
  control->Click();
  EXPECT_EQ(ownClicks, 1);
  EXPECT_EQ(executed, 1);

  delete action;
  EXPECT_EQ(control->Action(), nullptr);
  control->OnClick = nullptr;
  control->Click();  // nothing left to run
}

TEST(Actions, ActionForgetsItsImageListWhenTheListGoes) {
  auto* list = new TImageList(nullptr);
  TAction action(nullptr);
  action.SetImageList(list);
  EXPECT_EQ(action.ImageList(), list);
  delete list;
  EXPECT_EQ(action.ImageList(), nullptr);
}

TEST(Accelerators, FollowTheAmpersandConvention) {
  EXPECT_TRUE(IsAccel('s', "&Save"));
  EXPECT_TRUE(IsAccel('S', "&save"));
  EXPECT_TRUE(IsAccel('a', "S&ave"));
  EXPECT_FALSE(IsAccel('s', "Save"));
  EXPECT_FALSE(IsAccel('a', "Save && &Quit"));  // "&&" is an ampersand
  EXPECT_TRUE(IsAccel('q', "Save && &Quit"));
  EXPECT_FALSE(IsAccel('&', "a&&b"));
  EXPECT_FALSE(IsAccel('x', "end&"));
  EXPECT_TRUE(IsAccel('p', "预览(&P)"));
  EXPECT_FALSE(IsAccel('p', "预览"));
}

TEST(Anchors, RightAndBottomAnchoredControlsKeepTheirDistanceWhenTheParentResizes) {
  auto form = MakeSizedForm(300, 200);
  auto* panel = new TCustomControl(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(0, 0, 300, 200);
  auto* corner = new TCustomControl(form.get());   // right + bottom: moves
  auto* stretch = new TCustomControl(form.get());  // left + right: widens
  auto* plain = new TCustomControl(form.get());    // left + top: stays
  for (TControl* c : std::initializer_list<TControl*>{corner, stretch, plain}) c->SetParent(panel);
  corner->SetBounds(220, 150, 60, 30);
  corner->SetAnchors({akRight, akBottom});
  stretch->SetBounds(10, 10, 270, 20);
  stretch->SetAnchors({akLeft, akTop, akRight});
  plain->SetBounds(10, 50, 40, 40);

  panel->SetBounds(0, 0, 400, 260);
  EXPECT_EQ(corner->BoundsRect(), TRect(320, 210, 380, 240));
  EXPECT_EQ(stretch->BoundsRect(), TRect(10, 10, 380, 30));
  EXPECT_EQ(plain->BoundsRect(), TRect(10, 50, 50, 90));
  panel->SetBounds(0, 0, 300, 200);
  EXPECT_EQ(corner->BoundsRect(), TRect(220, 150, 280, 180));
  EXPECT_EQ(stretch->BoundsRect(), TRect(10, 10, 280, 30));
}

TEST(Constraints, LimitTheSizeSetBoundsAndRealignmentGive) {
  auto form = MakeSizedForm(300, 200);
  auto* c = new TCustomControl(form.get());
  c->SetParent(form.get());
  c->SetConstraints({20, 10, 100, 0});  // MaxHeight 0: no limit
  c->SetBounds(0, 0, 5, 500);
  EXPECT_EQ(c->Width(), 20);
  EXPECT_EQ(c->Height(), 500);
  c->SetAlign(alClient);
  EXPECT_EQ(c->Width(), 100);
  c->SetAlign(alNone);
  c->SetConstraints({0, 0, 50, 40});  // tightening applies at once
  EXPECT_EQ(c->Width(), 50);
  EXPECT_EQ(c->Height(), 40);
}

TEST(DialogKeys, KeysTheFocusedControlDoesNotTakeAreOfferedUntilOneHandlesThem) {
  TKeyForm f;
  f.First->SetFocus();
  f.First->Log.clear();
  f.Second->Log.clear();
  f.Second->HandleKey = VK_RETURN;
  SendMessageW(f.First->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(f.First->Log, std::vector<std::string>{"key 13"});
  EXPECT_EQ(f.Second->Log, std::vector<std::string>{"key 13"});
  f.First->HandleKey = VK_ESCAPE;
  f.Second->Log.clear();
  SendMessageW(f.First->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(f.Second->Log.empty());  // the first handled it
  f.First->Log.clear();
  SendMessageW(f.First->Handle(), WM_KEYDOWN, 'A', 0);  // not a dialog key
  EXPECT_TRUE(f.First->Log.empty());
}

TEST(DialogKeys, AnEditKeepsItsArrowsAndCharactersButNotEnter) {
  TKeyForm f;
  f.Edit->SetFocus();
  ASSERT_TRUE(f.Edit->Focused());
  f.First->Log.clear();
  SendMessageW(f.Edit->Handle(), WM_KEYDOWN, VK_LEFT, 0);
  SendMessageW(f.Edit->Handle(), WM_CHAR, 'x', 0);
  EXPECT_TRUE(f.First->Log.empty());
  EXPECT_EQ(f.Edit->Text(), "x");
  SendMessageW(f.Edit->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(f.First->Log, std::vector<std::string>{"key 13"});
  f.First->HandleChar = 'k';
  SendMessageW(f.Edit->Handle(), WM_SYSCHAR, 'k', 0);  // Alt+K
  EXPECT_EQ(f.First->Log.back(), "char k");
  EXPECT_EQ(f.Edit->Text(), "x");
}

TEST(DialogKeys, PlainLettersOnAControlThatTakesNoCharactersAreOffered) {
  TKeyForm f;
  f.First->SetFocus();
  f.Second->HandleChar = 'q';
  SendMessageW(f.First->Handle(), WM_CHAR, 'q', 0);
  EXPECT_EQ(f.Second->Log.back(), "char q");
}

TEST(FocusChange, EveryControlHearsWhichOneTookTheFocusAndTheFormCanRepeatIt) {
  TKeyForm f;
  f.Second->SetFocus();
  ASSERT_TRUE(f.Second->Focused());
  EXPECT_EQ(f.First->Log.back(), "focus second");
  EXPECT_EQ(f.Form->ActiveControl(), f.Second);
  f.Edit->SetFocus();
  EXPECT_EQ(f.Second->Log.back(), "focus edit");
  f.First->Log.clear();
  f.Form->SendFocusChanged();
  EXPECT_EQ(f.First->Log, std::vector<std::string>{"focus edit"});
  TWinControl* gone = f.Edit;
  delete f.Edit;  // the form forgets a control that goes
  EXPECT_NE(f.Form->ActiveControl(), gone);
  f.First->Log.clear();
  f.Form->SendFocusChanged();
  EXPECT_EQ(f.First->Log.size(), 1u);
}

TEST(DialogKeys, EscapeInAMultiLineEditAfterTabLeavesItsParentAlone) {
  auto form = MakeSizedForm(300, 200);
  auto* panel = new TCustomControl(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(0, 0, 300, 200);
  auto* memo = new TMemo(form.get());
  memo->SetParent(panel);
  memo->SetBounds(10, 10, 200, 100);
  form->Show();
  memo->SetFocus();
  HWND panelWnd = panel->Handle();
  PostMessageW(memo->Handle(), WM_KEYDOWN, VK_TAB, 0);  // asks the memo for its dialog code
  Application->ProcessMessages();
  SendMessageW(memo->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  Application->ProcessMessages();
  EXPECT_TRUE(IsWindow(panelWnd));
  EXPECT_EQ(panel->HandleValue(), panelWnd);
}
