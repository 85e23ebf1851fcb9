#include "sfDataSkinObject.h"

#include <typeinfo>

namespace {

constexpr const char* kSkinObjects = "SKINOBJECTS";

TRect OrIfEmpty(const TRect& r, const TRect& fallback) { return r.IsEmpty() ? fallback : r; }

struct TKind {
  const char* Name;
  std::unique_ptr<TsfDataSkinObject> (*Create)(std::string);
  const std::type_info& Type;
};

template <class T>
std::unique_ptr<TsfDataSkinObject> Make(std::string name) {
  return std::make_unique<T>(std::move(name));
}

const TKind kKinds[] = {
    {"menuitem", Make<TsfDataSkinMenuItem>, typeid(TsfDataSkinMenuItem)},
    {"mainmenubaritem", Make<TsfDataSkinMainMenuBarItem>, typeid(TsfDataSkinMainMenuBarItem)},
    {"stdbutton", Make<TsfDataSkinStdButton>, typeid(TsfDataSkinStdButton)},
    {"mainmenubarbutton", Make<TsfDataSkinMainMenuBarButton>,
     typeid(TsfDataSkinMainMenuBarButton)},
    {"button", Make<TsfDataSkinButton>, typeid(TsfDataSkinButton)},
    {"caption", Make<TsfDataSkinCaption>, typeid(TsfDataSkinCaption)},
    {"animate", Make<TsfDataSkinAnimate>, typeid(TsfDataSkinAnimate)},
    {"userobject", Make<TsfDataUserObject>, typeid(TsfDataUserObject)},
};

}  // namespace

void TsfDataSkinObject::ReadDefinition(const TsfIniFile& ini) {
  const std::string& s = IDName;
  hint = ini.ReadString(s, "hint", "");
  activepictureindex = ini.ReadInteger(s, "activepictureindex", -1);
  skinrectinapicture = ini.ReadBool(s, "skinrectinapicture", false);
  skinrect = ReadRect(ini, s, "skinrect");
  activeskinrect = ReadRect(ini, s, "activeskinrect");
  inactiveskinrect = ReadRect(ini, s, "inactiveskinrect");
  morphing = ini.ReadBool(s, "morphing", false);
  morphkind = ReadMorphKind(ini, s, "morphkind");
}

void TsfDataSkinObject::WriteDefinition(TsfIniFile& ini) const {
  const std::string& s = IDName;
  ini.EraseSection(s);
  ini.WriteString(s, "hint", hint);
  ini.WriteInteger(s, "activepictureindex", activepictureindex);
  ini.WriteBool(s, "skinrectinapicture", skinrectinapicture);
  WriteRect(ini, s, "skinrect", skinrect);
  WriteRect(ini, s, "activeskinrect", activeskinrect);
  WriteRect(ini, s, "inactiveskinrect", inactiveskinrect);
  ini.WriteBool(s, "morphing", morphing);
  WriteMorphKind(ini, s, "morphkind", morphkind);
}

void TsfDataUserObject::ReadDefinition(const TsfIniFile& ini) {
  skinrect = ReadRect(ini, IDName, "skinrect");
}

void TsfDataUserObject::WriteDefinition(TsfIniFile& ini) const {
  ini.EraseSection(IDName);
  WriteRect(ini, IDName, "skinrect", skinrect);
}

void TsfDataSkinButton::ReadDefinition(const TsfIniFile& ini) {
  TsfDataSkinObject::ReadDefinition(ini);
  downrect = ReadRect(ini, IDName, "downrect");
  disableskinrsect = ReadRect(ini, IDName, "disableskinrsect");
}

void TsfDataSkinButton::WriteDefinition(TsfIniFile& ini) const {
  TsfDataSkinObject::WriteDefinition(ini);
  WriteRect(ini, IDName, "downrect", downrect);
  WriteRect(ini, IDName, "disableskinrsect", disableskinrsect);
}

