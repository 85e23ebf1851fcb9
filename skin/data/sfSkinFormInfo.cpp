#include "sfSkinFormInfo.h"

#include <algorithm>

namespace {

constexpr const char* kVersion = "VERSION";
constexpr const char* kPictures = "PICTURES";
constexpr const char* kFormInfo = "FORMINFO";

bool IsUnset(const TPoint& p) { return p.x == 0 || p.y == 0; }

// The smallest rectangle holding both; an empty one adds nothing.
TRect Union(const TRect& a, const TRect& b) {
  if (b.IsEmpty()) return a;
  if (a.IsEmpty()) return b;
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom)};
}

}  // namespace

void TsfSkinVersionInfo::ReadDefinition(const TsfIniFile& ini) {
  skinname = ini.ReadString(kVersion, "skinname", "");
  skinauthor = ini.ReadString(kVersion, "skinauthor", "");
  authoremail = ini.ReadString(kVersion, "authoremail", "");
  authorurl = ini.ReadString(kVersion, "authorurl", "");
  skincomments = ini.ReadString(kVersion, "skincomments", "");
}

void TsfSkinVersionInfo::WriteDefinition(TsfIniFile& ini) const {
  ini.WriteString(kVersion, "skinname", skinname);
  ini.WriteString(kVersion, "skinauthor", skinauthor);
  ini.WriteString(kVersion, "authoremail", authoremail);
  ini.WriteString(kVersion, "authorurl", authorurl);
  ini.WriteString(kVersion, "skincomments", skincomments);
}

void TsfSkinPictureNames::ReadDefinition(const TsfIniFile& ini) {
  picture = ini.ReadString(kPictures, "picture", "");
  inactivepicture = ini.ReadString(kPictures, "inactivepicture", "");
  mask = ini.ReadString(kPictures, "mask", "");
  activepictures = ReadNumberedList(ini, kPictures, "activepictures");
}

void TsfSkinPictureNames::WriteDefinition(TsfIniFile& ini) const {
  ini.WriteString(kPictures, "picture", picture);
  ini.WriteString(kPictures, "inactivepicture", inactivepicture);
  ini.WriteString(kPictures, "mask", mask);
  WriteNumberedList(ini, kPictures, "activepictures", activepictures);
}

void TsfSkinFormInfo::ReadDefinition(const TsfIniFile& ini) {
  ReadKeys(ini);
  if (!ini.ReadString(kPictures, "mask", "").empty()) AdjustToMask();
  ClampCornerPoints();
}

void TsfSkinFormInfo::ReadKeys(const TsfIniFile& ini) {
  const auto* s = kFormInfo;
  lefttoppoint = ReadPoint(ini, s, "lefttoppoint");
  righttoppoint = ReadPoint(ini, s, "righttoppoint");
  leftbottompoint = ReadPoint(ini, s, "leftbottompoint");
  rightbottompoint = ReadPoint(ini, s, "rightbottompoint");
  clientrect = ReadRect(ini, s, "clientrect");
  bgpictureindex = ini.ReadInteger(s, "bgpictureindex", -1);
  mdibgpictureindex = ini.ReadInteger(s, "mdibgpictureindex", -1);
  leftstretch = ini.ReadBool(s, "leftstretch", false);
  rightstretch = ini.ReadBool(s, "rightstretch", false);
  topstretch = ini.ReadBool(s, "topstretch", false);
  bottomstretch = ini.ReadBool(s, "bottomstretch", false);
  stretcheffect = ini.ReadBool(s, "stretcheffect", false);
  stretchtype = ReadStretchType(ini, s, "stretchtype");
  mdibgstretcheffect = ini.ReadBool(s, "mdibgstretcheffect", false);
  mdibgstretchtype = ReadStretchType(ini, s, "mdibgstretchtype");
  maskrectarea = ReadRect(ini, s, "maskrectarea");
  hittestlefttoppoint = ReadPoint(ini, s, "hittestlefttoppoint");
  hittestrighttoppoint = ReadPoint(ini, s, "hittestrighttoppoint");
  hittestleftbottompoint = ReadPoint(ini, s, "hittestleftbottompoint");
  hittestrightbottompoint = ReadPoint(ini, s, "hittestrightbottompoint");
  buttonsrect = ReadRect(ini, s, "buttonsrect");
  captionrect = ReadRect(ini, s, "captionrect");
  buttonsoffset = ini.ReadInteger(s, "buttonsoffset", 0);
  buttonsinleft = ini.ReadBool(s, "buttonsinleft", false);
  mainmenupopupup = ini.ReadBool(s, "mainmenupopupup", false);
  borderwidth = ini.ReadInteger(s, "borderwidth", 0);
  formminwidth = ini.ReadInteger(s, "formminwidth", 0);
  mditabstransparent = ini.ReadBool(s, "mditabstransparent", false);
  mainmenubartransparent = ini.ReadBool(s, "mainmenubartransparent", false);
  autorenderinginactiveimage = ini.ReadBool(s, "autorenderinginactiveimage", false);
  inactiveeffect = ReadInactiveEffect(ini, s, "inactiveeffect");
}

