#pragma once
// TCustomControl: a window of our own that paints itself through Paint on a canvas.
#include <memory>

#include "Canvas.h"
#include "WinControl.h"

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;

  TCanvas& Canvas() { return *FCanvas; }

 protected:
  // Draws the whole control; the canvas is an off-screen buffer in client coordinates.
  virtual void Paint();
  void PaintWindow(HDC dc) override;

 private:
  std::unique_ptr<TCanvas> FCanvas;
};
