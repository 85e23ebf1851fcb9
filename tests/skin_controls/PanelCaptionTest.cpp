// Panels: where the skinned caption's parts go, the frame image behind the text,
// the transparent looks over the parent's image, the background-changed relay, and
// definitions without a client rectangle.
#include <gtest/gtest.h>

#include "SkinControlTestSupport.h"
#include "TestSkin.h"
#include "skin/controls/sfSkinPanel.h"
#include "skin/controls/sfSkinPanelCaption.h"
#include "ui/Bitmap.h"
#include "ui/ImageList.h"

namespace {

constexpr TColor kFormColor = 0x1EC80A;  // RGB 10, 200, 30

std::unique_ptr<TBitmap> ImageOf(TsfSkinControl& c) {
  auto image = std::make_unique<TBitmap>(c.Width(), c.Height());
  image->Canvas().Brush().SetColor(clBlue);
  image->Canvas().FillRect({0, 0, c.Width(), c.Height()});
  c.PaintTo(image->DC());
  return image;
}

// Records the background changes it hears of and what it was asked to draw over.
class TWatchingPanel : public TsfSkinPanel {
 public:
  using TsfSkinPanel::TsfSkinPanel;
  int BackgroundChanges = 0;
  int Overlays = 0;

 protected:
  void ParentBackgroundChanged() override {
    ++BackgroundChanges;
    TsfSkinPanel::ParentBackgroundChanged();
  }
  void PaintOverlay(TCanvas& C) override {
    ++Overlays;
    C.SetPixel(10, 40, clRed);
  }
};

struct TSkinnedForm {
  std::unique_ptr<TForm> Form = MakeSizedForm(400, 300);
  TsfSkinData* Skin = new TsfSkinData(Form.get());
  explicit TSkinnedForm(const std::string& entries = kTestSkinEntries,
                        const std::string& sections = kTestSkinSections) {
    Form->SetColor(kFormColor);
    LoadTestSkin(*Skin, entries, sections);
  }
  template <class T = TsfSkinPanel>
  T* Add(TWinControl* parent, const TRect& r, const char* name = "panel") {
    auto* c = new T(Form.get());
    c->SetParent(parent);
    c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    c->SetSkinDataName(name);
    c->SetSkinData(Skin);
    return c;
  }
};

}  // namespace

TEST(SkinCaptionLayout, FrameImageSitsBehindTheTextForEachAlignment) {
  TsfSkinCaptionInput in;
  in.Rect = {10, 2, 110, 20};
  in.TextSize = {40, 14};
  in.FrameRect = Bounds(0, 30, 60, 18);
  in.FrameTextRect = {8, 2, 48, 16};  // 20 narrower than the frame
  TsfSkinCaptionLayout l = LayoutSkinCaption(in);
  EXPECT_EQ(l.Text, TPoint(18, 4));
  EXPECT_EQ(l.Frame, Bounds(10, 2, 60, 18));
  in.Alignment = taRightJustify;
  l = LayoutSkinCaption(in);
  EXPECT_EQ(l.Frame, Bounds(50, 2, 60, 18));
  EXPECT_EQ(l.Text.x, 58);
  in.Alignment = taCenter;
  l = LayoutSkinCaption(in);
  EXPECT_EQ(l.Frame, Bounds(30, 2, 60, 18));
  EXPECT_EQ(l.Text.x, 38);
}

