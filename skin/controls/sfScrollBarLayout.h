#pragma once
// Where the parts of a scroll bar lie: the two arrow buttons, the track and the
// thumb, for the plain bar and for one worn from a scroll-bar definition; and the
// position a dragged thumb stands for. Pure geometry, shared by the bar and its tests.
#include "ui/Types.h"

enum TScrollBarKind { sbHorizontal, sbVertical };

// The values of a bar that the layout depends on.
struct TsfScrollBarMetrics {
  TScrollBarKind Kind = sbHorizontal;
  int Min = 0, Max = 100, Position = 0, PageSize = 0;
};

// Part indexes: 0 the thumb, 1 the high button (right or bottom, increases the
// position), 2 the low button (left or top).
constexpr int sfsbThumb = 0, sfsbHighButton = 1, sfsbLowButton = 2, sfsbNoPart = -1;

struct TsfScrollBarLayout {
  TRect Parts[3];
  TRect Track;
  int ThumbOffset = 0;
  // Centre positions of the thumb at the two ends of its travel, along the bar.
  int FirstCentre = 0, LastCentre = 0;
};

// The images and measures a skinned bar takes from its definition, with the empty
// hot, pressed and active images already replaced by the ones they fall back on.
struct TsfScrollBarSkin {
  TRect SkinRect;  // S
  TPoint RTPoint, LBPoint;
  TRect TrackArea;
  TRect UpButton, ActiveUpButton, DownUpButton;
  TRect DownButton, ActiveDownButton, DownDownButton;
  TRect Thumb, ActiveThumb, DownThumb;
  TRect Glyph, ActiveGlyph, DownGlyph;
  int ThumbOffset1 = 0, ThumbOffset2 = 0;
  bool ThumbTransparent = false, GlyphTransparent = false, ThumbStretchEffect = false;
  TColor ThumbTransparentColor = 0, GlyphTransparentColor = 0;
  int ThumbMinSize = 0, ThumbMinPageSize = 0;
};

// The plain bar of width x height; `bothMarker` is kept free at the right end of a
// horizontal bar that shares its corner with a second bar (0 for none).
TsfScrollBarLayout PlainScrollBarLayout(const TsfScrollBarMetrics& m, int width, int height,
                                        int bothMarker);
TsfScrollBarLayout SkinScrollBarLayout(const TsfScrollBarMetrics& m, const TsfScrollBarSkin& s,
                                       int width, int height);

// The position for a thumb moved to `offset` along its travel (the offset at the
// press plus the distance the mouse moved since).
int ScrollPositionFromOffset(const TsfScrollBarMetrics& m, const TsfScrollBarLayout& l,
                             int offset);

// The part under a point, tested in the order thumb, high button, low button.
int ScrollBarPartAt(const TsfScrollBarLayout& l, TPoint p);
