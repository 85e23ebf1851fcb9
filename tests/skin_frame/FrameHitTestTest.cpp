// The frame's client area, hit-testing and window shape on a real window.
#include <gtest/gtest.h>

#include "FrameTestSupport.h"
#include "skin/data/sfUtilsRegion.h"
#include "ui/GdiObject.h"

TEST(FrameArea, ClientAreaIsTheWindowInsetByTheSkinsBands) {
  TFrameForm f;
  RECT w = f.WindowRect(), c;
  GetClientRect(f.Wnd(), &c);
  POINT origin{0, 0};
  ClientToScreen(f.Wnd(), &origin);
  EXPECT_EQ(w.right - w.left, 800);
  EXPECT_EQ(origin.x - w.left, 5);
  EXPECT_EQ(origin.y - w.top, 29);
  EXPECT_EQ(c.right, 790);
  EXPECT_EQ(c.bottom, 566);
  // Without a skin: the plain frame's three rings and 19-pixel caption.
  TFrameForm plain(false);
  GetClientRect(plain.Wnd(), &c);
  origin = {0, 0};
  ClientToScreen(plain.Wnd(), &origin);
  EXPECT_EQ(origin.x - plain.WindowRect().left, 3);
  EXPECT_EQ(origin.y - plain.WindowRect().top, 22);
  EXPECT_EQ(c.right, 794);
  EXPECT_EQ(c.bottom, 575);
}

TEST(FrameArea, BorderlessFormKeepsTheWholeWindowAsClientArea) {
  TFrameForm f;
  f.Form->SetBorderStyle(bsNone);
  RECT r{0, 0, 800, 600};
  SendMessageW(f.Wnd(), WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, 800);
  EXPECT_EQ(r.bottom, 600);
}

TEST(FrameHitTest, EveryZoneOfTheSkinnedFrame) {
  TFrameForm f;
  struct Case {
    int x, y, code;
  };
  const Case cases[] = {
      {1, 1, 13},      // top-left corner
      {400, 2, 12},    // top edge
      {400, 15, 2},    // caption
      {785, 15, 19},   // close button
      {400, 300, 1},   // client
      {1, 300, 10},    // left edge
      {798, 300, 11},  // right edge
      {400, 598, 15},  // bottom edge
      {799, 599, 17},  // bottom-right corner
      {798, 1, 14},    // top-right corner
      {1, 598, 16},    // bottom-left corner
      {10, 15, 19},    // system menu button
      {400, 28, 19},   // below the caption, above the client: the frame's own
  };
  for (const Case& c : cases) EXPECT_EQ(f.HitTest(c.x, c.y), c.code) << c.x << "," << c.y;
  // A maximized window answers no sizing codes.
  f.Frame->SetWindowState(wsMaximized);
  const int w = f.Form->Width();
  EXPECT_EQ(f.HitTest(1, 300), 19);
  EXPECT_EQ(f.HitTest(1, 1), 19);
  EXPECT_EQ(f.HitTest(w / 2, 15), 2);
  EXPECT_EQ(f.HitTest(w / 2, 300), 1);
  f.Frame->SetWindowState(wsNormal);
  // Rolled up: caption or the frame's own parts.
  f.Frame->SetRollUpState(true);
  EXPECT_EQ(f.HitTest(400, 15), 2);
  EXPECT_EQ(f.HitTest(1, 1), 19);
}

TEST(FrameHitTest, ThePlainFrameWithItsTwoPixelEdge) {
  TFrameForm f(false);
  EXPECT_EQ(f.Frame->PlainCaptionRect(), TRect(20, 3, 729, 19));
  EXPECT_EQ(f.HitTest(2, 2), 13);
  EXPECT_EQ(f.HitTest(798, 2), 14);
  EXPECT_EQ(f.HitTest(2, 598), 16);
  EXPECT_EQ(f.HitTest(798, 598), 17);
  EXPECT_EQ(f.HitTest(1, 300), 10);
  EXPECT_EQ(f.HitTest(400, 1), 12);
  EXPECT_EQ(f.HitTest(799, 300), 11);
  EXPECT_EQ(f.HitTest(400, 599), 15);
  EXPECT_EQ(f.HitTest(100, 10), 2);
  EXPECT_EQ(f.HitTest(3, 22), 1);
  EXPECT_EQ(f.HitTest(10, 10), 19);
  EXPECT_EQ(f.ObjectRect("closebutton"), TRect(780, 4, 797, 21));
  EXPECT_EQ(f.ObjectRect("sysmenubutton"), TRect(3, 4, 20, 21));
}

