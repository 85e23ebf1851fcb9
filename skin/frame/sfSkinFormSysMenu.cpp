// The system menu, shown for now as a platform popup menu with the frame's own
// entries. Only PopupSystemMenu knows how the menu is shown.
#include <windows.h>

#include "sfSkinForm.h"
#include "ui/CodePage.h"

namespace {

std::wstring EntryCaption(unsigned id) {
  switch (id) {
    case SC_MINIMIZE: return L"Mi&nimize";
    case SC_MAXIMIZE: return L"Ma&ximize";
    case SC_RESTORE: return L"&Restore";
    case kScRollUp: return L"Ro&llUp";
    case kScMinToTray: return L"Minimize to &Tray";
    case SC_CLOSE: return L"&Close\tAlt+F4";
  }
  return {};
}

}  // namespace

void TsfSkinForm::PopupSystemMenu(const TRect& anchor) {
  HWND wnd = FForm->Handle();
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  for (unsigned id : SystemMenuEntries(*this)) {
    if (id == 0)
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    else
      AppendMenuW(menu, MF_STRING, id, EntryCaption(id).c_str());
  }
  FMenuOpen = true;
  if (OnSkinMenuOpen) OnSkinMenuOpen(this);
  const unsigned command = static_cast<unsigned>(TrackPopupMenu(
      menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY, anchor.Left,
      anchor.Bottom, 0, wnd, nullptr));
  DestroyMenu(menu);
  SendMessageW(wnd, 1228, 0, 0);  // WM_SKINMENU_CLOSED: the menu button comes back up
  if (OnSkinMenuClose) OnSkinMenuClose(this);
  if (command != 0) RunSystemCommand(command);
}
