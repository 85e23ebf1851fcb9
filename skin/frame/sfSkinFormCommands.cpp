// The frame's window commands: its own maximize, minimize and restore, roll-up, the
// caption double-click, edge snapping and the system menu.
#include <windows.h>

#include <cstdlib>

#include "sfSkinForm.h"
#include "sfSkinPopupMenu.h"
#include "sfTrayIcon.h"
#include "skin/controls/sfSkinStatusBar.h"
#include "skin/data/sfUtilsHelpers.h"
#include "ui/Application.h"
#include "ui/CodePage.h"
#include "ui/Screen.h"

void TsfSkinForm::SetWindowState(TsfWindowState state) {
  if (!FSkinnable) {
    if (HWND wnd = FForm->HandleValue())
      ShowWindow(wnd, state == wsMaximized ? SW_MAXIMIZE : state == wsMinimized ? SW_MINIMIZE : SW_RESTORE);
    return;
  }
  const bool mainForm = Application && Application->MainForm() == FForm;
  if (state == wsNormal && FormIconic()) {
    // The main form minimized the application: bring the application back.
    if (mainForm) Application->Restore();
    else ShowWindow(FForm->HandleValue(), SW_RESTORE);
    if (FWindowState == wsNormal) return;
  }
  if (state == FWindowState) return;
  const TsfWindowState old = FWindowState;
  if (!(state == wsMinimized && mainForm)) FWindowState = state;
  if (state == wsMinimized) {
    Minimize();
  } else if (state == wsMaximized) {
    FRollUpBeforeMaximize = FRollUpState;
    Maximize();
  } else {
    if (old == wsMaximized && FRollUpState && !FRollUpBeforeMaximize) SetRollUpState(false);
    FRollUpBeforeMaximize = false;
    Restore();
  }
}

namespace {

TsfSkinForm* FrameOf(TForm* form) {
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* f = dynamic_cast<TsfSkinForm*>(form->Components(i))) return f;
  return nullptr;
}

// Whether another visible form's frame, minimized, sits at (x, y).
bool SlotTaken(const TForm* self, int x, int y) {
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TForm* f = Screen->Forms(i);
    if (f == self || !f->Visible() || (Application && f == Application->MainForm())) continue;
    TsfSkinForm* frame = FrameOf(f);
    if (frame && frame->WindowState() == wsMinimized && f->Left() == x && f->Top() == y) return true;
  }
  return false;
}

}  // namespace

void TsfSkinForm::Minimize() {
  if (Application && Application->MainForm() == FForm) {
    Application->Minimize();
  } else {
    if (!FRestoreBounds) FRestoreBounds = FormBounds();
    TsfSizeLimits l = SizeLimits();
    TRect a = GetWindowWorkArea(FForm->HandleValue());
    const TPoint p = MinimizedWindowPlace(a, l.MinWidth, l.MinHeight,
                                          [this](TPoint q) { return SlotTaken(FForm, q.x, q.y); });
    SetFormBounds(Bounds(p.x, p.y, l.MinWidth, l.MinHeight));
  }
  if (OnMinimize) OnMinimize(this);
}

void TsfSkinForm::Maximize() {
  if (!FRestoreBounds) FRestoreBounds = FormBounds();
  TRect monitor = GetWindowWorkArea(FForm->HandleValue(), false);
  TRect target = FMaximizeOnFullScreen ? monitor : GetWindowWorkArea(FForm->HandleValue(), true);
  if (!FMaximizeOnFullScreen && target == monitor &&
      monitor == TRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)))
    target = {target.Left + 1, target.Top + 1, target.Right - 1, target.Bottom - 1};
  SetFormBounds(target);
  ShowSizeGrip(false);
  if (OnMaximize) OnMaximize(this);
}

void TsfSkinForm::Restore() {
  FRolledUpWhileMaximized = false;
  TRect before = FormBounds();
  if (FRestoreBounds) {
    TRect r = *FRestoreBounds;
    if (FRollUpState) r.Bottom = r.Top + SizeLimits().MinHeight;
    SetFormBounds(r);
    if (FPlacementPending) PlaceOnFirstShow();
  }
  SetTimerOn(0x5F01, true);  // the hover polling
  if (FormBounds().Width() == before.Width() && FormBounds().Height() == before.Height())
    NudgeSize();
  FForm->Invalidate();
  FRestoreBounds.reset();
  ShowSizeGrip(true);
  if (OnRestore) OnRestore(this);
}

namespace {

// The platform's normal placement of a top-level window, in screen coordinates. For a
// window that is not a tool window the platform gives it in workspace coordinates,
// which start at the top-left corner of the work area of the window's monitor.
TRect PlatformNormalBounds(HWND wnd) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(wnd, &placement)) return {};
  RECT r = placement.rcNormalPosition;
  if (!(GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &info))
      OffsetRect(&r, info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top);
  }
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

TRect TsfSkinForm::NormalBounds() const {
  if (FRestoreBounds) return *FRestoreBounds;
  HWND wnd = FForm->HandleValue();
  if (wnd && (IsIconic(wnd) || IsZoomed(wnd))) return PlatformNormalBounds(wnd);
  return FormBounds();
}

void TsfSkinForm::ShowSizeGrip(bool show) {
  if (!FStatusBar) return;
  if (!show && FStatusBar->SizeGrip()) {
    FStatusBar->SetSizeGrip(false);
    FGripHidden = true;
  } else if (show && FGripHidden) {
    FStatusBar->SetSizeGrip(true);
    FGripHidden = false;
  }
}

