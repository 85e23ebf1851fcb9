#pragma once
// Reading and writing BMP files, without the platform: the same code runs natively
// under the sanitizers and the fuzzer.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct TBmpImage {
  int Width = 0;
  int Height = 0;
  // Bits per pixel of the file: 1, 4, 8, 16, 24 or 32.
  int SourceBitCount = 0;
  // 0x00RRGGBB, for files of 8 bits or fewer.
  std::vector<std::uint32_t> Palette;
  // Width x Height, rows from the top, 0xAARRGGBB (in memory: blue, green, red, alpha).
  // Alpha is what a 32-bit file holds and 0 for the others.
  std::vector<std::uint32_t> Pixels;

  std::uint32_t At(int x, int y) const {
    return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
                  static_cast<std::size_t>(x)];
  }
};

// Decodes a whole BMP file: file header, then an OS/2 core, info, V4 or V5 header;
// 1, 4 and 8 bits with a palette, 16, 24 and 32 bits, uncompressed or with bit-field
// masks, rows stored bottom-up or top-down. Anything malformed or truncated raises
// EInvalidGraphic ("Bitmap image is not valid: ..."); nothing outside `data` is read,
// and nothing is allocated beyond what the data can fill.
TBmpImage DecodeBmp(const std::uint8_t* data, std::size_t size);

struct TBmpHeader;

// The same decoding a row at a time, for a caller that keeps the pixels elsewhere
// (a bitmap's own memory) rather than in a second copy of the whole picture. The
// headers are checked when it is made; `data` must outlive it.
class TBmpRows {
 public:
  TBmpRows(const std::uint8_t* data, std::size_t size);
  TBmpRows(const TBmpRows&) = delete;
  TBmpRows& operator=(const TBmpRows&) = delete;
  ~TBmpRows();

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int SourceBitCount() const;
  const std::vector<std::uint32_t>& Palette() const { return FPalette; }
  // Row `y` counted from the top, Width() pixels as in TBmpImage::Pixels.
  void Read(int y, std::uint32_t* out) const;

 private:
  std::unique_ptr<TBmpHeader> FHeader;
  std::vector<std::uint32_t> FPalette;
  const std::uint8_t* FPixelData = nullptr;
  std::size_t FRowBytes = 0;
  int FWidth = 0, FHeight = 0;
};

// Encodes as a bottom-up BMP of 24 or 32 bits (alpha kept in the fourth byte), or of
// 1 bit with a two-colour palette: Palette[0] and Palette[1] when the image has two
// entries, else black and white; a pixel of the first colour gets index 0, any other
// pixel index 1.
std::vector<std::uint8_t> EncodeBmp(const TBmpImage& image, int bitCount);
