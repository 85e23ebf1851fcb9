// Scrolling of TsfSkinToolBar: two arrows in the window's non-client area move the
// children sideways when they do not fit, by clicks, by a repeat timer, or by
// hovering when HotScroll is on.
#include <windows.h>

#include <algorithm>

#include "sfPlainDraw.h"
#include "sfSkinToolBar.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfUtilsNinePart.h"
#include "ui/Bitmap.h"
#include "ui/ScopeGuard.h"

namespace {

constexpr int kNoTimer = 0, kScrollLeft = 1, kScrollRight = 2;

bool IsArrowHit(std::uintptr_t hit) { return hit == sfHitScrollLeft || hit == sfHitScrollRight; }

}  // namespace

void TsfSkinToolBar::SetCanScroll(bool value) {
  if (value == FCanScroll) return;
  FCanScroll = value;
  if (value) {
    PlaceArrows();
    UpdateScrollRange();
    return;
  }
  StopScrollTimer();
  MoveToPosition(0);
  FScrollMax = FScrollPage = 0;
  FHotLeft = FHotRight = FDownLeft = FDownRight = false;
  SetArrowsShown(false);
  Realign();
}

void TsfSkinToolBar::PlaceArrows() {
  FLeftArrow = {0, 0, sfScrollArrowWidth, Height()};
  FRightArrow = {Width() - sfScrollArrowWidth, 0, Width(), Height()};
}

void TsfSkinToolBar::UpdateScrollRange() {
  if (!FCanScroll) return;
  bool any = false;
  int content = 0;
  for (TControl* c : FControls) {
    if (!c->Visible()) continue;
    any = true;
    content = std::max(content, c->Left() + c->Width());
  }
  int growth = FWidthGrowth;
  FWidthGrowth = 0;
  if (!any) {
    SetArrowsShown(false);
    return;
  }
  if (FScrollPos + content <= ClientWidth()) {
    MoveToPosition(0);
    FScrollMax = FScrollPage = 0;
    SetArrowsShown(false);
    Realign();
    return;
  }
  int oldMax = FScrollMax;
  SetArrowsShown(true);
  int client = ClientWidth();
  FScrollMax = FScrollPos + content - 1;
  FScrollPage = client;
  if (FScrollPos > 0 && content < client) {
    // Scrolled further than the children need now: bring them back into view.
    int back = 0;
    if (growth > 0)
      back = std::min(growth, FScrollPos);
    else if (FScrollMax < oldMax)
      back = std::min(client - content, FScrollPos);
    MoveToPosition(FScrollPos - back);
  }
  // Aligned children are laid out over the whole range, from -position.
  Realign();
}

void TsfSkinToolBar::MoveToPosition(int pos) {
  FScrollPos = pos;
  // Children sit at -position: they move left as the position grows.
  int dx = FRecordedPos - pos;
  FRecordedPos = pos;
  if (dx == 0) return;
  // Aligned children would be placed again after each single move, out of order.
  DisableAlign();
  std::vector<TControl*> children = FControls;
  TScopeExit aligned([this] { EnableAlign(); });
  for (TControl* c : children) c->SetBounds(c->Left() + dx, c->Top(), c->Width(), c->Height());
  Invalidate();
}

void TsfSkinToolBar::SetArrowsShown(bool value) {
  if (value == FArrowsShown) return;
  FArrowsShown = value;
  if (!HandleAllocated()) return;
  // The non-client area is measured again: the client area loses or regains the
  // arrows' room.
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Invalidate();
}

void TsfSkinToolBar::ScrollStep(int direction) {
  int length = FScrollOffset > 0 ? FScrollOffset : ClientWidth();
  int pos = FScrollPos;
  if (direction == kScrollRight)
    pos = std::max(0, std::min(pos + length, FScrollMax - FScrollPage + 1));
  else if (direction == kScrollLeft)
    pos = std::max(pos - length, 0);
  if (pos == FScrollPos) {
    StopScrollTimer();
    return;
  }
  MoveToPosition(pos);
}

