#include <gtest/gtest.h>

#include <array>

#include "ui/Bitmap.h"
#include "ui/GdiObject.h"

#include <windows.h>

namespace {

constexpr std::array<THandleKind, 6> GdiKinds = {THandleKind::DC,   THandleKind::Bitmap,
                                                 THandleKind::Font, THandleKind::Brush,
                                                 THandleKind::Pen,  THandleKind::Region};

std::array<int, 6> Snapshot() {
  std::array<int, 6> counts{};
  for (size_t i = 0; i < GdiKinds.size(); ++i) counts[i] = LiveHandles(GdiKinds[i]);
  return counts;
}

bool IsDeleted(void* handle) { return GetObjectType(static_cast<HGDIOBJ>(handle)) == 0; }

}  // namespace

TEST(GraphicsHandles, PaintingGivesEverythingBack) {
  const auto start = Snapshot();
  for (int i = 0; i < 60; ++i) {
    TBitmap b(16 + i % 5, 12);
    TCanvas& c = b.Canvas();
    c.Font().SetName(i % 2 ? "宋体" : "Arial");
    c.Font().SetHeight(-10 - i % 7);
    c.TextOut(0, 0, "预览");
    c.Font().SetStyle({fsBold});  // each change replaces the selected font
    c.TextOut(0, 0, "x");
    c.Brush().SetColor(RGBColor(i, 0, 0));
    c.FillRect(TRect(0, 0, 4, 4));
    c.Pen().SetWidth(1 + i % 3);
    c.Rectangle(1, 1, 9, 9);
    int saved = c.SaveState();
    c.IntersectClip(TRect(0, 0, 3, 3));
    c.Pen().SetColor(clRed);
    c.LineTo(5, 5);
    c.RestoreState(saved);
    b.SetSize(20, 20 + i % 3);
    b.SetPixelFormat(i % 2 ? pf32bit : pf24bit);
    TBitmap copy;
    copy.Assign(b);
    copy.Canvas().Draw(0, 0, b);
    TBitmap loaded;
    loaded.LoadFromBytes(copy.SaveToBytes());
    (void)copy.Canvas().Font().IsTrueType();
    TBufferedPaint buffer(c.Handle(), TRect(2, 2, 10, 10));
  }
  EXPECT_EQ(Snapshot(), start);
}

TEST(GraphicsHandles, ChangesDeleteTheReplacedHandles) {
  TBitmap b(10, 10);
  TCanvas& c = b.Canvas();
  c.TextOut(0, 0, "x");
  HFONT font = c.Font().Handle();
  int fonts = LiveHandles(THandleKind::Font);
  c.Font().SetHeight(-30);  // selected in the DC: must be taken out to be deleted
  EXPECT_TRUE(IsDeleted(font));
  EXPECT_EQ(LiveHandles(THandleKind::Font), fonts - 1);
  c.TextOut(0, 0, "x");
  EXPECT_EQ(LiveHandles(THandleKind::Font), fonts);
  c.Font().SetColor(clRed);  // not part of the platform font
  EXPECT_EQ(LiveHandles(THandleKind::Font), fonts);

  c.FillRect(TRect(0, 0, 2, 2));
  c.Rectangle(0, 0, 5, 5);
  HBRUSH brush = c.Brush().Handle();
  HPEN pen = c.Pen().Handle();
  c.Brush().SetColor(clBlue);
  c.Pen().SetColor(clBlue);
  EXPECT_TRUE(IsDeleted(brush));
  EXPECT_TRUE(IsDeleted(pen));

  HBITMAP dib = b.Handle();
  b.SetSize(12, 12);
  EXPECT_TRUE(IsDeleted(dib));
  HDC dc = nullptr;
  {
    TBitmap gone;
    gone.Assign(b);
    dib = gone.Handle();
    dc = gone.DC();
    gone.Canvas().TextOut(0, 0, "x");
    font = gone.Canvas().Font().Handle();
  }
  EXPECT_TRUE(IsDeleted(dib));
  EXPECT_TRUE(IsDeleted(dc));
  EXPECT_TRUE(IsDeleted(font));
}

TEST(GraphicsHandles, OwnersAndHandOvers) {
  int regions = LiveHandles(THandleKind::Region);
  TRegionHandle a = CreateRectRegion(TRect(0, 0, 5, 5));
  TRegionHandle b = CreateRectRegion(TRect(0, 0, 6, 6));
  HRGN first = a.Get();
  a = std::move(b);  // the moved-over region is deleted
  EXPECT_TRUE(IsDeleted(first));
  EXPECT_EQ(LiveHandles(THandleKind::Region), regions + 1);

  HWND wnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                             nullptr);
  ASSERT_NE(wnd, nullptr);
  EXPECT_TRUE(SetWindowRegion(wnd, std::move(a), false));
  EXPECT_EQ(LiveHandles(THandleKind::Region), regions);  // the window's now
  TRegionHandle probe = CreateRectRegion(TRect());
  EXPECT_EQ(GetWindowRgn(wnd, probe.Get()), SIMPLEREGION);
  probe.Reset();
  DestroyWindow(wnd);
  EXPECT_EQ(LiveHandles(THandleKind::Region), regions);

  HRGN loose = nullptr;
  {
    TRegionHandle owned = CreateRectRegion(TRect(0, 0, 1, 1));
    loose = owned.Release();
  }
  EXPECT_FALSE(IsDeleted(loose));
  EXPECT_EQ(LiveHandles(THandleKind::Region), regions);
  DeleteObject(loose);
}
