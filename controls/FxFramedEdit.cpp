#include <windows.h>

#include "controls/FxFramedEdit.h"

#include "ui/GdiObject.h"

namespace {

// Thickness of the platform's border around the client area (scroll bars aside).
int PlatformBorderWidth(HWND wnd) {
  if (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) return GetSystemMetrics(SM_CXEDGE);
  if (GetWindowLongW(wnd, GWL_STYLE) & WS_BORDER) return GetSystemMetrics(SM_CXBORDER);
  return 0;
}

}  // namespace

bool FxIsNonClientPaint(unsigned msg) { return msg == WM_NCPAINT; }

void FxPaintEditFrame(HWND wnd, TFrameStyle style, TColor color, TSides sides, TColor background) {
  TNonClientDC dc(wnd);
  if (!dc.Get()) return;
  RECT wr;
  GetWindowRect(wnd, &wr);
  TRect whole{0, 0, wr.right - wr.left, wr.bottom - wr.top};
  TFrameColors colors;
  colors.Flat = color;
  TRect inside = DrawFrame(dc.Get(), whole, style, sides, colors, 1);
  // What is left of the platform's border takes the background, so only our frame shows.
  int border = PlatformBorderWidth(wnd);
  TRect client = InsetSides(whole, border, AllSides);
  if (inside == client || client.IsEmpty()) return;
  ExcludeClipRect(dc.Get(), client.Left, client.Top, client.Right, client.Bottom);
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(background)));
  RECT r{inside.Left, inside.Top, inside.Right, inside.Bottom};
  FillRect(dc.Get(), &r, brush.Get());
}

void FxRedrawEditFrame(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void FxPostTabKey(HWND wnd) { PostMessageW(wnd, WM_KEYDOWN, VK_TAB, 0); }
