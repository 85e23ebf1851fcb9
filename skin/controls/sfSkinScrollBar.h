#pragma once
// TsfSkinScrollBar: a scroll bar drawn by the program: two arrow buttons, a track
// and a thumb, each with normal, hot and pressed looks. It keeps its own range,
// page and position, repeats arrow and page steps while held and lets the thumb be
// dragged.
#include <memory>
#include <string>

#include "sfScrollBarLayout.h"
#include "sfSkinCustomControl.h"
#include "ui/WheelAccumulator.h"

class TsfSkinScrollBar : public TsfSkinCustomControl {
 public:
  explicit TsfSkinScrollBar(TComponent* AOwner);
  ~TsfSkinScrollBar() override;

  TScrollBarKind Kind() const { return FMetrics.Kind; }
  void SetKind(TScrollBarKind value);
  int Min() const { return FMetrics.Min; }
  void SetMin(int value);
  int Max() const { return FMetrics.Max; }
  void SetMax(int value);
  // Clamped to the range (less the page); a change raises OnChange.
  int Position() const { return FMetrics.Position; }
  void SetPosition(int value);
  // 0 gives a thumb of fixed size; otherwise the thumb shows the page. A page that
  // does not fit the range and position is refused.
  int PageSize() const { return FMetrics.PageSize; }
  void SetPageSize(int value);
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int value);
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int value);
  // Sets everything at once without raising OnChange.
  void SetRange(int AMin, int AMax, int APageSize, int APosition);
  // The bar takes the focus and answers the arrow keys and the wheel.
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool value);
  // The bar shares its corner with a second bar.
  bool Both() const { return FBoth; }
  void SetBoth(bool value);
  int BothMarkerWidth() const { return FBothMarkerWidth; }
  void SetBothMarkerWidth(int value);
  const std::string& BothSkinDataName() const { return FBothSkinDataName; }
  void SetBothSkinDataName(const std::string& value) { FBothSkinDataName = value; }

  // The parts as they lie at the current size and position.
  TsfScrollBarLayout Layout() const;
  int HotPart() const { return FHotPart; }
  bool Dragging() const { return FDragging; }

  void FetchSkin() override;
  void ApplySkin() override;
  void WndProc(TMessage& message) override;
  // Asks for a paint unless one is already due, so a burst of range changes (a
  // list being filled) costs one request.
  void Invalidate() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnLastChange;
  // Replace the arrow buttons' own step when set.
  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;
  TNotifyEvent OnPageUp;
  TNotifyEvent OnPageDown;

 protected:
  void DrawDefaultImage(TBitmap& B) override;
  void DrawSkinImage(TBitmap& B) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  enum TTimerMode { tmNone, tmLowRepeat, tmHighRepeat, tmPageBack, tmPageForward };

  bool PartHot(int part) const { return FHotPart == part; }
  bool PartPressed(int part) const { return FCapturedPart == part; }
  void DrawPlainPart(TCanvas& canvas, int part, const TRect& r);
  void DrawSkinThumb(TCanvas& canvas, TBitmap& picture, const TRect& t);
  std::unique_ptr<TBitmap> MakeThumb(TBitmap& picture, const TRect& image, const TRect& glyph,
                                     const TRect& t, bool paged);
  // The bar's picture follows its layout, not the values behind it: a change that
  // leaves every part on the same pixels (a wheel step in a long list moves the
  // thumb by less than one) asks for no paint.
  void InvalidateIfMoved(const TsfScrollBarLayout& before);
  void StepButton(int part);
  void PageStep(bool forward);
  bool MouseBeforeThumb() const;
  bool MouseAfterThumb() const;
  void UpdateHotPart(TPoint p);
  bool EndPress();
  void CancelPress();
  void StartTimer(unsigned ms);
  void StopTimer();
  void TimerTick();
  int AlongBar(TPoint p) const { return Kind() == sbVertical ? p.y : p.x; }

  TsfScrollBarMetrics FMetrics;
  TsfScrollBarSkin FSkinValues;
  // The thumb's last picture and what it was made from: a thumb that only moves
  // (every scroll of a long list) is drawn again from it. ApplySkin drops it.
  struct TThumbKey {
    const TBitmap* Picture = nullptr;
    TRect Image, Glyph;
    int Width = 0, Height = 0;
    bool Vertical = false, Paged = false;
    friend bool operator==(const TThumbKey&, const TThumbKey&) = default;
  };
  TThumbKey FThumbKey;
  std::unique_ptr<TBitmap> FThumbPicture;
  int FSmallChange = 1;
  int FLargeChange = 1;
  bool FCanFocused = false;
  bool FBoth = false;
  int FBothMarkerWidth = 19;
  std::string FBothSkinDataName = "bothhscrollbar";
  std::string FSavedSkinDataName;

  int FHotPart = sfsbNoPart;
  int FCapturedPart = sfsbNoPart;
  bool FDragging = false;
  bool FMousePressed = false;
  TPoint FMousePos;
  int FDragStartCoord = 0;
  int FDragStartOffset = 0;
  TTimerMode FTimerMode = tmNone;
  bool FTimerWait = false;
  bool FTimerRunning = false;
  bool FPaintPending = false;
  TWheelAccumulator FWheel;
};
