#include "sfSkinPanel.h"

#include <algorithm>

#include "sfPlainDraw.h"
#include "ui/ImageList.h"
#include "sfSkinImage.h"
#include "skin/data/sfSkinData.h"
#include "ui/Bitmap.h"

void AssignSkinFont(TFont& font, const std::string& name, int height, TsfFontStyles style,
                    TColor color) {
  font.SetName(name);
  font.SetHeight(height);
  font.SetStyle(TFontStyles::FromBits(style.Bits()));
  font.SetColor(color);
}

TsfSkinPanel::TsfSkinPanel(TComponent* AOwner)
    : TsfSkinCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  SetSkinDataName("panel");
  SetBounds(Left(), Top(), 150, 150);
  SetSplitBorderPaint(true);
  SetFillClientArea(true);
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TsfSkinPanel::~TsfSkinPanel() { FGlyph->OnChange = nullptr; }

// ---- properties ----------------------------------------------------------------

void TsfSkinPanel::RealignIfPlain() {
  Invalidate();
  Realign();
}

void TsfSkinPanel::SetBorderStyle(TsfSkinBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  if (!Skinned()) RealignIfPlain();
}

void TsfSkinPanel::SetCaptionMode(bool value) {
  if (value == FCaptionMode) return;
  FCaptionMode = value;
  RealignIfPlain();
}

void TsfSkinPanel::SetDefaultCaptionHeight(int value) {
  if (value == FDefaultCaptionHeight) return;
  FDefaultCaptionHeight = value;
  if (!Skinned() && FCaptionMode) RealignIfPlain();
}

void TsfSkinPanel::SetDefaultAlignment(TAlignment value) {
  if (value == FDefaultAlignment) return;
  FDefaultAlignment = value;
  if (!Skinned() && FCaptionMode) Invalidate();
}

void TsfSkinPanel::SetCheckedMode(bool value) {
  if (value == FCheckedMode) return;
  FCheckedMode = value;
  Invalidate();
}

void TsfSkinPanel::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  if (FCheckedMode) Invalidate();
  if (FAutoEnabledControls && FCheckedMode)
    for (TControl* c : FControls) c->SetEnabled(value);
  if (OnChecked) OnChecked(this);
}

void TsfSkinPanel::SetRollUpMode(bool value) {
  if (value == FRollUpMode) return;
  FRollUpMode = value;
  if (!Skinned() && FCaptionMode) Invalidate();
}

void TsfSkinPanel::SetRollUpState(bool value) {
  if (value == FRollUpState) return;
  if (!FRollUpMode) {
    RestoreConstraints();
    FRollUpState = false;
    return;
  }
  // The limits are cleared so the panel can shrink to its caption; they come back
  // once it is rolled down again.
  if (value) SaveConstraints();
  FRollUpState = value;
  Roll();
  if (!value) RestoreConstraints();
  if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TsfSkinPanel::SetGlyph(const TBitmap& value) { FGlyph->Assign(value); }

void TsfSkinPanel::SetNumGlyphs(int value) {
  value = std::clamp(value, 1, 2);
  if (value == FNumGlyphs) return;
  FNumGlyphs = value;
  Invalidate();
}

void TsfSkinPanel::SetSpacing(int value) {
  if (value == FSpacing) return;
  FSpacing = value;
  Invalidate();
}

void TsfSkinPanel::SetCaptionImageList(TCustomImageList* value) {
  if (value == FCaptionImageList) return;
  if (FCaptionImageList) RemoveFreeNotification(FCaptionImageList);
  FCaptionImageList = value;
  if (value) FreeNotification(value);
  Invalidate();
}

void TsfSkinPanel::Notification(TComponent* AComponent, TOperation Operation) {
  TsfSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FCaptionImageList) {
    FCaptionImageList = nullptr;
    Invalidate();
  }
}

void TsfSkinPanel::SetCaptionImageIndex(int value) {
  if (value == FCaptionImageIndex) return;
  FCaptionImageIndex = value;
  Invalidate();
}

void TsfSkinPanel::SetImagePosition(TsfImagePosition value) {
  if (value == FImagePosition) return;
  FImagePosition = value;
  Invalidate();
}

