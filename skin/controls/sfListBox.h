#pragma once
// TsfListBox: the owner-drawn platform list inside a skinned list box. It has no
// border and no scroll bars of its own (the container shows skinned ones), hands
// every message to its container first, lets the container draw each item and
// reports the user's actions to it. TsfListBoxStrings is its items as strings.
#include <string>
#include <vector>

#include "ui/Strings.h"
#include "ui/WinControl.h"

class TsfSkinCustomListBox;
class TsfListBox;

// The items of a TsfListBox, kept here; the platform list only counts them.
class TsfListBoxStrings : public TStrings {
 public:
  explicit TsfListBoxStrings(TsfListBox& owner) : FOwner(owner) {}

  int Add(const std::string& value) override;
  void Insert(int index, const std::string& value) override;
  void Delete(int index) override;
  void Clear() override;
  // The first item from `start` + 1 on (wrapping round; -1: from the first) whose
  // text begins with `prefix`, ASCII letters compared without case; -1 for none.
  int FindPrefix(int start, const std::string& prefix) const;
  // Puts the items in the order of a sorted list.
  void SortItems();

 protected:
  std::string Get(int index) const override;
  void Put(int index, const std::string& value) override;
  int GetCount() const override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;
  void SetUpdateState(bool updating) override;

 private:
  friend class TsfListBox;
  struct TItem {
    std::string Text;
    TObject* Object = nullptr;
  };
  void CheckIndex(int index, bool allowEnd) const;
  // Where a sorted list takes a new item: after the equal ones, case ignored.
  int SortedPlace(const std::string& value) const;
  int InsertItem(int index, const std::string& value);
  // Tells the container; `first` is the first item whose place or text changed.
  void Changed(int first);

  TsfListBox& FOwner;
  std::vector<TItem> FStore;
};

class TsfListBox : public TWinControl {
 public:
  TsfListBox(TComponent* AOwner, TsfSkinCustomListBox* container);
  ~TsfListBox() override;

  TsfSkinCustomListBox* Container() const { return FContainer; }
  TsfListBoxStrings& Items() { return FItems; }
  const TsfListBoxStrings& Items() const { return FItems; }

  // The selected item (the caret item of a multi-selection); -1 for none. Setting
  // it selects without any notification; a value outside the items selects nothing.
  int ItemIndex() const;
  void SetItemIndex(int value);
  int TopIndex() const;
  void SetTopIndex(int value);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int value);
  bool Selected(int index) const;
  void SetSelected(int index, bool value);
  // The item under a point of the list; outside the items -1 when `existing`,
  // else the item count.
  int ItemAtPos(TPoint p, bool existing) const;
  TRect ItemRect(int index) const;
  // Items that fit the list's height, the last one possibly cut.
  int VisibleRows() const;
  // Whole rows that fit the list's height, at least 1.
  int WholeRows() const;
  // Columns side by side, each the list's width divided by this (0: one column).
  int Columns() const { return FColumns; }
  void SetColumns(int value);
  int ColumnWidth() const;

  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool value);
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool value);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  // Typed characters search the items (the platform list's incremental search).
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool value) { FAutoComplete = value; }
  // How far the items are shifted left, in pixels.
  int HorizontalOffset() const { return FHorizontalOffset; }
  void SetHorizontalOffset(int value);

  void WndProc(TMessage& message) override;
  // Asks for a paint unless one is already due: a refill asks once, not per item.
  void Invalidate() override;
  void Click() override;
  void DblClick() override {}

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Resize() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void KeyUp(std::uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  friend class TsfListBoxStrings;
  // The container hears of our messages unless one of us is going away.
  bool Hooked() const;
  std::intptr_t Send(unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) const;
  void RecreateWnd();
  void SaveState();
  // Gives the platform list the item count when items were appended since.
  void FlushCount();
  static bool KeepsCountPending(unsigned msg);
  void Paint();
  bool HandleNotification(TMessage& m);

  TsfSkinCustomListBox* FContainer;
  TsfListBoxStrings FItems{*this};
  int FItemHeight = 20;
  int FHorizontalOffset = 0;
  int FColumns = 0;
  bool FMultiSelect = false;
  bool FExtendedSelect = true;
  bool FSorted = false;
  bool FAutoComplete = true;
  // Kept while there is no window.
  int FSavedItemIndex = -1;
  int FSavedTopIndex = 0;
  bool FCountPending = false;
  bool FPaintPending = false;
};
