// UtilsBench: the window frame's skin image (152 x 125, the geometry of our skin's
// frame) resized to a 1920 x 1080 window with the nine-part routine, tiled and
// stretched, and the window region of its mask at that size, as medians of repeated
// runs; beside them a plain memcpy of the image's bytes, which no drawing can beat.
//   UtilsBench [runs]   (50 by default)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "skin/data/sfUtilsNinePart.h"
#include "skin/data/sfUtilsRegion.h"

namespace {

LONGLONG Ticks() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

double Milliseconds(LONGLONG ticks) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(f.QuadPart);
}

double MedianOf(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const LONGLONG start = Ticks();
    work();
    times.push_back(Milliseconds(Ticks() - start));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

constexpr int kWidth = 152, kHeight = 125, kNewWidth = 1920, kNewHeight = 1080;

// A picture whose pixels all differ a little, so nothing compresses into a fill.
void FillPicture(TBitmap& picture) {
  picture.SetSize(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    std::uint8_t* row = picture.ScanLine(y);
    for (int x = 0; x < kWidth; ++x) {
      row[3 * x] = static_cast<std::uint8_t>(x);
      row[3 * x + 1] = static_cast<std::uint8_t>(y);
      row[3 * x + 2] = static_cast<std::uint8_t>(x ^ y);
    }
  }
}

// Black, with white corners rounded by a radius of 8.
void FillMask(TBitmap& mask) {
  mask.SetSize(kWidth, kHeight);
  constexpr int r = 8;
  for (int y = 0; y < kHeight; ++y) {
    std::uint8_t* row = mask.ScanLine(y);
    for (int x = 0; x < kWidth; ++x) {
      const int dx = std::max({0, r - x, x - (kWidth - 1 - r)});
      const int dy = std::max({0, r - y, y - (kHeight - 1 - r)});
      const std::uint8_t v = dx * dx + dy * dy > r * r ? 255 : 0;
      row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = v;
    }
  }
}

TsfNinePartGeometry FrameGeometry(const TRect& client) {
  TsfNinePartGeometry g;
  g.LT = {12, 29};
  g.RT = {140, 29};
  g.LB = {12, 120};
  g.RB = {140, 120};
  g.Cl = client;
  return g;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 50;
  TBitmap picture, mask;
  FillPicture(picture);
  FillMask(mask);
  const TRect skin(0, 0, kWidth, kHeight);
  const TsfNinePartGeometry g = FrameGeometry({5, 29, 147, 120});
  const TsfNinePartGeometry ng = ResizedGeometry(g, kWidth, kHeight, kNewWidth, kNewHeight);
  TsfNinePartOptions tiled, stretched;
  stretched.LeftStretch = stretched.TopStretch = stretched.RightStretch =
      stretched.BottomStretch = stretched.StretchEffect = true;

  TBitmap reused;
  const double tiledFresh = MedianOf(runs, [&] {
    TBitmap target;
    CreateNinePartImage(target, picture, skin, g, ng, kNewWidth, kNewHeight, tiled, true);
  });
  const double tiledReused = MedianOf(runs, [&] {
    CreateNinePartImage(reused, picture, skin, g, ng, kNewWidth, kNewHeight, tiled, true);
  });
  const double stretchedReused = MedianOf(runs, [&] {
    CreateNinePartImage(reused, picture, skin, g, ng, kNewWidth, kNewHeight, stretched, true);
  });

  const TsfNinePartGeometry mg = FrameGeometry({3, 4, 149, 122});
  const TsfNinePartGeometry nmg = ResizedGeometry(mg, kWidth, kHeight, kNewWidth, kNewHeight);
  std::size_t rects = 0;
  const double region = MedianOf(runs, [&] {
    TRegionHandle rgn = CreateRgnFromResizedMask(mask, mg, nmg, kNewWidth, kNewHeight);
    rects = RegionRects(rgn.Get()).size();
  });
  const double maskRegion = MedianOf(runs, [&] { TRegionHandle rgn = CreateRgnFromBitmap(mask); });

  const std::size_t bytes = static_cast<std::size_t>(reused.RowBytes()) * kNewHeight;
  std::vector<std::uint8_t> from(bytes, 0x5A), to(bytes);
  const double floor = MedianOf(runs, [&] {
    std::memcpy(to.data(), from.data(), bytes);
    from[bytes / 2] = to[bytes / 3];  // keeps the copy from being dropped
  });

  std::printf("nine-part 152x125 -> 1920x1080, %d runs, medians in ms\n", runs);
  std::printf("  tiled, new target each run     %8.3f\n", tiledFresh);
  std::printf("  tiled, target reused           %8.3f\n", tiledReused);
  std::printf("  stretched (GDI), target reused %8.3f\n", stretchedReused);
  std::printf("  memcpy of the image's bytes     %8.3f  (%zu bytes)\n", floor, bytes);
  std::printf("region of the resized mask       %8.3f  (%zu rectangles)\n", region, rects);
  std::printf("region of the 152x125 mask       %8.3f\n", maskRegion);
  return 0;
}
