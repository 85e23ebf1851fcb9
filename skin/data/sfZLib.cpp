#include "sfZLib.h"

#include <zlib.h>

#include <algorithm>

namespace {

constexpr size_t kSourceChunk = 4096;
constexpr size_t kOutputChunk = 65536;
constexpr size_t kReservedRatio = 32;

// Ends the inflate state however the loop is left.
struct TInflater {
  z_stream Stream{};
  bool Ready = false;
  TInflater() { Ready = inflateInit(&Stream) == Z_OK; }
  ~TInflater() {
    if (Ready) inflateEnd(&Stream);
  }
};

}  // namespace

std::vector<std::uint8_t> ZCompress(std::span<const std::uint8_t> data) {
  if (data.size() > 0xFFFFFFFFu) throw ECompressionError("error");
  z_stream zs{};
  if (deflateInit(&zs, Z_BEST_COMPRESSION) != Z_OK) throw ECompressionError("error");
  std::vector<std::uint8_t> out(deflateBound(&zs, static_cast<uLong>(data.size())));
  zs.next_in = const_cast<Bytef*>(data.data());
  zs.avail_in = static_cast<uInt>(data.size());
  zs.next_out = out.data();
  zs.avail_out = static_cast<uInt>(out.size());
  int rc = deflate(&zs, Z_FINISH);
  out.resize(zs.total_out);
  deflateEnd(&zs);
  if (rc != Z_STREAM_END) throw ECompressionError("error");
  return out;
}

std::vector<std::uint8_t> ZDecompress(std::span<const std::uint8_t> data, size_t limit) {
  TInflater z;
  if (!z.Ready) throw EDecompressionError("compression error");
  std::vector<std::uint8_t> out;
  // Skin packages inflate to about 18 times their size. Room for 32 times is
  // reserved at once, untouched until written: the output then grows in place,
  // where doubling would touch about two and a half times the memory it ends with.
  out.reserve(std::min(limit, data.size() * kReservedRatio));
  std::uint8_t chunk[kOutputChunk];
  size_t pos = 0;
  int rc = Z_OK;
  while (rc != Z_STREAM_END) {
    if (z.Stream.avail_in == 0) {
      if (pos == data.size()) throw EDecompressionError("compression error");
      size_t n = std::min(kSourceChunk, data.size() - pos);
      z.Stream.next_in = const_cast<Bytef*>(data.data() + pos);
      z.Stream.avail_in = static_cast<uInt>(n);
      pos += n;
    }
    z.Stream.next_out = chunk;
    z.Stream.avail_out = sizeof chunk;
    rc = inflate(&z.Stream, Z_NO_FLUSH);
    if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
      throw EDecompressionError("compression error");
    size_t produced = sizeof chunk - z.Stream.avail_out;
    if (out.size() + produced > limit)
      throw EDecompressionError(Format("skin data inflates to more than %u bytes",
                                       static_cast<unsigned>(limit)));
    out.insert(out.end(), chunk, chunk + produced);
  }
  return out;
}
