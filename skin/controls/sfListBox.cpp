#include <windows.h>

#include "sfListBox.h"

#include <algorithm>

#include "sfSkinListBox.h"
#include "ui/CodePage.h"
#include "ui/Exception.h"
#include "ui/GdiObject.h"
#include "ui/Messages.h"

namespace {

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithFolded(const std::string& text, const std::string& prefix) {
  if (prefix.size() > text.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (FoldAscii(text[i]) != FoldAscii(prefix[i])) return false;
  return true;
}

}  // namespace

// ---- TsfListBoxStrings ---------------------------------------------------------------
//
// The items live here for the list's whole life. The platform list is a no-data
// list that knows only their count: it never stores, sorts or searches text, so a
// refill costs no per-item work in the platform. Items appended at the end are
// announced to it in one count change, just before it next handles a message.

void TsfListBoxStrings::CheckIndex(int index, bool allowEnd) const {
  int n = GetCount();
  if (index < 0 || index > n || (index == n && !allowEnd)) IndexError(index);
}

int TsfListBoxStrings::GetCount() const { return static_cast<int>(FStore.size()); }

std::string TsfListBoxStrings::Get(int index) const {
  CheckIndex(index, false);
  return FStore[static_cast<size_t>(index)].Text;
}

TObject* TsfListBoxStrings::GetObject(int index) const {
  CheckIndex(index, false);
  return FStore[static_cast<size_t>(index)].Object;
}

void TsfListBoxStrings::PutObject(int index, TObject* object) {
  CheckIndex(index, false);
  FStore[static_cast<size_t>(index)].Object = object;
}

int TsfListBoxStrings::SortedPlace(const std::string& value) const {
  std::wstring key = AnsiToWide(value);
  auto pos = std::upper_bound(FStore.begin(), FStore.end(), key, [](const std::wstring& k, const TItem& item) {
    return lstrcmpiW(k.c_str(), AnsiToWide(item.Text).c_str()) < 0;
  });
  return static_cast<int>(pos - FStore.begin());
}

int TsfListBoxStrings::InsertItem(int index, const std::string& value) {
  if (index < 0) index = FOwner.Sorted() ? SortedPlace(value) : GetCount();
  bool append = index == GetCount();
  if (!append) FOwner.FlushCount();
  FStore.insert(FStore.begin() + index, TItem{value, nullptr});
  if (!FOwner.HandleAllocated()) {
    if (FOwner.FSavedItemIndex >= index) ++FOwner.FSavedItemIndex;
  } else if (append) {
    FOwner.FCountPending = true;
  } else if (FOwner.Send(LB_INSERTSTRING, static_cast<WPARAM>(index), 0) < 0) {
    FStore.erase(FStore.begin() + index);
    throw EOSError("Cannot add an item to the list");
  }
  return index;
}

int TsfListBoxStrings::Add(const std::string& value) {
  int index = InsertItem(-1, value);
  Changed(index);
  return index;
}

void TsfListBoxStrings::Insert(int index, const std::string& value) {
  CheckIndex(index, true);
  InsertItem(index, value);
  Changed(index);
}

void TsfListBoxStrings::Put(int index, const std::string& value) {
  CheckIndex(index, false);
  if (FOwner.Sorted()) {
    TObject* object = GetObject(index);
    bool selected = FOwner.ItemIndex() == index;
    BeginUpdate();
    Delete(index);
    int at = InsertItem(-1, value);
    PutObject(at, object);
    if (selected) FOwner.SetItemIndex(at);
    EndUpdate();
    return;
  }
  FStore[static_cast<size_t>(index)].Text = value;
  Changed(index);
}

void TsfListBoxStrings::Delete(int index) {
  CheckIndex(index, false);
  FOwner.FlushCount();
  FStore.erase(FStore.begin() + index);
  if (FOwner.HandleAllocated()) {
    FOwner.Send(LB_DELETESTRING, static_cast<WPARAM>(index));
  } else if (FOwner.FSavedItemIndex == index) {
    FOwner.FSavedItemIndex = -1;
  } else if (FOwner.FSavedItemIndex > index) {
    --FOwner.FSavedItemIndex;
  }
  Changed(index);
}

void TsfListBoxStrings::Clear() {
  FStore.clear();
  FOwner.FCountPending = false;
  FOwner.Send(LB_RESETCONTENT);
  FOwner.FSavedItemIndex = -1;
  FOwner.FSavedTopIndex = 0;
  Changed(0);
}

int TsfListBoxStrings::FindPrefix(int start, const std::string& prefix) const {
  if (prefix.empty()) return -1;
  int n = static_cast<int>(FStore.size());
  if (start < -1 || start >= n) start = -1;
  for (int k = 1; k <= n; ++k) {
    int i = (start + k) % n;
    if (StartsWithFolded(FStore[static_cast<size_t>(i)].Text, prefix)) return i;
  }
  return -1;
}

void TsfListBoxStrings::SortItems() {
  std::stable_sort(FStore.begin(), FStore.end(), [](const TItem& a, const TItem& b) {
    return lstrcmpiW(AnsiToWide(a.Text).c_str(), AnsiToWide(b.Text).c_str()) < 0;
  });
  Changed(0);
}

void TsfListBoxStrings::SetUpdateState(bool updating) {
  if (!updating) Changed(0);
}

void TsfListBoxStrings::Changed(int first) {
  if (UpdateCount() == 0 && FOwner.Hooked()) FOwner.Container()->ItemsChanged(first);
}

// ---- TsfListBox ----------------------------------------------------------------------

TsfListBox::TsfListBox(TComponent* AOwner, TsfSkinCustomListBox* container)
    : TWinControl(AOwner), FContainer(container) {
  SetTabStop(true);
  FClickOnRelease = false;  // the platform list reports its clicks itself (LBN_SELCHANGE)
}

TsfListBox::~TsfListBox() {
  // The window goes while the items and the container's hooks are still ours.
  SetDestroying();
  DestroyHandle();
}

std::intptr_t TsfListBox::Send(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) const {
  return HandleAllocated() ? SendMessageW(HandleValue(), msg, wParam, lParam) : 0;
}

void TsfListBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = L"LISTBOX";
  p.Style |= WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (FMultiSelect) p.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (FColumns > 0) p.Style |= LBS_MULTICOLUMN;
}

