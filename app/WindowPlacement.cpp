#include "app/WindowPlacement.h"

#include <windows.h>

TPoint PlaceWindow(int W, int H, int w, int h, std::optional<int> storedLeft,
                   std::optional<int> storedTop) {
  int dx = W - w;
  int dy = H - h;
  int left = storedLeft.value_or(dx / 2);
  int top = storedTop.value_or(dy / 2);
  if (left > dx) left = dx / 2;
  if (top > dy) top = dy / 2;
  return {left, top};
}

TPoint PlaceWindow(int W, int H, int w, int h, std::optional<int> storedLeft,
                   std::optional<int> storedTop, const std::vector<TRect>& workAreas) {
  const TPoint place = PlaceWindow(W, H, w, h, storedLeft, storedTop);
  if (workAreas.empty()) return place;
  const TRect window = Bounds(place.x, place.y, w, h);
  for (const TRect& area : workAreas)
    if (!IntersectRect(window, area).IsEmpty()) return place;
  return PlaceWindow(W, H, w, h, std::nullopt, std::nullopt);
}

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  auto& areas = *reinterpret_cast<std::vector<TRect>*>(list);
  const TRect area{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
  if (info.dwFlags & MONITORINFOF_PRIMARY)
    areas.insert(areas.begin(), area);
  else
    areas.push_back(area);
  return TRUE;
}

}  // namespace

std::vector<TRect> MonitorWorkAreas() {
  std::vector<TRect> areas;
  EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
  return areas;
}
