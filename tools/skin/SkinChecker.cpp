#include "SkinChecker.h"

#include <map>
#include <set>

#include "skin/data/sfIniFile.h"
#include "skin/data/sfSkinDefinition.h"
#include "skin/data/sfSkinValues.h"
#include "skin/data/sfText.h"
#include "ui/BmpCodec.h"

namespace {

struct TSize {
  bool Present = false;
  int W = 0, H = 0;
};

// What a rectangle or point of a definition is measured in.
enum class TSpace { Picture, Main, Skin, Item, Frame, FixedCell, Cell, RollH, RollV };

bool EndsWith(const std::string& s, const char* end) {
  const std::string e(end);
  return s.size() >= e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0;
}

bool IsRectKey(const std::string& key) {
  return EndsWith(key, "rect") || EndsWith(key, "area") || key == "disableskinrsect";
}

// Control definitions: the places of parts inside the control are relative to
// skinrect, the texts of items to their item image, everything else is an image in
// the control's picture.
TSpace ControlSpace(const std::string& kind, const std::string& key) {
  static const std::set<std::string> skin = {
      "clientrect", "trackarea", "captionrect", "checkimagearea", "textarea", "progressarea",
      "itemsrect", "trackbuttonrect", "checkbuttonrect", "upbuttonrect", "downbuttonrect",
      "hrollbuttonrect", "vrollbuttonrect"};
  // In a combo box or an edit the down button is the pressed image, not a place.
  const bool field = kind == "combobox" || kind == "edit" || kind == "memo";
  if ((key == "downbuttonrect" || key == "upbuttonrect") && field) return TSpace::Picture;
  if (EndsWith(key, "point") || skin.count(key)) return TSpace::Skin;
  if (key == "buttonrect") return kind == "trackbar" ? TSpace::Picture : TSpace::Skin;
  if (key == "closebuttonrect") return kind == "expanel" ? TSpace::Skin : TSpace::Picture;
  if (key == "hrestorebuttonrect" || key == "rollhcaptionrect") return TSpace::RollH;
  if (key == "vrestorebuttonrect" || key == "rollvcaptionrect") return TSpace::RollV;
  if (key == "itemtextrect" || key == "itemcheckrect") return TSpace::Item;
  if (key == "frametextrect") return TSpace::Frame;
  if (key == "fixedcelltextrect") return TSpace::FixedCell;
  if (key == "celltextrect") return TSpace::Cell;
  return TSpace::Picture;
}

class TChecker {
 public:
  explicit TChecker(const TsfSkinPackage& p) : FPackage(p), FIni(p.DefinitionText) {}
  TSkinCheckResult Run();

 private:
  void Problem(const std::string& text) { FResult.Problems.push_back(text); }
  TSize Decode(const std::string& role, const std::optional<TsfBmpBytes>& bmp);
  void ReadKeys();
  void DefinitionReads();
  TSize PictureIndex(const std::string& section, const char* key, int defaultValue);
  bool ReadRectKey(const std::string& section, const std::string& key, TRect& r);
  void Inside(const std::string& section, const std::string& key, const TRect& r, TSize in,
              const char* of);
  void PointInside(const std::string& section, const std::string& key, TSize in, const char* of);
  void FormInfo();
  void Window(const char* section);
  void Objects();
  void Controls();
  TRect SectionRect(const std::string& section, const char* key);
  TSize SizeOf(const TRect& r) const { return {true, r.Width(), r.Height()}; }

