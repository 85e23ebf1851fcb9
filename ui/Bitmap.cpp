#include "Bitmap.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "BmpCodec.h"
#include "CodePage.h"

namespace {

int RowBytesOf(int width, TPixelFormat format) {
  int bits = format == pf32bit ? 32 : 24;
  return (width * bits + 31) / 32 * 4;
}

// Converts one row between the 3- and 4-byte layouts (or copies it).
void CopyRow(const std::uint8_t* src, TPixelFormat from, std::uint8_t* dst, TPixelFormat to,
             int width) {
  if (from == to) {
    std::memcpy(dst, src, static_cast<size_t>(width) * (from == pf32bit ? 4 : 3));
    return;
  }
  int sb = from == pf32bit ? 4 : 3, db = to == pf32bit ? 4 : 3;
  for (int x = 0; x < width; ++x, src += sb, dst += db) {
    dst[0] = src[0];
    dst[1] = src[1];
    dst[2] = src[2];
    if (db == 4) dst[3] = 0;
  }
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format) : FFormat(format) {
  SetSize(width, height);
}

TBitmap::~TBitmap() {
  FCanvas.reset();
  FDC.reset();
}

void TBitmap::Changed() {
  if (OnChange) OnChange(this);
}

void TBitmap::SelectIntoDC() const {
  if (FDC) FDC->SelectBitmap(FHandle.Get());
}

HDC TBitmap::DC() const {
  if (!FDC) {
    FDC = std::make_unique<TMemoryDC>();
    SelectIntoDC();
  }
  return FDC->Get();
}

void TBitmap::ResetDrawingState() {
  FCanvas.reset();
  if (FDC) {
    HDC dc = FDC->Get();
    SelectClipRgn(dc, nullptr);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
  }
  FTransparent = false;
  FTransparentColor = clDefault;
}

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) FCanvas = std::make_unique<TCanvas>(DC());
  return *FCanvas;
}

TBitmap::TDib TBitmap::CreateDib(int width, int height, TPixelFormat format) {
  TDib dib;
  if (width <= 0 || height <= 0) return dib;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top row
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = format == pf32bit ? 32 : 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dib.Handle.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib.Handle || !bits)
    throw EOSError(Format("A bitmap of %d x %d could not be made", width, height));
  dib.Bits = static_cast<std::uint8_t*>(bits);
  std::memset(dib.Bits, 0xFF, static_cast<size_t>(RowBytesOf(width, format)) * height);
  return dib;
}

void TBitmap::Adopt(TDib dib, int width, int height, TPixelFormat format) {
  if (!dib.Handle) width = height = 0;
  // The old bitmap leaves the DC before it is deleted.
  if (FDC) FDC->SelectBitmap(dib.Handle.Get());
  FHandle = std::move(dib.Handle);
  FBits = dib.Bits;
  FWidth = width;
  FHeight = height;
  FFormat = format;
}

void TBitmap::SetSize(int width, int height) {
  if (width <= 0 || height <= 0) width = height = 0;
  if (width == FWidth && height == FHeight) return;
  TDib dib = CreateDib(width, height, FFormat);
  int w = std::min(width, FWidth), h = std::min(height, FHeight);
  if (h > 0) GdiFlush();
  for (int y = 0; y < h; ++y)
    CopyRow(FBits + static_cast<size_t>(y) * RowBytes(), FFormat,
            dib.Bits + static_cast<size_t>(y) * RowBytesOf(width, FFormat), FFormat, w);
  Adopt(std::move(dib), width, height, FFormat);
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
  if (value == FFormat) return;
  TDib dib = CreateDib(FWidth, FHeight, value);
  if (!Empty()) GdiFlush();
  for (int y = 0; y < FHeight; ++y)
    CopyRow(FBits + static_cast<size_t>(y) * RowBytes(), FFormat,
            dib.Bits + static_cast<size_t>(y) * RowBytesOf(FWidth, value), value, FWidth);
  Adopt(std::move(dib), FWidth, FHeight, value);
  Changed();
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  TDib dib = CreateDib(source.FWidth, source.FHeight, source.FFormat);
  if (!source.Empty()) {
    GdiFlush();
    std::memcpy(dib.Bits, source.FBits, static_cast<size_t>(source.RowBytes()) * source.FHeight);
  }
  Adopt(std::move(dib), source.FWidth, source.FHeight, source.FFormat);
  FSourceBitCount = source.FSourceBitCount;
  FSourcePalette = source.FSourcePalette;
  FTransparent = source.FTransparent;
  FTransparentColor = source.FTransparentColor;
  Changed();
}

