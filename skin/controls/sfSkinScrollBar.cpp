#include <windows.h>

#include "sfSkinScrollBar.h"

#include <algorithm>

#include "sfPlainDraw.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfUtilsNinePart.h"
#include "ui/Bitmap.h"

namespace {

constexpr UINT_PTR kRepeatTimer = 1;

// With a page the last position shows the last page whole.
int ClampPosition(const TsfScrollBarMetrics& m, int v) {
  int upper = m.PageSize == 0 ? m.Max : m.Max - m.PageSize + 1;
  return v < m.Min ? m.Min : std::min(v, upper);
}

bool IsButton(int part) { return part == sfsbHighButton || part == sfsbLowButton; }

// An empty state image falls back on the one before it.
TRect Or(const TRect& r, const TRect& fallback) { return r.IsEmpty() ? fallback : r; }

void CopyScrollBarSkin(const TsfDataSkinScrollBarControl& d, TsfScrollBarSkin& s) {
  s.SkinRect = d.skinrect;
  s.RTPoint = d.righttoppoint;
  s.LBPoint = d.leftbottompoint;
  s.TrackArea = d.trackarea;
  s.UpButton = d.upbuttonrect;
  s.ActiveUpButton = d.activeupbuttonrect;
  s.DownUpButton = Or(d.downupbuttonrect, d.activeupbuttonrect);
  s.DownButton = d.downbuttonrect;
  s.ActiveDownButton = d.activedownbuttonrect;
  s.DownDownButton = Or(d.downdownbuttonrect, d.activedownbuttonrect);
  s.Thumb = d.thumbrect;
  s.ActiveThumb = Or(d.activethumbrect, d.thumbrect);
  s.DownThumb = Or(d.downthumbrect, s.ActiveThumb);
  s.Glyph = d.glyphrect;
  s.ActiveGlyph = Or(d.activeglyphrect, d.glyphrect);
  s.DownGlyph = Or(d.downglyphrect, s.ActiveGlyph);
  s.ThumbOffset1 = d.thumboffset1;
  s.ThumbOffset2 = d.thumboffset2;
  s.ThumbTransparent = d.thumbtransparent;
  s.ThumbTransparentColor = d.thumbtransparentcolor;
  s.GlyphTransparent = d.glyphtransparent;
  s.GlyphTransparentColor = d.glyphtransparentcolor;
  s.ThumbStretchEffect = d.thumbstretcheffect;
  s.ThumbMinSize = d.thumbminsize;
  s.ThumbMinPageSize = d.thumbminpagesize;
}

// `src` of `picture` copied 1:1 to (x, y) of `canvas`, `transparent` pixels left out.
void CopyPiece(TCanvas& canvas, TBitmap& picture, const TRect& src, int x, int y, bool transparent,
               TColor color) {
  if (src.IsEmpty()) return;
  TBitmap piece(src.Width(), src.Height());
  piece.Canvas().CopyRect({0, 0, src.Width(), src.Height()}, picture.Canvas(), src);
  if (transparent) {
    piece.SetTransparentColor(color);
    piece.SetTransparent(true);
  }
  canvas.Draw(x, y, piece);
}

}  // namespace

TsfSkinScrollBar::TsfSkinScrollBar(TComponent* AOwner) : TsfSkinCustomControl(AOwner) {
  SetSkinDataName("hscrollbar");
  SetBounds(0, 0, 200, 19);
  SetDefaultHeight(19);
  SetTabStop(false);
}

TsfSkinScrollBar::~TsfSkinScrollBar() { StopTimer(); }

// ---- properties ----------------------------------------------------------------

void TsfSkinScrollBar::SetKind(TScrollBarKind value) {
  if (value == FMetrics.Kind) return;
  FMetrics.Kind = value;
  Invalidate();
}

void TsfSkinScrollBar::SetMin(int value) {
  FMetrics.Min = value;
  FMetrics.Position = std::max(FMetrics.Position, value);
  Invalidate();
}

void TsfSkinScrollBar::SetMax(int value) {
  TsfScrollBarMetrics& m = FMetrics;
  m.Max = value;
  if (m.PageSize != 0) {
    if (m.Max - m.Min < m.PageSize + m.Position)
      m.Position = std::max(m.Min, m.Max - m.Min - m.PageSize + 1);
  } else {
    m.Position = std::min(m.Position, m.Max);
  }
  Invalidate();
}

