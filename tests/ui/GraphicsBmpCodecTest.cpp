#include <gtest/gtest.h>

#include <string>

#include "ui/BmpCodec.h"
#include "ui/Exception.h"

namespace {

// Writes a BMP field by field, so a test can produce what any writer (or a broken
// one) would. Rows are given in file order, already padded.
struct TBmpBuilder {
  std::int32_t Width = 1, Height = 1;
  int BitCount = 24;
  std::uint32_t HeaderSize = 40, Compression = 0, ColorsUsed = 0, SizeImage = 0;
  std::vector<std::uint32_t> Palette;  // 0x00RRGGBB
  std::vector<std::uint32_t> Masks;    // after a 40-byte header, or inside a V4/V5 one
  std::vector<std::uint8_t> Rows;
  std::int64_t OffBits = -1, FileSize = -1;  // -1: the right value

  static void Put(std::vector<std::uint8_t>& out, std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  std::vector<std::uint8_t> Build() const {
    std::vector<std::uint8_t> info;
    Put(info, HeaderSize, 4);
    if (HeaderSize == 12) {
      Put(info, static_cast<std::uint32_t>(Width), 2);
      Put(info, static_cast<std::uint32_t>(Height), 2);
      Put(info, 1, 2);
      Put(info, static_cast<std::uint32_t>(BitCount), 2);
    } else {
      Put(info, static_cast<std::uint32_t>(Width), 4);
      Put(info, static_cast<std::uint32_t>(Height), 4);
      Put(info, 1, 2);
      Put(info, static_cast<std::uint32_t>(BitCount), 2);
      Put(info, Compression, 4);
      Put(info, SizeImage, 4);
      Put(info, 0, 8);
      Put(info, ColorsUsed, 4);
      Put(info, 0, 4);
    }
    for (std::uint32_t m : Masks) Put(info, m, 4);
    while (info.size() < HeaderSize) info.push_back(0);
    for (std::uint32_t c : Palette) Put(info, c, HeaderSize == 12 ? 3 : 4);
    std::size_t offset = 14 + info.size();
    std::vector<std::uint8_t> out{'B', 'M'};
    Put(out, FileSize >= 0 ? static_cast<std::uint64_t>(FileSize) : offset + Rows.size(), 4);
    Put(out, 0, 4);
    Put(out, OffBits >= 0 ? static_cast<std::uint64_t>(OffBits) : offset, 4);
    out.insert(out.end(), info.begin(), info.end());
    out.insert(out.end(), Rows.begin(), Rows.end());
    return out;
  }
};

TBmpImage Decode(const std::vector<std::uint8_t>& data) {
  return DecodeBmp(data.data(), data.size());
}

// The message, or "" when the data decodes.
std::string DecodeError(const std::vector<std::uint8_t>& data) {
  try {
    Decode(data);
  } catch (const EInvalidGraphic& e) {
    return e.Message();
  }
  return "";
}

TBmpBuilder EightBitWithPalette() {
  TBmpBuilder b;
  b.Width = 3;
  b.Height = 2;
  b.BitCount = 8;
  b.ColorsUsed = 3;
  b.Palette = {0x000000, 0xFF0000, 0x00FF00};
  b.Rows = {2, 1, 0, 0, 0, 1, 2, 0};  // bottom row first
  return b;
}

}  // namespace

TEST(GraphicsBmpCodec, PalettedDepthsAndRowOrder) {
  TBmpImage eight = Decode(EightBitWithPalette().Build());
  EXPECT_EQ(eight.SourceBitCount, 8);
  EXPECT_EQ(eight.Palette.size(), 3u);
  EXPECT_EQ(eight.At(0, 0), 0x000000u);  // the top row is the file's last
  EXPECT_EQ(eight.At(2, 0), 0x00FF00u);
  EXPECT_EQ(eight.At(0, 1), 0x00FF00u);
  EXPECT_EQ(eight.At(1, 1), 0xFF0000u);

  TBmpBuilder four;
  four.Width = 3;
  four.Height = -2;  // top-down
  four.BitCount = 4;
  four.ColorsUsed = 2;
  four.Palette = {0x102030, 0xA0B0C0};
  four.Rows = {0x01, 0x70, 0, 0, 0x10, 0x00, 0, 0};  // index 7 lies outside the palette
  TBmpImage img = Decode(four.Build());
  EXPECT_EQ(img.At(0, 0), 0x102030u);
  EXPECT_EQ(img.At(1, 0), 0xA0B0C0u);
  EXPECT_EQ(img.At(2, 0), 0u);
  EXPECT_EQ(img.At(0, 1), 0xA0B0C0u);

  TBmpBuilder one;
  one.Width = 10;
  one.BitCount = 1;
  one.Palette = {0xFFFFFF, 0x000000};
  one.Rows = {0b10000000, 0b01000000, 0, 0};
  img = Decode(one.Build());
  EXPECT_EQ(img.At(0, 0), 0x000000u);
  EXPECT_EQ(img.At(1, 0), 0xFFFFFFu);
  EXPECT_EQ(img.At(9, 0), 0x000000u);

  TBmpBuilder core;  // OS/2 core header, three-byte palette entries
  core.HeaderSize = 12;
  core.Width = 2;
  core.BitCount = 1;
  core.Palette = {0x123456, 0x654321};
  core.Rows = {0x80, 0, 0, 0};
  img = Decode(core.Build());
  EXPECT_EQ(img.At(0, 0), 0x654321u);
  EXPECT_EQ(img.At(1, 0), 0x123456u);
}

TEST(GraphicsBmpCodec, DirectColourDepthsAndMasks) {
  TBmpBuilder rgb555;
  rgb555.Width = 2;
  rgb555.BitCount = 16;
  rgb555.Rows = {0x00, 0x7C, 0x1F, 0x00};
  TBmpImage img = Decode(rgb555.Build());
  EXPECT_EQ(img.At(0, 0), 0xFF0000u);
  EXPECT_EQ(img.At(1, 0), 0x0000FFu);

  TBmpBuilder rgb565 = rgb555;
  rgb565.Compression = 3;
  rgb565.Masks = {0xF800, 0x07E0, 0x001F};
  rgb565.Rows = {0xE0, 0x07, 0x00, 0x80};  // full green; red 16 of 31
  img = Decode(rgb565.Build());
  EXPECT_EQ(img.At(0, 0), 0x00FF00u);
  EXPECT_EQ(img.At(1, 0), 0x840000u);

  TBmpBuilder v5;  // masks in a V5 header, in an unusual order
  v5.HeaderSize = 124;
  v5.Width = 1;
  v5.BitCount = 32;
  v5.Compression = 3;
  v5.Masks = {0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF};
  v5.Rows = {0x80, 0x33, 0x22, 0x11};
  EXPECT_EQ(Decode(v5.Build()).At(0, 0), 0x80112233u);

  TBmpBuilder plain32;  // uncompressed 32 bits keep the fourth byte as alpha
  plain32.BitCount = 32;
  plain32.Rows = {0x33, 0x22, 0x11, 0x7F};
  EXPECT_EQ(Decode(plain32.Build()).At(0, 0), 0x7F112233u);
}

TEST(GraphicsBmpCodec, EncodedFilesDecodeToTheSamePixels) {
  TBmpImage src;
  src.Width = 5;  // rows need padding at 24 bits
  src.Height = 3;
  for (int i = 0; i < 15; ++i) src.Pixels.push_back(0x10203u * static_cast<std::uint32_t>(i + 1));
  for (int bits : {24, 32}) {
    SCOPED_TRACE(bits);
    TBmpImage back = Decode(EncodeBmp(src, bits));
    EXPECT_EQ(back.SourceBitCount, bits);
    EXPECT_EQ(back.Width, 5);
    EXPECT_EQ(back.Height, 3);
    for (int i = 0; i < 15; ++i) EXPECT_EQ(back.Pixels[i] & 0xFFFFFF, src.Pixels[i] & 0xFFFFFF);
  }
  src.Pixels[4] |= 0xAB000000;
  EXPECT_EQ(Decode(EncodeBmp(src, 32)).Pixels[4] >> 24, 0xABu);

  TBmpImage mask;
  mask.Width = 33;  // two words per row
  mask.Height = 2;
  mask.Palette = {0x000000, 0xFFFFFF};
  mask.Pixels.assign(66, 0xFFFFFF);
  mask.Pixels[0] = mask.Pixels[32] = mask.Pixels[65] = 0x000000;
  mask.Pixels[1] = 0x808080;  // not the first colour: index 1
  std::vector<std::uint8_t> file = EncodeBmp(mask, 1);
  EXPECT_EQ(file.size(), 14u + 40 + 8 + 2 * 8);
  TBmpImage back = Decode(file);
  EXPECT_EQ(back.SourceBitCount, 1);
  EXPECT_EQ(back.Palette, mask.Palette);
  EXPECT_EQ(back.At(0, 0), 0u);
  EXPECT_EQ(back.At(1, 0), 0xFFFFFFu);
  EXPECT_EQ(back.At(32, 0), 0u);
  EXPECT_EQ(back.At(32, 1), 0u);
  EXPECT_EQ(back.At(31, 1), 0xFFFFFFu);

  EXPECT_THROW(EncodeBmp(TBmpImage{}, 24), EInvalidGraphic);
  EXPECT_THROW(EncodeBmp(src, 8), EInvalidGraphic);
}

TEST(GraphicsBmpCodec, EveryTruncationIsRejected) {
  for (const std::vector<std::uint8_t>& whole :
       {EightBitWithPalette().Build(), EncodeBmp(Decode(EightBitWithPalette().Build()), 24)}) {
    for (std::size_t n = 0; n < whole.size(); ++n) {
      std::vector<std::uint8_t> part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
      SCOPED_TRACE(n);
      EXPECT_NE(DecodeError(part).find("Bitmap image is not valid"), std::string::npos);
    }
  }
  EXPECT_THROW(DecodeBmp(nullptr, 0), EInvalidGraphic);
}

TEST(GraphicsBmpCodec, MalformedHeadersAreRejectedWithTheReason) {
  auto error = [](auto change) {
    TBmpBuilder b = EightBitWithPalette();
    change(b);
    return DecodeError(b.Build());
  };
  EXPECT_EQ(error([](TBmpBuilder&) {}), "");
  EXPECT_NE(error([](TBmpBuilder& b) { b.OffBits = 5000; }).find("past the end"),
            std::string::npos);
  EXPECT_NE(error([](TBmpBuilder& b) { b.OffBits = 20; }).find("inside the headers"),
            std::string::npos);
  EXPECT_NE(error([](TBmpBuilder& b) { b.FileSize = 100000; }).find("truncated"),
            std::string::npos);
  EXPECT_NE(error([](TBmpBuilder& b) { b.SizeImage = 9; }).find("image size"), std::string::npos);
  EXPECT_NE(error([](TBmpBuilder& b) { b.Width = 0; }).find("width 0"), std::string::npos);
  EXPECT_NE(error([](TBmpBuilder& b) { b.Width = -3; }).find("width -3"), std::string::npos);
  EXPECT_NE(error([](TBmpBuilder& b) { b.Height = 0; }).find("height 0"), std::string::npos);
  EXPECT_NE(error([](TBmpBuilder& b) { b.Width = 0x7FFFFFFF; }).find("too large"),
            std::string::npos);
  EXPECT_NE(error([](TBmpBuilder& b) { b.Height = -0x7FFFFFFF - 1; }).find("too large"),
            std::string::npos);
  EXPECT_NE(error([](TBmpBuilder& b) {
              b.Width = 20000;
              b.Height = 20000;
            }).find("too large"),
            std::string::npos);
  // Large but allowed: still refused, before any allocation, for want of data.
  EXPECT_NE(error([](TBmpBuilder& b) {
              b.Width = 8000;
              b.Height = 8000;
            }).find("truncated"),
            std::string::npos);
  EXPECT_NE(error([](TBmpBuilder& b) { b.ColorsUsed = 257; }).find("palette of 257"),
            std::string::npos);
  EXPECT_NE(error([](TBmpBuilder& b) { b.ColorsUsed = 200; }).find("palette is truncated"),
            std::string::npos);
  EXPECT_NE(error([](TBmpBuilder& b) { b.BitCount = 7; }).find("7 bits"), std::string::npos);
  EXPECT_NE(error([](TBmpBuilder& b) { b.Compression = 1; }).find("run-length"), std::string::npos);
  EXPECT_NE(error([](TBmpBuilder& b) { b.Compression = 3; }).find("bit-field"), std::string::npos);
  EXPECT_NE(error([](TBmpBuilder& b) { b.HeaderSize = 20; }).find("header size 20"),
            std::string::npos);

  TBmpBuilder mask;
  mask.BitCount = 32;
  mask.Compression = 3;
  mask.Masks = {0x00F0F000, 0x0000FF00, 0x000000FF};
  mask.Rows = {0, 0, 0, 0};
  EXPECT_NE(DecodeError(mask.Build()).find("not contiguous"), std::string::npos);
  mask.Masks = {0, 0xFF00, 0xFF};
  EXPECT_NE(DecodeError(mask.Build()).find("mask is zero"), std::string::npos);

  std::vector<std::uint8_t> notBmp = EightBitWithPalette().Build();
  notBmp[0] = 'P';
  EXPECT_NE(DecodeError(notBmp).find("signature"), std::string::npos);
}
