#include "SkinTone.h"

#include <algorithm>
#include <cmath>

#include "SkinLook.h"

namespace {

// A colour as hue (degrees), chroma and lightness (0 .. 1), as the HSL model counts
// them: chroma is max - min of the channels, lightness their mean.
struct THcl {
  double H, C, L;
};

THcl ToHcl(TRgb c) {
  const double r = (c >> 16 & 0xFF) / 255.0, g = (c >> 8 & 0xFF) / 255.0, b = (c & 0xFF) / 255.0;
  const double hi = std::max({r, g, b}), lo = std::min({r, g, b}), chroma = hi - lo;
  double h = 0;
  if (chroma > 0) {
    if (hi == r) h = std::fmod((g - b) / chroma + 6, 6);
    else if (hi == g) h = (b - r) / chroma + 2;
    else h = (r - g) / chroma + 4;
  }
  return {h * 60, chroma, (hi + lo) / 2};
}

TRgb FromHcl(const THcl& c) {
  const double h = std::fmod(c.H + 360, 360) / 60, x = c.C * (1 - std::fabs(std::fmod(h, 2) - 1));
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(h)) {
    case 0: r = c.C, g = x; break;
    case 1: r = x, g = c.C; break;
    case 2: g = c.C, b = x; break;
    case 3: g = x, b = c.C; break;
    case 4: r = x, b = c.C; break;
    default: r = c.C, b = x; break;
  }
  const double m = c.L - c.C / 2;
  auto channel = [m](double v) { return std::clamp(static_cast<int>(std::lround((v + m) * 255)), 0, 255); };
  return Rgb(channel(r), channel(g), channel(b));
}

double SmoothStep(double from, double to, double v) {
  const double t = std::clamp((v - from) / (to - from), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

double Lerp(double a, double b, double t) { return a + (b - a) * t; }

// The design's family of tints: its blue-greys and its lavender-blue accent. Other
// hues (the red of the close button) keep their hue in every tone.
bool DesignTint(const THcl& c) { return c.C == 0 || (c.H >= 180 && c.H <= 290); }

}  // namespace

namespace tone {

TRgb Night(TRgb c) {
  if (c == look::kTransparent) return c;
  const THcl d = ToHcl(c);
  if (!DesignTint(d)) return FromHcl({d.H, d.C * 0.8, d.L * 0.85});
  // How much of an accent the colour is: faint tints are faces, strong ones accents.
  const double accent = SmoothStep(0.10, 0.30, d.C);
  // Faces turn over (light becomes dark), accents keep a lightness that reads on them.
  const double face = 0.09 + 0.80 * std::pow(1 - d.L, 0.9), lit = 0.30 + 0.55 * d.L;
  const double chroma = Lerp((0.035 + 0.5 * d.C), 0.75 * d.C, accent);
  return FromHcl({Lerp(214, 186, accent), chroma, Lerp(face, lit, accent)});
}

TRgb Paper(TRgb c) {
  if (c == look::kTransparent) return c;
  const THcl d = ToHcl(c);
  if (!DesignTint(d)) return FromHcl({d.H - 4, d.C * 0.7, 0.1 + 0.8 * d.L});
  const double accent = SmoothStep(0.10, 0.30, d.C);
  // Dark colours (glyphs, lines) take less of the sand, so they stay brown-grey.
  const double sand = (0.028 + 1.1 * d.C) * std::min(1.0, 0.25 + d.L);
  const double chroma = Lerp(sand, 0.55 * d.C, accent);
  return FromHcl({Lerp(38, 16, accent), chroma, Lerp(0.04 + 0.94 * d.L, 0.08 + 0.84 * d.L, accent)});
}

}  // namespace tone
