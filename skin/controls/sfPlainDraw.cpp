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
    if (what.Layout == blGlyphLeft || what.Layout == blGlyphRight)
      measure.Right -= g.x;
    else
      measure.Top += g.y;
    TRect calc{0, 0, measure.Width(), measure.Height()};
    canvas.DrawText(what.Caption, calc, flags | DT_CALCRECT);
    t = {calc.Width(), calc.Height()};
  }
  TsfGlyphPlacement p =
      PlaceGlyphAndCaption(face, what.Margin, what.Layout, what.Spacing, g.x, g.y, t.x, t.y, false);
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
