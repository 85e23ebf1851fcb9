#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "skin/data/sfUtilsRegion.h"

namespace {

// White, with black pixels where `black(x, y)` holds.
template <class F>
void PaintMask(TBitmap& mask, int width, int height, F black) {
  mask.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = mask.ScanLine(y);
    std::memset(row, 0xFF, static_cast<std::size_t>(3 * width));
    for (int x = 0; x < width; ++x)
      if (black(x, y)) row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = 0;
  }
}

// Every pixel of width x height is in `region` exactly where `inside` says.
template <class F>
void ExpectShape(HRGN region, int width, int height, F inside) {
  for (int y = -1; y <= height; ++y)
    for (int x = -1; x <= width; ++x)
      ASSERT_EQ(PtInRegion(region, x, y) != 0, inside(x, y)) << x << ", " << y;
}

TsfNinePartGeometry MaskGeometry() {
  TsfNinePartGeometry g;
  g.LT = {4, 3};
  g.RT = {8, 3};
  g.LB = {4, 6};
  g.RB = {8, 6};
  g.Cl = {3, 2, 9, 7};
  return g;
}

}  // namespace

TEST(UtilsRegion, DataHoldsTheBlackRunsOfTheMask) {
  TBitmap mask;
  // Row 0: black at 1..2 and 4; row 1: none; row 2: all but the last pixel.
  PaintMask(mask, 6, 3, [](int x, int y) {
    return (y == 0 && (x == 1 || x == 2 || x == 4)) || (y == 2 && x < 5);
  });
  const auto data = CreateRgnDataFromBitmap(mask, 10, 5);
  ASSERT_EQ(data.size(), 32u + 3u * 16u);
  EXPECT_EQ(RegionDataRects(data.data(), data.size()),
            (std::vector<TRect>{{11, 5, 13, 6}, {14, 5, 15, 6}, {10, 7, 15, 8}}));
  TRect bounds;
  std::memcpy(&bounds, data.data() + 16, sizeof bounds);
  EXPECT_EQ(bounds, TRect(10, 5, 16, 8));

  TRegionHandle region = CreateRgnFromBitmap(mask);
  ASSERT_TRUE(region);
  EXPECT_EQ(RegionRects(region.Get()),
            (std::vector<TRect>{{1, 0, 3, 1}, {4, 0, 5, 1}, {0, 2, 5, 3}}));

  TBitmap white(4, 4), empty;
  TRegionHandle none = CreateRgnFromBitmap(white);
  ASSERT_TRUE(none);
  EXPECT_TRUE(RegionRects(none.Get()).empty());
  EXPECT_TRUE(CreateRgnDataFromBitmap(empty, 0, 0).empty());
  EXPECT_FALSE(CreateRgnFromBitmap(empty));
}

TEST(UtilsRegion, AOneBitMaskGivesItsBlackPixels) {
  // Rows of 16 bits (words): bit 7 of the first byte is x = 0; 0 is black.
  const std::uint16_t rows[2] = {0x0FF0, 0xFF3F};  // bytes F0 0F / 3F FF
  HBITMAP mono = CreateBitmap(16, 2, 1, 1, rows);
  ASSERT_NE(mono, nullptr);
  TRegionHandle region = CreateRgnFromBitmap(mono);
  DeleteObject(mono);
  EXPECT_EQ(RegionRects(region.Get()),
            (std::vector<TRect>{{4, 0, 12, 1}, {0, 1, 2, 2}}));
}

TEST(UtilsRegion, MoreRunsThanTheOldLimitStillGiveTheWholeShape) {
  // A 300 x 100 checkerboard has 15,000 runs, past the 10,001 rectangles a region's
  // data used to have room for.
  TBitmap mask;
  auto black = [](int x, int y) { return x >= 0 && y >= 0 && x < 300 && y < 100 && (x + y) % 2 == 0; };
  PaintMask(mask, 300, 100, black);
  const auto data = CreateRgnDataFromBitmap(mask, 0, 0);
  EXPECT_EQ(data.size(), 32u + 15000u * 16u);
  TRegionHandle region = CreateRgnFromBitmap(mask);
  ASSERT_TRUE(region);
  EXPECT_EQ(RegionRects(region.Get()).size(), 15000u);
  ExpectShape(region.Get(), 300, 100, black);
}

