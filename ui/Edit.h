#pragma once
// TCustomEdit and TEdit: the platform's edit window (the "EDIT" class), one line of
// text. The text lives in the window once it exists; before that (and after the
// window is gone) it is kept in the caption.
#include <string>

#include "Form.h"  // TBorderStyle
#include "GdiObject.h"
#include "WinControl.h"

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);
  ~TCustomEdit() override;

  void SetText(const std::string& value) override;
  // The text as the platform holds it, every character as it is (Text() writes
  // those GBK lacks as references).
  std::wstring WideText() const;
  void SetWideText(const std::wstring& value);

  // Most characters the user may enter; 0 for no limit of ours.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  // Selects the whole text when the edit gets the focus other than by a click.
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool value) { FAutoSelect = value; }
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool value);
  // bsSingle or bsNone.
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  // A single border is sunken (client edge) with Ctl3D, a flat line without.
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  // Shown for every character when not 0.
  char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char value);
  // Whether the user changed the text since it was last set.
  bool Modified() const;
  void SetModified(bool value);

  void Clear() { SetText(std::string()); }
  void SelectAll();
  void ClearSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Undo();
  bool CanUndo() const;
  // Positions are byte offsets into Text(), so Text().substr(SelStart(),
  // SelLength()) is the selected text.
  int SelStart() const;
  void SetSelStart(int value);
  int SelLength() const;
  void SetSelLength(int value);
  std::string SelText() const;
  // Replaces the selection (or inserts at the caret).
  void SetSelText(const std::string& value);

  TNotifyEvent OnChange;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // Makes the window again with the current styles; the text stays.
  void RecreateWnd();
  // The window exists (made now when there is a parent to make it in).
  bool WindowReady();
  // Raised after every change of the text.
  virtual void Change();
  virtual void ReadOnlyChanged() {}
  // The reflected WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC: sets the dc's colours and
  // returns the brush for the background.
  virtual std::intptr_t CtlColor(HDC dc);
  void ColorChanged() override;
  void TextChanged() override;
  void DoEnter() override;

  // A replacement of the characters [start, end) of WideText() (in the window: as
  // an edit the user could undo).
  void ReplaceWide(size_t start, size_t end, const std::wstring& text);
  // Selection in characters of WideText().
  void GetSelWide(size_t& start, size_t& end) const;
  void SetSelWide(size_t start, size_t end);

 private:
  void SaveWindowText();
  void SetWindowTextAndNotify(const std::wstring& text);

  int FMaxLength = 0;
  bool FReadOnly = false;
  bool FAutoSelect = true;
  bool FHideSelection = true;
  TBorderStyle FBorderStyle = bsSingle;
  bool FCtl3D = true;
  TAlignment FAlignment = taLeftJustify;
  char FPasswordChar = 0;
  bool FSavingText = false;
  bool FLeftButtonDown = false;
  TBrushHandle FBrush;
  TColor FBrushColor = clNone;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
};
