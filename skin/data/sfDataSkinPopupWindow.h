#pragma once
// [POPUPWINDOW] and [HINTWINDOW]: the frames of popup menus and hints, cut from an
// active picture like the window frame from the main picture.
#include <string>

#include "sfIniFile.h"
#include "sfSkinValues.h"
#include "ui/Types.h"

class TsfDataSkinPopupWindow {
 public:
  int windowpictureindex = -1;
  int maskpictureindex = -1;
  TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  TRect itemsrect;
  TColor scrollmarkercolor = 0, scrollmarkeractivecolor = 0;
  bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  TsfStretchType stretchtype = stFull;

  void ReadDefinition(const TsfIniFile& ini);
  void WriteDefinition(TsfIniFile& ini) const;
};

class TsfDataSkinHintWindow {
 public:
  int windowpictureindex = -1;
  int maskpictureindex = -1;
  TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  TRect clientrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0;
  bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  TsfStretchType stretchtype = stFull;

  TsfSkinFont Font() const { return {fontname, fontheight, fontstyle, fontcolor}; }
  void ReadDefinition(const TsfIniFile& ini);
  void WriteDefinition(TsfIniFile& ini) const;
};
