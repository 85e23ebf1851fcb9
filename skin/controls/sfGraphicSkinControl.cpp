#include "sfGraphicSkinControl.h"

#include "sfSkinControl.h"
#include "skin/data/sfSkinData.h"
#include "ui/Bitmap.h"

TsfGraphicSkinControl::TsfGraphicSkinControl(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetOpaque(true);
}

TsfGraphicSkinControl::~TsfGraphicSkinControl() {
  SetDestroying();
  if (FSkinData) RemoveFreeNotification(FSkinData);
}

TsfDataSkinControl* TsfGraphicSkinControl::Definition() const {
  return FSkinData && FDefinitionIndex != -1 ? FSkinData->ControlDef(FDefinitionIndex) : nullptr;
}

void TsfGraphicSkinControl::SetSkinData(TsfSkinData* value) {
  if (FSkinData) RemoveFreeNotification(FSkinData);
  FSkinData = value;
  if (!value) return;
  FreeNotification(value);
  if (!value->SkinEmpty() && !IsDesigning()) ApplySkin();
}

void TsfGraphicSkinControl::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == SkinDataComponent(FSkinData)) {
    FSkinData = nullptr;
    FDefinitionIndex = -1;
  }
}

void TsfGraphicSkinControl::FetchSkin() {
  FDefinitionIndex = FindSkinDefinition(FSkinData, FSkinDataName);
}

void TsfGraphicSkinControl::ApplySkin() {
  FetchSkin();
  Invalidate();
}

void TsfGraphicSkinControl::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  FetchSkin();
  PaintOffScreen();
}

void TsfGraphicSkinControl::PaintOffScreen() {
  TBitmap image(Width(), Height());
  if (Skinned())
    DrawSkinImage(image);
  else
    DrawDefaultImage(image);
  Canvas().Draw(0, 0, image);
}
