// The push buttons as a dialog's buttons: Enter and Escape, the default button's
// highlight following the focus, accelerators, actions, image lists, the blend
// between the normal and hot faces, and the picture button's shape.
#include <gtest/gtest.h>

#include <vector>

#include "SkinControlTestSupport.h"
#include "TestSkin.h"
#include "skin/controls/sfSkinButton.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/controls/sfSkinXFormButton.h"
#include "skin/data/sfSkinData.h"
#include "ui/Action.h"
#include "ui/Bitmap.h"
#include "ui/Edit.h"
#include "ui/GdiObject.h"
#include "ui/ImageList.h"
#include "ui/Messages.h"

namespace {

// A dialog with an edit field, a default OK button, a Cancel button and a third one.
struct TDialog {
  std::unique_ptr<TForm> Form = MakeSizedForm(320, 120);
  TEdit* Edit = new TEdit(Form.get());
  TsfSkinButton* Ok = new TsfSkinButton(Form.get());
  TsfSkinButton* Cancel = new TsfSkinButton(Form.get());
  TsfSkinButton* Other = new TsfSkinButton(Form.get());
  std::vector<std::string> Clicks;

  explicit TDialog(bool withDefault = true) {
    Edit->SetParent(Form.get());
    Edit->SetBounds(10, 10, 200, 22);
    int x = 10;
    for (auto [b, name] : {std::pair{Ok, "ok"}, {Cancel, "cancel"}, {Other, "other"}}) {
      b->SetParent(Form.get());
      b->SetName(name);
      b->SetBounds(x, 60, 75, 25);
      x += 90;
      b->OnClick = [this](TObject* s) { Clicks.push_back(static_cast<TComponent*>(s)->Name()); };
    }
    Ok->SetCaption("&OK");
    Ok->SetDefault(withDefault);
    Ok->SetModalResult(mrOk);
    Cancel->SetCancel(true);
    Cancel->SetModalResult(mrCancel);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    Edit->SetFocus();
  }
  void Key(TWinControl* to, WPARAM vk) { SendMessageW(to->Handle(), WM_KEYDOWN, vk, 1); }
};

// Holds a key down as far as GetKeyState can tell, for the life of the object.
class TKeyHeld {
 public:
  explicit TKeyHeld(int vk) : FKey(vk) { Set(0x80); }
  ~TKeyHeld() { Set(0); }

 private:
  void Set(BYTE state) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[FKey] = state;
    SetKeyboardState(keys);
  }
  int FKey;
};

// A skinned button face: the normal image is green where the picture is, the hot one
// (below the green area of the test picture) white.
const char* kMorphEntries = "mbutton:button\n";
const char* kMorphSections =
    "[mbutton]\npictureindex=0\nskinrect=0,0,20,10\nactiveskinrect=20,50,40,60\n"
    "clientrect=1,1,19,9\nmorphing=1\nmorphkind=mkdefault\n";

std::uint32_t RGBAt(HDC dc, int x, int y) { return GetPixel(dc, x, y) & 0xFFFFFF; }

}  // namespace

TEST(DialogButtons, EnterClicksTheDefaultAndEscapeTheCancelButtonFromAnEdit) {
  TDialog d;
  ASSERT_TRUE(d.Edit->Focused());
  EXPECT_TRUE(d.Ok->ActiveDefault());
  d.Key(d.Edit, VK_RETURN);
  EXPECT_EQ(d.Clicks, std::vector<std::string>{"ok"});
  EXPECT_EQ(d.Form->ModalResult(), 1);
  d.Key(d.Edit, VK_ESCAPE);
  EXPECT_EQ(d.Clicks, (std::vector<std::string>{"ok", "cancel"}));
  EXPECT_EQ(d.Form->ModalResult(), 2);
  {
    TKeyHeld shift(VK_SHIFT);
    d.Key(d.Edit, VK_ESCAPE);  // Shift+Escape is no cancel
  }
  EXPECT_EQ(d.Clicks.size(), 2u);
}

TEST(DialogButtons, EnterInAnEditPressesNothingWithoutADefaultButton) {
  TDialog d(false);
  d.Key(d.Edit, VK_RETURN);
  EXPECT_TRUE(d.Clicks.empty());
  EXPECT_EQ(d.Form->ModalResult(), mrNone);
}

