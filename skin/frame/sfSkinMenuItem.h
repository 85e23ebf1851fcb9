#pragma once
// TsfSkinMenuItem: one entry of a skinned popup window, wrapping the menu item it
// shows, and the drawing of an entry from the skin's menu-item object or plainly.
#include "ui/Types.h"

class TBitmap;
class TCanvas;
class TCustomImageList;
class TFont;
class TMenuItem;
class TsfDataSkinMenuItem;

class TsfSkinMenuItem {
 public:
  TsfSkinMenuItem(TMenuItem* item, const TsfDataSkinMenuItem* def, TBitmap* picture);
  virtual ~TsfSkinMenuItem() = default;

  TMenuItem* MenuItem() const { return FMenuItem; }
  const TsfDataSkinMenuItem* Definition() const { return FDefinition; }
  // The definition's picture; nullptr when it has none (its rectangles count as empty).
  TBitmap* Picture() const { return FPicture; }
  bool IsDivider() const;
  bool Enabled() const;
  // May become the active item.
  bool Selectable() const { return Enabled() && !IsDivider(); }
  bool HasChildren() const;

  bool Active = false;        // highlighted
  bool Down = false;          // its submenu is open
  bool Visible = false;       // inside the scrolled range
  bool SelectedAtOpen = false;
  double MorphFactor = 0;
  TRect Rect;                 // window coordinates

  // A transition is unfinished. Transitions are not run by this menu (the item
  // images change at once), so only a left-over factor counts.
  virtual bool Unfinished() const {
    return Visible && ((Active && MorphFactor < 1) || (!Active && MorphFactor > 0));
  }

 private:
  TMenuItem* FMenuItem;
  const TsfDataSkinMenuItem* FDefinition;
  TBitmap* FPicture;
};

// What an entry is drawn with.
struct TsfMenuItemPaint {
  TFont* Font = nullptr;
  TCustomImageList* Images = nullptr;
  int GlyphColumn = 19;
  // Behind the item when it is not highlighted and the definition asks for it.
  const TBitmap* Background = nullptr;
};

// The item's text rectangle (item coordinates): textrect with its right edge moved by
// the item width minus the skinrect width; plainly the whole item.
TRect MenuItemTextRect(const TsfSkinMenuItem& item, int width, int height);
// The entry drawn into `image`, sized to the item.
void DrawMenuItem(TBitmap& image, const TsfSkinMenuItem& item, const TsfMenuItemPaint& paint);
