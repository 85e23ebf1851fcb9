#pragma once
// TFxURLLabel: a label that is a hyperlink. A click opens its URL (or, without one,
// its caption) through the shell, after which the label counts as visited.
#include <string>

#include "controls/FxLabel.h"

// The screen's cursor number for the hand over a link.
constexpr TCursor crFxHandPoint = 26000;

class TFxURLLabel : public TFxLabel {
 public:
  explicit TFxURLLabel(TComponent* AOwner);
  ~TFxURLLabel() override;

  // The target: a web address, a mail link or a file; blank means the caption.
  const std::string& URL() const { return FURL; }
  void SetURL(const std::string& value) { FURL = value; }
  bool Visited() const { return FVisited; }
  virtual void SetVisited(bool value);
  TColor VisitedColor() const { return FVisitedColor; }
  virtual void SetVisitedColor(TColor value);
  TColor UnvisitedColor() const { return FUnvisitedColor; }
  virtual void SetUnvisitedColor(TColor value);

  // OnClick first, then the target is opened.
  void Click() override;

 protected:
  // The font takes VisitedColor or UnvisitedColor.
  virtual void ApplyVisitedColor();

 private:
  std::string FURL;
  bool FVisited = false;
  TColor FVisitedColor = RGBColor(128, 0, 128);
  TColor FUnvisitedColor = clHighlight;
};