void TsfListBox::CreateWnd() {
  TWinControl::CreateWnd();
  Send(LB_SETITEMHEIGHT, 0, FItemHeight);
  if (FColumns > 0) Send(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(ColumnWidth()));
  FPaintPending = false;
  FCountPending = true;
  FlushCount();
  SetItemIndex(FSavedItemIndex);
  SetTopIndex(FSavedTopIndex);
  if (Hooked()) FContainer->ListWindowCreated();
}

void TsfListBox::SaveState() {
  FSavedItemIndex = ItemIndex();
  FSavedTopIndex = TopIndex();
}

void TsfListBox::FlushCount() {
  if (!FCountPending || !HandleAllocated()) return;
  FCountPending = false;
  SendMessageW(HandleValue(), LB_SETCOUNT, static_cast<WPARAM>(FItems.Count()), 0);
}

// Questions whose answers items appended at the end cannot change: asking them
// leaves a pending count change pending.
bool TsfListBox::KeepsCountPending(unsigned msg) {
  return msg == LB_GETTOPINDEX || msg == LB_GETCURSEL || msg == LB_GETCARETINDEX ||
         msg == LB_SETCOUNT || msg == LB_RESETCONTENT;
}

void TsfListBox::RecreateWnd() {
  if (!HandleAllocated()) return;
  DestroyHandle();
  HandleNeeded();
}

int TsfListBox::ItemIndex() const {
  if (!HandleAllocated()) return FSavedItemIndex;
  auto index = Send(FMultiSelect ? LB_GETCARETINDEX : LB_GETCURSEL);
  return index < 0 ? -1 : static_cast<int>(index);
}

void TsfListBox::SetItemIndex(int value) {
  if (value < 0 || value >= FItems.Count()) value = -1;
  if (!HandleAllocated()) {
    FSavedItemIndex = value;
    return;
  }
  if (FMultiSelect)
    Send(LB_SETCARETINDEX, static_cast<WPARAM>(value), FALSE);
  else
    Send(LB_SETCURSEL, static_cast<WPARAM>(value));
}

