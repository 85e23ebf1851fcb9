#include <gtest/gtest.h>
#include <windows.h>

#include <array>

#include "skin/data/sfEffects.h"
#include "ui/Bitmap.h"

namespace {

using Px = std::array<int, 3>;  // blue, green, red

Px Colour(int x, int y) { return {10 + 40 * x, 20 + 50 * y, 200 - 30 * x}; }

void Paint(TBitmap& b) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      std::uint8_t* p = b.ScanLine(y) + x * b.BytesPerPixel();
      const Px c = Colour(x, y);
      p[0] = static_cast<std::uint8_t>(c[0]);
      p[1] = static_cast<std::uint8_t>(c[1]);
      p[2] = static_cast<std::uint8_t>(c[2]);
    }
}

Px At(const std::uint8_t* row, int x, int step) {
  const std::uint8_t* p = row + x * step;
  return {p[0], p[1], p[2]};
}

void ExpectPainted(const TsfEffectPixels& e, int w, int h) {
  ASSERT_EQ(e.Width(), w);
  ASSERT_EQ(e.Height(), h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) EXPECT_EQ(At(e.ScanLine(y), x, 3), Colour(x, y)) << x << "," << y;
}

}  // namespace

TEST(EffectBmp, CopiesBitmapsOfEitherDepthTopRowFirst) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    TBitmap source(3, 2, format);
    Paint(source);
    TsfEffectBmp fromBitmap(source);
    ExpectPainted(fromBitmap, 3, 2);
    // Through the handle: the framework's bitmap is not in a DC until asked for one.
    TsfEffectBmp fromHandle(source.Handle());
    ExpectPainted(fromHandle, 3, 2);
    // A copy, not a view.
    fromBitmap.Invert();
    EXPECT_EQ(At(source.ScanLine(0), 0, source.BytesPerPixel()), Colour(0, 0));
  }
  TsfEffectBmp none(static_cast<HBITMAP>(nullptr));
  EXPECT_EQ(none.Width(), 0);
  EXPECT_EQ(none.Handle(), nullptr);
}

TEST(EffectBmp, DrawsOneToOneAtThePointAndConvertsBack) {
  const int bitmapsBefore = LiveHandles(THandleKind::Bitmap);
  {
    TBitmap source(3, 2);
    Paint(source);
    TBitmap other(3, 2);  // white
    TsfEffectBmp e(source);
    e.Blend(TsfEffectBmp(other), 1);
    EXPECT_EQ(At(e.ScanLine(1), 2, 3), (Px{255, 255, 255}));
    e.Invert();  // black

    TBitmap target(6, 4);
    e.Draw(target.DC(), 2, 1);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 6; ++x) {
        const bool inside = x >= 2 && x < 5 && y >= 1 && y < 3;
        const Px expected = inside ? Px{0, 0, 0} : Px{255, 255, 255};
        EXPECT_EQ(At(target.ScanLine(y), x, 3), expected) << x << "," << y;
      }

    TsfEffectBmp painted(source);
    TBitmap back(1, 1, pf32bit);
    painted.AssignTo(back);
    EXPECT_EQ(back.PixelFormat(), pf24bit);
    ASSERT_EQ(back.Width(), 3);
    ASSERT_EQ(back.Height(), 2);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) EXPECT_EQ(At(back.ScanLine(y), x, 3), Colour(x, y));
  }
  EXPECT_EQ(LiveHandles(THandleKind::Bitmap), bitmapsBefore);
}
