#include "OpenPopups.h"

#include <windows.h>

#include <algorithm>

#include "Application.h"

TOpenPopups& OpenPopups() {
  static TOpenPopups popups;
  return popups;
}

void TOpenPopups::Opened(const void* popup, std::function<bool(HWND)> ownsWindow,
                         std::function<void()> close) {
  Closed(popup);
  FPopups.push_back({popup, std::move(ownsWindow), std::move(close)});
}

void TOpenPopups::Closed(const void* popup) {
  std::erase_if(FPopups, [popup](const TPopup& p) { return p.Popup == popup; });
}

bool TOpenPopups::IsOpen(const void* popup) const {
  return std::any_of(FPopups.begin(), FPopups.end(),
                     [popup](const TPopup& p) { return p.Popup == popup; });
}

void TOpenPopups::CloseAll(HWND pressed) {
  // Closing one may close or open others: the list is taken as it stands now.
  const std::vector<TPopup> open = FPopups;
  for (auto it = open.rbegin(); it != open.rend(); ++it) {
    if (!IsOpen(it->Popup)) continue;
    if (pressed && it->Owns && it->Owns(pressed)) continue;
    Closed(it->Popup);
    try {
      if (it->Close) it->Close();
    } catch (...) {
      HandleEventException();
    }
  }
}

namespace {

bool IsButtonDown(unsigned msg) {
  switch (msg) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_XBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: case WM_XBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN: case WM_NCXBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: case WM_NCRBUTTONDBLCLK: case WM_NCMBUTTONDBLCLK:
      return true;
  }
  return false;
}

}  // namespace

void TOpenPopups::QueuedMessage(HWND wnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  if (IsButtonDown(msg)) {
    FAltAlone = false;
    if (AnyOpen()) CloseAll(wnd);
    return;
  }
  switch (msg) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN:
      if (wParam == VK_MENU) {
        if (!(lParam & (1 << 30))) FAltAlone = true;  // not the key's repeat
        return;
      }
      FAltAlone = false;
      if (wParam == VK_F10 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 && AnyOpen())
        CloseAll();
      return;
    case WM_KEYUP: case WM_SYSKEYUP:
      if (wParam != VK_MENU) return;
      if (FAltAlone && AnyOpen()) CloseAll();
      FAltAlone = false;
      return;
  }
}

void TOpenPopups::WindowMessage(unsigned msg, std::uintptr_t wParam) {
  if (msg == WM_ACTIVATEAPP && !wParam && AnyOpen()) CloseAll();
}
