// SkinLoadBench: the time the program takes to load its stored skin from the embedded
// resource (inflate the package, decode its pictures, parse the definition), as the
// median of repeated loads, beside the median of the inflate alone, which no load can
// beat.
//   SkinLoadBench [loads]   (50 by default)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "BenchTiming.h"

#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfEmbeddedSkin.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfZLib.h"

namespace {

// Each load goes into a skin data of its own, as at the program's start; making and
// freeing that object is not timed.
std::vector<double> TimeLoads(const TsfCompressedStoredSkin& stored, int loads) {
  std::vector<double> times;
  for (int i = 0; i < loads; ++i) {
    auto data = std::make_unique<TsfSkinData>(nullptr);
    double start = Now();
    data->LoadStoredSkin(stored);
    times.push_back(Now() - start);
    if (data->SkinEmpty()) throw Exception("the stored skin did not load");
  }
  return times;
}

std::vector<double> TimeInflates(const std::vector<std::uint8_t>& blob, int loads, size_t& size) {
  std::vector<double> times;
  for (int i = 0; i < loads; ++i) {
    double start = Now();
    std::vector<std::uint8_t> package = ZDecompress(blob);
    times.push_back(Now() - start);
    size = package.size();
  }
  return times;
}

}  // namespace

int main(int argc, char** argv) {
  const int loads = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
  try {
    TsfCompressedStoredSkin stored(nullptr);
    stored.SetCompressedData(LoadEmbeddedSkinResource(kStoredSkinResource));
    TimeLoads(stored, 2);  // the first loads pay for loading code and warming caches
    size_t inflated = 0;
    const double load = Median(TimeLoads(stored, loads));
    const double inflate = Median(TimeInflates(stored.CompressedData(), loads, inflated));
    std::printf("stored skin: %zu bytes, inflating to %zu bytes\n", stored.CompressedData().size(), inflated);
    std::printf("load (inflate, decode pictures, parse definition): median %.3f ms of %d\n", load, loads);
    std::printf("inflate alone:                                     median %.3f ms of %d\n", inflate, loads);
  } catch (const Exception& e) {
    std::fprintf(stderr, "SkinLoadBench: %s\n", e.Message().c_str());
    return 1;
  }
  return 0;
}