void TsfSkinScrollBar::SetPageSize(int value) {
  if (FMetrics.Max - FMetrics.Min + 1 >= value + FMetrics.Position) FMetrics.PageSize = value;
  Invalidate();
}

void TsfSkinScrollBar::SetPosition(int value) {
  value = ClampPosition(FMetrics, value);
  if (value == FMetrics.Position) return;
  const TsfScrollBarLayout before = Layout();
  FMetrics.Position = value;
  InvalidateIfMoved(before);
  if (OnChange) OnChange(this);
}

void TsfSkinScrollBar::SetRange(int AMin, int AMax, int APageSize, int APosition) {
  TsfScrollBarMetrics m = FMetrics;
  m.Min = AMin;
  m.Max = AMax;
  m.PageSize = APageSize;
  m.Position = ClampPosition(m, APosition);
  if (m.Min == FMetrics.Min && m.Max == FMetrics.Max && m.PageSize == FMetrics.PageSize &&
      m.Position == FMetrics.Position)
    return;
  const TsfScrollBarLayout before = Layout();
  FMetrics = m;
  InvalidateIfMoved(before);
}

void TsfSkinScrollBar::InvalidateIfMoved(const TsfScrollBarLayout& before) {
  const TsfScrollBarLayout now = Layout();
  for (int part : {sfsbThumb, sfsbHighButton, sfsbLowButton})
    if (now.Parts[part] != before.Parts[part]) {
      Invalidate();
      return;
    }
}

void TsfSkinScrollBar::SetSmallChange(int value) {
  if (value == FSmallChange) return;
  FSmallChange = value;
  Invalidate();
}

void TsfSkinScrollBar::SetLargeChange(int value) {
  if (value == FLargeChange) return;
  FLargeChange = value;
  Invalidate();
}

void TsfSkinScrollBar::SetCanFocused(bool value) {
  FCanFocused = value;
  SetTabStop(value);
}

void TsfSkinScrollBar::SetBoth(bool value) {
  if (value == FBoth) return;
  FBoth = value;
  if (!IsDesigning()) {
    if (value) {
      FSavedSkinDataName = SkinDataName();
      SetSkinDataName(FBothSkinDataName);
    } else if (!FSavedSkinDataName.empty()) {
      SetSkinDataName(FSavedSkinDataName);
    }
  }
  FetchSkin();
  if (Skinned())
    ApplySkin();
  else
    Invalidate();
}

void TsfSkinScrollBar::SetBothMarkerWidth(int value) {
  if (value < 0 || value == FBothMarkerWidth) return;
  FBothMarkerWidth = value;
  Invalidate();
}

// ---- skin and layout -------------------------------------------------------------

void TsfSkinScrollBar::FetchSkin() {
  TsfSkinCustomControl::FetchSkin();
  if (auto* def = dynamic_cast<TsfDataSkinScrollBarControl*>(Definition()))
    CopyScrollBarSkin(*def, FSkinValues);
}

void TsfSkinScrollBar::ApplySkin() {
  // A new skin may bring new pictures in the same bitmaps.
  FThumbPicture.reset();
  TsfSkinCustomControl::ApplySkin();
}

TsfScrollBarLayout TsfSkinScrollBar::Layout() const {
  if (Skinned() && SkinPicture())
    return SkinScrollBarLayout(FMetrics, FSkinValues, Width(), Height());
  return PlainScrollBarLayout(FMetrics, Width(), Height(), FBoth ? FBothMarkerWidth : 0);
}

// ---- painting ------------------------------------------------------------------------

void TsfSkinScrollBar::DrawPlainPart(TCanvas& canvas, int part, const TRect& r) {
  bool pressed = part == sfsbThumb ? FDragging || (FCanFocused && Focused())
                                   : PartPressed(part) && PartHot(part);
  if (pressed)
    FrameAndFill(canvas, r, kPlainFrameColor, kPlainDownColor);
  else if (PartHot(part))
    FrameAndFill(canvas, r, kPlainFrameColor, kPlainHotColor);
  else
    FrameAndFill(canvas, r, clBtnShadow, clBtnFace);
  if (!IsButton(part)) return;
  bool vertical = Kind() == sbVertical;
  TsfArrowDirection direction =
      part == sfsbHighButton ? (vertical ? adDown : adRight) : (vertical ? adUp : adLeft);
  DrawArrow(canvas, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, clBlack, direction);
}

