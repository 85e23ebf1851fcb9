#pragma once
// Drawing shared by the plain looks of the skinned controls: the hot and pressed
// faces, bevel frames, the glyph and caption of a button face and two small glyphs.
#include <string>

#include "skin/data/sfUtilsGlyphs.h"
#include "ui/Types.h"

class TBitmap;
class TCanvas;
class TCustomImageList;

// The plain hot and pressed faces: a one-pixel navy frame filled with these.
constexpr TColor kPlainFrameColor = 0x800000;
constexpr TColor kPlainHotColor = 13811126;   // RGB 182, 189, 210
constexpr TColor kPlainDownColor = 11899781;  // RGB 133, 147, 181

// A one-pixel frame just inside `r` in `frame`, the inside filled with `fill`.
void FrameAndFill(TCanvas& canvas, const TRect& r, TColor frame, TColor fill);
// A one-pixel frame just inside `r`: top and left in `topLeft`, bottom and right in
// `bottomRight`.
void DrawBevel(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight);

// The button painter: glyph `glyphNo` (1-based) of the `numGlyphs` equal glyphs of
// `glyph` (nullptr or empty: none) with `caption` in the canvas's font, placed by
// PlaceGlyphAndCaption and moved 1 pixel right and down when `pressed`. An image list
// with an index inside it takes the glyph's place (greyed unless ImageEnabled).
struct TsfGlyphCaption {
  const TBitmap* Glyph = nullptr;
  int NumGlyphs = 1;
  int GlyphNo = 1;
  const TCustomImageList* Images = nullptr;
  int ImageIndex = -1;
  bool ImageEnabled = true;
  std::string Caption;
  int Margin = -1;
  TsfButtonLayout Layout = blGlyphLeft;
  int Spacing = 1;
  bool Pressed = false;
};
void DrawGlyphAndCaption(TCanvas& canvas, const TRect& face, const TsfGlyphCaption& what);
// The size of glyph `glyphNo`'s cell in a strip of `numGlyphs`; 0 x 0 without one.
TPoint GlyphCellSize(const TBitmap* glyph, int numGlyphs);
// Glyph `glyphNo` of the strip drawn at (x, y), its transparent colour left out.
void DrawStripGlyph(TCanvas& canvas, int x, int y, const TBitmap& glyph, int numGlyphs,
                    int glyphNo);
