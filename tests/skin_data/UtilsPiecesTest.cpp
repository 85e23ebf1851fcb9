#include <gtest/gtest.h>

#include "skin/data/sfUtilsPieces.h"

namespace {

// The target columns covered by the blits, each with the source column it shows
// (for blits of one row height; -1 where nothing lands).
std::vector<int> SourceColumns(const TsfBlits& blits, int width) {
  std::vector<int> cols(static_cast<std::size_t>(width), -1);
  for (const TsfBlit& b : blits) {
    EXPECT_EQ(b.Src.Width(), b.Dst.Width()) << "a tiled or copied piece is 1:1";
    for (int x = b.Dst.Left; x < b.Dst.Right; ++x)
      if (x >= 0 && x < width) cols[static_cast<std::size_t>(x)] = b.Src.Left + x - b.Dst.Left;
  }
  return cols;
}

}  // namespace

TEST(UtilsPieces, TilesCountFromTheRangeAndCutTheLastOne) {
  TsfBlits b;
  AddTiled(b, {5, 0, 15, 1}, {0, 0, 25, 1});  // 10 over 25: 10, 10, 5
  ASSERT_EQ(b.size(), 3u);
  EXPECT_EQ(b[2], (TsfBlit{{5, 0, 10, 1}, {20, 0, 25, 1}}));
  b.clear();
  AddTiled(b, {5, 0, 15, 1}, {0, 0, 20, 1});  // two whole tiles, the third cut to nothing
  ASSERT_EQ(b.size(), 2u);
  EXPECT_EQ(b[1].Dst, TRect(10, 0, 20, 1));
  b.clear();
  AddTiled(b, {5, 0, 5, 1}, {0, 0, 20, 1});  // a source without length draws nothing
  EXPECT_TRUE(b.empty());
  b.clear();
  AddTiled(b, {0, 0, 3, 2}, {1, 1, 8, 4});  // both directions: 3 columns x 2 rows
  ASSERT_EQ(b.size(), 6u);
  EXPECT_EQ(b.back(), (TsfBlit{{0, 0, 1, 1}, {7, 3, 8, 4}}));
}

TEST(UtilsPieces, HorizontalThreePartOfTheButtonImage) {
  // 24 x 21, fixed left 4 and right 24 - 18 = 6, grown to 100.
  const TRect s(0, 0, 24, 21);
  const auto tiled = SourceColumns(HThreePartBlits(s, 4, 6, 100, false), 100);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(tiled[x], x);
  for (int x = 94; x < 100; ++x) EXPECT_EQ(tiled[x], x - 76);
  for (int x = 4; x < 94; ++x) EXPECT_EQ(tiled[x], 4 + (x - 4) % 14) << x;
  for (const TsfBlit& b : HThreePartBlits(s, 4, 6, 100, false)) EXPECT_EQ(b.Dst.Height(), 21);

  const TsfBlits stretched = HThreePartBlits(s, 4, 6, 100, true);
  ASSERT_EQ(stretched.size(), 3u);
  EXPECT_EQ(stretched[2], (TsfBlit{{4, 0, 18, 21}, {4, 0, 94, 21}}));
}

TEST(UtilsPieces, ThreePartVariantsAndAMiddleWithoutColumns) {
  const TRect s(10, 2, 20, 5);  // a = 2, b = 3: middle columns 12..16
  const auto noEnd = SourceColumns(HThreePartBlits(s, 2, 3, 13, false, tpNoEnd), 13);
  EXPECT_EQ(noEnd, (std::vector<int>{10, 11, 12, 13, 14, 15, 16, 12, 13, 14, 15, 16, 12}));
  const auto middle = SourceColumns(HThreePartBlits(s, 2, 3, 7, false, tpMiddleOnly), 7);
  EXPECT_EQ(middle, (std::vector<int>{12, 13, 14, 15, 16, 12, 13}));
  // a + b = width: the one column at S.Left + a repeats.
  const auto none = SourceColumns(HThreePartBlits({0, 0, 4, 1}, 2, 2, 7, false), 7);
  EXPECT_EQ(none, (std::vector<int>{0, 1, 2, 2, 2, 2, 3}));

  const TsfBlits v = VThreePartBlits({0, 0, 21, 24}, 4, 6, 100, true);
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(v[1], (TsfBlit{{0, 18, 21, 24}, {0, 94, 21, 100}}));
  EXPECT_EQ(v[2], (TsfBlit{{0, 4, 21, 18}, {0, 4, 21, 94}}));
}

TEST(UtilsPieces, NinePartOrderAndGeometry) {
  TsfNinePartGeometry g;
  g.LT = {4, 3};
  g.RT = {8, 3};
  g.LB = {4, 6};
  g.RB = {8, 6};
  g.Cl = {3, 2, 9, 7};
  const TsfNinePartGeometry ng = ResizedGeometry(g, 12, 10, 25, 20);
  EXPECT_EQ(ng.RB, TPoint(21, 16));
  EXPECT_EQ(ng.Cl, TRect(3, 2, 22, 17));
  TsfNinePartOptions o;
  o.TopStretch = o.BottomStretch = o.LeftStretch = o.RightStretch = true;
  const TsfBlits b = NinePartBlits({100, 50, 112, 60}, g, ng, 25, 20, o, false);
  // Four middles, then the eight corners, all read from the skinrect's place.
  ASSERT_EQ(b.size(), 12u);
  EXPECT_EQ(b[0], (TsfBlit{{104, 50, 108, 52}, {4, 0, 21, 2}}));
  EXPECT_EQ(b[1], (TsfBlit{{104, 57, 108, 60}, {4, 17, 21, 20}}));
  EXPECT_EQ(b[3], (TsfBlit{{109, 53, 112, 56}, {22, 3, 25, 16}}));
  EXPECT_EQ(b[6], (TsfBlit{{108, 50, 112, 52}, {21, 0, 25, 2}}));  // top-right A
  EXPECT_EQ(b[11], (TsfBlit{{109, 56, 112, 57}, {22, 16, 25, 17}}));  // bottom-right B

  TsfNinePartGeometry flat = g;
  flat.RB.x = flat.LT.x;
  EXPECT_TRUE(NinePartBlits({0, 0, 12, 10}, flat, ng, 25, 20, o, true).empty());
}