int TsfListBox::TopIndex() const {
  return HandleAllocated() ? static_cast<int>(Send(LB_GETTOPINDEX)) : FSavedTopIndex;
}

void TsfListBox::SetTopIndex(int value) {
  if (!HandleAllocated())
    FSavedTopIndex = std::max(value, 0);
  else
    Send(LB_SETTOPINDEX, static_cast<WPARAM>(std::max(value, 0)));
}

void TsfListBox::SetItemHeight(int value) {
  if (value < 1 || value == FItemHeight) return;
  FItemHeight = value;
  Send(LB_SETITEMHEIGHT, 0, value);
  Invalidate();
}

bool TsfListBox::Selected(int index) const {
  if (!HandleAllocated()) return index == FSavedItemIndex && index >= 0;
  if (!FMultiSelect) return index >= 0 && index == ItemIndex();
  return Send(LB_GETSEL, static_cast<WPARAM>(index)) > 0;
}

void TsfListBox::SetSelected(int index, bool value) {
  if (FMultiSelect && HandleAllocated())
    Send(LB_SETSEL, value ? TRUE : FALSE, index);
  else if (value)
    SetItemIndex(index);
  else if (ItemIndex() == index)
    SetItemIndex(-1);
}

int TsfListBox::ItemAtPos(TPoint p, bool existing) const {
  int count = FItems.Count();
  if (p.x >= 0 && p.y >= 0 && p.x < ClientWidth()) {
    int index = TopIndex() + p.y / FItemHeight;
    if (FColumns > 0) {
      int row = p.y / FItemHeight;
      index = row < WholeRows() ? TopIndex() + p.x / ColumnWidth() * WholeRows() + row : count;
    }
    if (index < count) return index;
  }
  return existing ? -1 : count;
}

// Columns are filled top to bottom, left to right, with whole rows only.
TRect TsfListBox::ItemRect(int index) const {
  int k = index - TopIndex();
  if (FColumns <= 0) return Bounds(0, k * FItemHeight, ClientWidth(), FItemHeight);
  int rows = WholeRows(), column = k >= 0 ? k / rows : -1 - (-k - 1) / rows;
  int w = ColumnWidth();
  return Bounds(column * w, (k - column * rows) * FItemHeight, w, FItemHeight);
}

int TsfListBox::VisibleRows() const { return ClientHeight() / FItemHeight; }

int TsfListBox::WholeRows() const { return std::max(ClientHeight() / FItemHeight, 1); }

int TsfListBox::ColumnWidth() const { return FColumns > 0 ? std::max(ClientWidth() / FColumns, 1) : ClientWidth(); }

void TsfListBox::SetColumns(int value) {
  value = std::max(value, 0);
  if (value == FColumns) return;
  bool multi = (value > 0) != (FColumns > 0);
  FColumns = value;
  if (multi)
    RecreateWnd();
  else
    Send(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(ColumnWidth()));
  Invalidate();
}

void TsfListBox::Resize() {
  TWinControl::Resize();
  if (FColumns > 0) Send(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(ColumnWidth()));
}

void TsfListBox::SetMultiSelect(bool value) {
  if (value == FMultiSelect) return;
  FMultiSelect = value;
  RecreateWnd();
}

void TsfListBox::SetExtendedSelect(bool value) {
  if (value == FExtendedSelect) return;
  FExtendedSelect = value;
  RecreateWnd();
}

void TsfListBox::SetSorted(bool value) {
  if (value == FSorted) return;
  FSorted = value;
  if (value) FItems.SortItems();
  RecreateWnd();
}

void TsfListBox::SetHorizontalOffset(int value) {
  value = std::max(value, 0);
  if (value == FHorizontalOffset) return;
  FHorizontalOffset = value;
  Invalidate();
}

// ---- events passed to the container -------------------------------------------------

bool TsfListBox::Hooked() const { return !IsDestroying() && !FContainer->IsDestroying(); }

void TsfListBox::Click() {
  if (Hooked()) FContainer->ListClick();
  TWinControl::Click();
}

void TsfListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Hooked()) FContainer->ListMouseDown(Button, Shift, X, Y);
  TWinControl::MouseDown(Button, Shift, X, Y);
}

void TsfListBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (Hooked()) FContainer->ListMouseMove(Shift, X, Y);
  TWinControl::MouseMove(Shift, X, Y);
}

void TsfListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Hooked()) FContainer->ListMouseUp(Button, Shift, X, Y);
  TWinControl::MouseUp(Button, Shift, X, Y);
}

void TsfListBox::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  if (Hooked()) {
    FContainer->ListKeyDown(Key, Shift);
    if ((Key == VK_LEFT || Key == VK_RIGHT) && FContainer->StepHorizontalBar(Key == VK_RIGHT))
      Key = 0;
  }
  if (Key != 0) TWinControl::KeyDown(Key, Shift);
}

void TsfListBox::KeyUp(std::uint16_t& Key, TShiftState Shift) {
  if (Hooked()) FContainer->ListKeyUp(Key, Shift);
  if (Key != 0) TWinControl::KeyUp(Key, Shift);
}

void TsfListBox::KeyPress(char& Key) {
  if (Hooked()) FContainer->ListKeyPress(Key);
  if (Key != 0) TWinControl::KeyPress(Key);
  // A typed character moves to the next item that begins with it, as the platform
  // list does with items it holds itself.
  if (FAutoComplete && static_cast<unsigned char>(Key) > ' ' && static_cast<unsigned char>(Key) < 0x80) {
    int found = FItems.FindPrefix(ItemIndex(), std::string(1, Key));
    if (found >= 0 && found != ItemIndex()) {
      SetItemIndex(found);
      Click();
    }
  }
  Key = 0;
}

void TsfListBox::DoEnter() {
  if (Hooked()) FContainer->ListEnter();
  TWinControl::DoEnter();
}

void TsfListBox::DoExit() {
  if (Hooked()) FContainer->ListExit();
  TWinControl::DoExit();
}

// ---- messages ---------------------------------------------------------------------------

void TsfListBox::Invalidate() {
  if (FPaintPending || !HandleAllocated()) return;
  FPaintPending = true;
  TWinControl::Invalidate();
}

void TsfListBox::Paint() {
  FPaintPending = false;
  TPaintDC paint(HandleValue());
  TRect area = paint.PaintRect();
  if (area.IsEmpty()) return;
  if (FColumns <= 0) {
    // Each row is put on the screen whole from an image of its own and the space
    // below the rows is filled once: nothing is drawn twice, so no buffer is needed.
    FContainer->PaintListItems(paint.Get(), area);
    return;
  }
  TBufferedPaint buffer(paint.Get(), area);
  FContainer->PaintListItems(buffer.DC(), area);
}

bool TsfListBox::HandleNotification(TMessage& m) {
  if (m.Msg == CN_BASE + WM_COMMAND) {
    if (HIWORD(m.WParam) == LBN_SELCHANGE) Click();
    m.Result = 0;
    return true;
  }
  if (m.Msg == CN_BASE + WM_DRAWITEM) {
    auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
    int index = static_cast<int>(dis->itemID);
    if (index >= 0) {
      const RECT& r = dis->rcItem;
      FContainer->DrawListItem(dis->hDC, index, {r.left, r.top, r.right, r.bottom});
    }
    m.Result = TRUE;
    return true;
  }
  return false;
}

void TsfListBox::WndProc(TMessage& m) {
  if (FCountPending && !KeepsCountPending(m.Msg)) FlushCount();
  if (!Hooked()) {
    TWinControl::WndProc(m);
    return;
  }
  bool go = true;
  FContainer->ListMessage(m, go);
  if (!go || HandleNotification(m)) return;
  switch (m.Msg) {
    case WM_PAINT:
      Paint();
      m.Result = 0;
      return;
    case WM_ERASEBKGND:
      m.Result = 1;
      FContainer->SyncScrollBars();
      return;
    case WM_DESTROY:
      SaveState();
      break;
  }
  TWinControl::WndProc(m);
  switch (m.Msg) {
    case WM_LBUTTONDBLCLK:
      FContainer->ListDblClick();
      break;
    case WM_MOUSEWHEEL:
      FContainer->ListWheel(static_cast<short>(HIWORD(m.WParam)));
      break;
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
      FContainer->SyncScrollBars();
      break;
  }
}
