#pragma once
// TsfSkinPopupMenu: a popup menu that shows itself through the skinned menu windows.
#include "ui/Menus.h"

class TWinControl;
class TsfSkinData;
class TsfSkinMenu;

class TsfSkinPopupMenu : public TPopupMenu {
 public:
  explicit TsfSkinPopupMenu(TComponent* AOwner);
  ~TsfSkinPopupMenu() override;

  TsfSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TsfSkinData* value);
  // The form told when the menu closes; the windows stay above it.
  TWinControl* Form() const;
  void SetForm(TWinControl* value);
  TsfSkinMenu& SkinMenu() { return *FSkinMenu; }

  // Shows the menu with its top-left corner at a screen point (moved where the
  // screen ends); returns at once, the chosen item's click runs later.
  void Popup(int X, int Y) override;
  // The same, telling `control` when the menu closed (WM_SKINMENU_CLOSED) and after
  // a command ran (WM_SKINMENU_COMMAND).
  void PopupFor(TWinControl* control, int X, int Y);
  // Shows the menu below (or, where the screen ends, above) a screen rectangle.
  void PopupBelow(TWinControl* control, const TRect& anchor);
  bool Showing() const;
  void Close();

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TsfSkinMenu* FSkinMenu;
  TsfSkinData* FSkinData = nullptr;
};
