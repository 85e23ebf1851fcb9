// Off-screen bitmaps reused between paints: each borrower finds a white bitmap with
// a fresh canvas, nested borrowers get bitmaps of their own, and the idle pool stays
// within its size.
#include <windows.h>

#include <gtest/gtest.h>

#include "GraphicsTestUtil.h"
#include "ui/GdiObject.h"
#include "ui/OffScreen.h"

TEST(OffScreenPool, ABorrowedBitmapIsLikeANewOne) {
  ClearOffScreenPool();
  HBITMAP first = nullptr;
  {
    TOffScreenBitmap b(40, 30);
    first = b->Handle();
    b->Canvas().Brush().SetColor(clRed);
    b->Canvas().FillRect({0, 0, 40, 30});
    b->Canvas().Brush().SetStyle(bsClear);
    b->Canvas().IntersectClip({0, 0, 5, 5});
    b->SetTransparent(true);
  }
  EXPECT_EQ(OffScreenPoolCount(), 1);
  TOffScreenBitmap again(40, 30);
  EXPECT_EQ(again->Handle(), first);  // the same bitmap, reused
  EXPECT_EQ(PixelAt(*again, 39, 29), clWhite);
  EXPECT_FALSE(again->Transparent());
  again->Canvas().Brush().SetColor(clBlue);
  again->Canvas().FillRect({0, 0, 40, 30});  // no clip and a solid brush left over
  EXPECT_EQ(PixelAt(*again, 20, 20), clBlue);
}

TEST(OffScreenPool, NestedBorrowersGetTheirOwnAndTheIdlePoolIsCapped) {
  ClearOffScreenPool();
  {
    TOffScreenBitmap outer(50, 50);
    TOffScreenBitmap inner(50, 50);
    EXPECT_NE(outer->Handle(), inner->Handle());
  }
  EXPECT_EQ(OffScreenPoolCount(), 2);
  {
    // Two bitmaps of 6 MB each fit in the 16 MB pool; a third pushes out the oldest.
    TOffScreenBitmap a(2048, 1024), b(2048, 1024), c(2048, 1024);
  }
  EXPECT_EQ(OffScreenPoolCount(), 2);  // the small ones went first, then the oldest large one
  int bitmaps = LiveHandles(THandleKind::Bitmap);
  ClearOffScreenPool();
  EXPECT_EQ(OffScreenPoolCount(), 0);
  EXPECT_LT(LiveHandles(THandleKind::Bitmap), bitmaps);
}
