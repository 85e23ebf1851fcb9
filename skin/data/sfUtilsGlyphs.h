#pragma once
// What a button face shows: a glyph and a caption placed by layout and margin, and
// the small glyphs (caption-button marks, triangles, check marks, arrows) drawn in
// one colour when the skin has no image for them.
#include <string>

#include "sfUtilsPieces.h"
#include "ui/Bitmap.h"
#include "ui/Canvas.h"

struct _IMAGELIST;
using HIMAGELIST = _IMAGELIST*;

// The glyph `imageIndex` of `images` (none when the index is out of range) and the
// caption, word-wrapped, on `face`: the layout puts the glyph left of,
// right of, above or below the caption; margin -1 centres them. A disabled glyph is greyed; pressed moves
// everything by (1, 1). With `drawMarker` a three-line marker in `markerColor` goes
// under the glyph, or under the caption, or fills the face when there is neither.
void DrawGlyphAndCaption(TCanvas& canvas, const TRect& face, int margin, TColor markerColor,
                         bool drawMarker, bool enabled, bool pressed, HIMAGELIST images,
                         int imageIndex, const std::string& caption, TsfButtonLayout layout, int spacing);
// The same with glyph number `glyphNumber` (from 1) of `glyphs`, a strip of
// `glyphCount` equal glyphs side by side, drawn without its transparent colour (that
// of its bottom-left pixel).
void DrawGlyphAndCaption(TCanvas& canvas, const TRect& face, int margin, TColor markerColor,
                         bool drawMarker, bool enabled, bool pressed, const TBitmap& glyphs,
                         int glyphCount, int glyphNumber, const std::string& caption, TsfButtonLayout layout,
                         int spacing);

enum TsfSmallGlyph {
  sgClose, sgMinimize, sgMaximize, sgRestore, sgRollUp, sgTriangleDown, sgTriangleUp,
  sgSquare, sgRadioDot, sgCheckMark
};
// `glyph` in `color` with its top-left at (x, y).
void DrawSmallGlyph(TCanvas& canvas, TsfSmallGlyph glyph, int x, int y, TColor color);

enum TsfArrowDirection { adLeft = 1, adRight = 2, adUp = 3, adDown = 4 };
// A small arrow around the centre of `rect`.
void DrawArrow(TCanvas& canvas, const TRect& rect, TColor color, TsfArrowDirection direction);
// The small drop-down mark of combo boxes, around the centre of `rect`.
void DrawDropDownMark(TCanvas& canvas, const TRect& rect, TColor color);
