#include "sfListBoxDrag.h"

#include <cstdlib>

void TsfListBoxDrag::MouseDown(bool onItem, TPoint p) {
  FArmed = Mode == dmAutomatic && onItem;
  FStart = p;
}

void TsfListBoxDrag::Arm(TPoint p, bool immediate) {
  if (FDragging) return;
  FArmed = true;
  FStart = p;
  if (immediate) MouseMove({p.x, p.y + Threshold + 1});
}

void TsfListBoxDrag::MouseMove(TPoint p) {
  if (FDragging) {
    Offer(p, dsDragMove);
    return;
  }
  if (!FArmed || (std::abs(p.x - FStart.x) <= Threshold && std::abs(p.y - FStart.y) <= Threshold)) return;
  FArmed = false;
  FDragging = true;
  if (Start) Start();
  Offer(p, dsDragEnter);
}

bool TsfListBoxDrag::Offer(TPoint p, TDragState state) { return Over && Over(p, state); }

bool TsfListBoxDrag::MouseUp(TPoint p) {
  FArmed = false;
  if (!FDragging) return false;
  FDragging = false;
  bool dropped = Offer(p, dsDragMove);
  if (dropped && Drop) Drop(p);
  if (End) End(dropped, p);
  return true;
}
