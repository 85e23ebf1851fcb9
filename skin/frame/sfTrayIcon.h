#pragma once
// TsfTrayIcon: the program's icon in the notification area, the frame's companion
// for minimizing to the tray. While MinimizeToTray is set a minimized program keeps
// no task-bar button; a double-click on the icon or its menu brings it back.
#include <string>

#include "ui/Component.h"
#include "ui/WinHandles.h"

class TMessageWindow;
class TPopupMenu;

class TsfTrayIcon : public TComponent {
 public:
  explicit TsfTrayIcon(TComponent* AOwner);
  ~TsfTrayIcon() override;

  // The icon shown in the notification area; the program's own when not set.
  void SetIcon(HICON value);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& value);
  bool IconVisible() const { return FIconVisible; }
  void SetIconVisible(bool value);
  // Set: the icon shows, and the program's windows leave the task bar once it is
  // minimized (HideApplication).
  bool MinimizeToTray() const { return FMinimizeToTray; }
  void SetMinimizeToTray(bool value);
  // The main form's window out of sight and off the task bar, and back again.
  void HideApplication();
  void ShowApplication();

  // Opened at the pointer by a right click on the icon.
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* value);
  TNotifyEvent OnDblClick;

  // What the notification area reports for the icon (a mouse message).
  void IconMessage(unsigned mouseMessage);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  bool Notify(unsigned action);

  TMessageWindow* FWindow;  // owned
  HICON FIcon = nullptr;
  std::string FHint;
  bool FIconVisible = false, FMinimizeToTray = false, FAdded = false;
  TPopupMenu* FPopupMenu = nullptr;
};
