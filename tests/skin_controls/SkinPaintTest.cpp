// Skinned images drawn through the resize routines: three-part bars, the split
// paint's bands and tiled client, a stretched centre, window regions cut from a mask
// at any size, and definitions whose client rectangle is missing.
#include <gtest/gtest.h>

#include "SkinControlTestSupport.h"
#include "TestSkin.h"
#include "skin/controls/sfSkinPanel.h"
#include "skin/controls/sfSkinScrollBar.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/data/sfUtilsRegion.h"
#include "ui/Bitmap.h"

namespace {

std::unique_ptr<TBitmap> ImageOf(TsfSkinControl& c) {
  auto image = std::make_unique<TBitmap>(c.Width(), c.Height());
  c.PaintTo(image->DC());
  return image;
}

// A picture whose every pixel tells where it came from: red = x * 4, green = y * 4.
std::unique_ptr<TBitmap> CoordinatePicture() {
  auto p = std::make_unique<TBitmap>(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) p->Canvas().SetPixel(x, y, RGB(x * 4, y * 4, 128));
  return p;
}
TPoint SourceOf(TColor c) { return {static_cast<int>(c & 0xFF) / 4, static_cast<int>((c >> 8) & 0xFF) / 4}; }

// A 59 x 52 mask, black but for a 3 x 3 white notch in each top corner.
std::unique_ptr<TBitmap> NotchedMask() {
  auto m = std::make_unique<TBitmap>(59, 52);
  m->Canvas().Brush().SetColor(clBlack);
  m->Canvas().FillRect({0, 0, 59, 52});
  m->Canvas().Brush().SetColor(clWhite);
  m->Canvas().FillRect({0, 0, 3, 3});
  m->Canvas().FillRect({56, 0, 59, 3});
  return m;
}

const char* kEntries = "panel:panel\nmasked:panel\nnoclient:panel\ntoolpanel:panel\nvbar:panel\n";
const char* kSections =
    "[panel]\npictureindex=0\nskinrect=0,0,59,52\nlefttoppoint=5,4\nrighttoppoint=53,6\n"
    "leftbottompoint=6,45\nrightbottompoint=53,46\nclientrect=2,2,57,50\n"
    "[masked]\npictureindex=0\nmaskpictureindex=1\nskinrect=0,0,59,52\nlefttoppoint=5,4\n"
    "righttoppoint=53,6\nleftbottompoint=6,45\nrightbottompoint=53,46\nclientrect=3,3,56,49\n"
    "[noclient]\npictureindex=0\nskinrect=0,0,59,52\nlefttoppoint=5,4\nrighttoppoint=53,6\n"
    "leftbottompoint=6,45\nrightbottompoint=53,46\n"
    "[toolpanel]\npictureindex=0\nskinrect=0,0,42,29\nlefttoppoint=5,0\nrighttoppoint=37,0\n"
    "clientrect=2,2,40,27\n"
    "[vbar]\npictureindex=0\nskinrect=0,0,17,60\nlefttoppoint=0,10\nleftbottompoint=0,50\n"
    "clientrect=1,10,16,50\n";

struct TPaintSkin {
  std::unique_ptr<TForm> Form = MakeSizedForm(600, 400);
  TsfSkinData* Skin = new TsfSkinData(Form.get());
  TPaintSkin() {
    TsfSkinPackage package;
    package.ActivePictures.push_back(CoordinatePicture()->SaveToBytes());
    package.ActivePictures.push_back(NotchedMask()->SaveToBytes());
    std::string text = SkinDefinitionText(kEntries, kSections);
    text.replace(text.find("activepictures=1\r\nactivepictures0=p.bmp"),
                 std::string("activepictures=1\r\nactivepictures0=p.bmp").size(),
                 "activepictures=2\r\nactivepictures0=p.bmp\r\nactivepictures1=m.bmp");
    package.DefinitionText = text;
    TsfCompressedStoredSkin stored(nullptr);
    stored.SetCompressedData(PackSkinPackage(package));
    Skin->LoadStoredSkin(stored);
  }
  template <class T>
  T* Add(const char* name, const TRect& r) {
    auto* c = new T(Form.get());
    c->SetParent(Form.get());
    c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    c->SetSkinDataName(name);
    c->SetSkinData(Skin);
    return c;
  }
};

}  // namespace

TEST(SkinPaint, AHorizontalSkinKeepsItsEndsAndTilesItsMiddle) {
  TPaintSkin s;
  auto* bar = s.Add<TsfSkinToolBar>("toolpanel", Bounds(0, 0, 200, 40));
  ASSERT_EQ(bar->Height(), 29);
  auto image = ImageOf(*bar);
  EXPECT_EQ(SourceOf(PixelAt(*image, 0, 0)), (TPoint{0, 0}));
  EXPECT_EQ(SourceOf(PixelAt(*image, 4, 28)), (TPoint{4, 28}));
  EXPECT_EQ(SourceOf(PixelAt(*image, 199, 3)), (TPoint{41, 3}));
  EXPECT_EQ(SourceOf(PixelAt(*image, 195, 10)), (TPoint{37, 10}));  // the right part, 5 wide
  EXPECT_EQ(SourceOf(PixelAt(*image, 5, 7)), (TPoint{5, 7}));        // middle, first tile
  EXPECT_EQ(SourceOf(PixelAt(*image, 5 + 32, 7)), (TPoint{5, 7}));   // second tile
  EXPECT_EQ(SourceOf(PixelAt(*image, 5 + 64 + 9, 20)), (TPoint{14, 20}));
}

