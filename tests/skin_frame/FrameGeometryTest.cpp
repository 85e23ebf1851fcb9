// The platform-neutral arithmetic of the frame: moved frame points, client areas,
// size limits and the shortening of captions in code page 936.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "skin/frame/sfFrameGeometry.h"

namespace {

// The [FORMINFO] values of our skin (main picture 152 x 125).
TsfSkinFormInfo OurFormInfo() {
  TsfSkinFormInfo fi;
  fi.lefttoppoint = {12, 29};
  fi.righttoppoint = {140, 29};
  fi.leftbottompoint = {12, 120};
  fi.rightbottompoint = {140, 120};
  fi.clientrect = {5, 29, 147, 120};
  fi.maskrectarea = {3, 4, 149, 122};
  fi.hittestlefttoppoint = {5, 6};
  fi.hittestrighttoppoint = {145, 5};
  fi.hittestleftbottompoint = {6, 120};
  fi.hittestrightbottompoint = {146, 118};
  fi.captionrect = {5, 5, 147, 25};
  fi.buttonsoffset = 2;
  fi.borderwidth = 4;
  return fi;
}

int CharWidth5(const std::string& s) { return 5 * static_cast<int>(s.size()); }

}  // namespace

TEST(FrameGeometry, PointsAndRectanglesMoveWithTheWindowSize) {
  TsfFrameGeometry g = SizedFrameGeometry(OurFormInfo(), 152, 125, 800, 600);
  EXPECT_EQ(g.DW, 648);
  EXPECT_EQ(g.DH, 475);
  EXPECT_EQ(g.Mask, TRect(3, 4, 797, 597));
  EXPECT_EQ(g.Client, TRect(5, 29, 795, 595));
  EXPECT_EQ(g.Caption, TRect(5, 5, 795, 25));
  EXPECT_EQ(g.RT, TPoint(788, 29));
  EXPECT_EQ(g.RB, TPoint(788, 595));
  EXPECT_EQ(g.HitLT, TPoint(5, 6));
  EXPECT_EQ(g.HitRT, TPoint(793, 5));
  EXPECT_EQ(g.HitLB, TPoint(6, 595));
  EXPECT_EQ(g.HitRB, TPoint(794, 593));
  EXPECT_TRUE(g.Buttons.IsEmpty());
  // A buttons rectangle in the right half moves with the right edge, one in the left
  // half stays.
  TsfSkinFormInfo fi = OurFormInfo();
  fi.buttonsrect = {80, 5, 147, 26};
  EXPECT_EQ(SizedFrameGeometry(fi, 152, 125, 800, 600).Buttons, TRect(728, 5, 795, 26));
  fi.buttonsrect = {5, 5, 70, 26};
  EXPECT_EQ(SizedFrameGeometry(fi, 152, 125, 800, 600).Buttons, TRect(5, 5, 70, 26));
}

TEST(FrameGeometry, ClientAreaIsTheWindowInsetByTheBandsOrThePlainFrame) {
  EXPECT_EQ(SkinnedClientRect(OurFormInfo(), 152, 125, {100, 50, 900, 650}),
            TRect(105, 79, 895, 645));
  EXPECT_EQ(PlainClientRect({100, 50, 900, 650}, 19), TRect(103, 72, 897, 647));
  EXPECT_EQ(PlainClientRect({0, 0, 800, 600}, 15), TRect(3, 18, 797, 597));
  // Never of negative size.
  EXPECT_EQ(SkinnedClientRect(OurFormInfo(), 152, 125, {0, 0, 6, 20}), TRect(5, 29, 5, 29));
}

