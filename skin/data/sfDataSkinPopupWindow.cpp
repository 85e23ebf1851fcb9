#include "sfDataSkinPopupWindow.h"

namespace {

constexpr const char* kPopupWindow = "POPUPWINDOW";
constexpr const char* kHintWindow = "HINTWINDOW";

struct TCorners {
  TPoint &LeftTop, &RightTop, &LeftBottom, &RightBottom;
};

void ReadCorners(const TsfIniFile& ini, const char* s, TCorners c) {
  c.LeftTop = ReadPoint(ini, s, "lefttoppoint");
  c.RightTop = ReadPoint(ini, s, "righttoppoint");
  c.LeftBottom = ReadPoint(ini, s, "leftbottompoint");
  c.RightBottom = ReadPoint(ini, s, "rightbottompoint");
}

void WriteCorners(TsfIniFile& ini, const char* s, const TPoint& lt, const TPoint& rt,
                  const TPoint& lb, const TPoint& rb) {
  WritePoint(ini, s, "lefttoppoint", lt);
  WritePoint(ini, s, "righttoppoint", rt);
  WritePoint(ini, s, "leftbottompoint", lb);
  WritePoint(ini, s, "rightbottompoint", rb);
}

}  // namespace

void TsfDataSkinPopupWindow::ReadDefinition(const TsfIniFile& ini) {
  const char* s = kPopupWindow;
  windowpictureindex = ini.ReadInteger(s, "windowpictureindex", -1);
  maskpictureindex = ini.ReadInteger(s, "maskpictureindex", -1);
  ReadCorners(ini, s, {lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint});
  itemsrect = ReadRect(ini, s, "itemsrect");
  scrollmarkercolor = ReadColor(ini, s, "scrollmarkercolor");
  scrollmarkeractivecolor = ReadColor(ini, s, "scrollmarkeractivecolor");
  leftstretch = ini.ReadBool(s, "leftstretch", false);
  rightstretch = ini.ReadBool(s, "rightstretch", false);
  topstretch = ini.ReadBool(s, "topstretch", false);
  bottomstretch = ini.ReadBool(s, "bottomstretch", false);
  stretcheffect = ini.ReadBool(s, "stretcheffect", false);
  stretchtype = ReadStretchType(ini, s, "stretchtype");
}

void TsfDataSkinPopupWindow::WriteDefinition(TsfIniFile& ini) const {
  const char* s = kPopupWindow;
  ini.EraseSection(s);
  ini.WriteInteger(s, "windowpictureindex", windowpictureindex);
  ini.WriteInteger(s, "maskpictureindex", maskpictureindex);
  WriteCorners(ini, s, lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
  WriteRect(ini, s, "itemsrect", itemsrect);
  WriteColor(ini, s, "scrollmarkercolor", scrollmarkercolor);
  WriteColor(ini, s, "scrollmarkeractivecolor", scrollmarkeractivecolor);
  ini.WriteBool(s, "leftstretch", leftstretch);
  ini.WriteBool(s, "rightstretch", rightstretch);
  ini.WriteBool(s, "topstretch", topstretch);
  ini.WriteBool(s, "bottomstretch", bottomstretch);
  ini.WriteBool(s, "stretcheffect", stretcheffect);
  WriteStretchType(ini, s, "stretchtype", stretchtype);
}

void TsfDataSkinHintWindow::ReadDefinition(const TsfIniFile& ini) {
  const char* s = kHintWindow;
  windowpictureindex = ini.ReadInteger(s, "windowpictureindex", -1);
  maskpictureindex = ini.ReadInteger(s, "maskpictureindex", -1);
  ReadCorners(ini, s, {lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint});
  clientrect = ReadRect(ini, s, "clientrect");
  fontname = ini.ReadString(s, "fontname", "Arial");
  fontheight = ini.ReadInteger(s, "fontheight", 14);
  fontstyle = ReadFontStyle(ini, s, "fontstyle");
  fontcolor = ReadColor(ini, s, "fontcolor");
  leftstretch = ini.ReadBool(s, "leftstretch", false);
  rightstretch = ini.ReadBool(s, "rightstretch", false);
  topstretch = ini.ReadBool(s, "topstretch", false);
  bottomstretch = ini.ReadBool(s, "bottomstretch", false);
  stretcheffect = ini.ReadBool(s, "stretcheffect", false);
  stretchtype = ReadStretchType(ini, s, "stretchtype");
}

void TsfDataSkinHintWindow::WriteDefinition(TsfIniFile& ini) const {
  const char* s = kHintWindow;
  ini.EraseSection(s);
  ini.WriteInteger(s, "windowpictureindex", windowpictureindex);
  ini.WriteInteger(s, "maskpictureindex", maskpictureindex);
  WriteCorners(ini, s, lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
  WriteRect(ini, s, "clientrect", clientrect);
  ini.WriteString(s, "fontname", fontname);
  ini.WriteInteger(s, "fontheight", fontheight);
  WriteFontStyle(ini, s, "fontstyle", fontstyle);
  WriteColor(ini, s, "fontcolor", fontcolor);
  ini.WriteBool(s, "leftstretch", leftstretch);
  ini.WriteBool(s, "rightstretch", rightstretch);
  ini.WriteBool(s, "topstretch", topstretch);
  ini.WriteBool(s, "bottomstretch", bottomstretch);
  ini.WriteBool(s, "stretcheffect", stretcheffect);
  WriteStretchType(ini, s, "stretchtype", stretchtype);
}
