#include "CheckedHeap.h"

#include <cstdio>
#include <cstring>

#include "CheckedHeapArena.h"

namespace CheckedHeap {

TArena Arena;

namespace {

// Freed blocks wait here, inaccessible, oldest first out. The bounds keep a test
// program's memory modest while leaving a freed block unreachable long enough for
// a late use to fault.
constexpr std::uint32_t kQuarantineBlocks = 1u << 14;
constexpr std::size_t kQuarantinePages = 1u << 14;  // 64 MB of data pages
// Ranges of up to this many pages are kept by their exact size; larger ones are
// rounded up to a power of two, so that freed ones fit later blocks.
constexpr std::uint32_t kExactPages = 256;
constexpr int kFreeLists = kExactPages + 1 + 32;

SRWLOCK Lock = SRWLOCK_INIT;
bool Ready = false;
std::uint32_t FreeLists[kFreeLists];
std::uint32_t Quarantine[kQuarantineBlocks];
std::uint32_t QuarantineFirst = 0, QuarantineCount = 0;
std::size_t QuarantinedPages = 0;
TStats Counts{};

struct TLockGuard {
  TLockGuard() { AcquireSRWLockExclusive(&Lock); }
  ~TLockGuard() { ReleaseSRWLockExclusive(&Lock); }
};

[[noreturn]] void FailOutright(const char* text) {
  FailOnBlock(text, 0, nullptr, nullptr);
}

// A failed call of the system's, with its error code.
[[noreturn]] void FailSystem(const char* text) {
  static char message[256];
  std::snprintf(message, sizeof message, "%s (error %lu; live blocks %llu)", text,
                GetLastError(), static_cast<unsigned long long>(Counts.LiveBlocks));
  FailOutright(message);
}

void* Reserve(std::size_t bytes, DWORD type, DWORD protect) {
  void* p = VirtualAlloc(nullptr, bytes, type, protect);
  if (!p) FailOutright("the checked heap could not reserve its address space");
  return p;
}

void Initialise() {
  Arena.Base = reinterpret_cast<std::uintptr_t>(
      Reserve(std::size_t{kArenaPages} * kPageSize, MEM_RESERVE, PAGE_NOACCESS));
  // Committed pages the system maps only when first touched.
  Arena.PageHead = static_cast<std::uint32_t*>(Reserve(
      std::size_t{kArenaPages} * sizeof(std::uint32_t), MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
  Arena.Blocks = static_cast<TBlock*>(
      Reserve(std::size_t{kArenaPages} * sizeof(TBlock), MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
  InstallFaultHandler();
  Ready = true;
}

int FreeListIndex(std::uint32_t pages) {
  if (pages <= kExactPages) return static_cast<int>(pages);
  int log = 0;
  while ((1u << log) < pages) ++log;
  return kExactPages + 1 + log;
}

std::uint32_t RangePages(std::uint32_t dataPages) {
  std::uint32_t pages = dataPages + 1;
  if (pages <= kExactPages) return pages;
  std::uint32_t rounded = 1;
  while (rounded < pages) rounded <<= 1;
  return rounded;
}

void Protect(std::uintptr_t begin, std::size_t bytes, DWORD protect) {
  DWORD old = 0;
  if (!VirtualProtect(reinterpret_cast<void*>(begin), bytes, protect, &old))
    FailSystem("the checked heap could not change a block's protection"
               " (too many mappings? vm.max_map_count)");
}

void Commit(std::uintptr_t begin, std::size_t bytes) {
  if (!VirtualAlloc(reinterpret_cast<void*>(begin), bytes, MEM_COMMIT, PAGE_READWRITE))
    FailSystem("the checked heap could not commit a block's pages"
               " (too many mappings? vm.max_map_count)");
}

// A range of the given size: a freed one when there is one, else a new one.
std::uint32_t TakeRange(std::uint32_t dataPages) {
  std::uint32_t pages = RangePages(dataPages);
  std::uint32_t& list = FreeLists[FreeListIndex(pages)];
  if (list) {
    std::uint32_t head = list - 1;
    TBlock& b = Arena.Blocks[head];
    list = b.NextFree;
    b.DataPages = dataPages;
    if (pages <= kExactPages)
      Protect(DataBegin(b, head), dataPages * kPageSize, PAGE_READWRITE);
    else
      Commit(DataBegin(b, head), dataPages * kPageSize);
    return head;
  }
  if (Arena.Bump + pages > kArenaPages)
    FailOutright("the checked heap's address space is used up");
  std::uint32_t head = Arena.Bump;
  Arena.Bump += pages;
  for (std::uint32_t p = head; p < head + pages; ++p) Arena.PageHead[p] = head + 1;
  TBlock& b = Arena.Blocks[head];
  b.Pages = pages;
  b.DataPages = dataPages;
  Commit(DataBegin(b, head), dataPages * kPageSize);
  return head;
}

void Recycle(std::uint32_t head) {
  TBlock& b = Arena.Blocks[head];
  b.State = TBlockState::Recycled;
  // Large ranges give their memory back; small ones keep it, inaccessible.
  if (b.Pages > kExactPages) {
    if (!VirtualFree(reinterpret_cast<void*>(DataBegin(b, head)), b.DataPages * kPageSize,
                     MEM_DECOMMIT))
      FailSystem("the checked heap could not release a block's pages");
  }
  std::uint32_t& list = FreeLists[FreeListIndex(b.Pages)];
  b.NextFree = list;
  list = head + 1;
}

void QuarantineBlock(std::uint32_t head) {
  const TBlock& b = Arena.Blocks[head];
  while (QuarantineCount == kQuarantineBlocks ||
         (QuarantineCount && QuarantinedPages + b.DataPages > kQuarantinePages)) {
    std::uint32_t oldest = Quarantine[QuarantineFirst];
    QuarantineFirst = (QuarantineFirst + 1) % kQuarantineBlocks;
    --QuarantineCount;
    QuarantinedPages -= Arena.Blocks[oldest].DataPages;
    Recycle(oldest);
  }
  Quarantine[(QuarantineFirst + QuarantineCount) % kQuarantineBlocks] = head;
  ++QuarantineCount;
  QuarantinedPages += b.DataPages;
}

void CaptureSites(void** sites, void* caller) {
  std::memset(sites, 0, sizeof(void*) * kSites);
  int frames = SiteFrames();
  if (frames <= 1 || !RtlCaptureStackBackTrace(3, frames, sites, nullptr)) sites[0] = caller;
}

std::size_t NaturalAlignment(std::size_t size) {
  // No object needs more alignment than the lowest set bit of its size, so a block
  // can end exactly where the guard page begins.
  std::size_t a = size & (~size + 1);
  return a > 16 ? 16 : a;
}

bool CanariesHold(std::uintptr_t begin, std::uintptr_t end) {
  for (std::uintptr_t p = begin; p < end; ++p)
    if (*reinterpret_cast<unsigned char*>(p) != kCanaryByte) return false;
  return true;
}

}  // namespace

TBlock* RangeOf(std::uintptr_t address, std::uint32_t* head) {
  if (!Ready || address < Arena.Base) return nullptr;
  std::uintptr_t page = (address - Arena.Base) / kPageSize;
  if (page >= Arena.Bump || !Arena.PageHead[page]) return nullptr;
  *head = Arena.PageHead[page] - 1;
  return &Arena.Blocks[*head];
}

void* AllocateFrom(std::size_t size, std::size_t alignment, void* site) {
  if (size == 0) size = 1;
  std::size_t align = alignment > NaturalAlignment(size) ? alignment : NaturalAlignment(size);
  if (size > (std::size_t{1} << 40)) return nullptr;
  std::size_t span = size + (align - 1) + kFrontCanary;
  auto dataPages = static_cast<std::uint32_t>((span + kPageSize - 1) / kPageSize);
  TLockGuard lock;
  if (!Ready) Initialise();
  std::uint32_t head = TakeRange(dataPages);
  TBlock& b = Arena.Blocks[head];
  std::uintptr_t end = BlockEnd(b, head);
  std::uintptr_t start = (end - size) & ~(std::uintptr_t{align} - 1);
  b.Start = start;
  b.Size = size;
  b.State = TBlockState::Live;
  b.NextFree = 0;
  std::memset(reinterpret_cast<void*>(start - kFrontCanary), kCanaryByte, kFrontCanary);
  std::memset(reinterpret_cast<void*>(start + size), kCanaryByte, end - (start + size));
  CaptureSites(b.AllocSites, site);
  std::memset(b.FreeSites, 0, sizeof b.FreeSites);
  ++Counts.Allocations;
  if (++Counts.LiveBlocks > Counts.PeakLiveBlocks) Counts.PeakLiveBlocks = Counts.LiveBlocks;
  return reinterpret_cast<void*>(start);
}

void FreeFrom(void* p, void* site) {
  if (!p) return;
  auto address = reinterpret_cast<std::uintptr_t>(p);
  TLockGuard lock;
  std::uint32_t head = 0;
  TBlock* b = RangeOf(address, &head);
  if (!b) FailOnBlock("free of a pointer the heap never handed out", address, nullptr, nullptr);
  if (b->State != TBlockState::Live) {
    void* here[kSites] = {site};
    FailOnBlock("double free", address, b, here);
  }
  if (address != b->Start)
    FailOnBlock("free of a pointer inside a block, not at its start", address, b, nullptr);
  if (!CanariesHold(b->Start - kFrontCanary, b->Start))
    FailOnBlock("write before the start of a block (found when it was freed)", address, b,
                nullptr);
  if (!CanariesHold(b->Start + b->Size, BlockEnd(*b, head)))
    FailOnBlock("write past the end of a block (found when it was freed)", address, b, nullptr);
  Protect(DataBegin(*b, head), b->DataPages * kPageSize, PAGE_NOACCESS);
  b->State = TBlockState::Quarantined;
  CaptureSites(b->FreeSites, site);
  --Counts.LiveBlocks;
  QuarantineBlock(head);
}

void* Allocate(std::size_t size, std::size_t alignment) {
  return AllocateFrom(size, alignment, __builtin_return_address(0));
}

void Free(void* p) { FreeFrom(p, __builtin_return_address(0)); }

std::size_t BlockSize(const void* p) {
  TLockGuard lock;
  std::uint32_t head = 0;
  TBlock* b = RangeOf(reinterpret_cast<std::uintptr_t>(p), &head);
  if (!b || b->State != TBlockState::Live || b->Start != reinterpret_cast<std::uintptr_t>(p))
    return 0;
  return b->Size;
}

TStats Stats() {
  TLockGuard lock;
  return Counts;
}

}  // namespace CheckedHeap
