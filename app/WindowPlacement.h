#pragma once
// Where the main window starts: the stored position, or centred on the primary
// screen when there is none or it would put the window past the screen's right
// or bottom edge. There is no lower bound: a negative stored value is kept.
#include <optional>
#include <vector>

#include "ui/Types.h"

// W x H the screen, w x h the window's outer size; "div" truncates toward zero.
TPoint PlaceWindow(int W, int H, int w, int h, std::optional<int> storedLeft,
                   std::optional<int> storedTop);
// The same, and a place that leaves the window entirely outside every one of
// `workAreas` (a position stored while the window was off the screens, or a monitor
// since taken away) gives way to the centred place. A place that shows any part of
// the window is kept as it is. No work areas at all: nothing to check against.
TPoint PlaceWindow(int W, int H, int w, int h, std::optional<int> storedLeft,
                   std::optional<int> storedTop, const std::vector<TRect>& workAreas);

// The work areas of the monitors on the desktop, the primary's first.
std::vector<TRect> MonitorWorkAreas();
