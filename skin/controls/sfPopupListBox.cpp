#include <windows.h>

#include "sfPopupListBox.h"

#include <algorithm>

#include "skin/data/sfUtilsHelpers.h"
#include "ui/OpenPopups.h"

TsfPopupListBox::TsfPopupListBox(TComponent* AOwner) : TsfSkinListBox(AOwner) { SetVisible(false); }

TsfPopupListBox::~TsfPopupListBox() { OpenPopups().Closed(this); }

void TsfPopupListBox::CreateParams(TCreateParams& p) {
  TsfSkinListBox::CreateParams(p);
  p.Style = WS_POPUP | WS_CLIPCHILDREN | (Visible() ? WS_VISIBLE : 0);
  p.ExStyle = WS_EX_TOOLWINDOW;
  // Closing the list restores the screen under it without repainting the form.
  p.ClassStyle = CS_SAVEBITS | (IsXPOrLater(GetOSVersion()) ? CS_DROPSHADOW : 0);
}

void TsfPopupListBox::CreateWnd() {
  TsfSkinListBox::CreateWnd();
  if (FLayered) {
    FLayered = false;  // a new window starts opaque
    SetLayered(true);
  }
}

void TsfPopupListBox::ShowAt(TPoint p) {
  SetBounds(p.x, p.y, Width(), Height());
  HWND wnd = Handle();
  SetWindowPos(wnd, HWND_TOP, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  OpenPopups().Opened(this, [this](HWND w) { return OwnsWindow(w); }, [this] { CloseFromOutside(); });
}

void TsfPopupListBox::HidePopup() {
  OpenPopups().Closed(this);
  if (HandleAllocated())
    SetWindowPos(HandleValue(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  SetVisible(false);
}

bool TsfPopupListBox::OwnsWindow(HWND wnd) const {
  auto within = [wnd](HWND root) { return root && (wnd == root || IsChild(root, wnd)); };
  TWinControl* owner = Parent();
  return within(HandleValue()) || (owner && within(owner->HandleValue()));
}

void TsfPopupListBox::CloseFromOutside() {
  if (OnCloseFromOutside) OnCloseFromOutside(this);
  if (Visible()) HidePopup();
}

void TsfPopupListBox::SetLayered(bool value) {
  if (value == FLayered) return;
  FLayered = value;
  FLastAlpha = -1;
  if (!HandleAllocated()) return;
  LONG ex = GetWindowLongW(HandleValue(), GWL_EXSTYLE);
  SetWindowLongW(HandleValue(), GWL_EXSTYLE, value ? ex | WS_EX_LAYERED : ex & ~WS_EX_LAYERED);
}

void TsfPopupListBox::SetAlpha(int value) {
  value = std::clamp(value, 0, 255);
  FLastAlpha = value;
  if (FLayered && HandleAllocated())
    SetLayeredWindowAttributes(HandleValue(), 0, static_cast<BYTE>(value), LWA_ALPHA);
}

void TsfPopupListBox::ListMessage(TMessage& m, bool& Continue) {
  if (OnListMessage) OnListMessage(m, Continue);
}

void TsfPopupListBox::WndProc(TMessage& m) {
  OpenPopups().WindowMessage(m.Msg, m.WParam);
  if (m.Msg == WM_MOUSEACTIVATE) {
    m.Result = MA_NOACTIVATE;
    return;
  }
  TsfSkinListBox::WndProc(m);
}
