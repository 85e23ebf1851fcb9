#include "sfEffectsCore.h"

#include <algorithm>
#include <cmath>
#include <cstring>

double sfRoundHalfEven(double value) {
  const double lower = std::floor(value);
  const double fraction = value - lower;
  if (fraction > 0.5) return lower + 1;
  if (fraction < 0.5) return lower;
  return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

std::uint8_t sfRoundChannel(double value) {
  // Clamping first gives the same result, as the bounds are whole numbers; the
  // comparison also turns NaN into 0.
  const double v = !(value > 0) ? 0 : value < 255 ? value : 255;
  // Adding and taking away 1.5 x 2^52 drops the fraction the way the FPU rounds by
  // default: to nearest, halves to even. Without -ffast-math the compiler keeps both.
  constexpr double kShift = 6755399441055744.0;
  return static_cast<std::uint8_t>((v + kShift) - kShift);
}

namespace {

std::uint32_t randSeed = 0;

// Factors and amounts outside 0..1 act as their nearest end; NaN as 0.
double Clamp01(double x) { return !(x > 0) ? 0 : x > 1 ? 1 : x; }

// round(n * x) for a factor already clamped to 0..1.
int RoundScaled(int n, double x) { return static_cast<int>(sfRoundHalfEven(n * x)); }

// dst = round(w * self + (1 - w) * other), channel by channel, for `count` pixels.
void Mix(std::uint8_t* __restrict dst, const std::uint8_t* self, const std::uint8_t* other,
         double w, int count) {
  for (int c = 0; c < 3 * count; ++c) dst[c] = sfRoundChannel(w * self[c] + (1 - w) * other[c]);
}

std::uint8_t* Pixel(std::uint8_t* row, int column) { return row + 3 * column; }
const std::uint8_t* Pixel(const std::uint8_t* row, int column) { return row + 3 * column; }

void CopyPixel(std::uint8_t* dst, const std::uint8_t* src) { std::memcpy(dst, src, 3); }

}  // namespace

void sfRandSeed(std::uint32_t seed) { randSeed = seed; }

int sfRandom(int range) {
  if (range <= 0) return 0;
  randSeed = randSeed * 134775813u + 1;
  return static_cast<int>(
      (static_cast<std::uint64_t>(randSeed) * static_cast<std::uint32_t>(range)) >> 32);
}

void TsfEffectPixels::SetBuffer(int width, int height, std::uint8_t* bits) {
  const bool empty = width <= 0 || height <= 0 || !bits;
  FWidth = empty ? 0 : width;
  FHeight = empty ? 0 : height;
  FBits = empty ? nullptr : bits;
}

bool TsfEffectPixels::SameSize(const TsfEffectPixels& other) const {
  return FWidth > 0 && other.FWidth == FWidth && other.FHeight == FHeight;
}

void TsfEffectPixels::Blend(const TsfEffectPixels& other, double factor) {
  if (!SameSize(other)) return;
  const double x = Clamp01(factor);
  std::vector<std::uint8_t> scratch(3 * static_cast<std::size_t>(FWidth));
  for (int i = 0; i < FHeight; ++i) {
    Mix(scratch.data(), other.ScanLine(i), ScanLine(i), x, FWidth);
    std::memcpy(ScanLine(i), scratch.data(), scratch.size());
  }
}

void TsfEffectPixels::LeftGradient(const TsfEffectPixels& other, double factor) {
  if (!SameSize(other)) return;
  int k = RoundScaled(FWidth, Clamp01(factor));
  if (k <= 0) k = 1;
  if (k > FWidth - 1) k = FWidth - 1;
  const double step = k > 0 ? 1.0 / k : 1;
  std::vector<std::uint8_t> scratch(3 * static_cast<std::size_t>(FWidth));
  for (int i = 0; i < FHeight; ++i) {
    const std::uint8_t* self = ScanLine(i);
    const std::uint8_t* from = other.ScanLine(i);
    std::memcpy(scratch.data(), self, scratch.size());
    double w = 0;
    for (int j = 0; j <= k; ++j) {
      Mix(Pixel(scratch.data(), j), Pixel(self, j), Pixel(from, j), w, 1);
      w = std::min(1.0, w + step);
    }
    std::memcpy(ScanLine(i), scratch.data(), scratch.size());
  }
}

void TsfEffectPixels::RightGradient(const TsfEffectPixels& other, double factor) {
  if (!SameSize(other)) return;
  const int a = std::clamp(FWidth - RoundScaled(FWidth, Clamp01(factor)), 0, FWidth - 1);
  const double step = 1.0 / (FWidth - a);
  std::vector<std::uint8_t> scratch(3 * static_cast<std::size_t>(FWidth));
  for (int i = 0; i < FHeight; ++i) {
    const std::uint8_t* self = ScanLine(i);
    const std::uint8_t* from = other.ScanLine(i);
    std::memcpy(scratch.data(), self, scratch.size());
    double w = 0;
    for (int j = FWidth - 1; j >= a; --j) {
      Mix(Pixel(scratch.data(), j), Pixel(self, j), Pixel(from, j), w, 1);
      w = std::min(1.0, w + step);
    }
    std::memcpy(ScanLine(i), scratch.data(), scratch.size());
  }
}

void TsfEffectPixels::CentreGradient(const TsfEffectPixels& other, double factor) {
  if (!SameSize(other)) return;
  if (FWidth >= FHeight)
    HorizontalGradient(other, Clamp01(factor));
  else
    VerticalGradient(other, Clamp01(factor));
}

// Columns g..f around the centre show other; from there outwards the mix goes back
// to self over b columns.
void TsfEffectPixels::HorizontalGradient(const TsfEffectPixels& other, double x) {
  const int a = RoundScaled(FWidth, x);
  const int b = (FWidth - a) / 2;
  const double step = b == 0 ? 1 : 1.0 / b;
  const int m = FWidth / 2;
  const int g = std::max(0, m - a / 2);
  const int f = std::min(FWidth - 1, m + a / 2);
  std::vector<std::uint8_t> scratch(3 * static_cast<std::size_t>(FWidth));
  for (int i = 0; i < FHeight; ++i) {
    const std::uint8_t* self = ScanLine(i);
    const std::uint8_t* from = other.ScanLine(i);
    std::memcpy(scratch.data(), self, scratch.size());
    std::memcpy(Pixel(scratch.data(), g), Pixel(from, g), 3 * static_cast<std::size_t>(f - g + 1));
    double w = 0;
    for (int j = g; j >= 0; --j) {
      Mix(Pixel(scratch.data(), j), Pixel(self, j), Pixel(from, j), w, 1);
      w = std::min(1.0, w + step);
    }
    w = 0;
    for (int j = f; j < FWidth; ++j) {
      Mix(Pixel(scratch.data(), j), Pixel(self, j), Pixel(from, j), w, 1);
      w = std::min(1.0, w + step);
    }
    std::memcpy(ScanLine(i), scratch.data(), scratch.size());
  }
}

// The same on rows, except that a soft edge of no rows (d = 0) does not grow at all:
// then every row shows other.
void TsfEffectPixels::VerticalGradient(const TsfEffectPixels& other, double x) {
  const int a = RoundScaled(FHeight, x);
  const int d = (FHeight - 1 - a) / 2;
  const double step = d == 0 ? 0 : 1.0 / d;
  const int m = FHeight / 2;
  const int g = std::max(0, m - a / 2);
  const int f = std::min(FHeight - 1, m + a / 2);
  const std::size_t bytes = 3 * static_cast<std::size_t>(FWidth);
  std::vector<std::uint8_t> scratch(bytes);
  for (int i = g; i <= f; ++i) std::memcpy(ScanLine(i), other.ScanLine(i), bytes);
  auto mixRow = [&](int i, double w) {
    Mix(scratch.data(), ScanLine(i), other.ScanLine(i), w, FWidth);
    std::memcpy(ScanLine(i), scratch.data(), bytes);
  };
  double w = 0;
  for (int i = g; i >= 0; --i, w = std::min(1.0, w + step)) mixRow(i, w);
  w = 0;
  for (int i = f; i < FHeight; ++i, w = std::min(1.0, w + step)) mixRow(i, w);
}

void TsfEffectPixels::Push(const TsfEffectPixels& other, double factor) {
  if (!SameSize(other)) return;
  const int a = std::clamp(RoundScaled(FWidth, Clamp01(factor)), 0, FWidth - 1);
  const int s = FWidth - a - 1;
  std::vector<std::uint8_t> scratch(3 * static_cast<std::size_t>(FWidth));
  for (int i = 0; i < FHeight; ++i) {
    const std::uint8_t* self = ScanLine(i);
    const std::uint8_t* from = other.ScanLine(i);
    for (int j = FWidth - 1; j > a; --j)
      CopyPixel(Pixel(scratch.data(), j), Pixel(self, j - a - 1));
    for (int j = 0; j <= a; ++j)
      CopyPixel(Pixel(scratch.data(), j), Pixel(from, std::min(s + j, FWidth - 1)));
    std::memcpy(ScanLine(i), scratch.data(), scratch.size());
  }
}

namespace {

// The number of columns a slide shows of other: round(W * x) within 1 .. W - 1.
int SlideColumns(int width, double factor) {
  int b = RoundScaled(width, Clamp01(factor));
  if (b <= 0) b = 1;
  if (b > width - 1) b = width - 1;
  return b;
}

}  // namespace

void TsfEffectPixels::LeftSlide(const TsfEffectPixels& other, double factor) {
  if (!SameSize(other)) return;
  const int b = SlideColumns(FWidth, factor);
  for (int i = 0; i < FHeight; ++i)
    for (int k = 0; k < b; ++k)
      CopyPixel(Pixel(ScanLine(i), k),
                Pixel(other.ScanLine(i), std::min(FWidth - b + k, FWidth - 1)));
}

void TsfEffectPixels::RightSlide(const TsfEffectPixels& other, double factor) {
  if (!SameSize(other)) return;
  const int b = SlideColumns(FWidth, factor);
  for (int i = 0; i < FHeight; ++i)
    for (int k = 0; k < b; ++k)
      CopyPixel(Pixel(ScanLine(i), std::min(FWidth - b + k, FWidth - 1)),
                Pixel(other.ScanLine(i), k));
}

// A channel's new value depends on nothing but its old one: the formula runs once per
// possible value, which keeps a full frame cheap and gives the same bytes.
void TsfEffectPixels::MapChannels(const std::uint8_t* table) {
  const std::size_t bytes = 3 * static_cast<std::size_t>(FWidth);
  for (int i = 0; i < FHeight; ++i) {
    std::uint8_t* row = ScanLine(i);
    for (std::size_t c = 0; c < bytes; ++c) row[c] = table[row[c]];
  }
}

void TsfEffectPixels::Brightness(double amount) {
  const double x = Clamp01(amount);
  std::uint8_t table[256];
  for (int c = 0; c < 256; ++c) table[c] = sfRoundChannel((1 - x) * c + 255 * x);
  MapChannels(table);
}

void TsfEffectPixels::Darkness(double amount) {
  const double x = Clamp01(amount);
  std::uint8_t table[256];
  for (int c = 0; c < 256; ++c) table[c] = sfRoundChannel((1 - x) * c);
  MapChannels(table);
}

void TsfEffectPixels::Invert() {
  std::uint8_t table[256];
  for (int c = 0; c < 256; ++c) table[c] = static_cast<std::uint8_t>(255 - c);
  MapChannels(table);
}

void TsfEffectPixels::GreyScale() {
  for (int i = 0; i < FHeight; ++i) {
    std::uint8_t* p = ScanLine(i);
    for (int j = 0; j < FWidth; ++j, p += 3) {
      const std::uint8_t v = sfRoundChannel(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
      p[0] = p[1] = p[2] = v;
    }
  }
}

void TsfEffectPixels::Noise(int amount) {
  if (amount <= 0) return;
  for (int i = 0; i < FHeight; ++i) {
    std::uint8_t* p = ScanLine(i);
    for (int j = 0; j < FWidth; ++j, p += 3) {
      const int offset = sfRandom(amount) - amount / 2;
      for (int c = 0; c < 3; ++c)
        p[c] = static_cast<std::uint8_t>(std::clamp(p[c] + offset, 0, 255));
    }
  }
}

// Rows go from the top in place, so the upper samples come from rows already blurred;
// the current row is read as it was. Samples beyond the last row or column are taken
// from the last one.
void TsfEffectPixels::SplitBlur(int distance) {
  if (distance <= 0 || FWidth == 0) return;
  const int d = distance;
  std::vector<std::uint8_t> scratch(3 * static_cast<std::size_t>(FWidth));
  for (int i = 0; i < FHeight; ++i) {
    const std::uint8_t* up = ScanLine(i - d < 0 ? i : i - d);
    const std::uint8_t* down = ScanLine(std::min(i + d, FHeight - 1));
    for (int j = 0; j < FWidth; ++j) {
      const int left = 3 * (j - d < 0 ? j : j - d);
      const int right = 3 * std::min(j + d, FWidth - 1);
      for (int c = 0; c < 3; ++c)
        scratch[3 * j + c] = static_cast<std::uint8_t>(
            (up[left + c] + down[left + c] + up[right + c] + down[right + c]) / 4);
    }
    std::memcpy(ScanLine(i), scratch.data(), scratch.size());
  }
}

void TsfEffectPixels::Morph(TsfMorphKind kind, const TsfEffectPixels& other, double factor) {
  switch (kind) {
    case mkDefault:
      return Blend(other, factor);
    case mkGradient:
      return CentreGradient(other, factor);
    case mkLeftGradient:
      return LeftGradient(other, factor);
    case mkRightGradient:
      return RightGradient(other, factor);
    case mkLeftSlide:
      return LeftSlide(other, factor);
    case mkRightSlide:
      return RightSlide(other, factor);
    case mkPush:
      return Push(other, factor);
  }
}

void TsfEffectPixels::InactiveEffect(TsfInactiveEffect effect) {
  switch (effect) {
    case ieBrightness:
      return Brightness(0.5);
    case ieDarkness:
      return Darkness(0.3);
    case ieGrayScale:
      return GreyScale();
    case ieNoise:
      return Noise(50);
    case ieSplitBlur:
      return SplitBlur(1);
    case ieInvert:
      return Invert();
  }
}

TsfEffectBuffer::TsfEffectBuffer(int width, int height) {
  if (width <= 0 || height <= 0) return;
  FData.assign(static_cast<std::size_t>(RowLength(width)) * static_cast<std::size_t>(height), 0);
  SetBuffer(width, height, FData.data());
}
