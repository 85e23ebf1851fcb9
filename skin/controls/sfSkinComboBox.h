#pragma once
// TsfSkinComboBox: a skinned drop-down list. The face shows the chosen item and a
// drop-down button; the list (TsfPopupListBox) opens in its own popup window below
// the face, or above it where the screen ends. In the fixed style the choice is made
// with the mouse, the arrow and page keys, the wheel and typed prefixes.
#include <string>

#include "sfCustomEdit.h"
#include "sfItemText.h"
#include "sfSkinCustomControl.h"
#include "ui/WheelAccumulator.h"

class TCustomImageList;
class TsfPopupListBox;

enum TsfSkinCustomComboBoxStyle { sfcbEditStyle, sfcbFixedStyle };

// The face's parts: the drop-down button and the area the chosen item is drawn in.
struct TsfComboFaceLayout {
  TRect Button;
  TRect TextArea;
};
// The plain face of width x height (also the tool-button look).
TsfComboFaceLayout PlainComboFaceLayout(int width, int height);

// What the face takes from its definition; an empty focused item image falls back
// on the normal one.
struct TsfComboBoxSkin {
  TRect ActiveSkinRect;
  TRect ItemRect, ActiveItemRect, FocusItemRect;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect ItemTextRect;
  TsfSkinFont Font;
  TColor ActiveFontColor = 0, FocusFontColor = 0;
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
  std::string ListBoxName;
  bool ItemStretchEffect = false, FocusItemStretchEffect = false, ShowFocus = false;
};

class TsfSkinCustomComboBox : public TsfSkinCustomControl {
 public:
  explicit TsfSkinCustomComboBox(TComponent* AOwner);
  ~TsfSkinCustomComboBox() override;

  TsfSkinCustomComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TsfSkinCustomComboBoxStyle value);
  TStrings& Items();
  // The popup list's item index. Setting it shows that item (a changed text raises
  // OnChange) and raises OnClick; outside the items nothing is selected and the
  // text stays as it was.
  int ItemIndex() const;
  void SetItemIndex(int value);
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int value);
  // Width of the popup; 0: the combo's width.
  int ListBoxWidth() const { return FListBoxWidth; }
  void SetListBoxWidth(int value) { FListBoxWidth = value; }
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool value);
  // A flat tool-bar look; on, it also sets the fixed style and UseSkinSize off.
  bool ToolButtonStyle() const { return FToolButtonStyle; }
  void SetToolButtonStyle(bool value);
  // Typed characters within 500 ms of each other make one prefix.
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool value) { FAutoComplete = value; }
  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool value);
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase value);
  // The single-line edit of the edit style (nullptr in the fixed style).
  TsfCustomEdit* Editor() const { return FEditor; }
  // Images drawn before the face's text: ImageIndex, or the item's index when -1.
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  // Another control of the form was pressed: the list closes unless it was the
  // combo itself, its popup, the popup's bars, its inner list or its editor.
  void CancelMode(TObject* Sender);
  // Translucency of the popup window.
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool value) { FAlphaBlend = value; }
  int AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(int value) { FAlphaBlendValue = value < 0 ? 0 : value > 255 ? 255 : value; }
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool value) { FAlphaBlendAnimation = value; }

  // Forwarded to the popup list.
  TsfPopupListBox& ListBox() { return *FPopup; }
  bool Sorted() const;
  void SetSorted(bool value);
  bool HorizontalExtent() const;
  void SetHorizontalExtent(bool value);
  TStrings& TabWidths();
  std::string ListBoxCaption() const;
  void SetListBoxCaption(const std::string& value);
  bool ListBoxCaptionMode() const;
  void SetListBoxCaptionMode(bool value);
  TAlignment ListBoxCaptionAlignment() const;
  void SetListBoxCaptionAlignment(TAlignment value);
  TFont& ListBoxDefaultFont();
  TFont& ListBoxDefaultCaptionFont();
  int ListBoxDefaultItemHeight() const;
  void SetListBoxDefaultItemHeight(int value);
  bool ListBoxUseSkinFont() const;
  void SetListBoxUseSkinFont(bool value);
  bool ListBoxUseSkinItemHeight() const;
  void SetListBoxUseSkinItemHeight(bool value);
  void SetOnListBoxDrawItem(TsfDrawSkinItemEvent value);

  bool DroppedDown() const { return FDroppedDown; }
  // Opens the list (nothing without items) and closes it, taking the item the list
  // shows when `accept`, else going back to the choice made before it opened.
  virtual void DropDown();
  void CloseUp(bool accept);

  TsfComboFaceLayout FaceLayout() const;
  bool ButtonHot() const { return FButtonHot; }
  bool ButtonPressed() const { return FButtonPressed; }
  const TsfComboBoxSkin& ComboSkin() const { return FComboSkin; }

  void FetchSkin() override;
  void ApplySkin() override;
  void CalcSkinSize(int& w, int& h) override;
  void UpdateSkinRegion() override;
  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TsfDrawSkinItemEvent OnComboBoxDrawItem;

 protected:
  void DrawDefaultImage(TBitmap& B) override;
  void DrawSkinImage(TBitmap& B) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void DoEnter() override;
  void DoExit() override;
  void TextChanged() override;
  void VisibleChanged() override;

  // The editor of the edit style: its window procedure and its making.
  virtual void EditorWndProc(TMessage& message);
  virtual void CreateEditor();
  void Resize() override;
  void EnabledChanged() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Called after every change of the choice.
  virtual void Change() {}
  // Called when the list has closed, whether its choice was taken or not.
  virtual void ClosedUp() {}

 private:
  void PopupListMessage(TMessage& m, bool& Continue);
  void TrackIntoList(TPoint p);
  void StartAutoScroll(int mode);
  void StopAutoScroll();
  void AutoScrollTick();
  void SetButtonHot(bool value);
  void ShowPopup(TPoint screenPoint);
  void WheelStep(int delta);
  void TypeKey(char key);
  void DrawPlainButton(TCanvas& canvas, const TRect& r);
  void DrawFaceItem(TBitmap& B, const TRect& area, bool skinned);
  TRect PreparePlainItem(TBitmap& item);
  TRect PrepareSkinItem(TBitmap& item, TBitmap& face, const TRect& place);
  int ShownIndex() const { return FDroppedDown ? FSaveIndex : ItemIndex(); }
  void FreeEditor();
  void LayoutEditor();
  void EditorFont();
  void EditorChanged();
  void DrawItemImage(TCanvas& canvas, TRect& text);
  TColor DisabledTextColor();
  friend class TsfComboEditor;

  TsfPopupListBox* FPopup = nullptr;
  TsfComboBoxSkin FComboSkin;
  TsfSkinCustomComboBoxStyle FStyle = sfcbFixedStyle;
  int FDropDownCount = 8;
  int FListBoxWidth = 0;
  bool FUseSkinSize = true;
  bool FToolButtonStyle = false;
  bool FAutoComplete = true;
  TColor FDefaultColor = clWindow;
  bool FHideSelection = true;
  TEditCharCase FCharCase = ecNormal;
  TsfCustomEdit* FEditor = nullptr;
  bool FEditorChanging = false;  // the editor's text is being copied to Text
  TCustomImageList* FImages = nullptr;
  int FImageIndex = -1;
  bool FAlphaBlend = false;
  int FAlphaBlendValue = 0;
  bool FAlphaBlendAnimation = false;

  bool FButtonHot = false;
  bool FButtonPressed = false;
  bool FMouseOver = false;
  bool FDroppedDown = false;
  bool FPressDrag = false;
  bool FEnteredList = false;
  int FSaveIndex = -1;
  int FAutoScroll = 0;  // 1 up, 2 down
  std::string FPrefix;
  unsigned long FLastKeyTime = 0;
  TWheelAccumulator FWheel;
};

class TsfSkinComboBox : public TsfSkinCustomComboBox {
 public:
  using TsfSkinCustomComboBox::TsfSkinCustomComboBox;
};
