#pragma once
// Forms, message pumping and off-screen pictures for the tests of the link labels,
// framed edit and memo.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "tests/support/TestForms.h"
#include "ui/CodePage.h"

// A 32-bit top-down picture with a memory dc, for painting controls off screen and
// for drawing what they should look like.
class TTestPicture {
 public:
  TTestPicture(int width, int height, COLORREF background) : FWidth(width), FHeight(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    FDC = CreateCompatibleDC(nullptr);
    FBitmap = CreateDIBSection(FDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    FBits = static_cast<std::uint32_t*>(bits);
    FOld = SelectObject(FDC, FBitmap);
    RECT r{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(FDC, &r, brush);
    DeleteObject(brush);
  }
  ~TTestPicture() {
    SelectObject(FDC, FOld);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
  }
  TTestPicture(const TTestPicture&) = delete;
  TTestPicture& operator=(const TTestPicture&) = delete;

  HDC DC() const { return FDC; }
  // 0x00BBGGRR like COLORREF.
  COLORREF Pixel(int x, int y) const {
    GdiFlush();
    std::uint32_t v = FBits[y * FWidth + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
  int CountPixels(COLORREF color) const {
    int n = 0;
    for (int y = 0; y < FHeight; ++y)
      for (int x = 0; x < FWidth; ++x) n += Pixel(x, y) == color;
    return n;
  }
  // The first point where the two pictures differ, or "same".
  std::string Difference(const TTestPicture& other) const {
    for (int y = 0; y < FHeight; ++y)
      for (int x = 0; x < FWidth; ++x)
        if (Pixel(x, y) != other.Pixel(x, y))
          return "differs at " + std::to_string(x) + "," + std::to_string(y);
    return "same";
  }

 private:
  int FWidth, FHeight;
  HDC FDC = nullptr;
  HBITMAP FBitmap = nullptr;
  HGDIOBJ FOld = nullptr;
  std::uint32_t* FBits = nullptr;
};

// A platform font like the one a TFont of these values makes.
inline HFONT MakeTestFont(const std::string& face, int height, bool underline) {
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfWeight = FW_NORMAL;
  lf.lfUnderline = underline;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::wstring w = AnsiToWide(face);
  wcsncpy(lf.lfFaceName, w.c_str(), LF_FACESIZE - 1);
  return CreateFontIndirectW(&lf);
}
