#include "sfSkinCustomListView.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "sfItemText.h"
#include "sfSkinScrollBar.h"
#include "skin/data/sfDataSkinExtraControls.h"
#include "skin/data/sfResourceStrData.h"
#include "skin/data/sfSkinData.h"
#include "ui/CodePage.h"
#include "ui/SystemLibraries.h"

namespace {

constexpr unsigned long kViewBits[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};

}  // namespace

TsfSkinCustomListView::TsfSkinCustomListView(TComponent* AOwner) : TWinControl(AOwner) {
  SetSkinDataName("listview");
  FDefaultFont.SetName("Arial");
  FDefaultFont.SetHeight(14);
  Font().Assign(FDefaultFont);
  SetColor(FDefaultColor);
  SetBounds(Left(), Top(), 250, 150);
}

TsfSkinCustomListView::~TsfSkinCustomListView() {
  UnhookHeader();
  if (FVScrollBar) FVScrollBar->OnChange = nullptr;
  if (FHScrollBar) FHScrollBar->OnChange = nullptr;
}

void TsfSkinCustomListView::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  UseCommonControls();
  p.WinClassName = WC_LISTVIEWW;
  p.Style |= LVS_SHAREIMAGELISTS | LVS_AUTOARRANGE | LVS_SHOWSELALWAYS | kViewBits[FViewStyle];
  if (!FShowColumnHeaders) p.Style |= LVS_NOCOLUMNHEADER;
  if (FOwnerData) p.Style |= LVS_OWNERDATA;
  if (FEditLabels) p.Style |= LVS_EDITLABELS;
  if (!FMultiSelect) p.Style |= LVS_SINGLESEL;
  // The skinned bars take the place of the platform's.
  p.Style &= ~static_cast<unsigned long>(WS_HSCROLL | WS_VSCROLL);
}

void TsfSkinCustomListView::CreateWnd() {
  TWinControl::CreateWnd();
  // The platform may make its header while the window is being created, before
  // the parent-notify message can reach us.
  if (HWND header = reinterpret_cast<HWND>(SendMessageW(HandleValue(), LVM_GETHEADER, 0, 0)))
    if (FShowColumnHeaders) HookHeader(header);
  ApplyColors();
  if (FOwnerData && FPendingCount) SetItemCount(FPendingCount);
}

void TsfSkinCustomListView::SetSkinData(TsfSkinData* value) {
  if (FBinding.SetSkinData(value)) ApplySkin();
}

void TsfSkinCustomListView::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  FBinding.Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FVScrollBar) FVScrollBar = nullptr;
  if (AComponent == FHScrollBar) FHScrollBar = nullptr;
}

void TsfSkinCustomListView::SetDefaultFont(const TFont& value) {
  FDefaultFont.Assign(value);
  if (!FBinding.Skinned()) Font().Assign(FDefaultFont);
}

void TsfSkinCustomListView::ApplySkin() {
  FBinding.Fetch();
  auto* def = dynamic_cast<TsfDataSkinListView*>(FBinding.Definition());
  if (!FBinding.Skinned()) {
    FBackColor = FDefaultColor;
    Font().Assign(FDefaultFont);
  } else if (def) {
    if (FUseSkinFont)
      AssignSkinFont(Font(), def->Font());
    else
      Font().Assign(FDefaultFont);
    Font().SetColor(def->fontcolor);
    FBackColor = def->bgcolor;
  }
  TsfSkinData* data = SkinData();
  if (data && data->ResourceStrData())
    Font().SetCharset(static_cast<TFontCharset>(data->ResourceStrData()->CharSet));
  else
    Font().SetCharset(FDefaultFont.Charset());
  SetColor(FBackColor);
  ApplyColors();
  UpdateScrollBars();
  if ((FVScrollBar || FHScrollBar) && Parent()) Parent()->Realign();
  if (FViewStyle == vsReport && FHeader) InvalidateRect(FHeader, nullptr, TRUE);
}

void TsfSkinCustomListView::ApplyColors() {
  if (!HandleAllocated()) return;
  HWND wnd = HandleValue();
  COLORREF back = ColorToRGB(FBackColor);
  SendMessageW(wnd, LVM_SETBKCOLOR, 0, back);
  SendMessageW(wnd, LVM_SETTEXTBKCOLOR, 0, back);
  SendMessageW(wnd, LVM_SETTEXTCOLOR, 0, ColorToRGB(Font().Color()));
  InvalidateRect(wnd, nullptr, TRUE);
}

