// The arithmetic of a skin image at another size: resize modes, the new corners and
// client rectangle, where sub-rectangles of the image land, and the button painter's
// placement of glyph and caption.
#include <gtest/gtest.h>

#include "skin/controls/sfPlainDraw.h"
#include "skin/controls/sfSkinGeometry.h"

namespace {

// The stored skin's nine-part `panel`.
TsfSkinGeometry PanelGeometry() {
  TsfSkinGeometry g;
  g.SkinRect = {0, 0, 59, 52};
  g.LTPoint = {5, 4};
  g.RTPoint = {53, 6};
  g.LBPoint = {6, 45};
  g.RBPoint = {53, 46};
  g.ClRect = {2, 2, 57, 50};
  g.SizingMode = SkinSizingMode(g.SkinRect, g.RTPoint, g.LBPoint, g.RBPoint);
  return g;
}

TsfSkinGeometry HorizontalGeometry() {
  TsfSkinGeometry g;
  g.SkinRect = {10, 20, 52, 49};  // 42 x 29, placed anywhere in the picture
  g.LTPoint = {5, 0};
  g.RTPoint = {37, 0};
  g.ClRect = {2, 2, 40, 27};
  g.SizingMode = sfsmHorizontal;
  return g;
}

TsfSkinGeometry VerticalGeometry() {
  TsfSkinGeometry g;
  g.SkinRect = {0, 0, 17, 68};
  g.LTPoint = {0, 17};
  g.LBPoint = {0, 51};
  g.ClRect = {1, 17, 16, 51};
  g.SizingMode = sfsmVertical;
  return g;
}

}  // namespace

TEST(SkinSizingMode, FollowsTheCornerPointsInTheirOrder) {
  TRect s{0, 0, 20, 10};
  EXPECT_EQ(SkinSizingMode({5, 5, 5, 9}, {1, 1}, {1, 1}, {1, 1}), sfsmNone);  // empty S wins
  EXPECT_EQ(SkinSizingMode({0, 0, 20, -1}, {0, 0}, {0, 0}, {0, 0}), sfsmNone);
  EXPECT_EQ(SkinSizingMode(s, {0, 0}, {0, 0}, {3, 4}), sfsmNinePart);
  EXPECT_EQ(SkinSizingMode(s, {3, 0}, {4, 0}, {3, 0}), sfsmHorizontal);  // RB set on one axis only
  EXPECT_EQ(SkinSizingMode(s, {0, 3}, {4, 4}, {0, 0}), sfsmHorizontal);  // RT before LB
  EXPECT_EQ(SkinSizingMode(s, {0, 0}, {0, 7}, {0, 9}), sfsmVertical);
  EXPECT_EQ(SkinSizingMode(s, {0, 0}, {0, 0}, {0, 0}), sfsmFixed);
}

TEST(SkinGeometry, CalcSkinSizeFixesWhatTheModeFixes) {
  TsfSkinGeometry nine = PanelGeometry();
  int w = 159, h = 152;
  nine.CalcSkinSize(true, w, h);
  EXPECT_EQ(w, 159);
  EXPECT_EQ(h, 152);
  EXPECT_EQ(nine.NewLTPoint, TPoint(5, 4));
  EXPECT_EQ(nine.NewRTPoint, TPoint(153, 6));
  EXPECT_EQ(nine.NewLBPoint, TPoint(6, 145));
  EXPECT_EQ(nine.NewRBPoint, TPoint(153, 146));
  EXPECT_EQ(nine.NewClRect, TRect(2, 2, 157, 150));

  TsfSkinGeometry horz = HorizontalGeometry();
  w = 782, h = 40;
  horz.CalcSkinSize(true, w, h);
  EXPECT_EQ(w, 782);
  EXPECT_EQ(h, 29);  // the tool bar's skin fixes its height
  EXPECT_EQ(horz.NewRTPoint, TPoint(777, 0));
  EXPECT_EQ(horz.NewClRect, TRect(2, 2, 780, 27));

  TsfSkinGeometry vert = VerticalGeometry();
  w = 30, h = 200;
  vert.CalcSkinSize(true, w, h);
  EXPECT_EQ(w, 17);
  EXPECT_EQ(h, 200);
  EXPECT_EQ(vert.NewLBPoint, TPoint(0, 183));
  EXPECT_EQ(vert.NewClRect, TRect(1, 17, 16, 183));
}

