#pragma once
// TsfSkinToolBar: a panel that centres its children vertically in its client area
// and hands its flat look and skin data to its speed buttons.
#include "sfSkinPanel.h"

class TCustomImageList;

class TsfSkinToolBar : public TsfSkinPanel {
 public:
  explicit TsfSkinToolBar(TComponent* AOwner);

  // Children are centred vertically in the client area.
  bool AdjustControls() const { return FAdjustControls; }
  void SetAdjustControls(bool value);
  // Copied to every child speed button when set.
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
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
  void SetCanScroll(bool value) { FCanScroll = value; }
  bool HotScroll() const { return FHotScroll; }
  void SetHotScroll(bool value) { FHotScroll = value; }
  // Pixels per scroll step (0: one client width); negative values are ignored.
  int ScrollOffset() const { return FScrollOffset; }
  void SetScrollOffset(int value);
  // Milliseconds between scroll steps; 0 or less is ignored.
  int ScrollTimerInterval() const { return FScrollTimerInterval; }
  void SetScrollTimerInterval(int value);

  // Images its speed buttons show by their ImageIndex: hot or down ones from
  // HotImages, disabled ones from DisabledImages, when those are set.
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* value);
  TCustomImageList* HotImages() const { return FHotImages; }
  void SetHotImages(TCustomImageList* value);
  TCustomImageList* DisabledImages() const { return FDisabledImages; }
  void SetDisabledImages(TCustomImageList* value);

  // Also given to every child speed button present now.
  void SetSkinData(TsfSkinData* value) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // The top at which a child `height` high sits centred in the client area.
  int CentredTop(int height) const;
  // With AdjustControls, every child is centred vertically whatever top it is given.
  bool PlaceChildTop(const TControl& child, int height, int& top) const override;

  void WndProc(TMessage& message) override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void CentrePlainChildren();
  void SetImageListRef(TCustomImageList*& field, TCustomImageList* value);

  bool FAdjustControls = true;
  bool FFlat = false;
  bool FShowCaptions = false;
  bool FAutoShowHideCaptions = false;
  int FWidthWithCaptions = 0;
  int FWidthWithoutCaptions = 0;
  bool FCanScroll = false;
  bool FHotScroll = false;
  int FScrollOffset = 0;
  int FScrollTimerInterval = 50;
  TCustomImageList* FImages = nullptr;
  TCustomImageList* FHotImages = nullptr;
  TCustomImageList* FDisabledImages = nullptr;
};
