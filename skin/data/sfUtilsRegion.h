#pragma once
// Window regions from masks: the pure black pixels of a mask make the region, white
// (or any other colour) is cut away. A mask for a resized window is first resized
// itself, by tiling its border bands, and the window's new client rectangle is added.
#include <cstdint>
#include <vector>

#include "sfUtilsPieces.h"
#include "ui/Bitmap.h"
#include "ui/GdiObject.h"
#include "ui/WinHandles.h"

// RGNDATA (RDH_RECTANGLES) of the black runs of `bitmap` (an HBITMAP in no device
// context, or a framework bitmap), moved by (dx, dy); its bounding rectangle is the
// bitmap's rectangle moved alike, and the vector's size is the data's size (32 + 16 x
// count). It holds as many rectangles as the mask has runs. An empty bitmap gives no
// data.
std::vector<std::uint8_t> CreateRgnDataFromBitmap(HBITMAP bitmap, int dx, int dy);
std::vector<std::uint8_t> CreateRgnDataFromBitmap(const TBitmap& bitmap, int dx, int dy);

// A region made from such data, built in pieces so that any number of rectangles
// works; no region for empty data.
TRegionHandle CreateRgnFromData(const std::vector<std::uint8_t>& data);

// The region of the black pixels of `bitmap` at (dx, dy); no region for an empty one.
TRegionHandle CreateRgnFromBitmap(const TBitmap& bitmap, int dx = 0, int dy = 0);
TRegionHandle CreateRgnFromBitmap(HBITMAP bitmap, int dx = 0, int dy = 0);

// The mask's four border bands resized to the new geometry by tiling (top W' x Cl.Top,
// bottom W' x (H - Cl.Bottom), left Cl.Left x Cl' height, right (W - Cl.Right) x Cl'
// height), as hit-testing reads them.
struct TsfMaskBandImages {
  TBitmap Top, Bottom, Left, Right;
};
void CreateMaskBandImages(TsfMaskBandImages& images, const TBitmap& mask,
                          const TsfNinePartGeometry& g, const TsfNinePartGeometry& ng,
                          int newWidth);

// The region of `mask` (geometry `g`) resized to newWidth x newHeight (geometry
// `ng`): the black pixels of its four resized bands united with the whole new client
// rectangle. No region when the new corners are out of order or Cl' is empty.
TRegionHandle CreateRgnFromResizedMask(const TBitmap& mask, const TsfNinePartGeometry& g,
                                       const TsfNinePartGeometry& ng, int newWidth,
                                       int newHeight);
// The bands already made by CreateMaskBandImages, placed for the new geometry.
TRegionHandle CreateRgnFromMaskBands(const TsfMaskBandImages& bands, const TsfNinePartGeometry& ng);

