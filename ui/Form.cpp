#include "Form.h"

#include <windows.h>

#include <algorithm>

#include "Application.h"
#include "CodePage.h"
#include "Messages.h"
#include "Screen.h"

TForm::TForm(TComponent* AOwner) : TCustomControl(AOwner) {
  // Controls made by a descendant's constructor keep their stored bounds until
  // AfterConstruction aligns them all at once.
  BeginLoading();
  SetVisible(false);
  SetParentFont(false);
  SetParentColor(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
  Screen->AddForm(this);
}

TForm::~TForm() {
  BeginDestroy();
  Screen->RemoveForm(this);
  Application->FormDestroyed(this);
}

void TForm::AfterConstruction() {
  EndLoading();
  Realign();
  DoCreate();
}

void TForm::DoCreate() {
  if (!OnCreate) return;
  try {
    OnCreate(this);
  } catch (...) {
    HandleEventException();
  }
}

void TForm::CreateParams(TCreateParams& p) {
  p.Caption = AnsiToWide(Caption());
  p.X = Left();
  p.Y = Top();
  p.Width = Width();
  p.Height = Height();
  p.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  switch (FBorderStyle) {
    case bsNone: p.Style |= WS_POPUP; break;
    case bsSingle: case bsToolWindow: p.Style |= WS_CAPTION | WS_BORDER; break;
    case bsDialog: p.Style |= WS_CAPTION | DS_MODALFRAME; p.ExStyle |= WS_EX_DLGMODALFRAME; break;
    default: p.Style |= WS_CAPTION | WS_THICKFRAME; break;
  }
  if (FBorderStyle != bsNone) {
    if (FBorderIcons.Contains(biSystemMenu)) p.Style |= WS_SYSMENU;
    if (FBorderIcons.Contains(biMinimize)) p.Style |= WS_MINIMIZEBOX;
    if (FBorderIcons.Contains(biMaximize)) p.Style |= WS_MAXIMIZEBOX;
  }
  if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) p.ExStyle |= WS_EX_TOOLWINDOW;
  p.WndParent = nullptr;
}

TRect TForm::NonClientMargins() const {
  if (HandleValue()) {
    RECT w, c;
    GetWindowRect(HandleValue(), &w);
    GetClientRect(HandleValue(), &c);
    POINT origin{0, 0};
    ::ClientToScreen(HandleValue(), &origin);
    return {origin.x - w.left, origin.y - w.top, w.right - origin.x - c.right,
            w.bottom - origin.y - c.bottom};
  }
  // Before the window exists a component that owns the frame answers for it, as it
  // will answer the window's WM_NCCALCSIZE.
  RECT proposed{0, 0, 1000, 1000};
  TMessage query{WM_NCCALCSIZE, 0, reinterpret_cast<std::intptr_t>(&proposed), 0};
  if (!FHooks.empty()) const_cast<TForm*>(this)->CallHook(query, FHooks.size());
  if (proposed.left != 0 || proposed.top != 0 || proposed.right != 1000 || proposed.bottom != 1000)
    return {proposed.left, proposed.top, 1000 - proposed.right, 1000 - proposed.bottom};
  TCreateParams p;
  const_cast<TForm*>(this)->CreateParams(p);
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, p.Style, FALSE, p.ExStyle);
  return {-r.left, -r.top, r.right, r.bottom};
}

// A client size set before the form was first shown holds for whatever frame the
// window has by then (a component may have taken the frame over meanwhile).
void TForm::ApplyStoredClientSize() {
  if (FStoredClientWidth <= 0 && FStoredClientHeight <= 0) return;
  TRect m = NonClientMargins();
  int w = FStoredClientWidth > 0 ? FStoredClientWidth + m.Left + m.Right : Width();
  int h = FStoredClientHeight > 0 ? FStoredClientHeight + m.Top + m.Bottom : Height();
  TCustomControl::SetBounds(Left(), Top(), w, h);
}

void TForm::FrameChanged() {
  if (!Visible()) ApplyStoredClientSize();
}

void TForm::CreateWnd() {
  ApplyStoredClientSize();
  TCustomControl::CreateWnd();
}

TRect TForm::ClientRect() const {
  if (HandleValue()) return TCustomControl::ClientRect();
  TRect m = NonClientMargins();
  return {0, 0, std::max(0, Width() - m.Left - m.Right), std::max(0, Height() - m.Top - m.Bottom)};
}

void TForm::SetClientWidth(int value) {
  TRect m = NonClientMargins();
  SetBounds(Left(), Top(), value + m.Left + m.Right, Height());
  if (!Visible()) FStoredClientWidth = value;
}

void TForm::SetClientHeight(int value) {
  TRect m = NonClientMargins();
  SetBounds(Left(), Top(), Width(), value + m.Top + m.Bottom);
  if (!Visible()) FStoredClientHeight = value;
}

void TForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  // An outer size given directly replaces a client size asked for before.
  if (AWidth != Width()) FStoredClientWidth = 0;
  if (AHeight != Height()) FStoredClientHeight = 0;
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TForm::ApplyStyle() {
  if (!HandleValue()) return;
  TCreateParams p;
  CreateParams(p);
  HWND wnd = HandleValue();
  LONG_PTR keep = GetWindowLongPtrW(wnd, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
  SetWindowLongPtrW(wnd, GWL_STYLE, static_cast<LONG_PTR>(p.Style) | keep);
  SetWindowLongPtrW(wnd, GWL_EXSTYLE, static_cast<LONG_PTR>(p.ExStyle));
  SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TForm::SetBorderIcons(TBorderIcons value) {
  if (value == FBorderIcons) return;
  FBorderIcons = value;
  ApplyStyle();
}

void TForm::SetBorderStyle(TBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  ApplyStyle();
}

void TForm::VisibleChanged() {
  if (Visible()) {
    HWND wnd = Handle();
    ApplyStoredClientSize();
    FStoredClientWidth = FStoredClientHeight = 0;
    ShowWindow(wnd, SW_SHOWNORMAL);
    if (OnShow) OnShow(this);
  } else if (HandleValue()) {
    ShowWindow(HandleValue(), SW_HIDE);
    if (OnHide) OnHide(this);
  }
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

void TForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application->MainForm() == this)
    Application->Terminate();
  else if (action == caHide)
    Hide();
  else if (action == caMinimize)
    ShowWindow(Handle(), SW_MINIMIZE);
  else
    Release();
}

void TForm::CloseModal() {
  TCloseAction action = CloseQuery() ? caHide : caNone;
  if (action != caNone) DoClose(action);
  if (action == caNone) FModalResult = mrNone;
}

TModalResult TForm::ShowModal() {
  if (Visible() || FModal) throw Exception("Cannot make a visible window modal");
  std::vector<HWND> disabled;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND wnd, LPARAM list) -> BOOL {
        if (IsWindowVisible(wnd) && IsWindowEnabled(wnd)) {
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabled));
  for (HWND w : disabled) EnableWindow(w, FALSE);
  FModal = true;
  FModalResult = mrNone;
  try {
    Show();
    SetForegroundWindow(Handle());
    while (FModalResult == mrNone) {
      Application->HandleMessage();
      if (Application->Terminated())
        FModalResult = mrCancel;
      else if (FModalResult != mrNone)
        CloseModal();
    }
  } catch (...) {
    FModal = false;
    for (HWND w : disabled) EnableWindow(w, TRUE);
    throw;
  }
  for (HWND w : disabled) EnableWindow(w, TRUE);
  Hide();
  FModal = false;
  return FModalResult;
}

void TForm::Release() {
  if (HandleValue())
    PostMessageW(HandleValue(), CM_RELEASE, 0, 0);
  else
    FreeWhenIdle(this);
}

bool TForm::IsShortCut(std::uint16_t key, TShiftState shift) {
  if (!OnShortCut) return false;
  bool handled = false;
  OnShortCut(this, key, shift, handled);
  return handled;
}

void TForm::RecreateWnd() {
  if (!HandleValue()) return;
  bool shown = Visible();
  DestroyHandle();
  HWND wnd = Handle();
  if (shown) ShowWindow(wnd, SW_SHOWNA);
}

void TForm::InstallMessageHook(const void* owner, TMessageHook hook) {
  RemoveMessageHook(owner);
  FHooks.push_back({owner, std::move(hook)});
}

void TForm::RemoveMessageHook(const void* owner) {
  std::erase_if(FHooks, [owner](const THookEntry& e) { return e.Owner == owner; });
}

void TForm::DispatchWindowMessage(TMessage& m) { CallHook(m, FHooks.size()); }

// Runs the hooks installed before the `below`-th, newest first, then the form's own
// procedure. The hook is copied: it may remove itself while it runs.
void TForm::CallHook(TMessage& m, std::size_t below) {
  below = std::min(below, FHooks.size());
  if (below == 0) {
    WndProc(m);
    return;
  }
  TMessageHook hook = FHooks[below - 1].Hook;
  hook(m, [this, below](TMessage& next) { CallHook(next, below - 1); });
}

TForm* GetParentForm(TControl* control) {
  for (TControl* c = control; c; c = c->Parent())
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
  return nullptr;
}

void TForm::SendFocusChanged() {
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<std::intptr_t>(FActiveControl));
}

void TForm::ControlRemoved(TControl* control) {
  if (!FActiveControl) return;
  if (FActiveControl == control) FActiveControl = nullptr;
  else if (control->IsWindowed() && static_cast<TWinControl*>(control)->ContainsControl(FActiveControl))
    FActiveControl = nullptr;
}

void TForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_FOCUSCHANGED:
      FActiveControl = reinterpret_cast<TWinControl*>(m.LParam);
      break;
    case WM_CLOSE:
      Close();
      return;
    case CM_RELEASE:
      // A handler further up may be this form's own (its frame's hook, a nested
      // loop's caller): the form goes once the stack has unwound to the loop.
      FreeWhenIdle(this);
      return;
  }
  TCustomControl::WndProc(m);
}
