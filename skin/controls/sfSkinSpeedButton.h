#pragma once
// TsfSkinSpeedButton: a windowless push button for tool bars. It can stay down,
// work as one of a group of which at most one is down, repeat its click while held,
// and show a caption with a glyph. A group button clicks on the press that puts it
// down; an independent one on a release over it.
#include <memory>
#include <string>

#include "sfButtonFace.h"
#include "sfGraphicSkinCustomControl.h"
#include "sfPlainDraw.h"

class TCustomImageList;

class TsfSkinSpeedButton : public TsfGraphicSkinCustomControl {
 public:
  explicit TsfSkinSpeedButton(TComponent* AOwner);
  ~TsfSkinSpeedButton() override;

  bool Down() const { return FDown; }
  // Setting it never clicks; a group button going down releases the others.
  void SetDown(bool value);
  // 0: an independent button; otherwise its group among the sibling speed buttons.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value) { FGroupIndex = value; }
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value) { FAllowAllUp = value; }
  // Also sets Transparent.
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
  bool Transparent() const { return !Opaque(); }
  void SetTransparent(bool value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool value);
  int WidthWithCaption() const { return FWidthWithCaption; }
  void SetWidthWithCaption(int value) { FWidthWithCaption = value; }
  int WidthWithoutCaption() const { return FWidthWithoutCaption; }
  void SetWidthWithoutCaption(int value) { FWidthWithoutCaption = value; }
  // A strip of NumGlyphs glyphs: up, disabled, pressed, down.
  TBitmap& Glyph() { return *FGlyph; }
  void SetGlyph(const TBitmap& value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int value);
  // Shown when Glyph is empty; on a tool bar the tool bar's image lists come first.
  TCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TCustomImageList* value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  TsfButtonLayout Layout() const { return FLayout; }
  void SetLayout(TsfButtonLayout value);
  // -1 centres glyph and caption; values below -1 are ignored.
  int Margin() const { return FMargin; }
  void SetMargin(int value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int value);
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool value);
  bool UseSkinFontColor() const { return FUseSkinFontColor; }
  void SetUseSkinFontColor(bool value);
  // An independent button repeats its click while held.
  bool RepeatMode() const { return FRepeatMode; }
  void SetRepeatMode(bool value) { FRepeatMode = value; }
  int RepeatInterval() const { return FRepeatInterval; }
  void SetRepeatInterval(int value) { FRepeatInterval = value; }

  // The pointer is over the button (or a press on it has not been released).
  bool MouseIn() const { return FMouseIn; }
  double MorphFactor() const { return FTransitions.MorphFactor(); }
  const TsfButtonSkinValues& ButtonSkin() const { return FButtonSkin; }

  // OnClick (or the action) is raised here and nowhere else.
  virtual void ButtonClick();
  void Click() override { ButtonClick(); }
  // Copies an action's image into an empty Glyph.
  void ActionChange(TBasicAction* Sender, bool CheckDefaults) override;
  // The accelerator of Caption (CM_DIALOGCHAR) clicks the button.
  void WndProc(TMessage& message) override;

  void FetchSkin() override;
  void ApplySkin() override;
  void CalcSkinSize(int& w, int& h) override;

 protected:
  void Paint() override;
  void DrawDefaultImage(TBitmap& B) override;
  void DrawSkinImage(TBitmap& B) override { (void)B; }
  // The skinned face of image R of the picture.
  virtual void DrawButtonImage(TBitmap& B, const TRect& R, bool active, bool down);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void EnabledChanged() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Down and showing it: with the pointer over it, or as a group button.
  virtual bool ShowsDownLook() const { return FDown && (FMouseIn || InGroup()); }
  void SetMouseIn(bool value) { FMouseIn = value; }
  TsfGlyphCaption GlyphCaption(bool pressed) const;
  // Glyph and caption alone on the parent's background, in the definition's font
  // when `skinFont` (and UseSkinFont), else DefaultFont, in `color`.
  void PaintCaptionOnly(const TRect& area, TColor color, bool skinFont);

 private:
  // The image list and index shown in place of an empty glyph (none: List nullptr).
  struct TImageChoice {
    const TCustomImageList* List = nullptr;
    int Index = -1;
    bool Enabled = true;
  };
  TImageChoice ChooseImage() const;
  TsfButtonFaceSource FaceSource();
  bool InGroup() const { return FGroupIndex != 0; }
  void PaintSkinned();
  bool MorphingActive() const;
  void MorphOrRepaint();
  bool AnimationApplies() const;
  void StartAnimation(bool inward);

  bool FDown = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FFlat = false;
  bool FShowCaption = true;
  int FWidthWithCaption = 0;
  int FWidthWithoutCaption = 0;
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  TCustomImageList* FImageList = nullptr;
  int FImageIndex = 0;
  TsfButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 1;
  bool FUseSkinSize = true;
  bool FUseSkinFontColor = true;
  bool FRepeatMode = false;
  int FRepeatInterval = 100;

  bool FMouseIn = false;
  bool FReleaseOnUp = false;
  TsfButtonSkinValues FButtonSkin;
  TRect FNormalImage;  // skinrect, or the animation's frame on the way out
  TsfButtonTransitions FTransitions;
};
