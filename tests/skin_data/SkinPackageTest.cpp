#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestBmp.h"
#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfIniFile.h"
#include "skin/data/sfSkinPackage.h"
#include "skin/data/sfZLib.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

TsfSkinPackage SamplePackage() {
  TsfSkinPackage p;
  p.MainPicture = MakeBmp(15, 12, 8, 1);
  p.MaskPicture = MakeBmp(15, 12, 1, 2);
  p.ActivePictures = {MakeBmp(8, 24, 8, 3), MakeBmp(6, 7, 24, 4), MakeBmp(3, 1, 1, 5)};
  p.DefinitionText = "[VERSION]\r\nskinname=x\r\n[FORMINFO]\r\nclientrect=1,2,3,4\r\n";
  return p;
}

void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }
void AppendInt(Bytes& out, std::int32_t v) { PutLE(out, static_cast<std::uint32_t>(v), 4); }
void AppendText(Bytes& out, const std::string& s) { out.insert(out.end(), s.begin(), s.end()); }

std::string ErrorOf(const Bytes& package) {
  try {
    ReadSkinPackage(package);
  } catch (const Exception& e) {
    return e.Message();
  }
  return "no error";
}

// A folder of its own under the temporary folder, removed afterwards.
class TTempFolder {
 public:
  explicit TTempFolder(const char* name)
      : FPath(std::filesystem::temp_directory_path() / name) {
    std::filesystem::remove_all(FPath);
    std::filesystem::create_directories(FPath);
  }
  ~TTempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(FPath, ec);
  }
  const std::filesystem::path& Path() const { return FPath; }
  void Write(const char* name, const Bytes& bytes) const {
    std::ofstream(FPath / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  void Write(const char* name, const std::string& text) const {
    Write(name, Bytes(text.begin(), text.end()));
  }

 private:
  std::filesystem::path FPath;
};

}  // namespace

TEST(SkinPackage, RoundTripKeepsPicturesAndText) {
  TsfSkinPackage p = SamplePackage();
  Bytes bytes = WriteSkinPackage(p);
  auto back = ReadSkinPackage(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Version, 3);
  EXPECT_EQ(back->MainPicture, p.MainPicture);
  EXPECT_FALSE(back->InactivePicture);
  EXPECT_EQ(back->MaskPicture, p.MaskPicture);
  EXPECT_EQ(back->ActivePictures, p.ActivePictures);
  EXPECT_EQ(back->DefinitionText, p.DefinitionText);
  EXPECT_EQ(WriteSkinPackage(*back), bytes);

  // The empty inactive picture is its flag byte alone; the mask's flag follows.
  size_t afterMain = 4 + 1 + p.MainPicture->size();
  EXPECT_EQ(bytes[4], 0);
  EXPECT_EQ(bytes[afterMain], 1);
  EXPECT_EQ(bytes[afterMain + 1], 0);
  EXPECT_EQ(bytes[afterMain + 2], 'B');

  Bytes packed = PackSkinPackage(p);
  ASSERT_GE(packed.size(), 2u);
  EXPECT_EQ(packed[0], 0x78);
  EXPECT_EQ(packed[1], 0xDA);
  auto unpacked = UnpackSkinPackage(packed);
  ASSERT_TRUE(unpacked);
  EXPECT_EQ(WriteSkinPackage(*unpacked), bytes);
}

TEST(SkinPackage, VersionsCountsAndTextEnd) {
  Bytes v2;
  AppendInt(v2, 2);
  for (int i = 0; i < 5; ++i) {
    v2.push_back(0);
    Append(v2, MakeBmp(2, 2, 24, static_cast<std::uint8_t>(i)));
  }
  AppendInt(v2, 1);
  Append(v2, MakeBmp(4, 4, 8, 9));
  AppendText(v2, "[a]\r\nx=1");
  auto p2 = ReadSkinPackage(v2);
  ASSERT_TRUE(p2);
  EXPECT_EQ(p2->MaskPicture, MakeBmp(2, 2, 24, 2));
  ASSERT_EQ(p2->ActivePictures.size(), 1u);
  EXPECT_EQ(p2->ActivePictures[0], MakeBmp(4, 4, 8, 9));
  EXPECT_EQ(SplitSkinLines(p2->DefinitionText), SplitSkinLines("[a]\r\nx=1\r\n"));

  for (std::int32_t count : {0, -1, -2147483647 - 1}) {
    Bytes none;
    AppendInt(none, -7);  // any version up to 3 is read
    none.insert(none.end(), {1, 1, 1});
    AppendInt(none, count);
    AppendText(none, "[a]");
    auto p = ReadSkinPackage(none);
    ASSERT_TRUE(p);
    EXPECT_TRUE(p->ActivePictures.empty());
    EXPECT_EQ(p->DefinitionText, "[a]");
  }

  Bytes v4;
  AppendInt(v4, 4);
  EXPECT_FALSE(ReadSkinPackage(v4));
}

