#include "sfSkinMenuGeometry.h"

namespace {

constexpr int kMarker = 10;

bool InUpperHalf(const TRect& a, const TRect& wa) { return a.Top < wa.Top + wa.Height() / 2; }

int PlaceSubMenuY(const TsfMenuPlaceInput& in) {
  const TRect& a = in.Anchor;
  const TRect& wa = in.WorkArea;
  int y = a.Top - in.ItemsTop;
  if (y + in.Height <= wa.Bottom) return y;
  if (InUpperHalf(a, wa)) return wa.Bottom - in.Height;
  y = a.Bottom - in.Height + in.ItemsTop;
  return y < wa.Top ? wa.Top : y;
}

int PlaceDownY(const TsfMenuPlaceInput& in) {
  const TRect& a = in.Anchor;
  const TRect& wa = in.WorkArea;
  if (a.Bottom + in.Height <= wa.Bottom) return a.Bottom;
  if (InUpperHalf(a, wa)) return wa.Bottom - in.Height;
  int y = a.Top - in.Height;
  return y < wa.Top ? wa.Top : y;
}

int PlaceUpY(const TsfMenuPlaceInput& in) {
  const TRect& a = in.Anchor;
  const TRect& wa = in.WorkArea;
  int y = a.Top - in.Height;
  if (y >= wa.Top) return y;
  if (!InUpperHalf(a, wa)) return wa.Top;
  // Below the anchor instead, moved up by what would hang past the work area.
  y = a.Bottom;
  if (y + in.Height > wa.Bottom) y -= y + in.Height - wa.Bottom;
  return y;
}

}  // namespace

TPoint PlaceMenuWindow(const TsfMenuPlaceInput& in) {
  const TRect& a = in.Anchor;
  const TRect& wa = in.WorkArea;
  int y;
  if (in.ScrolledByWorkArea)
    y = wa.Top;
  else if (in.Kind == mpSubMenu)
    y = PlaceSubMenuY(in);
  else if (in.Kind == mpDown)
    y = PlaceDownY(in);
  else
    y = PlaceUpY(in);
  bool shifted = in.Kind != mpSubMenu && y != a.Bottom && y != a.Top - in.Height;
  int x;
  if (in.TopLevel && in.Kind != mpSubMenu && !shifted && !in.ScrolledByWorkArea) {
    x = a.Left;
    if (x + in.Width > wa.Right) x = wa.Right - in.Width;
    if (x < wa.Left) x = wa.Left;
  } else {
    x = a.Right + in.Width + 1 <= wa.Right ? a.Right + 1 : a.Left - in.Width - 1;
  }
  return {x, y};
}

void LayoutMenuItems(const std::vector<int>& heights, const TRect& itemsRect, int visibleStart,
                     bool needsScroll, std::vector<TRect>& rects, std::vector<bool>& visible) {
  size_t n = heights.size();
  rects.assign(n, TRect());
  visible.assign(n, false);
  int y = itemsRect.Top + (needsScroll ? kMarker : 0);
  int bottom = itemsRect.Bottom - (needsScroll ? kMarker : 0);
  for (size_t i = visibleStart < 0 ? 0 : static_cast<size_t>(visibleStart); i < n; ++i) {
    if (y + heights[i] > bottom) break;
    rects[i] = {itemsRect.Left, y, itemsRect.Right, y + heights[i]};
    visible[i] = true;
    y += heights[i];
  }
}

int LastPageStart(const std::vector<int>& heights, const TRect& itemsRect, bool needsScroll) {
  int room = itemsRect.Height() - (needsScroll ? 2 * kMarker : 0);
  int start = static_cast<int>(heights.size());
  while (start > 0 && room - heights[static_cast<size_t>(start - 1)] >= 0) {
    room -= heights[static_cast<size_t>(start - 1)];
    --start;
  }
  return start;
}

int NextSelectableItem(const std::vector<bool>& selectable, int from, bool forward) {
  int n = static_cast<int>(selectable.size());
  if (n == 0) return -1;
  int i = from < 0 ? (forward ? -1 : n) : from;
  for (int step = 0; step < n; ++step) {
    i = forward ? (i + 1) % n : (i - 1 + n) % n;
    if (selectable[static_cast<size_t>(i)]) return i;
  }
  return -1;
}

TRect TopScrollMarker(const TRect& r) { return {r.Left, r.Top, r.Right, r.Top + kMarker}; }
TRect BottomScrollMarker(const TRect& r) { return {r.Left, r.Bottom - kMarker, r.Right, r.Bottom}; }
TRect PlainTopScrollMarker(int width) { return {3, 3, width - 3, 13}; }
TRect PlainBottomScrollMarker(int width, int height) { return {3, height - 10, width - 3, height - 3}; }
