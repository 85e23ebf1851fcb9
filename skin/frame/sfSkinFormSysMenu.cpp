// The system menu: the frame's entries for the window's state and border icons, shown
// as a skinned popup menu in the menus' skin. Only PopupSystemMenu knows how.
#include <windows.h>

#include "sfSkinForm.h"
#include "sfSkinPopupMenu.h"
#include "sfSystemMenu.h"
#include "skin/data/sfSkinData.h"
#include "ui/Form.h"

namespace {

TsfSysMenuWindowState MenuWindowState(TsfWindowState s) {
  switch (s) {
    case wsMinimized: return sfwsMinimized;
    case wsMaximized: return sfwsMaximized;
    default: return sfwsNormal;
  }
}

}  // namespace

void TsfSkinForm::PopupSystemMenu(const TRect& anchor) {
  if (!FSystemPopup) {
    FSystemPopup = new TsfSkinPopupMenu(this);
    FSystemPopup->SetForm(FForm);
  }
  TsfSkinData* skin = FMenusSkinData ? FMenusSkinData : FSkinData;
  FSystemPopup->SetSkinData(skin);
  TsfSystemMenuState state;
  state.WindowState = MenuWindowState(FWindowState);
  state.RollUpState = FRollUpState;
  state.AlwaysMinimizeToTray = FAlwaysMinimizeToTray;
  state.Minimize = FBorderIcons.Contains(biMinimize);
  state.Maximize = FBorderIcons.Contains(biMaximize);
  state.RollUp = FBorderIcons.Contains(biRollUp);
  state.MinimizeToTray = FBorderIcons.Contains(biMinimizeToTray);
  // The entries run the frame's own commands after the menu has gone.
  TsfSystemMenuActions actions;
  actions.Minimize = [this] { RunSystemCommand(SC_MINIMIZE); };
  actions.Maximize = [this] { RunSystemCommand(SC_MAXIMIZE); };
  actions.Restore = [this] { RunSystemCommand(SC_RESTORE); };
  actions.RollUp = [this] { RunSystemCommand(kScRollUp); };
  actions.RollDown = [this] { RunSystemCommand(SC_RESTORE); };
  actions.TrayMinimize = [this] { RunSystemCommand(kScMinToTray); };
  actions.Close = [this] { RunSystemCommand(SC_CLOSE); };
  BuildSystemMenu(FSystemPopup->Items(), state, actions, skin ? skin->ResourceStrData() : nullptr);
  FMenuOpen = true;
  if (OnSkinMenuOpen) OnSkinMenuOpen(this);
  // The menu tells the form when it closes (WM_SKINMENU_CLOSED): the menu button
  // comes back up there.
  FSystemPopup->PopupBelow(FForm, anchor);
}
