#pragma once
// TsfSkinPopupWindow: one level of a skinned popup menu. A topmost tool window that
// never takes the activation, showing the sub-items of one menu item drawn from the
// skin's popup window picture and its menu-item object (or plainly without them).
#include <memory>
#include <vector>

#include "sfSkinMenuGeometry.h"
#include "sfSkinMenuItem.h"
#include "skin/data/sfUtilsPieces.h"
#include "ui/Bitmap.h"
#include "ui/CustomControl.h"

class TMenuItem;
class TsfSkinMenu;
class TsfDataSkinMenuItem;

class TsfSkinPopupWindow : public TCustomControl {
 public:
  TsfSkinPopupWindow(TsfSkinMenu* menu, TMenuItem* source, int firstIndex);
  ~TsfSkinPopupWindow() override;

  // Makes the items, the window's size, the items' places and the region.
  void Fill();
  // The window's top-left corner for an anchor (screen coordinates).
  TPoint Place(const TRect& anchor, TsfMenuPlacement kind, bool topLevel) const;
  // Shows the window at `pos` (fading in on the menu's first window when asked),
  // starts the mouse timer and marks the first item that may be active.
  void Open(TPoint pos);
  // Hidden at once and its timers stopped; freed later by the menu.
  void HideWindow();

  TMenuItem* Source() const { return FSource; }
  int ItemCount() const { return static_cast<int>(FItems.size()); }
  TsfSkinMenuItem& Item(int index) { return *FItems.at(static_cast<size_t>(index)); }
  int ActiveItem() const { return FActiveItem; }
  bool HasWindowDefinition() const { return FWindowPicture != nullptr; }
  const TsfDataSkinMenuItem* ItemDefinition() const { return FItemDef; }
  TRect ItemsRect() const { return FItemsRect; }
  bool NeedsScroll() const { return FNeedsScroll; }
  bool ScrollLimited() const { return FScrollLimited; }
  int VisibleStart() const { return FVisibleStart; }
  int ScrollDirection() const { return FScrollDirection; }
  TRect TopMarker() const;
  TRect BottomMarker() const;
  int GlyphColumn() const { return FGlyphColumn; }
  TFont& ItemFont() { return FItemFont; }

  // One tick of the mouse timer with the cursor at a screen point.
  void MouseAt(TPoint screen);
  // The left button released at a client point.
  void MouseUpAt(TPoint client);
  // The keyboard of this window; true when the key was taken.
  bool KeyDown(unsigned key);
  // One step of a running scroll.
  void ScrollStep();
  void StopScroll();
  // The index of the visible item at a client point, or -1.
  int ItemAt(TPoint client) const;
  // Makes `index` the active item (the old one left); -1 leaves it with none.
  void Activate(int index, bool byKeyboard);
  // Every item whose submenu is open is set up again.
  void SetUpDownItems();
  void RedrawItem(int index);
  // The whole window as it is painted.
  void PaintTo(TBitmap& image);

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Paint() override;

 private:
  void FindDefinitions();
  void MakeItems();
  int ItemHeight(const TsfSkinMenuItem& item) const;
  int ItemTextWidth(TsfSkinMenuItem& item);
  void ComputeSize(int& width, int& height);
  void Layout();
  void MakeBackground();
  void SetRegion();
  void EnterItem(int index, bool byKeyboard);
  void LeaveItem(int index);
  void StartScroll(int direction);
  void MoveActive(bool forward);
  void ScrollIntoView(int index);
  bool LastItemVisible() const;
  void DrawMarkers(TCanvas& canvas);
  void FadeIn();

  TsfSkinMenu* FMenu;
  TMenuItem* FSource;
  int FFirstIndex;
  std::vector<std::unique_ptr<TsfSkinMenuItem>> FItems;
  int FActiveItem = -1;
  int FVisibleStart = 0;
  bool FNeedsScroll = false;
  bool FScrollLimited = false;
  int FScrollDirection = 0;
  TBitmap* FWindowPicture = nullptr;
  TBitmap* FMaskPicture = nullptr;
  const TsfDataSkinMenuItem* FItemDef = nullptr;
  TBitmap* FItemPicture = nullptr;
  TsfNinePartGeometry FGeometry;
  TRect FItemsRect;
  int FGlyphColumn = 19;
  TFont FItemFont;
  TBitmap FBackground;
  bool FKeepBackground = false;  // the paint buffer of `inactivetransparent`
  TPoint FLastCursor{-32768, -32768};
};
