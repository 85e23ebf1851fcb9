#include "BmpCodec.h"

#include <string>

#include "Exception.h"

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint32_t CoreHeaderSize = 12, InfoHeaderSize = 40;
constexpr std::uint32_t BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitFields = 3, BiJpeg = 4, BiPng = 5,
                        BiAlphaBitFields = 6;
// Far beyond any picture a skin or a tool needs; keeps width x height x 4 in range.
constexpr std::int64_t MaxDimension = 32768;
constexpr std::int64_t MaxPixels = std::int64_t{1} << 26;

[[noreturn]] void Invalid(const std::string& what) {
  throw EInvalidGraphic("Bitmap image is not valid: " + what);
}

std::string Num(std::uint64_t v) { return std::to_string(v); }

class TReader {
 public:
  TReader(const std::uint8_t* data, std::size_t size) : FData(data), FSize(size) {}
  std::size_t Size() const { return FSize; }
  bool Has(std::uint64_t offset, std::uint64_t count) const {
    return offset <= FSize && count <= FSize - offset;
  }
  std::uint16_t U16(std::size_t offset) const {
    Need(offset, 2);
    return static_cast<std::uint16_t>(FData[offset] | FData[offset + 1] << 8);
  }
  std::uint32_t U32(std::size_t offset) const {
    Need(offset, 4);
    return static_cast<std::uint32_t>(FData[offset]) |
           static_cast<std::uint32_t>(FData[offset + 1]) << 8 |
           static_cast<std::uint32_t>(FData[offset + 2]) << 16 |
           static_cast<std::uint32_t>(FData[offset + 3]) << 24;
  }
  const std::uint8_t* At(std::size_t offset) const { return FData + offset; }

 private:
  void Need(std::uint64_t offset, std::uint64_t count) const {
    if (!Has(offset, count)) Invalid("header is truncated");
  }
  const std::uint8_t* FData;
  std::size_t FSize;
};

// One colour channel of a bit-field pixel: its mask's position and width.
struct TChannel {
  std::uint32_t Mask = 0;
  int Shift = 0;
  int Bits = 0;

  static TChannel Of(std::uint32_t mask, const char* name) {
    TChannel c;
    c.Mask = mask;
    if (!mask) return c;
    while (!(mask & 1)) {
      mask >>= 1;
      ++c.Shift;
    }
    while (mask & 1) {
      mask >>= 1;
      ++c.Bits;
    }
    if (mask) Invalid(std::string("the ") + name + " mask is not contiguous");
    return c;
  }
  // Scaled to 0..255.
  std::uint32_t Extract(std::uint32_t value) const {
    if (!Mask) return 0;
    std::uint32_t v = (value & Mask) >> Shift;
    if (Bits >= 8) return v >> (Bits - 8);
    std::uint32_t max = (1u << Bits) - 1;
    return (v * 255 + max / 2) / max;
  }
};

}  // namespace

// The checked fields of a file's headers.
struct TBmpHeader {
  std::uint32_t HeaderSize = 0;
  std::int64_t Width = 0, Height = 0;
  int BitCount = 0;
  std::uint32_t Compression = BiRgb;
  std::uint32_t SizeImage = 0;
  std::uint32_t ColorsUsed = 0;
  bool TopDown = false;
  std::size_t PaletteOffset = 0;
  std::size_t PaletteEntrySize = 4;
  TChannel Red, Green, Blue, Alpha;
};

