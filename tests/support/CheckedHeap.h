#pragma once
// The test programs' heap. Every block lies on pages of its own and ends where a page
// that is never mapped begins; a freed block's pages are made inaccessible and stay so
// while the block waits in a quarantine, before its pages are handed out again. A read
// or write of freed memory, or past the end of a block, faults at once, and the fault
// handler stops the program with a message naming the kind of fault, the block and
// where it was allocated and freed. A write before a block's start, a double free and
// the free of a pointer the heap never handed out are found when the block is freed.
//
// Linked into every test program (operator new and delete are replaced there), never
// into the shipped program.
#include <cstddef>

namespace CheckedHeap {

void* Allocate(std::size_t size, std::size_t alignment);
void Free(void* p);
// Allocate and Free for a caller that names its own call site (the C allocators).
void* AllocateFrom(std::size_t size, std::size_t alignment, void* site);
void FreeFrom(void* p, void* site);
// The size asked for when `p` was allocated; 0 for a pointer that is not a live block.
std::size_t BlockSize(const void* p);

struct TStats {
  std::size_t Allocations;
  std::size_t LiveBlocks;
  std::size_t PeakLiveBlocks;
};
TStats Stats();

}  // namespace CheckedHeap
