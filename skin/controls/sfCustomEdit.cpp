#include "sfCustomEdit.h"

#include <windows.h>

#include <memory>

#include "skin/data/sfResourceStrData.h"
#include "skin/data/sfSkinData.h"
#include "skin/frame/sfSkinForm.h"
#include "skin/frame/sfSkinMenu.h"
#include "skin/frame/sfSkinPopupMenu.h"
#include "ui/Application.h"
#include "ui/Clipboard.h"
#include "ui/Form.h"
#include "ui/Messages.h"

namespace {

// The first frame component on the form, which holds the menus' texts.
TsfSkinForm* FirstSkinForm(TForm* form) {
  if (!form) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* frame = dynamic_cast<TsfSkinForm*>(form->Components(i))) return frame;
  return nullptr;
}

}  // namespace

std::vector<TsfEditMenuEntry> EditMenuEntries(const TsfEditMenuState& s) {
  bool writable = !s.ReadOnly;
  return {
      {"EDIT_UNDO", "Undo", s.CanUndo},
      {"", "-", true},
      {"EDIT_CUT", "Cut", s.HasSelection && writable},
      {"EDIT_COPY", "Copy", s.HasSelection},
      {"EDIT_PASTE", "Paste", s.ClipboardHasText && writable},
      {"EDIT_DELETE", "Delete", s.HasSelection && writable},
      {"", "-", true},
      {"EDIT_SELECTALL", "Select All", !s.WholeTextSelected},
  };
}

TsfCustomEdit::TsfCustomEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

TsfCustomEdit::~TsfCustomEdit() {
  SetPopupMenu(nullptr);
  FreeSystemMenu();
}

void TsfCustomEdit::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  TextMoved();
}

void TsfCustomEdit::SetPopupMenu(TPopupMenu* value) {
  if (value == FPopupMenu) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = value;
  if (FPopupMenu) FPopupMenu->FreeNotification(this);
}

void TsfCustomEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomEdit::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
  if (AComponent == FSystemMenu) FSystemMenu = nullptr;
}

void TsfCustomEdit::CreateParams(TCreateParams& p) {
  TCustomEdit::CreateParams(p);
  if (FCharCase == ecUpperCase) p.Style |= ES_UPPERCASE;
  if (FCharCase == ecLowerCase) p.Style |= ES_LOWERCASE;
}

void TsfCustomEdit::SetCharCase(TEditCharCase value) {
  if (value == FCharCase) return;
  FCharCase = value;
  if (HandleAllocated()) {
    LONG style = GetWindowLongW(HandleValue(), GWL_STYLE) & ~(ES_UPPERCASE | ES_LOWERCASE);
    if (value == ecUpperCase) style |= ES_UPPERCASE;
    if (value == ecLowerCase) style |= ES_LOWERCASE;
    SetWindowLongW(HandleValue(), GWL_STYLE, style);
  }
  if (value != ecNormal) SetText(Text());  // converted on the way in
}

void TsfCustomEdit::SetText(const std::string& value) {
  std::string text = value;
  // Only Latin letters change: the bytes of a Chinese character are never touched.
  for (size_t i = 0; i < text.size(); ++i) {
    auto b = static_cast<unsigned char>(text[i]);
    if (b >= 0x81 && b <= 0xFE && i + 1 < text.size()) {
      ++i;
      continue;
    }
    if (FCharCase == ecUpperCase && b >= 'a' && b <= 'z') text[i] = static_cast<char>(b - 32);
    if (FCharCase == ecLowerCase && b >= 'A' && b <= 'Z') text[i] = static_cast<char>(b + 32);
  }
  TCustomEdit::SetText(text);
}

void TsfCustomEdit::CreateWnd() {
  TCustomEdit::CreateWnd();
  SendMessageW(HandleValue(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(2, 0));
}

void TsfCustomEdit::FontChanged() {
  TCustomEdit::FontChanged();
  if (HandleAllocated())
    SendMessageW(HandleValue(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(2, 0));
}

void TsfCustomEdit::TextMoved() {
  if (FTransparent && HandleAllocated()) InvalidateRect(HandleValue(), nullptr, TRUE);
}

std::intptr_t TsfCustomEdit::CtlColor(HDC dc) {
  if (!FTransparent) return TCustomEdit::CtlColor(dc);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font().Color()));
  if (HBRUSH brush = BackgroundBrush()) {
    SetBrushOrgEx(dc, 0, 0, nullptr);
    return reinterpret_cast<std::intptr_t>(brush);
  }
  return reinterpret_cast<std::intptr_t>(GetStockObject(NULL_BRUSH));
}

void TsfCustomEdit::KeyPress(char& Key) {
  TCustomEdit::KeyPress(Key);
  // Enter and Escape answer the form's default and cancel buttons (offered to the
  // form when the key went down); the platform edit never sees them.
  if (Key == '\r' || Key == 27) Key = 0;
  if (FCharCase == ecUpperCase && Key >= 'a' && Key <= 'z') Key = static_cast<char>(Key - 32);
  if (FCharCase == ecLowerCase && Key >= 'A' && Key <= 'Z') Key = static_cast<char>(Key + 32);
  // Read-only keeps copying (Ctrl+C) and selecting all (Ctrl+A).
  if (Key != 0 && FReadOnly && Key != 3 && Key != 1) Key = 0;
}

