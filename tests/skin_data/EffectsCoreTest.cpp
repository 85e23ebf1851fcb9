#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "skin/data/sfEffectsCore.h"

namespace {

struct Px {
  int b, g, r;
  bool operator==(const Px&) const = default;
};

// Self and other pictures: every pixel distinct, every channel a multiple of 12 so that
// halves, thirds and quarters of a mix are whole numbers.
Px S(int i, int j) { return {12 * j, 60 + 12 * i, 120 + 12 * j}; }
Px O(int i, int j) { return {240 - 12 * j, 168 + 12 * i, 24 + 12 * j}; }
// A mix with weight n/d on self.
Px M(int i, int j, int n, int d) {
  auto mix = [&](int s, int o) { return (n * s + (d - n) * o) / d; };
  return {mix(S(i, j).b, O(i, j).b), mix(S(i, j).g, O(i, j).g), mix(S(i, j).r, O(i, j).r)};
}

constexpr std::uint8_t kPadding = 0xA5;

std::unique_ptr<TsfEffectBuffer> Picture(int w, int h, const std::function<Px(int, int)>& colour) {
  auto p = std::make_unique<TsfEffectBuffer>(w, h);
  for (int i = 0; i < h; ++i) {
    std::uint8_t* row = p->ScanLine(i);
    for (int c = 3 * w; c < p->RowBytes(); ++c) row[c] = kPadding;
    for (int j = 0; j < w; ++j) {
      const Px v = colour(i, j);
      row[3 * j] = static_cast<std::uint8_t>(v.b);
      row[3 * j + 1] = static_cast<std::uint8_t>(v.g);
      row[3 * j + 2] = static_cast<std::uint8_t>(v.r);
    }
  }
  return p;
}

std::unique_ptr<TsfEffectBuffer> Uniform(int w, int h, Px v) {
  return Picture(w, h, [v](int, int) { return v; });
}

Px At(const TsfEffectPixels& p, int i, int j) {
  const std::uint8_t* q = p.ScanLine(i) + 3 * j;
  return {q[0], q[1], q[2]};
}

bool PaddingIntact(const TsfEffectPixels& p) {
  for (int i = 0; i < p.Height(); ++i)
    for (int c = 3 * p.Width(); c < p.RowBytes(); ++c)
      if (p.ScanLine(i)[c] != kPadding) return false;
  return true;
}

// Names each pixel after where it came from: Sk / Ok for self's / other's pixel in
// column k of the same row, H, T, U for a mix of self and other in place with weight
// 1/2, 1/3, 2/3 on self. Rows are separated by " | ".
std::string Describe(const TsfEffectPixels& p) {
  std::string out;
  for (int i = 0; i < p.Height(); ++i) {
    if (i) out += " | ";
    for (int j = 0; j < p.Width(); ++j) {
      if (j) out += ' ';
      const Px v = At(p, i, j);
      char name = '?';
      int column = -1;
      for (int k = 0; k < p.Width(); ++k) {
        if (v == S(i, k)) name = 'S', column = k;
        if (v == O(i, k)) name = 'O', column = k;
      }
      if (v == M(i, j, 1, 2)) name = 'H';
      if (v == M(i, j, 1, 3)) name = 'T';
      if (v == M(i, j, 2, 3)) name = 'U';
      out += name;
      if (name == 'S' || name == 'O') out += static_cast<char>('0' + column);
    }
  }
  EXPECT_TRUE(PaddingIntact(p));
  return out;
}

using Transition = void (TsfEffectPixels::*)(const TsfEffectPixels&, double);

std::string Apply(Transition t, int w, int h, double factor) {
  auto self = Picture(w, h, S);
  auto other = Picture(w, h, O);
  ((*self).*t)(*other, factor);
  EXPECT_EQ(Describe(*other), Describe(*Picture(w, h, O))) << "other changed";
  return Describe(*self);
}

}  // namespace