void TsfSkinPanel::SetTransparentMode(bool value) {
  if (value == FTransparentMode) return;
  FTransparentMode = value;
  Invalidate();
  if (!IsLoading() && !IsDesigning()) RelayBackgroundChanged();
}

// ---- skin, size and client area -----------------------------------------------------

void TsfSkinPanel::FetchSkin() {
  FPanelSkin = {};
  TsfSkinCustomControl::FetchSkin();
  auto* def = dynamic_cast<TsfDataSkinPanelControl*>(Definition());
  if (!def) return;
  FPanelSkin = {def->bgpictureindex,
                def->captionrect,
                def->alignment,
                def->fontname,
                def->fontheight,
                def->fontstyle,
                def->fontcolor,
                def->checkimagerect,
                def->uncheckimagerect,
                def->markframerect,
                def->framerect,
                def->frametextrect,
                def->frameleftoffset,
                def->framerightoffset,
                def->gripperrect,
                def->grippertransparent,
                def->grippertransparentcolor};
}

bool TsfSkinPanel::HasBackgroundPicture() const { return FPanelSkin.bgpictureindex != -1; }

void TsfSkinPanel::AdjustClientRect(TRect& rect) const {
  if (!Skinned() || IsDesigning()) {
    if (FBorderStyle != bvNone)
      rect = {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
    if (FCaptionMode) rect.Top += FDefaultCaptionHeight;
    return;
  }
  if (HasBackgroundPicture() || SizingMode() == sfsmNone) return;
  if (FBorderStyle == bvNone && !FCaptionMode && SizingMode() == sfsmNinePart) return;
  TsfSkinGeometry g = FSkin;
  int w = Width(), h = Height();
  g.CalcSkinSize(true, w, h);
  rect = g.NewClRect;
}

void TsfSkinPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  bool moved = ALeft != Left() || ATop != Top();
  TsfSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!Skinned()) Invalidate();
  if (FTransparentMode && moved) {
    Invalidate();
    RelayBackgroundChanged();
    if (auto* parent = dynamic_cast<TsfSkinPanel*>(Parent()); parent && parent->Skinned())
      parent->Invalidate();
  }
}

void TsfSkinPanel::ApplySkin() {
  TsfSkinCustomControl::ApplySkin();
  if (FRollUpState && FRealHeight != -1) {
    // Rolled up again for the new skin; RealHeight keeps the height from before.
    SetHeight(RolledUpHeight());
  } else {
    Realign();
  }
}

void TsfSkinPanel::SaveConstraints() {
  if (FConstraintsSaved) return;
  FSavedConstraints = Constraints();
  FConstraintsSaved = true;
  SetConstraints({});
}

void TsfSkinPanel::RestoreConstraints() {
  if (!FConstraintsSaved) return;
  FConstraintsSaved = false;
  SetConstraints(FSavedConstraints);
}

int TsfSkinPanel::RolledUpHeight() {
  FetchSkin();
  if (!Skinned()) return FDefaultCaptionHeight + 1;
  // Height less the client area's: the same at any height the skin allows.
  TsfSkinGeometry g = FSkin;
  int w = Width(), h = Height();
  g.CalcSkinSize(true, w, h);
  return Height() + g.NewClRect.Top - g.NewClRect.Bottom;
}

void TsfSkinPanel::Roll() {
  if (FRealHeight == -1) {
    FRealHeight = Height();
    DisableAlign();
    for (TControl* c : FControls) c->Hide();
    SetHeight(RolledUpHeight());
  } else {
    int h = FRealHeight;
    FRealHeight = -1;
    SetHeight(h);
    for (TControl* c : FControls) c->Show();
    EnableAlign();
  }
}

void TsfSkinPanel::ParentBackgroundChanged() {
  if (!FTransparentMode) return;
  Invalidate();
  RelayBackgroundChanged();
}

void TsfSkinPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && FCaptionMode && (FRollUpMode || FCheckedMode)) {
    TRect r = Skinned() ? FSkinCaptionRect : TRect{1, 1, Width() - 1, FDefaultCaptionHeight};
    if (r.Contains({X, Y})) {
      if (FCheckedMode) SetChecked(!FChecked);
      if (FRollUpMode) SetRollUpState(!FRollUpState);
    }
  }
  TsfSkinCustomControl::MouseUp(Button, Shift, X, Y);
}
