#include "sfCompressedStoredSkin.h"

#include <algorithm>
#include <fstream>
#include <istream>
#include <ostream>

#include "sfIniFile.h"
#include "sfSkinPackage.h"
#include "sfSkinValues.h"
#include "sfText.h"

namespace {

constexpr size_t kReadChunk = 65536;

std::string PathText(const std::filesystem::path& path) {
  try {
    return path.string();
  } catch (...) {
    // A name the narrow code page cannot show: the message still says what failed.
    return "?";
  }
}

std::int32_t ReadInt32(std::istream& stream) {
  std::uint8_t b[4];
  if (!stream.read(reinterpret_cast<char*>(b), 4)) throw EsfReadError("Stream read error");
  return static_cast<std::int32_t>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24);
}

void WriteInt32(std::ostream& stream, std::int32_t value) {
  auto v = static_cast<std::uint32_t>(value);
  char b[4] = {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
               static_cast<char>(v >> 24)};
  stream.write(b, 4);
}

// A picture file as the package holds it. Its bfSize is set to the file's length,
// as some writers leave it 0 and the package finds a picture's end from it.
TsfBmpBytes LoadBmpFile(const std::filesystem::path& path) {
  TsfBmpBytes bytes = LoadSkinFileBytes(path);
  if (bytes.size() < 6 || bytes.size() > 0x7FFFFFFFu) throw EInvalidGraphic("Bitmap image is not valid");
  for (int i = 0; i < 4; ++i) bytes[2 + i] = static_cast<std::uint8_t>(bytes.size() >> (8 * i));
  BmpFileSize(bytes);
  return bytes;
}

std::optional<TsfBmpBytes> LoadNamedBmp(const std::filesystem::path& folder,
                                        const std::string& name) {
  if (name.empty()) return std::nullopt;
  return LoadBmpFile(folder / std::filesystem::path(name));
}

}  // namespace

std::vector<std::uint8_t> LoadSkinFileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw EsfFileOpenError(Format("Cannot open file \"%s\"", PathText(path).c_str()));
  std::vector<std::uint8_t> bytes;
  char chunk[kReadChunk];
  while (file.read(chunk, sizeof chunk) || file.gcount() > 0)
    bytes.insert(bytes.end(), chunk, chunk + file.gcount());
  return bytes;
}

TsfCompressedStoredSkin::TsfCompressedStoredSkin(TComponent* AOwner) : TComponent(AOwner) {}

void TsfCompressedStoredSkin::SetFileName(const std::string& value) {
  if (!IsDesigning() || IsLoading()) {
    FFileName = value;
    return;
  }
  FFileName = sf::ExtractFileName(value);
  BuildFromIniFile(std::filesystem::path(value));
}

void TsfCompressedStoredSkin::SetCompressedFileName(const std::string& value) {
  if (!IsDesigning() || IsLoading()) {
    FCompressedFileName = value;
    return;
  }
  FCompressedFileName = sf::ExtractFileName(value);
  ReadCompressedFile(std::filesystem::path(value));
}

void TsfCompressedStoredSkin::BuildFromIniFile(const std::filesystem::path& path) {
  std::vector<std::uint8_t> raw = LoadSkinFileBytes(path);
  std::vector<std::string> lines =
      SplitSkinLines(std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size()));
  TsfIniFile ini(lines);
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
    if (!ini.SectionExists(section)) return;

  FPackedBytes.clear();
  std::filesystem::path folder = path.parent_path();
  TsfSkinPackage package;
  package.MainPicture = LoadNamedBmp(folder, ini.ReadString("PICTURES", "picture", ""));
  package.InactivePicture = LoadNamedBmp(folder, ini.ReadString("PICTURES", "inactivepicture", ""));
  package.MaskPicture = LoadNamedBmp(folder, ini.ReadString("PICTURES", "mask", ""));
  for (const std::string& name : ReadNumberedList(ini, "PICTURES", "activepictures"))
    package.ActivePictures.push_back(LoadBmpFile(folder / std::filesystem::path(name)));
  package.DefinitionText = JoinSkinLines(lines);
  FPackedBytes = PackSkinPackage(package);
}

void TsfCompressedStoredSkin::ReadCompressedFile(const std::filesystem::path& path) {
  FPackedBytes.clear();
  std::ifstream file(path, std::ios::binary);
  if (!file) throw EsfFileOpenError(Format("Cannot open file \"%s\"", PathText(path).c_str()));
  ReadCompressedData(file);
}

void TsfCompressedStoredSkin::ReadCompressedStream(std::istream& stream) {
  FPackedBytes.clear();
  stream.clear();
  stream.seekg(0);
  ReadCompressedData(stream);
}

void TsfCompressedStoredSkin::ReadCompressedData(std::istream& stream) {
  if (ReadInt32(stream) > kSkinPackageVersion) return;
  std::int32_t count = ReadInt32(stream);
  if (count < 0) throw EsfReadError("Stream read error");
  // Read in chunks, so a count beyond the end of the source reserves nothing.
  std::vector<std::uint8_t> bytes;
  char chunk[kReadChunk];
  for (size_t left = static_cast<size_t>(count); left > 0;) {
    size_t n = std::min(left, sizeof chunk);
    if (!stream.read(chunk, static_cast<std::streamsize>(n))) throw EsfReadError("Stream read error");
    bytes.insert(bytes.end(), chunk, chunk + n);
    left -= n;
  }
  FPackedBytes = std::move(bytes);
}

void TsfCompressedStoredSkin::WriteCompressedStream(std::ostream& stream) const {
  WriteInt32(stream, kSkinPackageVersion);
  WriteInt32(stream, static_cast<std::int32_t>(FPackedBytes.size()));
  stream.write(reinterpret_cast<const char*>(FPackedBytes.data()),
               static_cast<std::streamsize>(FPackedBytes.size()));
}