void TsfSkinCustomListView::SetViewStyle(TViewStyle value) {
  FViewStyle = value;
  if (!HandleAllocated()) return;
  HWND wnd = HandleValue();
  LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  SetWindowLongPtrW(wnd, GWL_STYLE, (style & ~LVS_TYPEMASK) | kViewBits[value]);
  UpdateScrollBars();
}

void TsfSkinCustomListView::SetShowColumnHeaders(bool value) {
  FShowColumnHeaders = value;
  if (!HandleAllocated()) return;
  HWND wnd = HandleValue();
  LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  SetWindowLongPtrW(wnd, GWL_STYLE, value ? style & ~LVS_NOCOLUMNHEADER : style | LVS_NOCOLUMNHEADER);
}

void TsfSkinCustomListView::SetItemCount(int count) {
  FPendingCount = count;
  if (!HandleAllocated()) return;
  SendMessageW(HandleValue(), LVM_SETITEMCOUNT, static_cast<WPARAM>(count), 0);
  UpdateScrollBars();
}

int TsfSkinCustomListView::ItemCount() const {
  if (!HandleAllocated()) return FPendingCount;
  return static_cast<int>(SendMessageW(HandleValue(), LVM_GETITEMCOUNT, 0, 0));
}

void TsfSkinCustomListView::AddColumn(const std::string& caption, int width, TAlignment alignment) {
  static const int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
  std::wstring text = AnsiToWide(caption);
  LVCOLUMNW col{};
  col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
  col.fmt = formats[alignment];
  col.cx = width;
  col.pszText = text.data();
  HWND wnd = Handle();
  SendMessageW(wnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(ColumnCount()), reinterpret_cast<LPARAM>(&col));
}

int TsfSkinCustomListView::ColumnCount() const {
  if (!HandleAllocated()) return 0;
  HWND header = reinterpret_cast<HWND>(SendMessageW(HandleValue(), LVM_GETHEADER, 0, 0));
  return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

void TsfSkinCustomListView::ClearColumns() {
  if (!HandleAllocated()) return;
  while (ColumnCount() > 0) SendMessageW(HandleValue(), LVM_DELETECOLUMN, 0, 0);
}

void TsfSkinCustomListView::SetVScrollBar(TsfSkinScrollBar* value) {
  if (FVScrollBar) FVScrollBar->OnChange = nullptr;
  FVScrollBar = value;
  if (value) {
    FreeNotification(value);
    value->SetEnabled(true);
    value->SetVisible(false);
    value->OnChange = [this](TObject*) { VScrollStep(); };
  }
  UpdateScrollBars();
}

void TsfSkinCustomListView::SetHScrollBar(TsfSkinScrollBar* value) {
  if (FHScrollBar) FHScrollBar->OnChange = nullptr;
  FHScrollBar = value;
  if (value) {
    FreeNotification(value);
    value->SetEnabled(true);
    value->SetVisible(false);
    value->OnChange = [this](TObject*) { HScrollStep(); };
  }
  UpdateScrollBars();
}

void TsfSkinCustomListView::VisibleChanged() {
  TWinControl::VisibleChanged();
  if (FVScrollBar) FVScrollBar->SetVisible(Visible());
  if (FHScrollBar) FHScrollBar->SetVisible(Visible());
}

void TsfSkinCustomListView::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_NCCALCSIZE:  // the whole window is list content
    case WM_NCPAINT:
      m.Result = 0;
      return;
    case SF_LISTVIEW_VERSION:
      m.Result = 12851;
      return;
    case SF_LISTVIEW_PAINTHEADER:
      PaintHeader(reinterpret_cast<HDC>(m.WParam));
      return;
    case WM_PARENTNOTIFY:
      if (LOWORD(m.WParam) == WM_CREATE && FShowColumnHeaders) {
        wchar_t name[80] = {};
        HWND child = reinterpret_cast<HWND>(m.LParam);
        GetClassNameW(child, name, 80);
        if (lstrcmpiW(name, L"SysHeader32") == 0) HookHeader(child);
      }
      break;
  }
  TWinControl::WndProc(m);
  switch (m.Msg) {
    case WM_SIZE:
    case WM_PAINT:
      if (!FUpdating) UpdateScrollBars();
      break;
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEWHEEL:
      UpdateScrollBars();
      break;
  }
}
