// What the buttons do with the mouse: group buttons that click on the press and
// release their siblings, independent buttons that click on a release over them,
// repeating, the push buttons without focus, and the picture button's fixed size.
#include <gtest/gtest.h>

#include <vector>

#include "SkinControlTestSupport.h"
#include "skin/controls/sfSkinButton.h"
#include "skin/controls/sfSkinPanel.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/controls/sfSkinXFormButton.h"
#include "ui/Bitmap.h"

namespace {

// A tool bar with category buttons made the way the main window makes them.
struct TCategoryBar {
  std::unique_ptr<TForm> Form = MakeForm();
  TsfSkinToolBar* Bar = nullptr;
  std::vector<TsfSkinSpeedButton*> Buttons;
  std::vector<std::string> Log;

  explicit TCategoryBar(int count, int group = 11) {
    Form->SetClientWidth(400);
    Form->SetClientHeight(100);
    Bar = new TsfSkinToolBar(Form.get());
    Bar->SetParent(Form.get());
    Bar->SetBounds(0, 0, 400, 40);
    for (int i = 0; i < count; ++i) {
      auto* b = new TsfSkinSpeedButton(Bar);
      b->SetParent(Bar);
      b->SetName("Sbtn" + std::to_string(i));
      b->SetFlat(true);
      b->SetWidth(60);
      b->SetHeight(Bar->Height() - 4);
      b->SetLeft(i * 60 + 2);
      if (b->Left() < 5) b->SetDown(true);
      b->SetTop(2);
      b->SetGroupIndex(group);
      b->OnClick = [this](TObject* sender) {
        auto* s = static_cast<TsfSkinSpeedButton*>(sender);
        Log.push_back(s->Name() + (s->Down() ? " click down" : " click up"));
      };
      b->OnMouseUp = [this](TObject* sender, TMouseButton, TShiftState, int, int) {
        Log.push_back(static_cast<TComponent*>(sender)->Name() + " released");
      };
      Buttons.push_back(b);
    }
    Form->Show();
  }
  void Send(unsigned msg, WPARAM keys, int x, int y) {
    SendMessageW(Bar->Handle(), msg, keys, PointParam(x, y));
  }
  void Press(int x, int y) { Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y); }
  void Release(int x, int y) { Send(WM_LBUTTONUP, 0, x, y); }
  std::vector<bool> Downs() const {
    std::vector<bool> out;
    for (auto* b : Buttons) out.push_back(b->Down());
    return out;
  }
};

}  // namespace

