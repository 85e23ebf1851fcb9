#include "sfSkinCustomControl.h"

#include "sfSkinImage.h"
#include "sfSkinRegion.h"
#include "skin/data/sfUtilsNinePart.h"
#include "ui/Bitmap.h"

TsfSkinCustomControl::TsfSkinCustomControl(TComponent* AOwner) : TsfSkinControl(AOwner) {
  FImage.DefaultFont->OnChange = [this](TObject*) {
    DefaultFontChanged();
    if (!Skinned()) Invalidate();
  };
}

TsfSkinCustomControl::~TsfSkinCustomControl() = default;

void TsfSkinCustomControl::SetDefaultWidth(int value) {
  FImage.DefaultWidth = value;
  if (!Skinned() && value > 0) SetWidth(value);
}

void TsfSkinCustomControl::SetDefaultHeight(int value) {
  FImage.DefaultHeight = value;
  if (!Skinned() && value > 0) SetHeight(value);
}

void TsfSkinCustomControl::SetUseSkinFont(bool value) {
  if (value == FImage.UseSkinFont) return;
  FImage.UseSkinFont = value;
  Invalidate();
}

void TsfSkinCustomControl::SetSplitBorderPaint(bool value) {
  if (value == FSplitBorderPaint) return;
  FSplitBorderPaint = value;
  Invalidate();
}

void TsfSkinCustomControl::SetFillClientArea(bool value) {
  if (value == FFillClientArea) return;
  FFillClientArea = value;
  Invalidate();
}

void TsfSkinCustomControl::FetchSkin() {
  TsfSkinControl::FetchSkin();
  FImage.Fetch(Binding(), true);
}

void TsfSkinCustomControl::CalcSkinSize(int& w, int& h) { FSkin.CalcSkinSize(Skinned(), w, h); }

void TsfSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  bool resized = SkinnedBounds(*this, ATop, AWidth, AHeight);
  TsfSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (resized) {
    UpdateSkinRegion();
    Invalidate();
  }
  if (Skinned() && FSkin.StretchEffect) RelayBackgroundChanged();
}

void TsfSkinCustomControl::ApplySkin() {
  FetchSkin();
  bool changed = ApplySkinSize(*this, FImage);
  if (!changed || !Skinned()) {
    UpdateSkinRegion();
    Invalidate();
  }
}

void TsfSkinCustomControl::UpdateSkinRegion() {
  if (!Parent()) return;
  if (!FImage.Mask || !Skinned()) {
    if (SkinRegion()) SetSkinRegion({});
    return;
  }
  if (FSkin.SizingMode == sfsmNone) return;
  SetSkinRegion(SkinMaskRegion(*FImage.Mask, FSkin, Width(), Height()));
}

void TsfSkinCustomControl::CreateHandleDone() {
  TsfSkinControl::CreateHandleDone();
  if (Skinned()) UpdateSkinRegion();
}

void TsfSkinCustomControl::Paint() {
  if (Width() < 1 || Height() < 1) return;
  FetchSkin();
  int w = Width(), h = Height();
  CalcSkinSize(w, h);
  if (!Skinned() || !FSplitBorderPaint || FSkin.SizingMode != sfsmNinePart || !FImage.Picture)
    PaintOffScreen();
  else
    PaintSplitBorders();
}

void TsfSkinCustomControl::PaintSplitBorders() {
  TsfBorderImages bands;
  TsfNinePartGeometry g = FSkin.Old();
  TsfNinePartGeometry ng = ResizedGeometry(g, FSkin.SkinWidth(), FSkin.SkinHeight(), Width(),
                                           Height());
  CreateBorderImages(bands, *FImage.Picture, FSkin.SkinRect, g, ng, Width(), Height(),
                     FSkin.Options());
  DrawSkinImage(bands.Top);
  if (FFillClientArea) {
    int saved = Canvas().SaveState();
    Canvas().IntersectClip(ng.Cl);
    FillClientPiece(ng.Cl);
    Canvas().RestoreState(saved);
  }
  Canvas().Draw(0, 0, bands.Top);
  Canvas().Draw(0, bands.Top.Height(), bands.Left);
  Canvas().Draw(Width() - bands.Right.Width(), bands.Top.Height(), bands.Right);
  Canvas().Draw(0, Height() - bands.Bottom.Height(), bands.Bottom);
}

void TsfSkinCustomControl::FillClientPiece(const TRect& area) {
  if (!FImage.Picture) return;
  TRect piece = FSkin.ClRect.Offset(FSkin.SkinRect.Left, FSkin.SkinRect.Top);
  FillWithPiece(Canvas(), area, *FImage.Picture, piece, FSkin.StretchEffect, FSkin.StretchType);
}

void TsfSkinCustomControl::DrawDefaultImage(TBitmap& B) {
  B.Canvas().Brush().SetColor(clBtnFace);
  B.Canvas().FillRect({0, 0, B.Width(), B.Height()});
}

void TsfSkinCustomControl::DrawSkinImage(TBitmap& B) {
  if (FSkin.SizingMode == sfsmNinePart && FSplitBorderPaint) return;
  DrawSkinImageRect(B, FSkin.SkinRect);
}

void TsfSkinCustomControl::DrawSkinImageRect(TBitmap& B, const TRect& r) {
  FImage.Draw(B, r, Width(), Height(), true);
}
