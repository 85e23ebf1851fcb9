#include "SkinCanvas.h"

#include <algorithm>
#include <cmath>

#include "ui/Exception.h"

namespace {

// Samples per pixel side when the coverage of a shape is measured.
constexpr int kSamples = 6;

int Channel(TRgb c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

// Inside a rectangle with rounded corners (pixel-edge coordinates).
bool InRoundRect(double x, double y, double l, double t, double r, double b, double radius) {
  if (x < l || x > r || y < t || y > b) return false;
  double cx = std::clamp(x, l + radius, r - radius);
  double cy = std::clamp(y, t + radius, b - radius);
  double dx = x - cx, dy = y - cy;
  return dx * dx + dy * dy <= radius * radius;
}

double SegmentDistance(double px, double py, double x0, double y0, double x1, double y1) {
  double dx = x1 - x0, dy = y1 - y0;
  double len = dx * dx + dy * dy;
  double t = len > 0 ? std::clamp(((px - x0) * dx + (py - y0) * dy) / len, 0.0, 1.0) : 0.0;
  double ex = x0 + t * dx - px, ey = y0 + t * dy - py;
  return std::sqrt(ex * ex + ey * ey);
}

}  // namespace

TRgb Mix(TRgb a, TRgb b, double t) {
  auto mix = [&](int shift) {
    double v = Channel(a, shift) + (Channel(b, shift) - Channel(a, shift)) * t;
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
  };
  return Rgb(mix(16), mix(8), mix(0));
}

TSkinCanvas::TSkinCanvas(int width, int height, TRgb fill, TTone tone) : FTone(tone) {
  FImage.Width = width;
  FImage.Height = height;
  FImage.Pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), Toned(fill));
  ResetClip();
}

TRgb TSkinCanvas::Pixel(int x, int y) const {
  return FImage.Pixels[static_cast<size_t>(y) * static_cast<size_t>(Width()) + static_cast<size_t>(x)];
}

void TSkinCanvas::SetPixel(int x, int y, TRgb c) { Put(x, y, Toned(c)); }

void TSkinCanvas::Put(int x, int y, TRgb c) {
  if (x < FClip.Left || y < FClip.Top || x >= FClip.Right || y >= FClip.Bottom) return;
  FImage.Pixels[static_cast<size_t>(y) * static_cast<size_t>(Width()) + static_cast<size_t>(x)] = c;
}

void TSkinCanvas::Blend(int x, int y, TRgb c, double alpha) {
  if (x < FClip.Left || y < FClip.Top || x >= FClip.Right || y >= FClip.Bottom || alpha <= 0) return;
  Put(x, y, alpha >= 1 ? Toned(c) : Mix(Pixel(x, y), Toned(c), alpha));
}

void TSkinCanvas::Fill(const TRect& r, TRgb c) {
  for (int y = r.Top; y < r.Bottom; ++y) HLine(r.Left, r.Right, y, c);
}

void TSkinCanvas::Frame(const TRect& r, TRgb c) {
  HLine(r.Left, r.Right, r.Top, c);
  HLine(r.Left, r.Right, r.Bottom - 1, c);
  VLine(r.Left, r.Top, r.Bottom, c);
  VLine(r.Right - 1, r.Top, r.Bottom, c);
}

void TSkinCanvas::HLine(int x0, int x1, int y, TRgb c) {
  const TRgb stored = Toned(c);
  for (int x = x0; x < x1; ++x) Put(x, y, stored);
}

void TSkinCanvas::VLine(int x, int y0, int y1, TRgb c) {
  const TRgb stored = Toned(c);
  for (int y = y0; y < y1; ++y) Put(x, y, stored);
}

void TSkinCanvas::VGradient(const TRect& r, TRgb top, TRgb bottom) {
  for (int y = r.Top; y < r.Bottom; ++y)
    HLine(r.Left, r.Right, y, Mix(top, bottom, r.Height() > 1 ? double(y - r.Top) / (r.Height() - 1) : 0));
}

void TSkinCanvas::HGradient(const TRect& r, TRgb left, TRgb right) {
  for (int x = r.Left; x < r.Right; ++x)
    VLine(x, r.Top, r.Bottom, Mix(left, right, r.Width() > 1 ? double(x - r.Left) / (r.Width() - 1) : 0));
}

