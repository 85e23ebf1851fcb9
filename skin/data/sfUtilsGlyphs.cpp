#include <windows.h>
#include <commctrl.h>

#include "sfUtilsGlyphs.h"

#include <functional>

namespace {

// Pen and brush as they were before a glyph was drawn.
class TColorsKept {
 public:
  explicit TColorsKept(TCanvas& canvas)
      : FCanvas(canvas), FPen(canvas.Pen().Color()), FBrush(canvas.Brush().Color()),
        FStyle(canvas.Brush().Style()) {}
  ~TColorsKept() {
    FCanvas.Pen().SetColor(FPen);
    FCanvas.Brush().SetColor(FBrush);
    FCanvas.Brush().SetStyle(FStyle);
  }

 private:
  TCanvas& FCanvas;
  TColor FPen, FBrush;
  TBrushStyle FStyle;
};

void Line(TCanvas& c, int x0, int y0, int x1, int y1) {
  c.MoveTo(x0, y0);
  c.LineTo(x1, y1);
}

void Frame(TCanvas& c, int l, int t, int r, int b) { c.FrameRect({l, t, r, b}); }

using TGlyphDrawer = std::function<void(int x, int y)>;

void DrawMarker(TCanvas& canvas, const TRect& face, TColor color, int gw, int gh,
                const TsfGlyphPlacement& at, const TRect& captionRect, bool hasCaption) {
  TColorsKept kept(canvas);
  canvas.Pen().SetColor(color);
  if (gw > 0) {
    for (int y = at.Glyph.y + gh - 2; y <= at.Glyph.y + gh; ++y)
      Line(canvas, at.Glyph.x, y, at.Glyph.x + gw, y);
  } else if (hasCaption) {
    for (int y = captionRect.Bottom - 1; y <= captionRect.Bottom + 1; ++y)
      Line(canvas, captionRect.Left, y, captionRect.Right, y);
  } else {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect({face.Left + 4, face.Top + 4, face.Right - 2, face.Bottom - 4});
  }
}

void PaintFace(TCanvas& canvas, const TRect& face, int margin, TColor markerColor,
               bool drawMarker, bool pressed, int gw, int gh, const TGlyphDrawer& drawGlyph,
               const std::string& caption, TsfButtonLayout layout, int spacing) {
  int tw = 0, th = 0;
  const unsigned flags = DT_WORDBREAK | DT_EXPANDTABS;
  if (!caption.empty()) {
    const bool across = layout == blGlyphLeft || layout == blGlyphRight;
    TRect r(0, 0, face.Width() - (across ? gw : 0), face.Height() - (across ? 0 : gh));
    canvas.DrawText(caption, r, flags | DT_CALCRECT);
    tw = r.Width();
    th = r.Height();
  }
  const TsfGlyphPlacement at =
      PlaceGlyphAndCaption(face, margin, layout, spacing, gw, gh, tw, th, pressed);
  TRect captionRect(at.Caption.x, at.Caption.y, at.Caption.x + tw + 2, at.Caption.y + th);
  if (!caption.empty()) {
    TColorsKept kept(canvas);
    canvas.Brush().SetStyle(bsClear);
    canvas.DrawText(caption, captionRect, flags | DT_CENTER | DT_VCENTER);
  }
  if (gw > 0) drawGlyph(at.Glyph.x, at.Glyph.y);
  if (drawMarker) DrawMarker(canvas, face, markerColor, gw, gh, at, captionRect, !caption.empty());
}

}  // namespace

void DrawGlyphAndCaption(TCanvas& canvas, const TRect& face, int margin, TColor markerColor,
                         bool drawMarker, bool enabled, bool pressed, HIMAGELIST images,
                         int imageIndex, const std::string& caption, TsfButtonLayout layout, int spacing) {
  int gw = 0, gh = 0;
  if (images && imageIndex >= 0 && imageIndex < ImageList_GetImageCount(images))
    ImageList_GetIconSize(images, &gw, &gh);
  auto glyph = [&](int x, int y) {
    if (enabled) {
      ImageList_Draw(images, imageIndex, canvas.Handle(), x, y, ILD_TRANSPARENT);
      return;
    }
    HICON icon = ImageList_GetIcon(images, imageIndex, ILD_TRANSPARENT);
    if (!icon) return;
    DrawStateW(canvas.Handle(), nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, gw, gh,
               DST_ICON | DSS_DISABLED);
    DestroyIcon(icon);
  };
  PaintFace(canvas, face, margin, markerColor, drawMarker, pressed, gw, gh, glyph, caption, layout,
            spacing);
}

