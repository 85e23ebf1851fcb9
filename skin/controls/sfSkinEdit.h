#pragma once
// TsfSkinCustomEdit and TsfSkinEdit: the one-line edit wearing an edit definition.
// The frame is painted in the window's non-client area, the text area's background
// from the client piece of the same image under the platform's transparent text,
// and in button mode a button sits at the right end.
#include <memory>
#include <string>

#include "sfCustomEdit.h"
#include "sfSkinBinding.h"
#include "sfSkinnable.h"
#include "ui/Bitmap.h"
#include "skin/data/sfSkinValues.h"
#include "ui/GdiObject.h"

class TsfDataSkinEditControl;

// What the edit takes from its definition.
struct TsfEditSkin {
  TBitmap* Picture = nullptr;
  TRect S, Hot;              // skinrect; activeskinrect or skinrect when empty
  int LeftFixed = 0;         // LT.x
  int RightFixed = 0;        // W_S - RT.x
  int RTx = 0;
  TRect Cl;
  std::string FontName = "Arial";
  int FontHeight = 14;
  TsfFontStyles FontStyle;
  TColor FontColor = 0, DisabledFontColor = 0, ActiveFontColor = 0;
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
  bool StretchEffect = false;
};

struct TsfEditLayout {
  TRect TextArea;  // window coordinates
  TRect Button;    // empty without a button
};
// The text area and the button of an edit of width x height; `skin` nullptr when
// unskinned.
TsfEditLayout EditLayout(int width, int height, bool buttonMode, const TsfEditSkin* skin, bool useSkinFont);

class TsfSkinCustomEdit : public TsfCustomEdit, public TsfSkinnable {
 public:
  explicit TsfSkinCustomEdit(TComponent* AOwner);
  ~TsfSkinCustomEdit() override;

  TsfSkinData* SkinData() const override { return FBinding.SkinData(); }
  virtual void SetSkinData(TsfSkinData* value);
  const std::string& SkinDataName() const { return FBinding.Name(); }
  void SetSkinDataName(const std::string& value) { FBinding.SetName(value); }
  bool Skinned() const { return FSkinned; }
  void ApplySkin() override;
  void FetchSkin();
  const TsfEditSkin& EditSkin() const { return FSkin; }

  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor value);
  TFont& DefaultFont() { return FDefaultFont; }
  void SetDefaultFont(const TFont& value);
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool value);
  int DefaultWidth() const { return FDefaultWidth; }
  void SetDefaultWidth(int value);
  int DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int value);
  bool ButtonMode() const { return FButtonMode; }
  void SetButtonMode(bool value);
  bool ButtonHot() const { return FButtonHot; }
  bool ButtonPressed() const { return FButtonPressed; }
  bool Hot() const { return FHot; }

  TsfEditLayout Layout();
  // The text's height from the font's metrics, plus the frame.
  int MetricHeight();
  // The frame as it is painted (Width x Height).
  void PaintFrame(TBitmap& image);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void WndProc(TMessage& message) override;

  TNotifyEvent OnButtonClick;

 protected:
  void MouseEnter() override;
  void MouseLeave() override;
  void DoEnter() override;
  void DoExit() override;
  void EnabledChanged() override;
  void Loaded() override;
  HBRUSH BackgroundBrush() override;
  TsfSkinData* MenuSkinData() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void CopyDefinition(const TsfDataSkinEditControl& d);
  void FrameChanged();
  void RepaintAll();
  void SetButtonHot(bool value);
  void FollowHotColour();
  bool HandleNonClient(TMessage& m);
  void PaintNonClient();
  void PaintDisabled();
  void DrawSkinButton(TBitmap& image, const TsfEditLayout& l);
  void DrawPlainFrame(TBitmap& image, const TsfEditLayout& l);

  TsfSkinBinding FBinding{*this};
  TsfEditSkin FSkin;
  bool FSkinned = false;
  TColor FDefaultColor = clWindow;
  TFont FDefaultFont;
  bool FUseSkinFont = true;
  int FDefaultWidth = 0, FDefaultHeight = 0;
  bool FButtonMode = false;
  bool FHot = false, FButtonHot = false, FButtonPressed = false;
  TBrushHandle FBackground;
  TBitmap FBackgroundImage;
};

class TsfSkinEdit : public TsfSkinCustomEdit {
 public:
  using TsfSkinCustomEdit::TsfSkinCustomEdit;
};