TEST(UtilsRegion, ResizedMaskTilesItsBandsAndKeepsTheClientRectangle) {
  // Black everywhere but three corner pixels; grown from 12 x 10 to 25 x 20 the white
  // pixels follow their corners.
  TBitmap mask;
  PaintMask(mask, 12, 10, [](int x, int y) {
    return !((x == 0 && y == 0) || (x == 11 && y == 0) || (x == 11 && y == 9));
  });
  const TsfNinePartGeometry g = MaskGeometry();
  const TsfNinePartGeometry ng = ResizedGeometry(g, 12, 10, 25, 20);
  TRegionHandle region = CreateRgnFromResizedMask(mask, g, ng, 25, 20);
  ASSERT_TRUE(region);
  EXPECT_EQ(RegionRects(region.Get()),
            (std::vector<TRect>{{1, 0, 24, 1}, {0, 1, 25, 19}, {0, 19, 24, 20}}));

  // White inside the client rectangle and at (0, 4), a row of the left band's tiled
  // middle (mask rows 3..5, repeated from band row 1 after the copied row 2): the new
  // client rectangle is all in, the white pixel comes back every third row.
  PaintMask(mask, 12, 10, [&](int x, int y) {
    return !(g.Cl.Contains({x, y}) || (x == 0 && y == 4));
  });
  region = CreateRgnFromResizedMask(mask, g, ng, 25, 20);
  ASSERT_TRUE(region);
  ExpectShape(region.Get(), 25, 20, [](int x, int y) {
    if (x < 0 || y < 0 || x >= 25 || y >= 20) return false;
    return !(x == 0 && (y == 3 || y == 6 || y == 9 || y == 12 || y == 15));
  });
}

TEST(UtilsRegion, ResizedMaskWithoutRoomGivesNoRegion) {
  TBitmap mask(12, 10);
  const TsfNinePartGeometry g = MaskGeometry();
  TsfNinePartGeometry ng = ResizedGeometry(g, 12, 10, 25, 20);
  ng.RT.x = ng.LT.x - 1;
  EXPECT_FALSE(CreateRgnFromResizedMask(mask, g, ng, 25, 20));
  ng = ResizedGeometry(g, 12, 10, 6, 5);  // Cl' is (3, 2, 3, 2): empty
  EXPECT_FALSE(CreateRgnFromResizedMask(mask, g, ng, 6, 5));
}

TEST(UtilsRegion, OurFrameMask) {
  // The 1-bit mask of our skin's frame, 152 x 125, with the frame's corner points and
  // its maskrectarea as the client rectangle.
  const auto path = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
                    "resources" / "skin" / "mask.bmp";
  TBitmap mask;
  mask.LoadFromFile(path.wstring());
  ASSERT_EQ(mask.Width(), 152);
  ASSERT_EQ(mask.Height(), 125);
  auto black = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= 152 || y >= 125) return false;
    const std::uint8_t* p = mask.ScanLine(y) + 3 * x;
    return (p[0] | p[1] | p[2]) == 0;
  };
  TRegionHandle region = CreateRgnFromBitmap(mask);
  ASSERT_TRUE(region);
  ExpectShape(region.Get(), 152, 125, black);

  TsfNinePartGeometry g;
  g.LT = {12, 29};
  g.RT = {140, 29};
  g.LB = {12, 120};
  g.RB = {140, 120};
  g.Cl = {3, 4, 149, 122};
  const TsfNinePartGeometry ng = ResizedGeometry(g, 152, 125, 640, 480);
  TRegionHandle resized = CreateRgnFromResizedMask(mask, g, ng, 640, 480);
  ASSERT_TRUE(resized);
  RECT box;
  GetRgnBox(resized.Get(), &box);
  EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= 640 && box.bottom <= 480);
  for (int y = ng.Cl.Top; y < ng.Cl.Bottom; y += 7)
    for (int x = ng.Cl.Left; x < ng.Cl.Right; x += 5) ASSERT_TRUE(PtInRegion(resized.Get(), x, y));
  // The corners keep the mask's own shape.
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 12; ++x) {
      EXPECT_EQ(PtInRegion(resized.Get(), x, y) != 0, black(x, y)) << x << ", " << y;
      EXPECT_EQ(PtInRegion(resized.Get(), 628 + x, y) != 0, black(140 + x, y)) << x << ", " << y;
      EXPECT_EQ(PtInRegion(resized.Get(), 628 + x, 477 + y % 3) != 0, black(140 + x, 122 + y % 3));
    }
}
