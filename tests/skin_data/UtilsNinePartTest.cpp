#include <gtest/gtest.h>

#include "skin/data/sfUtilsNinePart.h"

namespace {

// Every pixel tells where it came from: blue = x, green = y, red 0x55 (never white).
void FillCoded(TBitmap& b, int width, int height) {
  b.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = b.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      row[x * b.BytesPerPixel()] = static_cast<std::uint8_t>(x);
      row[x * b.BytesPerPixel() + 1] = static_cast<std::uint8_t>(y);
      row[x * b.BytesPerPixel() + 2] = 0x55;
    }
  }
}

// The source pixel shown at (x, y), or (-1, -1) where the target is still white.
TPoint From(const TBitmap& b, int x, int y) {
  const std::uint8_t* p = b.ScanLine(y) + x * b.BytesPerPixel();
  if (p[2] == 0xFF) return {-1, -1};
  EXPECT_EQ(p[2], 0x55) << "at " << x << ", " << y;
  return {p[0], p[1]};
}

// A 12 x 10 image at (2, 1) of a 16 x 12 picture: bands 3 (left), 2 (top), 3 (right)
// and 3 (bottom) thick, middles from 4 to 8 across and from 3 to 6 down; grown to
// 25 x 20, which moves the right edge by 13 and the bottom by 10.
class UtilsNinePart : public testing::Test {
 protected:
  void SetUp() override {
    FillCoded(picture, 16, 12);
    g.LT = {4, 3};
    g.RT = {8, 3};
    g.LB = {4, 6};
    g.RB = {8, 6};
    g.Cl = {3, 2, 9, 7};
    ng = ResizedGeometry(g, 12, 10, 25, 20);
  }
  void Draw(bool centre) {
    CreateNinePartImage(target, picture, skin, g, ng, 25, 20, options, centre);
  }
  // Source coordinates relative to the skin image.
  TPoint At(int x, int y) {
    const TPoint p = From(target, x, y);
    return p.x < 0 ? p : TPoint(p.x - skin.Left, p.y - skin.Top);
  }

  TBitmap picture, target;
  const TRect skin{2, 1, 14, 11};
  TsfNinePartGeometry g, ng;
  TsfNinePartOptions options;
};

}  // namespace

TEST_F(UtilsNinePart, CornersStayAndTiledBandsRepeatWithTheLastTileCut) {
  Draw(false);
  ASSERT_EQ(target.Width(), 25);
  ASSERT_EQ(target.Height(), 20);
  EXPECT_EQ(At(0, 0), TPoint(0, 0));
  EXPECT_EQ(At(24, 0), TPoint(11, 0));     // top-right A moved by 13
  EXPECT_EQ(At(23, 19), TPoint(10, 9));    // bottom-right A
  EXPECT_EQ(At(22, 16), TPoint(9, 6));     // bottom-right B
  EXPECT_EQ(At(1, 17), TPoint(1, 7));      // bottom-left A
  // Top middle: 4 columns over 17 = four tiles and one column of a fifth.
  for (int x = 4; x < 21; ++x) EXPECT_EQ(At(x, 1), TPoint(4 + (x - 4) % 4, 1)) << x;
  // Left middle: 3 rows over 13 = four tiles and one row.
  for (int y = 3; y < 16; ++y) EXPECT_EQ(At(1, y), TPoint(1, 3 + (y - 3) % 3)) << y;
  EXPECT_EQ(At(23, 15), TPoint(10, 3 + 12 % 3));  // right middle
  EXPECT_EQ(At(20, 18), TPoint(4, 8));           // bottom middle, the cut tile
  EXPECT_EQ(At(10, 10), TPoint(-1, -1)) << "no centre asked for";
}

