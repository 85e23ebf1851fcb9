// Painting of TsfSkinPanel: the plain look, the skinned looks (client piece only,
// background picture, framed with a caption) and the transparent looks.
#include "sfSkinPanel.h"

#include <algorithm>

#include "sfPlainDraw.h"
#include "sfSkinImage.h"
#include "skin/data/sfResourceStrData.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfUtilsNinePart.h"
#include "skin/data/sfUtilsParentImage.h"
#include "ui/Bitmap.h"
#include "ui/ImageList.h"

namespace {

// Tiles (or stretches) `piece` over `area`. A piece of no width or height, as a
// definition without a client rectangle gives, draws nothing.
void CoverWithPiece(TCanvas& canvas, const TRect& area, TBitmap* picture, const TRect& piece,
                    bool stretch, TsfStretchType type) {
  if (!picture || piece.Width() <= 0 || piece.Height() <= 0) return;
  FillWithPiece(canvas, area, *picture, piece, stretch, type);
}

TPoint SizeOf(const TRect& r) { return {r.Width(), r.Height()}; }

void DrawClearText(TCanvas& c, const TRect& clip, TPoint at, const std::string& text) {
  c.Brush().SetStyle(bsClear);
  c.TextRect(clip, at.x, at.y, text);
  c.Brush().SetStyle(bsSolid);
}

}  // namespace

void TsfSkinPanel::Paint() {
  if (Width() < 1 || Height() < 1) return;
  FetchSkin();
  int w = Width(), h = Height();
  CalcSkinSize(w, h);
  if (Skinned() && FTransparentMode) {
    if (FCaptionMode)
      PaintFrameCaption();
    else
      PaintTransparent();
  } else if (!Skinned()) {
    DrawPlainFace(Canvas());
  } else if (!SplitBorderPaint() && FSkin.StretchEffect) {
    PaintOffScreen();
  } else if (FBorderStyle == bvNone && SizingMode() == sfsmNinePart && !FCaptionMode &&
             SplitBorderPaint()) {
    PaintClientOnly();
  } else if (!HasBackgroundPicture()) {
    TsfSkinCustomControl::Paint();
  } else {
    PaintBackgroundPicture();
  }
}

void TsfSkinPanel::PaintClientOnly() {
  TRect piece = FSkin.ClRect.Offset(FSkin.SkinRect.Left, FSkin.SkinRect.Top);
  CoverWithPiece(Canvas(), {0, 0, Width(), Height()}, SkinPicture(), piece, FSkin.StretchEffect,
                 FSkin.StretchType);
}

void TsfSkinPanel::PaintBackgroundPicture() {
  TBitmap* bg = SkinData()->ActivePictures(FPanelSkin.bgpictureindex);
  if (!bg || bg->Empty()) return;
  TRect whole{0, 0, bg->Width(), bg->Height()};
  if (FSkin.StretchEffect)
    CoverWithPiece(Canvas(), FSkin.NewClRect, bg, whole, true, FSkin.StretchType);
  else
    CoverWithPiece(Canvas(), {0, 0, Width(), Height()}, bg, whole, false, stFull);
}

TColor TsfSkinPanel::TransparentPenColor() {
  TBitmap* picture = SkinPicture();
  const TRect& s = FSkin.SkinRect;
  if (!picture || s.IsEmpty()) return clBtnShadow;
  return static_cast<TColor>(picture->Canvas().Pixel(s.Left + s.Width() / 2, s.Bottom - 1));
}

void TsfSkinPanel::PaintTransparent() {
  TBitmap image(Width(), Height());
  GetParentImage(this, image.Canvas());
  if (FBorderStyle != bvNone) {
    image.Canvas().Brush().SetColor(TransparentPenColor());
    image.Canvas().FrameRect({0, 0, Width(), Height()});
  }
  PaintOverlay(image.Canvas());
  Canvas().Draw(0, 0, image);
}

