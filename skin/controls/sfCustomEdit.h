#pragma once
// TsfCustomEdit: the platform's one-line edit with the additions the skinned edits
// share: a read-only filter of its own (the platform window stays writable), Enter
// and Escape kept from the platform edit, drawing over a background its owner
// paints, and the skinned context menu.
#include <functional>

#include "ui/Edit.h"

class TPopupMenu;

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
class TsfSkinData;
class TsfSkinPopupMenu;

// The context menu's entries in order; "-" marks a divider.
struct TsfEditMenuState {
  bool CanUndo = false;
  bool HasSelection = false;
  bool WholeTextSelected = false;
  bool ClipboardHasText = false;
  bool ReadOnly = false;
};
struct TsfEditMenuEntry {
  const char* Key;   // the resource-string name
  const char* Text;  // the built-in text
  bool Enabled;
};
// Undo, -, Cut, Copy, Paste, Delete, -, Select All, each enabled as the state allows.
std::vector<TsfEditMenuEntry> EditMenuEntries(const TsfEditMenuState& state);

class TsfCustomEdit : public TCustomEdit {
 public:
  explicit TsfCustomEdit(TComponent* AOwner);
  ~TsfCustomEdit() override;

  // The edit's own filter: keys, characters and the editing messages that would
  // change the text are dropped. The platform window itself is never read-only.
  bool ReadOnly() const { return FReadOnly; }
  void SetText(const std::string& value) override;
  void SetReadOnly(bool value) { FReadOnly = value; }
  // Letters typed or set are made upper or lower case.
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase value);
  // On: the platform does not paint the background (the owner does).
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  // A menu of the user's replaces the built-in context menu.
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* value);
  // The built-in context menu while it exists.
  TsfSkinPopupMenu* SystemMenu() const { return FSystemMenu; }
  // Builds and shows the context menu at a screen point (a keyboard request, with
  // negative coordinates, opens it at the edit's centre).
  void ShowContextMenu(int x, int y);
  TsfEditMenuState MenuState();

  // Called after the platform's handling of WM_CANCELMODE (with this edit as the
  // sender) and when another control of the form was pressed (with that control).
  std::function<void(TObject* Sender)> OnCancelMode;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void FontChanged() override;
  void KeyPress(char& Key) override;
  std::intptr_t CtlColor(HDC dc) override;
  // The brush the background is drawn with while transparent; nullptr for none.
  virtual HBRUSH BackgroundBrush() { return nullptr; }
  // The skin the context menu wears.
  virtual TsfSkinData* MenuSkinData();
  // The text has moved: repaint with the background while transparent.
  void TextMoved();
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  bool FilterMessage(TMessage& m);
  void BuildSystemMenu();
  void FreeSystemMenu();

  bool FReadOnly = false;
  TEditCharCase FCharCase = ecNormal;
  bool FTransparent = false;
  bool FMouseDown = false;
  TPopupMenu* FPopupMenu = nullptr;
  TsfSkinPopupMenu* FSystemMenu = nullptr;
};
