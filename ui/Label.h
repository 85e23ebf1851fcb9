#pragma once
// TCustomLabel and TLabel: a windowless line (or block) of text painted on the
// parent's surface, optionally sizing itself to the text.
#include <string>

#include "GraphicControl.h"

class TWinControl;

class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* AOwner);
  ~TCustomLabel() override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return FLayout; }
  virtual void SetLayout(TTextLayout value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  // With it, "&x" shows x underlined and "&&" shows one "&".
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value);
  // A transparent label leaves the parent's surface under its text.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  // The control its accelerator focuses; cleared when that control goes away.
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* value);

 protected:
  void Paint() override;
  // The text that is drawn and measured.
  virtual std::string GetLabelText() const { return Caption(); }
  // Draws the text in `rect` with the DT_ flags (on the canvas, in its font and the
  // label's enabled or disabled colours); with DT_CALCRECT only measures it into
  // `rect`, an empty text measuring as one blank.
  virtual void DoDrawText(TRect& rect, unsigned flags);
  // Gives the label the size of its text when AutoSize is on and it is not loading.
  virtual void AdjustBounds();
  // Alignment, expanded tabs, word break when WordWrap, no prefix without ShowAccelChar.
  unsigned DrawTextFlags() const;
  // Measures the text with DoDrawText(DT_CALCRECT | flags) starting from `rect`, on
  // the canvas in use or, outside painting, on a screen dc.
  TRect MeasureText(TRect rect, unsigned flags);

  void FontChanged() override;
  void TextChanged() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  bool FAutoSize = true;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
  bool FTransparent = false;
  TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
};
