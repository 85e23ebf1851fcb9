#pragma once
// TOpenPopups: the popups of ours that are open, the skinned menus and the drop-down
// lists. They are windows of our own that never take the activation, so nothing of
// the system closes them the way it closes its own menus. Every open popup closes
// when the program loses the activation, when a mouse button goes down on a window
// that is not one of the popup's own, on Alt or F10 pressed alone, and when the frame
// of a form asks (moving, sizing, deactivating).
#include <cstdint>
#include <functional>
#include <vector>

#include "WinHandles.h"

class TOpenPopups {
 public:
  // A popup that has opened: `ownsWindow` tells the windows where a press leaves it
  // open (its own, and the control it belongs to), `close` closes it.
  void Opened(const void* popup, std::function<bool(HWND)> ownsWindow, std::function<void()> close);
  // A popup that has closed or goes away.
  void Closed(const void* popup);
  bool IsOpen(const void* popup) const;
  bool AnyOpen() const { return !FPopups.empty(); }

  // Closes every open popup, the latest first; with `pressed`, those that own that
  // window stay open.
  void CloseAll(HWND pressed = nullptr);
  // The message loop shows each queued message here before anyone else sees it: a
  // press closes the popups that do not own its window, Alt released with no other
  // key since it went down, or F10 without Shift or Ctrl, closes all.
  void QueuedMessage(HWND wnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
  // For the windows of the popups and their forms: the program is deactivated.
  void WindowMessage(unsigned msg, std::uintptr_t wParam);

 private:
  struct TPopup {
    const void* Popup;
    std::function<bool(HWND)> Owns;
    std::function<void()> Close;
  };
  std::vector<TPopup> FPopups;
  bool FAltAlone = false;
};

TOpenPopups& OpenPopups();
