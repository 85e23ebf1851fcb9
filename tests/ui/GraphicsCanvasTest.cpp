#include <gtest/gtest.h>

#include "GraphicsTestUtil.h"
#include "ui/Bitmap.h"
#include "ui/GdiObject.h"

#include <windows.h>

namespace {

// A white bitmap of w x h.
struct TSurface {
  TBitmap Bitmap;
  TCanvas& Canvas;
  TSurface(int w, int h) : Bitmap(w, h), Canvas(Bitmap.Canvas()) {}
  TColor At(int x, int y) const { return PixelAt(Bitmap, x, y); }
};

}  // namespace

TEST(GraphicsCanvas, ShapesCoverExactlyTheirPixels) {
  TSurface s(30, 30);
  s.Canvas.Brush().SetColor(clRed);
  s.Canvas.FillRect(TRect(2, 2, 8, 8));
  EXPECT_EQ(CountColour(s.Bitmap, clRed), 36);
  EXPECT_EQ(s.At(7, 7), clRed);
  EXPECT_EQ(s.At(8, 8), clWhite);

  s.Canvas.Brush().SetColor(clBlue);  // the cached brush must be replaced
  s.Canvas.FrameRect(TRect(10, 10, 15, 15));
  EXPECT_EQ(CountColour(s.Bitmap, clBlue), 16);
  EXPECT_EQ(s.At(14, 14), clBlue);
  EXPECT_EQ(s.At(12, 12), clWhite);

  s.Canvas.Brush().SetColor(clLime);
  s.Canvas.Pen().SetColor(clNavy);
  s.Canvas.Rectangle(20, 20, 25, 26);
  EXPECT_EQ(CountColour(s.Bitmap, clNavy), 18);
  EXPECT_EQ(CountColour(s.Bitmap, clLime), 3 * 4);

  s.Canvas.Pen().SetColor(clBlack);
  s.Canvas.MoveTo(0, 29);
  s.Canvas.LineTo(5, 29);
  EXPECT_EQ(CountColour(s.Bitmap, clBlack), 5);  // the end point is left out
  EXPECT_EQ(s.Canvas.PenPos(), TPoint(5, 29));
  s.Canvas.Polyline({{0, 0}, {0, 1}, {0, 2}, {0, 3}});
  EXPECT_EQ(CountColour(s.Bitmap, clBlack), 8);

  s.Canvas.Brush().SetStyle(bsClear);
  s.Canvas.FillRect(TRect(0, 0, 30, 30));
  EXPECT_EQ(CountColour(s.Bitmap, clWhite), 30 * 30 - 36 - 16 - 30 - 8);
}

TEST(GraphicsCanvas, PenStylesAndModes) {
  TSurface s(40, 4);
  s.Canvas.Pen().SetStyle(psDot);
  s.Canvas.MoveTo(0, 0);
  s.Canvas.LineTo(40, 0);
  int dotted = CountColour(s.Bitmap, clBlack);
  EXPECT_GT(dotted, 5);
  EXPECT_LT(dotted, 35);

  s.Canvas.Pen().SetStyle(psSolid);
  s.Canvas.Pen().SetMode(pmNot);  // inverts white to black and black back to white
  s.Canvas.MoveTo(0, 2);
  s.Canvas.LineTo(10, 2);
  s.Canvas.MoveTo(0, 2);
  s.Canvas.LineTo(5, 2);
  EXPECT_EQ(CountColour(s.Bitmap, clBlack) - dotted, 5);

  s.Canvas.Pen().SetStyle(psClear);
  s.Canvas.Pen().SetMode(pmCopy);
  s.Canvas.MoveTo(0, 3);
  s.Canvas.LineTo(40, 3);
  EXPECT_EQ(CountOther(s.Bitmap, clWhite, TRect(0, 3, 40, 4)), 0);
}

