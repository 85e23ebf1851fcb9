#include "sfSkinImage.h"

#include "skin/data/sfSkinData.h"
#include "skin/data/sfUtilsNinePart.h"
#include "ui/Bitmap.h"

TsfSkinPictures FetchSkinGeometry(TsfSkinData& data, int index, TsfSkinGeometry& g) {
  TsfDataSkinControl* def = data.ControlDef(index);
  auto* custom = dynamic_cast<TsfDataSkinCustomControl*>(def);
  if (!custom) {
    // Keeping the definition's own skinrect lets the fixed mode size the control to
    // something sensible instead of to nothing.
    g.SkinRect = def ? def->skinrect : TRect{};
    g.SizingMode = g.SkinRect.IsEmpty() ? sfsmNone : sfsmFixed;
    return {};
  }
  g.Assign(*custom);
  return {data.ActivePictures(custom->pictureindex), data.ActivePictures(custom->maskpictureindex)};
}

void DrawSkinImageRect(TBitmap& target, TBitmap* picture, const TsfSkinGeometry& g, const TRect& r,
                       int width, int height, bool centre) {
  const int W = g.SkinWidth(), H = g.SkinHeight();
  switch (g.SizingMode) {
    case sfsmFixed:
      target.SetSize(r.Width(), r.Height());
      if (picture && !target.Empty())
        target.Canvas().CopyRect({0, 0, r.Width(), r.Height()}, picture->Canvas(), r);
      return;
    case sfsmNinePart: {
      if (!picture) break;
      TsfNinePartGeometry old = g.Old();
      CreateNinePartImage(target, *picture, r, old, ResizedGeometry(old, W, H, width, height),
                          width, height, g.Options(), centre);
      return;
    }
    case sfsmHorizontal:
      if (!picture) break;
      CreateHThreePartImage(target, *picture, r, g.LTPoint.x, W - g.RTPoint.x, width,
                            g.StretchEffect);
      return;
    case sfsmVertical:
      if (!picture) break;
      CreateVThreePartImage(target, *picture, r, g.LTPoint.y, H - g.LBPoint.y, height,
                            g.StretchEffect);
      return;
    default: return;
  }
  // A definition whose picture is missing: the image keeps the size the mode gives it
  // and shows nothing of the skin.
  target.SetSize(g.SizingMode == sfsmVertical ? W : width,
                 g.SizingMode == sfsmHorizontal ? H : height);
}

std::vector<TPoint> TilePositions(const TRect& area, int w, int h) {
  std::vector<TPoint> out;
  if (w <= 0 || h <= 0) return out;
  for (int i = 0; i <= area.Width() / w; ++i)
    for (int j = 0; j <= area.Height() / h; ++j)
      out.push_back({area.Left + i * w, area.Top + j * h});
  return out;
}

void FillWithPiece(TCanvas& canvas, const TRect& area, TBitmap& picture, const TRect& src,
                   bool stretch, TsfStretchType type) {
  int cw = src.Width(), ch = src.Height();
  if (cw <= 0 || ch <= 0) return;
  if (!stretch) {
    for (TPoint p : TilePositions(area, cw, ch))
      canvas.CopyRect({p.x, p.y, p.x + cw, p.y + ch}, picture.Canvas(), src);
    return;
  }
  if (area.Width() <= 0 || area.Height() <= 0) return;
  switch (type) {
    case stFull: canvas.CopyRect(area, picture.Canvas(), src); break;
    case stHorz:
      for (int i = 0; i <= area.Width() / cw; ++i) {
        int x = area.Left + i * cw;
        canvas.CopyRect({x, area.Top, x + cw, area.Bottom}, picture.Canvas(), src);
      }
      break;
    case stVert:
      for (int j = 0; j <= area.Height() / ch; ++j) {
        int y = area.Top + j * ch;
        canvas.CopyRect({area.Left, y, area.Right, y + ch}, picture.Canvas(), src);
      }
      break;
  }
}

void DrawPictureImage(TCanvas& canvas, int x, int y, TBitmap& picture, const TRect& src,
                      bool transparent, TColor transparentColor) {
  if (src.IsEmpty()) return;
  TBitmap image(src.Width(), src.Height());
  image.Canvas().CopyRect({0, 0, src.Width(), src.Height()}, picture.Canvas(), src);
  if (transparent) {
    image.SetTransparentColor(transparentColor);
    image.SetTransparent(true);
  }
  canvas.Draw(x, y, image);
}
