#include <windows.h>

#include "controls/FxFrame.h"

#include <algorithm>
#include <vector>

#include "ui/GdiObject.h"

namespace {

// One pixel wide ring of a frame: the colour of its left and top edges and that of
// its right and bottom edges.
struct TRing {
  TColor TopLeft, BottomRight;
};

std::vector<TRing> FrameRings(TFrameStyle style, const TFrameColors& c, int bevelWidth) {
  switch (style) {
    case fsNone: return {};
    case fsFlat: case fsFlatRounded: return {{c.Flat, c.Flat}};
    case fsFlatBold: return {{c.Flat, c.Flat}, {c.Flat, c.Flat}};
    case fsGroove: return {{c.Shadow, c.Highlight}, {c.Highlight, c.Shadow}};
    case fsBump: return {{c.Highlight, c.Shadow}, {c.Shadow, c.Highlight}};
    case fsLowered: return std::vector<TRing>(static_cast<size_t>(std::max(bevelWidth, 0)), {c.Shadow, c.Highlight});
    case fsRaised: return std::vector<TRing>(static_cast<size_t>(std::max(bevelWidth, 0)), {c.Highlight, c.Shadow});
    case fsButtonDown: return {{c.Shadow, c.Highlight}, {cl3DDkShadow, cl3DLight}};
    case fsButtonUp: return {{c.Highlight, cl3DDkShadow}, {cl3DLight, c.Shadow}};
    case fsStatus: return {{c.Shadow, c.Highlight}};
    case fsPopup: return {{c.Highlight, c.Shadow}};
  }
  return {};
}

void Fill(HDC dc, int left, int top, int right, int bottom, TColor color) {
  if (right <= left || bottom <= top) return;
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(color)));
  RECT r{left, top, right, bottom};
  FillRect(dc, &r, brush.Get());
}

void DrawRing(HDC dc, const TRect& r, TSides sides, const TRing& ring) {
  if (sides.Contains(sdLeft)) Fill(dc, r.Left, r.Top, r.Left + 1, r.Bottom, ring.TopLeft);
  if (sides.Contains(sdTop)) Fill(dc, r.Left, r.Top, r.Right, r.Top + 1, ring.TopLeft);
  if (sides.Contains(sdRight)) Fill(dc, r.Right - 1, r.Top, r.Right, r.Bottom, ring.BottomRight);
  if (sides.Contains(sdBottom)) Fill(dc, r.Left, r.Bottom - 1, r.Right, r.Bottom, ring.BottomRight);
}

}  // namespace

int FrameStyleWidth(TFrameStyle style, int bevelWidth) {
  return static_cast<int>(FrameRings(style, TFrameColors{}, bevelWidth).size());
}

TRect InsetSides(const TRect& rect, int width, TSides sides) {
  TRect r = rect;
  if (sides.Contains(sdLeft)) r.Left += width;
  if (sides.Contains(sdTop)) r.Top += width;
  if (sides.Contains(sdRight)) r.Right -= width;
  if (sides.Contains(sdBottom)) r.Bottom -= width;
  return r;
}

TRect DrawFrame(HDC dc, const TRect& rect, TFrameStyle style, TSides sides,
                const TFrameColors& colors, int bevelWidth) {
  TRect r = rect;
  for (const TRing& ring : FrameRings(style, colors, bevelWidth)) {
    DrawRing(dc, r, sides, ring);
    r = InsetSides(r, 1, sides);
  }
  return r;
}

bool ThemesActive() {
  // Looked up at run time: without a manifest asking for the common controls 6 the
  // program is never themed, and uxtheme need not be present at all.
  HMODULE uxtheme = GetModuleHandleW(L"uxtheme.dll");
  if (!uxtheme) return false;
  using TQuery = BOOL(WINAPI*)();
  auto active = reinterpret_cast<TQuery>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsThemeActive")));
  auto themed = reinterpret_cast<TQuery>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsAppThemed")));
  return active && themed && active() && themed();
}
