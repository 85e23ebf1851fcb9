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

bool TsfListBoxStrings::Live() const { return FOwner.HandleAllocated(); }

void TsfListBoxStrings::CheckIndex(int index, bool allowEnd) const {
  int n = GetCount();
  if (index < 0 || index > n || (index == n && !allowEnd)) IndexError(index);
}

int TsfListBoxStrings::GetCount() const {
  return Live() ? static_cast<int>(FOwner.Send(LB_GETCOUNT)) : static_cast<int>(FStore.size());
}

std::string TsfListBoxStrings::Get(int index) const {
  CheckIndex(index, false);
  if (!Live()) return FStore[static_cast<size_t>(index)].Text;
  auto length = FOwner.Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  std::wstring text(static_cast<size_t>(std::max<std::intptr_t>(length, 0)) + 1, L'\0');
  auto got = FOwner.Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(std::max<std::intptr_t>(got, 0)));
  return WideToAnsi(text);
}

TObject* TsfListBoxStrings::GetObject(int index) const {
  CheckIndex(index, false);
  if (!Live()) return FStore[static_cast<size_t>(index)].Object;
  return reinterpret_cast<TObject*>(FOwner.Send(LB_GETITEMDATA, static_cast<WPARAM>(index)));
}

void TsfListBoxStrings::PutObject(int index, TObject* object) {
  CheckIndex(index, false);
  if (!Live())
    FStore[static_cast<size_t>(index)].Object = object;
  else
    FOwner.Send(LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object));
}

int TsfListBoxStrings::InsertItem(int index, const std::string& value) {
  if (Live()) {
    std::wstring text = AnsiToWide(value);
    auto lp = reinterpret_cast<LPARAM>(text.c_str());
    auto result = index < 0 ? FOwner.Send(LB_ADDSTRING, 0, lp)
                            : FOwner.Send(LB_INSERTSTRING, static_cast<WPARAM>(index), lp);
    if (result < 0) throw EOSError("Cannot add an item to the list");
    return static_cast<int>(result);
  }
  if (index < 0) {
    index = static_cast<int>(FStore.size());
    if (FOwner.Sorted()) {
      auto pos = std::find_if(FStore.begin(), FStore.end(), [&](const TItem& item) {
        return lstrcmpiW(AnsiToWide(item.Text).c_str(), AnsiToWide(value).c_str()) > 0;
      });
      index = static_cast<int>(pos - FStore.begin());
    }
  }
  FStore.insert(FStore.begin() + index, TItem{value, nullptr});
  return index;
}

int TsfListBoxStrings::Add(const std::string& value) {
  int index = InsertItem(-1, value);
  Changed();
  return index;
}

void TsfListBoxStrings::Insert(int index, const std::string& value) {
  CheckIndex(index, true);
  InsertItem(index, value);
  Changed();
}

void TsfListBoxStrings::Put(int index, const std::string& value) {
  TObject* object = GetObject(index);
  bool selected = FOwner.ItemIndex() == index;
  BeginUpdate();
  Delete(index);
  Insert(index, value);
  PutObject(index, object);
  if (selected) FOwner.SetItemIndex(index);
  EndUpdate();
}

void TsfListBoxStrings::Delete(int index) {
  CheckIndex(index, false);
  if (Live()) {
    FOwner.Send(LB_DELETESTRING, static_cast<WPARAM>(index));
  } else {
    FStore.erase(FStore.begin() + index);
    if (FOwner.FSavedItemIndex == index)
      FOwner.FSavedItemIndex = -1;
    else if (FOwner.FSavedItemIndex > index)
      --FOwner.FSavedItemIndex;
  }
  Changed();
}

void TsfListBoxStrings::Clear() {
  if (Live()) FOwner.Send(LB_RESETCONTENT);
  FStore.clear();
  FOwner.FSavedItemIndex = -1;
  FOwner.FSavedTopIndex = 0;
  Changed();
}

int TsfListBoxStrings::FindPrefix(int start, const std::string& prefix) const {
  if (prefix.empty()) return -1;
  if (Live()) {
    std::wstring text = AnsiToWide(prefix);
    auto found = FOwner.Send(LB_FINDSTRING, static_cast<WPARAM>(start),
                             reinterpret_cast<LPARAM>(text.c_str()));
    return found < 0 ? -1 : static_cast<int>(found);
  }
  int n = static_cast<int>(FStore.size());
  if (start < -1 || start >= n) start = -1;
  for (int k = 1; k <= n; ++k) {
    int i = (start + k) % n;
    if (StartsWithFolded(FStore[static_cast<size_t>(i)].Text, prefix)) return i;
  }
  return -1;
}

void TsfListBoxStrings::SetUpdateState(bool updating) {
  if (!updating) Changed();
}

void TsfListBoxStrings::Changed() {
  if (UpdateCount() == 0 && FOwner.Hooked()) FOwner.Container()->ItemsChanged();
}

void TsfListBoxStrings::SaveFromWindow() {
  int n = static_cast<int>(FOwner.Send(LB_GETCOUNT));
  std::vector<TItem> items;
  items.reserve(static_cast<size_t>(std::max(n, 0)));
  for (int i = 0; i < n; ++i) items.push_back({Get(i), GetObject(i)});
  FStore = std::move(items);
}

void TsfListBoxStrings::LoadIntoWindow() {
  std::vector<TItem> items = std::move(FStore);
  FStore.clear();
  for (const TItem& item : items) {
    int index = InsertItem(-1, item.Text);
    FOwner.Send(LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.Object));
  }
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
  p.Style |= WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (FMultiSelect) p.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (FSorted) p.Style |= LBS_SORT;
}

void TsfListBox::CreateWnd() {
  TWinControl::CreateWnd();
  Send(LB_SETITEMHEIGHT, 0, FItemHeight);
  FItems.LoadIntoWindow();
  SetItemIndex(FSavedItemIndex);
  SetTopIndex(FSavedTopIndex);
  if (Hooked()) FContainer->ListWindowCreated();
}

void TsfListBox::SaveState() {
  FSavedItemIndex = ItemIndex();
  FSavedTopIndex = TopIndex();
  FItems.SaveFromWindow();
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
    if (index < count) return index;
  }
  return existing ? -1 : count;
}

TRect TsfListBox::ItemRect(int index) const {
  return Bounds(0, (index - TopIndex()) * FItemHeight, ClientWidth(), FItemHeight);
}

int TsfListBox::VisibleRows() const { return ClientHeight() / FItemHeight; }

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
  if (!FAutoComplete) Key = 0;
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

void TsfListBox::Paint() {
  TPaintDC paint(HandleValue());
  TRect area = paint.PaintRect();
  if (area.IsEmpty()) return;
  TBufferedPaint buffer(paint.Get(), area);
  FContainer->PaintListItems(buffer.DC());
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