void TsfSkinFormInfo::AdjustToMask() {
  maskrectarea = maskrectarea.IsEmpty() ? clientrect : Union(maskrectarea, clientrect);
  if (IsUnset(hittestlefttoppoint)) hittestlefttoppoint = lefttoppoint;
  if (IsUnset(hittestrighttoppoint)) hittestrighttoppoint = righttoppoint;
  if (IsUnset(hittestleftbottompoint)) hittestleftbottompoint = leftbottompoint;
  if (IsUnset(hittestrightbottompoint)) hittestrightbottompoint = rightbottompoint;
}

void TsfSkinFormInfo::ClampCornerPoints() {
  if (rightbottompoint.x == lefttoppoint.x || rightbottompoint.y == lefttoppoint.y) return;
  const TRect& c = clientrect;
  lefttoppoint = {std::max(lefttoppoint.x, c.Left), std::max(lefttoppoint.y, c.Top)};
  righttoppoint = {std::min(righttoppoint.x, c.Right), std::max(righttoppoint.y, c.Top)};
  leftbottompoint = {std::max(leftbottompoint.x, c.Left), std::min(leftbottompoint.y, c.Bottom)};
  rightbottompoint = {std::min(rightbottompoint.x, c.Right),
                      std::min(rightbottompoint.y, c.Bottom)};
}

void TsfSkinFormInfo::WriteDefinition(TsfIniFile& ini) const {
  const auto* s = kFormInfo;
  ini.EraseSection(s);
  WritePoint(ini, s, "lefttoppoint", lefttoppoint);
  WritePoint(ini, s, "righttoppoint", righttoppoint);
  WritePoint(ini, s, "leftbottompoint", leftbottompoint);
  WritePoint(ini, s, "rightbottompoint", rightbottompoint);
  WriteRect(ini, s, "clientrect", clientrect);
  ini.WriteInteger(s, "bgpictureindex", bgpictureindex);
  ini.WriteInteger(s, "mdibgpictureindex", mdibgpictureindex);
  ini.WriteBool(s, "leftstretch", leftstretch);
  ini.WriteBool(s, "rightstretch", rightstretch);
  ini.WriteBool(s, "topstretch", topstretch);
  ini.WriteBool(s, "bottomstretch", bottomstretch);
  ini.WriteBool(s, "stretcheffect", stretcheffect);
  WriteStretchType(ini, s, "stretchtype", stretchtype);
  ini.WriteBool(s, "mdibgstretcheffect", mdibgstretcheffect);
  WriteStretchType(ini, s, "mdibgstretchtype", mdibgstretchtype);
  WriteRect(ini, s, "maskrectarea", maskrectarea);
  WritePoint(ini, s, "hittestlefttoppoint", hittestlefttoppoint);
  WritePoint(ini, s, "hittestrighttoppoint", hittestrighttoppoint);
  WritePoint(ini, s, "hittestleftbottompoint", hittestleftbottompoint);
  WritePoint(ini, s, "hittestrightbottompoint", hittestrightbottompoint);
  WriteRect(ini, s, "buttonsrect", buttonsrect);
  WriteRect(ini, s, "captionrect", captionrect);
  ini.WriteInteger(s, "buttonsoffset", buttonsoffset);
  ini.WriteBool(s, "buttonsinleft", buttonsinleft);
  ini.WriteBool(s, "mainmenupopupup", mainmenupopupup);
  ini.WriteInteger(s, "borderwidth", borderwidth);
  ini.WriteInteger(s, "formminwidth", formminwidth);
  ini.WriteBool(s, "mditabstransparent", mditabstransparent);
  ini.WriteBool(s, "mainmenubartransparent", mainmenubartransparent);
  ini.WriteBool(s, "autorenderinginactiveimage", autorenderinginactiveimage);
  WriteInactiveEffect(ini, s, "inactiveeffect", inactiveeffect);
}
