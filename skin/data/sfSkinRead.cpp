#include "sfSkinRead.h"

// The pictures are DIB sections: this is platform code, not built into the host tools.
#include <windows.h>

#include <algorithm>
#include <system_error>
#include <utility>

#include "sfIniFile.h"
#include "sfSkinPackage.h"
#include "sfSkinValues.h"
#include "sfZLib.h"

namespace {

std::unique_ptr<TBitmap> Picture(const std::optional<TsfBmpView>& bytes) {
  auto bitmap = std::make_unique<TBitmap>();
  if (bytes) bitmap->LoadFromBytes(bytes->data(), bytes->size());
  return bitmap;
}

}  // namespace

std::unique_ptr<TsfReadSkin> ReadPackedSkin(std::span<const std::uint8_t> packed) {
  // The pictures and the definition are read in place from the inflated package.
  const std::vector<std::uint8_t> inflated = ZDecompress(packed);
  std::optional<TsfSkinPackageView> package = ReadSkinPackageView(inflated);
  // A package of a later version is not read; that is reported like any other
  // skin that cannot be loaded, so that it does not pass as a plain look by choice.
  if (!package) throw EsfReadError("The skin package is of a version above 3, which is not supported");
  auto read = std::make_unique<TsfReadSkin>();
  read->Main = Picture(package->MainPicture);
  read->Inactive = Picture(package->InactivePicture);
  read->Mask = Picture(package->MaskPicture);
  for (TsfBmpView bytes : package->ActivePictures) read->Active.push_back(Picture(bytes));
  read->Definition.ReadDefinition(TsfIniFile(package->DefinitionText));
  return read;
}

TsfSkinReadAhead::TsfSkinReadAhead(std::vector<std::uint8_t> packed, std::function<void()> afterwards)
    : FPacked(std::move(packed)) {
  std::promise<void> ready;
  std::future<void> signalled = ready.get_future();
  try {
    FThread = std::async(std::launch::async, [this, ready = std::move(ready),
                                              afterwards = std::move(afterwards)]() mutable {
      try {
        FRead = ReadPackedSkin(FPacked);
      } catch (...) {
        FError = std::current_exception();
      }
      ready.set_value();
      if (afterwards) afterwards();
    });
    FReady = std::move(signalled);
  } catch (const std::system_error&) {
    // No thread to be had: the load reads the package itself.
  }
}

TsfSkinReadAhead::~TsfSkinReadAhead() {
  if (FThread.valid()) FThread.wait();
}

std::unique_ptr<TsfReadSkin> TsfSkinReadAhead::Take(std::span<const std::uint8_t> packed) {
  if (!FReady.valid()) return nullptr;
  FReady.get();
  const bool same = std::equal(packed.begin(), packed.end(), FPacked.begin(), FPacked.end());
  std::vector<std::uint8_t>().swap(FPacked);
  std::unique_ptr<TsfReadSkin> read = std::move(FRead);
  if (!same) return nullptr;
  if (FError) std::rethrow_exception(std::exchange(FError, nullptr));
  return read;
}
