#include <windows.h>

#include "Edit.h"

#include <algorithm>

#include "CodePage.h"
#include "Messages.h"

namespace {

// Bytes of the 936 text of the first `count` characters.
int TextPos(const std::wstring& text, size_t count) {
  count = std::min(count, text.size());
  return static_cast<int>(WideToAnsi(std::wstring_view(text).substr(0, count)).size());
}

// Characters of `text` whose 936 text takes `bytes` bytes (a character cut in two
// counts as whole, and so does a surrogate pair or the reference that stands for
// a character GBK lacks).
size_t WidePos(const std::wstring& text, int bytes) {
  size_t i = 0;
  int used = 0;
  while (i < text.size() && used < bytes) {
    const bool pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF &&
                      text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    const size_t length = pair ? 2 : 1;
    if (text[i] < 0x80)
      ++used;
    else
      used += static_cast<int>(WideToAnsi(std::wstring_view(text).substr(i, length)).size());
    i += length;
  }
  return i;
}

}  // namespace

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
  SetTabStop(true);
}

TCustomEdit::~TCustomEdit() {
  // The window goes while this object is whole: it may still ask for its brush.
  // Its last messages (losing the focus) reach no handler of a half-gone control.
  SetDestroying();
  OnChange = nullptr;
  OnEnter = nullptr;
  OnExit = nullptr;
  DestroyHandle();
}

void TCustomEdit::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = L"EDIT";
  static const unsigned long alignments[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  p.Style |= ES_AUTOHSCROLL | alignments[FAlignment];
  if (FReadOnly) p.Style |= ES_READONLY;
  if (!FHideSelection) p.Style |= ES_NOHIDESEL;
  if (FPasswordChar) p.Style |= ES_PASSWORD;
  if (FBorderStyle == bsSingle) {
    if (FCtl3D)
      p.ExStyle |= WS_EX_CLIENTEDGE;
    else
      p.Style |= WS_BORDER;
  }
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  HWND wnd = HandleValue();
  // The platform's default limit (32767 characters) is far below the texts we show.
  SendMessageW(wnd, EM_SETLIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
  if (FPasswordChar) {
    std::wstring c = AnsiToWide(std::string(1, FPasswordChar));
    SendMessageW(wnd, EM_SETPASSWORDCHAR, c.empty() ? L'*' : c[0], 0);
  }
}

void TCustomEdit::RecreateWnd() {
  if (!HandleAllocated()) return;
  bool focused = Focused();
  DestroyHandle();
  HandleNeeded();
  if (focused) SetFocus();
}

bool TCustomEdit::WindowReady() {
  if (!HandleAllocated() && Parent()) HandleNeeded();
  return HandleAllocated();
}

// ---- properties -------------------------------------------------------------

void TCustomEdit::SetText(const std::string& value) {
  if (!HandleAllocated()) {
    SetCaption(value);
    return;
  }
  SetWindowTextAndNotify(AnsiToWide(value));
}

void TCustomEdit::SetWideText(const std::wstring& value) {
  if (WindowReady())
    SetWindowTextAndNotify(value);
  else
    SetCaption(WideToAnsi(value));
}

void TCustomEdit::SetWindowTextAndNotify(const std::wstring& text) {
  SetWindowTextW(HandleValue(), text.c_str());
  // A multi-line edit does not report a change made by setting its text.
  if (GetWindowLongW(HandleValue(), GWL_STYLE) & ES_MULTILINE) Change();
}

void TCustomEdit::TextChanged() {
  if (FSavingText) return;
  if (HandleAllocated())
    SetWindowTextAndNotify(AnsiToWide(Caption()));
  else
    Change();
}

void TCustomEdit::SaveWindowText() {
  FSavingText = true;
  SetCaption(Text());
  FSavingText = false;
}

void TCustomEdit::SetMaxLength(int value) {
  if (value < 0) value = 0;
  if (value == FMaxLength) return;
  FMaxLength = value;
  if (HandleAllocated()) SendMessageW(HandleValue(), EM_SETLIMITTEXT, static_cast<WPARAM>(value), 0);
}

void TCustomEdit::SetReadOnly(bool value) {
  if (value == FReadOnly) return;
  FReadOnly = value;
  if (HandleAllocated()) SendMessageW(HandleValue(), EM_SETREADONLY, value, 0);
  ReadOnlyChanged();
}

void TCustomEdit::SetHideSelection(bool value) {
  if (value == FHideSelection) return;
  FHideSelection = value;
  RecreateWnd();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
  if (value != bsNone) value = bsSingle;
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  RecreateWnd();
}

void TCustomEdit::SetCtl3D(bool value) {
  if (value == FCtl3D) return;
  FCtl3D = value;
  RecreateWnd();
}

void TCustomEdit::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  RecreateWnd();
}

void TCustomEdit::SetPasswordChar(char value) {
  if (value == FPasswordChar) return;
  FPasswordChar = value;
  RecreateWnd();
}

