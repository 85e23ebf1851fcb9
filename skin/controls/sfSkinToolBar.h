#pragma once
// TsfSkinToolBar: a panel that centres its children vertically in its client area,
// hands its flat look, skin data and image lists to its speed buttons, and can
// scroll children that do not fit with two arrows in its non-client area.
#include "sfSkinPanel.h"

class TsfDataSkinButtonControl;
class TCustomImageList;

// Hit-test codes of the scroll arrows in the tool bar's non-client area.
constexpr int sfHitScrollLeft = 30;
constexpr int sfHitScrollRight = 31;
// The scroll timer's id, and the arrows' width.
constexpr unsigned sfScrollTimerId = 1;
constexpr int sfScrollArrowWidth = 12;

class TsfSkinToolBar : public TsfSkinPanel {
 public:
  explicit TsfSkinToolBar(TComponent* AOwner);

  // Children are centred vertically in the client area.
  bool AdjustControls() const { return FAdjustControls; }
  void SetAdjustControls(bool value);
  // Copied to every child speed button when set.
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
  // Images of the child speed buttons that have no glyph. Setting Images repaints
  // them; the hot and disabled lists are only stored.
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* value);
  TCustomImageList* HotImages() const { return FHotImages; }
  void SetHotImages(TCustomImageList* value);
  TCustomImageList* DisabledImages() const { return FDisabledImages; }
  void SetDisabledImages(TCustomImageList* value);
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool value);
  // ShowCaptions is copied to the speed buttons' ShowCaption.
  bool AutoShowHideCaptions() const { return FAutoShowHideCaptions; }
  void SetAutoShowHideCaptions(bool value) { FAutoShowHideCaptions = value; }
  // When both are set, ShowCaptions switches the width between them.
  int WidthWithCaptions() const { return FWidthWithCaptions; }
  void SetWidthWithCaptions(int value) { FWidthWithCaptions = value; }
  int WidthWithoutCaptions() const { return FWidthWithoutCaptions; }
  void SetWidthWithoutCaptions(int value) { FWidthWithoutCaptions = value; }
  bool CanScroll() const { return FCanScroll; }
  void SetCanScroll(bool value);
  bool HotScroll() const { return FHotScroll; }
  void SetHotScroll(bool value) { FHotScroll = value; }
  // Pixels per scroll step (0: one client width); negative values are ignored.
  int ScrollOffset() const { return FScrollOffset; }
  void SetScrollOffset(int value);
  // Milliseconds between scroll steps; 0 or less is ignored.
  int ScrollTimerInterval() const { return FScrollTimerInterval; }
  void SetScrollTimerInterval(int value);

  // Also given to every child speed button present now.
  void SetSkinData(TsfSkinData* value) override;
  // At design time the speed buttons take the button definition that goes with it.
  void SetSkinDataName(const std::string& value) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void AdjustClientRect(TRect& rect) const override;
  // The top at which a child `height` high sits centred in the client area.
  int CentredTop(int height) const;
  // With AdjustControls, every child is centred vertically whatever top it is given.
  bool PlaceChildTop(const TControl& child, int height, int& top) const override;

  // Scroll state: the arrows, the range maximum, the position and the page.
  bool ArrowsShown() const { return FArrowsShown; }
  int ScrollMax() const { return FScrollMax; }
  int ScrollPosition() const { return FScrollPos; }
  int ScrollPage() const { return FScrollPage; }
  // Which arrow scrolls on the timer: 0 none, 1 left, 2 right.
  int TimerMode() const { return FTimerMode; }
  bool ArrowHot(bool left) const { return left ? FHotLeft : FHotRight; }
  bool ArrowDown(bool left) const { return left ? FDownLeft : FDownRight; }
  // Looks at the children again: shows or hides the arrows and fixes the range.
  void UpdateScrollRange();
  // The image of one arrow in its current state, the arrow's size.
  void DrawArrowImage(TBitmap& B, bool left);

  void WndProc(TMessage& message) override;

 protected:
  void DrawSkinImage(TBitmap& B) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void CentrePlainChildren();
  void ReferToImages(TCustomImageList*& field, TCustomImageList* value);
  // ---- scrolling
  bool HandleScrollMessage(TMessage& m);
  bool HandleArrowMouse(TMessage& m);
  void HoverArrow(bool left);
  void HandleNcCalcSize(TMessage& m);
  int ArrowHitTest(TPoint screen);
  void SetArrowsShown(bool value);
  // The arrows' rectangles in window coordinates, for the current size.
  void PlaceArrows();
  void SetHot(bool left, bool right);
  void PressArrow(int hit);
  void ReleaseArrow();
  void StartScrollTimer(int mode);
  void StopScrollTimer();
  void ScrollStep(int direction);
  void MoveToPosition(int pos);
  void PaintArrows();
  TsfDataSkinButtonControl* ResizeButtonDef() const;

  bool FAdjustControls = true;
  bool FFlat = false;
  TCustomImageList* FImages = nullptr;
  TCustomImageList* FHotImages = nullptr;
  TCustomImageList* FDisabledImages = nullptr;
  bool FShowCaptions = false;
  bool FAutoShowHideCaptions = false;
  int FWidthWithCaptions = 0;
  int FWidthWithoutCaptions = 0;
  bool FCanScroll = false;
  bool FHotScroll = false;
  int FScrollOffset = 0;
  int FScrollTimerInterval = 50;

  bool FArrowsShown = false;
  int FScrollMax = 0;
  int FScrollPos = 0;
  int FRecordedPos = 0;  // the position the children were last moved to
  int FScrollPage = 0;
  int FWidthGrowth = 0;
  bool FHotLeft = false, FHotRight = false;
  bool FDownLeft = false, FDownRight = false;
  bool FTrackingNcLeave = false;
  int FTimerMode = 0;
  TRect FLeftArrow, FRightArrow;
};