template <class Covers>
void TSkinCanvas::Shape(const TRect& bounds, TEdge edge, Covers covers, TRgb c) {
  for (int y = std::max(bounds.Top, 0); y < std::min(bounds.Bottom, Height()); ++y)
    for (int x = std::max(bounds.Left, 0); x < std::min(bounds.Right, Width()); ++x) {
      int inside = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          inside += covers(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
      double coverage = double(inside) / (kSamples * kSamples);
      if (edge == TEdge::Crisp) coverage = coverage >= 0.5 ? 1 : 0;
      Blend(x, y, c, coverage);
    }
}

void TSkinCanvas::RoundFill(const TRect& r, double radius, TRgb top, TRgb bottom, TEdge edge) {
  // Each row is its own colour of the gradient, so the rows are drawn one by one.
  for (int y = r.Top; y < r.Bottom; ++y) {
    TRgb c = Mix(top, bottom, r.Height() > 1 ? double(y - r.Top) / (r.Height() - 1) : 0);
    Shape(TRect(r.Left, y, r.Right, y + 1), edge,
          [&](double px, double py) {
            return InRoundRect(px, py, r.Left, r.Top, r.Right, r.Bottom, radius);
          },
          c);
  }
}

void TSkinCanvas::RoundRow(const TRect& outer, int y, double radius, TRgb c, TEdge edge) {
  TRect inner(outer.Left + 1, outer.Top + 1, outer.Right - 1, outer.Bottom - 1);
  Shape(TRect(inner.Left, y, inner.Right, y + 1), edge,
        [&](double px, double py) {
          return InRoundRect(px, py, inner.Left, inner.Top, inner.Right, inner.Bottom, radius);
        },
        c);
}

void TSkinCanvas::RoundBox(const TRect& r, double radius, TRgb outline, TRgb fillTop,
                           TRgb fillBottom, TEdge edge) {
  RoundFill(r, radius, outline, outline, edge);
  TRect inner(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  if (!inner.IsEmpty()) RoundFill(inner, std::max(radius - 1, 0.0), fillTop, fillBottom, edge);
}

void TSkinCanvas::Line(double x0, double y0, double x1, double y1, double width, TRgb c,
                       TEdge edge) {
  const double half = width / 2;
  TRect bounds(static_cast<int>(std::floor(std::min(x0, x1) - half)),
               static_cast<int>(std::floor(std::min(y0, y1) - half)),
               static_cast<int>(std::ceil(std::max(x0, x1) + half)),
               static_cast<int>(std::ceil(std::max(y0, y1) + half)));
  Shape(bounds, edge,
        [&](double px, double py) { return SegmentDistance(px, py, x0, y0, x1, y1) <= half; }, c);
}

void TSkinCanvas::Polyline(const std::vector<double>& p, double width, TRgb c, TEdge edge) {
  // One shape for the whole line, so the joints are not drawn twice.
  double l = p[0], t = p[1], r = p[0], b = p[1];
  for (size_t i = 0; i + 1 < p.size(); i += 2) {
    l = std::min(l, p[i]), r = std::max(r, p[i]);
    t = std::min(t, p[i + 1]), b = std::max(b, p[i + 1]);
  }
  const double half = width / 2;
  TRect bounds(static_cast<int>(std::floor(l - half)), static_cast<int>(std::floor(t - half)),
               static_cast<int>(std::ceil(r + half)), static_cast<int>(std::ceil(b + half)));
  Shape(bounds, edge,
        [&](double px, double py) {
          for (size_t i = 0; i + 3 < p.size(); i += 2)
            if (SegmentDistance(px, py, p[i], p[i + 1], p[i + 2], p[i + 3]) <= half) return true;
          return false;
        },
        c);
}

void TSkinCanvas::Copy(const TSkinCanvas& source, const TRect& from, int x, int y) {
  for (int row = 0; row < from.Height(); ++row)
    for (int col = 0; col < from.Width(); ++col)
      Put(x + col, y + row, source.Pixel(from.Left + col, from.Top + row));
}

void TSkinCanvas::Claim(const TRect& r, const std::string& what) {
  if (r.IsEmpty() || r.Left < 0 || r.Top < 0 || r.Right > Width() || r.Bottom > Height())
    throw Exception(Format("%s (%d,%d,%d,%d) does not lie inside the %d x %d picture", what.c_str(),
                           r.Left, r.Top, r.Right, r.Bottom, Width(), Height()));
  for (const auto& [other, name] : FClaims)
    if (r.Left < other.Right && other.Left < r.Right && r.Top < other.Bottom && other.Top < r.Bottom)
      throw Exception(Format("%s (%d,%d,%d,%d) overlaps %s (%d,%d,%d,%d)", what.c_str(), r.Left,
                             r.Top, r.Right, r.Bottom, name.c_str(), other.Left, other.Top,
                             other.Right, other.Bottom));
  FClaims.emplace_back(r, what);
}
