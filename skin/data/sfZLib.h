#pragma once
// zlib streams of skin packages: deflate at best compression, inflate with a cap.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "ui/Exception.h"

class EZLibError : public Exception { using Exception::Exception; };
// Raised with the message "error".
class ECompressionError : public EZLibError { using EZLibError::EZLibError; };
// Raised with the message "compression error" for corrupt or cut-off data.
class EDecompressionError : public EZLibError { using EZLibError::EZLibError; };

// No skin comes near this; a stream that inflates beyond it is refused.
constexpr size_t kMaxInflatedSize = 64u << 20;

// A zlib stream (header 78 DA) of `data` at level 9.
std::vector<std::uint8_t> ZCompress(std::span<const std::uint8_t> data);
// Inflates one zlib stream, feeding the source in 4,096-byte chunks; bytes after the
// stream's end are ignored. Output beyond `limit` raises EDecompressionError.
std::vector<std::uint8_t> ZDecompress(std::span<const std::uint8_t> data,
                                      size_t limit = kMaxInflatedSize);
