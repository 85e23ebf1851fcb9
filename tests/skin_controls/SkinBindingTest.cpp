// Binding controls to a skin: applying it, the sizes its resize modes fix, names
// looked up again at the next paint, losing the skin data, and the client areas
// and vertical centring that follow from the skin.
#include <gtest/gtest.h>

#include "SkinControlTestSupport.h"
#include "TestSkin.h"
#include "skin/controls/sfSkinButton.h"
#include "skin/controls/sfSkinPanel.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinStatusBar.h"
#include "skin/controls/sfSkinToolBar.h"
#include "ui/Bitmap.h"

namespace {

struct TSkinnedForm {
  std::unique_ptr<TForm> Form = MakeForm();
  TsfSkinData* Skin = new TsfSkinData(Form.get());
  TSkinnedForm() {
    Form->SetClientWidth(782);
    Form->SetClientHeight(552);
    LoadTestSkin(*Skin);
  }
  template <class T>
  T* Add(TWinControl* parent, const TRect& bounds) {
    auto* c = new T(Form.get());
    c->SetParent(parent);  // first, as a tool bar centres what is placed on it
    c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    return c;
  }
};

}  // namespace

TEST(SkinBinding, AssigningSkinDataFixesTheDimensionsTheSkinFixes) {
  TSkinnedForm f;
  auto* bar = f.Add<TsfSkinToolBar>(f.Form.get(), Bounds(0, 0, 782, 40));
  bar->SetAlign(alTop);
  auto* status = f.Add<TsfSkinStatusBar>(f.Form.get(), Bounds(0, 531, 782, 21));
  auto* panel = f.Add<TsfSkinPanel>(f.Form.get(), Bounds(0, 40, 300, 200));
  EXPECT_EQ(bar->DefinitionIndex(), -1);
  bar->SetSkinData(f.Skin);
  status->SetSkinData(f.Skin);
  panel->SetSkinData(f.Skin);
  EXPECT_EQ(bar->DefinitionIndex(), 0);
  EXPECT_EQ(bar->SizingMode(), sfsmHorizontal);
  EXPECT_EQ(bar->Height(), 29);
  EXPECT_EQ(bar->Width(), 782);
  EXPECT_EQ(status->Height(), 24);
  EXPECT_EQ(status->Top() + status->Height(), f.Form->ClientHeight());  // still at the bottom
  EXPECT_EQ(panel->SizingMode(), sfsmNinePart);
  EXPECT_EQ(panel->BoundsRect(), Bounds(0, 40, 300, 200));  // nine-part: any size
  // Asking for another height is refused by a horizontal skin; the width follows.
  bar->SetBounds(0, 0, 500, 60);
  EXPECT_EQ(bar->Height(), 29);
}

TEST(SkinBinding, SkinDataNameIsLookedUpAgainAtTheNextPaintAndComparedExactly) {
  TSkinnedForm f;
  auto* bar = f.Add<TsfSkinToolBar>(f.Form.get(), Bounds(0, 0, 300, 40));
  bar->SetSkinData(f.Skin);
  ASSERT_EQ(bar->Height(), 29);
  TBitmap image(300, 29);
  bar->SetSkinDataName("ToolPanel");  // names are case-sensitive
  EXPECT_TRUE(bar->Skinned());        // nothing happens before the next paint
  bar->PaintTo(image.DC());
  EXPECT_FALSE(bar->Skinned());
  EXPECT_EQ(bar->Height(), 29);
  bar->SetSkinDataName("toolpanel");
  bar->PaintTo(image.DC());
  EXPECT_EQ(bar->DefinitionIndex(), 0);
  EXPECT_EQ(bar->Height(), 29);
}

