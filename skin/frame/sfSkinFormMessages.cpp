// The frame's window procedure: every message of the form passes here first.
#include <windows.h>

#include "sfSkinForm.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfUtilsHelpers.h"
#include "ui/Messages.h"
#include "ui/OpenPopups.h"

namespace {

using TNext = std::function<void(TMessage&)>;

constexpr unsigned kHoverTimer = 0x5F01, kMorphTimer = 0x5F02, kCaptionTimer = 0x5F03;
constexpr unsigned kFadeTimer = 1;

// The hover polling runs every 50 ms, the morph and caption animations every 25.
unsigned TimerPeriod(unsigned id) { return id == kHoverTimer ? 50 : 25; }

bool IsOurTimer(unsigned id) {
  return id == kHoverTimer || id == kMorphTimer || id == kCaptionTimer || id == kFadeTimer;
}

bool HidesObjectHint(unsigned msg) {
  switch (msg) {
    case WM_MOVE: case WM_SIZE: case WM_ACTIVATE: case WM_KILLFOCUS: case WM_CANCELMODE:
    case WM_MOUSEACTIVATE: case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_PARENTNOTIFY:
      return true;
  }
  return false;
}

// The window a pre-check message tells a press on: the form, or for a press on a
// child window the window under the press; none for the other messages.
HWND PressedWindow(HWND form, const TMessage& m) {
  switch (m.Msg) {
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
      return form;
    case WM_PARENTNOTIFY:
      switch (LOWORD(m.WParam)) {
        case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_XBUTTONDOWN: {
          POINT p{static_cast<std::int16_t>(m.LParam & 0xFFFF),
                  static_cast<std::int16_t>((m.LParam >> 16) & 0xFFFF)};
          ClientToScreen(form, &p);
          return WindowFromPoint(p);
        }
      }
      return nullptr;
  }
  return nullptr;
}

}  // namespace

void TsfSkinForm::FrameWndProc(TMessage& m, const TNext& next) {
  // The pre-check: the form moving, sizing, losing the activation or the focus, or
  // pressed somewhere, closes the object hint and the program's open popups (those a
  // press leaves open excepted).
  if (HidesObjectHint(m.Msg)) {
    HideObjectHint();
    OpenPopups().CloseAll(PressedWindow(FForm->HandleValue(), m));
  } else if (m.Msg == WM_NCACTIVATE) {
    OpenPopups().CloseAll();
  }
  // A move or size loop that ends inside this press's own handling is the press's.
  if (m.Msg == WM_NCLBUTTONDOWN) FMoveSizeJustEnded = false;
  // A double-click on a window the system shows minimized is the system's restore.
  if (m.Msg == WM_NCLBUTTONDBLCLK) FIconicDblClick = FormIconic();
  if (HandleQueries(m) || HandleSkinMessages(m, next) || HandleNonClient(m, next) ||
      HandleState(m, next))
    return;
  next(m);
  MouseWork(m);
}

// The private queries of callers outside the program.
bool TsfSkinForm::HandleQueries(TMessage& m) {
  if (m.Msg == kFrameQueryMessage) {
    m.Result = !FSkinnable && IsVistaOrLater(GetOSVersion()) ? 12852 : 12853;
    return true;
  }
  const bool paintQuery = m.Msg == kFramePaintToDCMessage ||
                          (m.Msg == kFramePrintMessage && m.LParam == 16802);
  if (!paintQuery || !FSkinnable) return false;
  auto dc = reinterpret_cast<HDC>(m.WParam);
  if (dc && GetObjectType(dc) != 0 && Bordered()) {
    PaintFrame(dc);
    if (m.Msg == kFramePaintToDCMessage) m.Result = 12851;
  }
  if (m.Msg == kFramePrintMessage) m.Result = 16802;
  return true;
}