// ---- timer --------------------------------------------------------------------------

void TsfSkinToolBar::StartScrollTimer(int mode) {
  if (!HandleAllocated()) return;
  FTimerMode = mode;
  SetTimer(Handle(), sfScrollTimerId, static_cast<UINT>(FScrollTimerInterval), nullptr);
}

void TsfSkinToolBar::StopScrollTimer() {
  if (FTimerMode == kNoTimer) return;
  FTimerMode = kNoTimer;
  if (HandleAllocated()) KillTimer(Handle(), sfScrollTimerId);
}

// ---- mouse --------------------------------------------------------------------------

int TsfSkinToolBar::ArrowHitTest(TPoint screen) {
  RECT c;
  GetClientRect(Handle(), &c);
  MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&c), 2);
  if (screen.x < c.left) return sfHitScrollLeft;
  if (screen.x >= c.right) return sfHitScrollRight;
  return HTCLIENT;
}

void TsfSkinToolBar::SetHot(bool left, bool right) {
  if (left == FHotLeft && right == FHotRight) return;
  FHotLeft = left;
  FHotRight = right;
  PaintArrows();
}

void TsfSkinToolBar::PressArrow(int hit) {
  bool left = hit == sfHitScrollLeft;
  FDownLeft = left;
  FDownRight = !left;
  FHotLeft = left;
  FHotRight = !left;
  PaintArrows();
  SetCapture(Handle());
  StartScrollTimer(left ? kScrollLeft : kScrollRight);
}

void TsfSkinToolBar::ReleaseArrow() {
  int direction = FDownLeft ? kScrollLeft : kScrollRight;
  FDownLeft = FDownRight = false;
  if (GetCapture() == HandleValue()) ReleaseCapture();
  PaintArrows();
  StopScrollTimer();
  ScrollStep(direction);
}

bool TsfSkinToolBar::HandleScrollMessage(TMessage& m) {
  if (!FCanScroll) return false;
  switch (m.Msg) {
    case WM_NCCALCSIZE:
      HandleNcCalcSize(m);
      return true;
    case WM_NCHITTEST:
      if (!FArrowsShown) return false;
      m.Result = ArrowHitTest({static_cast<short>(LOWORD(m.LParam)),
                               static_cast<short>(HIWORD(m.LParam))});
      return true;
    case WM_SETCURSOR:
      // Over an arrow the cursor is the client area's.
      if (IsArrowHit(LOWORD(m.LParam)))
        m.LParam = MAKELPARAM(HTCLIENT, HIWORD(m.LParam));
      return false;
    case WM_NCPAINT:
      if (!FArrowsShown) return false;
      PaintArrows();
      m.Result = 0;
      return true;
    case WM_TIMER:
      if (m.WParam != sfScrollTimerId) return false;
      ScrollStep(FTimerMode);
      return true;
  }
  return HandleArrowMouse(m);
}

bool TsfSkinToolBar::HandleArrowMouse(TMessage& m) {
  bool pressed = FDownLeft || FDownRight;
  switch (m.Msg) {
    case WM_NCMOUSEMOVE:
      if (!IsArrowHit(m.WParam)) return false;
      HoverArrow(m.WParam == sfHitScrollLeft);
      return true;
    case WM_NCMOUSELEAVE:
      FTrackingNcLeave = false;
      if (!pressed) {
        SetHot(false, false);
        StopScrollTimer();
      }
      return true;
    case WM_MOUSEMOVE:
      if ((FHotLeft || FHotRight) && !pressed) {
        SetHot(false, false);
        StopScrollTimer();
      }
      return pressed;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (!IsArrowHit(m.WParam)) return false;
      PressArrow(static_cast<int>(m.WParam));
      return true;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
      if (!pressed) return false;
      ReleaseArrow();
      return true;
    case WM_CAPTURECHANGED:
      if (pressed && reinterpret_cast<HWND>(m.LParam) != HandleValue()) {
        FDownLeft = FDownRight = false;
        StopScrollTimer();
        PaintArrows();
      }
      return false;
  }
  return false;
}

