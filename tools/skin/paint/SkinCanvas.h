#pragma once
// TSkinCanvas: the picture generator's drawing surface, a 24-bit image with the few
// operations our skin is drawn with: fills, one-pixel lines, vertical gradients,
// rounded boxes and strokes whose edges are smoothed by their pixel coverage.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/BmpCodec.h"
#include "ui/Types.h"

// 0xRRGGBB.
using TRgb = std::uint32_t;

constexpr TRgb Rgb(int r, int g, int b) {
  return static_cast<TRgb>(r) << 16 | static_cast<TRgb>(g) << 8 | static_cast<TRgb>(b);
}
// Maps a colour of the design palette to the colour a skin draws it in (SkinTone.h);
// none keeps every colour as it is.
using TTone = TRgb (*)(TRgb);

// a at t = 0, b at t = 1.
TRgb Mix(TRgb a, TRgb b, double t);

// How the pixels at the edge of a shape are drawn.
enum class TEdge {
  Smooth,  // blended with what lies under them by how much of them the shape covers
  Crisp,   // fully drawn when the shape covers at least half of them, else left alone
};

class TSkinCanvas {
 public:
  // Every colour given to the drawing operations goes through `tone`; pixels copied
  // from another canvas and Pixel() are as they are stored.
  TSkinCanvas(int width, int height, TRgb fill, TTone tone = nullptr);

  int Width() const { return FImage.Width; }
  int Height() const { return FImage.Height; }
  const TBmpImage& Image() const { return FImage; }

  TRgb Pixel(int x, int y) const;
  void SetPixel(int x, int y, TRgb c);
  // Mixes `c` into the pixel by `alpha` (0 .. 1); pixels off the canvas are ignored.
  void Blend(int x, int y, TRgb c, double alpha);

  void Fill(const TRect& r, TRgb c);
  void Frame(const TRect& r, TRgb c);
  void HLine(int x0, int x1, int y, TRgb c);  // x1 exclusive
  void VLine(int x, int y0, int y1, TRgb c);  // y1 exclusive
  // Row r.Top in `top`, row r.Bottom - 1 in `bottom`.
  void VGradient(const TRect& r, TRgb top, TRgb bottom);
  void HGradient(const TRect& r, TRgb left, TRgb right);

  // A box with corners of `radius` and a one-pixel `outline`, filled with a vertical
  // gradient; what lies outside the rounded corners is kept (Smooth) or, for
  // pictures with a transparent colour, left as it is without blending (Crisp).
  void RoundBox(const TRect& r, double radius, TRgb outline, TRgb fillTop, TRgb fillBottom,
                TEdge edge = TEdge::Smooth);
  // The same shape without an outline.
  void RoundFill(const TRect& r, double radius, TRgb top, TRgb bottom, TEdge edge = TEdge::Smooth);
  // The same box whose inside takes the colour rowColour(row) on each row, counted
  // from r.Top: for faces with a caption band.
  template <class RowColour>
  void RoundBoxRows(const TRect& r, double radius, TRgb outline, RowColour rowColour,
                    TEdge edge = TEdge::Smooth) {
    RoundFill(r, radius, outline, outline, edge);
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
      RoundRow(r, y, std::max(radius - 1, 0.0), rowColour(y - r.Top), edge);
  }
  // A stroke of `width` from (x0, y0) to (x1, y1), in pixel-edge coordinates (the
  // centre of pixel (3, 4) is (3.5, 4.5)), with round ends.
  void Line(double x0, double y0, double x1, double y1, double width, TRgb c,
            TEdge edge = TEdge::Smooth);
  // A polyline through the points (x0, y0, x1, y1, ...).
  void Polyline(const std::vector<double>& points, double width, TRgb c, TEdge edge = TEdge::Smooth);

  // Copies a rectangle of `source` to (x, y).
  void Copy(const TSkinCanvas& source, const TRect& from, int x, int y);

  // Drawing is kept inside `r` until ResetClip (the whole canvas).
  void SetClip(const TRect& r) { FClip = r; }
  void ResetClip() { FClip = TRect(0, 0, Width(), Height()); }

  // Notes that `what` is drawn at `r`. A rectangle that leaves the canvas or overlaps
  // one claimed before raises an error: each image of a skin picture has its own place.
  void Claim(const TRect& r, const std::string& what);

 private:
  TRgb Toned(TRgb c) const { return FTone ? FTone(c) : c; }
  void Put(int x, int y, TRgb c);  // a stored colour, inside the clip
  template <class Covers>
  void Shape(const TRect& bounds, TEdge edge, Covers covers, TRgb c);
  // Row y of the inside of the rounded box `outer` (inset by one pixel).
  void RoundRow(const TRect& outer, int y, double radius, TRgb c, TEdge edge);

  TBmpImage FImage;
  TTone FTone = nullptr;
  TRect FClip;
  std::vector<std::pair<TRect, std::string>> FClaims;
};
