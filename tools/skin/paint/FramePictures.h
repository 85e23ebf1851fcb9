#pragma once
// The pictures of the window frame and its companions: the main picture and its mask,
// the caption buttons, the popup menu frame and items, the hint window and the
// background of multi-document client areas.
#include <vector>

#include "SkinCanvas.h"
#include "SkinLayout.h"

// Sizes the program's frame code is written against.
constexpr int kMainWidth = 152, kMainHeight = 125;

TSkinCanvas PaintMainPicture(const TSkinLayout& layout);
// Black where the window is, white where its rounded corners cut it away.
TSkinCanvas PaintMaskPicture(const TSkinLayout& layout);
TSkinCanvas PaintCaptionButtons(const TSkinLayout& layout);
TSkinCanvas PaintPopupWindow(const TSkinLayout& layout);
TSkinCanvas PaintMenuItems(const TSkinLayout& layout);
TSkinCanvas PaintHintWindow(const TSkinLayout& layout);
TSkinCanvas PaintMdiBackground();

// The colours of the title bar, which the caption buttons' normal images must keep
// exactly to join it without a seam.
std::vector<TRgb> TitleBarColours(const TSkinLayout& layout);