TEST(FrameGeometry, SizeLimitsFromTheSkinTheFrameAndTheMonitor) {
  TsfSizeLimitInput in;
  in.SkinLoaded = true;
  in.PictureWidth = 152;
  in.PictureHeight = 125;
  in.ClientRect = {5, 29, 147, 120};
  in.Monitor = {0, 0, 1280, 1024};
  TsfSizeLimits l = FrameSizeLimits(in);
  EXPECT_EQ(l.MinWidth, 152);
  EXPECT_EQ(l.MinHeight, 34);
  EXPECT_EQ(l.MaxWidth, 1280);
  EXPECT_EQ(l.MaxHeight, 1024);
  in.MinWidth = 300;
  in.MinHeight = 200;
  in.MaxWidth = 1000;
  in.MaxHeight = 2000;  // above the monitor: no effect
  l = FrameSizeLimits(in);
  EXPECT_EQ(l.MinWidth, 300);
  EXPECT_EQ(l.MinHeight, 200);
  EXPECT_EQ(l.MaxWidth, 1000);
  EXPECT_EQ(l.MaxHeight, 1024);
  // Rolled up or minimized the frame keeps only its bands; minimized it also gives up
  // the larger minimum width.
  in.RolledUp = true;
  EXPECT_EQ(FrameSizeLimits(in).MinHeight, 34);
  EXPECT_EQ(FrameSizeLimits(in).MinWidth, 300);
  in.RolledUp = false;
  in.Minimized = true;
  EXPECT_EQ(FrameSizeLimits(in).MinHeight, 34);
  EXPECT_EQ(FrameSizeLimits(in).MinWidth, 152);
  in.FormMinWidth = 200;
  EXPECT_EQ(FrameSizeLimits(in).MinWidth, 200);
  // The plain frame: 120 wide, caption and borders high.
  TsfSizeLimitInput plain;
  plain.Monitor = {0, 0, 1280, 1024};
  EXPECT_EQ(FrameSizeLimits(plain).MinWidth, 120);
  EXPECT_EQ(FrameSizeLimits(plain).MinHeight, 25);
}

TEST(FrameGeometry, CaptionsAreShortenedByWholeCharacters) {
  EXPECT_EQ(EllipsisCaption("Tavoro", 30, CharWidth5), "Tavoro");
  EXPECT_EQ(EllipsisCaption("Tavoro", 29, CharWidth5), "Ta...");
  EXPECT_EQ(EllipsisCaption("A", 3, CharWidth5), "...");
  EXPECT_EQ(EllipsisCaption("", 0, CharWidth5), "");
  // Two-byte characters go as a whole: never half a character before the dots.
  const std::string chinese = "网页特效集";  // 10 bytes
  EXPECT_EQ(EllipsisCaption(chinese, 45, CharWidth5), "网页特...");
  EXPECT_EQ(EllipsisCaption(chinese, 40, CharWidth5), "网页...");  // not 网页 + a lead byte
  EXPECT_EQ(EllipsisCaption("Ab网页", 29, CharWidth5), "Ab...");
  // A trail byte may look like a Latin character (0x81 0x40): the text is read from
  // its start, so the pair still goes together.
  EXPECT_EQ(EllipsisCaption("A\x81\x40\x81\x40", 24, CharWidth5), "A...");
}

TEST(FrameGeometry, AMinimizedWindowTakesTheFirstFreePlaceFromTheBottomLeft) {
  const TRect a{0, 0, 500, 100};  // three places of 152 x 34 in a row, two rows
  std::vector<TPoint> held;
  auto taken = [&held](TPoint p) { return std::find(held.begin(), held.end(), p) != held.end(); };
  EXPECT_EQ(MinimizedWindowPlace(a, 152, 34, taken), TPoint(0, 66));
  held = {{0, 66}, {152, 66}};
  EXPECT_EQ(MinimizedWindowPlace(a, 152, 34, taken), TPoint(304, 66));
  held.push_back({304, 66});
  EXPECT_EQ(MinimizedWindowPlace(a, 152, 34, taken), TPoint(0, 32));
  held = {{0, 66}, {152, 66}, {304, 66}, {0, 32}, {152, 32}, {304, 32}};
  EXPECT_EQ(MinimizedWindowPlace(a, 152, 34, taken), TPoint(0, 66));  // all held
}

TEST(FrameGeometry, AMinimizedWindowWithoutHeightOrWidthStillFindsAPlace) {
  const TRect a{0, 0, 500, 100};
  int asked = 0;
  auto always = [&asked](TPoint) { return ++asked < 1000; };
  // No height: one row of three places, then the first place.
  EXPECT_EQ(MinimizedWindowPlace(a, 152, 0, always), TPoint(0, 100));
  EXPECT_EQ(asked, 3);
  asked = 0;
  // No width: one place in each of the rows 66 and 32, then the first place.
  EXPECT_EQ(MinimizedWindowPlace(a, 0, 34, always), TPoint(0, 66));
  EXPECT_EQ(asked, 2);
  asked = 0;
  EXPECT_EQ(MinimizedWindowPlace(a, 0, 0, always), TPoint(0, 100));
  EXPECT_EQ(asked, 1);
}
