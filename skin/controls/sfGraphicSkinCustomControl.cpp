#include "sfGraphicSkinCustomControl.h"

#include "ui/Bitmap.h"

TsfGraphicSkinCustomControl::TsfGraphicSkinCustomControl(TComponent* AOwner)
    : TsfGraphicSkinControl(AOwner) {
  FImage.DefaultFont->OnChange = [this](TObject*) {
    DefaultFontChanged();
    if (!Skinned()) Invalidate();
  };
}

TsfGraphicSkinCustomControl::~TsfGraphicSkinCustomControl() = default;

void TsfGraphicSkinCustomControl::SetDefaultWidth(int value) {
  FImage.DefaultWidth = value;
  if (!Skinned() && value > 0) SetWidth(value);
}

void TsfGraphicSkinCustomControl::SetDefaultHeight(int value) {
  FImage.DefaultHeight = value;
  if (!Skinned() && value > 0) SetHeight(value);
}

void TsfGraphicSkinCustomControl::SetUseSkinFont(bool value) {
  if (value == FImage.UseSkinFont) return;
  FImage.UseSkinFont = value;
  Invalidate();
}

void TsfGraphicSkinCustomControl::FetchSkin() {
  TsfGraphicSkinControl::FetchSkin();
  FImage.Fetch(Binding(), false);
}

void TsfGraphicSkinCustomControl::CalcSkinSize(int& w, int& h) {
  FSkin.CalcSkinSize(Skinned(), w, h);
}

void TsfGraphicSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  bool resized = SkinnedBounds(*this, ATop, AWidth, AHeight);
  TsfGraphicSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (resized) Invalidate();
}

void TsfGraphicSkinCustomControl::ApplySkin() {
  FetchSkin();
  bool changed = ApplySkinSize(*this, FImage);
  if (!changed || !Skinned()) Invalidate();
}

void TsfGraphicSkinCustomControl::DrawDefaultImage(TBitmap& B) {
  B.Canvas().Brush().SetColor(clBtnFace);
  B.Canvas().FillRect({0, 0, B.Width(), B.Height()});
}

void TsfGraphicSkinCustomControl::DrawSkinImage(TBitmap& B) {
  DrawSkinImageRect(B, FSkin.SkinRect);
}

void TsfGraphicSkinCustomControl::DrawSkinImageRect(TBitmap& B, const TRect& r) {
  FImage.Draw(B, r, Width(), Height(), true);
}
