#include <windows.h>

#include "MessageDialog.h"

#include <algorithm>

#include "CodePage.h"
#include "Messages.h"
#include "Screen.h"

namespace {

bool IsScreenForm(HWND wnd) {
  if (!Screen || !wnd) return false;
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (Screen->Forms(i)->HandleValue() == wnd) return true;
  return false;
}

bool IsOurs(HWND wnd) {
  DWORD process = 0;
  return wnd && GetWindowThreadProcessId(wnd, &process) && process == GetCurrentProcessId();
}

// The visible form that holds `wnd` or, for a popup of ours, that owns it.
HWND FormHolding(HWND wnd) {
  for (wnd = wnd ? GetAncestor(wnd, GA_ROOT) : nullptr; wnd; wnd = GetWindow(wnd, GW_OWNER))
    if (IsScreenForm(wnd) && IsWindowVisible(wnd) && !IsIconic(wnd)) return wnd;
  return nullptr;
}

}  // namespace

HWND ActiveFormWindow() {
  for (HWND wnd : {GetActiveWindow(), GetForegroundWindow()})
    if (IsOurs(wnd))
      if (HWND form = FormHolding(wnd)) return form;
  // The program is in the background: the form on top of ours.
  for (HWND wnd = GetTopWindow(nullptr); wnd; wnd = GetWindow(wnd, GW_HWNDNEXT))
    if (IsScreenForm(wnd) && IsWindowVisible(wnd) && !IsIconic(wnd)) return wnd;
  return nullptr;
}

TOwnedDialogForm::TOwnedDialogForm(HWND owner)
    : TForm(nullptr), FOwnerWindow(owner ? GetAncestor(owner, GA_ROOT) : ActiveFormWindow()) {}

void TOwnedDialogForm::CreateParams(TCreateParams& p) {
  TForm::CreateParams(p);
  p.WndParent = FOwnerWindow && IsWindow(FOwnerWindow) ? FOwnerWindow : nullptr;
}

void TOwnedDialogForm::VisibleChanged() {
  if (!Visible()) {
    TForm::VisibleChanged();
    return;
  }
  // Placed once the window and its frame are made, before it shows; again after,
  // should a frame have taken its size only as the window showed.
  Handle();
  CentreOnOwner();
  TForm::VisibleChanged();
  CentreOnOwner();
}

void TOwnedDialogForm::CentreOnOwner() {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT work = area;
  if (FOwnerWindow && IsWindow(FOwnerWindow) && !IsIconic(FOwnerWindow)) {
    GetWindowRect(FOwnerWindow, &area);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoW(MonitorFromWindow(FOwnerWindow, MONITOR_DEFAULTTONEAREST), &monitor))
      work = monitor.rcWork;
  }
  int left = (area.left + area.right - Width()) / 2;
  int top = (area.top + area.bottom - Height()) / 2;
  // Inside the work area, its top left corner first where it is too small.
  left = std::max(static_cast<int>(work.left), std::min(left, static_cast<int>(work.right) - Width()));
  top = std::max(static_cast<int>(work.top), std::min(top, static_cast<int>(work.bottom) - Height()));
  SetBounds(left, top, Width(), Height());
}

namespace {

constexpr int kMargin = 12, kIconSize = 32, kButtonWidth = 75, kButtonHeight = 25;

// The platform push button, clicked by the mouse, Enter, Space or Escape.
class TDialogButton : public TWinControl {
 public:
  explicit TDialogButton(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

 protected:
  void CreateParams(TCreateParams& p) override {
    TWinControl::CreateParams(p);
    p.WinClassName = L"BUTTON";
    p.Style |= BS_DEFPUSHBUTTON | WS_TABSTOP;
  }
  void WndProc(TMessage& m) override {
    bool clicked = (m.Msg == CN_BASE + WM_COMMAND && HIWORD(m.WParam) == BN_CLICKED) ||
                   (m.Msg == WM_KEYDOWN && (m.WParam == VK_RETURN || m.WParam == VK_ESCAPE));
    if (clicked) {
      if (auto* form = dynamic_cast<TForm*>(Parent())) form->SetModalResult(mrOk);
      return;
    }
    if (m.Msg == WM_GETDLGCODE) {
      m.Result = DLGC_WANTALLKEYS | DLGC_DEFPUSHBUTTON;
      return;
    }
    TWinControl::WndProc(m);
  }
};

class TMessageDialogForm : public TOwnedDialogForm {
 public:
  TMessageDialogForm(const std::string& text, const std::string& caption, unsigned icon)
      : FText(AnsiToWide(text)) {
    SetCaption(caption);
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    FIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(icon == MB_ICONWARNING ? 32515 : 32516));
    TRect textRect = MeasureText();
    int contentHeight = std::max(kIconSize, textRect.Height());
    int width = std::max(kMargin * 3 + kIconSize + textRect.Width(), kButtonWidth + 2 * kMargin);
    SetClientWidth(width);
    SetClientHeight(kMargin + contentHeight + kMargin + kButtonHeight + kMargin);
    FTextRect = textRect.Offset(2 * kMargin + kIconSize, kMargin);
    FButton = new TDialogButton(this);
    FButton->SetCaption("OK");
    FButton->SetBounds((width - kButtonWidth) / 2, kMargin * 2 + contentHeight, kButtonWidth,
                       kButtonHeight);
    FButton->SetParent(this);
    OnShow = [this](TObject*) { FButton->SetFocus(); };
  }

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(clBtnFace);
    Canvas().FillRect(ClientRect());
    HDC dc = Canvas().Handle();
    DrawIconEx(dc, kMargin, kMargin, FIcon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    RECT r{FTextRect.Left, FTextRect.Top, FTextRect.Right, FTextRect.Bottom};
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(clBtnText));
    DrawTextW(dc, FText.c_str(), static_cast<int>(FText.size()), &r, DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
  }

 private:
  // The text's extent, wrapped to at most half the screen's width.
  TRect MeasureText() {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
    DrawTextW(dc, FText.c_str(), static_cast<int>(FText.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {0, 0, r.right, r.bottom};
  }

  std::wstring FText;
  HICON FIcon = nullptr;
  TRect FTextRect;
  TDialogButton* FButton = nullptr;
};

}  // namespace

void ShowMessageDialogForm(const std::string& text, const std::string& caption, unsigned icon) {
  TMessageDialogForm form(text, caption, icon);
  form.AfterConstruction();
  form.ShowModal();
}
