#pragma once
// TFxLabel: the label with borders, raised, recessed and shadowed text, rotated
// text, blinking and a hover colour.
#include <cstdint>

#include "controls/FxFrame.h"
#include "ui/Label.h"

enum TRotation { roNone, roFlat, roCurve };
enum TCenterPoint {
  cpUpperLeft, cpUpperCenter, cpUpperRight, cpLeftCenter, cpCenter, cpRightCenter, cpLowerLeft,
  cpLowerCenter, cpLowerRight
};
enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };
enum TCondenseCaption { ccNone, ccAtEnd, ccWithinPath };

class TFxLabel : public TCustomLabel {
 public:
  explicit TFxLabel(TComponent* AOwner);
  ~TFxLabel() override;

  // Degrees, 0 to 359; a non-zero angle rotates the text (roFlat).
  int Angle() const { return FAngle; }
  virtual void SetAngle(int value);
  TRotation Rotation() const { return FRotation; }
  virtual void SetRotation(TRotation value);
  TCenterPoint CenterPoint() const { return FCenterPoint; }
  virtual void SetCenterPoint(TCenterPoint value);
  TTextStyle TextStyle() const { return FTextStyle; }
  virtual void SetTextStyle(TTextStyle value);
  // Raised and recessed text with the highlight copy only.
  bool LightTextStyle() const { return FLightTextStyle; }
  virtual void SetLightTextStyle(bool value);
  TColor HighlightColor() const { return FHighlightColor; }
  virtual void SetHighlightColor(TColor value);
  TColor ShadowColor() const { return FShadowColor; }
  virtual void SetShadowColor(TColor value);
  int ShadowDepth() const { return FShadowDepth; }
  virtual void SetShadowDepth(int value);
  // Room kept free between the borders and the text, in pixels.
  int TextMargin() const { return FTextMargin; }
  virtual void SetTextMargin(int value);
  // Shortens a caption too long for the label; anything but ccNone ends AutoSize.
  TCondenseCaption CondenseCaption() const { return FCondenseCaption; }
  virtual void SetCondenseCaption(TCondenseCaption value);

  // While blinking, the text shows BlinkColor and the font colour in turn, on the
  // clock shared by all labels.
  bool Blinking() const { return FBlinking; }
  virtual void SetBlinking(bool value);
  TColor BlinkColor() const { return FBlinkColor; }
  virtual void SetBlinkColor(TColor value);
  virtual std::uint16_t BlinkIntervalOn() const;
  virtual void SetBlinkIntervalOn(std::uint16_t value);
  virtual std::uint16_t BlinkIntervalOff() const;
  virtual void SetBlinkIntervalOff(std::uint16_t value);

  // With the pointer over the label its font takes FlyByColor.
  bool FlyByEnabled() const { return FFlyByEnabled; }
  virtual void SetFlyByEnabled(bool value);
  TColor FlyByColor() const { return FFlyByColor; }
  virtual void SetFlyByColor(TColor value);

  TFrameStyle BorderOuter() const { return FBorderOuter; }
  virtual void SetBorderOuter(TFrameStyle value);
  TFrameStyle BorderInner() const { return FBorderInner; }
  virtual void SetBorderInner(TFrameStyle value);
  TSides BorderSides() const { return FBorderSides; }
  virtual void SetBorderSides(TSides value);
  // Room between the outer and the inner border, in BorderColor.
  int BorderWidth() const { return FBorderWidth; }
  virtual void SetBorderWidth(int value);
  int BevelWidth() const { return FBevelWidth; }
  virtual void SetBevelWidth(int value);
  TColor BorderColor() const { return FBorderColor; }
  virtual void SetBorderColor(TColor value);
  TColor BorderHighlight() const { return FBorderHighlight; }
  virtual void SetBorderHighlight(TColor value);
  TColor BorderShadow() const { return FBorderShadow; }
  virtual void SetBorderShadow(TColor value);
  TColor FlatColor() const { return FFlatColor; }
  virtual void SetFlatColor(TColor value);
  int FlatColorAdjustment() const { return FFlatColorAdjustment; }
  virtual void SetFlatColorAdjustment(int value);

  // The font colour as last set, and the colour the text is drawn in (the blink
  // colour while blinking shows it).
  TColor FontColor() const { return FFontColor; }
  TColor CurrentColor() const { return FCurrentColor; }

  // Where the text of an unrotated roFlat caption starts (its top-left corner), for a
  // text `textWidth` wide whose "Pp" is `ppHeight` high, drawn in `textRect`.
  TPoint FlatTextOrigin(const TRect& textRect, int textWidth, int ppHeight) const;
  // The rectangle the caption is drawn in: the client area less the borders,
  // BorderWidth and TextMargin.
  TRect TextRect() const;

  // Called by the shared blinking clock.
  virtual void ShowBlinkState(bool on);

 protected:
  virtual TRect GrowByBorders(const TRect& rect) const;
  virtual TRect ShrinkByBorders(const TRect& rect, bool withBorderWidth) const;

  void Paint() override;
  void AdjustBounds() override;
  void FontChanged() override;
  void Loaded() override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  TFrameColors BorderColors() const;
  TRect DrawBorders();
  unsigned CaptionFlags() const;
  void DrawPlainCaption(const TRect& textRect);
  void DrawFlatCaption(const TRect& textRect);
  // Draws the text copies of the style and the disabled look, then the text, by
  // calling draw(dx, dy, colour) for each.
  template <class F>
  void DrawStyledText(F draw);
  void RequireTrueType();
  void BordersChanged();

  int FAngle = 0;
  TRotation FRotation = roNone;
  TCenterPoint FCenterPoint = cpCenter;
  TTextStyle FTextStyle = tsNormal;
  bool FLightTextStyle = false;
  TColor FHighlightColor = clBtnHighlight;
  TColor FShadowColor = clBtnShadow;
  int FShadowDepth = 2;
  int FTextMargin = 0;
  TCondenseCaption FCondenseCaption = ccNone;
  bool FBlinking = false;
  TColor FBlinkColor = clHighlight;
  bool FFlyByEnabled = false;
  TColor FFlyByColor = clHighlight;
  bool FFlyByActive = false;
  TColor FFlyBySavedColor = clNone;
  TFrameStyle FBorderOuter = fsNone;
  TFrameStyle FBorderInner = fsNone;
  TSides FBorderSides = AllSides;
  int FBorderWidth = 0;
  int FBevelWidth = 1;
  TColor FBorderColor = clBtnFace;
  TColor FBorderHighlight = clBtnHighlight;
  TColor FBorderShadow = clBtnShadow;
  TColor FFlatColor = clBtnShadow;
  int FFlatColorAdjustment = 30;
  TColor FFontColor;
  TColor FCurrentColor;
};
