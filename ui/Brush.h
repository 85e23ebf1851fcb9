#pragma once
// TBrush: fill colour and style, with its platform brush made when first needed.
#include "GdiObject.h"
#include "GraphicsObject.h"

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
 public:
  TBrush() = default;
  void Assign(const TBrush& source);

  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle value);
  // A clear style or the colour clNone: the brush paints nothing.
  bool IsClear() const { return FStyle == bsClear || FColor == clNone; }

  // Owned and cached until the next change.
  HBRUSH Handle();

 protected:
  void FreeHandle() override { FHandle.Reset(); }
  bool HasHandle() const override { return static_cast<bool>(FHandle); }

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  TBrushHandle FHandle;
};