namespace {

void ReadInfoHeader(const TReader& in, TBmpHeader& h) {
  const std::size_t base = FileHeaderSize;
  if (h.HeaderSize == CoreHeaderSize) {
    h.Width = in.U16(base + 4);
    h.Height = in.U16(base + 6);  // unsigned: core bitmaps are always bottom-up
    h.BitCount = in.U16(base + 10);
    h.PaletteEntrySize = 3;
  } else {
    h.Width = static_cast<std::int32_t>(in.U32(base + 4));
    h.Height = static_cast<std::int32_t>(in.U32(base + 8));
    h.BitCount = in.U16(base + 14);
    h.Compression = in.U32(base + 16);
    h.SizeImage = in.U32(base + 20);
    h.ColorsUsed = in.U32(base + 32);
  }
  h.PaletteOffset = base + h.HeaderSize;
}

bool KnownBitCount(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

void CheckFormat(const TBmpHeader& h) {
  if (h.Width <= 0) Invalid("width " + std::to_string(h.Width));
  if (h.Height == 0) Invalid("height 0");
  const std::int64_t rows = h.Height < 0 ? -h.Height : h.Height;
  if (h.Width > MaxDimension || rows > MaxDimension || h.Width * rows > MaxPixels)
    Invalid("size " + std::to_string(h.Width) + " x " + std::to_string(h.Height) + " is too large");
  if (!KnownBitCount(h.BitCount)) Invalid(Num(h.BitCount) + " bits per pixel");
  switch (h.Compression) {
    case BiRgb:
      return;
    case BiBitFields:
    case BiAlphaBitFields:
      if (h.BitCount != 16 && h.BitCount != 32)
        Invalid("bit-field masks with " + Num(h.BitCount) + " bits per pixel");
      return;
    case BiRle8:
    case BiRle4:
      Invalid("run-length compressed bitmaps are not supported");
    case BiJpeg:
    case BiPng:
      Invalid("embedded JPEG or PNG pictures are not supported");
    default:
      Invalid("unknown compression " + Num(h.Compression));
  }
}

// The colour masks: from the V4/V5 header, from the three or four words after an info
// header, or the standard layout of an uncompressed file.
void ReadMasks(const TReader& in, TBmpHeader& h) {
  if (h.BitCount != 16 && h.BitCount != 32) return;
  std::uint32_t r, g, b, a = 0;
  if (h.Compression == BiRgb) {
    if (h.BitCount == 16) {
      r = 0x7C00;
      g = 0x03E0;
      b = 0x001F;
    } else {
      r = 0x00FF0000;
      g = 0x0000FF00;
      b = 0x000000FF;
      a = 0xFF000000;
    }
  } else {
    std::size_t at = FileHeaderSize + InfoHeaderSize;
    bool withAlpha = h.Compression == BiAlphaBitFields || h.HeaderSize >= 56;
    if (h.HeaderSize == InfoHeaderSize) {
      std::size_t count = h.Compression == BiAlphaBitFields ? 4 : 3;
      if (!in.Has(at, count * 4)) Invalid("the colour masks are truncated");
      h.PaletteOffset += count * 4;
    }
    r = in.U32(at);
    g = in.U32(at + 4);
    b = in.U32(at + 8);
    if (withAlpha) a = in.U32(at + 12);
    if (!r || !g || !b) Invalid("a colour mask is zero");
  }
  h.Red = TChannel::Of(r, "red");
  h.Green = TChannel::Of(g, "green");
  h.Blue = TChannel::Of(b, "blue");
  h.Alpha = TChannel::Of(a, "alpha");
}

std::vector<std::uint32_t> ReadPalette(const TReader& in, const TBmpHeader& h) {
  if (h.BitCount > 8) return {};
  std::uint32_t max = 1u << h.BitCount;
  std::uint32_t count = h.ColorsUsed ? h.ColorsUsed : max;
  if (count > max)
    Invalid("a palette of " + Num(count) + " colours for " + Num(h.BitCount) + " bits per pixel");
  if (!in.Has(h.PaletteOffset, static_cast<std::uint64_t>(count) * h.PaletteEntrySize))
    Invalid("the palette is truncated");
  std::vector<std::uint32_t> palette(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint8_t* p = in.At(h.PaletteOffset + i * h.PaletteEntrySize);
    palette[i] =
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[0];
  }
  return palette;
}

void DecodeRow(const std::uint8_t* row, const TBmpHeader& h, const std::vector<std::uint32_t>& palette,
               std::uint32_t* out) {
  const int w = static_cast<int>(h.Width);
  if (h.BitCount <= 8) {
    const int bits = h.BitCount, perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    for (int x = 0; x < w; ++x) {
      int shift = 8 - bits * (x % perByte + 1);
      unsigned index = (row[x / perByte] >> shift) & mask;
      out[x] = index < palette.size() ? palette[index] : 0;  // out of the palette: black
    }
  } else if (h.BitCount == 24) {
    for (int x = 0; x < w; ++x, row += 3)
      out[x] = static_cast<std::uint32_t>(row[2]) << 16 | static_cast<std::uint32_t>(row[1]) << 8 |
               row[0];
  } else {
    const int bytes = h.BitCount / 8;
    for (int x = 0; x < w; ++x, row += bytes) {
      std::uint32_t v = row[0] | static_cast<std::uint32_t>(row[1]) << 8;
      if (bytes == 4)
        v |= static_cast<std::uint32_t>(row[2]) << 16 | static_cast<std::uint32_t>(row[3]) << 24;
      out[x] = h.Alpha.Extract(v) << 24 | h.Red.Extract(v) << 16 | h.Green.Extract(v) << 8 |
               h.Blue.Extract(v);
    }
  }
}

std::uint64_t RowBytes(std::int64_t width, int bitCount) {
  return (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitCount) + 31) / 32 * 4;
}

// Where the pixel rows start, checked against the headers, the palette and the size.
std::size_t PixelDataOffset(const TReader& in, const TBmpHeader& h, std::size_t paletteEnd,
                            std::uint64_t dataSize) {
  std::uint32_t fileSize = in.U32(2);
  std::uint32_t offset = in.U32(10);
  if (fileSize > in.Size())
    Invalid("the file is truncated (" + Num(in.Size()) + " of " + Num(fileSize) + " bytes)");
  if (offset == 0) offset = static_cast<std::uint32_t>(paletteEnd);
  if (offset < paletteEnd)
    Invalid("the pixel data offset " + Num(offset) + " lies inside the headers");
  if (offset >= in.Size())
    Invalid("the pixel data offset " + Num(offset) + " is past the end of the file (" +
            Num(in.Size()) + " bytes)");
  std::uint64_t available = in.Size() - offset;
  if (h.SizeImage > available)
    Invalid("the image size " + Num(h.SizeImage) + " exceeds the " + Num(available) +
            " bytes of pixel data");
  if (dataSize > available)
    Invalid("the pixel data is truncated (" + Num(available) + " of " + Num(dataSize) + " bytes)");
  return offset;
}

}  // namespace

