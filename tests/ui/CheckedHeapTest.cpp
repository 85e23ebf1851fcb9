// The test programs' checked heap stops at each kind of fault, naming it. Each fault
// runs in a child process (a death test), which the heap ends with its report.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "tests/support/CheckedHeap.h"

// The faults here are deliberate.
#pragma GCC diagnostic ignored "-Wuse-after-free"

// Classes of external linkage: the compiler cannot see every class that may
// override Corners, so the call reads the freed object's table.
struct TCheckedHeapShape {
  virtual ~TCheckedHeapShape() = default;
  virtual int Corners() const { return 4; }
};

struct TCheckedHeapTriangle : TCheckedHeapShape {
  int Corners() const override { return 3; }
};

namespace {

// Keeps the compiler from proving the faults away.
template <class T>
T* Opaque(T* p) {
  asm volatile("" : "+r"(p));
  return p;
}

// Reads that the compiler must perform though nothing uses what they read.
volatile int Sink;

int ReadAfterFree() {
  auto* bytes = Opaque(new char[40]);
  std::memset(bytes, 7, 40);
  delete[] bytes;
  Sink = *static_cast<volatile char*>(Opaque(bytes) + 3);
  return Sink;
}

void WriteAfterFree() {
  auto* number = Opaque(new int(5));
  delete number;
  *Opaque(number) = 6;
}

__attribute__((noipa)) TCheckedHeapShape* MakeShape() { return Opaque(new TCheckedHeapTriangle); }
__attribute__((noipa)) void FreeShape(TCheckedHeapShape* shape) { delete Opaque(shape); }

int CallThroughFreedObject() {
  TCheckedHeapShape* shape = MakeShape();
  FreeShape(shape);
  Sink = Opaque(shape)->Corners();
  return Sink;
}

void WritePastEnd(std::size_t size) {
  auto* bytes = Opaque(new char[size]);
  Opaque(bytes)[size] = 1;
  delete[] bytes;
}

int ReadPastEnd() {
  std::vector<int> numbers(10, 1);
  Sink = *static_cast<volatile int*>(Opaque(numbers.data()) + 10);
  return Sink;
}

void WriteBeforeStart() {
  auto* bytes = Opaque(new char[24]);
  Opaque(bytes)[-1] = 1;
  delete[] bytes;
}

void FreeTwice() {
  auto* number = Opaque(new int(1));
  delete number;
  delete Opaque(number);
}

void FreeInside() {
  auto* bytes = Opaque(new char[32]);
  delete[] Opaque(bytes + 8);
}

}  // namespace

TEST(CheckedHeapDeathTest, StopsAtAUseOfFreedMemory) {
  EXPECT_DEATH(ReadAfterFree(), "use after free: read of freed memory");
  EXPECT_DEATH(WriteAfterFree(), "use after free: write of freed memory");
  EXPECT_DEATH(CallThroughFreedObject(), "use after free: read of freed memory");
  // The report names the block: 40 bytes, the read 3 bytes into it.
  EXPECT_DEATH(ReadAfterFree(), "the block: 40 bytes at .*, the address 3 bytes into it");
}

TEST(CheckedHeapDeathTest, StopsAtAnAccessPastTheEnd) {
  EXPECT_DEATH(WritePastEnd(1), "heap overflow: write past the end of a block");
  EXPECT_DEATH(WritePastEnd(13), "heap overflow: write past the end of a block");
  EXPECT_DEATH(WritePastEnd(4096), "heap overflow: write past the end");
  // A block of over a megabyte lies in a range of its own size class.
  EXPECT_DEATH(WritePastEnd(3 << 20), "heap overflow: write past the end");
  EXPECT_DEATH(ReadPastEnd(), "heap overflow: read past the end of a block");
}

TEST(CheckedHeapDeathTest, FindsBadFreesWhenTheyHappen) {
  EXPECT_DEATH(WriteBeforeStart(), "write before the start of a block \\(found when it was freed\\)");
  EXPECT_DEATH(FreeTwice(), "double free");
  EXPECT_DEATH(FreeInside(), "free of a pointer inside a block, not at its start");
}

TEST(CheckedHeapDeathTest, AFreedBlockStaysInaccessibleWhileOthersComeAndGo) {
  EXPECT_DEATH(
      {
        auto* kept = Opaque(new char[100]);
        delete[] kept;
        for (int i = 0; i < 5000; ++i) delete[] Opaque(new char[100]);
        Opaque(kept)[0] = 1;
      },
      "use after free: write of freed memory");
}

TEST(CheckedHeapTest, GivesEachBlockItsSizeAndAlignment) {
  struct alignas(64) TWide {
    char bytes[64];
  };
  auto wide = std::make_unique<TWide>();
  EXPECT_EQ(0u, reinterpret_cast<std::uintptr_t>(wide.get()) % 64);
  auto* sixteen = new char[48];
  EXPECT_EQ(0u, reinterpret_cast<std::uintptr_t>(sixteen) % 16);
  EXPECT_EQ(48u, CheckedHeap::BlockSize(sixteen));
  delete[] sixteen;
  EXPECT_EQ(0u, CheckedHeap::BlockSize(sixteen));
  // Blocks freed long ago hand their pages to new ones.
  std::size_t before = CheckedHeap::Stats().LiveBlocks;
  for (int i = 0; i < 40000; ++i) delete Opaque(new int(i));
  EXPECT_EQ(before, CheckedHeap::Stats().LiveBlocks);
}
