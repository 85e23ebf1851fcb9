#include <windows.h>

#include "sfPlainDraw.h"

#include "ui/Bitmap.h"
#include "ui/Canvas.h"
#include "ui/ImageList.h"

void FrameAndFill(TCanvas& canvas, const TRect& r, TColor frame, TColor fill) {
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(frame);
  canvas.FrameRect(r);
  canvas.Brush().SetColor(fill);
  canvas.FillRect({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1});
}

void DrawBevel(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight) {
  if (r.IsEmpty()) return;
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(topLeft);
  canvas.FillRect({r.Left, r.Top, r.Right, r.Top + 1});
  canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom});
  canvas.Brush().SetColor(bottomRight);
  canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
  canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
}

TsfGlyphCaptionPlace LayoutGlyphCaption(const TRect& face, int margin, int layout, int spacing,
                                        TPoint g, TPoint t) {
  int s = g.x == 0 ? 0 : spacing;
  int cx = face.Left + face.Width() / 2, cy = face.Top + face.Height() / 2;
  TsfGlyphCaptionPlace p;
  bool horizontal = layout == 0 || layout == 1;
  if (horizontal) {
    p.Glyph.y = cy - g.y / 2;
    p.Caption.y = cy - t.y / 2;
  } else {
    p.Glyph.x = cx - g.x / 2;
    p.Caption.x = cx - t.x / 2;
  }
  if (margin == -1) {
    int hw = (g.x + t.x + s) / 2, hh = (t.y + g.y + s) / 2;
    switch (layout) {
      case 0:
        p.Glyph.x = cx - hw;
        p.Caption.x = cx + hw - t.x;
        break;
      case 1:
        p.Caption.x = cx - hw;
        p.Glyph.x = cx + hw - g.x;
        break;
      case 2:
        p.Glyph.y = cy - hh;
        p.Caption.y = cy + hh - t.y;
        break;
      default:
        p.Caption.y = cy - hh;
        p.Glyph.y = cy + hh - g.y;
        break;
    }
    return p;
  }
  switch (layout) {
    case 0:
      p.Glyph.x = face.Left + margin;
      p.Caption.x = p.Glyph.x + g.x + s;
      break;
    case 1:
      p.Glyph.x = face.Right - g.x - margin;
      p.Caption.x = p.Glyph.x - s - t.x;
      break;
    case 2:
      p.Glyph.y = face.Top + margin;
      p.Caption.y = p.Glyph.y + g.y + s;
      break;
    default:
      p.Glyph.y = face.Bottom - g.y - margin;
      p.Caption.y = p.Glyph.y - s - t.y;
      break;
  }
  return p;
}

TPoint GlyphCellSize(const TBitmap* glyph, int numGlyphs) {
  if (!glyph || glyph->Empty() || numGlyphs < 1) return {0, 0};
  return {glyph->Width() / numGlyphs, glyph->Height()};
}

void DrawStripGlyph(TCanvas& canvas, int x, int y, const TBitmap& glyph, int numGlyphs,
                    int glyphNo) {
  TPoint size = GlyphCellSize(&glyph, numGlyphs);
  if (size.x <= 0 || glyphNo < 1 || glyphNo > numGlyphs) return;
  TBitmap cell(size.x, size.y);
  auto& strip = const_cast<TBitmap&>(glyph);
  int left = (glyphNo - 1) * size.x;
  cell.Canvas().CopyRect({0, 0, size.x, size.y}, strip.Canvas(), {left, 0, left + size.x, size.y});
  cell.SetTransparentColor(glyph.TransparentColor());
  cell.SetTransparent(true);
  canvas.Draw(x, y, cell);
}

void DrawGlyphAndCaption(TCanvas& canvas, const TRect& face, const TsfGlyphCaption& what) {
  bool image = what.Images && what.ImageIndex >= 0 && what.ImageIndex < what.Images->Count();
  TPoint g = image ? TPoint{what.Images->Width(), what.Images->Height()}
                   : GlyphCellSize(what.Glyph, what.NumGlyphs);
  TPoint t{0, 0};
  const unsigned flags = DT_WORDBREAK | DT_EXPANDTABS;
  if (!what.Caption.empty()) {
    TRect measure = face;
    if (what.Layout == 0 || what.Layout == 1)
      measure.Right -= g.x;
    else
      measure.Top += g.y;
    TRect calc{0, 0, measure.Width(), measure.Height()};
    canvas.DrawText(what.Caption, calc, flags | DT_CALCRECT);
    t = {calc.Width(), calc.Height()};
  }
  TsfGlyphCaptionPlace p = LayoutGlyphCaption(face, what.Margin, what.Layout, what.Spacing, g, t);
  int shift = what.Pressed ? 1 : 0;
  if (!what.Caption.empty()) {
    canvas.Brush().SetStyle(bsClear);
    TRect box{p.Caption.x + shift, p.Caption.y + shift, p.Caption.x + shift + t.x + 2,
              p.Caption.y + shift + t.y};
    canvas.DrawText(what.Caption, box, flags | DT_CENTER | DT_VCENTER);
    canvas.Brush().SetStyle(bsSolid);
  }
  if (image)
    what.Images->Draw(canvas, p.Glyph.x + shift, p.Glyph.y + shift, what.ImageIndex,
                      what.ImageEnabled);
  else if (g.x > 0)
    DrawStripGlyph(canvas, p.Glyph.x + shift, p.Glyph.y + shift, *what.Glyph, what.NumGlyphs,
                   what.GlyphNo);
}

void DrawCheckMark(TCanvas& canvas, int x, int y, TColor color) {
  canvas.Pen().SetColor(color);
  for (int i = 0; i <= 2; ++i)
    canvas.Polyline({{x, y + 5 - i}, {x + 2, y + 7 - i}, {x + 7, y + 2 - i}});
}

void DrawArrow(TCanvas& canvas, const TRect& r, TColor color, int direction) {
  canvas.Pen().SetColor(color);
  int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
  auto line = [&canvas](int x0, int y0, int x1, int y1) {
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
  };
  for (int k = 0; k <= 3; ++k) {
    int n = 3 - k;
    switch (direction) {
      case 1: line(cx - 2 + k, cy - k, cx - 2 + k, cy + k + 1); break;
      case 2: line(cx - n + 2, cy + n, cx - n + 2, cy - n - 1); break;
      case 3: line(cx - k, cy + k - 2, cx + k + 1, cy + k - 2); break;
      default: line(cx - n, cy - n + 2, cx + n + 1, cy - n + 2); break;
    }
  }
}
