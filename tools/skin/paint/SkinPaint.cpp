// skinpaint: draws the pictures of our skin into its folder, each image where skin.ini
// places it, and writes them as the BMP files [PICTURES] names.
//
//   skinpaint <skin folder> [--preview <picture.bmp>]
//
// The preview shows the pictures cut and resized as the program does, in one window.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "ControlPainter.h"
#include "FramePictures.h"
#include "PaletteBmp.h"
#include "SkinLook.h"
#include "SkinPreview.h"
#include "skin/data/sfCompressedStoredSkin.h"

namespace {

void Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw Exception("Unable to write to " + path.string());
}

void Report(const std::string& name, const TSkinCanvas& c, int bits, const std::string& colours,
            size_t size) {
  std::printf("%-16s %3d x %-3d %2d bits %-22s %7zu bytes\n", name.c_str(), c.Width(), c.Height(), bits,
              colours.c_str(), size);
}

// The picture as its file holds it, for the preview: reduced colours show there.
TSkinCanvas Decoded(const std::vector<std::uint8_t>& file) {
  TBmpImage image = DecodeBmp(file.data(), file.size());
  TSkinCanvas c(image.Width, image.Height, 0);
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x) c.SetPixel(x, y, image.At(x, y) & 0xFFFFFF);
  return c;
}

// An 8-bit picture: its colour table has exactly `entries` entries.
TSkinCanvas Write8(const std::filesystem::path& folder, const std::string& name, const TSkinCanvas& c,
                   int entries, const std::vector<TRgb>& keep = {}) {
  TPaletteBmp bmp = EncodeBmp8(c.Image(), entries, keep);
  Write(folder / name, bmp.File);
  Report(name, c, 8, std::to_string(bmp.Colours) + (bmp.Exact ? " colours" : " colours, reduced"),
         bmp.File.size());
  return Decoded(bmp.File);
}

void Write24(const std::filesystem::path& folder, const std::string& name, const TSkinCanvas& c) {
  std::vector<std::uint8_t> file = EncodeBmp(c.Image(), 24);
  Write(folder / name, file);
  Report(name, c, 24, "", file.size());
}

void WriteMask(const std::filesystem::path& folder, const std::string& name, const TSkinCanvas& c) {
  TBmpImage image = c.Image();
  image.Palette = {0x000000, 0xFFFFFF};
  std::vector<std::uint8_t> file = EncodeBmp(image, 1);
  Write(folder / name, file);
  Report(name, c, 1, "", file.size());
}

void Paint(const std::filesystem::path& folder, const std::filesystem::path& preview) {
  std::vector<std::uint8_t> raw = LoadSkinFileBytes(folder / "skin.ini");
  TsfIniFile ini(std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size()));
  TSkinLayout layout(ini);
  auto name = [&](const char* key) {
    std::string n = ini.ReadString("PICTURES", key, "");
    if (n.empty()) throw Exception(std::string("[PICTURES] names no ") + key);
    return n;
  };
  const TSkinCanvas main = PaintMainPicture(layout), mask = PaintMaskPicture(layout),
                    caption = PaintCaptionButtons(layout), popup = PaintPopupWindow(layout),
                    items = PaintMenuItems(layout), controls = PaintControls(layout);
  const TSkinCanvas mainFile = Write8(folder, name("picture"), main, 117);
  WriteMask(folder, name("mask"), mask);
  // Active pictures in index order; the definition refers to them by these numbers.
  const TSkinCanvas captionFile = Write8(folder, name("0"), caption, 256, TitleBarColours(layout));
  const TSkinCanvas popupFile = Write8(folder, name("1"), popup, 256);
  const TSkinCanvas itemsFile = Write8(folder, name("2"), items, 256);
  Write24(folder, name("3"), PaintHintWindow(layout));
  Write24(folder, name("4"), controls);
  Write24(folder, name("5"), PaintMdiBackground());
  if (!preview.empty())
    Write(preview, EncodeBmp(PaintPreview(layout, {mainFile, mask, captionFile, popupFile, itemsFile, controls}).Image(), 24));
}

}  // namespace

int main(int argc, char** argv) {
  const bool preview = argc == 4 && std::string(argv[2]) == "--preview";
  if (argc != 2 && !preview) {
    std::cerr << "usage: skinpaint <skin folder> [--preview <picture.bmp>]\n";
    return 2;
  }
  try {
    Paint(argv[1], preview ? argv[3] : "");
  } catch (const Exception& e) {
    std::cerr << "skinpaint: " << e.Message() << "\n";
    return 1;
  }
  return 0;
}
