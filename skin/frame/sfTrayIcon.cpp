#include "sfTrayIcon.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "ui/Application.h"
#include "ui/CodePage.h"
#include "ui/Form.h"
#include "ui/Menus.h"
#include "ui/MessageWindow.h"

namespace {

// The notification area reports on the icon with this message to the icon's window.
constexpr UINT kIconMessage = WM_APP + 0x54;

HWND MainFormWindow() {
  TForm* main = Application->MainForm();
  return main ? main->HandleValue() : nullptr;
}

}  // namespace

TsfTrayIcon::TsfTrayIcon(TComponent* AOwner) : TComponent(AOwner) {
  // The notification area reports on the icon to a window.
  FWindow = new TMessageWindow(this);
  FWindow->OnMessage = [this](TMessage& m) {
    if (m.Msg != kIconMessage) return false;
    IconMessage(static_cast<unsigned>(LOWORD(m.LParam)));
    m.Result = 0;
    return true;
  };
  FWindow->HandleNeeded();
}

TsfTrayIcon::~TsfTrayIcon() {
  SetDestroying();
  if (FAdded) Notify(NIM_DELETE);
  if (FPopupMenu) RemoveFreeNotification(FPopupMenu);
}

bool TsfTrayIcon::Notify(unsigned action) {
  if (!FWindow->HandleAllocated()) return false;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = FWindow->HandleValue();
  data.uID = 1;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kIconMessage;
  data.hIcon = FIcon ? FIcon : LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  if (!data.hIcon) data.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
  const std::wstring tip = AnsiToWide(FHint.empty() ? Application->Title() : FHint);
  const size_t n = std::min(tip.size(), std::size(data.szTip) - 1);
  std::copy_n(tip.begin(), n, data.szTip);
  return Shell_NotifyIconW(action, &data) != FALSE;
}

void TsfTrayIcon::SetIcon(HICON value) {
  FIcon = value;
  if (FAdded) Notify(NIM_MODIFY);
}

void TsfTrayIcon::SetHint(const std::string& value) {
  FHint = value;
  if (FAdded) Notify(NIM_MODIFY);
}

void TsfTrayIcon::SetIconVisible(bool value) {
  FIconVisible = value;
  if (value && !FAdded) {
    // Without a notification area (no shell running) the icon stays a wish.
    FAdded = Notify(NIM_ADD);
  } else if (!value && FAdded) {
    Notify(NIM_DELETE);
    FAdded = false;
  }
}

void TsfTrayIcon::SetMinimizeToTray(bool value) {
  FMinimizeToTray = value;
  if (value) SetIconVisible(true);
}

void TsfTrayIcon::HideApplication() {
  if (HWND wnd = MainFormWindow()) ShowWindow(wnd, SW_HIDE);
}

void TsfTrayIcon::ShowApplication() {
  if (HWND wnd = MainFormWindow()) ShowWindow(wnd, SW_SHOWNA);
}

void TsfTrayIcon::SetPopupMenu(TPopupMenu* value) {
  if (FPopupMenu) RemoveFreeNotification(FPopupMenu);
  FPopupMenu = value;
  if (value) FreeNotification(value);
}

void TsfTrayIcon::IconMessage(unsigned mouseMessage) {
  if (mouseMessage == WM_LBUTTONDBLCLK) {
    if (OnDblClick) OnDblClick(this);
  } else if (mouseMessage == WM_RBUTTONUP && FPopupMenu) {
    POINT at;
    GetCursorPos(&at);
    // The menu closes when the user clicks elsewhere only if our window is in front.
    if (HWND wnd = MainFormWindow()) SetForegroundWindow(wnd);
    FPopupMenu->Popup(at.x, at.y);
  }
}

void TsfTrayIcon::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}
