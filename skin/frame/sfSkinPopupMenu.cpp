#include "sfSkinPopupMenu.h"

#include "sfSkinMenu.h"
#include "skin/data/sfSkinData.h"
#include "ui/WinControl.h"

TsfSkinPopupMenu::TsfSkinPopupMenu(TComponent* AOwner)
    : TPopupMenu(AOwner), FSkinMenu(new TsfSkinMenu(this)) {}

TsfSkinPopupMenu::~TsfSkinPopupMenu() { SetSkinData(nullptr); }

void TsfSkinPopupMenu::SetSkinData(TsfSkinData* value) {
  if (value == FSkinData) return;
  if (FSkinData) FSkinData->RemoveFreeNotification(this);
  FSkinData = value;
  if (FSkinData) FSkinData->FreeNotification(this);
}

void TsfSkinPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TPopupMenu::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FSkinData) FSkinData = nullptr;
  if (Operation == opRemove && AComponent == FSkinMenu) FSkinMenu = nullptr;
}

TWinControl* TsfSkinPopupMenu::Form() const { return FSkinMenu ? FSkinMenu->Form() : nullptr; }
void TsfSkinPopupMenu::SetForm(TWinControl* value) {
  if (FSkinMenu) FSkinMenu->SetForm(value);
}

void TsfSkinPopupMenu::Popup(int X, int Y) { PopupFor(nullptr, X, Y); }

void TsfSkinPopupMenu::PopupFor(TWinControl* control, int X, int Y) {
  if (!FSkinMenu) return;
  if (OnPopup) OnPopup(this);
  FSkinMenu->ShowMenu(control, FSkinData, false, &Items(), {X, Y, X, Y}, 0);
}

void TsfSkinPopupMenu::PopupBelow(TWinControl* control, const TRect& anchor) {
  if (!FSkinMenu) return;
  if (OnPopup) OnPopup(this);
  FSkinMenu->ShowMenu(control, FSkinData, false, &Items(), anchor, 0);
}

bool TsfSkinPopupMenu::Showing() const { return FSkinMenu && FSkinMenu->Visible(); }

void TsfSkinPopupMenu::Close() {
  if (FSkinMenu) FSkinMenu->HideMenu();
}