void TsfDataSkinStdButton::ReadDefinition(const TsfIniFile& ini) {
  TsfDataSkinButton::ReadDefinition(ini);
  const std::string& s = IDName;
  command = ReadCommand(ini, s, "command");
  restorerect = ReadRect(ini, s, "restorerect");
  restoreactiverect = ReadRect(ini, s, "restoreactiverect");
  restoredownrect = ReadRect(ini, s, "restoredownrect");
  restoreinactiverect = ReadRect(ini, s, "restoreinactiverect");
}

void TsfDataSkinStdButton::WriteDefinition(TsfIniFile& ini) const {
  TsfDataSkinButton::WriteDefinition(ini);
  const std::string& s = IDName;
  WriteCommand(ini, s, "command", command);
  WriteRect(ini, s, "restorerect", restorerect);
  WriteRect(ini, s, "restoreactiverect", restoreactiverect);
  WriteRect(ini, s, "restoredownrect", restoredownrect);
  WriteRect(ini, s, "restoreinactiverect", restoreinactiverect);
}

void TsfDataSkinAnimate::ReadDefinition(const TsfIniFile& ini) {
  TsfDataSkinObject::ReadDefinition(ini);
  const std::string& s = IDName;
  countframes = ini.ReadInteger(s, "countframes", 1);
  cycle = ini.ReadBool(s, "cycle", false);
  buttonstyle = ini.ReadBool(s, "buttonstyle", false);
  timerinterval = ini.ReadInteger(s, "timerinterval", 50);
  command = ReadCommand(ini, s, "command");
  downskinrect = ReadRect(ini, s, "downskinrect");
  restorerect = ReadRect(ini, s, "restorerect");
  restoreactiverect = ReadRect(ini, s, "restoreactiverect");
  restoredownrect = ReadRect(ini, s, "restoredownrect");
  restoreinactiverect = ReadRect(ini, s, "restoreinactiverect");
  // Animations step through their own frames and never morph.
  morphing = false;
}

void TsfDataSkinAnimate::WriteDefinition(TsfIniFile& ini) const {
  TsfDataSkinObject::WriteDefinition(ini);
  const std::string& s = IDName;
  ini.WriteInteger(s, "countframes", countframes);
  ini.WriteBool(s, "cycle", cycle);
  ini.WriteBool(s, "buttonstyle", buttonstyle);
  ini.WriteInteger(s, "timerinterval", timerinterval);
  WriteCommand(ini, s, "command", command);
  WriteRect(ini, s, "downskinrect", downskinrect);
  WriteRect(ini, s, "restorerect", restorerect);
  WriteRect(ini, s, "restoreactiverect", restoreactiverect);
  WriteRect(ini, s, "restoredownrect", restoredownrect);
  WriteRect(ini, s, "restoreinactiverect", restoreinactiverect);
}

void TsfDataSkinMenuItem::ReadDefinition(const TsfIniFile& ini) {
  TsfDataSkinObject::ReadDefinition(ini);
  const std::string& s = IDName;
  itemleftoffset = ini.ReadInteger(s, "itemleftoffset", 0);
  itemrightoffset = ini.ReadInteger(s, "itemrightoffset", 0);
  dividerrect = ReadRect(ini, s, "dividerrect");
  dividerleftoffset = ini.ReadInteger(s, "dividerleftoffset", 0);
  dividerrightoffset = ini.ReadInteger(s, "dividerrightoffset", 0);
  textrect = ReadRect(ini, s, "textrect");
  imagerect = ReadRect(ini, s, "imagerect");
  fontname = ini.ReadString(s, "fontname", "Arial");
  fontheight = ini.ReadInteger(s, "fontheight", 14);
  fontstyle = ReadFontStyle(ini, s, "fontstyle");
  fontcolor = ReadColor(ini, s, "fontcolor");
  activefontcolor = ReadColor(ini, s, "activefontcolor");
  unenabledfontcolor = ReadColor(ini, s, "unenabledfontcolor");
  stretcheffect = ini.ReadBool(s, "stretcheffect", false);
  inactivestretcheffect = ini.ReadBool(s, "inactivestretcheffect", false);
  dividerstretcheffect = ini.ReadBool(s, "dividerstretcheffect", false);
  animateskinrect = ReadRect(ini, s, "animateskinrect");
  framecount = ini.ReadInteger(s, "framecount", 0);
  animateinterval = ini.ReadInteger(s, "animateinterval", 25);
  inactiveanimation = ini.ReadBool(s, "inactiveanimation", false);
  ReadImages(ini);
}

