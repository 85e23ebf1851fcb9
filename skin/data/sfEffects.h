#pragma once
// TsfEffectBmp: a 24-bit copy of a picture in a DIB section of its own, on which the
// transitions and inactive looks of sfEffectsCore.h run, and which then draws itself.
// Made for one drawing step and freed right after; it shares nothing with the picture
// it was copied from.
#include "sfEffectsCore.h"
#include "ui/GdiObject.h"
#include "ui/WinHandles.h"

class TBitmap;

class TsfEffectBmp : public TsfEffectPixels {
 public:
  // The pixels of `bitmap`, converted to 24 bits through a display DC; a null handle
  // gives an empty buffer. The bitmap must not be selected into a DC: for a TBitmap,
  // which keeps its own selected, take the other constructor.
  explicit TsfEffectBmp(HBITMAP bitmap);
  explicit TsfEffectBmp(const TBitmap& bitmap);

  HBITMAP Handle() const { return FHandle.Get(); }
  // The whole buffer at (x, y), 1:1.
  void Draw(HDC dc, int x, int y) const;
  // Makes `bitmap` a 24-bit copy of the buffer.
  void AssignTo(TBitmap& bitmap) const;

 private:
  void CreateDib(int width, int height);

  TBitmapHandle FHandle;
};
