#pragma once
// The pictures of the window frame and its companions: the main picture, its inactive
// form and its mask, the caption buttons and caption frame, the popup menu frame and
// items, the hint window, and the backgrounds of client areas and tool bars.
#include <vector>

#include "SkinCanvas.h"
#include "SkinLayout.h"

// The main picture: the client rectangle with borders as wide as its left one round it.
TSkinCanvas PaintMainPicture(const TSkinLayout& layout);
// The frame of an inactive window: a calmer title bar and outline.
TSkinCanvas PaintInactivePicture(const TSkinLayout& layout);
// Black where the window is, white where its rounded corners cut it away.
TSkinCanvas PaintMaskPicture(const TSkinLayout& layout);
TSkinCanvas PaintCaptionButtons(const TSkinLayout& layout);
TSkinCanvas PaintPopupWindow(const TSkinLayout& layout);
TSkinCanvas PaintMenuItems(const TSkinLayout& layout);
TSkinCanvas PaintHintWindow(const TSkinLayout& layout);
TSkinCanvas PaintMdiBackground(const TSkinLayout& layout);
// The client background of [FORMINFO] bgpictureindex: a calm fade down the window,
// a narrow strip meant to be stretched to the window's height and repeated across.
TSkinCanvas PaintClientBackground(const TSkinLayout& layout);
// The background of the tool bar ([toolpanel] bgpictureindex), which its transparent
// buttons show through: the tool bar's face on fine paper grain, as high as the bar.
TSkinCanvas PaintToolBarBackground(const TSkinLayout& layout);

// The colours of the title bar, which the caption buttons' normal images must keep
// exactly to join it without a seam, as stored.
std::vector<TRgb> TitleBarColours(const TSkinLayout& layout);
