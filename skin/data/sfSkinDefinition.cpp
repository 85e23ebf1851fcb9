#include "sfSkinDefinition.h"

void TsfSkinDefinition::ReadDefinition(const TsfIniFile& ini) {
  Version.ReadDefinition(ini);
  Pictures.ReadDefinition(ini);
  FormInfo.ReadDefinition(ini);
  PopupWindow.ReadDefinition(ini);
  HintWindow.ReadDefinition(ini);
  SkinColors.ReadDefinition(ini);
  ObjectDefs.clear();
  ReadSkinObjects(ini, ObjectDefs);
  ControlDefs.clear();
  ReadSkinControls(ini, ControlDefs);
}

void TsfSkinDefinition::WriteDefinition(TsfIniFile& ini) const {
  Version.WriteDefinition(ini);
  Pictures.WriteDefinition(ini);
  FormInfo.WriteDefinition(ini);
  PopupWindow.WriteDefinition(ini);
  HintWindow.WriteDefinition(ini);
  SkinColors.WriteDefinition(ini);
  WriteSkinObjects(ini, ObjectDefs);
  WriteSkinControls(ini, ControlDefs);
}

int TsfSkinDefinition::FindObjectDef(std::string_view name) const {
  for (size_t i = 0; i < ObjectDefs.size(); ++i)
    if (ObjectDefs[i]->IDName == name) return static_cast<int>(i);
  return -1;
}

int TsfSkinDefinition::FindControlDef(std::string_view name) const {
  for (size_t i = 0; i < ControlDefs.size(); ++i)
    if (ControlDefs[i]->IDName == name) return static_cast<int>(i);
  return -1;
}
