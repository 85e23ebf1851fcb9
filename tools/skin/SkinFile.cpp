#include "SkinFile.h"

#include <fstream>
#include <sstream>

#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfZLib.h"

namespace {

std::int32_t Int32At(const std::vector<std::uint8_t>& b, size_t offset) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[offset]) | b[offset + 1] << 8 |
                                   b[offset + 2] << 16 |
                                   static_cast<std::uint32_t>(b[offset + 3]) << 24);
}

bool IsZlibHeader(const std::vector<std::uint8_t>& b) {
  return b.size() >= 2 && (b[0] & 0x0F) == 8 && ((b[0] << 8) | b[1]) % 31 == 0;
}

bool IsCompressedSkinFile(const std::vector<std::uint8_t>& b) {
  return b.size() >= 10 && Int32At(b, 4) >= 0 &&
         static_cast<size_t>(Int32At(b, 4)) == b.size() - 8 && IsZlibHeader({b[8], b[9]});
}

// Reads the package, putting the file's name in front of whatever the reader says.
void ReadPackage(TLoadedSkin& skin, const std::vector<std::uint8_t>& package,
                 const std::filesystem::path& path) {
  std::optional<TsfSkinPackage> read;
  try {
    read = ReadSkinPackage(package);
  } catch (const Exception& e) {
    throw ESkinToolError(PathText(path) + ": not a valid skin package: " + e.Message());
  }
  if (!read)
    throw ESkinToolError(Format("%s: skin package of version %d; this tool reads up to %d",
                                PathText(path).c_str(), Int32At(package, 0), kSkinPackageVersion));
  skin.PackageSize = package.size();
  skin.Package = std::move(*read);
}

void Inflate(TLoadedSkin& skin, const std::filesystem::path& path) {
  std::vector<std::uint8_t> package;
  try {
    package = ZDecompress(skin.ZlibStream);
  } catch (const Exception& e) {
    throw ESkinToolError(PathText(path) + ": the zlib stream does not inflate: " + e.Message());
  }
  ReadPackage(skin, package, path);
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path) {
  try {
    return LoadSkinFileBytes(path);
  } catch (const Exception& e) {
    throw ESkinToolError(e.Message());
  }
}

}  // namespace

const char* SkinSourceKindName(TSkinSourceKind kind) {
  switch (kind) {
    case TSkinSourceKind::Folder: return "skin folder";
    case TSkinSourceKind::CompressedFile: return "compressed skin file";
    case TSkinSourceKind::ZlibStream: return "stored skin (zlib stream)";
    case TSkinSourceKind::Package: return "uncompressed skin package";
  }
  return "";
}

std::string PathText(const std::filesystem::path& path) {
  try {
    return path.string();
  } catch (...) {
    return "?";
  }
}

std::vector<std::uint8_t> BuildSkinFolder(const std::filesystem::path& folderOrIni) {
  std::error_code ec;
  if (!std::filesystem::exists(folderOrIni, ec))
    throw ESkinToolError("No such skin folder or file: " + PathText(folderOrIni));
  std::filesystem::path ini = folderOrIni;
  if (std::filesystem::is_directory(folderOrIni, ec)) ini /= "skin.ini";
  if (!std::filesystem::is_regular_file(ini, ec))
    throw ESkinToolError("The skin folder has no skin.ini: " + PathText(folderOrIni));
  TsfCompressedStoredSkin skin(nullptr);
  try {
    skin.BuildFromIniFile(ini);
  } catch (const Exception& e) {
    throw ESkinToolError(PathText(ini) + ": " + e.Message());
  }
  if (skin.IsEmpty())
    throw ESkinToolError(PathText(ini) +
                         ": a skin definition needs the sections [VERSION], [PICTURES], "
                         "[FORMINFO], [SKINOBJECTS] and [SKINCONTROLS]");
  return skin.PackedBytes();
}

TLoadedSkin LoadSkin(const std::filesystem::path& path) {
  std::error_code ec;
  TLoadedSkin skin;
  if (std::filesystem::is_directory(path, ec) || path.extension() == ".ini" ||
      path.extension() == ".INI") {
    skin.ZlibStream = BuildSkinFolder(path);
    Inflate(skin, path);
    return skin;
  }
  if (!std::filesystem::exists(path, ec))
    throw ESkinToolError("No such skin folder or file: " + PathText(path));
  std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  if (IsCompressedSkinFile(bytes)) {
    if (Int32At(bytes, 0) > kSkinPackageVersion)
      throw ESkinToolError(Format("%s: compressed skin file of version %d; this tool reads up to %d",
                                  PathText(path).c_str(), Int32At(bytes, 0), kSkinPackageVersion));
    skin.Kind = TSkinSourceKind::CompressedFile;
    skin.ZlibStream.assign(bytes.begin() + 8, bytes.end());
    Inflate(skin, path);
  } else if (IsZlibHeader(bytes)) {
    skin.Kind = TSkinSourceKind::ZlibStream;
    skin.ZlibStream = std::move(bytes);
    Inflate(skin, path);
  } else {
    skin.Kind = TSkinSourceKind::Package;
    ReadPackage(skin, bytes, path);
  }
  return skin;
}

std::vector<std::uint8_t> CompressedSkinFile(const std::vector<std::uint8_t>& zlibStream) {
  TsfCompressedStoredSkin skin(nullptr);
  skin.SetCompressedData(zlibStream);
  std::ostringstream out;
  skin.WriteCompressedStream(out);
  const std::string s = out.str();
  return std::vector<std::uint8_t>(s.begin(), s.end());
}

void WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (file) file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw ESkinToolError("Unable to write to " + PathText(path));
}
