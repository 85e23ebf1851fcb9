#include "Menus.h"

#include <windows.h>

#include <algorithm>

#include "Action.h"
#include "Application.h"
#include "CodePage.h"
#include "Form.h"
#include "ImageList.h"

namespace {

std::string KeyName(unsigned key) {
  if (key >= VK_F1 && key <= VK_F24) {
    std::string name = std::to_string(key - VK_F1 + 1);
    name.insert(name.begin(), 'F');
    return name;
  }
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  switch (key) {
    case VK_BACK: return "BkSp";
    case VK_TAB: return "Tab";
    case VK_RETURN: return "Enter";
    case VK_ESCAPE: return "Esc";
    case VK_SPACE: return "Space";
    case VK_PRIOR: return "PgUp";
    case VK_NEXT: return "PgDn";
    case VK_END: return "End";
    case VK_HOME: return "Home";
    case VK_LEFT: return "Left";
    case VK_UP: return "Up";
    case VK_RIGHT: return "Right";
    case VK_DOWN: return "Down";
    case VK_INSERT: return "Ins";
    case VK_DELETE: return "Del";
  }
  return std::string();
}

}  // namespace

std::string ShortCutToText(TShortCut sc) {
  std::string name = KeyName(sc & 0xFF);
  if (name.empty()) return name;
  std::string text;
  if (sc & scShift) text.append("Shift+");
  if (sc & scCtrl) text.append("Ctrl+");
  if (sc & scAlt) text.append("Alt+");
  text.append(name);
  return text;
}

// ---- TMenuItem ----------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
  SetDestroying();
  Clear();
  if (FParent) FParent->Remove(this);
  SetAction(nullptr);
}

const std::string& TMenuItem::Caption() const { return FAction ? FAction->Caption() : FCaption; }
bool TMenuItem::Enabled() const { return FAction ? FAction->Enabled() : FEnabled; }
bool TMenuItem::Visible() const { return FAction ? FAction->Visible() : FVisible; }
int TMenuItem::ImageIndex() const { return FAction ? FAction->ImageIndex() : FImageIndex; }

std::string TMenuItem::ShortCutText() const {
  return FShortCut ? ShortCutToText(FShortCut) : FShortCutText;
}

void TMenuItem::SetChecked(bool value) {
  FChecked = value;
  if (!value || !FRadioItem || !FParent) return;
  for (TMenuItem* other : FParent->FItems)
    if (other != this && other->FRadioItem && other->FGroupIndex == FGroupIndex) other->FChecked = false;
}

void TMenuItem::SetAction(TAction* value) {
  if (value == FAction) return;
  if (FAction) FAction->RemoveFreeNotification(this);
  FAction = value;
  if (FAction) FAction->FreeNotification(this);
}

void TMenuItem::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FAction) FAction = nullptr;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TMenu* TMenuItem::Menu() const {
  const TMenuItem* root = this;
  while (root->FParent) root = root->FParent;
  return root->FMenu;
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  if (item->FParent) item->FParent->Remove(item);
  index = std::clamp(index, 0, Count());
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  item->FParent = nullptr;
}

void TMenuItem::Clear() {
  while (!FItems.empty()) delete FItems.back();  // each leaves the list itself
}

TMenuItem* TMenuItem::Find(const std::string& name) const {
  for (TMenuItem* item : FItems)
    if (item->Name() == name) return item;
  return nullptr;
}

bool TMenuItem::RethinkLines() {
  bool changed = false;
  auto setHidden = [&](TMenuItem* item, bool hidden) {
    if (item->FLineHidden != hidden) changed = true;
    item->FLineHidden = hidden;
  };
  TMenuItem* lastLine = nullptr;  // a divider waiting for an item after it
  bool anyItem = false;
  for (TMenuItem* item : FItems) {
    if (!item->Visible()) continue;
    if (!item->IsLine()) {
      anyItem = true;
      if (lastLine) setHidden(lastLine, false);
      lastLine = nullptr;
      continue;
    }
    setHidden(item, true);
    if (anyItem && !lastLine) lastLine = item;
  }
  return changed;
}

void TMenuItem::Click() {
  if (OnClick)
    OnClick(this);
  else if (FAction)
    FAction->Execute();
}

// ---- TMenu --------------------------------------------------------------------------

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(this)) {
  FItems->FMenu = this;
}

TMenu::~TMenu() { SetImages(nullptr); }

void TMenu::SetImages(TCustomImageList* value) {
  if (value == FImages) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = value;
  if (FImages) FImages->FreeNotification(this);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FItems) FItems = nullptr;
}

bool TMenu::DispatchCommand(TMenuItem* item) {
  if (!item || item->Menu() != this || !item->Enabled()) return false;
  try {
    item->Click();
  } catch (...) {
    HandleEventException();
  }
  return true;
}

// ---- TPopupMenu ---------------------------------------------------------------------

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

namespace {

HMENU BuildPlatformMenu(TMenuItem& parent, std::vector<TMenuItem*>& commands) {
  HMENU menu = CreatePopupMenu();
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (!item->Shown()) continue;
    if (item->IsLine()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::string text = item->Caption();
    if (!item->ShortCutText().empty()) text.append("\t").append(item->ShortCutText());
    UINT flags = MF_STRING | (item->Enabled() ? 0 : MF_GRAYED) | (item->Checked() ? MF_CHECKED : 0);
    if (item->Count() > 0) {
      AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(BuildPlatformMenu(*item, commands)),
                  AnsiToWide(text).c_str());
      continue;
    }
    commands.push_back(item);
    AppendMenuW(menu, flags, commands.size(), AnsiToWide(text).c_str());
  }
  return menu;
}

}  // namespace

void TPopupMenu::Popup(int X, int Y) {
  if (OnPopup) OnPopup(this);
  if (AutoLineReduction()) Items().RethinkLines();
  std::vector<TMenuItem*> commands;
  HMENU menu = BuildPlatformMenu(Items(), commands);
  TForm* form = Application->MainForm();
  HWND owner = form && form->HandleAllocated() ? form->HandleValue() : nullptr;
  int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, X, Y, 0, owner, nullptr);
  DestroyMenu(menu);
  if (chosen > 0 && chosen <= static_cast<int>(commands.size()))
    DispatchCommand(commands[static_cast<size_t>(chosen - 1)]);
}
