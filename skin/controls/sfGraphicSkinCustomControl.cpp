#include "sfGraphicSkinCustomControl.h"

#include "sfSkinCustomControl.h"
#include "sfSkinImage.h"
#include "sfSkinToolBar.h"
#include "skin/data/sfSkinData.h"
#include "ui/Bitmap.h"

TsfGraphicSkinCustomControl::TsfGraphicSkinCustomControl(TComponent* AOwner)
    : TsfGraphicSkinControl(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  SetDefaultSkinFont(*FDefaultFont);
  FDefaultFont->OnChange = [this](TObject*) {
    DefaultFontChanged();
    if (!Skinned()) Invalidate();
  };
}

TsfGraphicSkinCustomControl::~TsfGraphicSkinCustomControl() { FDefaultFont->OnChange = nullptr; }

void TsfGraphicSkinCustomControl::SetDefaultWidth(int value) {
  FDefaultWidth = value;
  if (!Skinned() && value > 0) SetWidth(value);
}

void TsfGraphicSkinCustomControl::SetDefaultHeight(int value) {
  FDefaultHeight = value;
  if (!Skinned() && value > 0) SetHeight(value);
}

void TsfGraphicSkinCustomControl::SetUseSkinFont(bool value) {
  if (value == FUseSkinFont) return;
  FUseSkinFont = value;
  Invalidate();
}

void TsfGraphicSkinCustomControl::FetchSkin() {
  TsfGraphicSkinControl::FetchSkin();
  if (!Skinned()) {
    FPicture = nullptr;
    return;
  }
  FPicture = FetchSkinGeometry(*SkinData(), DefinitionIndex(), FSkin).Picture;
}

void TsfGraphicSkinCustomControl::CalcSkinSize(int& w, int& h) {
  FSkin.CalcSkinSize(Skinned(), w, h);
}

void TsfGraphicSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  FetchSkin();
  bool resized = Skinned() && (AWidth != Width() || AHeight != Height());
  if (resized) CalcSkinSize(AWidth, AHeight);
  ToolBarCentredTop(*this, AHeight, ATop);
  TsfGraphicSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (resized) Invalidate();
}

void TsfGraphicSkinCustomControl::ApplySkin() {
  FetchSkin();
  bool changed = false;
  if (!Skinned()) {
    if (FDefaultWidth > 0) SetWidth(FDefaultWidth);
    if (FDefaultHeight > 0) SetHeight(FDefaultHeight);
  } else {
    int w = Width(), h = Height();
    CalcSkinSize(w, h);
    changed = w != Width() || h != Height();
    if (w != Width()) SetWidth(w);
    if (h != Height()) SetHeight(h);
  }
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
  ::DrawSkinImageRect(B, FPicture, FSkin, r, Width(), Height(), true);
}
