// Every operator new and delete of a test program goes to the checked heap.
#include <cstddef>
#include <new>

#include "CheckedHeap.h"

namespace {

void* AllocateOrThrow(std::size_t size, std::size_t alignment, void* site) {
  void* p = CheckedHeap::AllocateFrom(size, alignment, site);
  if (!p) throw std::bad_alloc();
  return p;
}

}  // namespace

#define CHECKED_SITE __builtin_return_address(0)

void* operator new(std::size_t size) { return AllocateOrThrow(size, 1, CHECKED_SITE); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size, 1, CHECKED_SITE); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return CheckedHeap::AllocateFrom(size, 1, CHECKED_SITE);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return CheckedHeap::AllocateFrom(size, 1, CHECKED_SITE);
}
void* operator new(std::size_t size, std::align_val_t a) {
  return AllocateOrThrow(size, static_cast<std::size_t>(a), CHECKED_SITE);
}
void* operator new[](std::size_t size, std::align_val_t a) {
  return AllocateOrThrow(size, static_cast<std::size_t>(a), CHECKED_SITE);
}
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
  return CheckedHeap::AllocateFrom(size, static_cast<std::size_t>(a), CHECKED_SITE);
}
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
  return CheckedHeap::AllocateFrom(size, static_cast<std::size_t>(a), CHECKED_SITE);
}

void operator delete(void* p) noexcept { CheckedHeap::FreeFrom(p, CHECKED_SITE); }
void operator delete[](void* p) noexcept { CheckedHeap::FreeFrom(p, CHECKED_SITE); }
void operator delete(void* p, std::size_t) noexcept { CheckedHeap::FreeFrom(p, CHECKED_SITE); }
void operator delete[](void* p, std::size_t) noexcept { CheckedHeap::FreeFrom(p, CHECKED_SITE); }
void operator delete(void* p, const std::nothrow_t&) noexcept {
  CheckedHeap::FreeFrom(p, CHECKED_SITE);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  CheckedHeap::FreeFrom(p, CHECKED_SITE);
}
void operator delete(void* p, std::align_val_t) noexcept { CheckedHeap::FreeFrom(p, CHECKED_SITE); }
void operator delete[](void* p, std::align_val_t) noexcept {
  CheckedHeap::FreeFrom(p, CHECKED_SITE);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
  CheckedHeap::FreeFrom(p, CHECKED_SITE);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
  CheckedHeap::FreeFrom(p, CHECKED_SITE);
}
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept {
  CheckedHeap::FreeFrom(p, CHECKED_SITE);
}
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept {
  CheckedHeap::FreeFrom(p, CHECKED_SITE);
}