TEST(DialogButtons, TheFocusedSkinnedButtonTakesEnterAndTheDefaultLosesItsHighlight) {
  TDialog d;
  EXPECT_TRUE(d.Ok->MouseIn());  // the default shows its hot look
  d.Other->SetFocus();
  ASSERT_TRUE(d.Other->Focused());
  EXPECT_FALSE(d.Ok->ActiveDefault());
  EXPECT_TRUE(d.Other->ActiveDefault());
  EXPECT_FALSE(d.Ok->MouseIn());
  d.Key(d.Other, VK_RETURN);
  EXPECT_EQ(d.Clicks, std::vector<std::string>{"other"});

  d.Edit->SetFocus();  // back on a control that is no button: the default again
  EXPECT_TRUE(d.Ok->ActiveDefault());
  EXPECT_FALSE(d.Other->ActiveDefault());
  EXPECT_TRUE(d.Ok->MouseIn());
  d.Key(d.Edit, VK_RETURN);
  EXPECT_EQ(d.Clicks.back(), "ok");

  d.Ok->SetDefault(false);  // the form tells the buttons again
  EXPECT_FALSE(d.Ok->ActiveDefault());
}

TEST(DialogButtons, AcceleratorFocusesAndClicksTheButton) {
  TDialog d;
  SendMessageW(d.Edit->Handle(), WM_SYSCHAR, 'o', 1);  // Alt+O
  EXPECT_EQ(d.Clicks, std::vector<std::string>{"ok"});
  EXPECT_TRUE(d.Ok->Focused());
  d.Ok->SetEnabled(false);
  d.Edit->SetFocus();
  SendMessageW(d.Edit->Handle(), WM_SYSCHAR, 'o', 1);
  EXPECT_EQ(d.Clicks.size(), 1u);
}

TEST(SpeedButtonKeys, AcceleratorAndActionClickTheButton) {
  auto form = MakeSizedForm(300, 100);
  auto* bar = new TsfSkinToolBar(form.get());
  bar->SetParent(form.get());
  bar->SetBounds(0, 0, 300, 40);
  auto* button = new TsfSkinSpeedButton(form.get());
  button->SetParent(bar);
  button->SetBounds(2, 2, 60, 25);
  auto* action = new TAction(form.get());
  int executed = 0;
  action->OnExecute = [&](TObject*) { ++executed; };
  action->SetCaption("&Go");
  button->SetAction(action);
  EXPECT_EQ(button->Caption(), "&Go");
  form->Show();
  SendMessageW(form->Handle(), WM_SYSCHAR, 'g', 1);
  EXPECT_EQ(executed, 1);
  SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, PointParam(10, 10));
  EXPECT_EQ(executed, 2);
  SendMessageW(form->Handle(), WM_SYSCHAR, 'x', 1);
  EXPECT_EQ(executed, 2);
}

TEST(ButtonImages, AnActionsImageFillsAnEmptyGlyphAndToolBarListsComeFirst) {
  auto form = MakeSizedForm(300, 100);
  auto* list = new TImageList(form.get(), 8, 8);
  TBitmap blue(8, 8);
  blue.Canvas().Brush().SetColor(clBlue);
  blue.Canvas().FillRect({0, 0, 8, 8});
  list->AddMasked(blue, clFuchsia);
  auto* action = new TAction(form.get());
  action->SetImageList(list);
  action->SetImageIndex(0);
  auto* push = new TsfSkinButton(form.get());
  push->SetAction(action);
  ASSERT_EQ(push->Glyph().Width(), 8);
  EXPECT_EQ(PixelAt(push->Glyph(), 3, 3), clBlue);

  // A speed button on a tool bar shows the tool bar's image in place of its own.
  auto* bar = new TsfSkinToolBar(form.get());
  bar->SetParent(form.get());
  bar->SetBounds(0, 0, 300, 40);
  auto* own = new TImageList(form.get(), 8, 8);
  TBitmap red(8, 8);
  red.Canvas().Brush().SetColor(clRed);
  red.Canvas().FillRect({0, 0, 8, 8});
  own->AddMasked(red, clFuchsia);
  auto* speed = new TsfSkinSpeedButton(form.get());
  speed->SetParent(bar);
  speed->SetBounds(2, 2, 30, 30);
  speed->SetImageList(own);
  bar->SetImages(list);
  form->Show();
  TBitmap shot(30, 30);
  speed->PaintOn(shot.DC());
  EXPECT_EQ(RGBAt(shot.DC(), 15, 15), 0xFF0000u);  // blue, from the tool bar
  bar->SetImages(nullptr);
  speed->PaintOn(shot.DC());
  EXPECT_EQ(RGBAt(shot.DC(), 15, 15), 0x0000FFu);  // red, its own
  delete own;  // the button forgets the list
  EXPECT_EQ(speed->ImageList(), nullptr);
  delete list;
  EXPECT_EQ(bar->Images(), nullptr);
}