bool TCustomEdit::Modified() const {
  return HandleAllocated() && SendMessageW(HandleValue(), EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::SetModified(bool value) {
  if (HandleAllocated()) SendMessageW(HandleValue(), EM_SETMODIFY, value, 0);
}

// ---- editing ----------------------------------------------------------------

void TCustomEdit::SelectAll() {
  if (WindowReady()) SendMessageW(HandleValue(), EM_SETSEL, 0, -1);
}

void TCustomEdit::ClearSelection() {
  if (WindowReady()) SendMessageW(HandleValue(), WM_CLEAR, 0, 0);
}

void TCustomEdit::CopyToClipboard() {
  if (WindowReady()) SendMessageW(HandleValue(), WM_COPY, 0, 0);
}

void TCustomEdit::CutToClipboard() {
  if (WindowReady()) SendMessageW(HandleValue(), WM_CUT, 0, 0);
}

void TCustomEdit::PasteFromClipboard() {
  if (WindowReady()) SendMessageW(HandleValue(), WM_PASTE, 0, 0);
}

void TCustomEdit::Undo() {
  if (WindowReady()) SendMessageW(HandleValue(), EM_UNDO, 0, 0);
}

bool TCustomEdit::CanUndo() const {
  return HandleAllocated() && SendMessageW(HandleValue(), EM_CANUNDO, 0, 0) != 0;
}

std::wstring TCustomEdit::WideText() const {
  if (!HandleAllocated()) return AnsiToWide(Caption());
  int n = GetWindowTextLengthW(HandleValue());
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  n = GetWindowTextW(HandleValue(), text.data(), n + 1);
  text.resize(static_cast<size_t>(std::max(n, 0)));
  return text;
}

void TCustomEdit::ReplaceWide(size_t start, size_t end, const std::wstring& text) {
  if (!HandleAllocated()) {
    std::wstring all = AnsiToWide(Caption());
    start = std::min(start, all.size());
    end = std::clamp(end, start, all.size());
    all.replace(start, end - start, text);
    SetCaption(WideToAnsi(all));
    return;
  }
  SetSelWide(start, end);
  SendMessageW(HandleValue(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomEdit::GetSelWide(size_t& start, size_t& end) const {
  DWORD s = 0, e = 0;
  if (HandleAllocated())
    SendMessageW(HandleValue(), EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  start = s;
  end = e;
}

void TCustomEdit::SetSelWide(size_t start, size_t end) {
  if (WindowReady())
    SendMessageW(HandleValue(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

int TCustomEdit::SelStart() const {
  size_t s, e;
  GetSelWide(s, e);
  return TextPos(WideText(), s);
}

int TCustomEdit::SelLength() const {
  size_t s, e;
  GetSelWide(s, e);
  std::wstring text = WideText();
  return TextPos(text, e) - TextPos(text, s);
}

void TCustomEdit::SetSelStart(int value) {
  size_t s = WidePos(WideText(), std::max(value, 0));
  SetSelWide(s, s);
}

void TCustomEdit::SetSelLength(int value) {
  size_t s, e;
  GetSelWide(s, e);
  std::wstring text = WideText();
  size_t end = WidePos(text, TextPos(text, s) + std::max(value, 0));
  SetSelWide(s, end);
}

std::string TCustomEdit::SelText() const {
  size_t s, e;
  GetSelWide(s, e);
  std::wstring text = WideText();
  s = std::min(s, text.size());
  e = std::clamp(e, s, text.size());
  return WideToAnsi(std::wstring_view(text).substr(s, e - s));
}

void TCustomEdit::SetSelText(const std::string& value) {
  size_t s, e;
  GetSelWide(s, e);
  ReplaceWide(s, e, AnsiToWide(value));
}

// ---- messages -----------------------------------------------------------------

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

std::intptr_t TCustomEdit::CtlColor(HDC dc) {
  if (!FBrush || FBrushColor != Color()) {
    FBrush.Reset(CreateSolidBrush(ColorToRGB(Color())));
    FBrushColor = Color();
  }
  SetTextColor(dc, ColorToRGB(Font().Color()));
  SetBkColor(dc, ColorToRGB(Color()));
  return reinterpret_cast<std::intptr_t>(FBrush.Get());
}

void TCustomEdit::ColorChanged() {
  FBrush.Reset();
  TWinControl::ColorChanged();
  // The platform fills the background in its erase step.
  if (HandleAllocated()) InvalidateRect(HandleValue(), nullptr, TRUE);
}

void TCustomEdit::DoEnter() {
  if (FAutoSelect && !FLeftButtonDown && !(GetWindowLongW(HandleValue(), GWL_STYLE) & ES_MULTILINE))
    SelectAll();
  TWinControl::DoEnter();
}

void TCustomEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_BASE + WM_COMMAND:
      if (HIWORD(m.WParam) == EN_CHANGE && !FSavingText) Change();
      return;
    case CN_BASE + WM_CTLCOLOREDIT:
    case CN_BASE + WM_CTLCOLORSTATIC:
      m.Result = CtlColor(reinterpret_cast<HDC>(m.WParam));
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      FLeftButtonDown = true;
      TWinControl::WndProc(m);
      FLeftButtonDown = false;
      return;
    case WM_DESTROY:
      SaveWindowText();
      break;
  }
  TWinControl::WndProc(m);
}