TEST(EffectsRounding, HalvesGoToTheEvenNeighbourAndChannelsClamp) {
  EXPECT_EQ(sfRoundHalfEven(127.5), 128);
  EXPECT_EQ(sfRoundHalfEven(126.5), 126);
  EXPECT_EQ(sfRoundHalfEven(0.5), 0);
  EXPECT_EQ(sfRoundHalfEven(1.5), 2);
  EXPECT_EQ(sfRoundHalfEven(2.4999), 2);
  EXPECT_EQ(sfRoundHalfEven(-1.5), -2);
  EXPECT_EQ(sfRoundHalfEven(-2.5), -2);
  EXPECT_EQ(sfRoundChannel(127.5), 128);
  EXPECT_EQ(sfRoundChannel(126.5), 126);
  EXPECT_EQ(sfRoundChannel(0.5), 0);
  EXPECT_EQ(sfRoundChannel(254.5), 254);
  EXPECT_EQ(sfRoundChannel(254.51), 255);
  EXPECT_EQ(sfRoundChannel(-0.6), 0);
  EXPECT_EQ(sfRoundChannel(-300), 0);
  EXPECT_EQ(sfRoundChannel(255.5), 255);
  EXPECT_EQ(sfRoundChannel(1e300), 255);
  EXPECT_EQ(sfRoundChannel(std::nan("")), 0);
}

TEST(EffectsBuffer, RowsArePaddedToFourBytes) {
  EXPECT_EQ(TsfEffectPixels::RowLength(1), 4);
  EXPECT_EQ(TsfEffectPixels::RowLength(3), 12);
  EXPECT_EQ(TsfEffectPixels::RowLength(4), 12);
  EXPECT_EQ(TsfEffectPixels::RowLength(75), 228);
  TsfEffectBuffer b(75, 27);
  EXPECT_EQ(b.BufferSize(), 228u * 27);
  EXPECT_EQ(b.ScanLine(1) - b.ScanLine(0), 228);
  TsfEffectBuffer empty(0, 5);
  EXPECT_EQ(empty.Width(), 0);
  EXPECT_EQ(empty.Height(), 0);
  empty.Invert();
  empty.SplitBlur(1);
}

TEST(EffectsTransition, Blend) {
  EXPECT_EQ(Apply(&TsfEffectPixels::Blend, 3, 2, 0), "S0 S1 S2 | S0 S1 S2");
  EXPECT_EQ(Apply(&TsfEffectPixels::Blend, 3, 2, 0.5), "H H H | H H H");
  EXPECT_EQ(Apply(&TsfEffectPixels::Blend, 3, 2, 1), "O0 O1 O2 | O0 O1 O2");
  EXPECT_EQ(Apply(&TsfEffectPixels::Blend, 3, 2, -0.5), "S0 S1 S2 | S0 S1 S2");
  EXPECT_EQ(Apply(&TsfEffectPixels::Blend, 3, 2, 7), "O0 O1 O2 | O0 O1 O2");
  EXPECT_EQ(Apply(&TsfEffectPixels::Blend, 3, 2, 1.0 / 3), "U U U | U U U");

  // 127.5 and 126.5 go to the even neighbour.
  auto black = Uniform(2, 1, {0, 0, 253});
  black->Blend(*Uniform(2, 1, {255, 255, 0}), 0.5);
  EXPECT_EQ(At(*black, 0, 1), (Px{128, 128, 126}));
}

TEST(EffectsTransition, LeftGradientRunsFromOtherAtTheLeftToSelf) {
  EXPECT_EQ(Apply(&TsfEffectPixels::LeftGradient, 3, 2, 0), "O0 S1 S2 | O0 S1 S2");
  EXPECT_EQ(Apply(&TsfEffectPixels::LeftGradient, 3, 2, 0.5), "O0 H S2 | O0 H S2");
  EXPECT_EQ(Apply(&TsfEffectPixels::LeftGradient, 3, 2, 1), "O0 H S2 | O0 H S2");
  EXPECT_EQ(Apply(&TsfEffectPixels::LeftGradient, 4, 1, 1), "O0 T U S3");
  EXPECT_EQ(Apply(&TsfEffectPixels::LeftGradient, 4, 1, 0.5), "O0 H S2 S3");
}

TEST(EffectsTransition, RightGradientRunsFromOtherAtTheRightToSelf) {
  EXPECT_EQ(Apply(&TsfEffectPixels::RightGradient, 3, 2, 0), "S0 S1 O2 | S0 S1 O2");
  EXPECT_EQ(Apply(&TsfEffectPixels::RightGradient, 3, 2, 0.5), "S0 H O2 | S0 H O2");
  EXPECT_EQ(Apply(&TsfEffectPixels::RightGradient, 3, 2, 1), "U T O2 | U T O2");
}