// True when the message is dropped.
bool TsfCustomEdit::FilterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN:
      return FReadOnly && m.WParam == VK_DELETE;
    case WM_CHAR:
      return FReadOnly && m.WParam >= 0x80;
    case WM_CUT: case WM_PASTE: case WM_CLEAR: case WM_UNDO: case EM_UNDO:
      return FReadOnly;
  }
  return false;
}

void TsfCustomEdit::WndProc(TMessage& m) {
  if (FilterMessage(m)) return;
  switch (m.Msg) {
    case WM_CONTEXTMENU:
      if (FPopupMenu) break;
      ShowContextMenu(static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam)));
      return;
    case WM_SKINMENU_COMMAND:
      // Sent from inside the menu's own handler: the menu goes once that returns.
      FreeSystemMenu();
      return;
    case WM_CANCELMODE:
      TCustomEdit::WndProc(m);
      if (OnCancelMode) OnCancelMode(this);
      return;
    case CM_CANCELMODE:
      if (OnCancelMode) OnCancelMode(reinterpret_cast<TObject*>(m.LParam));
      return;
    case WM_LBUTTONDOWN:
      FMouseDown = true;
      TCustomEdit::WndProc(m);
      TextMoved();
      return;
    case WM_LBUTTONUP:
      FMouseDown = false;
      break;
    case WM_MOUSEMOVE:
      TCustomEdit::WndProc(m);
      if (FMouseDown && (m.WParam & MK_LBUTTON)) TextMoved();
      return;
    case WM_KEYDOWN: case WM_CHAR: case WM_SETTEXT: case WM_CUT: case WM_PASTE: case WM_CLEAR:
    case WM_UNDO: case EM_UNDO: case WM_MOVE: case WM_SETFOCUS: case WM_KILLFOCUS:
      TCustomEdit::WndProc(m);
      TextMoved();
      return;
  }
  TCustomEdit::WndProc(m);
}

TsfEditMenuState TsfCustomEdit::MenuState() {
  TsfEditMenuState s;
  s.CanUndo = CanUndo();
  int start = SelStart(), length = SelLength();
  s.HasSelection = length > 0;
  s.WholeTextSelected = start == 0 && length == static_cast<int>(Text().size());
  try {
    s.ClipboardHasText = Clipboard().HasFormat(CF_UNICODETEXT) || Clipboard().HasFormat(CF_TEXT);
  } catch (const Exception&) {
    s.ClipboardHasText = false;
  }
  s.ReadOnly = FReadOnly;
  return s;
}

TsfSkinData* TsfCustomEdit::MenuSkinData() {
  TsfSkinForm* frame = FirstSkinForm(GetParentForm(this));
  return frame ? frame->SkinData() : nullptr;
}

void TsfCustomEdit::FreeSystemMenu() {
  if (!FSystemMenu) return;
  TsfSkinPopupMenu* menu = FSystemMenu;
  FSystemMenu = nullptr;
  menu->RemoveFreeNotification(this);
  FreeWhenIdle(menu);
}

void TsfCustomEdit::BuildSystemMenu() {
  FreeSystemMenu();
  FSystemMenu = new TsfSkinPopupMenu(this);
  FSystemMenu->FreeNotification(this);
  TForm* form = GetParentForm(this);
  if (form && form->Parent() == nullptr && Application->MainForm() && form != Application->MainForm() &&
      (GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD))
    form = Application->MainForm();
  FSystemMenu->SetForm(form);
  TsfSkinData* data = MenuSkinData();
  FSystemMenu->SetSkinData(data);
  TsfSkinForm* frame = FirstSkinForm(GetParentForm(this));
  TsfResourceStrData* strings =
      frame && frame->SkinData() ? frame->SkinData()->ResourceStrData() : nullptr;
  using TAction = void (TsfCustomEdit::*)();
  static const TAction actions[] = {&TCustomEdit::Undo, nullptr, &TCustomEdit::CutToClipboard,
                                    &TCustomEdit::CopyToClipboard, &TCustomEdit::PasteFromClipboard,
                                    &TCustomEdit::ClearSelection, nullptr, &TCustomEdit::SelectAll};
  std::vector<TsfEditMenuEntry> entries = EditMenuEntries(MenuState());
  for (size_t i = 0; i < entries.size(); ++i) {
    auto* item = new TMenuItem(FSystemMenu);
    std::string text = strings && *entries[i].Key ? strings->FindResString(entries[i].Key) : "";
    item->SetCaption(text.empty() ? entries[i].Text : text);
    item->SetEnabled(entries[i].Enabled);
    TAction action = actions[i];
    if (action) item->OnClick = [this, action](TObject*) { (this->*action)(); };
    FSystemMenu->Items().Add(item);
  }
}

void TsfCustomEdit::ShowContextMenu(int x, int y) {
  if (x < 0 || y < 0) {
    TPoint centre = ClientToScreen({Width() / 2, Height() / 2});
    x = centre.x;
    y = centre.y;
  }
  BuildSystemMenu();
  FSystemMenu->PopupFor(this, x, y);
}
