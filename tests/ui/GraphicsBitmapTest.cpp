#include <gtest/gtest.h>

#include "GraphicsTestUtil.h"
#include "ui/BmpCodec.h"

#include <windows.h>

TEST(GraphicsBitmap, RowsAreTopDownAndPadded) {
  TBitmap b(5, 3);
  EXPECT_EQ(b.RowBytes(), 16);
  b.Canvas().SetPixel(1, 0, clRed);
  b.Canvas().SetPixel(4, 2, clBlue);
  const std::uint8_t* top = b.ScanLine(0);
  EXPECT_EQ(top[3], 0);
  EXPECT_EQ(top[4], 0);
  EXPECT_EQ(top[5], 0xFF);
  EXPECT_EQ(b.ScanLine(2)[12], 0xFF);
  b.ScanLine(1)[0] = 0;  // written directly, read back through GDI
  EXPECT_EQ(b.Canvas().Pixel(0, 1), 0x00FFFFu);
  EXPECT_THROW(b.ScanLine(3), EListError);
  EXPECT_THROW(b.ScanLine(-1), EListError);

  b.SetPixelFormat(pf32bit);
  EXPECT_EQ(b.RowBytes(), 20);
  EXPECT_EQ(PixelAt(b, 1, 0), clRed);
  EXPECT_EQ(PixelAt(b, 4, 2), clBlue);
  EXPECT_EQ(b.Canvas().Pixel(0, 1), 0x00FFFFu);
}

TEST(GraphicsBitmap, ResizingKeepsTheOverlapAndEmptyIsSafe) {
  TBitmap b(4, 4);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.Canvas().Brush().SetColor(clRed);
  b.Canvas().FillRect(TRect(0, 0, 4, 4));
  b.SetSize(6, 2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(CountColour(b, clRed), 8);
  EXPECT_EQ(CountColour(b, clWhite), 4);
  b.Canvas().FillRect(TRect(0, 0, 6, 2));  // the canvas draws on the new pixels
  EXPECT_EQ(CountColour(b, clRed), 12);

  b.SetSize(0, 7);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Width(), 0);
  EXPECT_EQ(b.Handle(), nullptr);
  b.Canvas().FillRect(TRect(0, 0, 10, 10));
  b.Canvas().TextOut(0, 0, "x");
  EXPECT_TRUE(b.SaveToBytes().empty());
  TBitmap target(3, 3);
  target.Canvas().Draw(0, 0, b);
  target.Canvas().StretchDraw(TRect(0, 0, 3, 3), b);
  EXPECT_EQ(CountColour(target, clWhite), 9);

  b.SetSize(2, 2);
  EXPECT_EQ(CountColour(b, clWhite), 4);
}

TEST(GraphicsBitmap, AssignCopiesDeeply) {
  TBitmap a(3, 2, pf32bit);
  a.Canvas().SetPixel(2, 1, clGreen);
  a.SetTransparent(true);
  TBitmap b;
  b.Assign(a);
  EXPECT_EQ(b.PixelFormat(), pf32bit);
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(PixelAt(b, 2, 1), clGreen);
  b.Canvas().SetPixel(0, 0, clBlack);
  EXPECT_EQ(PixelAt(a, 0, 0), clWhite);
  EXPECT_NE(a.Handle(), b.Handle());
  TBitmap empty;
  b.Assign(empty);
  EXPECT_TRUE(b.Empty());
}

TEST(GraphicsBitmap, SavedFilesLoadBackAtTheirDepth) {
  TBitmap b(7, 3);
  b.Canvas().Brush().SetColor(RGBColor(10, 20, 30));
  b.Canvas().FillRect(TRect(1, 1, 6, 3));
  TBitmap back;
  back.LoadFromBytes(b.SaveToBytes());
  EXPECT_EQ(back.SourceBitCount(), 24);
  EXPECT_EQ(back.PixelFormat(), pf24bit);
  EXPECT_EQ(CountColour(back, RGBColor(10, 20, 30)), 10);
  EXPECT_EQ(PixelAt(back, 0, 0), clWhite);

  TBitmap alpha(2, 1, pf32bit);
  alpha.ScanLine(0)[3] = 0x40;
  back.LoadFromBytes(alpha.SaveToBytes());
  EXPECT_EQ(back.PixelFormat(), pf32bit);
  EXPECT_EQ(back.ScanLine(0)[3], 0x40);

  // A 1-bit mask stays a 1-bit mask while it holds only its two colours.
  TBmpImage mask;
  mask.Width = 4;
  mask.Height = 2;
  mask.Palette = {0x000000, 0xFFFFFF};
  mask.Pixels = {0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0, 0, 0};
  TBitmap m;
  m.LoadFromBytes(EncodeBmp(mask, 1));
  EXPECT_EQ(m.SourceBitCount(), 1);
  EXPECT_EQ(PixelAt(m, 1, 0), clWhite);
  EXPECT_EQ(PixelAt(m, 1, 1), clBlack);
  std::vector<std::uint8_t> saved = m.SaveToBytes();
  EXPECT_EQ(saved[28], 1);
  EXPECT_EQ(DecodeBmp(saved.data(), saved.size()).Pixels, mask.Pixels);
  m.Canvas().SetPixel(0, 0, clRed);
  EXPECT_EQ(m.SaveToBytes()[28], 24);
}

TEST(GraphicsBitmap, BadDataLeavesTheBitmapAsItWas) {
  TBitmap b(2, 2);
  b.Canvas().SetPixel(0, 0, clRed);
  std::vector<std::uint8_t> data = b.SaveToBytes();
  data.resize(data.size() - 1);
  EXPECT_THROW(b.LoadFromBytes(data), EInvalidGraphic);
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(PixelAt(b, 0, 0), clRed);
  b.LoadFromBytes(nullptr, 0);
  EXPECT_TRUE(b.Empty());
}

TEST(GraphicsBitmap, FilesWithChineseNames) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  std::wstring path = std::wstring(dir) + L"\u9884\u89c8\u56fe.bmp";
  TBitmap b(3, 3);
  b.Canvas().SetPixel(1, 1, clFuchsia);
  b.SaveToFile(path);
  TBitmap back;
  back.LoadFromFile(path);
  DeleteFileW(path.c_str());
  EXPECT_EQ(PixelAt(back, 1, 1), clFuchsia);
  EXPECT_THROW(back.LoadFromFile(path), EInOutError);
  EXPECT_THROW(b.SaveToFile(std::wstring(dir) + L"no-such-folder\\x.bmp"), EInOutError);
}