TEST_F(UtilsNinePart, StretchedBandsSpanTheirWholeSource) {
  options.TopStretch = options.LeftStretch = true;
  Draw(false);
  EXPECT_EQ(At(4, 0).x, 4);
  EXPECT_EQ(At(20, 0).x, 7);
  int previous = 4;
  for (int x = 4; x < 21; ++x) {
    const int sx = At(x, 0).x;
    EXPECT_TRUE(sx >= previous && sx <= previous + 1) << x;
    previous = sx;
  }
  EXPECT_EQ(At(0, 3).y, 3);
  EXPECT_EQ(At(0, 15).y, 5);
  EXPECT_EQ(At(23, 15), TPoint(10, 3)) << "the right band still tiles";
}

TEST_F(UtilsNinePart, CentreByStretchType) {
  // Cl is 6 x 5, Cl' is 19 x 15 at (3, 2).
  Draw(true);  // tiled both ways
  EXPECT_EQ(At(21, 16), TPoint(3 + 18 % 6, 2 + 14 % 5));
  options.StretchEffect = true;
  options.StretchType = stFull;
  Draw(true);
  EXPECT_EQ(At(3, 2), TPoint(3, 2));
  EXPECT_EQ(At(21, 16), TPoint(8, 6));
  options.StretchType = stHorz;  // full height, repeated across, cut at Cl'.Right
  Draw(true);
  EXPECT_EQ(At(21, 2), TPoint(3, 2));
  EXPECT_EQ(At(20, 16), TPoint(8, 6));
  EXPECT_EQ(At(9, 9).x, 3);
  options.StretchType = stVert;  // full width, repeated down
  Draw(true);
  EXPECT_EQ(At(21, 16), TPoint(8, 6));
  EXPECT_EQ(At(3, 7), TPoint(3, 2));
  EXPECT_EQ(At(12, 11).y, 6);
}

TEST_F(UtilsNinePart, VariantsStretchOnlyAndNoRightColumn) {
  CreateNinePartImageStretchOnly(target, picture, skin, g, ng, 25, 20, options, true);
  EXPECT_EQ(At(10, 10), TPoint(-1, -1)) << "a tiled centre is left to the caller";
  options.StretchEffect = true;
  CreateNinePartImageStretchOnly(target, picture, skin, g, ng, 25, 20, options, true);
  EXPECT_EQ(At(21, 16), TPoint(8, 6));

  TBitmap fresh;
  options.StretchEffect = false;
  CreateNinePartImageNoRight(fresh, picture, skin, g, ng, 25, 20, options, true);
  auto at = [&](int x, int y) {
    const TPoint p = From(fresh, x, y);
    return TPoint(p.x - skin.Left, p.y - skin.Top);
  };
  EXPECT_EQ(at(24, 0), TPoint(4 + 20 % 4, 0)) << "the top band runs to the edge";
  EXPECT_EQ(at(24, 19), TPoint(4 + 20 % 4, 9));
  EXPECT_EQ(at(24, 16), TPoint(3 + 21 % 6, 2 + 14 % 5)) << "so does the centre";
  EXPECT_EQ(at(0, 19), TPoint(0, 9));
}

TEST_F(UtilsNinePart, NothingIsDrawnForAFlatGeometryOrAnEmptyPicture) {
  TsfNinePartGeometry flat = g;
  flat.RB.y = flat.LT.y;
  CreateNinePartImage(target, picture, skin, flat, ng, 25, 20, options, true);
  EXPECT_EQ(target.Width(), 25);
  EXPECT_EQ(At(0, 0), TPoint(-1, -1));
  TBitmap empty, other;
  CreateNinePartImage(other, empty, skin, g, ng, 30, 8, options, true);
  EXPECT_EQ(other.Width(), 30);
  EXPECT_EQ(other.Height(), 8);
}

