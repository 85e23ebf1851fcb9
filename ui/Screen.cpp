#include "Screen.h"

#include <windows.h>

#include <algorithm>

TScreen* Screen = new TScreen(nullptr);

namespace {

const wchar_t* StockCursor(TCursor index) {
  switch (index) {
    case crDefault: case crArrow: return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_ARROW));
    case crCross: return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_CROSS));
    case crIBeam: return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_IBEAM));
    case crSizeNESW: return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_SIZENESW));
    case crSizeNS: return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_SIZENS));
    case crSizeNWSE: return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_SIZENWSE));
    case crSizeWE: return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_SIZEWE));
    case crUpArrow: return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_UPARROW));
    case crHourGlass: return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_WAIT));
    case crNo: return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_NO));
    case crAppStart: return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_APPSTARTING));
    case crHelp: return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_HELP));
    case crHandPoint: return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_HAND));
    case crSizeAll: return MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_SIZEALL));
  }
  return nullptr;
}

}  // namespace

TScreen::~TScreen() = default;

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

void TScreen::AddForm(TForm* form) { FForms.push_back(form); }

void TScreen::RemoveForm(TForm* form) {
  FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
}

HCURSOR TScreen::Cursors(TCursor index) {
  auto it = FCursors.find(index);
  if (it != FCursors.end()) return it->second;
  if (index == crNone) return nullptr;
  const wchar_t* stock = StockCursor(index);
  // Stock cursors are shared by the system and never destroyed.
  HCURSOR cursor = LoadCursorW(nullptr, stock ? stock : StockCursor(crArrow));
  FCursors[index] = cursor;
  return cursor;
}

void TScreen::SetCursors(TCursor index, HCURSOR cursor) { FCursors[index] = cursor; }
