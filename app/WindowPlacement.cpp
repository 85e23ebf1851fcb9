#include "app/WindowPlacement.h"

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
