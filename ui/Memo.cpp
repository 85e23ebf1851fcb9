#include <windows.h>

#include "Memo.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "CodePage.h"
#include "Exception.h"

namespace {

// One line of a text: [Start, End) is its content, Next where the following one
// starts (after the line break).
struct TLineSpan {
  size_t Start = 0, End = 0, Next = 0;
};

template <class S>
size_t AfterBreak(const S& text, size_t pos) {
  if (pos >= text.size()) return text.size();
  if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') return pos + 2;
  return pos + 1;
}

template <class S>
size_t LineEnd(const S& text, size_t pos) {
  while (pos < text.size() && text[pos] != '\r' && text[pos] != '\n') ++pos;
  return pos;
}

// Works on 936 bytes as on UTF-16: no trail byte of a double-byte character is a
// CR or LF.
template <class S>
bool FindLine(const S& text, int index, TLineSpan& span) {
  size_t pos = 0;
  for (int k = 0; pos < text.size(); ++k) {
    size_t end = LineEnd(text, pos);
    size_t next = AfterBreak(text, end);
    if (k == index) {
      span = {pos, end, next};
      return true;
    }
    pos = next;
  }
  return false;
}

template <class S>
int CountLines(const S& text) {
  int count = 0;
  for (size_t pos = 0; pos < text.size(); pos = AfterBreak(text, LineEnd(text, pos))) ++count;
  return count;
}

std::string WithCrLfBreaks(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t pos = 0; pos < text.size();) {
    size_t end = LineEnd(text, pos);
    out.append(text, pos, end - pos);
    if (end < text.size()) out += "\r\n";
    pos = AfterBreak(text, end);
  }
  return out;
}

}  // namespace

// ---- TMemoStrings -------------------------------------------------------------

int TMemoStrings::GetCount() const { return CountLines(FMemo.Text()); }

std::string TMemoStrings::Get(int index) const {
  std::string text = FMemo.Text();
  TLineSpan span;
  if (index < 0 || !FindLine(text, index, span)) IndexError(index);
  return text.substr(span.Start, span.End - span.Start);
}

void TMemoStrings::Put(int index, const std::string& value) {
  std::wstring text = FMemo.WideText();
  TLineSpan span;
  if (index < 0 || !FindLine(text, index, span)) IndexError(index);
  FMemo.ReplaceWide(span.Start, span.End, AnsiToWide(value));
}

void TMemoStrings::Insert(int index, const std::string& value) {
  std::wstring text = FMemo.WideText();
  int count = CountLines(text);
  if (index < 0 || index > count) IndexError(index);
  std::wstring line = AnsiToWide(value) + L"\r\n";
  size_t pos = text.size();
  if (index < count) {
    TLineSpan span;
    FindLine(text, index, span);
    pos = span.Start;
  } else if (!text.empty() && text.back() != L'\n' && text.back() != L'\r') {
    line.insert(0, L"\r\n");
  }
  FMemo.ReplaceWide(pos, pos, line);
}

void TMemoStrings::Delete(int index) {
  std::wstring text = FMemo.WideText();
  TLineSpan span;
  if (index < 0 || !FindLine(text, index, span)) IndexError(index);
  FMemo.ReplaceWide(span.Start, span.Next, std::wstring());
}

void TMemoStrings::Clear() { FMemo.Clear(); }

void TMemoStrings::SetText(const std::string& text) { FMemo.SetText(WithCrLfBreaks(text)); }

std::string TMemoStrings::Text() const { return FMemo.Text(); }

void TMemoStrings::SaveToFile(const std::wstring& fileName) const {
  std::ofstream out(std::filesystem::path(fileName), std::ios::binary | std::ios::trunc);
  if (!out.is_open())
    throw EInOutError(Format("Cannot create file \"%s\"", PathToAnsi(fileName).c_str()));
  std::string bytes = Text();
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out.fail()) throw EInOutError(Format("Unable to write to %s", PathToAnsi(fileName).c_str()));
}

void TMemoStrings::SetUpdateState(bool updating) {
  if (!FMemo.HandleAllocated()) return;
  HWND wnd = FMemo.HandleValue();
  SendMessageW(wnd, WM_SETREDRAW, !updating, 0);
  if (!updating) InvalidateRect(wnd, nullptr, TRUE);
}

// ---- TMemo ----------------------------------------------------------------------

TMemo::TMemo(TComponent* AOwner)
    : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(*this)) {
  SetBounds(Left(), Top(), 185, 89);
}

TMemo::~TMemo() = default;

void TMemo::CreateParams(TCreateParams& p) {
  TCustomEdit::CreateParams(p);
  p.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
  if (FWordWrap) p.Style &= ~static_cast<unsigned long>(ES_AUTOHSCROLL);
  if (FWantReturns) p.Style |= ES_WANTRETURN;
  if ((FScrollBars == ssHorizontal || FScrollBars == ssBoth) && !FWordWrap) p.Style |= WS_HSCROLL;
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) p.Style |= WS_VSCROLL;
}

void TMemo::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  RecreateWnd();
}

void TMemo::SetScrollBars(TScrollStyle value) {
  if (value == FScrollBars) return;
  FScrollBars = value;
  RecreateWnd();
}

size_t TMemo::CaretCharPos() const {
  size_t start, end;
  GetSelWide(start, end);
  if (start == end || !HandleAllocated() || GetFocus() != HandleValue()) return end;
  POINT caret;
  if (!GetCaretPos(&caret)) return end;
  LRESULT at = SendMessageW(HandleValue(), EM_POSFROMCHAR, start, 0);
  if (at != -1 && static_cast<short>(LOWORD(at)) == caret.x &&
      static_cast<short>(HIWORD(at)) == caret.y)
    return start;
  return end;
}

TPoint TMemo::CaretPos() const {
  if (!HandleAllocated()) return {};
  size_t pos = CaretCharPos();
  HWND wnd = HandleValue();
  auto line = static_cast<int>(SendMessageW(wnd, EM_LINEFROMCHAR, pos, 0));
  auto lineStart = static_cast<int>(SendMessageW(wnd, EM_LINEINDEX, line, 0));
  return {static_cast<int>(pos) - lineStart, line};
}

void TMemo::SetCaretPos(TPoint value) {
  if (!WindowReady()) return;
  HWND wnd = HandleValue();
  auto start = SendMessageW(wnd, EM_LINEINDEX, std::max(value.y, 0), 0);
  if (start < 0) return;
  auto length = SendMessageW(wnd, EM_LINELENGTH, start, 0);
  auto pos = start + std::clamp<LRESULT>(value.x, 0, length);
  SendMessageW(wnd, EM_SETSEL, pos, pos);
  SendMessageW(wnd, EM_SCROLLCARET, 0, 0);
}

void TMemo::KeyPress(char& Key) {
  TCustomEdit::KeyPress(Key);
  if ((Key == '\r' && !FWantReturns) || (Key == '\t' && !FWantTabs)) Key = 0;
}

void TMemo::WndProc(TMessage& m) {
  TCustomEdit::WndProc(m);
  if (m.Msg != WM_GETDLGCODE) return;
  // The platform's multi-line edit wants every key; what this memo leaves to the
  // form (Tab, Enter) is taken out again.
  const auto* msg = reinterpret_cast<const MSG*>(m.LParam);
  bool tab = msg && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB;
  bool enter = msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
  if (!FWantTabs) m.Result &= ~static_cast<std::intptr_t>(DLGC_WANTTAB);
  if ((tab && !FWantTabs) || (enter && !FWantReturns))
    m.Result &= ~static_cast<std::intptr_t>(DLGC_WANTALLKEYS);
}