void TsfSkinPanel::PaintFrameCaption() {
  TBitmap image(Width(), Height());
  TCanvas& c = image.Canvas();
  GetParentImage(this, c);
  TColor pen = TransparentPenColor();
  SetSkinCaptionFont(c);
  TColor textColor = SkinData()->SkinColors.cbtntext;
  int label = SkinData()->FindControlDef("stdlabel");
  if (auto* def = dynamic_cast<TsfDataSkinStdLabelControl*>(SkinData()->ControlDef(label)))
    textColor = def->fontcolor;
  c.Font().SetColor(textColor);
  TPoint text = Caption().empty() ? TPoint{0, c.TextHeight("W")} : c.TextExtent(Caption());
  TsfFrameCaptionLayout l =
      LayoutFrameCaption(Width(), text, CaptionImageSize(true), FSpacing, FCheckedMode,
                         FCheckedMode ? SizeOf(CheckImageRect()) : TPoint{}, FRollUpMode);
  FSkinCaptionRect = l.Caption;
  if (FCheckedMode) DrawCheckImage(c, l.Check);
  DrawClearText(c, l.Caption, l.Text, Caption());
  DrawCaptionImage(c, l.Image, true);
  if (FRollUpMode) DrawArrow(c, l.RollSlot, textColor, FRollUpState ? adDown : adUp);
  int right = Width() - 1, bottom = Height() - 1;
  c.Pen().SetColor(pen);
  c.MoveTo(0, l.MiddleY);
  c.LineTo(5, l.MiddleY);
  c.MoveTo(std::min(l.LineStart, right), l.MiddleY);
  c.LineTo(right, l.MiddleY);
  c.LineTo(right, bottom);
  c.LineTo(0, bottom);
  c.LineTo(0, l.MiddleY);
  PaintOverlay(c);
  Canvas().Draw(0, 0, image);
}

// ---- plain look -----------------------------------------------------------------------

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

void TsfSkinPanel::DrawDefaultImage(TBitmap& B) { DrawPlainFace(B.Canvas()); }

void TsfSkinPanel::DrawPlainFace(TCanvas& c) {
  TRect r{0, 0, Width(), Height()};
  c.Brush().SetStyle(bsSolid);
  c.Brush().SetColor(clBtnFace);
  c.FillRect(r);
  switch (FBorderStyle) {
    case bvFrame: DrawBevel(c, r, clBtnShadow, clBtnShadow); break;
    case bvRaised: DrawBevel(c, r, clBtnHighlight, clBtnShadow); break;
    case bvLowered: DrawBevel(c, r, clBtnShadow, clBtnHighlight); break;
    case bvNone: break;
  }
  if (FCaptionMode) DrawPlainCaption(c);
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
  ApplyResourceCharset(c.Font());
  int th = c.TextHeight(Caption());
  int ty = area.Top + area.Height() / 2 - th / 2;
  TPoint image = CaptionImageSize(false);
  int w = c.TextWidth(Caption()) + (image.x > 0 ? image.x + FSpacing : 0);
  int tx = area.Left + 2;
  if (FDefaultAlignment == taRightJustify) tx = area.Right - w;
  if (FDefaultAlignment == taCenter) tx = area.Left + 2 + area.Width() / 2 - w / 2;
  if (FCheckedMode) {
    TRect box = Bounds(5, area.Top + area.Height() / 2 - 7, 14, 14);
    DrawBevel(c, box, clBtnShadow, clBtnShadow);
    if (FChecked) DrawSmallGlyph(c, sgCheckMark, box.Left + 3, box.Top + 2, clBtnText);
  }
  TPoint imageAt{tx, area.Top + area.Height() / 2 - image.y / 2};
  if (image.x > 0) tx += image.x + FSpacing;
  DrawClearText(c, area, {tx, ty}, Caption());
  DrawCaptionImage(c, imageAt, false);
  if (FRollUpMode)
    DrawArrow(c, {area.Right, area.Top, area.Right + 10, area.Bottom}, clBtnText,
              FRollUpState ? adDown : adUp);
}

// ---- caption images --------------------------------------------------------------------

bool TsfSkinPanel::UsesListImage(bool listFirst) const {
  bool holds = FCaptionImageList && FCaptionImageIndex >= 0 &&
               FCaptionImageIndex < FCaptionImageList->Count();
  return holds && (listFirst || FGlyph->Empty());
}

TPoint TsfSkinPanel::CaptionImageSize(bool listFirst) const {
  if (UsesListImage(listFirst)) return {FCaptionImageList->Width(), FCaptionImageList->Height()};
  return GlyphCellSize(FGlyph.get(), FNumGlyphs);
}

