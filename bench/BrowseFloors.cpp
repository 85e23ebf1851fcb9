#include "BrowseFloors.h"

#include <sqlite3.h>

#include "BenchTiming.h"
#include "db/Database.h"
#include "db/DatabaseError.h"

namespace {

// The statement that gives exactly the program's names in its order: the covering
// index (ParentID, ID, EffectName) holds them sorted by ID within the category,
// and no other column is read.
const char kNames[] = "SELECT EffectName FROM SPECT WHERE ParentID=?";

std::wstring WideOf(const std::string& text) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

}  // namespace

TNameFloor::TNameFloor(const std::filesystem::path& file, const std::string& password)
    : FDatabase(std::make_unique<TDatabase>(file, password, TDatabase::omExisting)) {
  if (sqlite3_prepare_v2(FDatabase->Handle(), kNames, -1, &FStatement, nullptr) != SQLITE_OK)
    FDatabase->RaiseLastError();
}

TNameFloor::~TNameFloor() { sqlite3_finalize(FStatement); }

void TNameFloor::Step(int category) {
  FNames.clear();
  sqlite3_reset(FStatement);
  sqlite3_bind_int(FStatement, 1, category);
  while (sqlite3_step(FStatement) == SQLITE_ROW) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(FStatement, 0));
    FNames.emplace_back(text, static_cast<size_t>(sqlite3_column_bytes(FStatement, 0)));
  }
}

std::string TNameFloor::Plan() {
  TStatement plan(*FDatabase, std::string("EXPLAIN QUERY PLAN ") + kNames);
  std::string text;
  while (plan.Step()) text += (text.empty() ? "" : "; ") + plan.Column(3).Bytes;
  return text;
}

TFloorHost::TFloorHost(const wchar_t* className, DWORD style, RECT place, HFONT font) : FFont(font) {
  static const ATOM registered = [] {
    WNDCLASSW c{};
    c.lpfnWndProc = HostProc;
    c.hInstance = GetModuleHandleW(nullptr);
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    c.lpszClassName = L"BrowseFloorHost";
    return RegisterClassW(&c);
  }();
  (void)registered;
  const int w = place.right - place.left, h = place.bottom - place.top;
  FHost = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"BrowseFloorHost", L"", WS_POPUP, place.left,
                          place.top, w, h, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(FHost, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  FChild = CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, w, h, FHost, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  SendMessageW(FChild, WM_SETFONT, reinterpret_cast<WPARAM>(FFont), FALSE);
  ShowWindow(FHost, SW_SHOWNOACTIVATE);
  UpdateWindow(FHost);
}

TFloorHost::~TFloorHost() { DestroyWindow(FHost); }

LRESULT CALLBACK TFloorHost::HostProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TFloorHost*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (self && msg == WM_MEASUREITEM) {
    reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(self->ItemHeight);
    return TRUE;
  }
  if (self && msg == WM_DRAWITEM) {
    self->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

void TFloorHost::DrawItem(const DRAWITEMSTRUCT& item) const {
  const bool selected = item.itemState & ODS_SELECTED;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (!Names || item.itemID >= Names->size()) return;
  const std::wstring text = WideOf((*Names)[item.itemID]);
  RECT r = item.rcItem;
  r.left += 2;
  HGDIOBJ old = SelectObject(item.hDC, FFont);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(item.hDC, old);
}

double ListFloor(TFloorHost& list, int count) {
  const double t = Now();
  SendMessageW(list.Child(), LB_SETCOUNT, static_cast<WPARAM>(count), 0);
  InvalidateRect(list.Child(), nullptr, TRUE);
  UpdateWindow(list.Host());
  return Now() - t;
}

double EditFloor(TFloorHost& edit, const std::wstring& text) {
  const double t = Now();
  SetWindowTextW(edit.Child(), text.c_str());
  UpdateWindow(edit.Host());
  return Now() - t;
}