TBmpRows::TBmpRows(const std::uint8_t* data, std::size_t size) {
  if (!data || size == 0) Invalid("no data");
  TReader in(data, size);
  if (size < FileHeaderSize + 4) Invalid("the header is truncated (" + Num(size) + " bytes)");
  if (data[0] != 'B' || data[1] != 'M') Invalid("no BMP signature");
  TBmpHeader h;
  h.HeaderSize = in.U32(FileHeaderSize);
  switch (h.HeaderSize) {
    case CoreHeaderSize:
    case InfoHeaderSize:
    case 52:
    case 56:
    case 108:
    case 124:
      break;
    default:
      Invalid("unknown header size " + Num(h.HeaderSize));
  }
  if (!in.Has(FileHeaderSize, h.HeaderSize))
    Invalid("the header is truncated (" + Num(size) + " bytes)");
  ReadInfoHeader(in, h);
  CheckFormat(h);
  ReadMasks(in, h);
  h.TopDown = h.Height < 0;
  const std::int64_t height = h.TopDown ? -h.Height : h.Height;
  FPalette = ReadPalette(in, h);
  const std::size_t paletteEnd = h.PaletteOffset + FPalette.size() * h.PaletteEntrySize;
  FRowBytes = static_cast<std::size_t>(RowBytes(h.Width, h.BitCount));
  const std::size_t offset =
      PixelDataOffset(in, h, paletteEnd, FRowBytes * static_cast<std::uint64_t>(height));
  FHeader = std::make_unique<TBmpHeader>(h);
  FPixelData = data + offset;
  FWidth = static_cast<int>(h.Width);
  FHeight = static_cast<int>(height);
}

