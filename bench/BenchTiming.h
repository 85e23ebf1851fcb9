#pragma once
// The clock, the median and the blit floor every benchmark prints with.
#include <windows.h>

#include <algorithm>
#include <vector>

// Milliseconds from the performance counter.
inline double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

inline double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// One BitBlt of a window's size onto the whole window, children included: the floor
// a paint of that window is measured against.
inline double BlitFloor(HWND window, int width, int height) {
  HDC dc = GetDCEx(window, nullptr, DCX_WINDOW | DCX_CACHE);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  PatBlt(memory, 0, 0, width, height, WHITENESS);
  double t = Now();
  BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
  GdiFlush();
  const double spent = Now() - t;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, dc);
  return spent;
}