TEST(EffectsTransition, CentreGradientHorizontalWhenWideEnough) {
  EXPECT_EQ(Apply(&TsfEffectPixels::CentreGradient, 3, 2, 0), "S0 O1 S2 | S0 O1 S2");
  EXPECT_EQ(Apply(&TsfEffectPixels::CentreGradient, 3, 2, 0.5), "O0 O1 O2 | O0 O1 O2");
  EXPECT_EQ(Apply(&TsfEffectPixels::CentreGradient, 3, 2, 1), "O0 O1 O2 | O0 O1 O2");
  EXPECT_EQ(Apply(&TsfEffectPixels::CentreGradient, 4, 1, 0), "S0 H O2 H");
  EXPECT_EQ(Apply(&TsfEffectPixels::CentreGradient, 4, 1, 0.5), "S0 O1 O2 O3");
  // Square pictures take the horizontal form too.
  EXPECT_EQ(Apply(&TsfEffectPixels::CentreGradient, 2, 2, 0), "S0 O1 | S0 O1");
}

TEST(EffectsTransition, CentreGradientVerticalWhenTallerThanWide) {
  EXPECT_EQ(Apply(&TsfEffectPixels::CentreGradient, 2, 3, 0), "S0 S1 | O0 O1 | S0 S1");
  EXPECT_EQ(Apply(&TsfEffectPixels::CentreGradient, 2, 3, 0.5), "O0 O1 | O0 O1 | O0 O1");
  EXPECT_EQ(Apply(&TsfEffectPixels::CentreGradient, 2, 3, 1), "O0 O1 | O0 O1 | O0 O1");
  EXPECT_EQ(Apply(&TsfEffectPixels::CentreGradient, 1, 5, 0), "S0 | H | O0 | H | S0");
  EXPECT_EQ(Apply(&TsfEffectPixels::CentreGradient, 2, 4, 0), "S0 S1 | S0 S1 | O0 O1 | S0 S1");
  // No soft edge: the mix does not grow, so the top row outside g..f shows other too.
  EXPECT_EQ(Apply(&TsfEffectPixels::CentreGradient, 2, 4, 0.5), "O0 O1 | O0 O1 | O0 O1 | O0 O1");
}

TEST(EffectsTransition, PushMovesSelfRightAndBringsOtherFromTheLeft) {
  EXPECT_EQ(Apply(&TsfEffectPixels::Push, 3, 2, 0), "O2 S0 S1 | O2 S0 S1");
  EXPECT_EQ(Apply(&TsfEffectPixels::Push, 3, 2, 0.5), "O0 O1 O2 | O0 O1 O2");
  EXPECT_EQ(Apply(&TsfEffectPixels::Push, 3, 2, 1), "O0 O1 O2 | O0 O1 O2");
  EXPECT_EQ(Apply(&TsfEffectPixels::Push, 4, 1, 0.5), "O1 O2 O3 S0");
}

TEST(EffectsTransition, SlidesBringInAtLeastOneColumnOfOther) {
  EXPECT_EQ(Apply(&TsfEffectPixels::LeftSlide, 3, 2, 0), "O2 S1 S2 | O2 S1 S2");
  EXPECT_EQ(Apply(&TsfEffectPixels::LeftSlide, 3, 2, 0.5), "O1 O2 S2 | O1 O2 S2");
  EXPECT_EQ(Apply(&TsfEffectPixels::LeftSlide, 3, 2, 1), "O1 O2 S2 | O1 O2 S2");
  EXPECT_EQ(Apply(&TsfEffectPixels::RightSlide, 3, 2, 0), "S0 S1 O0 | S0 S1 O0");
  EXPECT_EQ(Apply(&TsfEffectPixels::RightSlide, 3, 2, 0.5), "S0 O0 O1 | S0 O0 O1");
  EXPECT_EQ(Apply(&TsfEffectPixels::RightSlide, 3, 2, 1), "S0 O0 O1 | S0 O0 O1");
}

TEST(EffectsTransition, OneColumnPicturesStayInside) {
  EXPECT_EQ(Apply(&TsfEffectPixels::LeftGradient, 1, 2, 0.5), "O0 | O0");
  EXPECT_EQ(Apply(&TsfEffectPixels::RightGradient, 1, 2, 0.5), "O0 | O0");
  EXPECT_EQ(Apply(&TsfEffectPixels::Push, 1, 2, 0.5), "O0 | O0");
  EXPECT_EQ(Apply(&TsfEffectPixels::LeftSlide, 1, 2, 0.5), "S0 | S0");
  EXPECT_EQ(Apply(&TsfEffectPixels::RightSlide, 1, 2, 1), "S0 | S0");
  EXPECT_EQ(Apply(&TsfEffectPixels::CentreGradient, 1, 1, 0.5), "O0");
}