TEST(SpeedButtonGroup, APressPutsTheButtonDownReleasesTheOthersAndClicksAtOnce) {
  TCategoryBar f(3);
  EXPECT_EQ(f.Buttons[0]->Top(), 2);
  EXPECT_EQ(f.Downs(), (std::vector<bool>{true, false, false}));  // made down before its group
  f.Press(150, 20);
  EXPECT_EQ(f.Downs(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(f.Log, (std::vector<std::string>{"Sbtn2 click down"}));  // on the press
  f.Release(150, 20);
  EXPECT_EQ(f.Log.size(), 2u);
  EXPECT_EQ(f.Log.back(), "Sbtn2 released");

  f.Log.clear();
  f.Press(150, 20);  // the button that is already down
  f.Send(WM_MOUSEMOVE, MK_LBUTTON, 390, 38);
  f.Release(390, 38);  // released away from every button
  EXPECT_EQ(f.Downs(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(f.Log, (std::vector<std::string>{"Sbtn2 released"}));
}

TEST(SpeedButtonGroup, DownFromCodeNeverClicksAndTouchesOnlyItsOwnParentsGroup) {
  TCategoryBar f(3);
  auto* elsewhere = new TsfSkinSpeedButton(f.Form.get());
  elsewhere->SetParent(f.Form.get());
  elsewhere->SetBounds(10, 60, 60, 25);
  elsewhere->SetGroupIndex(11);
  elsewhere->SetDown(true);
  auto* otherGroup = new TsfSkinSpeedButton(f.Bar);
  otherGroup->SetParent(f.Bar);
  otherGroup->SetGroupIndex(12);
  otherGroup->SetDown(true);

  f.Buttons[1]->SetDown(true);
  EXPECT_EQ(f.Downs(), (std::vector<bool>{false, true, false}));
  EXPECT_TRUE(elsewhere->Down());
  EXPECT_TRUE(otherGroup->Down());
  EXPECT_TRUE(f.Log.empty());
  f.Press(30, 20);
  EXPECT_EQ(f.Downs(), (std::vector<bool>{true, false, false}));
  EXPECT_TRUE(elsewhere->Down());
  EXPECT_TRUE(otherGroup->Down());
  EXPECT_EQ(f.Log, (std::vector<std::string>{"Sbtn0 click down"}));
}

TEST(SpeedButtonGroup, AllowAllUpLetsTheDownButtonComeUpOnItsRelease) {
  TCategoryBar f(2);
  for (auto* b : f.Buttons) b->SetAllowAllUp(true);
  f.Send(WM_MOUSEMOVE, 0, 30, 20);
  f.Press(30, 20);
  EXPECT_TRUE(f.Buttons[0]->Down());
  EXPECT_EQ(f.Log, (std::vector<std::string>{}));  // a press on the down one: nothing yet
  f.Release(30, 20);
  EXPECT_FALSE(f.Buttons[0]->Down());
  // A speed button's mouse-up event comes first, its click after it.
  EXPECT_EQ(f.Log, (std::vector<std::string>{"Sbtn0 released", "Sbtn0 click up"}));

  f.Buttons[0]->SetDown(true);
  f.Log.clear();
  f.Press(90, 20);  // goes down without releasing the other
  EXPECT_EQ(f.Downs(), (std::vector<bool>{true, true}));
  EXPECT_EQ(f.Log, (std::vector<std::string>{"Sbtn1 click down"}));
}

TEST(SpeedButtonIndependent, ClicksOnAReleaseOverItAndNotAfterADragAway) {
  TCategoryBar f(2, 0);
  f.Send(WM_MOUSEMOVE, 0, 90, 20);
  f.Press(90, 20);
  EXPECT_TRUE(f.Buttons[1]->Down());
  EXPECT_TRUE(f.Log.empty());
  f.Release(91, 21);
  EXPECT_FALSE(f.Buttons[1]->Down());
  EXPECT_EQ(f.Log, (std::vector<std::string>{"Sbtn1 released", "Sbtn1 click up"}));
  EXPECT_TRUE(f.Buttons[0]->Down());  // independent buttons release nobody

  f.Log.clear();
  f.Press(90, 20);
  f.Send(WM_MOUSEMOVE, MK_LBUTTON, 300, 20);  // dragged off the button
  EXPECT_FALSE(f.Buttons[1]->MouseIn());
  f.Release(300, 20);
  EXPECT_FALSE(f.Buttons[1]->Down());
  EXPECT_EQ(f.Log, (std::vector<std::string>{"Sbtn1 released"}));
}

TEST(SpeedButtonIndependent, HeldInRepeatModeClicksFromTheTimerAndOnceMoreOnRelease) {
  TCategoryBar f(1, 0);
  auto* b = f.Buttons[0];
  b->SetDown(false);
  b->SetRepeatMode(true);
  b->SetRepeatInterval(100);
  // The pointer rests over the button, as a user's does while holding it: the
  // move it causes is handled before the press, and no leave follows.
  f.Form->Show();
  TPoint over = f.Bar->ClientToScreen({30, 20});
  SetCursorPos(over.x, over.y);
  PumpUntil([] { return false; }, 100);
  f.Log.clear();
  f.Press(30, 20);
  ULONGLONG start = GetTickCount64();
  PumpUntil([&] { return GetTickCount64() - start >= 850; }, 2000);
  size_t fromTimer = f.Log.size();
  f.Release(30, 20);
  // Nothing in the first 500 ms, then one every 100 ms: about 600, 700 and 800 ms.
  EXPECT_GE(fromTimer, 2u);
  EXPECT_LE(fromTimer, 4u);
  EXPECT_EQ(f.Log.size(), fromTimer + 2);  // the release's mouse-up, then its own click
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(f.Log.size(), fromTimer + 2);  // the timer stopped
}

TEST(SpeedButtonHot, EnterAndLeaveTrackThePointer) {
  TCategoryBar f(2);
  int enters = 0;
  f.Buttons[1]->OnMouseEnter = [&](TObject*) { ++enters; };
  f.Send(WM_MOUSEMOVE, 0, 90, 20);
  EXPECT_TRUE(f.Buttons[1]->MouseIn());
  EXPECT_EQ(enters, 1);
  f.Send(WM_MOUSEMOVE, 0, 30, 20);
  EXPECT_FALSE(f.Buttons[1]->MouseIn());
  EXPECT_TRUE(f.Buttons[0]->MouseIn());
  f.Buttons[0]->SetEnabled(false);  // a disabled button is never hot
  EXPECT_FALSE(f.Buttons[0]->MouseIn());
}

TEST(PushButton, WithoutFocusItClicksOnceOnAReleaseOverItAndIgnoresKeys) {
  auto form = MakeForm();
  form->SetClientWidth(300);
  form->SetClientHeight(100);
  auto* edit = new TsfSkinButton(form.get());  // a focusable one to hold the focus
  edit->SetParent(form.get());
  auto* button = new TsfSkinXFormButton(form.get());
  button->SetParent(form.get());
  button->SetBounds(100, 10, 75, 27);
  button->SetCaption("预览特效");
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  edit->SetFocus();
  EXPECT_FALSE(button->CanFocused());
  EXPECT_FALSE(button->TabStop());
  HWND wnd = button->Handle();
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(clicks, 0);
  SendMessageW(wnd, WM_LBUTTONUP, 0, PointParam(10, 10));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button->Down());
  EXPECT_TRUE(edit->Focused());  // the press did not take the focus
  for (WPARAM key : {VK_RETURN, VK_SPACE}) {
    SendMessageW(wnd, WM_KEYDOWN, key, 0);
    SendMessageW(wnd, WM_KEYUP, key, 0);
  }
  EXPECT_EQ(clicks, 1);
}

TEST(PushButton, AFocusableButtonTakesTheFocusClicksOnSpaceAndSetsTheModalResult) {
  auto form = MakeForm();
  auto* button = new TsfSkinButton(form.get());
  button->SetParent(form.get());
  button->SetModalResult(mrOk);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  HWND wnd = button->Handle();
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  EXPECT_TRUE(button->Focused());
  SendMessageW(wnd, WM_LBUTTONUP, 0, PointParam(10, 10));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form->ModalResult(), mrOk);
  form->SetModalResult(mrNone);
  SendMessageW(wnd, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(button->Down());
  SendMessageW(wnd, WM_KEYUP, VK_SPACE, 0);
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(form->ModalResult(), mrOk);
  button->SetGroupIndex(3);  // a group button never takes the focus
  EXPECT_FALSE(button->CanFocused());
  EXPECT_FALSE(button->TabStop());
}

TEST(PushButton, PictureButtonTakesTheSizeOfItsImage) {
  auto form = MakeForm();
  auto* button = new TsfSkinXFormButton(form.get());
  button->SetParent(form.get());
  TBitmap face(90, 30);
  button->SetDefImage(face);
  EXPECT_EQ(button->BoundsRect(), Bounds(0, 0, 90, 30));
  button->SetBounds(5, 5, 75, 27);
  EXPECT_EQ(button->BoundsRect(), Bounds(5, 5, 90, 30));
  button->ApplySkin();
  EXPECT_EQ(button->BoundsRect(), Bounds(5, 5, 90, 30));
}