  const TsfSkinPackage& FPackage;
  TsfIniFile FIni;
  TSize FMain, FMask;
  std::vector<TSize> FActive;
  std::map<std::string, std::vector<std::string>> FKeys;  // folded section -> its keys
  TSkinCheckResult FResult;
};

TSize TChecker::Decode(const std::string& role, const std::optional<TsfBmpBytes>& bmp) {
  if (!bmp) return {};
  try {
    TBmpImage image = DecodeBmp(bmp->data(), bmp->size());
    ++FResult.Pictures;
    return {true, image.Width, image.Height};
  } catch (const Exception& e) {
    Problem("the " + role + " does not decode: " + e.Message());
    return {};
  }
}

// The key names of every section, first occurrences only, as the reader sees them.
void TChecker::ReadKeys() {
  std::vector<std::string>* keys = nullptr;
  std::set<std::string> seenSections, seenKeys;
  for (const std::string& line : FIni.Lines()) {
    if (!line.empty() && line.front() == '[') {
      std::string name = sf::FoldCase(line.substr(1, line.size() - 2));
      keys = seenSections.insert(name).second ? &FKeys[name] : nullptr;
      seenKeys.clear();
    } else if (keys && line.find('=') != std::string::npos) {
      std::string key = sf::FoldCase(sf::Trim(line.substr(0, line.find('='))));
      if (seenKeys.insert(key).second) keys->push_back(key);
    }
  }
}

void TChecker::DefinitionReads() {
  try {
    TsfSkinDefinition definition;
    definition.ReadDefinition(FIni);
  } catch (const Exception& e) {
    Problem("the definition does not read as the program reads it: " + e.Message());
  }
}

TSize TChecker::PictureIndex(const std::string& section, const char* key, int defaultValue) {
  int index = FIni.ReadInteger(section, key, defaultValue);
  if (index == -1) return {};
  if (index < -1 || index >= static_cast<int>(FActive.size())) {
    Problem(Format("[%s] %s=%d names no picture: the package has %d active pictures",
                   section.c_str(), key, index, static_cast<int>(FActive.size())));
    return {};
  }
  return FActive[static_cast<size_t>(index)];
}

bool TChecker::ReadRectKey(const std::string& section, const std::string& key, TRect& r) {
  try {
    r = ReadRect(FIni, section, key);
  } catch (const Exception& e) {
    Problem("[" + section + "] " + key + ": " + e.Message());
    return false;
  }
  if (r.Right < r.Left || r.Bottom < r.Top) {
    Problem("[" + section + "] " + key + "=" + RectToStr(r) + " is reversed");
    return false;
  }
  return !r.IsEmpty();
}

void TChecker::Inside(const std::string& section, const std::string& key, const TRect& r,
                      TSize in, const char* of) {
  ++FResult.Places;
  if (!in.Present) {
    Problem("[" + section + "] " + key + "=" + RectToStr(r) + " lies in " + of +
            ", which does not exist");
  } else if (r.Left < 0 || r.Top < 0 || r.Right > in.W || r.Bottom > in.H) {
    Problem(Format("[%s] %s=%s reaches outside %s (%d x %d)", section.c_str(), key.c_str(),
                   RectToStr(r).c_str(), of, in.W, in.H));
  }
}

void TChecker::PointInside(const std::string& section, const std::string& key, TSize in,
                           const char* of) {
  TPoint p;
  try {
    p = ReadPoint(FIni, section, key);
  } catch (const Exception& e) {
    Problem("[" + section + "] " + key + ": " + e.Message());
    return;
  }
  if (p.x == 0 && p.y == 0) return;
  ++FResult.Places;
  if (in.Present && (p.x > in.W || p.y > in.H))
    Problem(Format("[%s] %s=%s lies outside %s (%d x %d)", section.c_str(), key.c_str(),
                   PointToStr(p).c_str(), of, in.W, in.H));
}

TRect TChecker::SectionRect(const std::string& section, const char* key) {
  try {
    return ReadRect(FIni, section, key);
  } catch (const Exception&) {
    return {};  // reported where the key itself is checked
  }
}

void TChecker::FormInfo() {
  // The frame is cut to the mask as the main picture is cut into its parts.
  if (FMain.Present && FMask.Present && (FMask.W != FMain.W || FMask.H != FMain.H))
    Problem(Format("the mask picture is %d x %d, the main picture %d x %d", FMask.W, FMask.H,
                   FMain.W, FMain.H));
  PictureIndex("FORMINFO", "bgpictureindex", -1);
  PictureIndex("FORMINFO", "mdibgpictureindex", -1);
  for (const std::string& key : FKeys["forminfo"]) {
    TRect r;
    if (EndsWith(key, "point"))
      PointInside("FORMINFO", key, FMain, "the main picture");
    else if (IsRectKey(key) && ReadRectKey("FORMINFO", key, r))
      Inside("FORMINFO", key, r, FMain, "the main picture");
  }
}

void TChecker::Window(const char* section) {
  TSize picture = PictureIndex(section, "windowpictureindex", -1);
  PictureIndex(section, "maskpictureindex", -1);
  if (!picture.Present) return;
  for (const std::string& key : FKeys[sf::FoldCase(section)]) {
    TRect r;
    if (EndsWith(key, "point"))
      PointInside(section, key, picture, "the window picture");
    else if (IsRectKey(key) && ReadRectKey(section, key, r))
      Inside(section, key, r, picture, "the window picture");
  }
}

void TChecker::Objects() {
  for (const auto& [index, entry] :
       FIni.ReadNumberedKeys("SKINOBJECTS", FIni.ReadInteger("SKINOBJECTS", "count", 0))) {
    size_t colon = entry.find(':');
    if (colon == std::string::npos) continue;
    const std::string name = entry.substr(0, colon), kind = entry.substr(colon + 1);
    TSize active = PictureIndex(name, "activepictureindex", -1);
    bool inPicture = kind == "menuitem" || FIni.ReadBool(name, "skinrectinapicture", false);
    TSize skin = SizeOf(SectionRect(name, "skinrect"));
    for (const std::string& key : FKeys[sf::FoldCase(name)]) {
      TRect r;
      if (!IsRectKey(key) || !ReadRectKey(name, key, r)) continue;
      if (key == "skinrect" && (!inPicture || kind == "userobject"))
        Inside(name, key, r, FMain, "the main picture");
      else if (key == "textrect" || key == "imagerect")
        Inside(name, key, r, skin, "its skinrect");
      else if (key == "frametextrect")
        Inside(name, key, r, SizeOf(SectionRect(name, "framerect")), "its framerect");
      else
        Inside(name, key, r, active, "its active picture");
    }
  }
}

void TChecker::Controls() {
  for (const auto& [index, entry] :
       FIni.ReadNumberedKeys("SKINCONTROLS", FIni.ReadInteger("SKINCONTROLS", "count", 0))) {
    size_t colon = entry.find(':');
    if (colon == std::string::npos) continue;
    const std::string name = entry.substr(0, colon), kind = entry.substr(colon + 1);
    TSize picture = PictureIndex(name, "pictureindex", -1);
    PictureIndex(name, "maskpictureindex", -1);
    PictureIndex(name, "bgpictureindex", -1);
    const std::map<TSpace, std::pair<TSize, const char*>> spaces = {
        {TSpace::Picture, {picture, "its picture"}},
        {TSpace::Skin, {SizeOf(SectionRect(name, "skinrect")), "its skinrect"}},
        {TSpace::Item, {SizeOf(SectionRect(name, "itemrect")), "its itemrect"}},
        {TSpace::Frame, {SizeOf(SectionRect(name, "framerect")), "its framerect"}},
        {TSpace::FixedCell, {SizeOf(SectionRect(name, "fixedcellrect")), "its fixedcellrect"}},
        {TSpace::Cell, {SizeOf(SectionRect(name, "selectcellrect")), "its selectcellrect"}},
        {TSpace::RollH, {SizeOf(SectionRect(name, "rollhskinrect")), "its rollhskinrect"}},
        {TSpace::RollV, {SizeOf(SectionRect(name, "rollvskinrect")), "its rollvskinrect"}}};
    for (const std::string& key : FKeys[sf::FoldCase(name)]) {
      const auto& [size, of] = spaces.at(ControlSpace(kind, key));
      TRect r;
      if (EndsWith(key, "point"))
        PointInside(name, key, size, of);
      else if (IsRectKey(key) && ReadRectKey(name, key, r))
        Inside(name, key, r, size, of);
    }
  }
}

TSkinCheckResult TChecker::Run() {
  FMain = Decode("main picture", FPackage.MainPicture);
  Decode("inactive picture", FPackage.InactivePicture);
  FMask = Decode("mask picture", FPackage.MaskPicture);
  for (size_t i = 0; i < FPackage.ActivePictures.size(); ++i)
    FActive.push_back(Decode(Format("active picture %d", static_cast<int>(i)),
                             FPackage.ActivePictures[i]));
  ReadKeys();
  DefinitionReads();
  FormInfo();
  Window("POPUPWINDOW");
  Window("HINTWINDOW");
  Objects();
  Controls();
  return FResult;
}

}  // namespace

TSkinCheckResult CheckSkin(const TsfSkinPackage& package) { return TChecker(package).Run(); }
