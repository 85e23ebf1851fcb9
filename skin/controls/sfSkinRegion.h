#pragma once
// The window region of a skinned control: its mask picture cut to the control's
// current size by the control's resize mode.
#include "sfSkinGeometry.h"
#include "ui/GdiObject.h"

class TBitmap;

// Nine-part: the resized mask. Horizontal: the same routine with the mask's left and
// right parts running the full height; vertical likewise with top and bottom parts.
// Fixed: the mask as it is. No region for mode none.
TRegionHandle SkinMaskRegion(const TBitmap& mask, const TsfSkinGeometry& g, int width, int height);
