#include "Brush.h"

#include <windows.h>

#include "Exception.h"

void TBrush::Assign(const TBrush& source) {
  if (FColor == source.FColor && FStyle == source.FStyle) return;
  FColor = source.FColor;
  FStyle = source.FStyle;
  Changed();
}

void TBrush::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

HBRUSH TBrush::Handle() {
  if (FHandle) return FHandle.Get();
  LOGBRUSH lb{};
  lb.lbStyle = IsClear() ? BS_NULL : BS_SOLID;
  lb.lbColor = ColorToRGB(FColor);
  FHandle.Reset(CreateBrushIndirect(&lb));
  if (!FHandle) throw EOSError("A brush could not be created");
  return FHandle.Get();
}
