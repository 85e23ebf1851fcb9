#pragma once
// TGraphicControl: a windowless control. Its parent paints it (in child order,
// clipped to it) and routes the mouse to it.
#include <memory>

#include "Canvas.h"
#include "Control.h"

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;

  TCanvas& Canvas() { return *FCanvas; }
  void PaintOn(HDC dc) override;

 protected:
  virtual void Paint() {}

 private:
  std::unique_ptr<TCanvas> FCanvas;
};
