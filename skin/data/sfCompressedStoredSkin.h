#pragma once
// TsfCompressedStoredSkin: carries a skin package as its zlib stream. The stream is
// the stored binary property CompressedData, held in PackedBytes.
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/Exception.h"

// A file could not be opened ("Cannot open file "%s"").
class EsfFileOpenError : public EInOutError { using EInOutError::EInOutError; };

class TsfCompressedStoredSkin : public TComponent {
 public:
  explicit TsfCompressedStoredSkin(TComponent* AOwner);

  // Free text; no reader uses it.
  const std::string& Description() const { return FDescription; }
  void SetDescription(const std::string& value) { FDescription = value; }
  // File name (no folder) of the definition text the package was built from. At
  // design time, outside loading, setting a path also builds the package from it.
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& value);
  // File name (no folder) of the compressed skin file the package came from. At
  // design time, outside loading, setting a path also reads that file.
  const std::string& CompressedFileName() const { return FCompressedFileName; }
  void SetCompressedFileName(const std::string& value);

  // The stored property: the raw zlib stream, byte for byte, written even when empty.
  const std::vector<std::uint8_t>& CompressedData() const { return FPackedBytes; }
  void SetCompressedData(std::vector<std::uint8_t> bytes) { FPackedBytes = std::move(bytes); }
  std::vector<std::uint8_t>& PackedBytes() { return FPackedBytes; }
  const std::vector<std::uint8_t>& PackedBytes() const { return FPackedBytes; }
  bool IsEmpty() const { return FPackedBytes.empty(); }

  // Builds the package from a definition text and the BMP files beside it. A text
  // without [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS] and [SKINCONTROLS]
  // changes nothing; a picture that cannot be read leaves PackedBytes empty.
  void BuildFromIniFile(const std::filesystem::path& path);
  // A compressed skin file or stream: version, byte count N, N bytes of zlib stream.
  // A version above 3 leaves PackedBytes empty without an error.
  void ReadCompressedFile(const std::filesystem::path& path);
  void ReadCompressedStream(std::istream& stream);
  void WriteCompressedStream(std::ostream& stream) const;

 private:
  void ReadCompressedData(std::istream& stream);

  std::string FDescription;
  std::string FFileName;
  std::string FCompressedFileName;
  std::vector<std::uint8_t> FPackedBytes;
};

// The file's bytes; a file that cannot be opened raises EsfFileOpenError.
std::vector<std::uint8_t> LoadSkinFileBytes(const std::filesystem::path& path);
