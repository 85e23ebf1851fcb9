#include "OffScreen.h"

#include <windows.h>

#include <list>

namespace {

struct TPool {
  std::list<std::unique_ptr<TBitmap>> Idle;  // most recently returned first
  std::size_t Bytes = 0;
};

TPool& Pool() {
  static TPool pool;
  return pool;
}

std::size_t BytesOf(const TBitmap& b) {
  return static_cast<std::size_t>(b.RowBytes()) * static_cast<std::size_t>(b.Height());
}

}  // namespace

TOffScreenBitmap::TOffScreenBitmap(int width, int height) {
  TPool& pool = Pool();
  for (auto it = pool.Idle.begin(); it != pool.Idle.end(); ++it) {
    TBitmap& b = **it;
    if (b.Width() == width && b.Height() == height && b.PixelFormat() == pf24bit) {
      FBitmap = std::move(*it);
      pool.Idle.erase(it);
      pool.Bytes -= BytesOf(*FBitmap);
      PatBlt(FBitmap->DC(), 0, 0, width, height, WHITENESS);
      return;
    }
  }
  FBitmap = std::make_unique<TBitmap>(width, height);
}

TOffScreenBitmap::~TOffScreenBitmap() {
  if (!FBitmap || FBitmap->Empty() || FBitmap->PixelFormat() != pf24bit) return;
  std::size_t bytes = BytesOf(*FBitmap);
  if (bytes > kOffScreenPoolBytes) return;
  FBitmap->ResetDrawingState();
  TPool& pool = Pool();
  pool.Idle.push_front(std::move(FBitmap));
  pool.Bytes += bytes;
  while (pool.Bytes > kOffScreenPoolBytes) {
    pool.Bytes -= BytesOf(*pool.Idle.back());
    pool.Idle.pop_back();
  }
}

void ClearOffScreenPool() {
  Pool().Idle.clear();
  Pool().Bytes = 0;
}

int OffScreenPoolCount() { return static_cast<int>(Pool().Idle.size()); }