void TsfSkinForm::SetRollUpState(bool value) {
  if (!FBorderIcons.Contains(biRollUp) || FWindowState == wsMinimized) return;
  if (FWindowState == wsMaximized && FRollUpState && !FRolledUpWhileMaximized) return;
  if (value == FRollUpState) return;
  if (FWindowState == wsMaximized) FRolledUpWhileMaximized = value;
  FRollUpState = value;
  TRect b = FormBounds();
  if (value) {
    FRollUpHeight = b.Height();
    SetFormBounds(Bounds(b.Left, b.Top, b.Width(), SizeLimits().MinHeight));
  } else if (FClientHeight != 0) {
    FForm->SetClientHeight(FClientHeight);
  } else {
    SetFormBounds(Bounds(b.Left, b.Top, b.Width(), FRollUpHeight));
  }
  if (FForm->HandleValue()) SendMessageW(FForm->HandleValue(), WM_NCPAINT, 1, 0);
  if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TsfSkinForm::SetTrayIcon(TsfTrayIcon* value) {
  if (FTrayIcon) RemoveFreeNotification(FTrayIcon);
  FTrayIcon = value;
  if (!value) return;
  FreeNotification(value);
  if (!FAlwaysShowInTray) value->SetIconVisible(false);
  value->SetMinimizeToTray(false);
  if (!value->PopupMenu()) value->SetPopupMenu(FTrayMenu);
  if (!value->OnDblClick) value->OnDblClick = [this](TObject*) { TrayRestore(); };
}

// Without a tray icon both do nothing: there would be no way back.
void TsfSkinForm::TrayMinimize() {
  if (!FTrayIcon) return;
  FTrayIcon->SetMinimizeToTray(true);
  Application->Minimize();
  FTrayIcon->HideApplication();
  if (OnMinimizeToTray) OnMinimizeToTray(this);
}

void TsfSkinForm::TrayRestore() {
  if (!FTrayIcon) return;
  FTrayIcon->SetMinimizeToTray(false);
  FTrayIcon->ShowApplication();
  Application->Restore();
  if (!FAlwaysShowInTray) FTrayIcon->SetIconVisible(false);
  if (OnRestoreFromTray) OnRestoreFromTray(this);
}

bool TsfSkinForm::FormIconic() const {
  return FForm->HandleValue() && IsIconic(FForm->HandleValue());
}

void TsfSkinForm::CaptionDoubleClick() {
  const bool resizable = Resizable();
  if (FormIconic() || (resizable && FWindowState == wsMinimized))
    SetWindowState(wsNormal);
  else if (resizable && FWindowState != wsMaximized && !FRollUpState &&
           FBorderIcons.Contains(biMaximize))
    SetWindowState(wsMaximized);
  else if (resizable && FWindowState == wsMaximized && !FRolledUpWhileMaximized)
    SetWindowState(wsNormal);
  else
    SetRollUpState(!FRollUpState);
}

namespace {

// One axis of edge snapping: the position `pos` of the near edge `edge` (with the
// window's extent `size` added for a far edge), the cursor's coordinate and origin.
int SnapAxis(int pos, int edge, int size, int m, bool& snapped, int cursor, int& origin) {
  const int at = pos + size;
  const bool nearEdge = edge - m < at && at < edge + m;
  if (nearEdge && !snapped) {
    pos = edge - size;
    origin = cursor;
  } else if (snapped) {
    pos = std::abs(cursor - origin) > m ? cursor + edge - size - origin : edge - size;
  }
  snapped = nearEdge;
  return pos;
}

}  // namespace

TRect TsfSkinForm::SnapToEdges(const TRect& proposed, TPoint cursor) {
  TRect a = GetWindowWorkArea(FForm->HandleValue());
  const int m = FMagneticSize, w = FForm->Width(), h = FForm->Height();
  int l = SnapAxis(proposed.Left, a.Left, 0, m, FSnapLeft, cursor.x, FSnapOrigin.x);
  int t = SnapAxis(proposed.Top, a.Top, 0, m, FSnapTop, cursor.y, FSnapOrigin.y);
  l = SnapAxis(l, a.Right, w, m, FSnapRight, cursor.x, FSnapOrigin.x);
  t = SnapAxis(t, a.Bottom, h, m, FSnapBottom, cursor.y, FSnapOrigin.y);
  return Bounds(l, t, w, h);
}

std::vector<unsigned> SystemMenuEntries(const TsfSkinForm& f) {
  std::vector<unsigned> e;
  const TBorderIcons icons = f.BorderIcons();
  if (f.WindowState() != wsMinimized && icons.Contains(biMinimize)) e.push_back(SC_MINIMIZE);
  if (f.WindowState() != wsMaximized && icons.Contains(biMaximize)) e.push_back(SC_MAXIMIZE);
  if (f.WindowState() != wsNormal || f.RollUpState()) e.push_back(SC_RESTORE);
  if (!f.RollUpState() && f.WindowState() != wsMinimized && icons.Contains(biRollUp))
    e.push_back(kScRollUp);
  if (icons.Contains(biMinimizeToTray)) e.push_back(kScMinToTray);
  if (!e.empty()) e.push_back(0);
  e.push_back(SC_CLOSE);
  return e;
}

void TsfSkinForm::RunSystemCommand(unsigned command) {
  switch (command) {
    case SC_MINIMIZE:
      if (FAlwaysMinimizeToTray) TrayMinimize();
      else SetWindowState(wsMinimized);
      break;
    case SC_MAXIMIZE: SetWindowState(wsMaximized); break;
    case SC_RESTORE:
      if (FRollUpState && (FWindowState == wsNormal || FRolledUpWhileMaximized))
        SetRollUpState(false);
      else
        SetWindowState(wsNormal);
      break;
    case kScRollUp: SetRollUpState(true); break;
    case kScMinToTray: TrayMinimize(); break;
    case SC_CLOSE: FForm->Close(); break;
  }
}
