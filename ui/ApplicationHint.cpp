// The application's hints: one timer and one hint window for the whole program. The
// mouse resting on a control with ShowHint and a hint starts the timer; when it runs
// out the hint shows, and a second run hides it again.
#include <windows.h>

#include "Application.h"
#include "HintWindow.h"
#include "Screen.h"
#include "Timer.h"
#include "WinControl.h"

namespace {

TRect ScreenRectOf(TControl* control) {
  TPoint origin = control->ClientToScreen({0, 0});
  return Bounds(origin.x, origin.y, control->Width(), control->Height());
}

// The windowed control a control is painted on (itself when it has a window).
TControl* WindowOf(TControl* control) {
  while (control && !control->IsWindowed()) control = control->Parent();
  return control;
}

// Whether the window at a screen point is the control's own (or one of its
// children): a menu or a window that has come up over the control since the
// pointer came to rest there hides it, and its hint is not wanted any more.
bool ControlAt(TControl* control, TPoint screen) {
  auto* owner = dynamic_cast<TWinControl*>(WindowOf(control));
  if (!owner || !owner->HandleAllocated()) return false;
  HWND under = WindowFromPoint({screen.x, screen.y});
  return under == owner->HandleValue() || IsChild(owner->HandleValue(), under);
}

}  // namespace

void TApplication::SetShowHint(bool value) {
  if (value == FShowHint) return;
  FShowHint = value;
  if (value) return;  // the window is made again, by HintWindowClass, when needed
  CancelHint();
  delete FHintWindow;  // Notification clears the pointer
  FHintWindow = nullptr;
}

THintWindow* TApplication::NeedHintWindow() {
  if (!FHintWindow) {
    FHintWindow = HintWindowClass ? HintWindowClass(this) : new THintWindow(this);
    if (FHintWindow && FHintWindow->Owner() != this) FreeNotification(FHintWindow);
  }
  return FHintWindow;
}

bool TApplication::HintShowing() const { return FHintWindow && FHintWindow->Showing(); }

void TApplication::HintMessage(TWinControl* window, unsigned msg, std::uintptr_t wParam,
                               std::intptr_t lParam) {
  switch (msg) {
    case WM_MOUSEMOVE: {
      if (window == FHintWindow) return;
      TPoint p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      TControl* c = window->GraphicControlAt(p);
      HintMouseMove(c ? c : window, window->ClientToScreen(p));
      return;
    }
    case WM_MOUSELEAVE:
      if (FHintControl && WindowOf(FHintControl) == window) CancelHint();
      return;
    case WM_ACTIVATEAPP:
      if (!wParam) CancelHint();
      return;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
      // A pressed control shows no hint while the pointer stays on it: what the
      // press opened (a drop-down menu, say) is not to be covered by it.
      if (FHintControl) FHintPressed = FHintControl;
      CancelHint();
      return;
    case WM_NCMOUSEMOVE:
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_MOUSEWHEEL:
      CancelHint();
      return;
  }
}

void TApplication::HintMouseMove(TControl* control, TPoint screen) {
  FHintMouse = screen;
  if (!FShowHint) return;
  TControl* hinted = control;
  while (hinted && !hinted->ShowHint()) hinted = hinted->Parent();
  if (hinted != FHintPressed) FHintPressed = nullptr;
  if (!hinted || GetShortHint(hinted->Hint()).empty()) {
    CancelHint();
    return;
  }
  if (hinted == FHintPressed) return;
  if (hinted == FHintControl && FHintCursorRect.Contains(screen)) return;
  // Moving on from a hint that is up shows the next one sooner.
  const bool wasActive = FHintActive;
  CancelHint();
  SetHintControl(hinted);
  FHintCursorRect = ScreenRectOf(hinted);
  StartHintTimer(wasActive ? FHintShortPause : FHintPause, true);
}

void TApplication::SetHintControl(TControl* control) {
  if (control == FHintControl) return;
  if (FHintControl) RemoveFreeNotification(FHintControl);
  FHintControl = control;
  if (control) FreeNotification(control);
}

void TApplication::ActivateHint(TPoint cursorPos) {
  StopHintTimer();
  if (!FHintControl || !FShowHint) return;
  THintInfo info;
  info.HintControl = FHintControl;
  info.HintPos = {cursorPos.x, cursorPos.y + CursorHeightMargin()};
  info.HintMaxWidth = Screen->Width();
  info.HintColor = clInfoBk;
  info.CursorRect = FHintCursorRect;
  info.CursorPos = FHintControl->ScreenToClient(cursorPos);
  info.HideTimeout = FHintHidePause;
  info.HintStr = GetShortHint(FHintControl->Hint());
  bool canShow = true;
  if (OnShowHint) OnShowHint(info.HintStr, canShow, info);
  // Refused or emptied: this control stays the hint control, so the hint is not
  // tried again while the mouse stays on it.
  if (!canShow || info.HintStr.empty() || !FHintControl) {
    FHintActive = false;
    HideHint();
    return;
  }
  FHintCursorRect = info.CursorRect;
  THintWindow* window = NeedHintWindow();
  if (!window) return;
  TRect r = window->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
  r = r.Offset(info.HintPos.x, info.HintPos.y);
  window->SetColor(info.HintColor);
  window->ActivateHintData(r, info.HintStr, info.HintData);
  FHintActive = true;
  if (info.ReshowTimeout > 0)
    StartHintTimer(info.ReshowTimeout, true);
  else if (info.HideTimeout > 0)
    StartHintTimer(info.HideTimeout, false);
}

void TApplication::HideHint() {
  if (FHintWindow) FHintWindow->ReleaseHandle();
}

void TApplication::CancelHint() {
  StopHintTimer();
  FHintActive = false;
  SetHintControl(nullptr);
  HideHint();
}

void TApplication::StartHintTimer(int ms, bool show) {
  StopHintTimer();
  FHintTimerShows = show;
  if (ms <= 0) {
    HintTimerExpired();
    return;
  }
  if (!FHintTimer) {
    FHintTimer = new TTimer(this);
    FHintTimer->SetEnabled(false);
    FHintTimer->SetOnTimer([this](TObject*) { HintTimerExpired(); });
  }
  FHintTimer->SetInterval(static_cast<unsigned>(ms));
  FHintTimer->SetEnabled(true);
}

void TApplication::StopHintTimer() {
  if (FHintTimer) FHintTimer->SetEnabled(false);
}

void TApplication::HintTimerExpired() {
  StopHintTimer();
  if (FHintTimerShows && FHintControl && ControlAt(FHintControl, FHintMouse))
    ActivateHint(FHintMouse);
  else
    CancelHint();
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FHintControl) {
    FHintControl = nullptr;
    FHintActive = false;
    StopHintTimer();
    HideHint();
  }
  if (AComponent == FHintWindow) FHintWindow = nullptr;
  if (AComponent == FHintTimer) FHintTimer = nullptr;
}
