#pragma once
// TsfSkinListBox: a skinned list of text items. The container (TsfSkinCustomListBox)
// wears a list-box frame and holds the owner-drawn platform list (TsfListBox) and,
// when the items overflow, skinned scroll bars that stand in for the platform
// list's own. It re-publishes the inner list's events as OnListBox... events, with
// the container as sender.
#include <memory>
#include <string>

#include "sfItemText.h"
#include "sfListBox.h"
#include "sfListBoxCaption.h"
#include "sfListBoxDrag.h"
#include "sfSkinCustomControl.h"
#include "ui/Strings.h"
#include "ui/WheelAccumulator.h"

class TsfSkinScrollBar;
class TCustomImageList;


// The item looks and names a list box takes from its definition; the empty active
// and focused item images fall back on the normal one.
struct TsfListBoxSkin {
  TRect ItemRect, ActiveItemRect, FocusItemRect;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect ItemTextRect;
  TsfSkinFont Font;
  TColor ActiveFontColor = 0, FocusFontColor = 0;
  TsfListCaptionSkin Caption;
  TsfSkinFont CaptionFont;
  std::string VScrollBarName = "vscrollbar";
  std::string HScrollBarName = "hscrollbar";
  std::string BothHScrollBarName = "bothhscrollbar";
  bool ShowFocus = false;
};

class TsfSkinCustomListBox : public TsfSkinCustomControl {
 public:
  explicit TsfSkinCustomListBox(TComponent* AOwner);
  ~TsfSkinCustomListBox() override;

  TsfListBox& ListBox() { return *FListBox; }
  TStrings& Items() { return FListBox->Items(); }
  // Copies the lines and their objects.
  void SetItems(const TStrings& value);
  void Clear();
  // Setting it from code raises no event.
  int ItemIndex() const { return FListBox->ItemIndex(); }
  void SetItemIndex(int value);
  int TopIndex() const { return FListBox->TopIndex(); }
  void SetTopIndex(int value);
  bool Selected(int index) const { return FListBox->Selected(index); }
  void SetSelected(int index, bool value) { FListBox->SetSelected(index, value); }
  int ItemAtPos(TPoint p, bool existing) const { return FListBox->ItemAtPos(p, existing); }

  // Skinned, the item image decides the item height unless this is off.
  bool UseSkinItemHeight() const { return FUseSkinItemHeight; }
  void SetUseSkinItemHeight(bool value);
  int DefaultItemHeight() const { return FDefaultItemHeight; }
  void SetDefaultItemHeight(int value);
  // The item height in effect.
  int ItemHeight() const { return FListBox->ItemHeight(); }
  TFont& ListBoxFont() { return FListBox->Font(); }
  // When not 0 the height is fitted to that many items.
  int RowCount() const { return FRowCount; }
  void SetRowCount(int value);
  int FittedHeight(int rows);
  // A horizontal scroll bar appears when an item is wider than the list.
  bool HorizontalExtent() const { return FHorizontalExtent; }
  void SetHorizontalExtent(bool value);
  // Tab stops (decimal texts) for items with tabs; up to 10 are used.
  TStrings& TabWidths() { return FTabWidths; }

  bool MultiSelect() const { return FListBox->MultiSelect(); }
  void SetMultiSelect(bool value) { FListBox->SetMultiSelect(value); }
  bool ExtandedSelect() const { return FListBox->ExtendedSelect(); }
  void SetExtandedSelect(bool value) { FListBox->SetExtendedSelect(value); }
  bool Sorted() const { return FListBox->Sorted(); }
  void SetSorted(bool value);
  bool AutoComplete() const { return FListBox->AutoComplete(); }
  void SetAutoComplete(bool value) { FListBox->SetAutoComplete(value); }
  int ListBoxTabOrder() const { return FListBox->TabOrder(); }
  void SetListBoxTabOrder(int value) { FListBox->SetTabOrder(value); }
  bool ListBoxTabStop() const { return FListBox->TabStop(); }
  void SetListBoxTabStop(bool value) { FListBox->SetTabStop(value); }
  TPopupMenu* ListBoxPopupMenu() const { return FListBox->PopupMenu(); }
  void SetListBoxPopupMenu(TPopupMenu* value) { FListBox->SetPopupMenu(value); }

  // A caption strip above the items.
  bool CaptionMode() const { return FCaptionMode; }
  void SetCaptionMode(bool value);
  int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
  void SetDefaultCaptionHeight(int value);
  TFont& DefaultCaptionFont() { return *FDefaultCaptionFont; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  // A strip of NumGlyphs glyphs (normal, disabled) before the caption.
  TBitmap& Glyph() { return *FGlyph; }
  void SetGlyph(const TBitmap& value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int value);
  // Where the caption strip and its buttons lie at the current size.
  TsfListCaptionLayout CaptionLayout();
  const TsfListCaptionButtons& CaptionButtons() const { return FCaptionButtons; }

  // Columns of items side by side (0: one column, scrolled vertically); with
  // columns the list scrolls sideways, a column at a time.
  int Columns() const { return FListBox->Columns(); }
  void SetColumns(int value);
  // An image before each item: image ImageIndex of Images, or the item's own index
  // when ImageIndex is below 0.
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);

