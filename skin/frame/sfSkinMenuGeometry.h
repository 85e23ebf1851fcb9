#pragma once
// The arithmetic of skinned popup menus, apart from any window: where a menu window
// goes on the screen, where its items lie, and which item the arrow keys reach.
#include <vector>

#include "ui/Types.h"

enum TsfMenuPlacement {
  mpDown,     // below the anchor (a button, or a point)
  mpUp,       // above the anchor
  mpSubMenu,  // beside the parent item, its first item level with it
};

struct TsfMenuPlaceInput {
  TRect Anchor;      // screen coordinates
  TRect WorkArea;
  int Width = 0, Height = 0;
  TsfMenuPlacement Kind = mpDown;
  bool TopLevel = true;
  int ItemsTop = 0;  // the top of the items rectangle inside the window
  // The window was cut to the work area and scrolls (not a MaxMenuItemsInWindow limit).
  bool ScrolledByWorkArea = false;
};

// The window's top-left corner on the screen.
TPoint PlaceMenuWindow(const TsfMenuPlaceInput& in);

// The items' rectangles inside `itemsRect`, from `visibleStart` on, each as high as
// its entry of `heights`, until one would pass the bottom; a scrolling window keeps
// 10 pixels free at the top and at the bottom for its markers. Items outside the
// shown range get an empty rectangle and `visible` false.
void LayoutMenuItems(const std::vector<int>& heights, const TRect& itemsRect, int visibleStart,
                     bool needsScroll, std::vector<TRect>& rects, std::vector<bool>& visible);

// The first index from which the remaining items fill the room of a scrolling window.
int LastPageStart(const std::vector<int>& heights, const TRect& itemsRect, bool needsScroll);

// The next (forward) or previous item after `from` that may become active, wrapping
// round, searched for one round at most; -1 when there is none. `from` -1 starts
// before the first item (forward) or after the last (backward).
int NextSelectableItem(const std::vector<bool>& selectable, int from, bool forward);

// The scroll markers' rectangles of a scrolling window.
TRect TopScrollMarker(const TRect& itemsRect);
TRect BottomScrollMarker(const TRect& itemsRect);
// Without a window picture the markers sit inside the plain frame of width x height.
TRect PlainTopScrollMarker(int width);
TRect PlainBottomScrollMarker(int width, int height);