void TsfSkinScrollBar::DrawDefaultImage(TBitmap& B) {
  TsfScrollBarLayout l = Layout();
  TCanvas& c = B.Canvas();
  c.Brush().SetColor(clBtnFace);
  c.FillRect({0, 0, B.Width(), B.Height()});
  DrawPlainPart(c, sfsbHighButton, l.Parts[sfsbHighButton]);
  DrawPlainPart(c, sfsbLowButton, l.Parts[sfsbLowButton]);
  if (Enabled()) DrawPlainPart(c, sfsbThumb, l.Parts[sfsbThumb]);
}

void TsfSkinScrollBar::DrawSkinImage(TBitmap& B) {
  TsfSkinCustomControl::DrawSkinImage(B);
  TBitmap* picture = SkinPicture();
  if (!picture) return;
  TsfScrollBarLayout l = Layout();
  const TsfScrollBarSkin& s = FSkinValues;
  auto button = [&](int part, const TRect& down, const TRect& active) {
    const TRect& r = l.Parts[part];
    if (PartPressed(part) && PartHot(part))
      CopyPiece(B.Canvas(), *picture, down, r.Left, r.Top, false, 0);
    else if (PartHot(part))
      CopyPiece(B.Canvas(), *picture, active, r.Left, r.Top, false, 0);
  };
  button(sfsbHighButton, s.DownUpButton, s.ActiveUpButton);
  button(sfsbLowButton, s.DownDownButton, s.ActiveDownButton);
  if (Enabled()) DrawSkinThumb(B.Canvas(), *picture, l.Parts[sfsbThumb]);
}

void TsfSkinScrollBar::DrawSkinThumb(TCanvas& canvas, TBitmap& picture, const TRect& t) {
  if (t.IsEmpty()) return;
  const TsfScrollBarSkin& s = FSkinValues;
  bool down = FDragging || (FCanFocused && Focused());
  const TRect& image = down ? s.DownThumb : PartHot(sfsbThumb) ? s.ActiveThumb : s.Thumb;
  const TRect& glyph = down ? s.DownGlyph : PartHot(sfsbThumb) ? s.ActiveGlyph : s.Glyph;
  bool vertical = Kind() == sbVertical;
  const bool paged = PageSize() != 0 || s.ThumbMinPageSize != 0;
  const TThumbKey key{&picture, image, glyph, t.Width(), t.Height(), vertical, paged};
  if (!FThumbPicture || !(key == FThumbKey)) {
    FThumbPicture = MakeThumb(picture, image, glyph, t, paged);
    FThumbKey = key;
  }
  canvas.Draw(t.Left, t.Top, *FThumbPicture);
}

std::unique_ptr<TBitmap> TsfSkinScrollBar::MakeThumb(TBitmap& picture, const TRect& image,
                                                     const TRect& glyph, const TRect& t, bool paged) {
  const TsfScrollBarSkin& s = FSkinValues;
  bool vertical = Kind() == sbVertical;
  auto result = std::make_unique<TBitmap>(t.Width(), t.Height());
  TBitmap& thumb = *result;
  if (paged) {
    // The thumb shows the page: its image keeps both ends and the middle follows
    // the length.
    if (vertical)
      CreateVThreePartImage(thumb, picture, image, s.ThumbOffset1, s.ThumbOffset2, t.Height(),
                            s.ThumbStretchEffect);
    else
      CreateHThreePartImage(thumb, picture, image, s.ThumbOffset1, s.ThumbOffset2, t.Width(),
                            s.ThumbStretchEffect);
  } else {
    CopyPiece(thumb.Canvas(), picture, image, 0, 0, false, 0);
  }
  int glyphAlong = vertical ? glyph.Height() : glyph.Width();
  int thumbAlong = vertical ? t.Height() : t.Width();
  if (!glyph.IsEmpty() && glyphAlong < thumbAlong)
    CopyPiece(thumb.Canvas(), picture, glyph, (t.Width() - glyph.Width()) / 2,
              (t.Height() - glyph.Height()) / 2, s.GlyphTransparent, s.GlyphTransparentColor);
  if (s.ThumbTransparent) {
    thumb.SetTransparentColor(s.ThumbTransparentColor);
    thumb.SetTransparent(true);
  }
  return result;
}