bool TsfSkinForm::HandleSkinMessages(TMessage& m, const TNext& next) {
  auto* sender = reinterpret_cast<TsfSkinData*>(m.WParam);
  switch (m.Msg) {
    case WM_SD_BEFORECHANGE: BeforeChange(sender); break;
    case WM_SD_CHANGE: Change(sender); break;
    case WM_SD_AFTERCHANGE:
      if (OnAfterChangeSkinData) OnAfterChangeSkinData(this);
      break;
    case WM_SD_RESSTRCHANGE: AssignDefaultHints(); break;
    case WM_SD_SKINNABLECHANGE:
      if (sender && sender == FSkinData) SkinnableSwitch(sender->SkinnableForm());
      break;
    case 1228:  // WM_SKINMENU_CLOSED
      if (FMenuOpen && OnSkinMenuClose) OnSkinMenuClose(this);
      FMenuOpen = false;
      // The menu took the release of the press that opened it.
      if (FCaptured >= 0 && GetCapture() == FForm->HandleValue()) ReleaseCapture();
      FCaptured = -1;
      for (auto& o : FObjects)
        if (auto* b = dynamic_cast<TsfSkinButtonObject*>(o.get()); b && b->Down && b->HasMenu) {
          b->SetDown(false);
          break;
        }
      break;
    default: return false;
  }
  next(m);
  return true;
}

bool TsfSkinForm::HandleNonClient(TMessage& m, const TNext& next) {
  if (!FSkinnable) {
    if (m.Msg == WM_NCACTIVATE) FActive = m.WParam != 0;
    return false;
  }
  switch (m.Msg) {
    case WM_NCCALCSIZE: OnNcCalcSize(m); return true;
    case WM_NCHITTEST: OnNcHitTest(m); return true;
    case WM_NCPAINT:
      if (Bordered()) PaintFrame();
      return true;
    case WM_NCACTIVATE: OnNcActivate(m); return true;
    case WM_SYNCPAINT:
      if (!FRollUpState) return false;
      SendMessageW(FForm->HandleValue(), WM_NCPAINT, 1, 0);
      m.Result = 0;
      return true;
    case WM_SETTEXT:
      next(m);
      // A hidden window's frame is painted with the new caption when it is shown.
      if (Bordered() && IsWindowVisible(FForm->HandleValue()))
        SendMessageW(FForm->HandleValue(), WM_NCPAINT, 1, 0);
      return true;
    case WM_ACTIVATE:
      next(m);
      SendMessageW(FForm->HandleValue(), WM_NCPAINT, 1, 0);
      ClearHoverStates();
      UpdateActiveState(true);
      return true;
    case WM_SETCURSOR: {
      int code = static_cast<std::int16_t>(m.LParam & 0xFFFF);
      if (FUseFormCursorInNCArea && (code == kHtCaption || code < kHtLeft || code > kHtBottomRight))
        m.LParam = (m.LParam & ~0xFFFF) | kHtClient;
      return false;
    }
    case WM_GETMINMAXINFO: OnGetMinMaxInfo(m); return false;
    case WM_MOVING: OnMoving(m); return false;
    case WM_ENTERSIZEMOVE: OnEnterSizeMove(); return false;
    case WM_EXITSIZEMOVE: OnExitSizeMove(); return false;
  }
  return false;
}

