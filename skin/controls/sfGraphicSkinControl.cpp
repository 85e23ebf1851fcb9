#include "sfGraphicSkinControl.h"

#include "skin/data/sfSkinData.h"
#include "ui/Bitmap.h"
#include "ui/OffScreen.h"

TsfGraphicSkinControl::TsfGraphicSkinControl(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetOpaque(true);
}

TsfGraphicSkinControl::~TsfGraphicSkinControl() { SetDestroying(); }

void TsfGraphicSkinControl::SetSkinData(TsfSkinData* value) {
  if (FBinding.SetSkinData(value)) ApplySkin();
}

void TsfGraphicSkinControl::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  FBinding.Notification(AComponent, Operation);
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
  TOffScreenBitmap image(Width(), Height());
  if (Skinned())
    DrawSkinImage(*image);
  else
    DrawDefaultImage(*image);
  Canvas().Draw(0, 0, *image);
}
