#pragma once
// TBitmap: a device-independent bitmap (24 or 32 bits per pixel) whose pixel rows can
// be read and written directly, with a memory DC and a canvas to draw on it.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Canvas.h"
#include "GdiObject.h"

enum TPixelFormat { pf24bit, pf32bit };

class TBitmap : public TObject {
 public:
  TBitmap();
  TBitmap(int width, int height, TPixelFormat format = pf24bit);
  ~TBitmap() override;

  // A deep copy of the pixels and settings (not of OnChange).
  void Assign(const TBitmap& source);

  // Keeps the pixels of the overlapping area; new pixels are white. A width or height
  // of 0 or less makes the bitmap empty.
  void SetSize(int width, int height);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return FWidth == 0 || FHeight == 0; }
  TPixelFormat PixelFormat() const { return FFormat; }
  void SetPixelFormat(TPixelFormat value);

  // The DIB section; nullptr while empty.
  HBITMAP Handle() const { return FHandle.Get(); }
  // A memory DC with the bitmap selected, made when first asked for.
  HDC DC() const;
  TCanvas& Canvas();

  // Row y counted from the top: blue, green, red (and alpha) bytes per pixel.
  // Drawing still queued by GDI is finished first.
  std::uint8_t* ScanLine(int y);
  const std::uint8_t* ScanLine(int y) const;
  int RowBytes() const;
  int BytesPerPixel() const { return FFormat == pf32bit ? 4 : 3; }

  // A BMP file's bytes. An empty buffer gives an empty bitmap; malformed data raises
  // EInvalidGraphic and leaves the bitmap as it was.
  void LoadFromBytes(const std::uint8_t* data, std::size_t size);
  void LoadFromBytes(const std::vector<std::uint8_t>& data) {
    LoadFromBytes(data.data(), data.size());
  }
  void LoadFromFile(const std::wstring& path);
  // 24 or 32 bits as the pixel format says; a bitmap loaded from a 1-bit file that
  // still holds only its two palette colours is saved as 1 bit again. An empty
  // bitmap gives an empty buffer.
  std::vector<std::uint8_t> SaveToBytes() const;
  void SaveToFile(const std::wstring& path) const;
  // Bits per pixel of the file last loaded (0 when not loaded from a file).
  int SourceBitCount() const { return FSourceBitCount; }
  const std::vector<std::uint32_t>& SourcePalette() const { return FSourcePalette; }

  // A transparent bitmap is drawn without the pixels of its transparent colour, by
  // default the colour of its bottom-left pixel (set clDefault to go back to that).
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  TColor TransparentColor() const;
  void SetTransparentColor(TColor value);

  // Drops the canvas (its font, brush, pen and clipping go with it) and the
  // transparency settings, so the next user finds the bitmap as a new one.
  void ResetDrawingState();

  // Fired after the size, format, content (loading, Assign) or transparency changed;
  // not after drawing on the canvas.
  TNotifyEvent OnChange;

 private:
  // A DIB section and its pixel memory, not yet ours.
  struct TDib {
    TBitmapHandle Handle;
    std::uint8_t* Bits = nullptr;
  };
  // White; no DIB for an empty size.
  static TDib CreateDib(int width, int height, TPixelFormat format);
  // Takes `dib` in place of the current DIB, which leaves the DC and is deleted.
  void Adopt(TDib dib, int width, int height, TPixelFormat format);
  void Changed();
  void SelectIntoDC() const;

  int FWidth = 0;
  int FHeight = 0;
  TPixelFormat FFormat = pf24bit;
  std::uint8_t* FBits = nullptr;
  int FSourceBitCount = 0;
  std::vector<std::uint32_t> FSourcePalette;
  bool FTransparent = false;
  TColor FTransparentColor = clDefault;
  // Destroyed in reverse: the canvas lets go of the DC, the DC of the bitmap.
  TBitmapHandle FHandle;
  mutable std::unique_ptr<TMemoryDC> FDC;
  std::unique_ptr<TCanvas> FCanvas;
};
