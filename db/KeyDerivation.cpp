#include "KeyDerivation.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#endif

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

#if defined(__x86_64__) || defined(__i386__)
#define SHA_EXTENSIONS __attribute__((target("sha,sse4.1")))

// The processor's SHA extensions keep the state as two vectors, ABEF and CDGH, and
// take the message as four vectors of four words each (W0 in the lowest lane).
struct TShaState {
  __m128i Abef, Cdgh;
};

SHA_EXTENSIONS inline TShaState ToShaState(const std::uint32_t state[8]) {
  const __m128i cdab = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0xB1);
  const __m128i efgh = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state + 4)), 0x1B);
  return {_mm_alignr_epi8(cdab, efgh, 8), _mm_blend_epi16(efgh, cdab, 0xF0)};
}

// The state as words A..D and E..H, which is also how a digest is the next block's
// first eight message words.
SHA_EXTENSIONS inline void FromShaState(const TShaState& s, __m128i& abcd, __m128i& efgh) {
  const __m128i feba = _mm_shuffle_epi32(s.Abef, 0x1B);
  const __m128i dchg = _mm_shuffle_epi32(s.Cdgh, 0xB1);
  abcd = _mm_blend_epi16(feba, dchg, 0xF0);
  efgh = _mm_alignr_epi8(dchg, feba, 8);
}

// One block: the message schedule and two rounds at a time in one instruction each.
SHA_EXTENSIONS inline TShaState ShaBlock(const TShaState& start, __m128i w0, __m128i w1, __m128i w2,
                                         __m128i w3) {
  __m128i abef = start.Abef, cdgh = start.Cdgh;
  __m128i w[4] = {w0, w1, w2, w3};  // the schedule's words 4g .. 4g + 3 of the last four groups
  for (int g = 0; g < 16; ++g) {
    const __m128i current = w[g % 4];
    __m128i words = _mm_add_epi32(current, _mm_loadu_si128(reinterpret_cast<const __m128i*>(K + 4 * g)));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    if (g >= 3 && g < 15) {
      __m128i& next = w[(g + 1) % 4];
      next = _mm_add_epi32(next, _mm_alignr_epi8(current, w[(g + 3) % 4], 4));
      next = _mm_sha256msg2_epu32(next, current);
    }
    words = _mm_shuffle_epi32(words, 0x0E);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, words);
    if (g >= 1 && g < 13) w[(g + 3) % 4] = _mm_sha256msg1_epu32(w[(g + 3) % 4], current);
  }
  return {_mm_add_epi32(abef, start.Abef), _mm_add_epi32(cdgh, start.Cdgh)};
}

SHA_EXTENSIONS inline __m128i ByteSwapWords(__m128i v) {
  return _mm_shuffle_epi8(v, _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL));
}

// The same block function on the extensions, about four times as fast.
SHA_EXTENSIONS void CompressWithShaExtensions(std::uint32_t state[8], const std::uint8_t block[64]) {
  __m128i m[4];
  for (int i = 0; i < 4; ++i)
    m[i] = ByteSwapWords(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i)));
  __m128i abcd, efgh;
  FromShaState(ShaBlock(ToShaState(state), m[0], m[1], m[2], m[3]), abcd, efgh);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state), abcd);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), efgh);
}

