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
  bool Default() const { return FDefault; }
  void SetDefault(bool value) { FDefault = value; }
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

  // The modal result (focusable buttons), then OnClick.
  virtual void ButtonClick();
  void Click() override { ButtonClick(); }

  void FetchSkin() override;
  void ApplySkin() override;
  void CalcSkinSize(int& w, int& h) override;
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

  bool InGroup() const { return FGroupIndex != 0; }
  // The button has the focus and shows it.
  bool FocusedButton() const { return FCanFocused && Focused(); }
  bool ShowsDownLook() const;
  TsfGlyphCaption GlyphCaption(bool pressed) const;
  // Asks OnPaint; false when it cleared DrawDefault.
  bool DoPaintEvent(TCanvas& C, const TRect& R, bool down, bool hot);

 private:
  void PaintSkinned();
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

// The form a control sits on, or nullptr.
TForm* ParentForm(TControl* control);
