#include <windows.h>

#include "sfUtilsNinePart.h"

#include <algorithm>
#include <cstring>

#include "ui/Exception.h"

namespace {

BITMAPINFO TopDown24(int width, int height) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  bi.bmiHeader.biCompression = BI_RGB;
  return bi;
}

TPoint SizeOf(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || GetObjectW(bitmap, sizeof(info), &info) != sizeof(info)) return {};
  return {info.bmWidth, std::abs(info.bmHeight)};
}

}  // namespace

bool TsfFBitmap::Allocate(int width, int height) {
  if (width <= 0 || height <= 0) return false;
  FWidth = width;
  FHeight = height;
  FRowLength = 3 * FWidth + FWidth % 4;
  BITMAPINFO bi = TopDown24(FWidth, FHeight);
  void* bits = nullptr;
  FBitmap.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!FBitmap || !bits)
    throw EOSError(Format("A bitmap of %d x %d could not be made", FWidth, FHeight));
  FBits = static_cast<std::uint8_t*>(bits);
  FDC.SelectBitmap(FBitmap.Get());
  FRows.resize(static_cast<std::size_t>(FHeight));
  for (int y = 0; y < FHeight; ++y) FRows[static_cast<std::size_t>(y)] = FBits + y * FRowLength;
  return true;
}

// For a bitmap that is in no device context (GetDIBits wants it so).
TsfFBitmap::TsfFBitmap(HBITMAP source) {
  const TPoint size = SizeOf(source);
  if (!Allocate(size.x, size.y)) return;
  BITMAPINFO bi = TopDown24(FWidth, FHeight);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, source, 0, static_cast<UINT>(FHeight), FBits, &bi,
                             DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != FHeight) throw EOSError("The pixels of a bitmap could not be read");
}

// A framework bitmap stays selected in its own DC; it is copied from there.
TsfFBitmap::TsfFBitmap(const TBitmap& source) {
  if (!Allocate(source.Width(), source.Height())) return;
  if (!BitBlt(FDC.Get(), 0, 0, FWidth, FHeight, source.DC(), 0, 0, SRCCOPY))
    throw EOSError("The pixels of a bitmap could not be read");
  GdiFlush();
}

TsfFBitmap::~TsfFBitmap() { FDC.SelectBitmap(nullptr); }

namespace {

// Rows of a bitmap without a flush per row.
struct TPixels {
  std::uint8_t* Bits;
  int RowBytes;
  int Bpp;
  int Width;
  int Height;
};

TPixels PixelsOf(const TBitmap& b) {
  return {const_cast<std::uint8_t*>(b.ScanLine(0)), b.RowBytes(), b.BytesPerPixel(), b.Width(),
          b.Height()};
}

void CopyPiece(const TPixels& to, const TPixels& from, TRect src, TRect dst) {
  // Clip the target to its bitmap, then the source to its own, moving the other alike.
  const int l = std::max({0, -dst.Left, -src.Left});
  const int t = std::max({0, -dst.Top, -src.Top});
  const int r = std::max({0, dst.Right - to.Width, src.Right - from.Width});
  const int b = std::max({0, dst.Bottom - to.Height, src.Bottom - from.Height});
  const int w = dst.Width() - l - r, h = dst.Height() - t - b;
  if (w <= 0 || h <= 0) return;
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* s = from.Bits + static_cast<std::ptrdiff_t>(src.Top + t + y) * from.RowBytes +
                            (src.Left + l) * from.Bpp;
    std::uint8_t* d = to.Bits + static_cast<std::ptrdiff_t>(dst.Top + t + y) * to.RowBytes +
                      (dst.Left + l) * to.Bpp;
    if (from.Bpp == to.Bpp) {
      std::memcpy(d, s, static_cast<std::size_t>(w) * to.Bpp);
      continue;
    }
    for (int x = 0; x < w; ++x, s += from.Bpp, d += to.Bpp) {
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
      if (to.Bpp == 4) d[3] = 0;
    }
  }
}

void StretchPiece(TBitmap& target, const TBitmap& picture, const TRect& src, const TRect& dst) {
  HDC dc = target.DC();
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, dst.Left, dst.Top, dst.Width(), dst.Height(), picture.DC(), src.Left, src.Top,
             src.Width(), src.Height(), SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

bool SameSize(const TsfBlit& b) {
  return b.Src.Width() == b.Dst.Width() && b.Src.Height() == b.Dst.Height();
}

}  // namespace