namespace {

bool MaskBlack(const TBitmap& mask, int x, int y) {
  const std::uint8_t* p = mask.ScanLine(y) + x * mask.BytesPerPixel();
  return p[0] == 0 && p[1] == 0 && p[2] == 0;
}

// Compares the window's region with the mask's pixels: the corners of the window are
// the mask's corners, the client rectangle is all inside.
void ExpectRegionFollowsMask(TFrameForm& f, int w, int h) {
  f.Resize(w, h);
  TRegionHandle region = CreateRectRegion({0, 0, 1, 1});
  ASSERT_NE(GetWindowRgn(f.Wnd(), region.Get()), ERROR);
  const TBitmap& mask = f.Skin->MaskPicture();
  const int mw = mask.Width(), mh = mask.Height();
  const int dw = w - mw, dh = h - mh;
  int mismatches = 0;
  // The four 12 x 29 (top) and 12 x 5 (bottom) corners, pixel by pixel.
  for (int y = 0; y < mh; ++y)
    for (int x = 0; x < mw; ++x) {
      const bool corner = (x < 12 || x >= 140) && (y < 29 || y >= 120);
      if (!corner) continue;
      const int wx = x < 12 ? x : x + dw, wy = y < 29 ? y : y + dh;
      if ((PtInRegion(region.Get(), wx, wy) != 0) != MaskBlack(mask, x, y)) ++mismatches;
    }
  EXPECT_EQ(mismatches, 0) << w << "x" << h;
  EXPECT_TRUE(PtInRegion(region.Get(), w / 2, h / 2));
  EXPECT_TRUE(PtInRegion(region.Get(), 3, h / 2));
  EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
  EXPECT_FALSE(PtInRegion(region.Get(), w - 1, h - 1));
}

}  // namespace

TEST(FrameRegion, FollowsTheMaskAtAnySize) {
  TFrameForm f;
  ExpectRegionFollowsMask(f, 800, 600);
  ExpectRegionFollowsMask(f, 152, 125);  // the picture's own size: the mask as it is
  ExpectRegionFollowsMask(f, 431, 289);
}

// The window owns the region it accepted: resizing gives it new ones, destroying the
// frame leaves the window's region alone, and nothing of ours is left over.
TEST(FrameRegion, TheWindowsRegionIsNeverFreedByTheFrame) {
  const int before = LiveHandles(THandleKind::Region);
  {
    TFrameForm f;
    for (int i = 0; i < 20; ++i) f.Resize(500 + 7 * i, 400 + 3 * i);
    EXPECT_EQ(LiveHandles(THandleKind::Region), before);
    delete f.Frame;
    TRegionHandle region = CreateRectRegion({0, 0, 1, 1});
    EXPECT_EQ(GetWindowRgn(f.Wnd(), region.Get()), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
  }
  EXPECT_EQ(LiveHandles(THandleKind::Region), before);
}

TEST(FrameSizeLimits, TrackingLimitsComeFromTheSkin) {
  TFrameForm f;
  MINMAXINFO info{};
  SendMessageW(f.Wnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 152);
  EXPECT_EQ(info.ptMinTrackSize.y, 34);
  f.Frame->SetMinWidth(400);
  f.Frame->SetMaxHeight(500);
  SendMessageW(f.Wnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 400);
  EXPECT_EQ(info.ptMaxTrackSize.y, 500);
  // A form made smaller than the minimum by its code is corrected on the next skin.
  f.Frame->SetMinWidth(0);
  f.Form->SetBounds(100, 50, 100, 20);
  f.Frame->ApplyFrameSkin();
  EXPECT_EQ(f.Form->Width(), 152);
  EXPECT_EQ(f.Form->Height(), 34);
}

// The display server confirms a shown or moved window's size with a size message of
// the same size: the frame's region stands; a real change of size cuts a new one.
TEST(FrameRegion, IsCutAgainOnlyWhenTheSizeChanges) {
  TFrameForm f;
  const auto cornerInRegion = [&] {
    TRegionHandle region = CreateRectRegion({0, 0, 1, 1});
    GetWindowRgn(f.Wnd(), region.Get());
    return PtInRegion(region.Get(), 0, 0) != FALSE;
  };
  ASSERT_FALSE(cornerInRegion());
  SetWindowRgn(f.Wnd(), CreateRectRgn(0, 0, 800, 600), FALSE);  // marks the region
  RECT client;
  GetClientRect(f.Wnd(), &client);
  SendMessageW(f.Wnd(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
  EXPECT_TRUE(cornerInRegion());
  f.Resize(810, 600);
  EXPECT_FALSE(cornerInRegion());
}
