#include "Canvas.h"

#include <windows.h>

#include <vector>
// Our method names; the platform's functions are called by their full names.
#undef DrawText
#undef TextOut

#include "Bitmap.h"
#include "CodePage.h"
#include "GdiObject.h"

static_assert(sizeof(TPoint) == sizeof(POINT) && alignof(TPoint) == alignof(POINT));

namespace {

// Wine converts a bitmap of another format than the target's pixel by pixel, and
// under a clip of several rectangles it converts the whole source before clipping:
// 9 ms for a 782 x 456 panel whose children leave only its edges to show. Copied
// rectangle by rectangle, only the pixels that show are converted. Returns false
// when the clip is a single rectangle, none, or too ragged to be worth it.
bool BlitByClipRectangles(HDC dc, int x, int y, int w, int h, HDC source) {
  constexpr std::size_t kMostRectangles = 32;
  TRegionHandle clip = CreateRectRegion({0, 0, 0, 0});
  if (!clip || GetClipRgn(dc, clip.Get()) != 1) return false;
  const std::vector<TRect> rects = RegionRects(clip.Get());
  if (rects.size() <= 1 || rects.size() > kMostRectangles) return false;
  // The clip is in device units; the copy takes logical ones (text mapping mode).
  POINT viewport{}, window{};
  GetViewportOrgEx(dc, &viewport);
  GetWindowOrgEx(dc, &window);
  const TRect target{x, y, x + w, y + h};
  for (const TRect& r : rects) {
    const TRect piece = IntersectRect(r.Offset(window.x - viewport.x, window.y - viewport.y), target);
    if (piece.IsEmpty()) continue;
    BitBlt(dc, piece.Left, piece.Top, piece.Width(), piece.Height(), source, piece.Left - x,
           piece.Top - y, SRCCOPY);
  }
  return true;
}

RECT ToRECT(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

int Rop2(TPenMode mode) {
  switch (mode) {
    case pmNot:
      return R2_NOT;
    case pmXor:
      return R2_XORPEN;
    case pmNotXor:
      return R2_NOTXORPEN;
    default:
      return R2_COPYPEN;
  }
}

const POINT* Points(const std::vector<TPoint>& points) {
  return reinterpret_cast<const POINT*>(points.data());
}

}  // namespace

TCanvas::TCanvas() {
  FFont.FBeforeHandleFree = [this] { DeselectFont(); };
  FBrush.FBeforeHandleFree = [this] { DeselectBrush(); };
  FPen.FBeforeHandleFree = [this] { DeselectPen(); };
}

TCanvas::TCanvas(HDC dc) : TCanvas() { FHandle = dc; }

TCanvas::~TCanvas() { SetHandle(nullptr); }

// Even for the same handle value: a DC handed out again (BeginPaint, GetDC) comes with
// a fresh state, so nothing of ours may be taken as still selected.
void TCanvas::SetHandle(HDC dc) {
  Refresh();
  FHandle = dc;
}

void TCanvas::Refresh() {
  DeselectFont();
  DeselectBrush();
  DeselectPen();
}

HDC TCanvas::RequireHandle() const {
  if (!FHandle) throw ECanvasError("Canvas does not allow drawing");
  return FHandle;
}

// --- selection of our objects

void TCanvas::RequireFont() {
  HDC dc = RequireHandle();
  HFONT font = FFont.Handle();
  if (font == FSelectedFont) return;
  HGDIOBJ previous = SelectObject(dc, font);
  if (!FSelectedFont) FOriginalFont = previous;
  FSelectedFont = font;
}

void TCanvas::RequireBrush() {
  HDC dc = RequireHandle();
  HBRUSH brush = FBrush.Handle();
  if (brush == FSelectedBrush) return;
  HGDIOBJ previous = SelectObject(dc, brush);
  if (!FSelectedBrush) FOriginalBrush = previous;
  FSelectedBrush = brush;
}

void TCanvas::RequirePen() {
  HDC dc = RequireHandle();
  HPEN pen = FPen.Handle();
  if (pen != FSelectedPen) {
    HGDIOBJ previous = SelectObject(dc, pen);
    if (!FSelectedPen) FOriginalPen = previous;
    FSelectedPen = pen;
  }
  SetROP2(dc, Rop2(FPen.Mode()));
}

void TCanvas::PrepareText() {
  RequireFont();
  SetTextColor(FHandle, ColorToRGB(FFont.Color()));
  if (FTransparentText || FBrush.IsClear()) {
    SetBkMode(FHandle, TRANSPARENT);
  } else {
    SetBkMode(FHandle, OPAQUE);
    SetBkColor(FHandle, ColorToRGB(FBrush.Color()));
  }
}

void TCanvas::DeselectFont() {
  if (FSelectedFont && FHandle) SelectObject(FHandle, FOriginalFont);
  FSelectedFont = nullptr;
  FOriginalFont = nullptr;
}

void TCanvas::DeselectBrush() {
  if (FSelectedBrush && FHandle) SelectObject(FHandle, FOriginalBrush);
  FSelectedBrush = nullptr;
  FOriginalBrush = nullptr;
}

void TCanvas::DeselectPen() {
  if (FSelectedPen && FHandle) SelectObject(FHandle, FOriginalPen);
  FSelectedPen = nullptr;
  FOriginalPen = nullptr;
}

// --- shapes

void TCanvas::FillRect(const TRect& rect) {
  HDC dc = RequireHandle();
  if (FBrush.IsClear()) return;
  RECT r = ToRECT(rect);
  ::FillRect(dc, &r, FBrush.Handle());
}

void TCanvas::FrameRect(const TRect& rect) {
  HDC dc = RequireHandle();
  if (FBrush.IsClear()) return;
  RECT r = ToRECT(rect);
  ::FrameRect(dc, &r, FBrush.Handle());
}

void TCanvas::Rectangle(const TRect& rect) {
  RequirePen();
  RequireBrush();
  ::Rectangle(FHandle, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::Ellipse(const TRect& rect) {
  RequirePen();
  RequireBrush();
  ::Ellipse(FHandle, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(RequireHandle(), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  RequirePen();
  ::LineTo(FHandle, x, y);
}

TPoint TCanvas::PenPos() const {
  POINT p{};
  GetCurrentPositionEx(RequireHandle(), &p);
  return {p.x, p.y};
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  RequirePen();
  if (points.size() >= 2) ::Polyline(FHandle, Points(points), static_cast<int>(points.size()));
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  RequirePen();
  RequireBrush();
  if (points.size() >= 2) ::Polygon(FHandle, Points(points), static_cast<int>(points.size()));
}

// --- text

void TCanvas::TextOut(int x, int y, const std::string& text) {
  PrepareText();
  std::wstring w = AnsiToWide(text);
  ::TextOutW(FHandle, x, y, w.c_str(), static_cast<int>(w.size()));
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
  TextRect(rect, x, y, AnsiToWide(text));
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::wstring& text) {
  PrepareText();
  UINT options = ETO_CLIPPED;
  if (!FTransparentText && !FBrush.IsClear()) options |= ETO_OPAQUE;
  RECT r = ToRECT(rect);
  ExtTextOutW(FHandle, x, y, options, &r, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

int TCanvas::DrawText(const std::string& text, TRect& rect, unsigned flags) {
  PrepareText();
  RECT r = ToRECT(rect);
  std::wstring w = AnsiToWide(text);
  int height = ::DrawTextW(FHandle, w.c_str(), static_cast<int>(w.size()), &r, flags);
  rect = {r.left, r.top, r.right, r.bottom};
  return height;
}

TPoint TCanvas::TextExtent(const std::string& text) {
  RequireFont();
  std::wstring w = AnsiToWide(text);
  SIZE size{};
  GetTextExtentPoint32W(FHandle, w.c_str(), static_cast<int>(w.size()), &size);
  return {size.cx, size.cy};
}

// --- bitmaps and copies

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  HDC dc = RequireHandle();
  if (bitmap.Empty()) return;
  int w = bitmap.Width(), h = bitmap.Height();
  if (bitmap.Transparent())
    GdiTransparentBlt(dc, x, y, w, h, bitmap.DC(), 0, 0, w, h,
                      ColorToRGB(bitmap.TransparentColor()));
  else if (!BlitByClipRectangles(dc, x, y, w, h, bitmap.DC()))
    BitBlt(dc, x, y, w, h, bitmap.DC(), 0, 0, SRCCOPY);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap) {
  HDC dc = RequireHandle();
  if (bitmap.Empty()) return;
  int w = bitmap.Width(), h = bitmap.Height();
  if (bitmap.Transparent()) {
    GdiTransparentBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), bitmap.DC(), 0, 0, w, h,
                      ColorToRGB(bitmap.TransparentColor()));
    return;
  }
  int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), bitmap.DC(), 0, 0, w, h,
             SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& src) {
  HDC dc = RequireHandle();
  HDC from = source.RequireHandle();
  int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), from, src.Left, src.Top,
             src.Width(), src.Height(), SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

// --- state, clipping, origin

// Our objects are out of the DC while a state is saved: if one of them changed before
// the restore, RestoreDC would otherwise select a handle that has been deleted.
int TCanvas::SaveState() {
  HDC dc = RequireHandle();
  Refresh();
  return SaveDC(dc);
}

void TCanvas::RestoreState(int savedState) {
  HDC dc = RequireHandle();
  Refresh();
  RestoreDC(dc, savedState);
}

void TCanvas::IntersectClip(const TRect& rect) {
  IntersectClipRect(RequireHandle(), rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::ExcludeClip(const TRect& rect) {
  ExcludeClipRect(RequireHandle(), rect.Left, rect.Top, rect.Right, rect.Bottom);
}

TRect TCanvas::ClipRect() const {
  RECT r{};
  GetClipBox(RequireHandle(), &r);
  return {r.left, r.top, r.right, r.bottom};
}

TPoint TCanvas::SetOrigin(TPoint origin) {
  POINT previous{};
  SetViewportOrgEx(RequireHandle(), origin.x, origin.y, &previous);
  return {previous.x, previous.y};
}

TPoint TCanvas::Origin() const {
  POINT p{};
  GetViewportOrgEx(RequireHandle(), &p);
  return {p.x, p.y};
}

std::uint32_t TCanvas::Pixel(int x, int y) const { return GetPixel(RequireHandle(), x, y); }

void TCanvas::SetPixel(int x, int y, TColor color) {
  ::SetPixel(RequireHandle(), x, y, ColorToRGB(color));
}
