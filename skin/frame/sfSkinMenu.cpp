#include "sfSkinMenu.h"

#include <windows.h>

#include "sfSkinPopupWindow.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfUtilsHelpers.h"
#include "ui/Application.h"
#include "ui/Menus.h"
#include "ui/OpenPopups.h"
#include "ui/WinControl.h"

namespace {

constexpr UINT_PTR kWaitTimer = 3;

}  // namespace

// ---- TsfSkinMenu --------------------------------------------------------------------

TsfSkinMenu::TsfSkinMenu(TComponent* AOwner) : TComponent(AOwner) {
  FDefaultItemFont.SetName("Arial");
  FDefaultItemFont.SetHeight(14);
  CursorPos = [] {
    POINT p{};
    GetCursorPos(&p);
    return TPoint{p.x, p.y};
  };
}

TsfSkinMenu::~TsfSkinMenu() {
  *FAlive = false;
  OnClose = nullptr;
  SetPopupControl(nullptr);
  FCommandTarget = nullptr;
  FForm = nullptr;
  StopWait();
  while (!FPopups.empty()) {
    FPopups.back()->HideWindow();
    // Item commands may close the whole menu from inside its windows' handlers.
    FreeWhenIdle(FPopups.back().release());
    FPopups.pop_back();
  }
  RemoveHook();
  OpenPopups().Closed(this);
}

void TsfSkinMenu::SetForm(TWinControl* value) {
  if (FForm) FForm->RemoveFreeNotification(this);
  FForm = value;
  if (FForm) FForm->FreeNotification(this);
}

void TsfSkinMenu::SetPopupControl(TWinControl* value) {
  if (FPopupControl && FPopupControl != FCommandTarget && FPopupControl != FForm)
    FPopupControl->RemoveFreeNotification(this);
  FPopupControl = value;
  if (FPopupControl) FPopupControl->FreeNotification(this);
}

void TsfSkinMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FForm) FForm = nullptr;
  if (AComponent == FPopupControl) FPopupControl = nullptr;
  if (AComponent == FCommandTarget) FCommandTarget = nullptr;
}

int TsfSkinMenu::LevelOf(const TsfSkinPopupWindow* window) const {
  for (size_t i = 0; i < FPopups.size(); ++i)
    if (FPopups[i].get() == window) return static_cast<int>(i);
  return -1;
}

bool TsfSkinMenu::IsMenuWindow(HWND wnd) const {
  for (auto& w : FPopups)
    if (w->HandleAllocated() && (w->HandleValue() == wnd || IsChild(w->HandleValue(), wnd))) return true;
  return false;
}

void TsfSkinMenu::ShowMenu(TWinControl* control, TsfSkinData* data, bool popupUp, TMenuItem* items,
                           const TRect& anchor, int firstIndex) {
  FFirstOpening = !FVisible;
  if (!FPopups.empty()) CloseLevels(0);
  SetPopupControl(control);
  HWND ref = FForm && FForm->HandleAllocated() ? FForm->HandleValue() : nullptr;
  FWorkArea = GetWindowWorkArea(ref);
  FSkinData = data;
  if (!items || firstIndex >= items->Count() || firstIndex < 0) {
    SetPopupControl(nullptr);
    return;
  }
  FVisible = true;
  // Closed from outside like every popup of ours; a press on its windows leaves it open.
  OpenPopups().Opened(this, [this](HWND wnd) { return IsMenuWindow(wnd); }, [this] { HideMenu(); });
  InstallHook();
  OpenWindow(items, firstIndex, anchor, popupUp ? mpUp : mpDown);
}

void TsfSkinMenu::OpenWindow(TMenuItem* items, int firstIndex, const TRect& anchor, int kind) {
  auto window = std::make_unique<TsfSkinPopupWindow>(this, items, firstIndex);
  TsfSkinPopupWindow* w = window.get();
  FPopups.push_back(std::move(window));
  if (FAlphaBlend && FAlphaBlendAnimation && FFirstOpening) Application->ProcessMessages();
  if (LevelOf(w) < 0) return;  // the menu closed while messages ran
  w->Fill();
  TPoint pos = w->Place(anchor, static_cast<TsfMenuPlacement>(kind), FPopups.size() == 1);
  w->Open(pos);
  FFirstOpening = false;
}

void TsfSkinMenu::OpenSubMenu(TsfSkinPopupWindow* window, int index) {
  int level = LevelOf(window);
  if (level < 0) return;
  CloseLevels(level + 1);
  TsfSkinMenuItem& item = window->Item(index);
  POINT tl{item.Rect.Left, item.Rect.Top}, br{item.Rect.Right, item.Rect.Bottom};
  ClientToScreen(window->Handle(), &tl);
  ClientToScreen(window->Handle(), &br);
  OpenWindow(item.MenuItem(), 0, {tl.x, tl.y, br.x, br.y}, mpSubMenu);
}