TBmpRows::~TBmpRows() = default;

int TBmpRows::SourceBitCount() const { return FHeader->BitCount; }

void TBmpRows::Read(int y, std::uint32_t* out) const {
  const int stored = FHeader->TopDown ? y : FHeight - 1 - y;
  DecodeRow(FPixelData + static_cast<std::size_t>(stored) * FRowBytes, *FHeader, FPalette, out);
}

TBmpImage DecodeBmp(const std::uint8_t* data, std::size_t size) {
  TBmpRows rows(data, size);
  TBmpImage image;
  image.Width = rows.Width();
  image.Height = rows.Height();
  image.SourceBitCount = rows.SourceBitCount();
  image.Palette = rows.Palette();
  image.Pixels.resize(static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height));
  for (int y = 0; y < image.Height; ++y)
    rows.Read(y, image.Pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.Width));
  return image;
}

// --- encoding

namespace {

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<std::uint8_t>(v);
  out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  Put16(out, at, v & 0xFFFF);
  Put16(out, at + 2, v >> 16);
}

void EncodeRow(const std::uint32_t* pixels, int width, int bitCount, std::uint32_t colour0,
               std::uint8_t* row) {
  if (bitCount == 1) {
    for (int x = 0; x < width; ++x)
      if ((pixels[x] & 0xFFFFFF) != colour0)
        row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    return;
  }
  const int bytes = bitCount / 8;
  for (int x = 0; x < width; ++x, row += bytes) {
    std::uint32_t v = pixels[x];
    row[0] = static_cast<std::uint8_t>(v);
    row[1] = static_cast<std::uint8_t>(v >> 8);
    row[2] = static_cast<std::uint8_t>(v >> 16);
    if (bytes == 4) row[3] = static_cast<std::uint8_t>(v >> 24);
  }
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const TBmpImage& image, int bitCount) {
  if (bitCount != 1 && bitCount != 24 && bitCount != 32)
    throw EInvalidGraphic("Bitmaps are written with 1, 24 or 32 bits per pixel, not " +
                          Num(bitCount));
  if (image.Width <= 0 || image.Height <= 0 || image.Width > MaxDimension ||
      image.Height > MaxDimension ||
      image.Pixels.size() !=
          static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height))
    throw EInvalidGraphic("An empty or inconsistent bitmap cannot be written");
  std::uint32_t palette[2] = {0x000000, 0xFFFFFF};
  if (image.Palette.size() == 2) {
    palette[0] = image.Palette[0] & 0xFFFFFF;
    palette[1] = image.Palette[1] & 0xFFFFFF;
  }
  const std::size_t paletteBytes = bitCount == 1 ? 8 : 0;
  const std::size_t rowBytes = static_cast<std::size_t>(RowBytes(image.Width, bitCount));
  const std::size_t offset = FileHeaderSize + InfoHeaderSize + paletteBytes;
  const std::size_t dataSize = rowBytes * static_cast<std::size_t>(image.Height);
  std::vector<std::uint8_t> out(offset + dataSize, 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, static_cast<std::uint32_t>(out.size()));
  Put32(out, 10, static_cast<std::uint32_t>(offset));
  Put32(out, 14, InfoHeaderSize);
  Put32(out, 18, static_cast<std::uint32_t>(image.Width));
  Put32(out, 22, static_cast<std::uint32_t>(image.Height));
  Put16(out, 26, 1);
  Put16(out, 28, static_cast<std::uint32_t>(bitCount));
  Put32(out, 34, static_cast<std::uint32_t>(dataSize));
  if (bitCount == 1) {
    Put32(out, 46, 2);
    Put32(out, 54, palette[0]);
    Put32(out, 58, palette[1]);
  }
  for (int y = 0; y < image.Height; ++y) {
    const std::uint32_t* src =
        image.Pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.Width);
    EncodeRow(src, image.Width, bitCount, palette[0],
              out.data() + offset + static_cast<std::size_t>(image.Height - 1 - y) * rowBytes);
  }
  return out;
}