// ---- mouse and timer --------------------------------------------------------------

void TsfSkinScrollBar::StepButton(int part) {
  if (part == sfsbHighButton) {
    if (OnUpButtonClick)
      OnUpButtonClick(this);
    else
      SetPosition(Position() + FSmallChange);
  } else if (OnDownButtonClick) {
    OnDownButtonClick(this);
  } else {
    SetPosition(Position() - FSmallChange);
  }
}

void TsfSkinScrollBar::PageStep(bool forward) {
  if (forward) {
    SetPosition(Position() + FLargeChange);
    if (OnPageDown) OnPageDown(this);
  } else {
    SetPosition(Position() - FLargeChange);
    if (OnPageUp) OnPageUp(this);
  }
}

bool TsfSkinScrollBar::MouseBeforeThumb() const {
  const TRect& t = Layout().Parts[sfsbThumb];
  return AlongBar(FMousePos) < (Kind() == sbVertical ? t.Top : t.Left);
}

bool TsfSkinScrollBar::MouseAfterThumb() const {
  const TRect& t = Layout().Parts[sfsbThumb];
  return AlongBar(FMousePos) >= (Kind() == sbVertical ? t.Bottom : t.Right);
}

void TsfSkinScrollBar::StartTimer(unsigned ms) {
  if (!HandleAllocated()) return;
  SetTimer(HandleValue(), kRepeatTimer, ms, nullptr);
  FTimerRunning = true;
}

void TsfSkinScrollBar::StopTimer() {
  if (FTimerRunning && HandleAllocated()) KillTimer(HandleValue(), kRepeatTimer);
  FTimerRunning = false;
}

void TsfSkinScrollBar::TimerTick() {
  if (FTimerWait) {
    FTimerWait = false;
    StartTimer(50);
    return;
  }
  switch (FTimerMode) {
    case tmLowRepeat: StepButton(sfsbLowButton); break;
    case tmHighRepeat: StepButton(sfsbHighButton); break;
    case tmPageBack:
    case tmPageForward: {
      UpdateHotPart(FMousePos);
      bool forward = FTimerMode == tmPageForward;
      if (forward ? MouseAfterThumb() : MouseBeforeThumb()) {
        PageStep(forward);
      } else {
        StopTimer();
        FTimerMode = tmNone;
      }
      break;
    }
    default: StopTimer(); break;
  }
}

void TsfSkinScrollBar::UpdateHotPart(TPoint p) {
  int part = ScrollBarPartAt(Layout(), p);
  if (FCapturedPart != sfsbNoPart && part != FCapturedPart) part = sfsbNoPart;
  if (part == FHotPart) return;
  if (IsButton(FHotPart) && PartPressed(FHotPart)) StopTimer();
  FHotPart = part;
  if (IsButton(part) && PartPressed(part)) StartTimer(50);
  Invalidate();
}

void TsfSkinScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TsfSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (FCanFocused && !Focused()) {
    SetFocus();
    if (!Focused()) return;
  }
  FMousePressed = true;
  FMousePos = {X, Y};
  TsfScrollBarLayout l = Layout();
  FTimerMode = tmNone;
  FTimerWait = true;
  UpdateHotPart(FMousePos);
  int part = ScrollBarPartAt(l, FMousePos);
  if (part != sfsbNoPart) {
    FCapturedPart = part;
    Invalidate();
    if (IsButton(part)) {
      StepButton(part);
      FTimerMode = part == sfsbHighButton ? tmHighRepeat : tmLowRepeat;
      StartTimer(500);
    } else {
      FDragStartCoord = AlongBar(FMousePos);
      FDragStartOffset = l.ThumbOffset;
      FDragging = true;
    }
    return;
  }
  if (!l.Track.Contains(FMousePos)) return;
  bool forward = !MouseBeforeThumb();
  FTimerMode = forward ? tmPageForward : tmPageBack;
  StartTimer(500);
  PageStep(forward);
}

void TsfSkinScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
  FMousePos = {X, Y};
  UpdateHotPart(FMousePos);
  if (FDragging)
    SetPosition(ScrollPositionFromOffset(FMetrics, Layout(),
                                         FDragStartOffset + AlongBar(FMousePos) - FDragStartCoord));
  TsfSkinCustomControl::MouseMove(Shift, X, Y);
}

void TsfSkinScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TsfSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (EndPress() && Button == mbLeft && OnLastChange) OnLastChange(this);
}

// True when a thumb drag ended.
bool TsfSkinScrollBar::EndPress() {
  FMousePressed = false;
  if (FTimerMode == tmPageBack || FTimerMode == tmPageForward) StopTimer();
  if (FCapturedPart == sfsbNoPart) return false;
  bool endedDrag = FCapturedPart == sfsbThumb && FDragging;
  if (IsButton(FCapturedPart)) StopTimer();
  FDragging = false;
  FCapturedPart = sfsbNoPart;
  Invalidate();
  return endedDrag;
}

// The release never comes when another window takes the mouse (Alt+Tab, a window
// that activates) or the bar is disabled or hidden while held: the press ends
// here instead, so a held arrow does not run the list to its end.
void TsfSkinScrollBar::CancelPress() {
  if (!FMousePressed && FCapturedPart == sfsbNoPart && !FTimerRunning) return;
  bool endedDrag = EndPress();
  StopTimer();
  FTimerMode = tmNone;
  if (endedDrag && OnLastChange) OnLastChange(this);
}

void TsfSkinScrollBar::MouseLeave() {
  TsfSkinCustomControl::MouseLeave();
  if (IsDesigning()) return;
  if (FHotPart != sfsbNoPart && FCapturedPart == sfsbNoPart && !FDragging) {
    FHotPart = sfsbNoPart;
    Invalidate();
  }
  if (FMousePressed && FTimerMode == tmPageForward) StopTimer();
}

// ---- keyboard and focus -----------------------------------------------------------

void TsfSkinScrollBar::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  TsfSkinCustomControl::KeyDown(Key, Shift);
  if (!FCanFocused) return;
  if (Key == VK_LEFT || Key == VK_UP) SetPosition(Position() - FSmallChange);
  if (Key == VK_RIGHT || Key == VK_DOWN) SetPosition(Position() + FSmallChange);
}

void TsfSkinScrollBar::DoEnter() {
  Invalidate();
  TsfSkinCustomControl::DoEnter();
}

void TsfSkinScrollBar::DoExit() {
  Invalidate();
  TsfSkinCustomControl::DoExit();
}

void TsfSkinScrollBar::Invalidate() {
  if (FPaintPending || !HandleAllocated()) return;
  FPaintPending = true;
  TsfSkinCustomControl::Invalidate();
}

void TsfSkinScrollBar::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
    case WM_CREATE:
      FPaintPending = false;
      break;
    case WM_TIMER:
      if (m.WParam == kRepeatTimer) {
        TimerTick();
        return;
      }
      break;
    case WM_GETDLGCODE:
      m.Result = FCanFocused ? DLGC_WANTARROWS : 0;
      return;
    case WM_MOUSEWHEEL:
      if (FCanFocused && Focused()) {
        // Parts of a notch (a touch pad) count toward whole ones.
        int notches = FWheel.Add(static_cast<short>(HIWORD(m.WParam)));
        if (notches != 0) SetPosition(Position() - notches * FSmallChange);
        return;
      }
      break;
    case WM_DESTROY:
      StopTimer();
      break;
    case WM_CANCELMODE:
      CancelPress();
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(m.LParam) != HandleValue()) CancelPress();
      break;
    case WM_ENABLE:
      if (!m.WParam) CancelPress();
      Invalidate();
      break;
    case WM_SHOWWINDOW:
      if (!m.WParam) CancelPress();
      break;
    case WM_ERASEBKGND:
      // Outside its own paint the bar paints itself into the given context, so a
      // parent copying its background sees it.
      if (!InWmPaint()) PaintTo(reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      return;
  }
  TsfSkinCustomControl::WndProc(m);
}