TEST(ButtonMorph, MidwayTheFaceIsTheBlendOfTheNormalAndHotFaces) {
  auto form = MakeSizedForm(200, 100);
  auto* skin = new TsfSkinData(form.get());
  LoadTestSkin(*skin, kMorphEntries, kMorphSections);
  auto* push = new TsfSkinButton(form.get());
  push->SetParent(form.get());
  push->SetSkinDataName("mbutton");
  push->SetCanFocused(false);
  push->SetSkinData(skin);
  auto* speed = new TsfSkinSpeedButton(form.get());
  speed->SetParent(form.get());
  speed->SetSkinDataName("mbutton");
  speed->SetLeft(50);
  speed->SetSkinData(skin);
  form->Show();
  ASSERT_EQ(push->Width(), 20);

  push->Perform(CM_MOUSEENTER);
  speed->Perform(CM_MOUSEENTER);
  ASSERT_TRUE(PumpUntil([&] { return push->MorphFactor() > 0 && speed->MorphFactor() > 0; }));
  // One 20 ms tick in: 0.2 of the way from green (0, 128, 0) to white.
  ASSERT_DOUBLE_EQ(push->MorphFactor(), 0.2);
  TBitmap shot(20, 10);
  push->PaintTo(shot.DC());
  EXPECT_EQ(RGBAt(shot.DC(), 10, 5), RGBColor(51, 153, 51));
  ASSERT_DOUBLE_EQ(speed->MorphFactor(), 0.2);
  TBitmap speedShot(20, 10);
  speed->PaintOn(speedShot.DC());
  EXPECT_EQ(RGBAt(speedShot.DC(), 10, 5), RGBColor(51, 153, 51));

  ASSERT_TRUE(PumpUntil([&] { return push->MorphFactor() == 1; }));
  push->PaintTo(shot.DC());
  EXPECT_EQ(RGBAt(shot.DC(), 10, 5), 0xFFFFFFu);  // the hot face itself
}

TEST(PictureButton, KeepsItsImageSizeAndItsMaskShape) {
  auto form = MakeSizedForm(200, 100);
  auto* button = new TsfSkinXFormButton(form.get());
  button->SetParent(form.get());
  TBitmap face(90, 30);
  button->SetDefImage(face);
  button->SetBounds(10, 10, 40, 200);
  EXPECT_EQ(button->BoundsRect(), Bounds(10, 10, 90, 30));

  // Black is the shape: a rectangle with its corners cut off.
  TBitmap mask(90, 30);
  mask.Canvas().Brush().SetColor(clWhite);
  mask.Canvas().FillRect({0, 0, 90, 30});
  mask.Canvas().Brush().SetColor(clBlack);
  mask.Canvas().FillRect({5, 0, 85, 30});
  mask.Canvas().FillRect({0, 5, 90, 25});
  form->Show();
  int regions = LiveHandles(THandleKind::Region);
  button->SetDefMask(mask);
  button->SetDefMask(mask);  // the window's previous region goes with it
  EXPECT_EQ(LiveHandles(THandleKind::Region), regions);

  TRegionHandle rgn(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(button->Handle(), rgn.Get()), ERROR);
  DWORD size = GetRegionData(rgn.Get(), 0, nullptr);
  std::vector<BYTE> bytes(size);
  auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
  GetRegionData(rgn.Get(), size, data);
  const RECT* r = reinterpret_cast<const RECT*>(data->Buffer);
  std::vector<TRect> rects;
  for (DWORD i = 0; i < data->rdh.nCount; ++i)
    rects.push_back({r[i].left, r[i].top, r[i].right, r[i].bottom});
  EXPECT_EQ(rects, (std::vector<TRect>{{5, 0, 85, 5}, {0, 5, 90, 25}, {5, 25, 85, 30}}));

  // A click on a cut-off corner reaches the form, one inside the shape the button.
  TPoint corner = button->ClientToScreen({1, 1});
  TPoint inside = button->ClientToScreen({45, 15});
  EXPECT_NE(WindowFromPoint(POINT{corner.x, corner.y}), button->Handle());
  EXPECT_EQ(WindowFromPoint(POINT{inside.x, inside.y}), button->Handle());
}