TEST(SkinCaptionLayout, CheckImageRollSlotAndImagePlaces) {
  TsfSkinCaptionInput in;
  in.Rect = {10, 2, 110, 20};
  in.TextSize = {40, 14};
  in.CheckedMode = true;
  in.CheckSize = {13, 13};
  in.RollUpMode = true;
  TsfSkinCaptionLayout l = LayoutSkinCaption(in);
  EXPECT_EQ(l.Check, TPoint(10, 5));
  EXPECT_EQ(l.TextArea, TRect(25, 2, 98, 20));
  EXPECT_EQ(l.RollSlot, TRect(98, 2, 108, 20));
  EXPECT_EQ(l.Text.x, 25);
  EXPECT_TRUE(l.Frame.IsEmpty());

  TsfSkinCaptionInput img;
  img.Rect = {0, 0, 200, 20};
  img.TextSize = {40, 14};
  img.ImageSize = {16, 16};
  img.Alignment = taCenter;
  l = LayoutSkinCaption(img);  // image and text centred together
  EXPECT_EQ(l.Image, TPoint(71, 2));
  EXPECT_EQ(l.Text.x, 89);
  img.ImagePosition = sfipLeft;
  l = LayoutSkinCaption(img);  // the image at the left edge, the text centred alone
  EXPECT_EQ(l.Image, TPoint(2, 2));
  EXPECT_EQ(l.Text.x, 80);
  img.Rect = {0, 0, 60, 20};
  l = LayoutSkinCaption(img);  // but never over the image
  EXPECT_EQ(l.Text.x, 20);
}

TEST(FrameCaptionLayout, CaptionAtTheTopLeftWithTheLineThroughItsMiddle) {
  TsfFrameCaptionLayout l = LayoutFrameCaption(200, {30, 14}, {}, 2, false, {}, false);
  EXPECT_EQ(l.Caption, TRect(5, 0, 200, 19));
  EXPECT_EQ(l.Text, TPoint(5, 2));
  EXPECT_EQ(l.MiddleY, 9);
  EXPECT_EQ(l.LineStart, 38);
  l = LayoutFrameCaption(200, {30, 14}, {16, 16}, 2, true, {13, 13}, true);
  EXPECT_EQ(l.Check, TPoint(5, 3));
  EXPECT_EQ(l.Image, TPoint(20, 1));
  EXPECT_EQ(l.Text.x, 38);
  EXPECT_EQ(l.RollSlot, TRect(71, 0, 81, 19));
  EXPECT_EQ(l.LineStart, 81);
}

TEST(PanelSkinnedLook, CaptionFrameImageIsDrawnFromThePicture) {
  // A panel whose caption wears a frame image cut from the picture's green area,
  // whose top-left pixel is the picture's one red pixel.
  TSkinnedForm f("captioned:panel\n",
                 "[captioned]\npictureindex=0\nskinrect=0,0,59,52\nlefttoppoint=5,4\n"
                 "righttoppoint=53,6\nleftbottompoint=6,45\nrightbottompoint=53,46\n"
                 "clientrect=2,2,57,50\ncaptionrect=6,4,50,30\nalignment=taleftjustify\n"
                 "framerect=2,2,32,14\nframetextrect=4,2,24,10\nframeleftoffset=3\n"
                 "framerightoffset=3\n");
  auto* panel = f.Add(f.Form.get(), Bounds(0, 0, 200, 100), "captioned");
  panel->SetSplitBorderPaint(false);
  panel->SetCaption("Ab");
  auto image = ImageOf(*panel);
  // In no corner area and spanning none: the caption rectangle keeps its place.
  EXPECT_EQ(panel->SkinCaptionRect(), TRect(6, 4, 50, 30));
  // The frame image starts at the text's place (6) at the caption's top (4).
  EXPECT_EQ(PixelAt(*image, 6, 4), TColor(clRed));
  EXPECT_EQ(PixelAt(*image, 7, 5), TColor(clGreen));
  EXPECT_NE(PixelAt(*image, 5, 4), TColor(clRed));
}

TEST(PanelTransparentLook, ShowsTheParentUnderAFrameInThePicturesColour) {
  TSkinnedForm f;
  auto* panel = f.Add<TWatchingPanel>(f.Form.get(), Bounds(20, 20, 120, 80));
  panel->SetTransparentMode(true);
  auto image = ImageOf(*panel);
  EXPECT_EQ(PixelAt(*image, 50, 30), kFormColor);
  // The pen: the picture's pixel at (S.Left + W div 2, S.Bottom - 1) = (29, 51), white.
  EXPECT_EQ(PixelAt(*image, 0, 0), TColor(clWhite));
  EXPECT_EQ(PixelAt(*image, 119, 79), TColor(clWhite));
  EXPECT_EQ(PixelAt(*image, 10, 40), TColor(clRed));  // the overlay comes last
  EXPECT_EQ(panel->Overlays, 1);
  panel->SetBorderStyle(bvNone);
  image = ImageOf(*panel);
  EXPECT_EQ(PixelAt(*image, 0, 0), kFormColor);
}

