#include "sfSkinPanel.h"

#include <algorithm>

#include "sfPlainDraw.h"
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
    FRollUpState = false;
    return;
  }
  FRollUpState = value;
  Roll();
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
    int saved = FRealHeight;
    FRealHeight = -1;
    FRollUpState = true;
    // Rolled up again for the new skin, from the height it had before rolling.
    SetHeight(saved);
    Roll();
    FRealHeight = saved;
  } else {
    Realign();
  }
}

void TsfSkinPanel::Roll() {
  if (FRealHeight == -1) {
    FRealHeight = Height();
    DisableAlign();
    for (TControl* c : FControls) c->Hide();
    int h = FDefaultCaptionHeight + 1;
    if (Skinned()) {
      TsfSkinGeometry g = FSkin;
      int w = Width(), hh = Height();
      g.CalcSkinSize(true, w, hh);
      h = Height() + g.NewClRect.Top - g.NewClRect.Bottom;
    }
    SetHeight(h);
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

// ---- painting ----------------------------------------------------------------------

void TsfSkinPanel::Paint() {
  if (Width() < 1 || Height() < 1) return;
  FetchSkin();
  int w = Width(), h = Height();
  CalcSkinSize(w, h);
  if (Skinned() && FTransparentMode)
    PaintTransparent();
  else if (!Skinned())
    PaintOffScreen();
  else if (!SplitBorderPaint() && FSkin.StretchEffect)
    PaintOffScreen();
  else if (FBorderStyle == bvNone && SizingMode() == sfsmNinePart && !FCaptionMode &&
           SplitBorderPaint())
    PaintClientOnly();
  else if (!HasBackgroundPicture())
    TsfSkinCustomControl::Paint();
  else
    PaintBackgroundPicture();
}

void TsfSkinPanel::PaintClientOnly() { FillClientPiece({0, 0, Width(), Height()}); }

void TsfSkinPanel::PaintBackgroundPicture() {
  TBitmap* bg = SkinData()->ActivePictures(FPanelSkin.bgpictureindex);
  if (!bg || bg->Empty()) return;
  TRect whole{0, 0, bg->Width(), bg->Height()};
  if (FSkin.StretchEffect)
    FillWithPiece(Canvas(), FSkin.NewClRect, *bg, whole, true, FSkin.StretchType);
  else
    FillWithPiece(Canvas(), {0, 0, Width(), Height()}, *bg, whole, false, stFull);
}

void TsfSkinPanel::PaintTransparent() {
  TBitmap image(Width(), Height());
  // The parent's background under the panel is captured into `image` by the skin
  // drawing routines' parent image; the caption-frame look builds on it as well.
  TBitmap* picture = SkinPicture();
  if (FBorderStyle != bvNone && picture) {
    const TRect& s = FSkin.SkinRect;
    TColor pen = static_cast<TColor>(picture->Canvas().Pixel(s.Left + s.Width() / 2, s.Bottom - 1));
    image.Canvas().Brush().SetColor(pen);
    image.Canvas().FrameRect({0, 0, Width(), Height()});
  }
  PaintOverlay(image.Canvas());
  Canvas().Draw(0, 0, image);
}

TRect TsfSkinPanel::PlainCaptionRect() const {
  if (FBorderStyle != bvNone) return {1, 1, Width() - 1, FDefaultCaptionHeight};
  return {0, 0, Width(), FDefaultCaptionHeight};
}

TRect TsfSkinPanel::PlainTextArea() const {
  TRect c = PlainCaptionRect();
  TRect a{c.Left + 2, c.Top + 2, c.Right - 2, c.Bottom - 2};
  if (FCheckedMode) a.Left += 20;
  if (FRollUpMode) a.Right -= 10;
  return a;
}

void TsfSkinPanel::DrawDefaultImage(TBitmap& B) {
  TsfSkinCustomControl::DrawDefaultImage(B);
  TCanvas& c = B.Canvas();
  TRect r{0, 0, B.Width(), B.Height()};
  switch (FBorderStyle) {
    case bvFrame: DrawBevel(c, r, clBtnShadow, clBtnShadow); break;
    case bvRaised: DrawBevel(c, r, clBtnHighlight, clBtnShadow); break;
    case bvLowered: DrawBevel(c, r, clBtnShadow, clBtnHighlight); break;
    case bvNone: break;
  }
  if (FCaptionMode) DrawPlainCaption(c);
}

int TsfSkinPanel::CaptionImageWidth() const { return GlyphCellSize(FGlyph.get(), FNumGlyphs).x; }

void TsfSkinPanel::DrawCaptionImage(TCanvas& C, int x, int areaTop, int areaHeight) {
  if (FGlyph->Empty()) return;
  int glyphNo = !Enabled() && FNumGlyphs == 2 ? 2 : 1;
  DrawStripGlyph(C, x, areaTop + areaHeight / 2 - FGlyph->Height() / 2, *FGlyph, FNumGlyphs,
                 glyphNo);
}

void TsfSkinPanel::DrawPlainCaption(TCanvas& c) {
  TRect cr = PlainCaptionRect();
  TRect inner{cr.Left + 1, cr.Top + 1, cr.Right - 1, cr.Bottom - 1};
  if (FBorderStyle != bvNone) {
    DrawBevel(c, cr, clBtnShadow, clBtnHighlight);
    DrawBevel(c, inner, clBtnHighlight, clBtnShadow);
  } else {
    DrawBevel(c, cr, clBtnShadow, clBtnShadow);
    DrawBevel(c, inner, clBtnHighlight, clBtnFace);
  }
  TRect area = PlainTextArea();
  c.Font().Assign(DefaultFont());
  int th = c.TextHeight(Caption());
  int ty = area.Top + area.Height() / 2 - th / 2;
  int imageW = CaptionImageWidth();
  int w = c.TextWidth(Caption()) + (imageW > 0 ? imageW + FSpacing : 0);
  int tx = area.Left + 2;
  if (FDefaultAlignment == taRightJustify) tx = area.Right - w;
  if (FDefaultAlignment == taCenter) tx = area.Left + 2 + area.Width() / 2 - w / 2;
  if (FCheckedMode) {
    TRect box = Bounds(5, area.Top + area.Height() / 2 - 7, 14, 14);
    DrawBevel(c, box, clBtnShadow, clBtnShadow);
    if (FChecked) DrawCheckMark(c, box.Left + 3, box.Top + 2, clBtnText);
  }
  int imageX = tx;
  if (imageW > 0) tx += imageW + FSpacing;
  c.Brush().SetStyle(bsClear);
  c.TextRect(area, tx, ty, Caption());
  c.Brush().SetStyle(bsSolid);
  DrawCaptionImage(c, imageX, area.Top, area.Height());
  if (FRollUpMode)
    DrawArrow(c, {area.Right, area.Top, area.Right + 10, area.Bottom}, clBtnText,
              FRollUpState ? 4 : 3);
}

void TsfSkinPanel::DrawSkinImage(TBitmap& B) {
  if (FBorderStyle == bvNone && SizingMode() == sfsmNinePart && !FCaptionMode &&
      !FSkin.StretchEffect) {
    if (SkinPicture()) {
      TRect piece = FSkin.ClRect.Offset(FSkin.SkinRect.Left, FSkin.SkinRect.Top);
      FillWithPiece(B.Canvas(), {0, 0, B.Width(), B.Height()}, *SkinPicture(), piece, false,
                    stFull);
    }
    return;
  }
  TsfSkinCustomControl::DrawSkinImage(B);
  if (SizingMode() == sfsmFixed)
    FSkinCaptionRect = FPanelSkin.captionrect;
  else if (!FTransparentMode)
    FSkinCaptionRect = MapSkinRect(FPanelSkin.captionrect);
  if (!Caption().empty() && !FSkinCaptionRect.IsEmpty())
    DrawSkinCaption(B.Canvas(), FSkinCaptionRect);
}

void TsfSkinPanel::DrawSkinCaption(TCanvas& C, TRect r) {
  if (FRollUpMode) r.Right -= 12;
  TBitmap* picture = SkinPicture();
  if (FCheckedMode && picture) {
    TRect img = FChecked ? FPanelSkin.checkimagerect : FPanelSkin.uncheckimagerect;
    DrawPictureImage(C, r.Left, r.Top + r.Height() / 2 - img.Height() / 2, *picture, img, true);
    r.Left += img.Width() + 2;
  }
  if (UseSkinFont())
    AssignSkinFont(C.Font(), FPanelSkin.fontname, FPanelSkin.fontheight, FPanelSkin.fontstyle,
                   FPanelSkin.fontcolor);
  else
    C.Font().Assign(DefaultFont());
  C.Font().SetColor(FPanelSkin.fontcolor);
  int th = C.TextHeight(Caption()), tw = C.TextWidth(Caption());
  int ty = r.Top + r.Height() / 2 - th / 2;
  int imageW = CaptionImageWidth();
  int w = tw + (imageW > 0 ? imageW + FSpacing : 0);
  int tx = r.Left;
  if (FPanelSkin.alignment == taRightJustify) tx = r.Right - w;
  if (FPanelSkin.alignment == taCenter) tx = r.Left + r.Width() / 2 - w / 2;
  int imageX = tx;
  if (imageW > 0 && FImagePosition == sfipLeft) {
    imageX = r.Left + 2;
    tx = r.Left + imageW + FSpacing + 2;
    if (FPanelSkin.alignment == taRightJustify) tx = r.Right - tw;
    if (FPanelSkin.alignment == taCenter) tx = r.Left + r.Width() / 2 - tw / 2;
    tx = std::max(tx, imageX + imageW + FSpacing);
  } else if (imageW > 0) {
    tx += imageW + FSpacing;
  }
  if (FRollUpMode) {
    TRect slot{r.Right, r.Top, r.Right + 10, r.Bottom};
    if (picture && !FPanelSkin.markframerect.IsEmpty())
      DrawPictureImage(C, slot.Left, slot.Top, *picture, FPanelSkin.markframerect, false);
    DrawArrow(C, slot, FPanelSkin.fontcolor, FRollUpState ? 4 : 3);
  }
  // A non-empty framerect puts a three-part frame image behind the text; it is drawn
  // by the skin drawing routines.
  C.Brush().SetStyle(bsClear);
  C.TextRect(r, tx, ty, Caption());
  C.Brush().SetStyle(bsSolid);
  DrawCaptionImage(C, imageX, r.Top, r.Height());
}