void TsfDataSkinMenuItem::ReadImages(const TsfIniFile& ini) {
  const std::string& s = IDName;
  useimagecolor = ini.ReadBool(s, "useimagecolor", false);
  imagecolor = ReadColor(ini, s, "imagecolor");
  activeimagecolor = ReadColor(ini, s, "activeimagecolor");
  inactivetransparent = ini.ReadBool(s, "inactivetransparent", false);
  checkimagerect = ReadRect(ini, s, "checkimagerect");
  activecheckimagerect = ReadRect(ini, s, "activecheckimagerect");
  radioimagerect = ReadRect(ini, s, "radioimagerect");
  activeradioimagerect = ReadRect(ini, s, "activeradioimagerect");
  arrowimagerect = ReadRect(ini, s, "arrowimagerect");
  activearrowimagerect = ReadRect(ini, s, "activearrowimagerect");
  activecheckimagerect = OrIfEmpty(activecheckimagerect, checkimagerect);
  activeradioimagerect = OrIfEmpty(activeradioimagerect, radioimagerect);
  activearrowimagerect = OrIfEmpty(activearrowimagerect, arrowimagerect);
}

void TsfDataSkinMenuItem::WriteDefinition(TsfIniFile& ini) const {
  TsfDataSkinObject::WriteDefinition(ini);
  const std::string& s = IDName;
  ini.WriteInteger(s, "itemleftoffset", itemleftoffset);
  ini.WriteInteger(s, "itemrightoffset", itemrightoffset);
  WriteRect(ini, s, "dividerrect", dividerrect);
  ini.WriteInteger(s, "dividerleftoffset", dividerleftoffset);
  ini.WriteInteger(s, "dividerrightoffset", dividerrightoffset);
  WriteRect(ini, s, "textrect", textrect);
  WriteRect(ini, s, "imagerect", imagerect);
  ini.WriteString(s, "fontname", fontname);
  ini.WriteInteger(s, "fontheight", fontheight);
  WriteFontStyle(ini, s, "fontstyle", fontstyle);
  WriteColor(ini, s, "fontcolor", fontcolor);
  WriteColor(ini, s, "activefontcolor", activefontcolor);
  WriteColor(ini, s, "unenabledfontcolor", unenabledfontcolor);
  ini.WriteBool(s, "stretcheffect", stretcheffect);
  ini.WriteBool(s, "inactivestretcheffect", inactivestretcheffect);
  ini.WriteBool(s, "dividerstretcheffect", dividerstretcheffect);
  WriteRect(ini, s, "animateskinrect", animateskinrect);
  ini.WriteInteger(s, "framecount", framecount);
  ini.WriteInteger(s, "animateinterval", animateinterval);
  ini.WriteBool(s, "inactiveanimation", inactiveanimation);
  ini.WriteBool(s, "useimagecolor", useimagecolor);
  WriteColor(ini, s, "imagecolor", imagecolor);
  WriteColor(ini, s, "activeimagecolor", activeimagecolor);
  ini.WriteBool(s, "inactivetransparent", inactivetransparent);
  WriteRect(ini, s, "checkimagerect", checkimagerect);
  WriteRect(ini, s, "activecheckimagerect", activecheckimagerect);
  WriteRect(ini, s, "radioimagerect", radioimagerect);
  WriteRect(ini, s, "activeradioimagerect", activeradioimagerect);
  WriteRect(ini, s, "arrowimagerect", arrowimagerect);
  WriteRect(ini, s, "activearrowimagerect", activearrowimagerect);
}

