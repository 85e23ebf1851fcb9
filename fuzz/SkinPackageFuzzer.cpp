// The package reader over any bytes: a raw package, or (when the input starts like a
// zlib stream, which no package version can) a stored zlib stream to inflate first.
// Any outcome but a clean result or one of the reader's own errors is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "skin/data/sfSkinPackage.h"
#include "skin/data/sfZLib.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  std::span<const std::uint8_t> input(data, size);
  try {
    auto package = size > 0 && data[0] == 0x78 ? UnpackSkinPackage(input) : ReadSkinPackage(input);
    if (!package) return 0;
    // What was read writes back to a package that reads the same.
    auto again = ReadSkinPackage(WriteSkinPackage(*package));
    if (!again || again->ActivePictures != package->ActivePictures ||
        again->MainPicture != package->MainPicture || again->MaskPicture != package->MaskPicture ||
        again->InactivePicture != package->InactivePicture ||
        again->DefinitionText != package->DefinitionText)
      std::abort();
  } catch (const EsfReadError&) {
  } catch (const EInvalidGraphic&) {
  } catch (const EDecompressionError&) {
  }
  return 0;
}