TEST(SkinPaint, TheSplitPaintDrawsTheFourBandsAndTilesTheClient) {
  TPaintSkin s;
  auto* panel = s.Add<TsfSkinPanel>("panel", Bounds(0, 0, 200, 150));
  auto image = ImageOf(*panel);
  // Corners kept.
  EXPECT_EQ(SourceOf(PixelAt(*image, 0, 0)), (TPoint{0, 0}));
  EXPECT_EQ(SourceOf(PixelAt(*image, 199, 0)), (TPoint{58, 0}));
  EXPECT_EQ(SourceOf(PixelAt(*image, 0, 149)), (TPoint{0, 51}));
  EXPECT_EQ(SourceOf(PixelAt(*image, 199, 149)), (TPoint{58, 51}));
  // The top band's middle, 48 wide from x 5, tiled.
  EXPECT_EQ(SourceOf(PixelAt(*image, 5 + 48 + 3, 1)), (TPoint{8, 1}));
  // The client piece Cl = (2,2)-(57,50), 55 x 48, tiled from Cl'.
  EXPECT_EQ(SourceOf(PixelAt(*image, 2, 2)), (TPoint{2, 2}));
  EXPECT_EQ(SourceOf(PixelAt(*image, 2 + 55, 2 + 48)), (TPoint{2, 2}));
  EXPECT_EQ(SourceOf(PixelAt(*image, 2 + 110 + 7, 2 + 9)), (TPoint{9, 11}));
}

TEST(SkinPaint, AStretchedCentreFillsTheClientWithOnePiece) {
  TsfSkinData* skin = nullptr;
  std::unique_ptr<TForm> form = MakeSizedForm(600, 400);
  skin = new TsfSkinData(form.get());
  LoadTestSkin(*skin);  // "stretched": the same panel with stretcheffect on
  auto* panel = new TsfSkinPanel(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(0, 0, 222, 194);  // Cl' is 220 x 192: four times the piece
  panel->SetSkinDataName("stretched");
  panel->SetSkinData(skin);
  auto image = ImageOf(*panel);
  // The piece's red top-left pixel grows to a 4 x 4 block; no second copy follows.
  EXPECT_EQ(PixelAt(*image, 2, 2), clRed);
  EXPECT_EQ(PixelAt(*image, 5, 5), clRed);
  EXPECT_EQ(PixelAt(*image, 7, 7), clGreen);
  EXPECT_EQ(PixelAt(*image, 2 + 55, 2 + 48), clGreen);
}

TEST(SkinPaint, AVerticalSkinKeepsItsEndsAndTilesItsMiddle) {
  TPaintSkin s;
  auto* bar = s.Add<TsfSkinPanel>("vbar", Bounds(0, 0, 40, 200));
  ASSERT_EQ(bar->Width(), 17);
  auto image = ImageOf(*bar);
  EXPECT_EQ(SourceOf(PixelAt(*image, 3, 0)), (TPoint{3, 0}));
  EXPECT_EQ(SourceOf(PixelAt(*image, 16, 199)), (TPoint{16, 59}));
  EXPECT_EQ(SourceOf(PixelAt(*image, 8, 10 + 40 + 6)), (TPoint{8, 16}));
}

TEST(SkinPaint, TheWindowRegionFollowsTheMaskAtAnySize) {
  TPaintSkin s;
  auto* panel = s.Add<TsfSkinPanel>("masked", Bounds(10, 10, 100, 80));
  panel->HandleNeeded();
  panel->UpdateSkinRegion();
  ASSERT_NE(panel->SkinRegion(), nullptr);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(panel->Handle(), region), ERROR);
  EXPECT_EQ(RegionRects(region), (std::vector<TRect>{{3, 0, 97, 3}, {0, 3, 100, 80}}));
  panel->SetBounds(10, 10, 160, 60);
  ASSERT_NE(GetWindowRgn(panel->Handle(), region), ERROR);
  EXPECT_EQ(RegionRects(region), (std::vector<TRect>{{3, 0, 157, 3}, {0, 3, 160, 60}}));
  DeleteObject(region);
  // Without a mask the window is a plain rectangle again.
  panel->SetSkinDataName("panel");
  panel->ApplySkin();
  EXPECT_EQ(panel->SkinRegion(), nullptr);
}

TEST(SkinPaint, ADefinitionWithoutAClientRectangleStillPaints) {
  TPaintSkin s;
  auto* panel = s.Add<TsfSkinPanel>("noclient", Bounds(0, 0, 120, 90));
  // Both paints must come back: there is no tile of width 0 to loop on.
  auto image = ImageOf(*panel);
  EXPECT_EQ(image->Width(), 120);
  panel->SetBorderStyle(bvNone);  // the client-only look tiles the (empty) client piece
  image = ImageOf(*panel);
  EXPECT_EQ(image->Height(), 90);
}