void DrawBlits(TBitmap& target, const TBitmap& picture, const TsfBlits& blits) {
  if (target.Empty() || picture.Empty()) return;
  // Pixels are written directly between scaled blits, and GDI reads them back: every
  // ScanLine below flushes what GDI still has queued.
  bool direct = false;
  TPixels to{}, from{};
  for (const TsfBlit& b : blits) {
    if (!SameSize(b)) {
      StretchPiece(target, picture, b.Src, b.Dst);
      direct = false;
      continue;
    }
    if (!direct) {
      to = PixelsOf(target);
      from = PixelsOf(picture);
      direct = true;
    }
    CopyPiece(to, from, b.Src, b.Dst);
  }
}

namespace {

void DrawNinePart(TBitmap& target, const TBitmap& picture, const TRect& skinRect,
                  const TsfNinePartGeometry& g, const TsfNinePartGeometry& ng, int newWidth,
                  int newHeight, const TsfNinePartOptions& options, bool centre,
                  TsfNinePartKind kind) {
  target.SetSize(newWidth, newHeight);
  if (picture.Empty()) return;
  DrawBlits(target, picture,
            NinePartBlits(skinRect, g, ng, newWidth, newHeight, options, centre, kind));
}

}  // namespace

void CreateNinePartImage(TBitmap& target, const TBitmap& picture, const TRect& skinRect,
                         const TsfNinePartGeometry& g, const TsfNinePartGeometry& ng,
                         int newWidth, int newHeight, const TsfNinePartOptions& options,
                         bool centre) {
  DrawNinePart(target, picture, skinRect, g, ng, newWidth, newHeight, options, centre, npAll);
}

void CreateNinePartImageStretchOnly(TBitmap& target, const TBitmap& picture,
                                    const TRect& skinRect, const TsfNinePartGeometry& g,
                                    const TsfNinePartGeometry& ng, int newWidth, int newHeight,
                                    const TsfNinePartOptions& options, bool centre) {
  DrawNinePart(target, picture, skinRect, g, ng, newWidth, newHeight, options, centre,
               npStretchOnly);
}

void CreateNinePartImageNoRight(TBitmap& target, const TBitmap& picture, const TRect& skinRect,
                                const TsfNinePartGeometry& g, const TsfNinePartGeometry& ng,
                                int newWidth, int newHeight, const TsfNinePartOptions& options,
                                bool centre) {
  DrawNinePart(target, picture, skinRect, g, ng, newWidth, newHeight, options, centre,
               npNoRight);
}

void CreateBorderImages(TsfBorderImages& images, const TBitmap& picture, const TRect& skinRect,
                        const TsfNinePartGeometry& g, const TsfNinePartGeometry& ng,
                        int newWidth, int newHeight, const TsfNinePartOptions& options) {
  const TsfBorderBands bands = BorderBands(ng.Cl, newWidth, newHeight);
  const TsfBlits blits =
      picture.Empty() ? TsfBlits()
                      : NinePartBlits(skinRect, g, ng, newWidth, newHeight, options, false);
  auto make = [&](TBitmap& image, const TsfBand& band) {
    image.SetSize(band.Width, band.Height);
    DrawBlits(image, picture, ClipBlits(blits, band.Offset, band.Width, band.Height));
  };
  make(images.Top, bands.Top);
  make(images.Bottom, bands.Bottom);
  make(images.Left, bands.Left);
  make(images.Right, bands.Right);
}

void RescaleKeepingBorder(TBitmap& target, const TBitmap& picture, const TRect& skinRect,
                          const TRect& inner, int newWidth, int newHeight, bool centre) {
  TsfNinePartGeometry g;
  g.LT = {inner.Left, inner.Top};
  g.RT = {inner.Right, inner.Top};
  g.LB = {inner.Left, inner.Bottom};
  g.RB = {inner.Right, inner.Bottom};
  g.Cl = inner;
  const TsfNinePartGeometry ng =
      ResizedGeometry(g, skinRect.Width(), skinRect.Height(), newWidth, newHeight);
  TsfNinePartOptions o;
  o.LeftStretch = o.TopStretch = o.RightStretch = o.BottomStretch = true;
  o.StretchEffect = true;
  o.StretchType = stFull;
  DrawNinePart(target, picture, skinRect, g, ng, newWidth, newHeight, o, centre, npAll);
}

void CreateHThreePartImage(TBitmap& target, const TBitmap& picture, const TRect& s, int a, int b,
                           int newWidth, bool stretch, TsfThreePartKind kind) {
  target.SetSize(newWidth, s.Height());
  if (picture.Empty()) return;
  DrawBlits(target, picture, HThreePartBlits(s, a, b, newWidth, stretch, kind));
}

void CreateVThreePartImage(TBitmap& target, const TBitmap& picture, const TRect& s, int a, int b,
                           int newHeight, bool stretch, TsfThreePartKind kind) {
  target.SetSize(s.Width(), newHeight);
  if (picture.Empty()) return;
  DrawBlits(target, picture, VThreePartBlits(s, a, b, newHeight, stretch, kind));
}
