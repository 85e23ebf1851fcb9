#include <windows.h>

#include "sfUtilsParentImage.h"

#include "ui/Canvas.h"
#include "ui/GdiObject.h"
#include "ui/ScopeGuard.h"
#include "ui/WinControl.h"

namespace {

void PaintSiblingsBefore(TControl* control, TWinControl* parent, HDC dc) {
  TRect bounds = control->BoundsRect();
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* sibling = parent->Controls(i);
    if (sibling == control) break;
    if (sibling->IsWindowed() || !sibling->Visible()) continue;
    TRect r = sibling->BoundsRect();
    if (IntersectRect(r, bounds).IsEmpty()) continue;
    TSavedDC saved(dc);
    OffsetViewportOrgEx(dc, r.Left, r.Top, nullptr);
    IntersectClipRect(dc, 0, 0, r.Width(), r.Height());
    sibling->PaintOn(dc);
  }
}

}  // namespace

void GetParentImage(TControl* control, TCanvas& canvas) {
  TWinControl* parent = control ? control->Parent() : nullptr;
  HDC dc = canvas.Handle();
  if (!parent || !dc) return;
  int state = canvas.SaveState();  // our objects out of the dc before others draw on it
  TScopeExit restored([&] { canvas.RestoreState(state); });
  TSavedDC saved(dc);
  OffsetViewportOrgEx(dc, -control->Left(), -control->Top(), nullptr);
  TRect client = parent->ClientRect();
  IntersectClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
  parent->PaintCopy(dc);
  PaintSiblingsBefore(control, parent, dc);
}