bool TsfSkinForm::HandleState(TMessage& m, const TNext& next) {
  switch (m.Msg) {
    case WM_CREATE:
      next(m);
      WindowCreated();
      return true;
    case WM_DESTROY: StopTimers(); return false;
    case WM_SIZE: OnSize(m, next); return true;
    case WM_SIZING: OnSizing(m, next); return true;
    case WM_ERASEBKGND:
      PaintClientBackground(reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      return true;
    case WM_SHOWWINDOW: OnShowWindow(m.WParam != 0); return false;
    case WM_DISPLAYCHANGE: {
      TsfSizeLimits l = SizeLimits();
      if (Bordered() && (FForm->Width() > l.MaxWidth || FForm->Height() > l.MaxHeight)) NudgeSize();
      return false;
    }
    case WM_TIMER:
      if (!IsOurTimer(static_cast<unsigned>(m.WParam))) return false;
      HandleTimer(static_cast<unsigned>(m.WParam));
      return true;
    case WM_SYSCOMMAND:
      if ((m.WParam & 0xFFF0) == SC_RESTORE && OnRestore) OnRestore(this);
      if (m.WParam == SC_KEYMENU) return true;
      return false;
  }
  return false;
}

void TsfSkinForm::OnNcHitTest(TMessage& m) {
  m.Result = FrameHitTest(WindowPoint(m.LParam));
  if (!TimerOn(kHoverTimer) && m.Result == kHtObject) {
    TrackObjects(WindowPoint(m.LParam));
    SetTimerOn(kHoverTimer, true);
  }
}

void TsfSkinForm::OnNcCalcSize(TMessage& m) {
  if (!Bordered()) return;
  auto* r = reinterpret_cast<RECT*>(m.LParam);  // the first rectangle either way
  TRect proposed{r->left, r->top, r->right, r->bottom};
  TRect client;
  if (FSkinLoaded) {
    UpdateFrameGeometry();
    const TBitmap& main = FSkinData->MainPicture();
    client = SkinnedClientRect(FSkinData->FormInfo, main.Width(), main.Height(), proposed);
  } else {
    client = PlainClientRect(proposed, PlainCaptionHeight());
  }
  *r = RECT{client.Left, client.Top, client.Right, client.Bottom};
  m.Result = 0;
}

void TsfSkinForm::OnNcActivate(TMessage& m) {
  FActive = m.WParam != 0;
  m.Result = 1;
  if (!FActive) {
    // An inactive window has no hot object: a click on a button does nothing.
    ClearHoverStates();
    FHot = FPrevHot = -1;
  }
  if (!Bordered()) {
    UpdateActiveState(false);
    return;
  }
  SendMessageW(FForm->HandleValue(), WM_NCPAINT, 1, 0);
  UpdateActiveState(true);
}

void TsfSkinForm::OnGetMinMaxInfo(TMessage& m) {
  auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
  TsfSizeLimits l = SizeLimits();
  info->ptMinTrackSize = POINT{l.MinWidth, l.MinHeight};
  info->ptMaxTrackSize = POINT{l.MaxWidth, l.MaxHeight};
}

void TsfSkinForm::OnMoving(TMessage& m) {
  auto* r = reinterpret_cast<RECT*>(m.LParam);
  TRect proposed{r->left, r->top, r->right, r->bottom};
  if (FWindowState == wsMaximized) {
    proposed = FormBounds();
  } else if (FMagnetic) {
    POINT cursor;
    GetCursorPos(&cursor);
    proposed = SnapToEdges(proposed, {cursor.x, cursor.y});
  } else {
    return;
  }
  *r = RECT{proposed.Left, proposed.Top, proposed.Right, proposed.Bottom};
}

void TsfSkinForm::OnEnterSizeMove() {
  POINT cursor;
  GetCursorPos(&cursor);
  FSnapOrigin = {cursor.x, cursor.y};
  ClearHoverStates();
  SetTimerOn(kHoverTimer, false);
  FHot = FCaptured = -1;
  FMovingOrSizing = true;
  BOOL full = FALSE;
  SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
  FFullDrag = full != FALSE;
}

// The loop is over however it was started (caption drag, system menu, keyboard):
// the flag goes, and a mark stays for the non-client press that may follow it.
void TsfSkinForm::OnExitSizeMove() {
  SetTimerOn(kHoverTimer, false);
  FHot = FPrevHot = FCaptured = -1;
  FMovingOrSizing = false;
  FMoveSizeJustEnded = true;
  if (FSkinLoaded) SendMessageW(FForm->HandleValue(), WM_NCPAINT, 1, 0);
}

void TsfSkinForm::OnSize(TMessage& m, const TNext& next) {
  if (FMovingOrSizing && FFullDrag) {
    if (!FLogoBitMap.Empty()) FForm->Invalidate();
    next(m);
    return;
  }
  next(m);
  FSnapLeft = FSnapTop = FSnapRight = FSnapBottom = false;
  CacheFormSize();
  // A size the window already had (the display server confirming a show or a
  // move) leaves the frame built for it, and its region, as they are. While a skin
  // is applied, the frame is built once after its size correction.
  const bool builtForThisSize =
      FSkinLoaded && FRegionSet && FRegionSize == TPoint{FCachedWidth, FCachedHeight};
  const bool builtAfterwards = (FSkinLoaded && FCorrectingSkinSize) || FNudgingHidden;
  if (!builtForThisSize && !builtAfterwards) RebuildForSize();
  if (FAlphaBlend && FAlphaBlendValue != 255) {
    SendMessageW(FForm->HandleValue(), WM_NCPAINT, 1, 0);
    FForm->Invalidate();
  }
  if (!FLogoBitMap.Empty()) FForm->Invalidate();
}

// Geometry, object layout and region for the cached size.
void TsfSkinForm::RebuildForSize() {
  if (!FSkinLoaded) {
    if (!FSkinnable) return;
    UpdateFrameRegion();
    if (FForm->HandleValue()) SendMessageW(FForm->HandleValue(), WM_NCPAINT, 1, 0);
    return;
  }
  TsfSizeLimits l = SizeLimits();
  if (!FSkinnable || FCachedWidth < l.MinWidth || FCachedHeight < l.MinHeight) return;
  UpdateFrameGeometry();
  ArrangeObjects();
  UpdateFrameRegion();
  // A region set with redraw has repainted the frame already.
  if (!FRegionSet && Bordered() && FForm->HandleValue())
    SendMessageW(FForm->HandleValue(), WM_NCPAINT, 1, 0);
}

void TsfSkinForm::OnSizing(TMessage& m, const TNext& next) {
  if (!FMovingOrSizing || !FFullDrag) {
    next(m);
    return;
  }
  FSnapLeft = FSnapTop = FSnapRight = FSnapBottom = false;
  next(m);
  auto* r = reinterpret_cast<RECT*>(m.LParam);
  FCachedWidth = r->right - r->left;
  FCachedHeight = r->bottom - r->top;
  if (!FSkinLoaded) {
    if (FSkinnable) UpdateFrameRegion();
    return;
  }
  if (FCachedWidth != FForm->Width() || FCachedHeight != FForm->Height()) RebuildForSize();
}

void TsfSkinForm::SetTimerOn(unsigned id, bool on) {
  unsigned bit = 1u << (id & 0xF);
  HWND wnd = FForm->HandleValue();
  if (on) {
    if (wnd) SetTimer(wnd, id, TimerPeriod(id), nullptr);
    FTimers |= bit;
  } else {
    if (wnd && (FTimers & bit)) KillTimer(wnd, id);
    FTimers &= ~bit;
  }
}

// The skin may have been applied before the window was made: the window takes the
// frame and region built for its size, and the timers asked for meanwhile start.
void TsfSkinForm::WindowCreated() {
  CacheFormSize();
  RebuildForSize();
  HWND wnd = FForm->HandleValue();
  for (unsigned id : {kHoverTimer, kMorphTimer, kCaptionTimer})
    if (TimerOn(id)) SetTimer(wnd, id, TimerPeriod(id), nullptr);
}

bool TsfSkinForm::TimerOn(unsigned id) const { return (FTimers & (1u << (id & 0xF))) != 0; }

void TsfSkinForm::StopTimers() {
  SetTimerOn(kHoverTimer, false);
  SetTimerOn(kMorphTimer, false);
  SetTimerOn(kCaptionTimer, false);
}

void TsfSkinForm::StartMorphTimer() { SetTimerOn(kMorphTimer, true); }

void TsfSkinForm::HandleTimer(unsigned id) {
  switch (id) {
    case kHoverTimer: HoverPoll(); break;
    case kMorphTimer: MorphStep(); break;
    case kCaptionTimer: CaptionAnimationStep(); break;
    case kFadeTimer: FadeInStep(); break;
  }
}

void TsfSkinForm::HoverPoll() {
  if (!FActive) return;
  if (FMovingOrSizing) {
    SetTimerOn(kHoverTimer, false);
    return;
  }
  POINT cursor;
  GetCursorPos(&cursor);
  RECT w;
  GetWindowRect(FForm->HandleValue(), &w);
  TPoint p{cursor.x - w.left, cursor.y - w.top};
  TRect client = FSkinLoaded ? FGeometry.Client
                             : TRect(kPlainBorder, PlainCaptionHeight() + kPlainBorder,
                                     FCachedWidth - kPlainBorder, FCachedHeight - kPlainBorder);
  if (!client.Contains(p))
    TrackObjects(p);
  else if (FHot >= 0)
    TrackObjects(std::nullopt);
}

void TsfSkinForm::MorphStep() {
  bool stepped = false;
  for (auto& o : FObjects) {
    if (!o->TransitionsRun() || !o->MorphUnfinished()) continue;
    o->MorphFactor = std::clamp(o->MorphFactor + (o->Active ? 0.2 : -0.2), 0.0, 1.0);
    DrawObject(*o);
    stepped = true;
  }
  if (!stepped) SetTimerOn(kMorphTimer, false);
}

void TsfSkinForm::StartCaptionAnimation(TsfSkinCaptionObject& caption) {
  if (!caption.Animates()) return;
  caption.AnimationClock = 25;
  caption.AnimationFrame = caption.Active ? 1 : (caption.Def->inactiveanimation ? caption.Def->framecount : 0);
  SetTimerOn(kCaptionTimer, true);
}

void TsfSkinForm::CaptionAnimationStep() {
  bool changed = false;
  for (auto& o : FObjects) {
    auto* c = dynamic_cast<TsfSkinCaptionObject*>(o.get());
    if (!c || !c->Animates()) continue;
    if (c->AnimationClock < c->Def->animateinterval) {
      c->AnimationClock += 25;
      changed = true;
      continue;
    }
    if (c->Active && c->AnimationFrame <= c->Def->framecount)
      ++c->AnimationFrame;
    else if (!c->Active && c->AnimationFrame > 0)
      --c->AnimationFrame;
    else
      continue;
    DrawObject(*c);
    c->AnimationClock = 25;
    changed = true;
  }
  if (!changed) SetTimerOn(kCaptionTimer, false);
}

void TsfSkinForm::MouseWork(const TMessage& m) {
  if (!FSkinnable) return;
  TPoint p = WindowPoint(m.LParam);
  if (m.Msg == WM_LBUTTONUP || m.Msg == WM_RBUTTONUP) {  // client coordinates
    POINT c{static_cast<std::int16_t>(m.LParam & 0xFFFF),
            static_cast<std::int16_t>((m.LParam >> 16) & 0xFFFF)};
    ClientToScreen(FForm->HandleValue(), &c);
    p = WindowPoint(MAKELPARAM(c.x, c.y));
  }
  switch (m.Msg) {
    case WM_NCMOUSEMOVE: {
      int i = FCaptured >= 0 ? FCaptured : FHot;
      if (i >= 0 && i < static_cast<int>(FObjects.size())) FObjects[i]->MouseMove(p.x, p.y);
      break;
    }
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK: case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK:
      NcButtonDown(m.Msg, p, m.WParam == HTCAPTION);
      break;
    case WM_NCLBUTTONUP: case WM_LBUTTONUP: ReleaseObject(mbLeft, p); break;
    case WM_NCRBUTTONUP: case WM_RBUTTONUP: ReleaseObject(mbRight, p); break;
  }
}

void TsfSkinForm::NcButtonDown(unsigned msg, TPoint p, bool onCaption) {
  if (msg == WM_NCLBUTTONDOWN && FMoveSizeJustEnded) {
    FMoveSizeJustEnded = false;  // the press ran a move or size loop
    return;
  }
  const bool left = msg == WM_NCLBUTTONDOWN || msg == WM_NCLBUTTONDBLCLK;
  TrackObjects(p);
  PressObject(left ? mbLeft : mbRight, p);
  if (msg == WM_NCLBUTTONDBLCLK) {
    if (FHot >= 0) FObjects[FHot]->DblClick();
    if (onCaption && FIconicDblClick)
      SetWindowState(wsNormal);
    else if (onCaption)
      CaptionDoubleClick();
  }
  if (!onCaption) return;
  FCaptured = -1;
  if (msg == WM_NCRBUTTONDOWN && !FDisableSystemMenu) {
    POINT c;
    GetCursorPos(&c);
    PopupSystemMenu({c.x, c.y, c.x, c.y});
  }
}