  // Dragging items out of the list: automatic starts a drag when the mouse moves
  // a few pixels with the left button held over an item.
  TDragMode ListBoxDragMode() const { return FDrag.Mode; }
  void SetListBoxDragMode(TDragMode value) { FDrag.Mode = value; }
  TDragKind ListBoxDragKind() const { return FDrag.Kind; }
  void SetListBoxDragKind(TDragKind value) { FDrag.Kind = value; }
  TCursor ListBoxDragCursor() const { return FDrag.Cursor; }
  void SetListBoxDragCursor(TCursor value) { FDrag.Cursor = value; }
  bool Dragging() const { return FDrag.Dragging(); }
  // Starts a drag from code (dmManual); `immediate` skips the few pixels' move.
  void BeginDrag(bool immediate);

  TsfSkinScrollBar* VScrollBar() const { return FVScrollBar; }
  TsfSkinScrollBar* HScrollBar() const { return FHScrollBar; }
  const TsfListBoxSkin& ListSkin() const { return FListSkin; }

  void FetchSkin() override;
  void ApplySkin() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Shows, sets or removes the scroll bars to fit the items.
  void SyncScrollBars();

  TNotifyEvent OnListBoxClick;
  TNotifyEvent OnListBoxDblClick;
  TMouseEvent OnListBoxMouseDown;
  TMouseMoveEvent OnListBoxMouseMove;
  TMouseEvent OnListBoxMouseUp;
  TKeyEvent OnListBoxKeyDown;
  TKeyPressEvent OnListBoxKeyPress;
  TKeyEvent OnListBoxKeyUp;
  TsfDrawSkinItemEvent OnDrawItem;
  TDragDropEvent OnListBoxDragDrop;
  TDragOverEvent OnListBoxDragOver;
  TStartDragEvent OnListBoxStartDrag;
  TEndDragEvent OnListBoxEndDrag;
  // Replace the caption buttons' own actions (and their repeat) when set.
  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;
  TNotifyEvent OnCheckButtonClick;

 protected:
  void DrawDefaultImage(TBitmap& B) override;
  void DrawSkinImage(TBitmap& B) override;
  void Resize() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;

  virtual int GetItemTextWidth(int index, TCanvas& canvas);
  virtual void ListMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void ListMouseMove(TShiftState Shift, int X, int Y);
  virtual void ListMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void ListClick();
  virtual void ListDblClick();
  virtual void ListKeyDown(std::uint16_t& Key, TShiftState Shift);
  virtual void ListKeyUp(std::uint16_t& Key, TShiftState Shift);
  virtual void ListKeyPress(char& Key);
  virtual void ListEnter() {}
  virtual void ListExit() {}
  // Sees every message of the inner list first; clearing Continue keeps it from the list.
  virtual void ListMessage(TMessage& message, bool& Continue) { (void)message; (void)Continue; }
  virtual void ListWindowCreated() {}

  // One item into its own image: the plain look, or the definition's item images.
  virtual void DrawPlainItem(TBitmap& B, int index, TOwnerDrawState state);
  virtual void DrawSkinItem(TBitmap& B, int index, TOwnerDrawState state);
  // The place of the items and scroll bars inside the frame.
  TRect ContentRect();
  int CaptionHeight() const { return FCaptionMode ? FDefaultCaptionHeight : 1; }
  // The width an item's image takes before its text (0 without Images).
  int ImageRoom() const;

 private:
  friend class TsfListBox;
  friend class TsfListBoxStrings;

  void ItemsChanged(int first);
  bool AppendedBelowView(int first);
  void ListWheel(int delta);
  bool StepHorizontalBar(bool forward);
  // The items and the empty rest of the list that meet `area`.
  void PaintListItems(HDC dc, const TRect& area);
  void DrawListItem(HDC dc, int index, const TRect& r);
  TOwnerDrawState ItemState(int index) const;
  const TRect& ItemImage(TOwnerDrawState state) const;
  void DrawItemContent(TCanvas& canvas, int index, const TRect& textRect);
  void FillListBackground(TCanvas& canvas, const TRect& r);
  void LayoutChildren();
  void SyncHorizontalBar();
  void SyncVerticalBar();
  void CreateVScrollBar();
  void CreateHScrollBar();
  void RemoveVScrollBar();
  void RemoveHScrollBar();
  void ConfigureHScrollBar();
  TsfListCaptionLook CaptionLook();
  void CaptionButtonAction(int button);
  void CaptionButtonStep(int button);
  void MoveItemIndex(int delta);
  int RowsInView() const;
  void SyncColumnBar();
  void WireDrag();

  TsfItemFaces FFaces;
  // One item image for all items, so its canvas keeps its font between items.
  std::unique_ptr<TBitmap> FItemImage;
  TsfListBox* FListBox = nullptr;
  TsfSkinScrollBar* FVScrollBar = nullptr;
  TsfSkinScrollBar* FHScrollBar = nullptr;
  TsfListBoxSkin FListSkin;
  TStringList FTabWidths;
  std::unique_ptr<TFont> FDefaultCaptionFont;
  bool FUseSkinItemHeight = true;
  int FDefaultItemHeight = 20;
  int FRowCount = 0;
  bool FHorizontalExtent = false;
  bool FCaptionMode = false;
  int FDefaultCaptionHeight = 20;
  TAlignment FAlignment = taLeftJustify;
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  int FSpacing = 2;
  TsfListCaptionButtons FCaptionButtons;
  TCustomImageList* FImages = nullptr;
  int FImageIndex = -1;
  TsfListBoxDrag FDrag;
  bool FReleasing = false;
  bool FApplying = false;
  bool FSyncing = false;
  TWheelAccumulator FWheel;
};

class TsfSkinListBox : public TsfSkinCustomListBox {
 public:
  using TsfSkinCustomListBox::TsfSkinCustomListBox;
};
