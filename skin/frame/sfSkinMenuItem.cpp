#include "sfSkinMenuItem.h"

#include <windows.h>

#include <algorithm>

#include "skin/data/sfDataSkinObject.h"
#include "skin/data/sfUtilsGlyphs.h"
#include "skin/data/sfUtilsNinePart.h"
#include "ui/Bitmap.h"
#include "ui/Canvas.h"
#include "ui/ImageList.h"
#include "ui/Menus.h"

namespace {

constexpr TColor kPlainHotFill = 13811126;

TRect PictureRect(const TsfSkinMenuItem& item, const TRect& r) {
  return item.Picture() ? r : TRect();
}

// A piece of the item picture copied 1:1 with its top-left at (x, y); false when
// there is no such piece.
bool CopyPiece(TCanvas& canvas, const TsfSkinMenuItem& item, const TRect& piece, int x, int y) {
  TRect src = PictureRect(item, piece);
  if (src.IsEmpty()) return false;
  TBitmap part(src.Width(), src.Height());
  part.Canvas().CopyRect({0, 0, src.Width(), src.Height()}, item.Picture()->Canvas(), src);
  canvas.Draw(x, y, part);
  return true;
}

void DrawSkinBackground(TBitmap& image, const TsfSkinMenuItem& item, const TsfMenuItemPaint& paint) {
  const TsfDataSkinMenuItem& d = *item.Definition();
  int w = image.Width(), h = image.Height();
  TBitmap part;
  if (item.IsDivider()) {
    CreateHThreePartImage(part, *item.Picture(), d.dividerrect, d.dividerleftoffset,
                          d.dividerrightoffset, w, d.dividerstretcheffect);
  } else if (!item.Active && d.inactivetransparent && paint.Background) {
    image.Canvas().CopyRect({0, 0, w, h}, const_cast<TBitmap*>(paint.Background)->Canvas(), item.Rect);
    return;
  } else {
    const TRect& src = item.Active ? d.activeskinrect : d.skinrect;
    CreateHThreePartImage(part, *item.Picture(), src, d.itemleftoffset, d.itemrightoffset, w,
                          item.Active ? d.stretcheffect : d.inactivestretcheffect);
  }
  image.Canvas().Draw(0, 0, part);
}

void DrawPlainBackground(TBitmap& image, const TsfSkinMenuItem& item, const TsfMenuItemPaint& paint) {
  TCanvas& c = image.Canvas();
  int w = image.Width(), h = image.Height();
  c.Brush().SetColor(clWindow);
  c.FillRect({0, 0, w, h});
  if (item.IsDivider()) {
    c.Brush().SetColor(clBtnFace);
    c.FillRect({0, 0, paint.GlyphColumn, h});
    c.Brush().SetColor(clBtnShadow);
    c.FillRect({paint.GlyphColumn + 2, h / 2, w - 2, h / 2 + 1});
  } else if (item.Active) {
    c.Brush().SetColor(kPlainHotFill);
    c.FillRect({0, 0, w, h});
    c.Brush().SetColor(clNavy);
    c.FrameRect({0, 0, w, h});
  } else {
    c.Brush().SetColor(clBtnFace);
    c.FillRect({0, 0, paint.GlyphColumn, h});
  }
}

TColor TextColor(const TsfSkinMenuItem& item) {
  const TsfDataSkinMenuItem* d = item.Definition();
  if (!d) return item.Enabled() ? clWindowText : clBtnShadow;
  if (!item.Enabled()) return d->unenabledfontcolor;
  return item.Active ? d->activefontcolor : d->fontcolor;
}

// The check or radio mark, or the item's image, centred in the glyph column.
void DrawGlyph(TCanvas& c, const TsfSkinMenuItem& item, const TsfMenuItemPaint& paint, const TRect& t) {
  TMenuItem* mi = item.MenuItem();
  int colW = item.Definition() && !PictureRect(item, item.Definition()->imagerect).IsEmpty() ? 0 : paint.GlyphColumn;
  int cy = t.Top + t.Height() / 2;
  if (paint.Images && mi->ImageIndex() >= 0 && mi->ImageIndex() < paint.Images->Count()) {
    paint.Images->Draw(c, t.Left + 2, cy - paint.Images->Height() / 2, mi->ImageIndex(), item.Enabled());
    return;
  }
  if (!mi->Checked()) return;
  const TsfDataSkinMenuItem* d = item.Definition();
  if (d) {
    const TRect& r = mi->RadioItem() ? (item.Active ? d->activeradioimagerect : d->radioimagerect)
                                     : (item.Active ? d->activecheckimagerect : d->checkimagerect);
    TRect src = PictureRect(item, r);
    if (!src.IsEmpty() &&
        CopyPiece(c, item, r, t.Left + (std::max(colW, 16) - src.Width()) / 2, cy - src.Height() / 2))
      return;
  }
  DrawSmallGlyph(c, mi->RadioItem() ? sgRadioDot : sgCheckMark, t.Left + 4, cy - 4, TextColor(item));
}

void DrawSubMenuArrow(TCanvas& c, const TsfSkinMenuItem& item, const TRect& t) {
  const TsfDataSkinMenuItem* d = item.Definition();
  int cy = t.Top + t.Height() / 2;
  if (d) {
    const TRect& r = item.Active ? d->activearrowimagerect : d->arrowimagerect;
    TRect src = PictureRect(item, r);
    if (!src.IsEmpty() && CopyPiece(c, item, r, t.Right - 7 - src.Width() / 2, cy - src.Height() / 2)) return;
  }
  DrawArrow(c, {t.Right - 11, cy - 4, t.Right - 3, cy + 4}, TextColor(item), adRight);
}

void DrawTexts(TCanvas& c, const TsfSkinMenuItem& item, const TsfMenuItemPaint& paint, const TRect& t) {
  TMenuItem* mi = item.MenuItem();
  int g = paint.Images ? paint.GlyphColumn : 16;
  if (item.Definition() && !PictureRect(item, item.Definition()->imagerect).IsEmpty()) g = 0;
  if (paint.Font) c.Font().Assign(*paint.Font);
  TFontStyles style = c.Font().Style();
  if (mi->Default()) c.Font().SetStyle(style << fsBold);
  c.Font().SetColor(TextColor(item));
  c.SetTransparentText(true);
  TRect r{t.Left + g, t.Top, t.Right - 16, t.Bottom};
  c.DrawText(mi->Caption(), r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  std::string sc = mi->ShortCutText();
  if (!sc.empty()) {
    TRect s{t.Left + g, t.Top, t.Right - 16, t.Bottom};
    c.DrawText(sc, s, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
}

}  // namespace

TsfSkinMenuItem::TsfSkinMenuItem(TMenuItem* item, const TsfDataSkinMenuItem* def, TBitmap* picture)
    : FMenuItem(item), FDefinition(def), FPicture(def ? picture : nullptr) {}

bool TsfSkinMenuItem::IsDivider() const { return FMenuItem->IsLine(); }
bool TsfSkinMenuItem::Enabled() const { return FMenuItem->Enabled(); }
bool TsfSkinMenuItem::HasChildren() const { return FMenuItem->Count() > 0; }

TRect MenuItemTextRect(const TsfSkinMenuItem& item, int width, int height) {
  const TsfDataSkinMenuItem* d = item.Definition();
  if (!d) return {0, 0, width, height};
  TRect t = d->textrect;
  t.Right += width - d->skinrect.Width();
  return t;
}

void DrawMenuItem(TBitmap& image, const TsfSkinMenuItem& item, const TsfMenuItemPaint& paint) {
  int w = item.Rect.Width(), h = item.Rect.Height();
  image.SetSize(w, h);
  if (item.Definition() && item.Picture())
    DrawSkinBackground(image, item, paint);
  else
    DrawPlainBackground(image, item, paint);
  if (item.IsDivider()) return;
  TCanvas& c = image.Canvas();
  TRect t = MenuItemTextRect(item, w, h);
  if (item.MenuItem()->OnDrawItem) {
    item.MenuItem()->OnDrawItem(item.MenuItem(), c, t, item.Active);
    return;
  }
  DrawGlyph(c, item, paint, t);
  DrawTexts(c, item, paint, t);
  if (item.HasChildren()) DrawSubMenuArrow(c, item, t);
}