void TsfDataSkinMainMenuItem::ReadDefinition(const TsfIniFile& ini) {
  TsfDataSkinObject::ReadDefinition(ini);
  const std::string& s = IDName;
  itemleftoffset = ini.ReadInteger(s, "itemleftoffset", 0);
  itemrightoffset = ini.ReadInteger(s, "itemrightoffset", 0);
  downrect = ReadRect(ini, s, "downrect");
  textrect = ReadRect(ini, s, "textrect");
  fontname = ini.ReadString(s, "fontname", "Arial");
  fontheight = ini.ReadInteger(s, "fontheight", 14);
  fontstyle = ReadFontStyle(ini, s, "fontstyle");
  fontcolor = ReadColor(ini, s, "fontcolor");
  activefontcolor = ReadColor(ini, s, "activefontcolor");
  downfontcolor = ReadColor(ini, s, "downfontcolor");
  unenabledfontcolor = ReadColor(ini, s, "unenabledfontColor");
  stretcheffect = ini.ReadBool(s, "stretcheffect", false);
  animateskinrect = ReadRect(ini, s, "animateskinrect");
  framecount = ini.ReadInteger(s, "framecount", 0);
  animateinterval = ini.ReadInteger(s, "animateinterval", 25);
  inactiveanimation = ini.ReadBool(s, "inactiveanimation", false);
}

void TsfDataSkinMainMenuItem::WriteDefinition(TsfIniFile& ini) const {
  TsfDataSkinObject::WriteDefinition(ini);
  const std::string& s = IDName;
  ini.WriteInteger(s, "itemleftoffset", itemleftoffset);
  ini.WriteInteger(s, "itemrightoffset", itemrightoffset);
  WriteRect(ini, s, "downrect", downrect);
  WriteRect(ini, s, "textrect", textrect);
  ini.WriteString(s, "fontname", fontname);
  ini.WriteInteger(s, "fontheight", fontheight);
  WriteFontStyle(ini, s, "fontstyle", fontstyle);
  WriteColor(ini, s, "fontcolor", fontcolor);
  WriteColor(ini, s, "activefontcolor", activefontcolor);
  WriteColor(ini, s, "downfontcolor", downfontcolor);
  WriteColor(ini, s, "unenabledfontColor", unenabledfontcolor);
  ini.WriteBool(s, "stretcheffect", stretcheffect);
  WriteRect(ini, s, "animateskinrect", animateskinrect);
  ini.WriteInteger(s, "framecount", framecount);
  ini.WriteInteger(s, "animateinterval", animateinterval);
  ini.WriteBool(s, "inactiveanimation", inactiveanimation);
}

void TsfDataSkinCaption::ReadDefinition(const TsfIniFile& ini) {
  TsfDataSkinObject::ReadDefinition(ini);
  const std::string& s = IDName;
  textrect = ReadRect(ini, s, "textrect");
  fontname = ini.ReadString(s, "fontname", "Arial");
  fontheight = ini.ReadInteger(s, "fontheight", 14);
  fontstyle = ReadFontStyle(ini, s, "fontstyle");
  fontcolor = ReadColor(ini, s, "fontcolor");
  activefontcolor = ReadColor(ini, s, "activefontcolor");
  alignment = ReadAlignment(ini, s, "alignment");
  light = ini.ReadBool(s, "light", false);
  lightcolor = ReadColor(ini, s, "lightcolor");
  activelightcolor = ReadColor(ini, s, "activelightcolor");
  shadow = ini.ReadBool(s, "shadow", false);
  shadowcolor = ReadColor(ini, s, "shadowcolor");
  activeshadowcolor = ReadColor(ini, s, "activeshadowcolor");
  framerect = ReadRect(ini, s, "framerect");
  activeframerect = ReadRect(ini, s, "activeframerect");
  frametextrect = ReadRect(ini, s, "frametextrect");
  frameleftoffset = ini.ReadInteger(s, "frameleftoffset", 0);
  framerightoffset = ini.ReadInteger(s, "framerightoffset", 0);
  stretcheffect = ini.ReadBool(s, "stretcheffect", false);
  animateskinrect = ReadRect(ini, s, "animateskinrect");
  framecount = ini.ReadInteger(s, "framecount", 0);
  animateinterval = ini.ReadInteger(s, "animateinterval", 25);
  inactiveanimation = ini.ReadBool(s, "inactiveanimation", false);
  fullframe = ini.ReadBool(s, "fullframe", false);
}