TEST(EffectsTransition, DifferentSizesDoNothing) {
  const Transition all[] = {&TsfEffectPixels::Blend,        &TsfEffectPixels::CentreGradient,
                            &TsfEffectPixels::LeftGradient, &TsfEffectPixels::RightGradient,
                            &TsfEffectPixels::Push,         &TsfEffectPixels::LeftSlide,
                            &TsfEffectPixels::RightSlide};
  for (Transition t : all) {
    auto self = Picture(3, 2, S);
    ((*self).*t)(*Picture(3, 3, O), 0.5);
    ((*self).*t)(*Picture(2, 2, O), 0.5);
    ((*self).*t)(TsfEffectBuffer(0, 0), 0.5);
    EXPECT_EQ(Describe(*self), "S0 S1 S2 | S0 S1 S2");
    TsfEffectBuffer empty(0, 0);
    (empty.*t)(TsfEffectBuffer(0, 0), 0.5);
  }
}

TEST(EffectsSingle, BrightnessAndDarkness) {
  auto p = Picture(3, 1, [](int, int j) { return j == 0 ? Px{0, 100, 255} : Px{253, 101, 1}; });
  p->Brightness(0.5);
  EXPECT_EQ(At(*p, 0, 0), (Px{128, 178, 255}));
  EXPECT_EQ(At(*p, 0, 2), (Px{254, 178, 128}));
  EXPECT_TRUE(PaddingIntact(*p));

  p = Picture(3, 1, [](int, int j) { return j == 0 ? Px{0, 100, 250} : Px{253, 101, 1}; });
  p->Darkness(0.3);
  EXPECT_EQ(At(*p, 0, 0), (Px{0, 70, 175}));
  EXPECT_EQ(At(*p, 0, 1), (Px{177, 71, 1}));
  p->Darkness(0.5);  // 88.5, 35.5, 0.5
  EXPECT_EQ(At(*p, 0, 1), (Px{88, 36, 0}));

  p = Uniform(1, 1, {0, 77, 255});
  p->Brightness(3);
  EXPECT_EQ(At(*p, 0, 0), (Px{255, 255, 255}));
  p = Uniform(1, 1, {0, 77, 255});
  p->Brightness(-1);
  p->Darkness(-1);
  EXPECT_EQ(At(*p, 0, 0), (Px{0, 77, 255}));
  p->Darkness(2);
  EXPECT_EQ(At(*p, 0, 0), (Px{0, 0, 0}));
}

TEST(EffectsSingle, GreyScaleAndInvert) {
  auto p = Picture(4, 1, [](int, int j) {
    const Px colours[] = {{0, 0, 255}, {0, 255, 0}, {255, 0, 0}, {10, 20, 30}};
    return colours[j];
  });
  p->GreyScale();
  EXPECT_EQ(At(*p, 0, 0), (Px{76, 76, 76}));
  EXPECT_EQ(At(*p, 0, 1), (Px{150, 150, 150}));
  EXPECT_EQ(At(*p, 0, 2), (Px{28, 28, 28}));
  EXPECT_EQ(At(*p, 0, 3), (Px{22, 22, 22}));  // 9 + 11.8 + 1.1

  p = Picture(3, 2, S);
  p->Invert();
  EXPECT_EQ(At(*p, 1, 2), (Px{255 - 24, 255 - 72, 255 - 144}));
  EXPECT_TRUE(PaddingIntact(*p));
  p->Invert();
  EXPECT_EQ(Describe(*p), "S0 S1 S2 | S0 S1 S2");
}

