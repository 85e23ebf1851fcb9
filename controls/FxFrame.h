#pragma once
// Frame styles of the Fx labels and edits, and their plain drawing.
#include "ui/Types.h"
#include "ui/WinHandles.h"

enum TFrameStyle {
  fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp, fsStatus,
  fsPopup, fsFlatBold, fsFlatRounded
};

enum TSide { sdLeft, sdTop, sdRight, sdBottom };
using TSides = TSet<TSide>;
constexpr TSides AllSides{sdLeft, sdTop, sdRight, sdBottom};

struct TFrameColors {
  TColor Flat = clBtnShadow;
  TColor Highlight = clBtnHighlight;
  TColor Shadow = clBtnShadow;
};

// Pixels a frame of `style` takes on each side it is drawn on.
int FrameStyleWidth(TFrameStyle style, int bevelWidth);
// `rect` less `width` pixels on each of `sides` (a negative width grows it).
TRect InsetSides(const TRect& rect, int width, TSides sides);
// Draws the frame just inside `rect` on `sides`; returns the rectangle inside it.
TRect DrawFrame(HDC dc, const TRect& rect, TFrameStyle style, TSides sides,
                const TFrameColors& colors, int bevelWidth);

// Whether the platform's visual styles draw this program's controls.
bool ThemesActive();
