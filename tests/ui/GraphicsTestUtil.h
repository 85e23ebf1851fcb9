#pragma once
// Reading pixels back from bitmaps in the graphics tests.
#include <algorithm>

#include "ui/Bitmap.h"

// The pixel at (x, y) as a plain TColor (0x00BBGGRR).
inline TColor PixelAt(const TBitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.ScanLine(y) + x * bitmap.BytesPerPixel();
  return RGBColor(p[2], p[1], p[0]);
}

// How many pixels of `colour` (or, with `other`, of any other colour) lie in `area`.
inline int CountColour(const TBitmap& bitmap, TColor colour, TRect area, bool other = false) {
  int n = 0;
  for (int y = std::max(area.Top, 0); y < std::min(area.Bottom, bitmap.Height()); ++y)
    for (int x = std::max(area.Left, 0); x < std::min(area.Right, bitmap.Width()); ++x)
      n += (PixelAt(bitmap, x, y) == colour) != other;
  return n;
}

inline int CountColour(const TBitmap& bitmap, TColor colour) {
  return CountColour(bitmap, colour, TRect(0, 0, bitmap.Width(), bitmap.Height()));
}

inline int CountOther(const TBitmap& bitmap, TColor colour, TRect area) {
  return CountColour(bitmap, colour, area, true);
}

inline int CountOther(const TBitmap& bitmap, TColor colour) {
  return CountOther(bitmap, colour, TRect(0, 0, bitmap.Width(), bitmap.Height()));
}
