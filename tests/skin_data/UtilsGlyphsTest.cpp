#include <gtest/gtest.h>

#include "skin/data/sfUtilsGlyphs.h"

namespace {

constexpr TColor kInk = 0x2040C0;

class UtilsGlyphs : public testing::Test {
 protected:
  void SetUp() override { canvasBitmap.SetSize(20, 16); }
  bool Inked(int x, int y) { return canvasBitmap.Canvas().Pixel(x, y) == ColorToRGB(kInk); }
  TBitmap canvasBitmap;
};

}  // namespace

TEST_F(UtilsGlyphs, SmallGlyphsLineEndsAreLeftOut) {
  TCanvas& c = canvasBitmap.Canvas();
  DrawSmallGlyph(c, sgMinimize, 2, 3, kInk);
  for (int x = 3; x < 11; ++x) EXPECT_TRUE(Inked(x, 11) && Inked(x, 12)) << x;
  EXPECT_FALSE(Inked(11, 11));
  EXPECT_FALSE(Inked(2, 12));

  canvasBitmap.SetSize(0, 0);
  canvasBitmap.SetSize(20, 16);
  DrawSmallGlyph(c, sgMaximize, 0, 0, kInk);
  EXPECT_TRUE(Inked(10, 9));
  EXPECT_TRUE(Inked(5, 1)) << "the title bar is a second frame, two rows high";
  EXPECT_FALSE(Inked(5, 5));
  EXPECT_FALSE(Inked(11, 0));

  canvasBitmap.SetSize(0, 0);
  canvasBitmap.SetSize(20, 16);
  DrawSmallGlyph(c, sgTriangleDown, 0, 0, kInk);
  EXPECT_TRUE(Inked(1, 2) && Inked(8, 2));
  EXPECT_FALSE(Inked(9, 2));
  EXPECT_TRUE(Inked(4, 5) && Inked(5, 5));
  EXPECT_FALSE(Inked(6, 5));
  EXPECT_FALSE(Inked(5, 6)) << "the tip is a line of no length";
}

TEST_F(UtilsGlyphs, ArrowsSitAroundTheCentre) {
  TCanvas& c = canvasBitmap.Canvas();
  DrawArrow(c, {0, 0, 10, 10}, kInk, adDown);  // centre (5, 5)
  EXPECT_TRUE(Inked(2, 4) && Inked(8, 4));
  EXPECT_FALSE(Inked(9, 4));
  EXPECT_TRUE(Inked(5, 7));
  EXPECT_FALSE(Inked(4, 7));
  EXPECT_FALSE(Inked(5, 8));

  canvasBitmap.SetSize(0, 0);
  canvasBitmap.SetSize(20, 16);
  DrawArrow(c, {0, 0, 10, 10}, kInk, adRight);  // lines drawn upward from cy + n
  EXPECT_TRUE(Inked(7, 5));
  EXPECT_FALSE(Inked(7, 4));
  EXPECT_TRUE(Inked(4, 8) && Inked(4, 2));
  EXPECT_FALSE(Inked(4, 1));
}

TEST_F(UtilsGlyphs, StripGlyphIsCutOutPlacedAndMarked) {
  // Three 4 x 4 glyphs, each its own colour, with a magenta bottom-left pixel that is
  // left out when drawn.
  TBitmap strip(12, 4);
  const TColor colours[3] = {0x0000A0, 0x00A000, 0xA00000};
  for (int k = 0; k < 3; ++k) {
    strip.Canvas().Brush().SetColor(colours[k]);
    strip.Canvas().FillRect({4 * k, 0, 4 * k + 4, 4});
    strip.Canvas().SetPixel(4 * k, 3, clFuchsia);
  }
  TCanvas& c = canvasBitmap.Canvas();
  // Face 20 x 10: centre (10, 5), glyph at (10 - 4 / 2, 5 - 4 / 2) = (8, 3).
  DrawGlyphAndCaption(c, {0, 0, 20, 10}, -1, kInk, false, true, false, strip, 3, 2, "", blGlyphLeft, 0);
  EXPECT_EQ(c.Pixel(8, 3), ColorToRGB(colours[1]));
  EXPECT_EQ(c.Pixel(11, 5), ColorToRGB(colours[1]));
  EXPECT_EQ(c.Pixel(8, 6), ColorToRGB(clWhite)) << "the transparent pixel";
  EXPECT_EQ(c.Pixel(12, 3), ColorToRGB(clWhite));

  // Pressed: one pixel right and down, and the marker's three lines at glyph y + 2 .. + 4.
  DrawGlyphAndCaption(c, {0, 0, 20, 10}, -1, kInk, true, true, true, strip, 3, 3, "", blGlyphLeft, 0);
  EXPECT_EQ(c.Pixel(9, 4), ColorToRGB(colours[2]));
  for (int y = 6; y <= 8; ++y) EXPECT_TRUE(Inked(9, y) && Inked(12, y)) << y;
  EXPECT_FALSE(Inked(13, 8));
}