TEST(GraphicsCanvas, TextDrawsInFontColourOverBrushOrTransparent) {
  TSurface s(120, 40);
  s.Canvas.Font().SetColor(clRed);
  s.Canvas.Brush().SetColor(clYellow);
  TPoint size = s.Canvas.TextExtent("Hello");
  ASSERT_GT(size.x, 10);
  ASSERT_GT(size.y, 5);
  EXPECT_EQ(s.Canvas.TextWidth("HelloHello"), 2 * size.x);

  // Glyph edges may be smoothed: "text" is what is neither background nor white.
  s.Canvas.TextOut(0, 0, "Hello");
  TRect first(0, 0, size.x, size.y);
  EXPECT_GT(CountColour(s.Bitmap, clYellow, first), size.x * size.y / 2);  // opaque background
  EXPECT_GT(CountOther(s.Bitmap, clYellow, first), 10);
  EXPECT_EQ(CountColour(s.Bitmap, clWhite, first), 0);
  EXPECT_EQ(CountOther(s.Bitmap, clWhite, TRect(size.x, 0, 120, 40)), 0);

  s.Canvas.Brush().SetStyle(bsClear);
  s.Canvas.TextOut(0, 20, "Hello");
  TRect second(0, 20, 120, 40);
  EXPECT_GT(CountOther(s.Bitmap, clWhite, second), 5);
  EXPECT_EQ(CountColour(s.Bitmap, clYellow, second), 0);

  TSurface t(60, 20);
  t.Canvas.Brush().SetColor(clYellow);
  t.Canvas.TextRect(TRect(5, 0, 15, 20), 0, 0, "WWWWWW");  // clipped to the rectangle
  EXPECT_EQ(CountOther(t.Bitmap, clWhite, TRect(0, 0, 5, 20)), 0);
  EXPECT_EQ(CountOther(t.Bitmap, clWhite, TRect(15, 0, 60, 20)), 0);
  EXPECT_GT(CountColour(t.Bitmap, clYellow), 0);
}

