#pragma once
// The skin package: its pictures as raw BMP files and its definition text, read
// from and written to the package's byte layout, and packed into a zlib stream.
//
// Layout (little-endian 32-bit integers): version; main, inactive and mask picture,
// each a flag byte (0: a BMP file follows) and the file; in version 2 only, two more
// flagged pictures that are skipped; the active picture count and the active
// pictures back to back; the definition text up to the end.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Exception.h"

// The package ends before a field or picture it announces ("Stream read error").
class EsfReadError : public Exception { using Exception::Exception; };

// A complete BMP file, as its bytes.
using TsfBmpBytes = std::vector<std::uint8_t>;

constexpr int kSkinPackageVersion = 3;

struct TsfSkinPackage {
  int Version = kSkinPackageVersion;
  std::optional<TsfBmpBytes> MainPicture, InactivePicture, MaskPicture;
  std::vector<TsfBmpBytes> ActivePictures;
  std::string DefinitionText;  // code page 936, CR LF lines
};

// The bfSize of the BMP file at the start of `data`. Raises EsfReadError when fewer
// than 14 bytes or fewer than bfSize bytes are there, and EInvalidGraphic
// ("Bitmap image is not valid") when the file does not start with "BM" or its
// bfSize could not hold a file header and the smallest picture header.
size_t BmpFileSize(std::span<const std::uint8_t> data);

// A read package's parts as views into the bytes it was read from, for a reader
// that uses them in place rather than copying them out.
using TsfBmpView = std::span<const std::uint8_t>;
struct TsfSkinPackageView {
  int Version = kSkinPackageVersion;
  std::optional<TsfBmpView> MainPicture, InactivePicture, MaskPicture;
  std::vector<TsfBmpView> ActivePictures;
  std::string_view DefinitionText;
};

// std::nullopt when the version is above 3: a layout this reader does not know.
std::optional<TsfSkinPackage> ReadSkinPackage(std::span<const std::uint8_t> data);
std::optional<TsfSkinPackageView> ReadSkinPackageView(std::span<const std::uint8_t> data);
// Always writes version 3. A picture whose bfSize is not its length raises
// EInvalidGraphic, as the reader could not find its end.
std::vector<std::uint8_t> WriteSkinPackage(const TsfSkinPackage& package);

// The package inflated from the stored zlib stream and read.
std::optional<TsfSkinPackage> UnpackSkinPackage(std::span<const std::uint8_t> zlibStream);
std::vector<std::uint8_t> PackSkinPackage(const TsfSkinPackage& package);
