#pragma once
// What the windowed and the windowless custom controls share about their skin image:
// copying it from the definition, and drawing a rectangle of the picture at the
// control's size by its resize mode.
#include <vector>

#include "sfSkinGeometry.h"
#include "ui/Types.h"

class TBitmap;
class TCanvas;
class TsfSkinData;

struct TsfSkinPictures {
  TBitmap* Picture = nullptr;
  TBitmap* Mask = nullptr;
};

// FetchSkin's copy for definition `index` of `data` (index not -1). A definition
// without an image geometry of its own (a kind directly under the root) gives the
// fixed mode, or none when its skinrect is empty, and no pictures.
TsfSkinPictures FetchSkinGeometry(TsfSkinData& data, int index, TsfSkinGeometry& geometry);

// Draws the image `r` of `picture` (a rectangle the size of S) into `target` as the
// control's size asks: fixed copies it 1:1 at its own size; the other modes give
// `target` the size width x height first. `centre` asks the nine-part image for its
// middle as well.
void DrawSkinImageRect(TBitmap& target, TBitmap* picture, const TsfSkinGeometry& g, const TRect& r,
                       int width, int height, bool centre);

// The places at which copies of a w x h piece cover `area`: columns area.Left + i x w
// for i = 0 .. area width div w, rows likewise (the last ones may pass the edge).
std::vector<TPoint> TilePositions(const TRect& area, int w, int h);

// Covers `area` of `canvas` with the piece `src` of `picture`: tiled, or with
// `stretch` scaled by `type` (stFull into the area, stHorz to the area's height and
// repeated across, stVert to its width and repeated down). Clipping is the caller's.
void FillWithPiece(TCanvas& canvas, const TRect& area, TBitmap& picture, const TRect& src,
                   bool stretch, TsfStretchType type);

// The image `src` of `picture` drawn 1:1 at (x, y). A transparent one leaves out the
// pixels of `transparentColor` (clDefault: the colour of the image's bottom-left pixel).
void DrawPictureImage(TCanvas& canvas, int x, int y, TBitmap& picture, const TRect& src,
                      bool transparent, TColor transparentColor = clDefault);