TEST(SkinBinding, DestroyedSkinDataLeavesControlsUnskinnedAndWorking) {
  TSkinnedForm f;
  auto* panel = f.Add<TsfSkinPanel>(f.Form.get(), Bounds(0, 0, 200, 100));
  auto* button = f.Add<TsfSkinSpeedButton>(panel, Bounds(10, 10, 60, 25));
  panel->SetSkinData(f.Skin);
  button->SetSkinData(f.Skin);
  ASSERT_TRUE(panel->Skinned());
  delete f.Skin;
  EXPECT_EQ(panel->SkinData(), nullptr);
  EXPECT_EQ(button->SkinData(), nullptr);
  EXPECT_FALSE(panel->Skinned());
  TBitmap image(200, 100);
  panel->PaintTo(image.DC());
  button->PaintOn(image.DC());
  EXPECT_EQ(PixelAt(image, 0, 0), static_cast<TColor>(ColorToRGB(clBtnShadow)));  // plain bvFrame
}

TEST(SkinBinding, EmptySkinOrUnknownKindGivesThePlainLookAndDefaultSizes) {
  auto form = MakeForm();
  auto* empty = new TsfSkinData(form.get());
  auto* button = new TsfSkinButton(form.get());
  button->SetParent(form.get());
  button->SetDefaultWidth(0);
  button->SetDefaultHeight(27);  // applies at once while unskinned; 0 leaves the width
  EXPECT_EQ(button->Width(), 75);
  EXPECT_EQ(button->Height(), 27);
  button->SetSkinData(empty);
  button->ApplySkin();
  EXPECT_FALSE(button->Skinned());
  EXPECT_EQ(button->BoundsRect(), Bounds(0, 0, 75, 27));

  TSkinnedForm f;
  auto* label = f.Add<TsfSkinPanel>(f.Form.get(), Bounds(0, 0, 80, 30));
  label->SetSkinDataName("stdlabel");  // a kind with no image geometry and no picture
  label->SetSkinData(f.Skin);
  EXPECT_TRUE(label->Skinned());
  EXPECT_EQ(label->BoundsRect(), Bounds(0, 0, 80, 30));
  TBitmap image(80, 30);
  label->PaintTo(image.DC());
  label->SetBounds(0, 0, 0, 0);  // a control of no size paints nothing
  label->PaintTo(image.DC());
}

TEST(SkinBinding, FixedSkinKeepsItsSizeAndCanBeOptedOutOfByAButton) {
  TSkinnedForm f;
  auto* button = f.Add<TsfSkinButton>(f.Form.get(), Bounds(10, 10, 75, 25));
  button->SetSkinData(f.Skin);
  EXPECT_EQ(button->SizingMode(), sfsmFixed);
  EXPECT_EQ(button->BoundsRect(), Bounds(10, 10, 20, 10));
  button->SetBounds(10, 10, 90, 30);
  EXPECT_EQ(button->BoundsRect(), Bounds(10, 10, 20, 10));
  auto* free = f.Add<TsfSkinButton>(f.Form.get(), Bounds(10, 50, 75, 25));
  free->SetUseSkinSize(false);
  free->SetSkinData(f.Skin);
  EXPECT_EQ(free->BoundsRect(), Bounds(10, 50, 75, 25));
  EXPECT_EQ(free->SkinGeometry().NewClRect, TRect(1, 1, 74, 24));  // Cl grows with it
}

TEST(SkinBinding, PanelClientAreaFollowsBorderCaptionAndSkin) {
  TSkinnedForm f;
  auto clientOf = [&f](TsfSkinPanel* p) {
    auto* child = f.Add<TsfSkinPanel>(p, Bounds(0, 0, 10, 10));
    child->SetAlign(alClient);
    return child->BoundsRect();
  };
  auto* framed = f.Add<TsfSkinPanel>(f.Form.get(), Bounds(0, 0, 192, 446));
  EXPECT_EQ(clientOf(framed), TRect(1, 1, 191, 445));
  auto* plain = f.Add<TsfSkinPanel>(f.Form.get(), Bounds(0, 0, 192, 100));
  plain->SetBorderStyle(bvNone);
  EXPECT_EQ(clientOf(plain), TRect(0, 0, 192, 100));
  plain->SetCaptionMode(true);
  EXPECT_EQ(plain->Controls(0)->BoundsRect(), TRect(0, 22, 192, 100));

  auto* skinnedFrame = f.Add<TsfSkinPanel>(f.Form.get(), Bounds(0, 0, 159, 152));
  skinnedFrame->SetSkinDataName("framed");
  skinnedFrame->SetSkinData(f.Skin);
  EXPECT_EQ(clientOf(skinnedFrame), TRect(3, 4, 156, 148));  // Cl' of the resized image
  auto* bottom = f.Add<TsfSkinPanel>(f.Form.get(), Bounds(0, 0, 782, 43));
  bottom->SetBorderStyle(bvNone);
  bottom->SetSkinData(f.Skin);
  EXPECT_EQ(clientOf(bottom), TRect(0, 0, 782, 43));  // nine-part without a frame: all of it
}

