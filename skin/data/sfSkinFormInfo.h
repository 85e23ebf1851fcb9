#pragma once
// The form-level sections of a skin definition: [VERSION], [PICTURES] and [FORMINFO].
// Fields are named after the keys that fill them.
#include <string>
#include <vector>

#include "sfIniFile.h"
#include "sfSkinValues.h"
#include "ui/Types.h"

// [VERSION]: information texts.
class TsfSkinVersionInfo {
 public:
  std::string skinname, skinauthor, authoremail, authorurl, skincomments;

  void ReadDefinition(const TsfIniFile& ini);
  void WriteDefinition(TsfIniFile& ini) const;
};

// [PICTURES]: the file names the package was built from. Active picture k of the
// package is the one named activepictures[k].
class TsfSkinPictureNames {
 public:
  std::string picture, inactivepicture, mask;
  std::vector<std::string> activepictures;

  void ReadDefinition(const TsfIniFile& ini);
  void WriteDefinition(TsfIniFile& ini) const;
};

// [FORMINFO]: how the window frame is cut from the main picture.
class TsfSkinFormInfo {
 public:
  TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  TRect clientrect;
  int bgpictureindex = -1;
  int mdibgpictureindex = -1;
  bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  TsfStretchType stretchtype = stFull;
  bool mdibgstretcheffect = false;
  TsfStretchType mdibgstretchtype = stFull;
  TRect maskrectarea;
  TPoint hittestlefttoppoint, hittestrighttoppoint, hittestleftbottompoint,
      hittestrightbottompoint;
  TRect buttonsrect, captionrect;
  int buttonsoffset = 0;
  bool buttonsinleft = false;
  bool mainmenupopupup = false;
  int borderwidth = 0;
  int formminwidth = 0;
  bool mditabstransparent = false;
  bool mainmenubartransparent = false;
  bool autorenderinginactiveimage = false;
  TsfInactiveEffect inactiveeffect = ieBrightness;

  // Reads the keys, then (with a mask named in [PICTURES]) fits maskrectarea to
  // clientrect and fills unset hit-test points, and pulls the corner points into
  // clientrect.
  void ReadDefinition(const TsfIniFile& ini);
  void WriteDefinition(TsfIniFile& ini) const;

 private:
  void ReadKeys(const TsfIniFile& ini);
  void AdjustToMask();
  void ClampCornerPoints();
};
