#include "sfSkinBinding.h"

#include "skin/data/sfSkinData.h"

int FindSkinDefinition(TsfSkinData* data, const std::string& name) {
  if (!data || data->SkinEmpty()) return -1;
  return data->FindControlDef(name);
}

TsfSkinBinding::~TsfSkinBinding() {
  if (FSkinData) FControl.RemoveFreeNotification(FSkinData);
}

bool TsfSkinBinding::SetSkinData(TsfSkinData* value) {
  if (FSkinData) FControl.RemoveFreeNotification(FSkinData);
  FSkinData = value;
  if (!value) return false;
  FControl.FreeNotification(value);
  return !value->SkinEmpty() && !FControl.IsDesigning();
}

TsfDataSkinControl* TsfSkinBinding::Definition() const {
  return FSkinData && FDefinitionIndex != -1 ? FSkinData->ControlDef(FDefinitionIndex) : nullptr;
}

void TsfSkinBinding::Fetch() { FDefinitionIndex = FindSkinDefinition(FSkinData, FName); }

void TsfSkinBinding::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && FSkinData && component == FSkinData) {
    FSkinData = nullptr;
    FDefinitionIndex = -1;
  }
}
