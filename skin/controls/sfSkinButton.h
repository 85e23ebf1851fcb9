#pragma once
// TsfSkinButton: the skinned windowed push button. It takes the focus unless told
// not to, sets its form's modal result, can stay down or work in a group like the
// speed button, and repeats its click while held.
#include <functional>
#include <memory>

#include "sfButtonFace.h"
#include "sfPlainDraw.h"
#include "sfSkinCustomControl.h"
#include "ui/Dialogs.h"  // TModalResult

class TCanvas;
class TCustomImageList;
class TForm;

// Called before the caption and glyph are drawn; clearing DrawDefault leaves them out.
using TsfButtonPaintEvent = std::function<void(TObject* Sender, TCanvas& Cnvs, const TRect& R,
                                               bool ADown, bool AMouseIn, bool& DrawDefault)>;

class TsfSkinButton : public TsfSkinCustomControl {
 public:
  explicit TsfSkinButton(TComponent* AOwner);
  ~TsfSkinButton() override;

  // The button takes the focus, shows it and handles keys; also sets TabStop.
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool value);
  // Enter clicks the default button while the focus is on a control that is not a
  // skinned button; Escape clicks the Cancel one.
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  // Copied to the parent form on every click of a focusable button.
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  bool Down() const { return FDown; }
  void SetDown(bool value);
  // A non-zero group also turns CanFocused off.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value) { FAllowAllUp = value; }
  TBitmap& Glyph() { return *FGlyph; }
  void SetGlyph(const TBitmap& value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int value);
  TsfButtonLayout Layout() const { return FLayout; }
  void SetLayout(TsfButtonLayout value);
  int Margin() const { return FMargin; }
  void SetMargin(int value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int value);
  // Its image ImageIndex is shown in place of Glyph when the index lies inside it.
  TCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TCustomImageList* value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool value);
  bool UseSkinFontColor() const { return FUseSkinFontColor; }
  void SetUseSkinFontColor(bool value);
  bool RepeatMode() const { return FRepeatMode; }
  void SetRepeatMode(bool value) { FRepeatMode = value; }
  int RepeatInterval() const { return FRepeatInterval; }
  void SetRepeatInterval(int value) { FRepeatInterval = value; }

  TsfButtonPaintEvent OnPaint;

  // The pointer is over the button, or it is a highlighted default button.
  bool MouseIn() const { return FMouseIn; }
  double MorphFactor() const { return FTransitions.MorphFactor(); }
  const TsfButtonSkinValues& ButtonSkin() const { return FButtonSkin; }
  // This button answers Enter: it has the focus, or it is the Default one while the
  // focus is on a control that is not a skinned button.
  bool ActiveDefault() const { return FActiveDefault; }

  // The modal result (focusable buttons), then OnClick or the action.
  virtual void ButtonClick();
  void Click() override { ButtonClick(); }
  // Copies an action's image into an empty Glyph.
  void ActionChange(TBasicAction* Sender, bool CheckDefaults) override;

  void FetchSkin() override;
  void ApplySkin() override;
  void CalcSkinSize(int& w, int& h) override;
  // With UseSkinSize off the button keeps its rectangle.
  void UpdateSkinRegion() override;
  bool CanFocus() const override;
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void DrawDefaultImage(TBitmap& B) override;
  void DrawSkinImage(TBitmap& B) override { (void)B; }
  // The skinned face of image R of the picture.
  virtual void DrawButtonFace(TBitmap& B, const TRect& R, bool active, bool down);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void DoEnter() override;
  void DoExit() override;
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void KeyUp(std::uint16_t& Key, TShiftState Shift) override;
  void EnabledChanged() override;
  void CreateHandleDone() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  bool InGroup() const { return FGroupIndex != 0; }
  // The button has the focus and shows it.
  bool FocusedButton() const { return FCanFocused && Focused(); }
  bool ShowsDownLook() const;
  TsfGlyphCaption GlyphCaption(bool pressed) const;
  // Asks OnPaint; false when it cleared DrawDefault.
  bool DoPaintEvent(TCanvas& C, const TRect& R, bool down, bool hot);

 private:
  void PaintSkinned();
  TsfButtonFaceSource FaceSource();
  bool HandleDialogKey(TMessage& m);
  bool HandleDialogChar(TMessage& m);
  void FocusChanged(TWinControl* focused);
  bool MorphingActive() const;
  void MorphOrRepaint();
  void StartAnimation(bool inward);
  bool ReactsToPointer() const;

  bool FCanFocused = true;
  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
  bool FDown = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  TsfButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 1;
  TCustomImageList* FImageList = nullptr;
  int FImageIndex = -1;
  bool FUseSkinSize = true;
  bool FUseSkinFontColor = true;
  bool FRepeatMode = false;
  int FRepeatInterval = 100;

  bool FMouseIn = false;
  bool FMousePressed = false;
  bool FReleaseOnUp = false;
  bool FActiveDefault = false;
  TsfButtonSkinValues FButtonSkin;
  TRect FNormalImage;
  TsfButtonTransitions FTransitions;
};

