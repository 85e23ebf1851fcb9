#pragma once
// Small but complete BMP files for the package tests.
#include <cstdint>
#include <vector>

inline void PutLE(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A bottom-up BMP of the given size and depth (1, 8 or 24 bits), pixels from `seed`.
inline std::vector<std::uint8_t> MakeBmp(int width, int height, int bpp, std::uint8_t seed = 1) {
  const std::uint32_t colours = bpp <= 8 ? 1u << bpp : 0;
  const std::uint32_t stride = ((static_cast<std::uint32_t>(width) * bpp + 31) / 32) * 4;
  const std::uint32_t offset = 14 + 40 + colours * 4;
  const std::uint32_t size = offset + stride * static_cast<std::uint32_t>(height);
  std::vector<std::uint8_t> b;
  b.push_back('B');
  b.push_back('M');
  PutLE(b, size, 4);
  PutLE(b, 0, 4);
  PutLE(b, offset, 4);
  PutLE(b, 40, 4);
  PutLE(b, static_cast<std::uint32_t>(width), 4);
  PutLE(b, static_cast<std::uint32_t>(height), 4);
  PutLE(b, 1, 2);
  PutLE(b, static_cast<std::uint32_t>(bpp), 2);
  PutLE(b, 0, 4);
  PutLE(b, stride * static_cast<std::uint32_t>(height), 4);
  PutLE(b, 2835, 4);
  PutLE(b, 2835, 4);
  PutLE(b, colours, 4);
  PutLE(b, 0, 4);
  for (std::uint32_t i = 0; i < colours; ++i) PutLE(b, i * 0x010101u * (256 / colours), 4);
  for (std::uint32_t i = 0; i < stride * static_cast<std::uint32_t>(height); ++i)
    b.push_back(static_cast<std::uint8_t>(seed + i * 7));
  return b;
}
