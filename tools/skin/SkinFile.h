#pragma once
// A skin as the skin tool reads it: a skin folder (or the skin.ini in it), a
// compressed skin file (version, byte count, zlib stream), the bare zlib stream a
// program carries as its stored skin, or an uncompressed package.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "skin/data/sfSkinPackage.h"
#include "ui/Exception.h"

// Why a skin could not be read or written; the message says which file and what.
class ESkinToolError : public Exception { using Exception::Exception; };

enum class TSkinSourceKind { Folder, CompressedFile, ZlibStream, Package };
const char* SkinSourceKindName(TSkinSourceKind kind);

struct TLoadedSkin {
  TSkinSourceKind Kind = TSkinSourceKind::Folder;
  std::vector<std::uint8_t> ZlibStream;  // empty for an uncompressed package
  size_t PackageSize = 0;                // bytes of the uncompressed package
  TsfSkinPackage Package;
};

// The zlib stream of the package built from a skin folder or its definition file,
// exactly as TsfCompressedStoredSkin::BuildFromIniFile makes it.
std::vector<std::uint8_t> BuildSkinFolder(const std::filesystem::path& folderOrIni);
// Any of the four forms; the kind of a file is told from its first bytes.
TLoadedSkin LoadSkin(const std::filesystem::path& path);

std::vector<std::uint8_t> CompressedSkinFile(const std::vector<std::uint8_t>& zlibStream);
void WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
std::string PathText(const std::filesystem::path& path);
