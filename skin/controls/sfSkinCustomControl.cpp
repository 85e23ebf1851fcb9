#include "sfSkinCustomControl.h"

#include "sfSkinImage.h"
#include "sfSkinToolBar.h"
#include "skin/data/sfSkinData.h"
#include "ui/Bitmap.h"

void SetDefaultSkinFont(TFont& font) {
  font.SetName("Arial");
  font.SetHeight(14);
  font.SetStyle({});
}

TsfSkinCustomControl::TsfSkinCustomControl(TComponent* AOwner)
    : TsfSkinControl(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  SetDefaultSkinFont(*FDefaultFont);
  FDefaultFont->OnChange = [this](TObject*) {
    DefaultFontChanged();
    if (!Skinned()) Invalidate();
  };
}

TsfSkinCustomControl::~TsfSkinCustomControl() { FDefaultFont->OnChange = nullptr; }

void TsfSkinCustomControl::SetDefaultWidth(int value) {
  FDefaultWidth = value;
  if (!Skinned() && value > 0) SetWidth(value);
}

void TsfSkinCustomControl::SetDefaultHeight(int value) {
  FDefaultHeight = value;
  if (!Skinned() && value > 0) SetHeight(value);
}

void TsfSkinCustomControl::SetUseSkinFont(bool value) {
  if (value == FUseSkinFont) return;
  FUseSkinFont = value;
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
  if (!Skinned()) {
    // Nothing reads the copies while unskinned; the pictures may be gone with the skin.
    FPicture = FMaskPicture = nullptr;
    return;
  }
  TsfSkinPictures pictures = FetchSkinGeometry(*SkinData(), DefinitionIndex(), FSkin);
  FPicture = pictures.Picture;
  FMaskPicture = pictures.Mask;
}

void TsfSkinCustomControl::CalcSkinSize(int& w, int& h) { FSkin.CalcSkinSize(Skinned(), w, h); }

void TsfSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  FetchSkin();
  bool resized = Skinned() && (AWidth != Width() || AHeight != Height());
  if (resized) CalcSkinSize(AWidth, AHeight);
  ToolBarCentredTop(*this, AHeight, ATop);
  TsfSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (resized) {
    UpdateSkinRegion();
    Invalidate();
  }
  if (Skinned() && FSkin.StretchEffect) RelayBackgroundChanged();
}

void TsfSkinCustomControl::ApplySkin() {
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
  if (!changed || !Skinned()) {
    UpdateSkinRegion();
    Invalidate();
  }
}

void TsfSkinCustomControl::UpdateSkinRegion() {
  if (!Parent()) return;
  if (!FMaskPicture || !Skinned()) {
    if (SkinRegion()) SetSkinRegion({});
    return;
  }
  if (FSkin.SizingMode == sfsmNone) return;
  SetSkinRegion(BuildSkinRegion());
}

TRegionHandle TsfSkinCustomControl::BuildSkinRegion() {
  int w = Width(), h = Height();
  CalcSkinSize(w, h);
  // The region of the (resized) mask comes from the skin drawing routines.
  return {};
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
  if (!Skinned() || !FSplitBorderPaint || FSkin.SizingMode != sfsmNinePart)
    PaintOffScreen();
  else
    PaintSplitBorders();
}

void TsfSkinCustomControl::PaintSplitBorders() {
  const TRect& c = FSkin.NewClRect;
  // The four bands are cut from the picture by the skin drawing routines.
  TBitmap top(Width(), c.Top), bottom(Width(), Height() - c.Bottom);
  TBitmap left(c.Left, c.Height()), right(Width() - c.Right, c.Height());
  DrawSkinImage(top);
  if (FFillClientArea) {
    int saved = Canvas().SaveState();
    Canvas().IntersectClip(c);
    FillClientPiece(c);
    Canvas().RestoreState(saved);
  }
  Canvas().Draw(0, 0, top);
  Canvas().Draw(0, top.Height(), left);
  Canvas().Draw(Width() - right.Width(), top.Height(), right);
  Canvas().Draw(0, Height() - bottom.Height(), bottom);
}

void TsfSkinCustomControl::FillClientPiece(const TRect& area) {
  if (!FPicture) return;
  TRect piece = FSkin.ClRect.Offset(FSkin.SkinRect.Left, FSkin.SkinRect.Top);
  FillWithPiece(Canvas(), area, *FPicture, piece, FSkin.StretchEffect, FSkin.StretchType);
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
  ::DrawSkinImageRect(B, FPicture, FSkin, r, Width(), Height(), true);
}
