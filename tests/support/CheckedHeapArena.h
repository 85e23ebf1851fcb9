#pragma once
// The checked heap's arena and block records, shared by its allocator and its fault
// report. Internal to the heap.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace CheckedHeap {

constexpr std::size_t kPageSize = 4096;
// 32 GB of address space: freed ranges are used again, so this bounds the peak of
// live and quarantined blocks, not the total ever allocated.
constexpr std::uint32_t kArenaPages = 8u << 20;
// Guard canaries before each block's start, checked when the block is freed.
constexpr std::size_t kFrontCanary = 16;
constexpr unsigned char kCanaryByte = 0xAB;
constexpr int kSites = 4;

enum class TBlockState : std::uint8_t { Unused, Live, Quarantined, Recycled };

// One record per range, kept at the range's first page. A range is `Pages` pages:
// unused leading pages (large ranges only), the data pages, and one guard page that
// is never mapped. The block ends where the guard page begins.
struct TBlock {
  std::uintptr_t Start;
  std::size_t Size;
  std::uint32_t Pages;
  std::uint32_t DataPages;
  std::uint32_t NextFree;  // in a free list: the next range's first page, plus one
  TBlockState State;
  void* AllocSites[kSites];
  void* FreeSites[kSites];
};

struct TArena {
  std::uintptr_t Base;
  std::uint32_t* PageHead;  // for each page handed out: its range's first page, plus one
  TBlock* Blocks;           // indexed by a range's first page
  std::uint32_t Bump;
};

extern TArena Arena;

inline std::uintptr_t PageAddress(std::uint32_t page) { return Arena.Base + page * kPageSize; }
inline std::uintptr_t BlockEnd(const TBlock& b, std::uint32_t head) {
  return PageAddress(head + b.Pages - 1);
}
inline std::uintptr_t DataBegin(const TBlock& b, std::uint32_t head) {
  return BlockEnd(b, head) - b.DataPages * kPageSize;
}
// The range that holds `address`, or nullptr for an address the heap never handed out.
TBlock* RangeOf(std::uintptr_t address, std::uint32_t* head);

// The fault report (CheckedHeapReport.cpp): both print a message and end the process.
[[noreturn]] void FailOnBlock(const char* fault, std::uintptr_t address, const TBlock* block,
                              void* const* sites);
void InstallFaultHandler();
int SiteFrames();
// The function of the program's own file nearest at or before `preferred` (an
// address at the program's preferred base), and how far past its start it lies.
bool NearestSymbol(HMODULE module, std::uintptr_t preferred, char* out, std::size_t outSize,
                   unsigned long long* offset);

}  // namespace CheckedHeap