TEST(UtilsPieces, MaskRunsAndTheirRegionData) {
  // 5 x 2, 3 bytes a pixel with 1 byte of padding: black runs [0,2) and [4,5) on row 0,
  // [1,4) on row 1; a pixel with only red set is not black.
  const std::uint8_t k = 0, w = 255;
  std::vector<std::uint8_t> bits = {
      k, k, k, k, k, k, w, w, w, 0, 0, 9, k, k, k, 0,
      w, w, w, k, k, k, k, k, k, k, k, k, w, k, k, 0};
  const auto runs = MaskRuns(bits.data(), 5, 2, 16, 3, 10, 20);
  EXPECT_EQ(runs, (std::vector<TRect>{{10, 20, 12, 21}, {14, 20, 15, 21}, {11, 21, 14, 22}}));
  const auto data = RegionDataBytes(runs, {10, 20, 15, 22});
  ASSERT_EQ(data.size(), 32u + 16u * 3u);
  EXPECT_EQ(data[0], 32);
  EXPECT_EQ(data[4], 1);  // RDH_RECTANGLES
  EXPECT_EQ(data[8], 3);
  EXPECT_EQ(data[12], 0);
  EXPECT_EQ(RegionDataRects(data.data(), data.size()), runs);
  EXPECT_EQ(RegionDataRects(data.data(), 16 + 32), std::vector<TRect>()) << "short data is refused";
}

TEST(UtilsPieces, MaskBandsTileAndPlaceTheCorners) {
  TsfNinePartGeometry g;
  g.LT = {4, 3};
  g.RT = {8, 3};
  g.LB = {4, 6};
  g.RB = {8, 6};
  g.Cl = {3, 2, 9, 7};
  const TsfNinePartGeometry ng = ResizedGeometry(g, 12, 10, 25, 20);
  const TsfMaskBands m = MaskBands(g, ng, 12, 10, 25);
  EXPECT_EQ(m.Top.Band.Width, 25);
  EXPECT_EQ(m.Top.Band.Height, 2);
  EXPECT_EQ(m.Bottom.Band.Offset, TPoint(0, 17));
  EXPECT_EQ(m.Right.Band.Offset, TPoint(22, 2));
  EXPECT_EQ(m.Left.Band.Height, 15);
  // The left band's bottom piece (mask rows 6..7) ends at the band's bottom.
  EXPECT_EQ(m.Left.Blits.back(), (TsfBlit{{0, 6, 3, 7}, {0, 14, 3, 15}}));
  EXPECT_EQ(m.Top.Blits.back(), (TsfBlit{{8, 0, 12, 2}, {21, 0, 25, 2}}));
}

TEST(UtilsPieces, GlyphAndCaptionPlacement) {
  const TRect face(0, 0, 100, 30);
  auto at = PlaceGlyphAndCaption(face, -1, blGlyphLeft, 4, 16, 16, 40, 14, false);
  EXPECT_EQ(at.Glyph, TPoint(20, 7));
  EXPECT_EQ(at.Caption, TPoint(40, 8));
  // Without a glyph the spacing is dropped: the caption is centred.
  EXPECT_EQ(PlaceGlyphAndCaption(face, -1, blGlyphLeft, 4, 0, 0, 40, 14, false).Caption.x, 30);
  at = PlaceGlyphAndCaption(face, 3, blGlyphRight, 4, 16, 16, 40, 14, true);
  EXPECT_EQ(at.Glyph, TPoint(100 - 16 - 3 + 1, 8));
  EXPECT_EQ(at.Caption, TPoint(100 - 16 - 3 - 4 - 40 + 1, 9));
  at = PlaceGlyphAndCaption({0, 0, 60, 80}, -1, blGlyphBottom, 2, 16, 16, 40, 14, false);
  EXPECT_EQ(at.Caption, TPoint(10, 40 - 16));
  EXPECT_EQ(at.Glyph, TPoint(22, 40 + 16 - 16));
}

TEST(UtilsPieces, RectangleHelpersCountEdgesAsTheSkinCodeDoes) {
  const TRect r(2, 2, 6, 5);
  EXPECT_TRUE(PointInRect(r, {6, 5}));
  EXPECT_FALSE(PointInRect(r, {7, 5}));
  EXPECT_TRUE(IsNullPoint({0, 4}));
  EXPECT_TRUE(IsNullRect({3, 3, 3, 9}));
  EXPECT_TRUE(RectInRect({0, 0, 10, 10}, {2, 2, 9, 9}));
  EXPECT_FALSE(RectInRect({0, 0, 10, 10}, {2, 2, 10, 9}));
}
