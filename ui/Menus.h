#pragma once
// Menus: TMenuItem (a caption with its state, short cut, image and click handler,
// holding sub-items) and the menus that own a tree of them. TPopupMenu shows its
// items as the platform's popup menu; skinned menus show the same items their own way.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Component.h"
#include "Types.h"
#include "WinHandles.h"

class TAction;
class TCanvas;
class TCustomImageList;
class TMenu;

// A virtual key with modifier bits, as menus show it ("Ctrl+F4").
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut ShortCut(std::uint16_t key, TShortCut modifiers) {
  return static_cast<TShortCut>(key | modifiers);
}
// "Shift+", "Ctrl+", "Alt+" in that order, then the key's name; empty for 0.
std::string ShortCutToText(TShortCut shortCut);

// Draws an item itself into `rect` of `canvas` (the text rectangle of a skinned item).
using TMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas& canvas, const TRect& rect, bool selected)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  // Frees the sub-items and leaves the parent item.
  ~TMenuItem() override;

  // "-" makes a divider. A single '&' marks the accelerator.
  const std::string& Caption() const;
  void SetCaption(const std::string& value) { FCaption = value; }
  bool IsLine() const { return Caption() == "-"; }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut value) { FShortCut = value; }
  // The short cut's text when set, else the text given to SetShortCutText.
  std::string ShortCutText() const;
  void SetShortCutText(const std::string& value) { FShortCutText = value; }
  bool Enabled() const;
  void SetEnabled(bool value) { FEnabled = value; }
  bool Visible() const;
  void SetVisible(bool value) { FVisible = value; }
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  // A checked radio item unchecks the other radio items of its group.
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool value) { FRadioItem = value; }
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value) { FGroupIndex = value; }
  // Shown in bold: the item a double click would choose.
  bool Default() const { return FDefault; }
  void SetDefault(bool value) { FDefault = value; }
  int ImageIndex() const;
  void SetImageIndex(int value) { FImageIndex = value; }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& value) { FHint = value; }
  // Caption, state and image come from the action while one is set; a click
  // without OnClick executes it. Cleared when the action is destroyed.
  TAction* Action() const { return FAction; }
  void SetAction(TAction* value);

  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(static_cast<size_t>(index)); }
  int IndexOf(const TMenuItem* item) const;
  TMenuItem* Parent() const { return FParent; }
  // The menu whose tree holds this item, or nullptr.
  TMenu* Menu() const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Takes the item out without freeing it.
  void Remove(TMenuItem* item);
  // Frees the sub-items.
  void Clear();
  // The first sub-item of that name, or nullptr.
  TMenuItem* Find(const std::string& name) const;

  // Hides dividers that would show at the start or the end or next to another one;
  // true when any item changed. Only the shown state changes: Visible stays.
  bool RethinkLines();
  // Visible and not hidden by RethinkLines.
  bool Shown() const { return Visible() && !FLineHidden; }

  // OnClick when set, else the action.
  virtual void Click();

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  std::string FCaption;
  TShortCut FShortCut = 0;
  std::string FShortCutText;
  bool FEnabled = true;
  bool FVisible = true;
  bool FChecked = false;
  bool FRadioItem = false;
  int FGroupIndex = 0;
  bool FDefault = false;
  int FImageIndex = -1;
  std::string FHint;
  TAction* FAction = nullptr;
  bool FLineHidden = false;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // set on the root item only
  std::vector<TMenuItem*> FItems;
  friend class TMenu;
};

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;

  // The root item; its sub-items are the menu's entries.
  TMenuItem& Items() { return *FItems; }
  const TMenuItem& Items() const { return *FItems; }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* value);
  // Redundant dividers are hidden before the menu is shown.
  bool AutoLineReduction() const { return FAutoLineReduction; }
  void SetAutoLineReduction(bool value) { FAutoLineReduction = value; }
  // Runs the click of `item`, one of this menu's items; false when it is not one or
  // is disabled.
  bool DispatchCommand(TMenuItem* item);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TMenuItem* FItems;
  TCustomImageList* FImages = nullptr;
  bool FAutoLineReduction = true;
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* AOwner);

  // Shows the menu at a screen point and runs the chosen item's click.
  virtual void Popup(int X, int Y);
  // The component the menu was shown for (set by the caller).
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* value) { FPopupComponent = value; }

  TNotifyEvent OnPopup;

 private:
  TComponent* FPopupComponent = nullptr;
};
