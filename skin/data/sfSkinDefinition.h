#pragma once
// The form-level part of a skin definition read in one go, in the order the skin
// data reads it: [VERSION], [PICTURES], [FORMINFO], [POPUPWINDOW], [HINTWINDOW],
// [SKINCOLORS], [SKINOBJECTS], [SKINCONTROLS].
#include "sfDataSkinControl.h"
#include "sfDataSkinObject.h"
#include "sfDataSkinPopupWindow.h"
#include "sfIniFile.h"
#include "sfSkinColors.h"
#include "sfSkinFormInfo.h"

class TsfSkinDefinition {
 public:
  TsfSkinVersionInfo Version;
  TsfSkinPictureNames Pictures;
  TsfSkinFormInfo FormInfo;
  TsfDataSkinPopupWindow PopupWindow;
  TsfDataSkinHintWindow HintWindow;
  TsfSkinColors SkinColors;
  TsfSkinObjectList ObjectDefs;
  TsfSkinControlList ControlDefs;

  // A malformed rect or point raises EConvertError; what was read stays.
  void ReadDefinition(const TsfIniFile& ini);
  void WriteDefinition(TsfIniFile& ini) const;
  // The first object whose IDName equals `name` exactly; -1 when none does.
  int FindObjectDef(std::string_view name) const;
  int FindControlDef(std::string_view name) const;
};
