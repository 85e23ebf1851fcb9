#include "Control.h"

#include <windows.h>

#include "Action.h"
#include "Exception.h"
#include "Messages.h"
#include "WinControl.h"
#include "Menus.h"

TShiftState ShiftStateFromKeys(std::uintptr_t mk, bool doubleClick) {
  TShiftState s;
  if (mk & MK_SHIFT) s << ssShift;
  if (GetKeyState(VK_MENU) < 0) s << ssAlt;
  if (mk & MK_CONTROL) s << ssCtrl;
  if (mk & MK_LBUTTON) s << ssLeft;
  if (mk & MK_RBUTTON) s << ssRight;
  if (mk & MK_MBUTTON) s << ssMiddle;
  if (doubleClick) s << ssDouble;
  return s;
}

TShiftState CurrentKeyShiftState() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s << ssShift;
  if (GetKeyState(VK_MENU) < 0) s << ssAlt;
  if (GetKeyState(VK_CONTROL) < 0) s << ssCtrl;
  return s;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>()) {
  FFont->OnChange = [this](TObject*) {
    if (!FUpdatingFromParent) FParentFont = false;
    FontChanged();
  };
}

TControl::~TControl() {
  BeginDestroy();
  if (FActionLink) RemoveFreeNotification(FActionLink->Action());
  FActionLink.reset();
  if (FParent) FParent->RemoveControl(this);
}

TBasicAction* TControl::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TControl::SetAction(TBasicAction* value) {
  if (value == Action()) return;
  if (FActionLink) RemoveFreeNotification(FActionLink->Action());
  FActionLink.reset();
  if (!value) return;
  FActionLink = std::make_unique<TActionLink>(this, value);
  FreeNotification(value);
  ActionChange(value, IsLoading());
}

void TControl::ActionChange(TBasicAction* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TAction*>(Sender);
  if (!action) return;
  if (!CheckDefaults || FCaption.empty()) SetCaption(action->Caption());
  if (!CheckDefaults || FEnabled) SetEnabled(action->Enabled());
  if (!CheckDefaults || FVisible) SetVisible(action->Visible());
}

void TControl::SetAnchors(TAnchors value) {
  if (value == FAnchors) return;
  FAnchors = value;
  UpdateAnchorRules();
}

void TControl::SetConstraints(const TSizeConstraints& value) {
  if (value == FConstraints) return;
  FConstraints = value;
  SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::ConstrainSize(int& width, int& height) const {
  const TSizeConstraints& c = FConstraints;
  if (c.MaxWidth > 0 && width > c.MaxWidth) width = c.MaxWidth;
  if (c.MinWidth > 0 && width < c.MinWidth) width = c.MinWidth;
  if (c.MaxHeight > 0 && height > c.MaxHeight) height = c.MaxHeight;
  if (c.MinHeight > 0 && height < c.MinHeight) height = c.MinHeight;
}

void TControl::UpdateAnchorRules() {
  if (!FParent || FParent->FAligning) return;
  TRect r = FParent->ClientRect();
  FAnchorRightGap = r.Right - (FLeft + FWidth);
  FAnchorBottomGap = r.Bottom - (FTop + FHeight);
}

void TControl::AnchorIn(const TRect& r) {
  int l = FLeft, t = FTop, w = FWidth, h = FHeight;
  if (FAnchors.Contains(akRight)) {
    if (FAnchors.Contains(akLeft))
      w = r.Right - FAnchorRightGap - l;
    else
      l = r.Right - FAnchorRightGap - w;
  }
  if (FAnchors.Contains(akBottom)) {
    if (FAnchors.Contains(akTop))
      h = r.Bottom - FAnchorBottomGap - t;
    else
      t = r.Bottom - FAnchorBottomGap - h;
  }
  SetBounds(l, t, w, h);
}

void TControl::SetParent(TWinControl* value) {
  if (value == FParent) return;
  if (value == this) throw Exception("A control cannot be its own parent");
  if (FParent) FParent->RemoveControl(this);
  if (value) value->InsertControl(this);
}

void TControl::StoreBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  bool resized = AWidth != FWidth || AHeight != FHeight;
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  if (resized && !IsLoading()) Resize();
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  ConstrainSize(AWidth, AHeight);
  if (AWidth < 0) AWidth = 0;
  if (AHeight < 0) AHeight = 0;
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  if (FParent && FVisible) FParent->InvalidateChild(this);
  StoreBounds(ALeft, ATop, AWidth, AHeight);
  if (FParent && FVisible) FParent->InvalidateChild(this);
  UpdateAnchorRules();
  RequestAlign();
}

void TControl::RequestAlign() {
  if (FParent && FAlign != alNone && FVisible) FParent->Realign();
}

TPoint TControl::ClientOriginInWindow() const {
  TPoint p{FLeft, FTop};
  if (FParent) {
    TPoint o = FParent->ClientOriginInWindow();
    p.x += o.x;
    p.y += o.y;
  }
  return p;
}

