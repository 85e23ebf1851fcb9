#include <windows.h>

#include "sfUtilsHelpers.h"

#include <algorithm>

TsfOSVersion GetOSVersion() {
  const DWORD version = GetVersion();
  return {static_cast<int>(LOBYTE(LOWORD(version))), static_cast<int>(HIBYTE(LOWORD(version)))};
}

namespace {

template <class F>
F UserFunction(const char* name) {
  HMODULE user = GetModuleHandleW(L"user32.dll");
  return user ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user, name))) : nullptr;
}

}  // namespace

void SetWindowAlpha(HWND window, int alpha) {
  using TSetLayered = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  const auto setLayered = UserFunction<TSetLayered>("SetLayeredWindowAttributes");
  if (!setLayered || !window) return;
  // The attribute takes effect only on a layered window.
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (!(style & WS_EX_LAYERED)) SetWindowLongPtrW(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
  setLayered(window, 0, static_cast<BYTE>(std::clamp(alpha, 0, 255)), LWA_ALPHA);
}

TRect GetWindowWorkArea(HWND window, bool workArea) {
  using TMonitorFromWindow = HMONITOR(WINAPI*)(HWND, DWORD);
  using TGetMonitorInfo = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
  const auto fromWindow = UserFunction<TMonitorFromWindow>("MonitorFromWindow");
  const auto getInfo = UserFunction<TGetMonitorInfo>("GetMonitorInfoW");
  if (GetSystemMetrics(SM_CMONITORS) > 1 && fromWindow && getInfo) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (getInfo(fromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) {
      const RECT& r = workArea ? info.rcWork : info.rcMonitor;
      return {r.left, r.top, r.right, r.bottom};
    }
  }
  RECT r{};
  if (workArea && SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0))
    return {r.left, r.top, r.right, r.bottom};
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

int DrawWideText(TCanvas& canvas, const std::wstring& text, TRect& rect, unsigned flags) {
  // The canvas selects its font on its own text calls; measuring nothing does that.
  canvas.TextExtent("");
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  const int height = DrawTextW(canvas.Handle(), text.c_str(), static_cast<int>(text.size()), &r, flags);
  rect = {r.left, r.top, r.right, r.bottom};
  return height;
}

void DrawLineCentred(TCanvas& canvas, const TRect& rect, const std::string& text) {
  TRect r = rect;
  canvas.DrawText(text, r, DT_SINGLELINE | DT_VCENTER);
}

void DrawTextLeft(TCanvas& canvas, const TRect& rect, const std::string& text) {
  TRect r(rect.Left + 2, rect.Top, rect.Right, rect.Bottom);
  canvas.DrawText(text, r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}