TEST(SkinBinding, StatusBarGripNarrowsTheClientAreaAndSizesFromItsCorner) {
  auto form = MakeForm();
  form->SetClientWidth(400);
  form->SetClientHeight(300);
  auto* status = new TsfSkinStatusBar(form.get());
  status->SetParent(form.get());
  auto* child = new TsfSkinPanel(status);
  child->SetAlign(alClient);
  child->SetParent(status);
  EXPECT_EQ(status->BoundsRect(), Bounds(0, 279, 400, 21));
  EXPECT_EQ(child->BoundsRect(), TRect(0, 0, 400, 21));  // no grip: not narrowed
  status->SetSizeGrip(true);
  EXPECT_EQ(child->BoundsRect(), TRect(0, 0, 379, 21));
  EXPECT_EQ(status->GripRect(), TRect(381, 0, 400, 19));
  form->Show();
  TPoint corner = status->ClientToScreen({395, 15});
  TPoint middle = status->ClientToScreen({100, 10});
  EXPECT_EQ(SendMessageW(status->Handle(), WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)),
            HTBOTTOMRIGHT);
  EXPECT_EQ(SendMessageW(status->Handle(), WM_NCHITTEST, 0, MAKELPARAM(middle.x, middle.y)),
            HTCLIENT);
}

TEST(ToolBarCentring, ChildrenAreCentredInTheClientAreaWhateverTopTheyAreGiven) {
  TSkinnedForm f;
  auto* bar = f.Add<TsfSkinToolBar>(f.Form.get(), Bounds(0, 0, 782, 40));
  bar->SetAlign(alTop);
  bar->SetSkinData(f.Skin);
  ASSERT_EQ(bar->Height(), 29);  // client area y 2 .. 27
  auto* tall = f.Add<TsfSkinSpeedButton>(bar, Bounds(2, 2, 60, 25));
  auto* small = f.Add<TsfSkinSpeedButton>(bar, Bounds(62, 2, 60, 20));
  auto* odd = f.Add<TsfSkinSpeedButton>(bar, Bounds(122, 0, 60, 21));
  auto* windowed = f.Add<TsfSkinPanel>(bar, Bounds(182, 9, 40, 15));
  auto* other = f.Add<TGraphicControl>(bar, Bounds(222, 0, 10, 11));
  EXPECT_EQ(tall->Top(), 2);
  EXPECT_EQ(small->Top(), 4);
  EXPECT_EQ(odd->Top(), 4);
  EXPECT_EQ(windowed->Top(), 7);
  bar->SetBounds(0, 0, 782, 29);  // the tool bar re-centres children that do not do it themselves
  EXPECT_EQ(other->Top(), 9);
  small->SetTop(0);
  EXPECT_EQ(small->Top(), 4);

  bar->SetAdjustControls(false);
  small->SetTop(0);
  EXPECT_EQ(small->Top(), 0);
}

TEST(ToolBarCentring, AnUnskinnedToolBarCentresOverItsWholeHeight) {
  auto form = MakeForm();
  auto* bar = new TsfSkinToolBar(form.get());
  bar->SetParent(form.get());
  bar->SetBounds(0, 0, 782, 40);
  auto* button = new TsfSkinSpeedButton(bar);
  button->SetParent(bar);
  button->SetBounds(2, 2, 60, 36);
  EXPECT_EQ(bar->BorderStyle(), bvNone);
  EXPECT_EQ(button->Top(), 2);
  button->SetHeight(30);
  EXPECT_EQ(button->Top(), 5);
}