void TsfSkinToolBar::HoverArrow(bool left) {
  if (!FTrackingNcLeave) {
    TRACKMOUSEEVENT t{sizeof t, TME_LEAVE | TME_NONCLIENT, Handle(), 0};
    FTrackingNcLeave = TrackMouseEvent(&t) != FALSE;
  }
  bool changed = left ? !FHotLeft : !FHotRight;
  SetHot(left, !left);
  if (changed && FHotScroll && !FDownLeft && !FDownRight)
    StartScrollTimer(left ? kScrollLeft : kScrollRight);
}

void TsfSkinToolBar::HandleNcCalcSize(TMessage& m) {
  DefaultHandler(m);
  if (!FArrowsShown) return;
  RECT* r = m.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0]
                     : reinterpret_cast<RECT*>(m.LParam);
  r->left += sfScrollArrowWidth;
  r->right = std::max(r->left, r->right - sfScrollArrowWidth);
  m.Result = 0;
}

// ---- arrow painting -------------------------------------------------------------------

TsfDataSkinButtonControl* TsfSkinToolBar::ResizeButtonDef() const {
  TsfSkinData* data = SkinData();
  if (!data || data->SkinEmpty()) return nullptr;
  return dynamic_cast<TsfDataSkinButtonControl*>(
      data->ControlDef(data->FindControlDef("resizebutton")));
}

void TsfSkinToolBar::DrawArrowImage(TBitmap& B, bool left) {
  bool hot = ArrowHot(left);
  bool down = hot && (ArrowDown(left) || FHotScroll);
  int h = std::max(Height(), 1);
  B.SetSize(sfScrollArrowWidth, h);
  TRect r{0, 0, sfScrollArrowWidth, h};
  TColor glyph = clBtnText;
  TsfDataSkinButtonControl* def = ResizeButtonDef();
  TBitmap* picture = def ? SkinData()->ActivePictures(def->pictureindex) : nullptr;
  if (def && picture) {
    TRect src = def->skinrect;
    glyph = def->fontcolor;
    if (!def->downskinrect.IsEmpty() && down) {
      src = def->downskinrect;
      glyph = def->downfontcolor;
    } else if (hot && !def->activeskinrect.IsEmpty()) {
      src = def->activeskinrect;
      glyph = def->activefontcolor;
    }
    TsfNinePartGeometry g{def->lefttoppoint, def->righttoppoint, def->leftbottompoint,
                          def->rightbottompoint, def->clientrect};
    TsfNinePartGeometry ng = ResizedGeometry(g, src.Width(), src.Height(), r.Width(), h);
    TsfNinePartOptions o{def->leftstretch, def->topstretch,   def->rightstretch,
                         def->bottomstretch, def->stretcheffect, def->stretchtype};
    CreateNinePartImage(B, *picture, src, g, ng, r.Width(), h, o, true);
  } else if (down) {
    FrameAndFill(B.Canvas(), r, kPlainFrameColor, kPlainDownColor);
  } else if (hot) {
    FrameAndFill(B.Canvas(), r, kPlainFrameColor, kPlainHotColor);
  } else {
    FrameAndFill(B.Canvas(), r, clBtnShadow, clBtnFace);
  }
  DrawArrow(B.Canvas(), r, glyph, left ? adLeft : adRight);
}

void TsfSkinToolBar::PaintArrows() {
  if (!FArrowsShown || !HandleAllocated()) return;
  TNonClientDC dc(HandleValue());
  if (!dc.Get()) return;
  TCanvas canvas(dc.Get());
  TBitmap image;
  DrawArrowImage(image, true);
  canvas.Draw(FLeftArrow.Left, FLeftArrow.Top, image);
  DrawArrowImage(image, false);
  canvas.Draw(FRightArrow.Left, FRightArrow.Top, image);
  canvas.SetHandle(nullptr);
}
