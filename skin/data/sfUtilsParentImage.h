#pragma once
// What lies behind a control, for controls that look transparent.
class TCanvas;
class TControl;

// Paints into `canvas` (the control's size, its top-left at 0,0) the parent's copy
// of itself and, over it, every visible windowless sibling that comes before the
// control in the parent's child order and overlaps it. The canvas comes back in
// the state it had, also when a paint fails.
void GetParentImage(TControl* control, TCanvas& canvas);
