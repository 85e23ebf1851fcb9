#include "HintWindow.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "Bitmap.h"
#include "CodePage.h"

namespace {

constexpr unsigned kHintTextFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

TRect MonitorWorkArea(const TRect& place) {
  RECT r{place.Left, place.Top, place.Right, place.Bottom};
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  HMONITOR monitor = MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST);
  if (monitor && GetMonitorInfoW(monitor, &mi))
    return {mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

// Rows from the cursor's hot spot down to the last row it draws, so the hint opens
// just under the visible pointer; 20 when the cursor cannot be read.
int CursorHeightMargin() {
  constexpr int kFallback = 20;
  CURSORINFO ci{};
  ci.cbSize = sizeof ci;
  ICONINFO ii{};
  if (!GetCursorInfo(&ci) || !ci.hCursor || !GetIconInfo(ci.hCursor, &ii)) return kFallback;
  int margin = kFallback;
  BITMAP bm{};
  if (ii.hbmMask && GetObjectW(ii.hbmMask, sizeof bm, &bm) && bm.bmWidth > 0) {
    const int height = ii.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), bm.bmWidth, -bm.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> bits(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    HDC dc = GetDC(nullptr);
    if (GetDIBits(dc, ii.hbmMask, 0, bm.bmHeight, bits.data(), &bi, DIB_RGB_COLORS)) {
      int last = -1;
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < bm.bmWidth; ++x) {
          const size_t i = static_cast<size_t>(y) * bm.bmWidth + x;
          // Drawn: the AND mask is clear, or (monochrome) the XOR half is set.
          bool drawn = (bits[i] & 0xFFFFFF) == 0 ||
                       (!ii.hbmColor && (bits[i + static_cast<size_t>(height) * bm.bmWidth] & 0xFFFFFF));
          if (drawn) last = y;
        }
      if (last >= 0) margin = last + 1 - static_cast<int>(ii.yHotspot);
    }
    ReleaseDC(nullptr, dc);
  }
  if (ii.hbmMask) DeleteObject(ii.hbmMask);
  if (ii.hbmColor) DeleteObject(ii.hbmColor);
  return margin > 0 ? margin : kFallback;
}

std::string GetShortHint(const std::string& hint) {
  size_t bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint) {
  size_t bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

TRect KeepInArea(TRect r, const TRect& area) {
  if (r.Right > area.Right) r = r.Offset(area.Right - r.Right, 0);
  if (r.Bottom > area.Bottom) r = r.Offset(0, area.Bottom - r.Bottom);
  if (r.Left < area.Left) r = r.Offset(area.Left - r.Left, 0);
  if (r.Top < area.Top) r = r.Offset(0, area.Top - r.Top);
  return r;
}

bool PlatformHasDropShadow() {
  // GetVersion answers within the platform's compatibility shims, which is what the
  // window classes go by too.
  const DWORD version = GetVersion();
  const int major = LOBYTE(LOWORD(version)), minor = HIBYTE(LOWORD(version));
  return major > 5 || (major == 5 && minor >= 1);
}

void AssignStatusFont(TFont& font) {
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof ncm;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) return;
  const LOGFONTW& lf = ncm.lfStatusFont;
  font.SetName(WideToAnsi(lf.lfFaceName));
  font.SetHeight(lf.lfHeight);
  font.SetCharset(static_cast<TFontCharset>(lf.lfCharSet));
  TFontStyles style;
  if (lf.lfWeight >= FW_BOLD) style << fsBold;
  if (lf.lfItalic) style << fsItalic;
  font.SetStyle(style);
  font.SetColor(clInfoText);
}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  SetColor(clInfoBk);
  SetParentFont(false);
  AssignStatusFont(Font());
}

THintWindow::~THintWindow() = default;

void THintWindow::CreateParams(TCreateParams& p) {
  TCustomControl::CreateParams(p);
  p.Style = WS_POPUP;
  p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  p.ClassStyle = CS_SAVEBITS | (PlatformHasDropShadow() ? CS_DROPSHADOW : 0);
  p.WndParent = nullptr;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& AHint, void* AData) {
  (void)AData;
  TBitmap probe(1, 1);
  TRect r{0, 0, MaxWidth, 0};
  probe.Canvas().Font().Assign(Font());
  probe.Canvas().DrawText(AHint, r, kHintTextFlags | DT_CALCRECT);
  // Text inset by 2 on the left and top, by 4 on the right and nothing below.
  return {0, 0, r.Right + 6, r.Bottom + 2};
}

void THintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
  SetCaption(AHint);
  ShowAt(KeepInArea(Rect, MonitorWorkArea(Rect)));
}

void THintWindow::ActivateHintData(TRect Rect, const std::string& AHint, void* AData) {
  (void)AData;
  ActivateHint(Rect, AHint);
}

void THintWindow::ShowAt(const TRect& r) {
  SetBounds(r.Left, r.Top, r.Width(), r.Height());
  HWND wnd = Handle();
  SetWindowPos(wnd, HWND_TOPMOST, r.Left, r.Top, r.Width(), r.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  InvalidateRect(wnd, nullptr, FALSE);
  UpdateWindow(wnd);
}

void THintWindow::ReleaseHandle() {
  if (!HandleAllocated()) return;
  SetWindowPos(HandleValue(), nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

bool THintWindow::Showing() const { return HandleAllocated() && IsWindowVisible(HandleValue()); }

void THintWindow::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_NCHITTEST:  // the mouse goes through to what lies under the hint
      m.Result = HTTRANSPARENT;
      return;
    case WM_MOUSEACTIVATE:
      m.Result = MA_NOACTIVATE;
      return;
  }
  TCustomControl::WndProc(m);
}

void THintWindow::Paint() {
  TCanvas& c = Canvas();
  TRect r = ClientRect();
  c.Brush().SetColor(Color());
  c.FillRect(r);
  c.Brush().SetColor(clBtnShadow);
  c.FrameRect(r);
  c.Font().Assign(Font());
  c.SetTransparentText(true);
  TRect text{r.Left + 2, r.Top + 2, r.Right - 4, r.Bottom};
  c.DrawText(Caption(), text, kHintTextFlags);
}
