#pragma once
// Reading a skin package into its pictures and definition: the part of a load that
// touches no window, so that it can run ahead of the load on a thread of its own.
#include <cstdint>
#include <exception>
#include <functional>
#include <future>
#include <memory>
#include <span>
#include <vector>

#include "sfSkinDefinition.h"
#include "ui/Bitmap.h"

struct TsfReadSkin {
  // Empty bitmaps for the pictures the package does not carry.
  std::unique_ptr<TBitmap> Main, Inactive, Mask;
  std::vector<std::unique_ptr<TBitmap>> Active;
  TsfSkinDefinition Definition;
};

// Inflates `packed`, decodes its pictures and reads its definition. Raises what a
// load reports: corrupt or cut-off data, a package of a version above 3, a picture
// that cannot be decoded, a malformed rect or point.
std::unique_ptr<TsfReadSkin> ReadPackedSkin(std::span<const std::uint8_t> packed);

// A package being read on a thread of its own. The result (or the error) goes to
// whoever takes it for the same bytes; the thread is waited for however it ends.
class TsfSkinReadAhead {
 public:
  // Starts reading a copy of `packed`. Once what was read can be taken, `afterwards`
  // (when given) runs on the same thread: other work of the program's start, which
  // then needs no thread of its own. Without a thread to be had, nothing is read
  // ahead, Take gives nothing and `afterwards` does not run.
  explicit TsfSkinReadAhead(std::vector<std::uint8_t> packed, std::function<void()> afterwards = {});
  TsfSkinReadAhead(const TsfSkinReadAhead&) = delete;
  TsfSkinReadAhead& operator=(const TsfSkinReadAhead&) = delete;
  // Waits for the thread, `afterwards` included.
  ~TsfSkinReadAhead();

  bool Started() const { return FThread.valid(); }
  // What was read, once it is there; nullptr when the bytes were not these, when
  // nothing was started, or when it was taken already. A read that failed raises
  // its error here.
  std::unique_ptr<TsfReadSkin> Take(std::span<const std::uint8_t> packed);

 private:
  std::vector<std::uint8_t> FPacked;
  // Written by the thread before it signals FReady, read by the taker after: the
  // thread keeps no hold on what it read, so a read not taken goes when dropped.
  std::unique_ptr<TsfReadSkin> FRead;
  std::exception_ptr FError;
  std::future<void> FReady;
  std::future<void> FThread;
};