int TBitmap::RowBytes() const { return RowBytesOf(FWidth, FFormat); }

std::uint8_t* TBitmap::ScanLine(int y) {
  return const_cast<std::uint8_t*>(static_cast<const TBitmap*>(this)->ScanLine(y));
}

const std::uint8_t* TBitmap::ScanLine(int y) const {
  if (y < 0 || y >= FHeight)
    throw EListError(Format("Scan line index out of range (%d of %d rows)", y, FHeight));
  GdiFlush();
  return FBits + static_cast<size_t>(y) * RowBytes();
}

// --- files

void TBitmap::LoadFromBytes(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    Adopt(TDib{}, 0, 0, FFormat);
    FSourceBitCount = 0;
    FSourcePalette.clear();
    Changed();
    return;
  }
  // Rows go straight into the bitmap's memory through one row of scratch.
  TBmpRows rows(data, size);
  const TPixelFormat format = rows.SourceBitCount() == 32 ? pf32bit : pf24bit;
  TDib dib = CreateDib(rows.Width(), rows.Height(), format);
  const int bytes = format == pf32bit ? 4 : 3;
  const size_t rowBytes = static_cast<size_t>(RowBytesOf(rows.Width(), format));
  std::vector<std::uint32_t> scratch(static_cast<size_t>(rows.Width()));
  for (int y = 0; y < rows.Height(); ++y) {
    rows.Read(y, scratch.data());
    std::uint8_t* row = dib.Bits + static_cast<size_t>(y) * rowBytes;
    for (std::uint32_t v : scratch) {
      row[0] = static_cast<std::uint8_t>(v);
      row[1] = static_cast<std::uint8_t>(v >> 8);
      row[2] = static_cast<std::uint8_t>(v >> 16);
      if (bytes == 4) row[3] = static_cast<std::uint8_t>(v >> 24);
      row += bytes;
    }
  }
  Adopt(std::move(dib), rows.Width(), rows.Height(), format);
  FSourceBitCount = rows.SourceBitCount();
  FSourcePalette = rows.Palette();
  Changed();
}

std::vector<std::uint8_t> TBitmap::SaveToBytes() const {
  if (Empty()) return {};
  TBmpImage image;
  image.Width = FWidth;
  image.Height = FHeight;
  image.Pixels.resize(static_cast<size_t>(FWidth) * FHeight);
  const int bytes = BytesPerPixel();
  for (int y = 0; y < FHeight; ++y) {
    const std::uint8_t* row = ScanLine(y);
    std::uint32_t* dst = image.Pixels.data() + static_cast<size_t>(y) * FWidth;
    for (int x = 0; x < FWidth; ++x, row += bytes)
      dst[x] = static_cast<std::uint32_t>(row[2]) << 16 | static_cast<std::uint32_t>(row[1]) << 8 |
               row[0] | (bytes == 4 ? static_cast<std::uint32_t>(row[3]) << 24 : 0);
  }
  if (FSourceBitCount == 1 && FSourcePalette.size() == 2) {
    auto inPalette = [&](std::uint32_t v) {
      v &= 0xFFFFFF;
      return v == FSourcePalette[0] || v == FSourcePalette[1];
    };
    if (std::all_of(image.Pixels.begin(), image.Pixels.end(), inPalette)) {
      image.Palette = FSourcePalette;
      return EncodeBmp(image, 1);
    }
  }
  return EncodeBmp(image, FFormat == pf32bit ? 32 : 24);
}

void TBitmap::LoadFromFile(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  if (!file) throw EInOutError(Format("Cannot open file \"%s\"", PathToAnsi(path).c_str()));
  std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(file)),
                                 std::istreambuf_iterator<char>());
  if (file.bad()) throw EInOutError(Format("Unable to read %s", PathToAnsi(path).c_str()));
  LoadFromBytes(data);
}

void TBitmap::SaveToFile(const std::wstring& path) const {
  std::vector<std::uint8_t> data = SaveToBytes();
  std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  if (file)
    file.write(reinterpret_cast<const char*>(data.data()),
               static_cast<std::streamsize>(data.size()));
  if (!file) throw EInOutError(Format("Unable to write to %s", PathToAnsi(path).c_str()));
}

// --- transparency

void TBitmap::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentColor != clDefault || Empty()) return FTransparentColor;
  const std::uint8_t* p = ScanLine(FHeight - 1);
  return RGBColor(p[2], p[1], p[0]);
}

void TBitmap::SetTransparentColor(TColor value) {
  if (value == FTransparentColor) return;
  FTransparentColor = value;
  Changed();
}
