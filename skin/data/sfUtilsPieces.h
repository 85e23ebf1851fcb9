#pragma once
// The geometry behind resizing a skin image: which rectangle of the picture lands
// where in the resized image, as lists of elementary blits. Platform-neutral; the
// drawing routines (sfUtilsNinePart.h) carry the blits out on bitmaps.
#include <cstdint>
#include <vector>

#include "sfSkinValues.h"
#include "ui/Types.h"

// Corner points and client rectangle of a skin image, relative to its skinrect.
struct TsfNinePartGeometry {
  TPoint LT, RT, LB, RB;
  TRect Cl;
};

// The geometry of a width x height image grown to newWidth x newHeight: the top-left
// pieces stay, the right ones move with the right edge, the bottom ones with the
// bottom edge.
TsfNinePartGeometry ResizedGeometry(const TsfNinePartGeometry& g, int width, int height,
                                    int newWidth, int newHeight);

// Src of the picture drawn into Dst of the target: 1:1 when both have one size,
// otherwise scaled.
struct TsfBlit {
  TRect Src;
  TRect Dst;
  friend bool operator==(const TsfBlit&, const TsfBlit&) = default;
};
using TsfBlits = std::vector<TsfBlit>;

// `src` copied 1:1 with its top-left at `at`; nothing for an empty `src`.
void AddCopied(TsfBlits& blits, const TRect& src, TPoint at);
// `src` scaled into `dst`; nothing when either is empty.
void AddStretched(TsfBlits& blits, const TRect& src, const TRect& dst);
// Tiles of `src` from the top-left of `dst`, (dst length div src length) + 1 per
// direction, the last ones cut short (to nothing) at the far edges of `dst`. A source
// of length 0 gives nothing.
void AddTiled(TsfBlits& blits, const TRect& src, const TRect& dst);

struct TsfNinePartOptions {
  bool LeftStretch = false;
  bool TopStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;
  bool StretchEffect = false;
  TsfStretchType StretchType = stFull;
};

// Which pieces of the nine a routine draws.
enum TsfNinePartKind {
  npAll,          // edges and corners, the centre as the options say
  npStretchOnly,  // the centre only when StretchEffect is set
  npNoRight,      // no right column: the bands and the centre run to the right edge
};

// The blits of the nine-part image of the picture's `skinRect` (geometry `g`) resized
// to newWidth x newHeight with geometry `ng`: the four middle segments (top, bottom,
// left, right), the eight corner pieces, then the centre when `centre` asks for it.
// Nothing when RB and LT share an x or a y.
TsfBlits NinePartBlits(const TRect& skinRect, const TsfNinePartGeometry& g,
                       const TsfNinePartGeometry& ng, int newWidth, int newHeight,
                       const TsfNinePartOptions& options, bool centre,
                       TsfNinePartKind kind = npAll);

// The centre alone: Cl scaled into Cl' by the stretch type, or tiled over it.
void AddCentre(TsfBlits& blits, const TRect& cl, const TRect& ncl, bool stretchEffect,
               TsfStretchType type);

// The four border bands of a nine-part image in their own images, in the order top,
// bottom, left, right: each band's size and its place in the whole image.
struct TsfBand {
  int Width = 0;
  int Height = 0;
  TPoint Offset;
};
struct TsfBorderBands {
  TsfBand Top, Bottom, Left, Right;
};
TsfBorderBands BorderBands(const TRect& ncl, int newWidth, int newHeight);

// `blits` moved by -offset and cut to a width x height image (source shortened alike).
TsfBlits ClipBlits(const TsfBlits& blits, TPoint offset, int width, int height);

enum TsfThreePartKind {
  tpFull,        // fixed start, stretched or tiled middle, fixed end
  tpNoEnd,       // fixed start, middle up to the far edge
  tpMiddleOnly,  // middle alone over the whole length
};

// Three-part resize of `s` along x to `newLength` (height stays that of `s`): `a`
// fixed columns at the start, `b` at the end, the middle between them (taken as one
// column when it has none) stretched or tiled.
TsfBlits HThreePartBlits(const TRect& s, int a, int b, int newLength, bool stretch,
                         TsfThreePartKind kind = tpFull);
// The same along y: `a` rows at the top, `b` at the bottom.
TsfBlits VThreePartBlits(const TRect& s, int a, int b, int newLength, bool stretch,
                         TsfThreePartKind kind = tpFull);

// The four band images of a mask resized by tiling only (never stretching), in the
// order top, bottom, left, right, each with its place in the resized mask. `width` x
// `height` is the mask's size.
struct TsfMaskBand {
  TsfBand Band;
  TsfBlits Blits;
};
struct TsfMaskBands {
  TsfMaskBand Top, Bottom, Left, Right;
};
TsfMaskBands MaskBands(const TsfNinePartGeometry& g, const TsfNinePartGeometry& ng, int width,
                       int height, int newWidth);

// The runs of pure black pixels (blue + green + red = 0) of a top-down pixel buffer,
// row by row and left to right, as one-pixel-high rectangles moved by (dx, dy).
std::vector<TRect> MaskRuns(const std::uint8_t* bits, int width, int height, int rowBytes,
                            int bytesPerPixel, int dx, int dy);

// RGNDATA of type RDH_RECTANGLES: 32-byte header (region size field 0, bounding
// rectangle `bounds`) followed by the rectangles. As large as the rectangles need.
std::vector<std::uint8_t> RegionDataBytes(const std::vector<TRect>& rects, const TRect& bounds);
// The rectangles of region data made by RegionDataBytes or by the platform.
std::vector<TRect> RegionDataRects(const std::uint8_t* data, std::size_t size);

// Rectangle and point helpers as the skin code uses them.
inline int RectWidth(const TRect& r) { return r.Right - r.Left; }
inline int RectHeight(const TRect& r) { return r.Bottom - r.Top; }
inline bool IsNullRect(const TRect& r) { return RectWidth(r) <= 0 || RectHeight(r) <= 0; }
// A point is unset when either coordinate is 0.
inline bool IsNullPoint(TPoint p) { return p.x == 0 || p.y == 0; }
inline bool EqRects(const TRect& a, const TRect& b) { return a == b; }
// Right and bottom edges count as inside.
inline bool PointInRect(const TRect& r, TPoint p) {
  return p.x >= r.Left && p.x <= r.Right && p.y >= r.Top && p.y <= r.Bottom;
}
// Both corners of `inner` inside `outer` by the exclusive point test.
inline bool RectInRect(const TRect& outer, const TRect& inner) {
  return outer.Contains({inner.Left, inner.Top}) && outer.Contains({inner.Right, inner.Bottom});
}

// Where a glyph of gw x gh and a caption of tw x th go on a button face. Layout 0
// puts the glyph left of the caption, 1 right, 2 above, 3 below; margin -1 centres
// the pair. The spacing counts only with a glyph; pressed moves both by (1, 1).
enum TsfButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
struct TsfGlyphPlacement {
  TPoint Glyph;
  TPoint Caption;
};
TsfGlyphPlacement PlaceGlyphAndCaption(const TRect& face, int margin, TsfButtonLayout layout, int spacing,
                                       int gw, int gh, int tw, int th, bool pressed);
