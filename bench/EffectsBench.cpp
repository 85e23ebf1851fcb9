// EffectsBench: what the skin's image effects cost where they run most. One morph
// step of a 75 x 27 button image (each transition, and the whole step a button takes:
// two effect bitmaps from its state images, the blend, the draw), and one inactive
// effect over a 1920 x 1080 frame. Medians of repeated runs, each beside a plain
// memcpy of the same bytes, which no pixel loop can beat.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "skin/data/sfEffects.h"
#include "ui/Bitmap.h"

namespace {

// Read after each copy, so the copies cannot be left out.
volatile std::uint8_t sink;

LONGLONG Ticks() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

double Microseconds(LONGLONG ticks) {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  return 1e6 * static_cast<double>(ticks) / static_cast<double>(frequency);
}

// Median time of one call, over `samples` samples of `batch` calls each (small images
// take less than the counter's resolution). `prepare` runs before each call, untimed
// when the batch is 1.
double Median(int samples, int batch, const std::function<void()>& prepare,
              const std::function<void()>& run) {
  std::vector<double> times;
  for (int s = 0; s < samples; ++s) {
    LONGLONG total = 0;
    for (int i = 0; i < batch; ++i) {
      prepare();
      const LONGLONG start = Ticks();
      run();
      total += Ticks() - start;
    }
    times.push_back(Microseconds(total) / batch);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void Paint(TBitmap& b, int seed) {
  for (int y = 0; y < b.Height(); ++y) {
    std::uint8_t* row = b.ScanLine(y);
    for (int x = 0; x < 3 * b.Width(); ++x)
      row[x] = static_cast<std::uint8_t>((x * 7 + y * 13 + seed) & 0xFF);
  }
}

struct TTransitionCase {
  const char* Name;
  void (TsfEffectPixels::*Run)(const TsfEffectPixels&, double);
};

void MorphStep() {
  TBitmap normal(75, 27), hot(75, 27), target(75, 27);
  Paint(normal, 1);
  Paint(hot, 90);
  TsfEffectBmp self(normal), other(hot);
  std::vector<std::uint8_t> original(self.ScanLine(0), self.ScanLine(0) + self.BufferSize());
  auto restore = [&] { std::memcpy(self.ScanLine(0), original.data(), original.size()); };
  std::printf("morph step, 75 x 27 (%zu bytes), microseconds per step, median of 51 x 200:\n",
              self.BufferSize());
  const TTransitionCase cases[] = {{"blend", &TsfEffectPixels::Blend},
                                   {"centre gradient", &TsfEffectPixels::CentreGradient},
                                   {"left gradient", &TsfEffectPixels::LeftGradient},
                                   {"right gradient", &TsfEffectPixels::RightGradient},
                                   {"push", &TsfEffectPixels::Push},
                                   {"left slide", &TsfEffectPixels::LeftSlide},
                                   {"right slide", &TsfEffectPixels::RightSlide}};
  for (const TTransitionCase& c : cases)
    std::printf("  %-16s %8.2f\n", c.Name,
                Median(51, 200, restore, [&] { (self.*c.Run)(other, 0.6); }));
  std::vector<std::uint8_t> copy(original.size());
  std::printf("  %-16s %8.2f\n", "memcpy",
              Median(
                  51, 200, [] {},
                  [&] {
                    std::memcpy(copy.data(), original.data(), copy.size());
                    sink = copy[copy.size() / 2];
                  }));
  std::printf("  %-16s %8.2f  (two effect bitmaps from the state images, blend, draw)\n",
              "whole step",
              Median(
                  51, 200, [] {},
                  [&] {
                    TsfEffectBmp s(normal), o(hot);
                    s.Blend(o, 0.6);
                    s.Draw(target.DC(), 0, 0);
                  }));
}

struct TSingleCase {
  const char* Name;
  std::function<void(TsfEffectPixels&)> Run;
};

void InactiveFrame() {
  TBitmap frame(1920, 1080);
  Paint(frame, 5);
  TsfEffectBmp e(frame);
  std::vector<std::uint8_t> original(e.ScanLine(0), e.ScanLine(0) + e.BufferSize());
  auto restore = [&] { std::memcpy(e.ScanLine(0), original.data(), original.size()); };
  std::printf("inactive effect, 1920 x 1080 (%zu bytes), milliseconds, median of 21:\n",
              e.BufferSize());
  const TSingleCase cases[] = {{"brightness 0.5", [](TsfEffectPixels& p) { p.Brightness(0.5); }},
                               {"darkness 0.3", [](TsfEffectPixels& p) { p.Darkness(0.3); }},
                               {"grey scale", [](TsfEffectPixels& p) { p.GreyScale(); }},
                               {"noise 50", [](TsfEffectPixels& p) { p.Noise(50); }},
                               {"split blur 1", [](TsfEffectPixels& p) { p.SplitBlur(1); }},
                               {"invert", [](TsfEffectPixels& p) { p.Invert(); }}};
  for (const TSingleCase& c : cases)
    std::printf("  %-16s %8.3f\n", c.Name, Median(21, 1, restore, [&] { c.Run(e); }) / 1000);
  std::vector<std::uint8_t> copy(original.size());
  std::printf("  %-16s %8.3f\n", "memcpy",
              Median(
                  21, 1, [] {},
                  [&] {
                    std::memcpy(copy.data(), original.data(), copy.size());
                    sink = copy[copy.size() / 2];
                  }) /
                  1000);
}

}  // namespace

int wmain() {
  MorphStep();
  InactiveFrame();
  return 0;
}
