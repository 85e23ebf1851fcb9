// skinpaint: draws the pictures of one of our skins into its folder, each image where
// skin.ini places it, in the look its [VERSION] skinname chooses, and writes them as
// the BMP files [PICTURES] names.
//
//   skinpaint <skin folder> [--preview <picture.bmp>]
//
// The preview shows the pictures cut and resized as the program does, in one window.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <tuple>

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

const TSkinCanvas& Write24(const std::filesystem::path& folder, const std::string& name, const TSkinCanvas& c) {
  std::vector<std::uint8_t> file = EncodeBmp(c.Image(), 24);
  Write(folder / name, file);
  Report(name, c, 24, "", file.size());
  return c;
}

void WriteMask(const std::filesystem::path& folder, const std::string& name, const TSkinCanvas& c) {
  TBmpImage image = c.Image();
  image.Palette = {0x000000, 0xFFFFFF};
  std::vector<std::uint8_t> file = EncodeBmp(image, 1);
  Write(folder / name, file);
  Report(name, c, 1, "", file.size());
}

// What each active picture holds, found by the definition's references to it.
enum class TRole { Caption, Popup, MenuItems, Hint, Controls, MdiBackground, ClientBackground, ToolBarBackground };

std::map<int, TRole> Roles(const TsfIniFile& ini) {
  const std::tuple<const char*, const char*, TRole> references[] = {
      {"closebutton", "activepictureindex", TRole::Caption},   {"POPUPWINDOW", "windowpictureindex", TRole::Popup},
      {"menuitem", "activepictureindex", TRole::MenuItems},    {"HINTWINDOW", "windowpictureindex", TRole::Hint},
      {"button", "pictureindex", TRole::Controls},             {"FORMINFO", "mdibgpictureindex", TRole::MdiBackground},
      {"FORMINFO", "bgpictureindex", TRole::ClientBackground}, {"toolpanel", "bgpictureindex", TRole::ToolBarBackground}};
  std::map<int, TRole> roles;
  for (const auto& [section, key, role] : references) {
    const int index = ini.ReadInteger(section, key, -1);
    if (index < 0) continue;
    if (!roles.emplace(index, role).second)
      throw Exception(Format("[%s] %s=%d names a picture that holds other images", section, key, index));
  }
  return roles;
}

void Paint(const std::filesystem::path& folder, const std::filesystem::path& preview) {
  std::vector<std::uint8_t> raw = LoadSkinFileBytes(folder / "skin.ini");
  TsfIniFile ini(std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size()));
  const TSkinLayout layout(ini, look::LookOf(ini));
  auto name = [&](const std::string& key) {
    std::string n = ini.ReadString("PICTURES", key, "");
    if (n.empty()) throw Exception("[PICTURES] names no " + key);
    return n;
  };
  const int mainColours = layout.Look().MainColours;
  const TSkinCanvas mainFile = Write8(folder, name("picture"), PaintMainPicture(layout), mainColours);
  const TSkinCanvas mask = PaintMaskPicture(layout);
  WriteMask(folder, name("mask"), mask);
  std::optional<TSkinCanvas> inactive;
  if (!ini.ReadString("PICTURES", "inactivepicture", "").empty())
    inactive = Write8(folder, name("inactivepicture"), PaintInactivePicture(layout), mainColours);
  // Active pictures in index order; the definition refers to them by these numbers.
  const std::map<int, TRole> roles = Roles(ini);
  std::map<TRole, TSkinCanvas> drawn;
  const int count = ini.ReadInteger("PICTURES", "activepicturescount", 0);
  for (int k = 0; k < count; ++k) {
    const auto role = roles.find(k);
    if (role == roles.end()) throw Exception(Format("active picture %d holds no image this generator draws", k));
    const std::string file = name(std::to_string(k));
    switch (role->second) {
      case TRole::Caption:
        drawn.emplace(role->second, Write8(folder, file, PaintCaptionButtons(layout), 256, TitleBarColours(layout)));
        break;
      case TRole::Popup: drawn.emplace(role->second, Write8(folder, file, PaintPopupWindow(layout), 256)); break;
      case TRole::MenuItems: drawn.emplace(role->second, Write8(folder, file, PaintMenuItems(layout), 256)); break;
      case TRole::Hint: Write24(folder, file, PaintHintWindow(layout)); break;
      case TRole::Controls: drawn.emplace(role->second, Write24(folder, file, PaintControls(layout))); break;
      case TRole::MdiBackground: Write24(folder, file, PaintMdiBackground(layout)); break;
      case TRole::ClientBackground: drawn.emplace(role->second, Write24(folder, file, PaintClientBackground(layout))); break;
      case TRole::ToolBarBackground: drawn.emplace(role->second, Write24(folder, file, PaintToolBarBackground(layout))); break;
    }
  }
  if (preview.empty()) return;
  auto picture = [&](TRole role) -> const TSkinCanvas& {
    auto p = drawn.find(role);
    if (p == drawn.end()) throw Exception("the preview needs a picture the definition does not name");
    return p->second;
  };
  auto optional = [&](TRole role) -> const TSkinCanvas* {
    auto p = drawn.find(role);
    return p == drawn.end() ? nullptr : &p->second;
  };
  const TSkinPictures pictures{mainFile, mask, picture(TRole::Caption), picture(TRole::Popup),
                               picture(TRole::MenuItems), picture(TRole::Controls),
                               inactive ? &*inactive : nullptr, optional(TRole::ClientBackground),
                               optional(TRole::ToolBarBackground)};
  Write(preview, EncodeBmp(PaintPreview(layout, pictures).Image(), 24));
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
