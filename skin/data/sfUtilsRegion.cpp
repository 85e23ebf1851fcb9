#include <windows.h>

#include "sfUtilsRegion.h"

#include <algorithm>

#include "sfUtilsNinePart.h"
#include "ui/Exception.h"

namespace {

std::vector<std::uint8_t> RegionDataOf(const TsfFBitmap& pixels, int dx, int dy) {
  if (pixels.Width() == 0 || pixels.Height() == 0) return {};
  GdiFlush();
  const std::vector<TRect> runs = MaskRuns(pixels.Bits(), pixels.Width(), pixels.Height(),
                                           pixels.RowLength(), 3, dx, dy);
  return RegionDataBytes(runs, Bounds(dx, dy, pixels.Width(), pixels.Height()));
}

}  // namespace

std::vector<std::uint8_t> CreateRgnDataFromBitmap(HBITMAP bitmap, int dx, int dy) {
  return RegionDataOf(TsfFBitmap(bitmap), dx, dy);
}

std::vector<std::uint8_t> CreateRgnDataFromBitmap(const TBitmap& bitmap, int dx, int dy) {
  return RegionDataOf(TsfFBitmap(bitmap), dx, dy);
}

namespace {

// Rectangles handed to one ExtCreateRegion call; the pieces are united after, so a
// mask of any number of runs gives its whole shape.
constexpr std::size_t kRectsPerPiece = 4000;

TRegionHandle RegionOfRects(std::vector<TRect>::const_iterator first,
                            std::vector<TRect>::const_iterator last) {
  const std::vector<TRect> part(first, last);
  TRect bounds = part.empty() ? TRect() : part.front();
  for (const TRect& r : part)
    bounds = {std::min(bounds.Left, r.Left), std::min(bounds.Top, r.Top),
              std::max(bounds.Right, r.Right), std::max(bounds.Bottom, r.Bottom)};
  const std::vector<std::uint8_t> data = RegionDataBytes(part, bounds);
  TRegionHandle region(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                       reinterpret_cast<const RGNDATA*>(data.data())));
  if (!region) throw EOSError(Format("A region of %d rectangles could not be made",
                                     static_cast<int>(part.size())));
  return region;
}

void Unite(TRegionHandle& into, const TRegionHandle& other) {
  if (!into) {
    into.Reset(CreateRectRgn(0, 0, 0, 0));
    if (!into) throw EOSError("A region could not be made");
  }
  if (other && CombineRgn(into.Get(), into.Get(), other.Get(), RGN_OR) == ERROR)
    throw EOSError("Two regions could not be united");
}

}  // namespace

TRegionHandle CreateRgnFromData(const std::vector<std::uint8_t>& data) {
  if (data.empty()) return {};
  const std::vector<TRect> rects = RegionDataRects(data.data(), data.size());
  if (rects.empty()) return CreateRectRegion({});
  const std::size_t first = std::min(rects.size(), kRectsPerPiece);
  TRegionHandle region = RegionOfRects(rects.begin(), rects.begin() + first);
  for (std::size_t at = first; at < rects.size(); at += kRectsPerPiece) {
    const std::size_t end = std::min(rects.size(), at + kRectsPerPiece);
    Unite(region, RegionOfRects(rects.begin() + at, rects.begin() + end));
  }
  return region;
}

TRegionHandle CreateRgnFromBitmap(HBITMAP bitmap, int dx, int dy) {
  return CreateRgnFromData(CreateRgnDataFromBitmap(bitmap, dx, dy));
}

TRegionHandle CreateRgnFromBitmap(const TBitmap& bitmap, int dx, int dy) {
  return CreateRgnFromData(CreateRgnDataFromBitmap(bitmap, dx, dy));
}

void CreateMaskBandImages(TsfMaskBandImages& images, const TBitmap& mask,
                          const TsfNinePartGeometry& g, const TsfNinePartGeometry& ng,
                          int newWidth) {
  const TsfMaskBands bands = MaskBands(g, ng, mask.Width(), mask.Height(), newWidth);
  auto make = [&](TBitmap& image, const TsfMaskBand& band) {
    image.SetSize(band.Band.Width, band.Band.Height);
    DrawBlits(image, mask, band.Blits);
  };
  make(images.Top, bands.Top);
  make(images.Bottom, bands.Bottom);
  make(images.Left, bands.Left);
  make(images.Right, bands.Right);
}

TRegionHandle CreateRgnFromMaskBands(const TsfMaskBandImages& bands,
                                     const TsfNinePartGeometry& ng) {
  if (ng.RT.x < ng.LT.x || ng.LB.y < ng.LT.y || ng.Cl.IsEmpty()) return {};
  TRegionHandle region = CreateRectRegion(ng.Cl);
  if (!region) throw EOSError("A region could not be made");
  const TRect& c = ng.Cl;
  Unite(region, CreateRgnFromBitmap(bands.Top, 0, 0));
  Unite(region, CreateRgnFromBitmap(bands.Bottom, 0, c.Bottom));
  Unite(region, CreateRgnFromBitmap(bands.Left, 0, c.Top));
  Unite(region, CreateRgnFromBitmap(bands.Right, c.Right, c.Top));
  return region;
}

TRegionHandle CreateRgnFromResizedMask(const TBitmap& mask, const TsfNinePartGeometry& g,
                                       const TsfNinePartGeometry& ng, int newWidth,
                                       [[maybe_unused]] int newHeight) {
  // The height is implied by Cl': the bottom band goes to Cl'.Bottom.
  if (ng.RT.x < ng.LT.x || ng.LB.y < ng.LT.y || ng.Cl.IsEmpty()) return {};
  TsfMaskBandImages bands;
  CreateMaskBandImages(bands, mask, g, ng, newWidth);
  return CreateRgnFromMaskBands(bands, ng);
}