void TsfSkinPanel::DrawCaptionImage(TCanvas& C, TPoint at, bool listFirst) {
  if (UsesListImage(listFirst)) {
    FCaptionImageList->Draw(C, at.x, at.y, FCaptionImageIndex, Enabled());
    return;
  }
  if (FGlyph->Empty()) return;
  int glyphNo = !Enabled() && FNumGlyphs == 2 ? 2 : 1;
  DrawStripGlyph(C, at.x, at.y, *FGlyph, FNumGlyphs, glyphNo);
}

TRect TsfSkinPanel::CheckImageRect() const {
  return FChecked ? FPanelSkin.checkimagerect : FPanelSkin.uncheckimagerect;
}

void TsfSkinPanel::DrawCheckImage(TCanvas& C, TPoint at) {
  TBitmap* picture = SkinPicture();
  TRect img = CheckImageRect();
  if (picture && !img.IsEmpty()) DrawPictureImage(C, at.x, at.y, *picture, img, true);
}

// ---- skinned look ----------------------------------------------------------------------

void TsfSkinPanel::DrawSkinImage(TBitmap& B) {
  if (FBorderStyle == bvNone && SizingMode() == sfsmNinePart && !FCaptionMode &&
      !FSkin.StretchEffect) {
    TRect piece = FSkin.ClRect.Offset(FSkin.SkinRect.Left, FSkin.SkinRect.Top);
    CoverWithPiece(B.Canvas(), {0, 0, B.Width(), B.Height()}, SkinPicture(), piece, false, stFull);
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

// Captions follow the language the skin data's resource strings are in.
void TsfSkinPanel::ApplyResourceCharset(TFont& font) const {
  TsfSkinData* data = SkinData();
  if (data && data->ResourceStrData())
    font.SetCharset(static_cast<TFontCharset>(data->ResourceStrData()->CharSet));
}

void TsfSkinPanel::SetSkinCaptionFont(TCanvas& C) {
  if (UseSkinFont())
    AssignSkinFont(C.Font(), FPanelSkin.fontname, FPanelSkin.fontheight, FPanelSkin.fontstyle,
                   FPanelSkin.fontcolor);
  else
    C.Font().Assign(DefaultFont());
  ApplyResourceCharset(C.Font());
  C.Font().SetColor(FPanelSkin.fontcolor);
}

void TsfSkinPanel::DrawSkinCaption(TCanvas& C, const TRect& r) {
  SetSkinCaptionFont(C);
  TsfSkinCaptionInput in;
  in.Rect = r;
  in.Alignment = FPanelSkin.alignment;
  in.TextSize = C.TextExtent(Caption());
  in.ImageSize = CaptionImageSize(true);
  in.Spacing = FSpacing;
  in.ImagePosition = FImagePosition;
  in.CheckedMode = FCheckedMode;
  in.CheckSize = SizeOf(CheckImageRect());
  in.RollUpMode = FRollUpMode;
  in.FrameRect = FPanelSkin.framerect;
  in.FrameTextRect = FPanelSkin.frametextrect;
  TsfSkinCaptionLayout l = LayoutSkinCaption(in);
  TBitmap* picture = SkinPicture();
  if (FCheckedMode) DrawCheckImage(C, l.Check);
  if (FRollUpMode) {
    if (picture && !FPanelSkin.markframerect.IsEmpty())
      DrawPictureImage(C, l.RollSlot.Left, l.RollSlot.Top, *picture, FPanelSkin.markframerect,
                       false);
    DrawArrow(C, l.RollSlot, FPanelSkin.fontcolor, FRollUpState ? adDown : adUp);
  }
  if (!l.Frame.IsEmpty()) DrawCaptionFrame(C, l.Frame);
  DrawClearText(C, l.TextArea, l.Text, Caption());
  DrawCaptionImage(C, l.Image, true);
}

void TsfSkinPanel::DrawCaptionFrame(TCanvas& C, const TRect& frame) {
  TBitmap* picture = SkinPicture();
  if (!picture || frame.Width() <= 0) return;
  TBitmap image;
  CreateHThreePartImage(image, *picture, FPanelSkin.framerect, FPanelSkin.frameleftoffset,
                        FPanelSkin.framerightoffset, frame.Width(), false);
  C.Draw(frame.Left, frame.Top, image);
}
