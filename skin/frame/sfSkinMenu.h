#pragma once
// TsfSkinMenu: shows the sub-items of a menu item in a cascade of skinned popup
// windows (TsfSkinPopupWindow), one per open level, and runs the chosen item's click.
#include <functional>
#include <memory>
#include <vector>

#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/Types.h"
#include "ui/WinHandles.h"

class TMenuItem;
struct TAppMessage;
class TWinControl;
class TsfSkinData;
class TsfSkinPopupWindow;

// Sent (wParam 0, lParam 0) to the form and to the control that opened a menu when
// the menu has closed, and to that control after an item's command has run.
constexpr unsigned WM_SKINMENU_CLOSED = 1228;   // WM_USER + 204
constexpr unsigned WM_SKINMENU_COMMAND = 1229;  // WM_USER + 205


class TsfSkinMenu : public TComponent {
 public:
  explicit TsfSkinMenu(TComponent* AOwner);
  ~TsfSkinMenu() override;

  // The form told when the menu hides (WM_SKINMENU_CLOSED).
  TWinControl* Form() const { return FForm; }
  void SetForm(TWinControl* value);

  // Opens the sub-items of `items` from `firstIndex` on at `anchor` (screen
  // coordinates), below it or above it; a menu already open closes first. Nothing
  // opens when the item has no sub-items from that index.
  void ShowMenu(TWinControl* control, TsfSkinData* data, bool popupUp, TMenuItem* items,
                const TRect& anchor, int firstIndex);
  // Frees the windows from level n on; at 0 the menu closes (WM_SKINMENU_CLOSED to the
  // control that opened it, then the close event).
  void CloseLevels(int n);
  // Closes the whole menu and tells the form.
  void HideMenu();
  bool Visible() const { return FVisible; }

  int LevelCount() const { return static_cast<int>(FPopups.size()); }
  TsfSkinPopupWindow* Level(int index) const { return FPopups.at(static_cast<size_t>(index)).get(); }
  TsfSkinPopupWindow* LastLevel() const { return FPopups.empty() ? nullptr : FPopups.back().get(); }
  TsfSkinData* SkinData() const { return FSkinData; }
  const TRect& WorkArea() const { return FWorkArea; }
  bool FirstOpening() const { return FFirstOpening; }
  TWinControl* PopupControl() const { return FPopupControl; }
  TWinControl* CommandTarget() const { return FCommandTarget; }

  // The keyboard of the last open window: true when the key was taken.
  bool KeyDown(unsigned key);

  // Installs an application message hook while the menu is open: it routes key
  // presses to the menu and swallows the wheel. On by default; a frame that routes
  // these itself turns it off. An open menu is one of the program's open popups
  // (ui/OpenPopups.h) and closes with them, as on a press outside its windows.
  bool OwnMessageHook() const { return FOwnMessageHook; }
  void SetOwnMessageHook(bool value) { FOwnMessageHook = value; }

  int MaxMenuItemsInWindow() const { return FMaxMenuItemsInWindow; }
  void SetMaxMenuItemsInWindow(int value) { FMaxMenuItemsInWindow = value < 0 ? 0 : value; }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool value) { FUseSkinFont = value; }
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool value) { FAlphaBlend = value; }
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool value) { FAlphaBlendAnimation = value; }
  int AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(int value) { FAlphaBlendValue = value < 0 ? 0 : value > 255 ? 255 : value; }
  int DefaultItemHeight() const { return FDefaultItemHeight; }
  void SetDefaultItemHeight(int value) { FDefaultItemHeight = value; }
  TFont& DefaultItemFont() { return FDefaultItemFont; }

  // Where the mouse timer reads the cursor (screen coordinates); tests replace it.
  std::function<TPoint()> CursorPos;
  // Called once when the menu closes, then cleared.
  TNotifyEvent OnClose;

  // Used by the windows.
  void OpenSubMenu(TsfSkinPopupWindow* window, int index);
  void ClickItem(TsfSkinPopupWindow* window, int index);
  void StartWait(TsfSkinPopupWindow* window, int index);
  void StopWait();
  // Stops the wait when it is for that item.
  void StopWaitFor(const TsfSkinPopupWindow* window, int index);
  void WaitElapsed(TsfSkinPopupWindow* window);
  int LevelOf(const TsfSkinPopupWindow* window) const;
  bool IsMenuWindow(HWND wnd) const;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void OpenWindow(TMenuItem* items, int firstIndex, const TRect& anchor, int kind);
  void InstallHook();
  void RemoveHook();
  void SetPopupControl(TWinControl* value);

  TWinControl* FForm = nullptr;
  std::vector<std::unique_ptr<TsfSkinPopupWindow>> FPopups;
  bool FVisible = false;
  bool FFirstOpening = false;
  TWinControl* FPopupControl = nullptr;
  TWinControl* FCommandTarget = nullptr;
  TsfSkinData* FSkinData = nullptr;
  TRect FWorkArea;
  TsfSkinPopupWindow* FWaitWindow = nullptr;
  int FWaitIndex = -1;
  bool FOwnMessageHook = true;
  bool FHookInstalled = false;
  std::function<void(TAppMessage&, bool&)> FPreviousHook;
  int FMaxMenuItemsInWindow = 0;
  bool FUseSkinFont = true;
  bool FAlphaBlend = false;
  bool FAlphaBlendAnimation = false;
  int FAlphaBlendValue = 150;
  int FDefaultItemHeight = 20;
  TFont FDefaultItemFont;
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
