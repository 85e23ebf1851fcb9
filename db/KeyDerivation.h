#pragma once
// PBKDF2 with HMAC-SHA-256: the derivation the catalogue's cipher applies to the
// password and the file's salt. Deriving once and handing the engine the result
// spares every later connection to the same file the tens of thousands of rounds.
#include <array>
#include <cstdint>
#include <string>

using TSha256Digest = std::array<std::uint8_t, 32>;

TSha256Digest Sha256(const std::string& data);
// The blocks are hashed on the processor's SHA extensions where it has them, by
// portable code otherwise. Asking for them where there are none keeps the portable code.
void UseSha256Extensions(bool use);
bool Sha256ExtensionsInUse();
// `length` bytes derived from `password` and `salt` in `iterations` rounds.
std::string Pbkdf2HmacSha256(const std::string& password, const std::string& salt, int iterations,
                             size_t length);