TEST(PanelTransparentLook, FrameWithCaptionRunsItsLineThroughTheCaption) {
  TSkinnedForm f;
  auto* panel = f.Add<TWatchingPanel>(f.Form.get(), Bounds(20, 20, 160, 90));
  panel->SetCaptionMode(true);
  panel->SetCheckedMode(true);
  panel->SetTransparentMode(true);
  panel->SetCaption("Group");
  auto image = ImageOf(*panel);
  TRect caption = panel->SkinCaptionRect();
  EXPECT_EQ(caption.Left, 5);
  EXPECT_EQ(caption.Top, 0);
  EXPECT_EQ(caption.Right, 160);
  int middle = caption.Height() / 2;
  EXPECT_EQ(PixelAt(*image, 2, middle), TColor(clWhite));    // the line left of the caption
  EXPECT_EQ(PixelAt(*image, 158, middle), TColor(clWhite));  // and right of it
  EXPECT_EQ(PixelAt(*image, 159, 50), TColor(clWhite));      // down the right edge
  EXPECT_EQ(PixelAt(*image, 80, 89), TColor(clWhite));       // along the bottom
  EXPECT_EQ(PixelAt(*image, 2, middle - 2), kFormColor);     // above it, the parent
  EXPECT_EQ(PixelAt(*image, 80, 60), kFormColor);
  EXPECT_EQ(panel->Overlays, 1);
  // A release in the caption as laid out toggles the check.
  panel->Perform(WM_LBUTTONUP, 0, PointParam(20, middle));
  EXPECT_TRUE(panel->Checked());
  panel->Perform(WM_LBUTTONUP, 0, PointParam(20, 60));
  EXPECT_TRUE(panel->Checked());
}

TEST(PanelTransparentLook, BackgroundChangesReachTheChildrenOfTransparentPanelsOnly) {
  TSkinnedForm f;
  auto* outer = f.Add<TWatchingPanel>(f.Form.get(), Bounds(0, 0, 300, 200));
  auto* inner = f.Add<TWatchingPanel>(outer, Bounds(10, 10, 200, 150));
  auto* leaf = f.Add<TWatchingPanel>(inner, Bounds(10, 10, 50, 50));
  f.Form->Show();
  leaf->BackgroundChanges = inner->BackgroundChanges = 0;
  outer->SetTransparentMode(true);  // tells its children
  EXPECT_EQ(inner->BackgroundChanges, 1);
  EXPECT_EQ(leaf->BackgroundChanges, 0);  // an opaque panel keeps it to itself
  inner->SetTransparentMode(true);
  EXPECT_EQ(leaf->BackgroundChanges, 1);
  SendMessageW(inner->Handle(), WM_SKIN_BGCHANGED, 0, 0);  // passed on
  EXPECT_EQ(leaf->BackgroundChanges, 2);
  inner->SetLeft(20);  // a transparent panel that moves tells its children too
  EXPECT_EQ(leaf->BackgroundChanges, 3);
  inner->SetTransparentMode(false);  // the change itself is news to the children
  EXPECT_EQ(leaf->BackgroundChanges, 4);
  SendMessageW(inner->Handle(), WM_SKIN_BGCHANGED, 0, 0);
  EXPECT_EQ(leaf->BackgroundChanges, 4);
}

TEST(PanelSkinnedLook, DefinitionWithoutClientRectangleDrawsNoTilesAndReturns) {
  TSkinnedForm f("noclient:panel\n",
                 "[noclient]\npictureindex=0\nskinrect=0,0,59,52\nlefttoppoint=5,4\n"
                 "righttoppoint=53,6\nleftbottompoint=6,45\nrightbottompoint=53,46\n"
                 "bgpictureindex=-1\n");
  auto* panel = f.Add(f.Form.get(), Bounds(0, 0, 120, 80), "noclient");
  panel->SetBorderStyle(bvNone);
  ASSERT_TRUE(panel->Skinned());
  auto image = ImageOf(*panel);  // the client-only look straight on the canvas
  EXPECT_EQ(PixelAt(*image, 60, 40), TColor(clBlue));
  panel->SetSplitBorderPaint(false);  // the off-screen tiling
  image = ImageOf(*panel);
  EXPECT_NE(PixelAt(*image, 60, 40), TColor(clGreen));
}

