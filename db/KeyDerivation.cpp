#include "KeyDerivation.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint32_t K[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

constexpr std::uint32_t Initial[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                      0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};

std::uint32_t Rotr(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

void Compress(std::uint32_t state[8], const std::uint8_t block[64]) {
  std::uint32_t w[64];
  for (int i = 0; i < 16; ++i)
    w[i] = std::uint32_t(block[4 * i]) << 24 | std::uint32_t(block[4 * i + 1]) << 16 |
           std::uint32_t(block[4 * i + 2]) << 8 | block[4 * i + 3];
  for (int i = 16; i < 64; ++i) {
    std::uint32_t s0 = Rotr(w[i - 15], 7) ^ Rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
    std::uint32_t s1 = Rotr(w[i - 2], 17) ^ Rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
    w[i] = w[i - 16] + s0 + w[i - 7] + s1;
  }
  std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
  std::uint32_t e = state[4], f = state[5], g = state[6], h = state[7];
  for (int i = 0; i < 64; ++i) {
    std::uint32_t t1 = h + (Rotr(e, 6) ^ Rotr(e, 11) ^ Rotr(e, 25)) + ((e & f) ^ (~e & g)) + K[i] + w[i];
    std::uint32_t t2 = (Rotr(a, 2) ^ Rotr(a, 13) ^ Rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
    h = g;
    g = f;
    f = e;
    e = d + t1;
    d = c;
    c = b;
    b = a;
    a = t1 + t2;
  }
  state[0] += a; state[1] += b; state[2] += c; state[3] += d;
  state[4] += e; state[5] += f; state[6] += g; state[7] += h;
}

// A hash under way: the state after some whole blocks. HMAC keeps the states after
// its inner and outer key blocks and starts every round from them.
struct TSha256 {
  std::uint32_t State[8];
  std::uint64_t Length = 0;  // bytes hashed into State
  TSha256() { std::memcpy(State, Initial, sizeof State); }

  // Hashes whole blocks of `data` and then the tail with the padding.
  TSha256Digest Finish(const std::uint8_t* data, size_t size) const {
    TSha256 h = *this;
    size_t whole = size - size % 64;
    for (size_t i = 0; i < whole; i += 64) h.Compress(data + i);
    std::uint8_t tail[128] = {};
    size_t rest = size - whole;
    std::memcpy(tail, data + whole, rest);
    tail[rest] = 0x80;
    size_t blocks = rest + 9 > 64 ? 2 : 1;
    std::uint64_t bits = (h.Length + rest) * 8;
    for (int i = 0; i < 8; ++i) tail[blocks * 64 - 1 - i] = static_cast<std::uint8_t>(bits >> (8 * i));
    for (size_t i = 0; i < blocks; ++i) h.Compress(tail + 64 * i);
    TSha256Digest out;
    for (int i = 0; i < 8; ++i)
      for (int j = 0; j < 4; ++j) out[4 * i + j] = static_cast<std::uint8_t>(h.State[i] >> (24 - 8 * j));
    return out;
  }
  void Compress(const std::uint8_t* block) {
    ::Compress(State, block);
    Length += 64;
  }
};

struct THmac {
  TSha256 Inner, Outer;
  explicit THmac(const std::string& key) {
    std::uint8_t block[64] = {};
    if (key.size() > 64) {
      TSha256Digest d = Sha256(key);
      std::memcpy(block, d.data(), d.size());
    } else {
      std::memcpy(block, key.data(), key.size());
    }
    std::uint8_t pad[64];
    for (int i = 0; i < 64; ++i) pad[i] = block[i] ^ 0x36;
    Inner.Compress(pad);
    for (int i = 0; i < 64; ++i) pad[i] = block[i] ^ 0x5c;
    Outer.Compress(pad);
  }
  TSha256Digest Sign(const std::uint8_t* data, size_t size) const {
    TSha256Digest inner = Inner.Finish(data, size);
    return Outer.Finish(inner.data(), inner.size());
  }
};

}  // namespace

TSha256Digest Sha256(const std::string& data) {
  return TSha256().Finish(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
}

std::string Pbkdf2HmacSha256(const std::string& password, const std::string& salt, int iterations,
                             size_t length) {
  THmac hmac(password);
  std::string out;
  for (std::uint32_t block = 1; out.size() < length; ++block) {
    std::string first = salt;
    for (int i = 3; i >= 0; --i) first += static_cast<char>(block >> (8 * i));
    TSha256Digest u = hmac.Sign(reinterpret_cast<const std::uint8_t*>(first.data()), first.size());
    TSha256Digest t = u;
    for (int i = 1; i < iterations; ++i) {
      u = hmac.Sign(u.data(), u.size());
      for (size_t j = 0; j < t.size(); ++j) t[j] ^= u[j];
    }
    out.append(reinterpret_cast<const char*>(t.data()), std::min(t.size(), length - out.size()));
  }
  return out;
}