void DrawGlyphAndCaption(TCanvas& canvas, const TRect& face, int margin, TColor markerColor,
                         bool drawMarker, [[maybe_unused]] bool enabled, bool pressed,
                         const TBitmap& glyphs, int glyphCount, int glyphNumber,
                         const std::string& caption, TsfButtonLayout layout, int spacing) {
  int gw = 0, gh = 0;
  if (!glyphs.Empty() && glyphCount > 0 && glyphNumber >= 1 && glyphNumber <= glyphCount) {
    gw = glyphs.Width() / glyphCount;
    gh = glyphs.Height();
  }
  auto glyph = [&](int x, int y) {
    TBitmap piece(gw, gh, glyphs.PixelFormat());
    BitBlt(piece.DC(), 0, 0, gw, gh, glyphs.DC(), (glyphNumber - 1) * gw, 0, SRCCOPY);
    piece.SetTransparent(true);
    canvas.Draw(x, y, piece);
  };
  PaintFace(canvas, face, margin, markerColor, drawMarker, pressed, gw, gh, glyph, caption, layout,
            spacing);
}

void DrawSmallGlyph(TCanvas& canvas, TsfSmallGlyph glyph, int x, int y, TColor color) {
  TColorsKept kept(canvas);
  canvas.Pen().SetColor(color);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(color);
  switch (glyph) {
    case sgClose:
      Line(canvas, x + 1, y + 1, x + 9, y + 9);
      Line(canvas, x + 9, y + 1, x + 1, y + 9);
      Line(canvas, x + 2, y + 1, x + 10, y + 9);
      Line(canvas, x + 8, y + 1, x, y + 9);
      break;
    case sgMinimize:
      Line(canvas, x + 1, y + 8, x + 9, y + 8);
      Line(canvas, x + 1, y + 9, x + 9, y + 9);
      break;
    case sgMaximize:
      Frame(canvas, x, y, x + 11, y + 10);
      Frame(canvas, x, y, x + 11, y + 2);
      break;
    case sgRestore:
      Frame(canvas, x + 2, y, x + 10, y + 6);
      Frame(canvas, x + 2, y, x + 10, y + 2);
      Frame(canvas, x, y + 4, x + 7, y + 10);
      Frame(canvas, x, y + 4, x + 7, y + 6);
      break;
    case sgRollUp:
      Frame(canvas, x + 1, y + 3, x + 9, y + 6);
      break;
    case sgTriangleDown:
      for (int i = 0; i <= 4; ++i) Line(canvas, x + 5 - i, y + 6 - i, x + 5 + i, y + 6 - i);
      break;
    case sgTriangleUp:
      for (int i = 0; i <= 4; ++i) Line(canvas, x + 1 + i, y + 6 - i, x + 9 - i, y + 6 - i);
      break;
    case sgSquare:
      canvas.FillRect({x + 2, y + 2, x + 7, y + 7});
      break;
    case sgRadioDot:
      canvas.FillRect({x, y, x + 6, y + 6});
      break;
    case sgCheckMark:
      for (int i = 0; i <= 2; ++i)
        canvas.Polyline({{x, y + 5 - i}, {x + 2, y + 7 - i}, {x + 7, y + 2 - i}});
      break;
  }
}

void DrawArrow(TCanvas& canvas, const TRect& rect, TColor color, TsfArrowDirection direction) {
  TColorsKept kept(canvas);
  canvas.Pen().SetColor(color);
  const int cx = (rect.Left + rect.Right) / 2, cy = (rect.Top + rect.Bottom) / 2;
  switch (direction) {
    case adLeft:
      for (int i = 0; i <= 3; ++i) Line(canvas, cx - 2 + i, cy - i, cx - 2 + i, cy + i + 1);
      break;
    case adRight:
      for (int n = 3; n >= 0; --n) Line(canvas, cx - n + 2, cy + n, cx - n + 2, cy - n - 1);
      break;
    case adUp:
      for (int i = 0; i <= 3; ++i) Line(canvas, cx - i, cy + i - 2, cx + i + 1, cy + i - 2);
      break;
    case adDown:
      for (int n = 3; n >= 0; --n) Line(canvas, cx - n, cy - n + 2, cx + n + 1, cy - n + 2);
      break;
  }
}

void DrawDropDownMark(TCanvas& canvas, const TRect& rect, TColor color) {
  TColorsKept kept(canvas);
  canvas.Pen().SetColor(color);
  const int cx = (rect.Left + rect.Right) / 2, cy = (rect.Top + rect.Bottom) / 2;
  for (int n = 2; n >= 0; --n) Line(canvas, cx - n, cy - n + 2, cx + n + 1, cy - n + 2);
}
