#pragma once
// BMP files of 8 bits per pixel. An image of few colours keeps them exactly; one of
// more is reduced by median cut, except for the colours asked to be kept, so that an
// image meant to join another seamlessly (a button on the title bar) still does.
#include <cstdint>
#include <vector>

#include "SkinCanvas.h"

struct TPaletteBmp {
  std::vector<std::uint8_t> File;
  int Colours = 0;     // distinct colours of the image
  bool Exact = false;  // every pixel kept its colour
};

// A bottom-up 8-bit BMP whose colour table has `entries` entries (unused ones black).
TPaletteBmp EncodeBmp8(const TBmpImage& image, int entries, const std::vector<TRgb>& keep = {});
