#pragma once
// Off-screen bitmaps for paints, kept for reuse. Making a bitmap costs far more than
// drawing into it (a window-sized one takes milliseconds under Wine), and a window's
// controls repaint at the same sizes again and again. A borrowed bitmap leaves the
// pool while in use, so nested paints (a parent painting a copy of itself under a
// child) each get their own. Each comes white with a fresh canvas, like a new one;
// the pool keeps at most kOffScreenPoolBytes of idle bitmaps, oldest dropped first:
// enough for a full-HD window's own image and its largest panel's together.
#include <cstddef>
#include <memory>

#include "Bitmap.h"

constexpr std::size_t kOffScreenPoolBytes = 16u << 20;

class TOffScreenBitmap {
 public:
  TOffScreenBitmap(int width, int height);
  TOffScreenBitmap(const TOffScreenBitmap&) = delete;
  TOffScreenBitmap& operator=(const TOffScreenBitmap&) = delete;
  ~TOffScreenBitmap();

  TBitmap& operator*() { return *FBitmap; }
  TBitmap* operator->() { return FBitmap.get(); }

 private:
  std::unique_ptr<TBitmap> FBitmap;
};

// Frees every idle bitmap of the pool (tests that count handles start from none).
void ClearOffScreenPool();
// Bitmaps the pool holds idle now.
int OffScreenPoolCount();
