#include <windows.h>

#include "controls/FxMemo.h"

#include <cstdlib>

TFxMemo::TFxMemo(TComponent* AOwner) : TFxFramedEdit<TMemo>(AOwner) {}

TFxMemo::~TFxMemo() = default;

int TFxMemo::CurrentLine() const { return CaretPos().y + 1; }

void TFxMemo::SetCurrentLine(int value) { SetCaretPos({CaretPos().x, value - 1}); }

int TFxMemo::CurrentColumn() const { return CaretPos().x + 1; }

void TFxMemo::SetCurrentColumn(int value) { SetCaretPos({value - 1, CaretPos().y}); }

void TFxMemo::ReportCaret() {
  if (OnLineColChange) {
    TPoint caret = CaretPos();
    OnLineColChange(this, caret.y + 1, caret.x + 1);
  }
  if (OnClipboardChange) {
    size_t start, end;
    GetSelWide(start, end);
    bool text = IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
    OnClipboardChange(this, start != end, text);
  }
}

void TFxMemo::Change() {
  TFxFramedEdit<TMemo>::Change();
  ReportCaret();
}

void TFxMemo::Click() {
  TFxFramedEdit<TMemo>::Click();
  ReportCaret();
}

bool TFxMemo::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (!OnMouseWheel) {
    ScrollByWheel(WheelDelta);
    return true;
  }
  bool handled = false;
  OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  if (handled) return true;
  const TMouseWheelUpDownEvent& next = WheelDelta < 0 ? OnMouseWheelDown : OnMouseWheelUp;
  if (next) next(this, Shift, MousePos, handled);
  return handled;
}

void TFxMemo::ScrollByWheel(int WheelDelta) {
  if (!HandleAllocated()) return;
  int whole = FWheel.Add(WheelDelta);
  if (whole == 0) return;
  int notches = std::abs(whole);
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  WPARAM code;
  long long steps;
  if (lines == WHEEL_PAGESCROLL) {
    code = whole > 0 ? SB_PAGEUP : SB_PAGEDOWN;
    steps = notches;
  } else {
    code = whole > 0 ? SB_LINEUP : SB_LINEDOWN;
    steps = static_cast<long long>(notches) * lines;
  }
  // The memo answers how many lines it moved; none means it is at its end.
  for (long long i = 0; i < steps; ++i)
    if (LOWORD(SendMessageW(HandleValue(), EM_SCROLL, code, 0)) == 0) break;
}

// The platform memo updates its scroll bars at every change of its text, redraw
// or not, and that costs many times the change itself; a hidden memo skips it. So
// a batch of changes (Lines().BeginUpdate .. EndUpdate turns redrawing off and on)
// keeps the memo hidden without a redraw, and shows it again at the end. Nothing
// is painted in between, so the user never sees it go. A memo with the focus is
// left visible: hiding would take the focus away.
bool TFxMemo::HoldUpdates(bool hold) {
  HWND wnd = HandleValue();
  const UINT quiet = SWP_NOREDRAW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
  if (hold) {
    if (FHeldHidden || !IsWindowVisible(wnd) || GetFocus() == wnd) return false;
    SetWindowPos(wnd, nullptr, 0, 0, 0, 0, quiet | SWP_HIDEWINDOW);
    FHeldHidden = true;
    return true;
  }
  if (!FHeldHidden) return false;
  FHeldHidden = false;
  SetWindowPos(wnd, nullptr, 0, 0, 0, 0, quiet | SWP_SHOWWINDOW);
  RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
  return true;
}

void TFxMemo::WndProc(TMessage& m) {
  if (m.Msg == WM_SETREDRAW && HandleAllocated() && HoldUpdates(m.WParam == 0)) {
    m.Result = 0;
    return;
  }
  if (m.Msg == WM_MOUSEWHEEL) {
    auto delta = static_cast<short>(HIWORD(m.WParam));
    TShiftState shift = ShiftStateFromKeys(LOWORD(m.WParam), false);
    TPoint pos{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
    if (DoMouseWheel(shift, delta, pos)) {
      m.Result = 0;
      return;
    }
  }
  TFxFramedEdit<TMemo>::WndProc(m);
  switch (m.Msg) {
    case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
      // After the platform moved the caret.
      ReportCaret();
      break;
  }
}
