// SQLite's allocations go to the checked heap too, set before the engine's first use.
#include <sqlite3.h>

#include <cstring>

#include "CheckedHeap.h"

namespace {

// The engine's blocks hold 8-byte fields.
constexpr std::size_t kAlignment = 8;

void* Malloc(int size) {
  return CheckedHeap::AllocateFrom(static_cast<std::size_t>(size), kAlignment,
                                   __builtin_return_address(0));
}

void Free(void* p) { CheckedHeap::FreeFrom(p, __builtin_return_address(0)); }

int Size(void* p) { return static_cast<int>(CheckedHeap::BlockSize(p)); }

void* Realloc(void* p, int size) {
  void* fresh = CheckedHeap::AllocateFrom(static_cast<std::size_t>(size), kAlignment,
                                          __builtin_return_address(0));
  if (fresh && p) {
    std::size_t old = CheckedHeap::BlockSize(p);
    std::memcpy(fresh, p, old < static_cast<std::size_t>(size) ? old : size);
    CheckedHeap::FreeFrom(p, __builtin_return_address(0));
  }
  return fresh;
}

int Roundup(int size) { return (size + 7) & ~7; }
int Init(void*) { return SQLITE_OK; }
void Shutdown(void*) {}

const sqlite3_mem_methods Methods = {Malloc, Free, Realloc, Size, Roundup, Init, Shutdown, nullptr};

const int Installed = sqlite3_config(SQLITE_CONFIG_MALLOC, &Methods);

}  // namespace

// Read by the heap's own test, so that the installation above is linked and checked.
int CheckedSqliteHeapInstalled() { return Installed; }