TEST(SkinPackage, CutOffPackagesAreReadErrors) {
  Bytes bytes = WriteSkinPackage(SamplePackage());
  size_t textStart = bytes.size() - SamplePackage().DefinitionText.size();
  // Cut right before the definition text too: a package always ends in one.
  for (size_t cut = 0; cut <= textStart; ++cut) {
    Bytes part(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_EQ(ErrorOf(part), "Stream read error") << "cut at " << cut;
  }
  Bytes oneByte(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(textStart + 1));
  EXPECT_EQ(ErrorOf(oneByte), "no error");
}

TEST(SkinPackage, BadPictureSizesAndCounts) {
  auto withMain = [](const Bytes& bmp) {
    Bytes b;
    AppendInt(b, 3);
    b.push_back(0);
    Append(b, bmp);
    b.insert(b.end(), {1, 1, 0, 0, 0, 0});
    AppendText(b, "[a]");
    return b;
  };
  auto setSize = [](Bytes bmp, std::uint32_t size) {
    for (int i = 0; i < 4; ++i) bmp[2 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    return bmp;
  };
  Bytes bmp = MakeBmp(5, 5, 8);
  EXPECT_EQ(ErrorOf(withMain(bmp)), "no error");
  EXPECT_EQ(ErrorOf(withMain(setSize(bmp, static_cast<std::uint32_t>(bmp.size()) + 7))),
            "Stream read error");
  EXPECT_EQ(ErrorOf(withMain(setSize(bmp, 0xFFFFFFF0u))), "Bitmap image is not valid");
  EXPECT_EQ(ErrorOf(withMain(setSize(bmp, 0x7FFFFFFFu))), "Stream read error");
  EXPECT_EQ(ErrorOf(withMain(setSize(bmp, 0))), "Bitmap image is not valid");
  EXPECT_EQ(ErrorOf(withMain(setSize(bmp, 13))), "Bitmap image is not valid");
  Bytes notBm = bmp;
  notBm[0] = 'X';
  EXPECT_EQ(ErrorOf(withMain(notBm)), "Bitmap image is not valid");

  // A huge count fails at the first picture that is not there.
  Bytes huge;
  AppendInt(huge, 3);
  huge.insert(huge.end(), {1, 1, 1});
  AppendInt(huge, 0x7FFFFFFF);
  Append(huge, MakeBmp(1, 1, 1));
  EXPECT_EQ(ErrorOf(huge), "Stream read error");

  // The writer refuses a picture whose end the reader could not find.
  TsfSkinPackage p;
  p.ActivePictures = {setSize(bmp, 60)};
  EXPECT_THROW(WriteSkinPackage(p), EInvalidGraphic);
}

TEST(SkinPackage, ZlibErrorsAndTheInflateCap) {
  Bytes packed = PackSkinPackage(SamplePackage());
  auto message = [](const Bytes& b, size_t limit = kMaxInflatedSize) {
    try {
      ZDecompress(b, limit);
    } catch (const EDecompressionError& e) {
      return e.Message();
    }
    return std::string("no error");
  };
  Bytes corrupt = packed;
  corrupt[packed.size() / 2] ^= 0x55;
  corrupt[packed.size() / 2 + 1] ^= 0xAA;
  EXPECT_EQ(message(corrupt), "compression error");
  EXPECT_EQ(message(Bytes(packed.begin(), packed.end() - 5)), "compression error");
  EXPECT_EQ(message(Bytes()), "compression error");
  EXPECT_EQ(message(Bytes{1, 2, 3, 4, 5, 6}), "compression error");

  Bytes zeros(1 << 20, 0);
  Bytes bomb = ZCompress(zeros);
  EXPECT_LT(bomb.size(), 2000u);
  EXPECT_EQ(ZDecompress(bomb, zeros.size()), zeros);
  EXPECT_NE(message(bomb, zeros.size() - 1), "no error");
  EXPECT_NE(message(bomb, zeros.size() - 1), "compression error");

  Bytes trailing = packed;
  trailing.insert(trailing.end(), {9, 9, 9});
  EXPECT_EQ(ZDecompress(trailing), WriteSkinPackage(SamplePackage()));
}

TEST(CompressedStoredSkin, StreamRoundTripAndBadHeaders) {
  TComponent owner(nullptr);
  auto* skin = new TsfCompressedStoredSkin(&owner);
  EXPECT_TRUE(skin->IsEmpty());
  skin->SetCompressedData(PackSkinPackage(SamplePackage()));
  EXPECT_FALSE(skin->IsEmpty());

  std::stringstream stream;
  skin->WriteCompressedStream(stream);
  std::string written = stream.str();
  ASSERT_EQ(written.size(), 8 + skin->PackedBytes().size());
  EXPECT_EQ(written.substr(0, 4), std::string("\x03\0\0\0", 4));

  TsfCompressedStoredSkin copy(nullptr);
  stream.seekg(0, std::ios::end);  // reading starts over at the beginning
  copy.ReadCompressedStream(stream);
  EXPECT_EQ(copy.PackedBytes(), skin->PackedBytes());

  auto read = [&](std::string header) {
    std::stringstream s(header + written.substr(8));
    copy.SetCompressedData({1, 2, 3});
    try {
      copy.ReadCompressedStream(s);
    } catch (const EsfReadError& e) {
      EXPECT_TRUE(copy.IsEmpty());
      return e.Message();
    }
    return std::string(copy.IsEmpty() ? "empty" : "read");
  };
  EXPECT_EQ(read(written.substr(0, 8)), "read");
  EXPECT_EQ(read(std::string("\x04\0\0\0", 4) + written.substr(4, 4)), "empty");
  EXPECT_EQ(read(std::string("\x03\0\0\0\xff\xff\xff\x7f", 8)), "Stream read error");
  EXPECT_EQ(read(std::string("\x03\0\0\0\xff\xff\xff\xff", 8)), "Stream read error");
  EXPECT_EQ(read(std::string("\x03\0", 2)), "Stream read error");
}

TEST(CompressedStoredSkin, CompressedFileAndBuildingFromAFolder) {
  TTempFolder folder("skin_data_tests_build");
  Bytes main = MakeBmp(15, 12, 8, 1), mask = MakeBmp(15, 12, 1, 2), a0 = MakeBmp(8, 8, 24, 3);
  Bytes a1 = MakeBmp(4, 4, 8, 4);
  for (int i = 2; i < 6; ++i) a1[static_cast<size_t>(i)] = 0;  // bfSize left 0 by its writer
  folder.Write("main.bmp", main);
  folder.Write("mask.bmp", mask);
  folder.Write("a0.bmp", a0);
  folder.Write("a1.bmp", a1);
  const std::string ini =
      "[VERSION]\r\nskinname=t\r\n[PICTURES]\r\npicture=main.bmp\r\ninactivepicture=\r\n"
      "mask=mask.bmp\r\nactivepicturescount=2\r\n0=a0.bmp\r\n1=a1.bmp\r\n[FORMINFO]\r\n"
      "[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\ncount=0";
  folder.Write("skin.ini", ini);

  TsfCompressedStoredSkin skin(nullptr);
  skin.BuildFromIniFile(folder.Path() / "skin.ini");
  auto p = UnpackSkinPackage(skin.PackedBytes());
  ASSERT_TRUE(p);
  EXPECT_EQ(p->MainPicture, main);
  EXPECT_FALSE(p->InactivePicture);
  EXPECT_EQ(p->MaskPicture, mask);
  ASSERT_EQ(p->ActivePictures.size(), 2u);
  EXPECT_EQ(p->ActivePictures[0], a0);
  EXPECT_EQ(p->ActivePictures[1], MakeBmp(4, 4, 8, 4));
  EXPECT_EQ(SplitSkinLines(p->DefinitionText), SplitSkinLines(ini));
  EXPECT_EQ(p->DefinitionText.substr(p->DefinitionText.size() - 9), "count=0\r\n");

  // A compressed skin file carries the same stream.
  std::stringstream stream;
  skin.WriteCompressedStream(stream);
  folder.Write("skin.skn", stream.str());
  TsfCompressedStoredSkin fromFile(nullptr);
  fromFile.ReadCompressedFile(folder.Path() / "skin.skn");
  EXPECT_EQ(fromFile.PackedBytes(), skin.PackedBytes());
  EXPECT_THROW(fromFile.ReadCompressedFile(folder.Path() / "none.skn"), EsfFileOpenError);
  EXPECT_TRUE(fromFile.IsEmpty());

  // Without one of the five sections nothing changes; a missing picture empties.
  Bytes before = skin.PackedBytes();
  folder.Write("partial.ini", ini.substr(0, ini.find("[SKINCONTROLS]")));
  skin.BuildFromIniFile(folder.Path() / "partial.ini");
  EXPECT_EQ(skin.PackedBytes(), before);
  std::filesystem::remove(folder.Path() / "a1.bmp");
  try {
    skin.BuildFromIniFile(folder.Path() / "skin.ini");
    FAIL() << "no error";
  } catch (const EsfFileOpenError& e) {
    EXPECT_NE(e.Message().find("Cannot open file \""), std::string::npos);
    EXPECT_NE(e.Message().find("a1.bmp"), std::string::npos);
  }
  EXPECT_TRUE(skin.IsEmpty());
}

TEST(CompressedStoredSkin, RunTimeSettersOnlyStore) {
  TComponent owner(nullptr);
  auto* skin = new TsfCompressedStoredSkin(&owner);
  skin->SetFileName("C:\\skins\\skin.ini");
  skin->SetCompressedFileName("x.skn");
  skin->SetDescription("d");
  EXPECT_EQ(skin->FileName(), "C:\\skins\\skin.ini");
  EXPECT_EQ(skin->CompressedFileName(), "x.skn");
  EXPECT_TRUE(skin->IsEmpty());
  EXPECT_EQ(owner.ComponentCount(), 1);
}
