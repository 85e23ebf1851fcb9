#include "sfTrayIcon.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "ui/Application.h"
#include "ui/CodePage.h"
#include "ui/Form.h"
#include "ui/GdiObject.h"
#include "ui/Menus.h"

namespace {

// The notification area reports on the icon with this message to the icon's window.
constexpr UINT kIconMessage = WM_APP + 0x54;

LRESULT CALLBACK IconWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kIconMessage) {
    if (auto* icon = reinterpret_cast<TsfTrayIcon*>(GetWindowLongPtrW(wnd, GWLP_USERDATA)))
      icon->IconMessage(static_cast<unsigned>(LOWORD(lParam)));
    return 0;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

HWND MakeIconWindow(TsfTrayIcon* owner) {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = IconWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TavoroTrayIconWindow";
    return RegisterClassExW(&wc);
  }();
  HWND wnd = CreateWindowExW(0, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(atom)), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (!wnd) return nullptr;
  CountHandle(THandleKind::Window, 1);
  SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  return wnd;
}

HWND MainFormWindow() {
  TForm* main = Application->MainForm();
  return main ? main->HandleValue() : nullptr;
}

}  // namespace

TsfTrayIcon::TsfTrayIcon(TComponent* AOwner) : TComponent(AOwner) {
  FWindow = MakeIconWindow(this);
}

TsfTrayIcon::~TsfTrayIcon() {
  SetDestroying();
  if (FAdded) Notify(NIM_DELETE);
  if (FPopupMenu) RemoveFreeNotification(FPopupMenu);
  if (FWindow) {
    DestroyWindow(FWindow);
    CountHandle(THandleKind::Window, -1);
  }
}

bool TsfTrayIcon::Notify(unsigned action) {
  if (!FWindow) return false;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = FWindow;
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