TEST(SkinGeometry, FixedModeSizesOnlyASkinnedControlAndNoneNothing) {
  TsfSkinGeometry fixed;
  fixed.SkinRect = {4, 4, 24, 14};
  fixed.ClRect = {1, 1, 19, 9};
  fixed.SizingMode = sfsmFixed;
  int w = 75, h = 25;
  fixed.CalcSkinSize(false, w, h);
  EXPECT_EQ(w, 75);
  EXPECT_EQ(h, 25);
  fixed.CalcSkinSize(true, w, h);
  EXPECT_EQ(w, 20);
  EXPECT_EQ(h, 10);
  EXPECT_EQ(fixed.NewClRect, fixed.ClRect);

  TsfSkinGeometry none;
  w = 75, h = 25;
  none.CalcSkinSize(true, w, h);
  EXPECT_EQ(w, 75);
  EXPECT_EQ(h, 25);
}

TEST(SkinGeometry, MapSkinRectMovesPartsWithTheCornersTheyBelongTo) {
  TsfSkinGeometry g = PanelGeometry();
  auto map = [&g](TRect r) { return g.MapSkinRect(r, 159, 152); };
  EXPECT_EQ(map({54, 0, 58, 5}), TRect(154, 0, 158, 5));        // top-right corner area
  EXPECT_EQ(map({0, 0, 58, 5}), TRect(0, 0, 158, 5));           // spans the top edge
  EXPECT_EQ(map({1, 1, 4, 3}), TRect(1, 1, 4, 3));              // top-left corner stays
  EXPECT_EQ(map({1, 46, 5, 50}), TRect(1, 146, 5, 150));        // bottom-left corner
  EXPECT_EQ(map({54, 47, 58, 51}), TRect(154, 147, 158, 151));  // bottom-right corner
  EXPECT_EQ(map({1, 1, 58, 51}), TRect(1, 1, 158, 151));        // the whole image grows
  EXPECT_EQ(map({1, 46, 58, 51}), TRect(1, 146, 158, 151));     // along the bottom edge
  EXPECT_EQ(map({1, 1, 5, 51}), TRect(1, 1, 5, 151));           // down the left edge
  EXPECT_EQ(map({54, 1, 58, 51}), TRect(154, 1, 158, 151));     // down the right edge
  EXPECT_EQ(map({20, 20, 30, 30}), TRect(20, 20, 30, 30));      // the middle: unchanged
}

TEST(SkinGeometry, MapSkinRectInTheThreePartModes) {
  TsfSkinGeometry h = HorizontalGeometry();
  EXPECT_EQ(h.MapSkinRect({2, 2, 40, 27}, 142, 29), TRect(2, 2, 140, 27));   // spans the middle
  EXPECT_EQ(h.MapSkinRect({38, 5, 41, 9}, 142, 29), TRect(138, 5, 141, 9));  // in the right part
  EXPECT_EQ(h.MapSkinRect({10, 5, 20, 9}, 142, 29), TRect(10, 5, 20, 9));    // in the middle
  TsfSkinGeometry v = VerticalGeometry();
  EXPECT_EQ(v.MapSkinRect({1, 10, 16, 60}, 17, 168), TRect(1, 10, 16, 160));
  EXPECT_EQ(v.MapSkinRect({1, 52, 16, 67}, 17, 168), TRect(1, 152, 16, 167));
  TsfSkinGeometry fixed;
  fixed.SkinRect = {0, 0, 20, 10};
  fixed.SizingMode = sfsmFixed;
  EXPECT_EQ(fixed.MapSkinRect({15, 1, 19, 9}, 200, 100), TRect(15, 1, 19, 9));
}

TEST(GlyphCaptionLayout, CentresTheBlockAndHonoursMarginAndLayout) {
  TRect face{0, 0, 100, 30};
  TsfGlyphPlacement p = PlaceGlyphAndCaption(face, -1, blGlyphLeft, 4, 16, 16, 40, 14, false);
  EXPECT_EQ(p.Glyph, TPoint(20, 7));
  EXPECT_EQ(p.Caption, TPoint(40, 8));
  p = PlaceGlyphAndCaption(face, -1, blGlyphLeft, 4, 0, 0, 40, 14, false);  // no glyph, no spacing
  EXPECT_EQ(p.Caption.x, 30);
  p = PlaceGlyphAndCaption(face, -1, blGlyphRight, 4, 16, 16, 40, 14, false);
  EXPECT_EQ(p.Caption.x, 20);
  EXPECT_EQ(p.Glyph.x, 64);
  p = PlaceGlyphAndCaption(face, 3, blGlyphLeft, 4, 16, 16, 40, 14, false);
  EXPECT_EQ(p.Glyph.x, 3);
  EXPECT_EQ(p.Caption.x, 23);
  p = PlaceGlyphAndCaption({0, 0, 60, 60}, 2, blGlyphBottom, 1, 16, 16, 40, 14, false);
  EXPECT_EQ(p.Glyph, TPoint(22, 42));
  EXPECT_EQ(p.Caption, TPoint(10, 27));
}
