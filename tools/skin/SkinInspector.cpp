#include "SkinInspector.h"

#include <cstdarg>
#include <cstdio>
#include <ostream>
#include <string>

#include "skin/data/sfDataSkinControl.h"
#include "skin/data/sfDataSkinObject.h"
#include "skin/data/sfIniFile.h"
#include "skin/data/sfSkinValues.h"
#include "ui/BmpCodec.h"

namespace {

std::string Line(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Line(const char* format, ...) {
  char buffer[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return std::string(buffer) + "\n";
}

std::string PictureSummary(const TsfBmpBytes& bmp) {
  try {
    TBmpImage image = DecodeBmp(bmp.data(), bmp.size());
    std::string depth = Format("%d bit%s", image.SourceBitCount, image.SourceBitCount == 1 ? "" : "s");
    if (!image.Palette.empty()) depth += Format(" (%d colours)", static_cast<int>(image.Palette.size()));
    return Format("%4d x %-4d %-18s %7d bytes", image.Width, image.Height, depth.c_str(),
                  static_cast<int>(bmp.size()));
  } catch (const Exception& e) {
    return "does not decode: " + e.Message();
  }
}

void Picture(std::ostream& out, const char* role, const std::string& name,
             const std::optional<TsfBmpBytes>& bmp) {
  if (!bmp)
    out << Line("  %-18s %-16s none", role, name.empty() ? "-" : name.c_str());
  else
    out << Line("  %-18s %-16s %s", role, name.c_str(), PictureSummary(*bmp).c_str());
}

// The "name:kind" entries of [SKINOBJECTS] or [SKINCONTROLS], as the skin data reads
// them; entries it would skip are shown as such.
template <class Create>
void Entries(std::ostream& out, const TsfIniFile& ini, const char* section, const char* title,
             Create create) {
  auto entries = ini.ReadNumberedKeys(section, ini.ReadInteger(section, "count", 0));
  out << Line("%s (%d):", title, static_cast<int>(entries.size()));
  for (const auto& [index, entry] : entries) {
    size_t colon = entry.find(':');
    std::string name = colon == std::string::npos ? entry : entry.substr(0, colon);
    std::string kind = colon == std::string::npos ? "" : entry.substr(colon + 1);
    bool known = colon != std::string::npos && create(kind);
    out << Line("  %3d %-24s %s%s", index, name.c_str(), kind.c_str(),
                known ? "" : "   (not a known kind: skipped)");
  }
}

}  // namespace

void InspectSkin(const TLoadedSkin& skin, std::ostream& out) {
  const TsfSkinPackage& p = skin.Package;
  out << Line("form: %s", SkinSourceKindName(skin.Kind));
  if (!skin.ZlibStream.empty())
    out << Line("zlib stream: %d bytes (%02X %02X), inflating to %d bytes",
                static_cast<int>(skin.ZlibStream.size()), skin.ZlibStream[0], skin.ZlibStream[1],
                static_cast<int>(skin.PackageSize));
  else
    out << Line("package: %d bytes", static_cast<int>(skin.PackageSize));
  out << Line("version: %d", p.Version);

  TsfIniFile ini(p.DefinitionText);
  std::vector<std::string> names = ReadNumberedList(ini, "PICTURES", "activepictures");
  out << "pictures:\n";
  Picture(out, "main picture", ini.ReadString("PICTURES", "picture", ""), p.MainPicture);
  Picture(out, "inactive picture", ini.ReadString("PICTURES", "inactivepicture", ""), p.InactivePicture);
  Picture(out, "mask picture", ini.ReadString("PICTURES", "mask", ""), p.MaskPicture);
  for (size_t i = 0; i < p.ActivePictures.size(); ++i)
    Picture(out, Format("active picture %d", static_cast<int>(i)).c_str(),
            i < names.size() ? names[i] : "", p.ActivePictures[i]);

  out << Line("definition text: %d bytes at offset %d, %d lines, %d sections",
              static_cast<int>(p.DefinitionText.size()),
              static_cast<int>(skin.PackageSize - p.DefinitionText.size()),
              static_cast<int>(SplitSkinLines(p.DefinitionText).size()),
              static_cast<int>(ini.SectionNames().size()));
  Entries(out, ini, "SKINOBJECTS", "skin objects",
          [](const std::string& kind) { return CreateSkinObject(kind, "") != nullptr; });
  Entries(out, ini, "SKINCONTROLS", "control definitions",
          [](const std::string& kind) { return CreateSkinControl(kind, "") != nullptr; });
}
