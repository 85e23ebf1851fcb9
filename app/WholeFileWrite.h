#pragma once
// Writing a file the user chose without ever leaving it half written.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

// Writes `bytes` into a new file beside `target` and only then moves it into the
// target's place, so that a failure on the way (a full disk) leaves an existing
// target as it was. Raises EInOutError naming the target and giving the
// platform's reason: "Cannot create file "%s" (...)" when no file can be made
// there, "Unable to write to %s (...)" when the writing fails. The new file is
// removed again after any failure.
void WriteWholeFile(const std::filesystem::path& target, std::string_view bytes);

// For tests: asked before each block is written, with the block's offset; a
// nonzero answer is taken as the platform's error code of that write failing.
inline std::function<unsigned long(std::uint64_t offset)> WholeFileWriteFault;