TEST_F(UtilsNinePart, BorderImagesAreTheBandsOfTheWholeImage) {
  TsfBorderImages b;
  CreateBorderImages(b, picture, skin, g, ng, 25, 20, options);
  EXPECT_EQ(TPoint(b.Top.Width(), b.Top.Height()), TPoint(25, 2));
  EXPECT_EQ(TPoint(b.Bottom.Width(), b.Bottom.Height()), TPoint(25, 3));
  EXPECT_EQ(TPoint(b.Left.Width(), b.Left.Height()), TPoint(3, 15));
  EXPECT_EQ(TPoint(b.Right.Width(), b.Right.Height()), TPoint(3, 15));
  Draw(false);
  auto same = [&](const TBitmap& band, TPoint offset) {
    for (int y = 0; y < band.Height(); ++y)
      for (int x = 0; x < band.Width(); ++x)
        ASSERT_EQ(From(band, x, y), From(target, x + offset.x, y + offset.y)) << x << "," << y;
  };
  same(b.Top, {0, 0});
  same(b.Bottom, {0, 17});
  same(b.Left, {0, 2});
  same(b.Right, {22, 2});
}

TEST_F(UtilsNinePart, RescaleKeepingABorderStretchesEveryBand) {
  // Border of 3 around the inner rectangle (3, 3, 9, 7).
  RescaleKeepingBorder(target, picture, skin, {3, 3, 9, 7}, 30, 16, true);
  EXPECT_EQ(At(0, 0), TPoint(0, 0));
  EXPECT_EQ(At(29, 15), TPoint(11, 9));
  EXPECT_EQ(At(26, 0), TPoint(8, 0)) << "the top band's last column";
  EXPECT_EQ(At(3, 12), TPoint(3, 6)) << "the centre's last row";
}

TEST(UtilsThreePart, TargetIsSizedAndPiecesLandInPlace) {
  TBitmap picture, target;
  FillCoded(picture, 24, 21);
  CreateHThreePartImage(target, picture, {0, 0, 24, 21}, 4, 6, 100, false);
  ASSERT_EQ(target.Width(), 100);
  ASSERT_EQ(target.Height(), 21);
  EXPECT_EQ(From(target, 3, 20), TPoint(3, 20));
  EXPECT_EQ(From(target, 94, 5), TPoint(18, 5));
  EXPECT_EQ(From(target, 93, 5), TPoint(9, 5));
  CreateHThreePartImage(target, picture, {0, 0, 24, 21}, 4, 6, 100, true);
  EXPECT_EQ(From(target, 4, 0), TPoint(4, 0));
  EXPECT_EQ(From(target, 93, 0), TPoint(17, 0));

  TBitmap tall;
  CreateVThreePartImage(tall, picture, {2, 1, 12, 9}, 2, 3, 30, false);
  ASSERT_EQ(tall.Width(), 10);
  ASSERT_EQ(tall.Height(), 30);
  EXPECT_EQ(From(tall, 0, 29), TPoint(2, 8));
  EXPECT_EQ(From(tall, 9, 27), TPoint(11, 6));
  EXPECT_EQ(From(tall, 0, 26), TPoint(2, 3 + 24 % 3));

  TBitmap empty, sized;
  CreateHThreePartImage(sized, empty, {0, 0, 24, 21}, 4, 6, 50, false);
  EXPECT_EQ(sized.Width(), 50);
  EXPECT_EQ(sized.Height(), 21);
}

TEST(UtilsFBitmap, HoldsATopDownCopyInThreeBytesAPixel) {
  TBitmap source(5, 3, pf32bit);
  FillCoded(source, 5, 3);
  TsfFBitmap f(source);
  EXPECT_EQ(f.Width(), 5);
  EXPECT_EQ(f.RowLength(), 16);
  EXPECT_EQ(f.Gap(), 1);
  EXPECT_EQ(f.Size(), 48);
  EXPECT_EQ(f.ScanLine(2) - f.ScanLine(0), 32);
  EXPECT_EQ(f.ScanLine(2)[3 * 4], 4);
  EXPECT_EQ(f.ScanLine(2)[3 * 4 + 1], 2);
  EXPECT_EQ(f.ScanLine(2)[3 * 4 + 2], 0x55);
}