void TsfSkinMenu::CloseLevels(int n) {
  if (n < 0) n = 0;
  if (FWaitWindow && LevelOf(FWaitWindow) >= n) StopWait();
  while (static_cast<int>(FPopups.size()) > n) {
    std::unique_ptr<TsfSkinPopupWindow> w = std::move(FPopups.back());
    FPopups.pop_back();
    w->HideWindow();
    FreeWhenIdle(w.release());
  }
  if (n != 0) return;
  bool wasVisible = FVisible;
  FVisible = false;
  StopWait();
  RemoveHook();
  OpenPopups().Closed(this);
  if (!wasVisible) return;
  if (FCommandTarget && FCommandTarget != FPopupControl && FCommandTarget != FForm)
    FCommandTarget->RemoveFreeNotification(this);
  FCommandTarget = FPopupControl;
  TWinControl* control = FPopupControl;
  FPopupControl = nullptr;  // stays notified as the command target
  auto alive = FAlive;
  if (control && control->HandleAllocated()) SendMessageW(control->HandleValue(), WM_SKINMENU_CLOSED, 0, 0);
  if (!*alive) return;
  TNotifyEvent onClose = std::move(OnClose);
  OnClose = nullptr;
  if (onClose) onClose(this);
}

void TsfSkinMenu::HideMenu() {
  if (!FVisible && FPopups.empty()) return;
  auto alive = FAlive;
  CloseLevels(0);
  if (!*alive) return;
  StopWait();
  if (FForm && FForm->HandleAllocated()) SendMessageW(FForm->HandleValue(), WM_SKINMENU_CLOSED, 0, 0);
}

void TsfSkinMenu::ClickItem(TsfSkinPopupWindow* window, int index) {
  if (LevelOf(window) < 0 || index < 0 || index >= window->ItemCount()) return;
  TsfSkinMenuItem& item = window->Item(index);
  if (item.Down || !item.Enabled() || item.IsDivider()) return;
  TMenuItem* mi = item.MenuItem();
  TMenu* menu = mi->Menu();
  auto alive = FAlive;
  if (!item.HasChildren()) {
    // The windows are hidden now and freed once the running handlers return; what the
    // command needs is taken before.
    StopWait();
    HideMenu();
    if (!*alive) return;
    if (menu)
      menu->DispatchCommand(mi);
    else
      mi->Click();
    if (*alive && FCommandTarget && FCommandTarget->HandleAllocated())
      SendMessageW(FCommandTarget->HandleValue(), WM_SKINMENU_COMMAND, 0, 0);
    return;
  }
  if (menu) menu->DispatchCommand(mi);
  if (!*alive || LevelOf(window) < 0) return;
  StopWait();
  item.Down = true;
  window->RedrawItem(index);
  OpenSubMenu(window, index);
}

void TsfSkinMenu::StartWait(TsfSkinPopupWindow* window, int index) {
  StopWait();
  FWaitWindow = window;
  FWaitIndex = index;
  SetTimer(window->Handle(), kWaitTimer, 500, nullptr);
}

void TsfSkinMenu::StopWait() {
  if (FWaitWindow && FWaitWindow->HandleAllocated()) KillTimer(FWaitWindow->HandleValue(), kWaitTimer);
  FWaitWindow = nullptr;
  FWaitIndex = -1;
}

void TsfSkinMenu::StopWaitFor(const TsfSkinPopupWindow* window, int index) {
  if (FWaitWindow == window && FWaitIndex == index) StopWait();
}

void TsfSkinMenu::WaitElapsed(TsfSkinPopupWindow* window) {
  if (window != FWaitWindow) {
    if (window->HandleAllocated()) KillTimer(window->HandleValue(), kWaitTimer);
    return;
  }
  int index = FWaitIndex;
  StopWait();
  if (index >= 0 && index < window->ItemCount() && window->Item(index).Active) ClickItem(window, index);
}

bool TsfSkinMenu::KeyDown(unsigned key) {
  TsfSkinPopupWindow* last = LastLevel();
  if (!last || !last->HandleAllocated() || !IsWindowVisible(last->HandleValue())) return false;
  THandlerScope scope;  // from the message loop's hook, outside any window procedure
  return last->KeyDown(key);
}

void TsfSkinMenu::InstallHook() {
  if (!FOwnMessageHook || FHookInstalled) return;
  FHookInstalled = true;
  TMessageEvent previous = Application->OnMessage;
  Application->OnMessage = [this, previous](TAppMessage& m, bool& handled) {
    if (m.Msg == WM_KEYDOWN) {
      KeyDown(static_cast<unsigned>(m.WParam));
      handled = true;
      return;
    }
    if (m.Msg == WM_MOUSEWHEEL) {
      handled = true;
      return;
    }
    if (previous) previous(m, handled);
  };
  FPreviousHook = previous;
}

void TsfSkinMenu::RemoveHook() {
  if (!FHookInstalled) return;
  FHookInstalled = false;
  Application->OnMessage = FPreviousHook;
  FPreviousHook = nullptr;
}
