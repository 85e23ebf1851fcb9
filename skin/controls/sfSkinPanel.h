#pragma once
// TsfSkinPanel: the skinned container. It paints a panel-kind definition around and
// under its children, or a plain system-coloured look with a bevel, and can show a
// caption strip with a check box and a roll-up arrow.
#include <memory>
#include <string>

#include "sfSkinCustomControl.h"
#include "sfSkinPanelCaption.h"

enum TsfSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

class TCustomImageList;

// The values a panel copies from its panel-kind definition.
struct TsfPanelSkinValues {
  int bgpictureindex = -1;
  TRect captionrect;
  TAlignment alignment = taCenter;
  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0;
  TRect checkimagerect, uncheckimagerect, markframerect, framerect, frametextrect;
  int frameleftoffset = 0, framerightoffset = 0;
  TRect gripperrect;
  bool grippertransparent = false;
  TColor grippertransparentcolor = 0;
};

class TsfSkinPanel : public TsfSkinCustomControl {
 public:
  explicit TsfSkinPanel(TComponent* AOwner);
  ~TsfSkinPanel() override;

  TsfSkinBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TsfSkinBorderStyle value);
  bool CaptionMode() const { return FCaptionMode; }
  virtual void SetCaptionMode(bool value);
  int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
  virtual void SetDefaultCaptionHeight(int value);
  TAlignment DefaultAlignment() const { return FDefaultAlignment; }
  void SetDefaultAlignment(TAlignment value);
  bool CheckedMode() const { return FCheckedMode; }
  void SetCheckedMode(bool value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  bool AutoEnabledControls() const { return FAutoEnabledControls; }
  void SetAutoEnabledControls(bool value) { FAutoEnabledControls = value; }
  bool RollUpMode() const { return FRollUpMode; }
  void SetRollUpMode(bool value);
  bool RollUpState() const { return FRollUpState; }
  void SetRollUpState(bool value);
  // The height before rolling up; -1 while not rolled up.
  int RealHeight() const { return FRealHeight; }
  void SetRealHeight(int value) { FRealHeight = value; }
  // Glyph strip shown before the caption; the second glyph when disabled.
  TBitmap& Glyph() { return *FGlyph; }
  void SetGlyph(const TBitmap& value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int value);
  // An image shown before the caption instead of the glyph.
  TCustomImageList* CaptionImageList() const { return FCaptionImageList; }
  void SetCaptionImageList(TCustomImageList* value);
  int CaptionImageIndex() const { return FCaptionImageIndex; }
  void SetCaptionImageIndex(int value);
  TsfImagePosition ImagePosition() const { return FImagePosition; }
  void SetImagePosition(TsfImagePosition value);
  bool TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(bool value);

  TNotifyEvent OnChecked;
  TNotifyEvent OnChangeRollUpState;

  const TsfPanelSkinValues& PanelSkin() const { return FPanelSkin; }
  // The plain caption strip and the part of it that holds the text.
  TRect PlainCaptionRect() const;
  TRect PlainTextArea() const;
  // The caption rectangle as the last skinned paint laid it out.
  const TRect& SkinCaptionRect() const { return FSkinCaptionRect; }

  void AdjustClientRect(TRect& rect) const override;
  void FetchSkin() override;
  void ApplySkin() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

 protected:
  void Paint() override;
  void DrawDefaultImage(TBitmap& B) override;
  // The plain look over the whole control: the face, its bevel and the caption.
  // Unskinned, it is drawn straight on the control: a plain face does not flicker,
  // and a panel covered by its children draws only its visible edges.
  virtual void DrawPlainFace(TCanvas& C);
  void DrawSkinImage(TBitmap& B) override;
  // Called at the end of the transparent paints, for a descendant to draw over them.
  virtual void PaintOverlay(TCanvas& C) { (void)C; }
  // The pen of the transparent looks: the picture's pixel in the middle of the skin
  // image's bottom row.
  TColor TransparentPenColor();
  void ParentBackgroundChanged() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Does the picture have a background of its own for the client area.
  bool HasBackgroundPicture() const;

 private:
  void PaintTransparent();
  void PaintFrameCaption();
  void PaintClientOnly();
  void PaintBackgroundPicture();
  void DrawPlainCaption(TCanvas& C);
  void DrawSkinCaption(TCanvas& C, const TRect& r);
  void DrawCaptionFrame(TCanvas& C, const TRect& frame);
  void DrawCheckImage(TCanvas& C, TPoint at);
  TRect CheckImageRect() const;
  void SetSkinCaptionFont(TCanvas& C);
  void ApplyResourceCharset(TFont& font) const;
  // The skinned caption prefers the list's image to the glyph; the plain one
  // shows the list's image only when there is no glyph.
  bool UsesListImage(bool listFirst) const;
  void DrawCaptionImage(TCanvas& C, TPoint at, bool listFirst);
  TPoint CaptionImageSize(bool listFirst) const;
  void Roll();
  int RolledUpHeight();
  void RealignIfPlain();
  void SaveConstraints();
  void RestoreConstraints();

  TsfSkinBorderStyle FBorderStyle = bvFrame;
  bool FCaptionMode = false;
  int FDefaultCaptionHeight = 22;
  TAlignment FDefaultAlignment = taLeftJustify;
  bool FCheckedMode = false;
  bool FChecked = false;
  bool FAutoEnabledControls = true;
  bool FRollUpMode = false;
  bool FRollUpState = false;
  int FRealHeight = -1;
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  int FSpacing = 2;
  int FCaptionImageIndex = -1;
  TsfImagePosition FImagePosition = sfipDefault;
  bool FTransparentMode = false;
  TsfPanelSkinValues FPanelSkin;
  TRect FSkinCaptionRect;
  TCustomImageList* FCaptionImageList = nullptr;
  TSizeConstraints FSavedConstraints;
  bool FConstraintsSaved = false;
};

// Makes `font` the font a definition names (fontname, fontheight, fontstyle, fontcolor).
void AssignSkinFont(TFont& font, const std::string& name, int height, TsfFontStyles style,
                    TColor color);