TEST(EffectsSingle, NoiseOffsetsAllChannelsOfAPixelAlike) {
  sfRandSeed(7);
  auto grey = Uniform(50, 4, {128, 100, 140});
  grey->Noise(50);
  bool varied = false;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 50; ++j) {
      const Px v = At(*grey, i, j);
      const int offset = v.b - 128;
      EXPECT_GE(offset, -25);
      EXPECT_LT(offset, 25);
      EXPECT_EQ(v.g, 100 + offset);
      EXPECT_EQ(v.r, 140 + offset);
      varied |= offset != At(*grey, 0, 0).b - 128;
    }
  EXPECT_TRUE(varied);
  EXPECT_TRUE(PaddingIntact(*grey));

  // The same seed gives the same picture; channels clamp at both ends.
  sfRandSeed(7);
  auto again = Uniform(50, 4, {128, 100, 140});
  again->Noise(50);
  for (int j = 0; j < 50; ++j) EXPECT_EQ(At(*again, 3, j), At(*grey, 3, j));
  auto ends = Uniform(40, 1, {0, 255, 3});
  ends->Noise(50);
  for (int j = 0; j < 40; ++j) {
    const Px v = At(*ends, 0, j);
    EXPECT_LE(v.b, 24);
    EXPECT_GE(v.g, 230);
  }

  // Amounts of 1 or less change nothing.
  auto p = Picture(3, 2, S);
  p->Noise(1);
  p->Noise(0);
  p->Noise(-5);
  EXPECT_EQ(Describe(*p), "S0 S1 S2 | S0 S1 S2");
}

TEST(EffectsSingle, SplitBlurAveragesFourSamplesRowByRow) {
  auto p = Picture(3, 2, [](int i, int j) {
    const int blue[2][3] = {{0, 40, 80}, {120, 160, 201}};
    return Px{blue[i][j], 0, 255};
  });
  p->SplitBlur(0);
  EXPECT_EQ(At(*p, 1, 2), (Px{201, 0, 255}));
  p->SplitBlur(1);
  // The second row samples the first row as already blurred.
  const int expected[2][3] = {{80, 100, 120}, {115, 130, 145}};
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_EQ(At(*p, i, j), (Px{expected[i][j], 0, 255})) << i << j;
  EXPECT_TRUE(PaddingIntact(*p));

  // Distances beyond the picture sample its last row and column.
  auto small = Picture(3, 2, S);
  small->SplitBlur(10);
  EXPECT_TRUE(PaddingIntact(*small));
}

TEST(EffectsSkinValues, MorphKindsAndInactiveEffectsNameTheirOperations) {
  auto same = [](const TsfEffectPixels& a, const TsfEffectPixels& b) {
    for (int i = 0; i < a.Height(); ++i)
      for (int j = 0; j < a.Width(); ++j)
        if (!(At(a, i, j) == At(b, i, j))) return false;
    return true;
  };
  const std::pair<TsfMorphKind, Transition> kinds[] = {
      {mkDefault, &TsfEffectPixels::Blend},
      {mkGradient, &TsfEffectPixels::CentreGradient},
      {mkLeftGradient, &TsfEffectPixels::LeftGradient},
      {mkRightGradient, &TsfEffectPixels::RightGradient},
      {mkLeftSlide, &TsfEffectPixels::LeftSlide},
      {mkRightSlide, &TsfEffectPixels::RightSlide},
      {mkPush, &TsfEffectPixels::Push}};
  for (const auto& [kind, t] : kinds) {
    auto byKind = Picture(5, 2, S), direct = Picture(5, 2, S), other = Picture(5, 2, O);
    byKind->Morph(kind, *other, 0.4);
    ((*direct).*t)(*other, 0.4);
    EXPECT_TRUE(same(*byKind, *direct)) << kind;
  }
  const std::pair<TsfInactiveEffect, std::function<void(TsfEffectPixels&)>> effects[] = {
      {ieBrightness, [](TsfEffectPixels& p) { p.Brightness(0.5); }},
      {ieDarkness, [](TsfEffectPixels& p) { p.Darkness(0.3); }},
      {ieGrayScale, [](TsfEffectPixels& p) { p.GreyScale(); }},
      {ieNoise, [](TsfEffectPixels& p) { p.Noise(50); }},
      {ieSplitBlur, [](TsfEffectPixels& p) { p.SplitBlur(1); }},
      {ieInvert, [](TsfEffectPixels& p) { p.Invert(); }}};
  for (const auto& [effect, run] : effects) {
    auto byName = Picture(5, 3, S), direct = Picture(5, 3, S);
    sfRandSeed(3);
    byName->InactiveEffect(effect);
    sfRandSeed(3);
    run(*direct);
    EXPECT_TRUE(same(*byName, *direct)) << effect;
    EXPECT_FALSE(same(*byName, *Picture(5, 3, S))) << effect;
  }
}
