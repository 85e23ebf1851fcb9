#include "sfEffects.h"

#include <windows.h>

#include <cstring>

#include "ui/Bitmap.h"
#include "ui/Exception.h"

namespace {

BITMAPINFO Header24(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top row
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

void TsfEffectBmp::CreateDib(int width, int height) {
  if (width <= 0 || height <= 0) return;
  BITMAPINFO info = Header24(width, height);
  void* bits = nullptr;
  FHandle.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!FHandle || !bits)
    throw EOSError(Format("A bitmap of %d x %d could not be made", width, height));
  SetBuffer(width, height, static_cast<std::uint8_t*>(bits));
}

TsfEffectBmp::TsfEffectBmp(HBITMAP bitmap) {
  if (!bitmap) return;
  BITMAP desc{};
  if (!GetObjectW(bitmap, sizeof desc, &desc)) throw EInvalidGraphic("Invalid bitmap handle");
  CreateDib(desc.bmWidth, desc.bmHeight);
  if (Width() == 0) return;
  BITMAPINFO info = Header24(Width(), Height());
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, Height(), ScanLine(0), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != Height()) throw EInvalidGraphic("The bitmap's pixels could not be read");
}

TsfEffectBmp::TsfEffectBmp(const TBitmap& bitmap) {
  CreateDib(bitmap.Width(), bitmap.Height());
  const int step = bitmap.BytesPerPixel();
  for (int y = 0; y < Height(); ++y) {
    const std::uint8_t* src = bitmap.ScanLine(y);
    std::uint8_t* dst = ScanLine(y);
    if (step == 3) {
      std::memcpy(dst, src, 3 * static_cast<size_t>(Width()));
      continue;
    }
    for (int x = 0; x < Width(); ++x, src += step, dst += 3) std::memcpy(dst, src, 3);
  }
}

void TsfEffectBmp::Draw(HDC dc, int x, int y) const {
  if (Width() == 0) return;
  BITMAPINFO info = Header24(Width(), Height());
  StretchDIBits(dc, x, y, Width(), Height(), 0, 0, Width(), Height(), ScanLine(0), &info,
                DIB_RGB_COLORS, SRCCOPY);
}

void TsfEffectBmp::AssignTo(TBitmap& bitmap) const {
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(Width(), Height());
  for (int y = 0; y < Height(); ++y)
    std::memcpy(bitmap.ScanLine(y), ScanLine(y), 3 * static_cast<size_t>(Width()));
}
