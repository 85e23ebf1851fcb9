#pragma once
// Where the main window starts: the stored position, or centred on the primary
// screen when there is none or it would put the window past the screen's right
// or bottom edge. There is no lower bound: a negative stored value is kept.
#include <optional>

#include "ui/Types.h"

// W x H the screen, w x h the window's outer size; "div" truncates toward zero.
TPoint PlaceWindow(int W, int H, int w, int h, std::optional<int> storedLeft,
                   std::optional<int> storedTop);
