#include "sfItemIDList.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <new>

namespace {

size_t ByteSize(const ITEMIDLIST* list, int count) {
  size_t size = 0;
  const BYTE* p = reinterpret_cast<const BYTE*>(list);
  for (int i = 0; i != count; ++i) {
    USHORT cb = reinterpret_cast<const SHITEMID*>(p + size)->cb;
    if (cb == 0) break;
    size += cb;
  }
  return size;
}

ITEMIDLIST* Alloc(size_t bytes) {
  auto* list = static_cast<ITEMIDLIST*>(CoTaskMemAlloc(bytes + sizeof(USHORT)));
  if (!list) throw std::bad_alloc();
  return list;
}

}  // namespace

TsfItemIDList TsfItemIDList::Adopt(_ITEMIDLIST* list) {
  TsfItemIDList out;
  out.FList = list;
  return out;
}

TsfItemIDList TsfItemIDList::CopyOf(const _ITEMIDLIST* list) {
  if (!list) return {};
  size_t size = ByteSize(list, -1);
  ITEMIDLIST* copy = Alloc(size);
  std::memcpy(copy, list, size);
  std::memset(reinterpret_cast<BYTE*>(copy) + size, 0, sizeof(USHORT));
  return Adopt(copy);
}

TsfItemIDList::TsfItemIDList(const TsfItemIDList& other) : FList(CopyOf(other.FList).Release()) {}

TsfItemIDList& TsfItemIDList::operator=(const TsfItemIDList& other) {
  if (this != &other) *this = CopyOf(other.FList);
  return *this;
}

TsfItemIDList::TsfItemIDList(TsfItemIDList&& other) noexcept : FList(other.FList) {
  other.FList = nullptr;
}

TsfItemIDList& TsfItemIDList::operator=(TsfItemIDList&& other) noexcept {
  if (this != &other) {
    CoTaskMemFree(FList);
    FList = other.FList;
    other.FList = nullptr;
  }
  return *this;
}

TsfItemIDList::~TsfItemIDList() { CoTaskMemFree(FList); }

_ITEMIDLIST* TsfItemIDList::Release() {
  _ITEMIDLIST* list = FList;
  FList = nullptr;
  return list;
}

int TsfItemIDList::Count() const {
  if (!FList) return 0;
  int n = 0;
  const BYTE* p = reinterpret_cast<const BYTE*>(FList);
  for (USHORT cb; (cb = reinterpret_cast<const SHITEMID*>(p)->cb) != 0; p += cb) ++n;
  return n;
}

TsfItemIDList TsfItemIDList::Concat(const TsfItemIDList& tail) const {
  size_t head = ByteSize(FList, -1), rest = ByteSize(tail.FList, -1);
  ITEMIDLIST* list = Alloc(head + rest);
  BYTE* p = reinterpret_cast<BYTE*>(list);
  if (head) std::memcpy(p, FList, head);
  if (rest) std::memcpy(p + head, tail.FList, rest);
  std::memset(p + head + rest, 0, sizeof(USHORT));
  return Adopt(list);
}

TsfItemIDList TsfItemIDList::Prefix(int count) const {
  size_t size = FList ? ByteSize(FList, count) : 0;
  ITEMIDLIST* list = Alloc(size);
  if (size) std::memcpy(list, FList, size);
  std::memset(reinterpret_cast<BYTE*>(list) + size, 0, sizeof(USHORT));
  return Adopt(list);
}

TsfItemIDList TsfItemIDList::Parent() const {
  int n = Count();
  return Prefix(n > 0 ? n - 1 : 0);
}

TsfItemIDList TsfItemIDList::Last() const {
  int n = Count();
  if (n == 0) return Prefix(0);
  size_t skip = ByteSize(FList, n - 1);
  return CopyOf(reinterpret_cast<const ITEMIDLIST*>(reinterpret_cast<const BYTE*>(FList) + skip));
}
