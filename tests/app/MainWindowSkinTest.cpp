// The main window as its stored skin leaves it: the sizes the skin fixes, which
// controls wear the skin and which keep their plain look, and pixels of the skinned
// controls compared with the pictures of our skin.
#include "MainWindowFixture.h"

#include "skin/controls/sfSkinComboBox.h"
#include "skin/controls/sfSkinListBox.h"
#include "skin/controls/sfSkinPanel.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinStatusBar.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/controls/sfSkinXFormButton.h"
#include "skin/data/sfSkinData.h"
#include "skin/frame/sfSkinForm.h"
#include "ui/Bitmap.h"

namespace {

TColor Pixel(TBitmap& b, int x, int y) { return static_cast<TColor>(b.Canvas().Pixel(x, y)); }

std::unique_ptr<TBitmap> ImageOf(TsfSkinControl& c) {
  auto image = std::make_unique<TBitmap>(c.Width(), c.Height());
  c.PaintTo(image->DC());
  return image;
}

// controls.bmp, the picture the tool bar, panels and status bar are cut from.
TBitmap& ControlsPicture(TForm1& f) { return *f.sfSkinData1->ActivePictures(4); }

}  // namespace

TEST_F(MainWindowTest, TheStoredSkinFixesTheHeightsOfTheSkinnedControls) {
  MakeCatalogue();
  TForm1& f = Open();
  EXPECT_EQ(f.sfTb->Height(), 29);
  EXPECT_EQ(f.sfSkinStatusBar1->Height(), 24);
  EXPECT_EQ(f.sfCbb->Height(), 22);
  // The skinned frame decides the client size; the strips stack inside it.
  const int w = f.ClientWidth(), h = f.ClientHeight();
  EXPECT_EQ(f.sfTb->BoundsRect(), Bounds(0, 0, w, 29));
  EXPECT_EQ(f.sfSkinStatusBar1->BoundsRect(), Bounds(0, h - 24, w, 24));
  EXPECT_EQ(f.sfPanel_Bottom->BoundsRect(), Bounds(0, h - 24 - 43, w, 43));
  EXPECT_EQ(f.sfSkinPanel3->BoundsRect(), Bounds(0, 29, w, h - 29 - 24 - 43));
  for (int i = 0; i < f.sfTb->ControlCount(); ++i)
    EXPECT_EQ(f.sfTb->Controls(i)->Height(), 25) << i;
}

TEST_F(MainWindowTest, OnlyTheStoredControlsWearTheSkin) {
  MakeCatalogue();
  TForm1& f = Open();
  EXPECT_EQ(f.sfSkinForm1->SkinData(), f.sfSkinData1);
  EXPECT_TRUE(f.sfSkinForm1->SkinLoaded());
  TsfSkinControl* bound[] = {f.sfTb, f.sfPanel_Bottom, f.sfCbb, f.sfPanel_MidMid, f.sfLB,
                             f.sfSkinStatusBar1};
  for (TsfSkinControl* c : bound) {
    EXPECT_EQ(c->SkinData(), f.sfSkinData1) << c->Name();
    EXPECT_NE(c->DefinitionIndex(), -1) << c->Name();
  }
  TsfSkinControl* plain[] = {f.sfSkinPanel3,       f.sfSkinPanel4,       f.sfPanel_MidLeft,
                             f.sfSkinPanel1,       f.sfFrmBtn,           f.sfSkinXFormButton2,
                             f.sfSkinXFormButton3, f.sfSkinXFormButton4};
  for (TsfSkinControl* c : plain) {
    EXPECT_EQ(c->SkinData(), nullptr) << c->Name();
    EXPECT_EQ(c->DefinitionIndex(), -1) << c->Name();
  }
  auto* category = dynamic_cast<TsfSkinSpeedButton*>(f.sfTb->Controls(0));
  ASSERT_NE(category, nullptr);
  EXPECT_EQ(category->SkinData(), nullptr);
}

TEST_F(MainWindowTest, SkinnedControlsShowThePicturesOfOurSkin) {
  MakeCatalogue();
  TForm1& f = Open();
  TBitmap& skin = ControlsPicture(f);
  // Tool bar: toolpanel is (0,69)-(42,98), two fixed columns each side, the middle tiled.
  auto bar = ImageOf(*f.sfTb);
  for (int y : {0, 14, 28}) {
    EXPECT_EQ(Pixel(*bar, 0, y), Pixel(skin, 0, 69 + y)) << y;
    EXPECT_EQ(Pixel(*bar, bar->Width() - 1, y), Pixel(skin, 41, 69 + y)) << y;
    EXPECT_EQ(Pixel(*bar, 2 + 38, y), Pixel(skin, 2, 69 + y)) << y;  // second tile
    EXPECT_EQ(Pixel(*bar, 2 + 38 * 5 + 7, y), Pixel(skin, 9, 69 + y)) << y;
  }
  // Bottom panel: bvNone and nine-part, so only the client piece, 55 x 48 from (143,6),
  // tiled from the panel's top-left.
  auto bottom = ImageOf(*f.sfPanel_Bottom);
  for (TPoint p : {TPoint{0, 0}, TPoint{54, 42}, TPoint{55, 0}, TPoint{300, 40}})
    EXPECT_EQ(Pixel(*bottom, p.x, p.y), Pixel(skin, 143 + p.x % 55, 6 + p.y % 48))
        << p.x << "," << p.y;
  // Code panel: the panel frame (141,4)-(200,56), corners kept at any size.
  auto code = ImageOf(*f.sfPanel_MidMid);
  int w = code->Width(), h = code->Height();
  EXPECT_EQ(Pixel(*code, 0, 0), Pixel(skin, 141, 4));
  EXPECT_EQ(Pixel(*code, w - 1, 0), Pixel(skin, 199, 4));
  EXPECT_EQ(Pixel(*code, 0, h - 1), Pixel(skin, 141, 55));
  EXPECT_EQ(Pixel(*code, w - 1, h - 1), Pixel(skin, 199, 55));
  // Status bar: statusbar's left and right ends at the bar's ends.
  auto status = ImageOf(*f.sfSkinStatusBar1);
  EXPECT_EQ(status->Height(), 24);
}

TEST_F(MainWindowTest, UnboundPanelsAndButtonsKeepTheirPlainLook) {
  MakeCatalogue();
  TForm1& f = Open();
  const TColor face = static_cast<TColor>(ColorToRGB(clBtnFace));
  const TColor shadow = static_cast<TColor>(ColorToRGB(clBtnShadow));
  auto left = ImageOf(*f.sfPanel_MidLeft);  // bvFrame: a shadow frame on button face
  EXPECT_EQ(Pixel(*left, 0, 0), shadow);
  EXPECT_EQ(Pixel(*left, 5, 5), face);
  auto preview = ImageOf(*f.sfSkinXFormButton2);
  EXPECT_EQ(preview->Width(), 75);
  EXPECT_EQ(preview->Height(), 27);
  EXPECT_EQ(Pixel(*preview, 0, 0), shadow);
  EXPECT_EQ(Pixel(*preview, 3, 3), face);
}
