// The combo box's edit style: the editor in the face's text area, the search of the
// typed text in the list, and the cancel-mode rule the editor shares with the combo.
#include <windows.h>

#include "sfPopupListBox.h"
#include "sfSkinComboBox.h"
#include "sfSkinPanel.h"  // AssignSkinFont
#include "sfSkinScrollBar.h"
#include "ui/Bitmap.h"
#include "ui/ImageList.h"
#include "ui/Messages.h"

// The editor: a plain edit whose messages go through the combo's EditorWndProc.
class TsfComboEditor : public TsfCustomEdit {
 public:
  TsfComboEditor(TsfSkinCustomComboBox* combo) : TsfCustomEdit(combo), FCombo(combo) {}
  void WndProc(TMessage& m) override {
    if (FCombo && !IsDestroying())
      FCombo->EditorWndProc(m);
    else
      TsfCustomEdit::WndProc(m);
  }
  void Inherited(TMessage& m) { TsfCustomEdit::WndProc(m); }
  void Detach() { FCombo = nullptr; }

 protected:
  void Change() override {
    TsfCustomEdit::Change();
    if (FCombo) FCombo->EditorChanged();
  }

 private:
  TsfSkinCustomComboBox* FCombo;
};

void TsfSkinCustomComboBox::CreateEditor() {
  if (FEditor) return;
  auto* editor = new TsfComboEditor(this);
  FEditor = editor;
  editor->SetBorderStyle(bsNone);
  editor->SetAutoSelect(true);
  editor->SetHideSelection(FHideSelection);
  editor->SetCharCase(FCharCase);
  editor->SetColor(FDefaultColor);
  editor->SetParentFont(false);
  editor->OnCancelMode = [this](TObject* sender) { CancelMode(sender); };
  editor->OnKeyPress = [this](TObject*, char& key) {
    if (OnKeyPress) OnKeyPress(this, key);
  };
  editor->OnClick = [this](TObject*) {
    if (OnClick) OnClick(this);
  };
  EditorFont();
  LayoutEditor();
  editor->SetText(Text());
  editor->SetParent(this);
}

void TsfSkinCustomComboBox::FreeEditor() {
  if (!FEditor) return;
  auto* editor = static_cast<TsfComboEditor*>(FEditor);
  FEditor = nullptr;
  editor->Detach();
  delete editor;
}

void TsfSkinCustomComboBox::EditorFont() {
  if (!FEditor) return;
  FetchSkin();
  if (Skinned() && UseSkinFont())
    AssignSkinFont(FEditor->Font(), FComboSkin.Font);
  else
    FEditor->Font().Assign(Font());
  bool hotFace = Skinned() && !FComboSkin.ActiveSkinRect.IsEmpty() && FMouseOver && !FEditor->Focused();
  if (hotFace) FEditor->Font().SetColor(FComboSkin.ActiveFontColor);
  if (!Enabled()) FEditor->Font().SetColor(DisabledTextColor());
}

// The text area's left and width; the height of the font's text, centred.
void TsfSkinCustomComboBox::LayoutEditor() {
  if (!FEditor) return;
  TsfComboFaceLayout l = FaceLayout();
  TBitmap probe(1, 1);
  probe.Canvas().Font().Assign(FEditor->Font());
  TEXTMETRICW tm{};
  GetTextMetricsW(probe.Canvas().Handle(), &tm);
  int h = tm.tmHeight;
  FEditor->SetBounds(l.TextArea.Left, l.TextArea.Top + (l.TextArea.Height() - h) / 2, l.TextArea.Width(), h);
}

void TsfSkinCustomComboBox::Resize() {
  TsfSkinCustomControl::Resize();
  LayoutEditor();
}

void TsfSkinCustomComboBox::EnabledChanged() {
  TsfSkinCustomControl::EnabledChanged();
  if (FEditor) {
    FEditor->SetEnabled(Enabled());
    EditorFont();
  }
  Invalidate();
}

void TsfSkinCustomComboBox::SetStyle(TsfSkinCustomComboBoxStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  if (value == sfcbEditStyle) {
    bool focused = Focused();
    CreateEditor();
    if (!IsDesigning()) {
      SetTabStop(false);
      FEditor->SetTabStop(true);
    }
    if (focused && FEditor->CanFocus()) FEditor->SetFocus();
  } else {
    FreeEditor();
    SetTabStop(true);
  }
  Invalidate();
}

void TsfSkinCustomComboBox::SetHideSelection(bool value) {
  FHideSelection = value;
  if (FEditor) FEditor->SetHideSelection(value);
}

void TsfSkinCustomComboBox::SetCharCase(TEditCharCase value) {
  FCharCase = value;
  if (FEditor) FEditor->SetCharCase(value);
}

void TsfSkinCustomComboBox::SetImages(TCustomImageList* value) {
  if (value == FImages) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = value;
  if (FImages) FImages->FreeNotification(this);
  Invalidate();
}

void TsfSkinCustomComboBox::SetImageIndex(int value) {
  FImageIndex = value;
  Invalidate();
}

void TsfSkinCustomComboBox::Notification(TComponent* AComponent, TOperation Operation) {
  TsfSkinCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FEditor) FEditor = nullptr;
}

// After each change of the editor's text: the text is looked for in the list from
// its first item; a match is chosen there (with AutoComplete) or scrolled to.
void TsfSkinCustomComboBox::EditorChanged() {
  if (!FEditor) return;
  std::string text = FEditor->Text();
  if (!text.empty()) {
    int found = FPopup->ListBox().Items().FindPrefix(-1, text);
    if (found >= 0) {
      if (FAutoComplete)
        FPopup->SetItemIndex(found);
      else
        FPopup->SetTopIndex(found);
    }
  }
  FEditorChanging = true;
  SetText(text);
  FEditorChanging = false;
}

void TsfSkinCustomComboBox::EditorWndProc(TMessage& m) {
  auto* editor = static_cast<TsfComboEditor*>(FEditor);
  switch (m.Msg) {
    case WM_GETDLGCODE:
      editor->Inherited(m);
      m.Result |= DLGC_WANTARROWS;
      return;
    case WM_KEYDOWN: case WM_SYSKEYDOWN: {
      auto key = static_cast<std::uint16_t>(m.WParam);
      bool listKey = key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT ||
                     ((key == VK_RETURN || key == VK_ESCAPE) && FDroppedDown);
      if (!listKey) break;
      KeyDown(key, CurrentKeyShiftState());
      return;
    }
    case WM_SETFOCUS: case WM_KILLFOCUS:
      editor->Inherited(m);
      EditorFont();
      Invalidate();
      return;
  }
  editor->Inherited(m);
}

void TsfSkinCustomComboBox::CancelMode(TObject* sender) {
  if (!FDroppedDown) return;
  TsfSkinListBox* popup = FPopup;
  bool exempt = sender == this || sender == popup || sender == &popup->ListBox() || sender == FEditor ||
                (sender && sender == static_cast<TObject*>(popup->VScrollBar()));
  if (!exempt) CloseUp(false);
}
