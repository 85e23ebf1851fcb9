// Panels, tool bar and status bar in our own skin (resources/skin), compared pixel by
// pixel with the skin's picture: the bottom panel's tiled client piece, the status
// bar's grip, and the scrolling tool bar's arrows and middle-only image.
#include <gtest/gtest.h>

#include <filesystem>

#include "SkinControlTestSupport.h"
#include "TestSkin.h"
#include "skin/controls/sfSkinPanel.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinStatusBar.h"
#include "skin/controls/sfSkinToolBar.h"
#include "ui/Bitmap.h"

namespace {

struct TOurSkinForm {
  std::unique_ptr<TForm> Form = MakeSizedForm(782, 552);
  TsfSkinData* Skin = new TsfSkinData(Form.get());
  TBitmap* Picture = nullptr;
  TOurSkinForm() {
    TsfCompressedStoredSkin stored(nullptr);
    stored.BuildFromIniFile(OurSkinIni());
    Skin->LoadStoredSkin(stored);
    Picture = Skin->ActivePictures(4);  // the controls' picture
  }
  TColor At(int x, int y) const { return PixelAt(*Picture, x, y); }
};

std::unique_ptr<TBitmap> ImageOf(TsfSkinControl& c) {
  auto image = std::make_unique<TBitmap>(c.Width(), c.Height());
  c.PaintTo(image->DC());
  return image;
}

}  // namespace

TEST(OurSkinPanels, BottomPanelTilesTheClientPieceFrom143_6) {
  TOurSkinForm f;
  ASSERT_NE(f.Picture, nullptr);
  auto* panel = new TsfSkinPanel(f.Form.get());
  panel->SetParent(f.Form.get());
  panel->SetBounds(0, 509, 782, 43);
  panel->SetBorderStyle(bvNone);
  panel->SetSkinData(f.Skin);
  auto image = ImageOf(*panel);
  // The piece is 55 x 48: tiles start again at x 55, 110, ...
  for (int x : {0, 7, 54, 55, 62, 200, 781})
    for (int y : {0, 10, 42})
      EXPECT_EQ(PixelAt(*image, x, y), f.At(143 + x % 55, 6 + y)) << x << "," << y;
}

TEST(OurSkinPanels, StatusBarGripLeavesItsMagentaOut) {
  TOurSkinForm f;
  auto* status = new TsfSkinStatusBar(f.Form.get());
  status->SetParent(f.Form.get());
  status->SetSizeGrip(true);
  status->SetSkinData(f.Skin);
  ASSERT_EQ(status->Height(), 24);
  // Cl' = (2, 2, 780, 23) narrowed by the 16-wide grip; the grip is 17 high.
  EXPECT_EQ(status->GripRect(), TRect(764, 6, 780, 23));
  auto image = ImageOf(*status);
  int drawn = 0, left = 0;
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 16; ++x) {
      TColor source = f.At(504 + x, 239 + y);
      TColor shown = PixelAt(*image, 764 + x, 6 + y);
      if (source == TColor(0xFF00FF)) {
        left += shown != source;
      } else {
        drawn += shown == source;
        EXPECT_EQ(shown, source) << x << "," << y;
      }
    }
  EXPECT_GT(drawn, 0);
  EXPECT_GT(left, 0);
  EXPECT_EQ(SendMessageW(status->Handle(), WM_NCHITTEST, 0, 0), HTCLIENT);
}

TEST(OurSkinPanels, ScrollingToolBarWearsTheResizeButtonAndTheMiddleOfItsSkin) {
  TOurSkinForm f;
  auto* bar = new TsfSkinToolBar(f.Form.get());
  bar->SetParent(f.Form.get());
  bar->SetBounds(0, 0, 200, 40);
  bar->SetSkinData(f.Skin);
  for (int i = 0; i < 3; ++i) {
    auto* b = new TsfSkinSpeedButton(bar);
    b->SetParent(bar);
    b->SetBounds(i * 100, 2, 100, 25);
  }
  f.Form->Show();
  bar->SetCanScroll(true);
  ASSERT_TRUE(bar->ArrowsShown());
  ASSERT_EQ(bar->Height(), 29);
  // The toolpanel's middle starts at its column 2 (x 2 of skinrect 0,69,42,98).
  TBitmap image(200, 29);
  bar->PaintTo(image.DC());
  for (int y : {0, 5, 14, 28}) EXPECT_EQ(PixelAt(image, 0, y), f.At(2, 69 + y)) << y;

  // resizebutton 379,219 .. 403,240: its corners at the arrow's corners.
  TBitmap arrow;
  bar->DrawArrowImage(arrow, false);
  EXPECT_EQ(PixelAt(arrow, 0, 0), f.At(379, 219));
  EXPECT_EQ(PixelAt(arrow, 11, 28), f.At(402, 239));
  SendMessageW(bar->Handle(), WM_NCMOUSEMOVE, sfHitScrollRight, 0);
  bar->DrawArrowImage(arrow, false);  // hot: the activeskinrect image
  EXPECT_EQ(PixelAt(arrow, 0, 0), f.At(403, 219));
  SendMessageW(bar->Handle(), WM_NCLBUTTONDOWN, sfHitScrollRight, 0);
  bar->DrawArrowImage(arrow, false);  // pressed: the downskinrect image
  EXPECT_EQ(PixelAt(arrow, 0, 0), f.At(427, 219));
  SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(bar->ScrollPosition(), 124);
}