TEST(GraphicsCanvas, DrawTextMeasuresAndAligns) {
  TSurface s(200, 60);
  TRect measured(0, 0, 200, 60);
  int h = s.Canvas.DrawText("Preview", measured, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(h, measured.Height());
  EXPECT_EQ(measured.Width(), s.Canvas.TextWidth("Preview"));
  EXPECT_EQ(CountOther(s.Bitmap, clWhite), 0);  // measuring draws nothing

  TRect box(0, 0, 200, 60);
  s.Canvas.Brush().SetStyle(bsClear);
  s.Canvas.DrawText("Preview", box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  int left = (200 - measured.Width()) / 2;
  EXPECT_EQ(CountOther(s.Bitmap, clWhite, TRect(0, 0, left - 1, 60)), 0);
  EXPECT_EQ(CountOther(s.Bitmap, clWhite, TRect(left + measured.Width() + 1, 0, 200, 60)), 0);
  EXPECT_GT(CountOther(s.Bitmap, clWhite), 10);

  TRect wrapped(0, 0, 40, 0);
  s.Canvas.DrawText("one two three four", wrapped, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_GE(wrapped.Height(), 3 * h);
}

// The Chinese texts must show real glyphs, not empty boxes: two different characters
// give different pictures, and each draws something.
TEST(GraphicsCanvas, ChineseTextShowsGlyphsInTheSystemFonts) {
  for (const char* face : {"宋体", "MS Sans Serif"}) {
    SCOPED_TRACE(face);
    TSurface whole(120, 30), first(30, 30), second(30, 30);
    for (TSurface* s : {&whole, &first, &second}) {
      s->Canvas.Font().SetName(face);
      s->Canvas.Font().SetHeight(-16);
      s->Canvas.Font().SetColor(clBlack);
    }
    whole.Canvas.TextOut(2, 2, "预览特效");
    first.Canvas.TextOut(2, 2, "预");
    second.Canvas.TextOut(2, 2, "览");
    EXPECT_GT(whole.Canvas.TextWidth("预览特效"), 40);
    EXPECT_GT(CountOther(whole.Bitmap, clWhite), 40);
    int differing = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 30; ++x) differing += first.At(x, y) != second.At(x, y);
    EXPECT_GT(differing, 20);
  }
}

TEST(GraphicsCanvas, DrawStretchAndCopyBitmaps) {
  TBitmap quad(2, 2);
  quad.Canvas().SetPixel(0, 0, clRed);
  quad.Canvas().SetPixel(1, 0, clLime);
  quad.Canvas().SetPixel(0, 1, clBlue);
  quad.Canvas().SetPixel(1, 1, clBlack);

  TSurface s(20, 20);
  s.Canvas.Draw(3, 4, quad);
  EXPECT_EQ(s.At(3, 4), clRed);
  EXPECT_EQ(s.At(4, 5), clBlack);
  EXPECT_EQ(CountOther(s.Bitmap, clWhite), 4);

  s.Canvas.StretchDraw(TRect(10, 10, 20, 20), quad);
  EXPECT_EQ(CountColour(s.Bitmap, clRed), 1 + 25);
  EXPECT_EQ(s.At(14, 14), clRed);
  EXPECT_EQ(s.At(15, 14), clLime);
  EXPECT_EQ(s.At(19, 19), clBlack);

  TSurface copy(10, 10);
  copy.Canvas.CopyRect(TRect(0, 0, 5, 5), s.Canvas, TRect(15, 15, 20, 20));
  EXPECT_EQ(CountColour(copy.Bitmap, clBlack), 25);

  // Transparent: the bottom-left pixel's colour (blue) is left out.
  quad.SetTransparent(true);
  EXPECT_EQ(quad.TransparentColor(), clBlue);
  TSurface t(4, 4);
  t.Canvas.Draw(0, 0, quad);
  EXPECT_EQ(t.At(0, 1), clWhite);
  EXPECT_EQ(t.At(1, 1), clBlack);
  EXPECT_EQ(t.At(0, 0), clRed);
}

// Under a clip of several rectangles and a moved origin, as a buffered paint leaves
// a control's canvas, a drawn bitmap lands on exactly the pixels that show.
TEST(GraphicsCanvas, DrawUnderARaggedClipCoversOnlyTheClip) {
  TBitmap target(40, 40, pf32bit);
  HDC dc = target.Canvas().Handle();
  SetViewportOrgEx(dc, -3, -2, nullptr);
  HRGN left = CreateRectRgn(5, 5, 10, 30), right = CreateRectRgn(20, 5, 25, 30);
  CombineRgn(left, left, right, RGN_OR);
  SelectClipRgn(dc, left);
  DeleteObject(left);
  DeleteObject(right);
  TBitmap red(20, 20);
  red.Canvas().Brush().SetColor(clRed);
  red.Canvas().FillRect(TRect(0, 0, 20, 20));
  // Logical (4, 4) is device (1, 2): the bitmap covers device columns 1..20, rows 2..21.
  target.Canvas().Draw(4, 4, red);
  GdiFlush();
  EXPECT_EQ(CountColour(target, clRed), 5 * 17 + 1 * 17);
  EXPECT_EQ(PixelAt(target, 5, 5), clRed);
  EXPECT_EQ(PixelAt(target, 9, 21), clRed);
  EXPECT_EQ(PixelAt(target, 20, 21), clRed);
  EXPECT_EQ(PixelAt(target, 4, 5), clWhite);
  EXPECT_EQ(PixelAt(target, 10, 5), clWhite);
  EXPECT_EQ(PixelAt(target, 21, 5), clWhite);
  EXPECT_EQ(PixelAt(target, 5, 22), clWhite);
}

TEST(GraphicsCanvas, ClippingAndSavedStates) {
  TSurface s(20, 20);
  s.Canvas.Brush().SetColor(clRed);
  int saved = s.Canvas.SaveState();
  s.Canvas.IntersectClip(TRect(5, 5, 15, 15));
  s.Canvas.ExcludeClip(TRect(5, 5, 10, 15));
  EXPECT_EQ(s.Canvas.ClipRect(), TRect(10, 5, 15, 15));
  s.Canvas.FillRect(TRect(0, 0, 20, 20));
  EXPECT_EQ(CountColour(s.Bitmap, clRed), 50);

  TPoint old = s.Canvas.SetOrigin(TPoint(4, 3));
  EXPECT_EQ(old, TPoint(0, 0));
  // A font and brush changed inside the saved state: the restore must not bring
  // back the deleted handles.
  s.Canvas.TextOut(0, 0, "x");
  HGDIOBJ fontInState = GetCurrentObject(s.Canvas.Handle(), OBJ_FONT);
  s.Canvas.Font().SetHeight(-20);
  s.Canvas.Brush().SetColor(clBlue);
  s.Canvas.TextOut(0, 0, "x");
  int tall = s.Canvas.TextHeight("x");
  s.Canvas.RestoreState(saved);
  EXPECT_NE(GetObjectType(GetCurrentObject(s.Canvas.Handle(), OBJ_FONT)), 0u);
  EXPECT_NE(GetCurrentObject(s.Canvas.Handle(), OBJ_FONT), fontInState);
  EXPECT_EQ(s.Canvas.TextHeight("x"), tall);  // our current font, selected again
  EXPECT_EQ(s.Canvas.Origin(), TPoint(0, 0));
  EXPECT_EQ(s.Canvas.ClipRect(), TRect(0, 0, 20, 20));

  s.Canvas.FillRect(TRect(0, 0, 20, 20));  // blue everywhere again: clip gone
  EXPECT_EQ(CountColour(s.Bitmap, clBlue), 400);
}

// A windowless child paints through a moved origin and a clip in its own coordinates.
TEST(GraphicsCanvas, OriginMovesDrawingAndClipping) {
  TSurface s(20, 20);
  s.Canvas.SaveState();
  s.Canvas.SetOrigin(TPoint(6, 8));
  s.Canvas.IntersectClip(TRect(0, 0, 4, 3));
  EXPECT_EQ(s.Canvas.ClipRect(), TRect(0, 0, 4, 3));
  s.Canvas.Brush().SetColor(clGreen);
  s.Canvas.FillRect(TRect(-10, -10, 30, 30));
  EXPECT_EQ(CountColour(s.Bitmap, clGreen), 12);
  EXPECT_EQ(s.At(6, 8), clGreen);
  EXPECT_EQ(s.At(9, 10), clGreen);
  EXPECT_EQ(s.At(10, 10), clWhite);
}

TEST(GraphicsCanvas, BufferedPaintCopiesItsAreaOnce) {
  TSurface target(20, 20);
  {
    TBufferedPaint buffer(target.Canvas.Handle(), TRect(4, 4, 12, 10));
    TCanvas c(buffer.DC());
    c.Brush().SetColor(clMaroon);
    c.FillRect(TRect(0, 0, 20, 20));  // target coordinates; only the area counts
    c.Brush().SetColor(clTeal);
    c.FillRect(TRect(4, 4, 6, 6));
    EXPECT_EQ(CountOther(target.Bitmap, clWhite), 0);  // nothing before the end
  }
  EXPECT_EQ(CountColour(target.Bitmap, clMaroon), 8 * 6 - 4);
  EXPECT_EQ(target.At(4, 4), clTeal);
  EXPECT_EQ(target.At(11, 9), clMaroon);
  EXPECT_EQ(target.At(12, 10), clWhite);
  {
    TBufferedPaint cancelled(target.Canvas.Handle(), TRect(0, 0, 20, 20));
    cancelled.Cancel();
  }
  EXPECT_EQ(target.At(0, 0), clWhite);
}

// A window whose children leave less than a quarter of it in sight is drawn on
// directly; one showing more gets the off-screen buffer.
TEST(GraphicsCanvas, BufferedPaintDrawsDirectlyOnAMostlyCoveredWindow) {
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_CLIPCHILDREN, 50, 50, 200,
                                100, nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 5, 5, 190, 90, window, nullptr,
                               nullptr, nullptr);
  ShowWindow(window, SW_SHOWNA);
  HDC dc = GetDC(window);
  {
    TBufferedPaint covered(dc, TRect(0, 0, 200, 100));  // 2,900 of 20,000 pixels in sight
    EXPECT_TRUE(covered.Direct());
    EXPECT_EQ(covered.DC(), dc);
  }
  ReleaseDC(window, dc);
  MoveWindow(child, 10, 10, 180, 80, FALSE);  // 5,600 in sight
  dc = GetDC(window);
  {
    TBufferedPaint buffered(dc, TRect(0, 0, 200, 100));
    EXPECT_FALSE(buffered.Direct());
    EXPECT_NE(buffered.DC(), dc);
    buffered.Cancel();
  }
  ReleaseDC(window, dc);
  DestroyWindow(window);
}

TEST(GraphicsCanvas, DrawingWithoutADeviceContextRaises) {
  TCanvas c;
  EXPECT_THROW(c.FillRect(TRect(0, 0, 1, 1)), ECanvasError);
  EXPECT_THROW(c.TextOut(0, 0, "x"), ECanvasError);
}

TEST(GraphicsColor, SystemAndSpecialColours) {
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clWindowText), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(ColorToRGB(RGBColor(1, 2, 3)), 0x030201u);
  EXPECT_EQ(ColorToRGB(clDefault), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(ColorToRGB(clNone) & 0xFF000000u, 0u);
}
