#pragma once
// Resizing skin images: the nine-part image (corners kept, bands and centre stretched
// or tiled), its border-only and three-part relatives, and the 24-bit pixel buffer the
// mask code reads. The geometry comes from sfUtilsPieces.h; this file draws it.
#include <cstdint>
#include <vector>

#include "sfUtilsPieces.h"
#include "ui/Bitmap.h"
#include "ui/GdiObject.h"
#include "ui/WinHandles.h"

// A 24-bit top-down DIB copied from a platform bitmap: 3 bytes a pixel (blue, green,
// red), rows of RowLength() bytes (3 x width + width mod 4, a multiple of 4), a table
// of row addresses and a memory DC that has the buffer selected.
class TsfFBitmap {
 public:
  // A bitmap selected into no device context.
  explicit TsfFBitmap(HBITMAP source);
  explicit TsfFBitmap(const TBitmap& source);
  TsfFBitmap(const TsfFBitmap&) = delete;
  TsfFBitmap& operator=(const TsfFBitmap&) = delete;
  ~TsfFBitmap();

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int RowLength() const { return FRowLength; }
  // Padding bytes at the end of each row.
  int Gap() const { return FWidth % 4; }
  int Size() const { return FRowLength * FHeight; }
  std::uint8_t* Bits() const { return FBits; }
  std::uint8_t* ScanLine(int y) const { return FRows[static_cast<std::size_t>(y)]; }
  HDC DC() const { return FDC.Get(); }

 private:
  // Makes the buffer, its DC and the row table; false for an empty size.
  bool Allocate(int width, int height);

  int FWidth = 0;
  int FHeight = 0;
  int FRowLength = 0;
  std::uint8_t* FBits = nullptr;
  std::vector<std::uint8_t*> FRows;
  TBitmapHandle FBitmap;  // before FDC: the DC lets go of it first
  TMemoryDC FDC;
};

// Carries out `blits` from `picture` into `target`: same-sized ones as row copies
// clipped to both bitmaps, the others with the platform's plain stretch.
void DrawBlits(TBitmap& target, const TBitmap& picture, const TsfBlits& blits);

// The nine-part image of `skinRect` of `picture` (geometry `g`) in `target`, which is
// first sized to newWidth x newHeight; the new geometry is `ng`. With `centre` the
// centre is drawn: scaled by options.StretchType when StretchEffect is set, else tiled.
// Nothing is drawn for an empty picture or when RB and LT share an x or a y.
void CreateNinePartImage(TBitmap& target, const TBitmap& picture, const TRect& skinRect,
                         const TsfNinePartGeometry& g, const TsfNinePartGeometry& ng,
                         int newWidth, int newHeight, const TsfNinePartOptions& options,
                         bool centre);
// As above, but the centre is drawn only when StretchEffect is set; otherwise the
// target keeps what it had there.
void CreateNinePartImageStretchOnly(TBitmap& target, const TBitmap& picture,
                                    const TRect& skinRect, const TsfNinePartGeometry& g,
                                    const TsfNinePartGeometry& ng, int newWidth, int newHeight,
                                    const TsfNinePartOptions& options, bool centre);
// Without the right column: the top and bottom bands and the centre reach the right
// edge.
void CreateNinePartImageNoRight(TBitmap& target, const TBitmap& picture, const TRect& skinRect,
                                const TsfNinePartGeometry& g, const TsfNinePartGeometry& ng,
                                int newWidth, int newHeight, const TsfNinePartOptions& options,
                                bool centre);

// The four bands of the nine-part image as four images: top (W' x Cl'.Top), bottom
// (W' x (H' - Cl'.Bottom)), left (Cl'.Left x Cl' height), right ((W' - Cl'.Right) x
// Cl' height).
struct TsfBorderImages {
  TBitmap Top, Bottom, Left, Right;
};
void CreateBorderImages(TsfBorderImages& images, const TBitmap& picture, const TRect& skinRect,
                        const TsfNinePartGeometry& g, const TsfNinePartGeometry& ng,
                        int newWidth, int newHeight, const TsfNinePartOptions& options);

// `skinRect` of `picture` grown to newWidth x newHeight with the border around `inner`
// (relative to skinRect) kept: corners copied, all four bands stretched, and with
// `centre` the inner rectangle stretched as a whole.
void RescaleKeepingBorder(TBitmap& target, const TBitmap& picture, const TRect& skinRect,
                          const TRect& inner, int newWidth, int newHeight, bool centre);

// Three-part images of the rectangle `s` of `picture` (see HThreePartBlits): `target`
// is sized to newWidth x s's height (or s's width x newHeight) even when the picture
// is empty.
void CreateHThreePartImage(TBitmap& target, const TBitmap& picture, const TRect& s, int a, int b,
                           int newWidth, bool stretch, TsfThreePartKind kind = tpFull);
void CreateVThreePartImage(TBitmap& target, const TBitmap& picture, const TRect& s, int a, int b,
                           int newHeight, bool stretch, TsfThreePartKind kind = tpFull);