TPoint TControl::ClientToScreen(TPoint p) const {
  const TControl* c = this;
  while (c && !c->IsWindowed()) {
    p.x += c->FLeft;
    p.y += c->FTop;
    c = c->FParent;
  }
  if (!c) return p;
  auto* w = const_cast<TWinControl*>(static_cast<const TWinControl*>(c));
  POINT pt{p.x, p.y};
  ::ClientToScreen(w->Handle(), &pt);
  return {pt.x, pt.y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
  TPoint origin = ClientToScreen({0, 0});
  return {p.x - origin.x, p.y - origin.y};
}

void TControl::SetAlign(TAlign value) {
  if (value == FAlign) return;
  FAlign = value;
  if (FParent) FParent->Realign();
}

bool TControl::Showing() const {
  if (!FVisible) return false;
  if (FParent) return FParent->Showing();
  if (IsWindowed()) {
    auto* w = static_cast<const TWinControl*>(this);
    return w->HandleAllocated() && IsWindowVisible(w->HandleValue());
  }
  return false;
}

void TControl::SetVisible(bool value) {
  if (value == FVisible) return;
  if (FParent && FVisible) FParent->InvalidateChild(this);
  FVisible = value;
  VisibleChanged();
  if (FParent) {
    FParent->InvalidateChild(this);
    if (FAlign != alNone) FParent->Realign();
  }
}

void TControl::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  EnabledChanged();
}

void TControl::SetCaption(const std::string& value) {
  if (value == FCaption) return;
  FCaption = value;
  TextChanged();
}

void TControl::SetParentFont(bool value) {
  if (value == FParentFont) return;
  FParentFont = value;
  if (value) ParentFontChanged();
}

void TControl::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  if (!FUpdatingFromParent) FParentColor = false;
  ColorChanged();
}

void TControl::SetParentColor(bool value) {
  if (value == FParentColor) return;
  FParentColor = value;
  if (value) ParentColorChanged();
}

void TControl::SetCursor(TCursor value) { FCursor = value; }

void TControl::ParentFontChanged() {
  if (!FParentFont || !FParent) return;
  FUpdatingFromParent = true;
  FFont->Assign(FParent->Font());
  FUpdatingFromParent = false;
}

void TControl::ParentColorChanged() {
  if (!FParentColor || !FParent) return;
  FUpdatingFromParent = true;
  SetColor(FParent->Color());
  FUpdatingFromParent = false;
}

void TControl::FontChanged() { Invalidate(); }
void TControl::ColorChanged() { Invalidate(); }
void TControl::TextChanged() { Invalidate(); }
void TControl::VisibleChanged() {}
void TControl::EnabledChanged() { Invalidate(); }
void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::Invalidate() {
  if (FParent) FParent->InvalidateChild(this);
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

std::intptr_t TControl::Perform(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  TMessage m{msg, wParam, lParam, 0};
  WndProc(m);
  return m.Result;
}

void TControl::HandleMouseMessage(TMessage& m) {
  int x = static_cast<short>(LOWORD(m.LParam));
  int y = static_cast<short>(HIWORD(m.LParam));
  bool dbl = m.Msg == WM_LBUTTONDBLCLK || m.Msg == WM_RBUTTONDBLCLK || m.Msg == WM_MBUTTONDBLCLK;
  TShiftState shift = ShiftStateFromKeys(m.WParam, dbl);
  switch (m.Msg) {
    case WM_MOUSEMOVE: MouseMove(shift, x, y); break;
    case WM_LBUTTONDOWN: FClicked = FClickOnRelease; MouseDown(mbLeft, shift, x, y); break;
    case WM_RBUTTONDOWN: MouseDown(mbRight, shift, x, y); break;
    case WM_MBUTTONDOWN: MouseDown(mbMiddle, shift, x, y); break;
    case WM_LBUTTONDBLCLK: DblClick(); MouseDown(mbLeft, shift, x, y); break;
    case WM_RBUTTONDBLCLK: MouseDown(mbRight, shift, x, y); break;
    case WM_MBUTTONDBLCLK: MouseDown(mbMiddle, shift, x, y); break;
    case WM_LBUTTONUP:
      if (FClicked) {
        FClicked = false;
        if (ClientRect().Contains({x, y})) Click();
      }
      MouseUp(mbLeft, shift, x, y);
      break;
    case WM_RBUTTONUP: MouseUp(mbRight, shift, x, y); break;
    case WM_MBUTTONUP: MouseUp(mbMiddle, shift, x, y); break;
  }
}

void TControl::WndProc(TMessage& m) {
  if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MBUTTONDBLCLK) {
    HandleMouseMessage(m);
    return;
  }
  switch (m.Msg) {
    case CM_MOUSEENTER:
      if (!FMouseInControl) {
        FMouseInControl = true;
        MouseEnter();
      }
      break;
    case CM_MOUSELEAVE:
      if (FMouseInControl) {
        FMouseInControl = false;
        MouseLeave();
      }
      break;
    case CM_PARENTFONTCHANGED: ParentFontChanged(); break;
    case CM_PARENTCOLORCHANGED: ParentColorChanged(); break;
  }
}

void TControl::Click() {
  // A handler of the control's own goes before its action's.
  if (OnClick)
    OnClick(this);
  else if (FActionLink && !IsDesigning())
    FActionLink->Execute();
}
void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}
void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}
void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}
void TControl::MouseEnter() {
  if (OnMouseEnter && !IsDesigning()) OnMouseEnter(this);
}
void TControl::MouseLeave() {
  if (OnMouseLeave && !IsDesigning()) OnMouseLeave(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && FActionLink && AComponent == FActionLink->Action())
    FActionLink.reset();
  if (Operation == opRemove && AComponent == static_cast<TComponent*>(FPopupMenu))
    FPopupMenu = nullptr;
}

void TControl::SetPopupMenu(TPopupMenu* value) {
  if (value == FPopupMenu) return;
  if (FPopupMenu) RemoveFreeNotification(static_cast<TComponent*>(FPopupMenu));
  FPopupMenu = value;
  if (value) FreeNotification(static_cast<TComponent*>(value));
}

void TControl::Loaded() {
  UpdateAnchorRules();
  ParentFontChanged();
  ParentColorChanged();
}