void TsfDataSkinCaption::WriteDefinition(TsfIniFile& ini) const {
  TsfDataSkinObject::WriteDefinition(ini);
  const std::string& s = IDName;
  WriteRect(ini, s, "textrect", textrect);
  ini.WriteString(s, "fontname", fontname);
  ini.WriteInteger(s, "fontheight", fontheight);
  WriteFontStyle(ini, s, "fontstyle", fontstyle);
  WriteColor(ini, s, "fontcolor", fontcolor);
  WriteColor(ini, s, "activefontcolor", activefontcolor);
  WriteAlignment(ini, s, "alignment", alignment);
  ini.WriteBool(s, "light", light);
  WriteColor(ini, s, "lightcolor", lightcolor);
  WriteColor(ini, s, "activelightcolor", activelightcolor);
  ini.WriteBool(s, "shadow", shadow);
  WriteColor(ini, s, "shadowcolor", shadowcolor);
  WriteColor(ini, s, "activeshadowcolor", activeshadowcolor);
  WriteRect(ini, s, "framerect", framerect);
  WriteRect(ini, s, "activeframerect", activeframerect);
  WriteRect(ini, s, "frametextrect", frametextrect);
  ini.WriteInteger(s, "frameleftoffset", frameleftoffset);
  ini.WriteInteger(s, "framerightoffset", framerightoffset);
  ini.WriteBool(s, "stretcheffect", stretcheffect);
  WriteRect(ini, s, "animateskinrect", animateskinrect);
  ini.WriteInteger(s, "framecount", framecount);
  ini.WriteInteger(s, "animateinterval", animateinterval);
  ini.WriteBool(s, "inactiveanimation", inactiveanimation);
  ini.WriteBool(s, "fullframe", fullframe);
}

std::unique_ptr<TsfDataSkinObject> CreateSkinObject(std::string_view kind, std::string name) {
  for (const TKind& k : kKinds)
    if (kind == k.Name) return k.Create(std::move(name));
  return nullptr;
}

std::string SkinObjectKind(const TsfDataSkinObject& object) {
  for (const TKind& k : kKinds)
    if (typeid(object) == k.Type) return k.Name;
  return "";
}

void ReadSkinObjects(const TsfIniFile& ini, TsfSkinObjectList& list) {
  int count = ini.ReadInteger(kSkinObjects, "count", 0);
  // A missing entry has no ":" and so no kind: skipping the absent numbers is the same.
  for (auto& [index, entry] : ini.ReadNumberedKeys(kSkinObjects, count)) {
    size_t colon = entry.find(':');
    if (colon == std::string::npos) continue;
    auto object = CreateSkinObject(std::string_view(entry).substr(colon + 1), entry.substr(0, colon));
    if (!object) continue;
    object->ReadDefinition(ini);
    list.push_back(std::move(object));
  }
}

void WriteSkinObjects(TsfIniFile& ini, const TsfSkinObjectList& list) {
  ini.EraseSection(kSkinObjects);
  ini.WriteInteger(kSkinObjects, "count", static_cast<int>(list.size()));
  for (size_t i = 0; i < list.size(); ++i) {
    ini.WriteString(kSkinObjects, std::to_string(i), list[i]->IDName + ":" + SkinObjectKind(*list[i]));
    list[i]->WriteDefinition(ini);
  }
}
