#include "sfSkinPackage.h"

#include "sfZLib.h"

namespace {

constexpr size_t kBmpFileHeader = 14;
// A file header and the smallest (core) picture header.
constexpr size_t kSmallestBmp = kBmpFileHeader + 12;

std::uint32_t GetUInt32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void PutInt32(std::vector<std::uint8_t>& out, std::int32_t value) {
  auto v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

[[noreturn]] void ReadError() { throw EsfReadError("Stream read error"); }

// Reads only inside its buffer: every take checks what is left first.
class TPackageReader {
 public:
  explicit TPackageReader(std::span<const std::uint8_t> data) : FData(data) {}

  std::int32_t Int32() {
    Need(4);
    auto v = static_cast<std::int32_t>(GetUInt32(FData.data() + FPos));
    FPos += 4;
    return v;
  }
  std::uint8_t Byte() {
    Need(1);
    return FData[FPos++];
  }
  TsfBmpView Bmp() {
    size_t size = BmpFileSize(FData.subspan(FPos));
    TsfBmpView bmp = FData.subspan(FPos, size);
    FPos += size;
    return bmp;
  }
  std::optional<TsfBmpView> FlaggedBmp() {
    if (Byte() != 0) return std::nullopt;
    return Bmp();
  }
  std::string_view Rest() {
    std::string_view text(reinterpret_cast<const char*>(FData.data()) + FPos, FData.size() - FPos);
    FPos = FData.size();
    return text;
  }

 private:
  void Need(size_t n) const {
    if (FData.size() - FPos < n) ReadError();
  }

  std::span<const std::uint8_t> FData;
  size_t FPos = 0;
};

void PutBmp(std::vector<std::uint8_t>& out, const TsfBmpBytes& bmp) {
  if (bmp.size() < kBmpFileHeader || GetUInt32(bmp.data() + 2) != bmp.size() ||
      BmpFileSize(bmp) != bmp.size())
    throw EInvalidGraphic("Bitmap image is not valid");
  out.insert(out.end(), bmp.begin(), bmp.end());
}

void PutFlaggedBmp(std::vector<std::uint8_t>& out, const std::optional<TsfBmpBytes>& bmp) {
  out.push_back(bmp ? 0 : 1);
  if (bmp) PutBmp(out, *bmp);
}

}  // namespace

size_t BmpFileSize(std::span<const std::uint8_t> data) {
  if (data.size() < kBmpFileHeader) ReadError();
  if (data[0] != 'B' || data[1] != 'M') throw EInvalidGraphic("Bitmap image is not valid");
  std::uint32_t size = GetUInt32(data.data() + 2);
  // Read as the signed field it is: a "negative" size is as invalid as a tiny one.
  if (size < kSmallestBmp || size > 0x7FFFFFFFu) throw EInvalidGraphic("Bitmap image is not valid");
  if (size > data.size()) ReadError();
  return size;
}

std::optional<TsfSkinPackageView> ReadSkinPackageView(std::span<const std::uint8_t> data) {
  TPackageReader reader(data);
  TsfSkinPackageView package;
  package.Version = reader.Int32();
  if (package.Version > kSkinPackageVersion) return std::nullopt;
  package.MainPicture = reader.FlaggedBmp();
  package.InactivePicture = reader.FlaggedBmp();
  package.MaskPicture = reader.FlaggedBmp();
  if (package.Version == 2) {
    reader.FlaggedBmp();
    reader.FlaggedBmp();
  }
  // Each picture is checked against what is left before it is copied, so a huge
  // count fails at the first missing picture instead of reserving anything.
  std::int32_t count = reader.Int32();
  for (std::int32_t i = 0; i < count; ++i) package.ActivePictures.push_back(reader.Bmp());
  // A package always ends in its definition text: none at all means it was cut off.
  package.DefinitionText = reader.Rest();
  if (package.DefinitionText.empty()) ReadError();
  return package;
}

std::optional<TsfSkinPackage> ReadSkinPackage(std::span<const std::uint8_t> data) {
  std::optional<TsfSkinPackageView> view = ReadSkinPackageView(data);
  if (!view) return std::nullopt;
  auto copy = [](const std::optional<TsfBmpView>& bmp) -> std::optional<TsfBmpBytes> {
    if (!bmp) return std::nullopt;
    return TsfBmpBytes(bmp->begin(), bmp->end());
  };
  TsfSkinPackage package;
  package.Version = view->Version;
  package.MainPicture = copy(view->MainPicture);
  package.InactivePicture = copy(view->InactivePicture);
  package.MaskPicture = copy(view->MaskPicture);
  for (TsfBmpView bmp : view->ActivePictures) package.ActivePictures.emplace_back(bmp.begin(), bmp.end());
  package.DefinitionText = std::string(view->DefinitionText);
  return package;
}

std::vector<std::uint8_t> WriteSkinPackage(const TsfSkinPackage& package) {
  std::vector<std::uint8_t> out;
  PutInt32(out, kSkinPackageVersion);
  PutFlaggedBmp(out, package.MainPicture);
  PutFlaggedBmp(out, package.InactivePicture);
  PutFlaggedBmp(out, package.MaskPicture);
  PutInt32(out, static_cast<std::int32_t>(package.ActivePictures.size()));
  for (const TsfBmpBytes& bmp : package.ActivePictures) PutBmp(out, bmp);
  out.insert(out.end(), package.DefinitionText.begin(), package.DefinitionText.end());
  return out;
}

std::optional<TsfSkinPackage> UnpackSkinPackage(std::span<const std::uint8_t> zlibStream) {
  return ReadSkinPackage(ZDecompress(zlibStream));
}

std::vector<std::uint8_t> PackSkinPackage(const TsfSkinPackage& package) {
  return ZCompress(WriteSkinPackage(package));
}
