// The BMP decoder over any bytes. Only EInvalidGraphic may escape; what decodes has
// as many pixels as its size says, and writes out to a file that decodes to the same
// colours.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ui/BmpCodec.h"
#include "ui/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  TBmpImage image;
  try {
    image = DecodeBmp(data, size);
  } catch (const EInvalidGraphic&) {
    return 0;
  }
  if (image.Pixels.size() != static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height))
    std::abort();
  std::vector<std::uint8_t> file = EncodeBmp(image, 24);
  TBmpImage back = DecodeBmp(file.data(), file.size());
  for (size_t i = 0; i < image.Pixels.size(); ++i)
    if ((back.Pixels[i] ^ image.Pixels[i]) & 0xFFFFFF) std::abort();
  return 0;
}
