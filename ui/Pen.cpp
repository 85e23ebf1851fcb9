#include "Pen.h"

#include <windows.h>

#include "Exception.h"

namespace {

int PlatformStyle(TPenStyle style) {
  switch (style) {
    case psDash:
      return PS_DASH;
    case psDot:
      return PS_DOT;
    case psClear:
      return PS_NULL;
    default:
      return PS_SOLID;
  }
}

}  // namespace

void TPen::Assign(const TPen& source) {
  if (FColor == source.FColor && FWidth == source.FWidth && FStyle == source.FStyle &&
      FMode == source.FMode)
    return;
  bool sameHandle = FColor == source.FColor && FWidth == source.FWidth && FStyle == source.FStyle;
  FColor = source.FColor;
  FWidth = source.FWidth;
  FStyle = source.FStyle;
  FMode = source.FMode;
  Changed(!sameHandle);
}

void TPen::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();
}

void TPen::SetWidth(int value) {
  if (value < 0) value = 0;
  if (value == FWidth) return;
  FWidth = value;
  Changed();
}

void TPen::SetStyle(TPenStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

// The mode is a state of the DC, not of the pen object: the canvas applies it.
void TPen::SetMode(TPenMode value) {
  if (value == FMode) return;
  FMode = value;
  Changed(false);
}

HPEN TPen::Handle() {
  if (FHandle) return FHandle.Get();
  int style = FColor == clNone ? PS_NULL : PlatformStyle(FStyle);
  FHandle.Reset(CreatePen(style, FWidth, ColorToRGB(FColor)));
  if (!FHandle) throw EOSError("A pen could not be created");
  return FHandle.Get();
}