// `count` more rounds of PBKDF2 after `u`, all in registers: each round signs the last
// digest under the inner and outer key states (one padded block each, the padding
// and the 768-bit length the same every time) and folds it into `t`.
SHA_EXTENSIONS void RoundsWithShaExtensions(const std::uint32_t inner[8], const std::uint32_t outer[8],
                                            std::uint8_t u[32], std::uint8_t t[32], int count) {
  const TShaState innerStart = ToShaState(inner), outerStart = ToShaState(outer);
  const __m128i padding = _mm_set_epi32(0, 0, 0, static_cast<int>(0x80000000u));
  const __m128i length = _mm_set_epi32(768, 0, 0, 0);
  __m128i u0 = ByteSwapWords(_mm_loadu_si128(reinterpret_cast<const __m128i*>(u)));
  __m128i u1 = ByteSwapWords(_mm_loadu_si128(reinterpret_cast<const __m128i*>(u + 16)));
  __m128i t0 = ByteSwapWords(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t)));
  __m128i t1 = ByteSwapWords(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + 16)));
  for (int i = 0; i < count; ++i) {
    __m128i h0, h1;
    FromShaState(ShaBlock(innerStart, u0, u1, padding, length), h0, h1);
    FromShaState(ShaBlock(outerStart, h0, h1, padding, length), u0, u1);
    t0 = _mm_xor_si128(t0, u0);
    t1 = _mm_xor_si128(t1, u1);
  }
  _mm_storeu_si128(reinterpret_cast<__m128i*>(u), ByteSwapWords(u0));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(u + 16), ByteSwapWords(u1));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(t), ByteSwapWords(t0));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(t + 16), ByteSwapWords(t1));
}

bool ProcessorHasShaExtensions() {
  unsigned a, b, c, d;
  if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & bit_SSE4_1) || !(c & bit_SSSE3)) return false;
  return __get_cpuid_count(7, 0, &a, &b, &c, &d) && (b & bit_SHA);
}
#else
void CompressWithShaExtensions(std::uint32_t state[8], const std::uint8_t block[64]) {
  Compress(state, block);
}
bool ProcessorHasShaExtensions() { return false; }
#endif

std::atomic<bool>& ExtensionsInUse() {
  static std::atomic<bool> inUse{ProcessorHasShaExtensions()};
  return inUse;
}

using TBlockFunction = void (*)(std::uint32_t state[8], const std::uint8_t block[64]);

TBlockFunction BlockFunction() {
  return ExtensionsInUse().load(std::memory_order_relaxed) ? CompressWithShaExtensions : Compress;
}

void StoreBigEndian(const std::uint32_t words[8], std::uint8_t* out) {
  for (int i = 0; i < 8; ++i)
    for (int j = 0; j < 4; ++j) out[4 * i + j] = static_cast<std::uint8_t>(words[i] >> (24 - 8 * j));
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
    StoreBigEndian(h.State, out.data());
    return out;
  }
  void Compress(const std::uint8_t* block) {
    BlockFunction()(State, block);
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
  // Sign for a digest, in place: one block under each key, whose padding and length
  // (the key block and 32 bytes, 768 bits) are the same every time.
  void SignDigest(TSha256Digest& digest, TBlockFunction compress) const {
    std::uint8_t block[64] = {};
    block[32] = 0x80;
    block[62] = 0x03;
    std::uint32_t state[8];
    std::memcpy(block, digest.data(), digest.size());
    std::memcpy(state, Inner.State, sizeof state);
    compress(state, block);
    StoreBigEndian(state, block);
    std::memcpy(state, Outer.State, sizeof state);
    compress(state, block);
    StoreBigEndian(state, digest.data());
  }
};

}  // namespace

void UseSha256Extensions(bool use) { ExtensionsInUse() = use && ProcessorHasShaExtensions(); }

bool Sha256ExtensionsInUse() { return ExtensionsInUse(); }

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
    const TBlockFunction compress = BlockFunction();
#if defined(__x86_64__) || defined(__i386__)
    if (compress == CompressWithShaExtensions)
      RoundsWithShaExtensions(hmac.Inner.State, hmac.Outer.State, u.data(), t.data(), iterations - 1);
    else
#endif
      for (int i = 1; i < iterations; ++i) {
        hmac.SignDigest(u, compress);
        for (size_t j = 0; j < t.size(); ++j) t[j] ^= u[j];
      }
    out.append(reinterpret_cast<const char*>(t.data()), std::min(t.size(), length - out.size()));
  }
  return out;
}