TEST(PanelRollUp, SizeLimitsAreClearedWhileRolledUpAndComeBack) {
  auto form = MakeSizedForm(400, 300);
  auto* panel = new TsfSkinPanel(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(0, 0, 120, 100);
  panel->SetCaptionMode(true);
  panel->SetRollUpMode(true);
  TSizeConstraints limits;
  limits.MinHeight = 80;
  limits.MaxWidth = 300;
  panel->SetConstraints(limits);
  panel->SetRollUpState(true);
  EXPECT_EQ(panel->Height(), 23);  // DefaultCaptionHeight 22 + 1, below the limit
  EXPECT_EQ(panel->Constraints(), TSizeConstraints{});
  panel->SetRollUpState(false);
  EXPECT_EQ(panel->Height(), 100);
  EXPECT_EQ(panel->Constraints(), limits);
  panel->SetRollUpState(true);
  panel->SetRollUpMode(false);
  panel->SetRollUpState(false);  // with the mode off the limits come back at once
  EXPECT_EQ(panel->Constraints(), limits);
  EXPECT_FALSE(panel->RollUpState());
}

TEST(PanelRollUp, ARolledUpPanelRollsAgainForANewSkinAndComesBackWhole) {
  TSkinnedForm f;
  auto* panel = new TsfSkinPanel(f.Form.get());
  panel->SetParent(f.Form.get());
  panel->SetBounds(0, 0, 120, 100);
  panel->SetSkinDataName("framed");
  auto* child = new TsfSkinPanel(panel);
  child->SetParent(panel);
  child->SetAlign(alClient);
  panel->SetCaptionMode(true);
  panel->SetRollUpMode(true);
  panel->SetRollUpState(true);
  ASSERT_EQ(panel->Height(), 23);
  panel->SetSkinData(f.Skin);
  // framed: 52 high with a client area 44 high, so 8 pixels of border stay.
  EXPECT_EQ(panel->Height(), 8);
  EXPECT_EQ(panel->RealHeight(), 100);
  EXPECT_FALSE(child->Visible());
  panel->SetRollUpState(false);
  EXPECT_EQ(panel->Height(), 100);
  EXPECT_TRUE(child->Visible());
  panel->SetWidth(150);  // alignment works again
  EXPECT_EQ(child->BoundsRect(), TRect(3, 4, 147, 96));
}

TEST(PanelPlainLook, CaptionImageListImageGoesBeforeTheTextUntilTheListIsGone) {
  auto form = MakeSizedForm(400, 300);
  auto* list = new TImageList(form.get(), 16, 16);
  TBitmap red(16, 16);
  red.Canvas().Brush().SetColor(clRed);
  red.Canvas().FillRect({0, 0, 16, 16});
  list->Add(red);
  auto* panel = new TsfSkinPanel(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(0, 0, 120, 100);
  panel->SetCaptionMode(true);
  panel->SetCaption("Ab");
  panel->SetCaptionImageList(list);
  panel->SetCaptionImageIndex(0);
  // Text area (3, 3, 117, 20): the image at (area left + 2, centred) = (5, 3).
  auto image = ImageOf(*panel);
  EXPECT_EQ(PixelAt(*image, 5, 3), TColor(clRed));
  EXPECT_EQ(PixelAt(*image, 20, 18), TColor(clRed));
  panel->SetCaptionImageIndex(1);  // not in the list: no image
  EXPECT_NE(PixelAt(*ImageOf(*panel), 5, 3), TColor(clRed));
  panel->SetCaptionImageIndex(0);
  delete list;
  EXPECT_EQ(panel->CaptionImageList(), nullptr);
  EXPECT_NE(PixelAt(*ImageOf(*panel), 5, 3), TColor(clRed));
}
