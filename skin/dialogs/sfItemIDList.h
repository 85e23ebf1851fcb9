#pragma once
// TsfItemIDList: an owned shell item-ID list (absolute from the desktop, or
// relative to a parent), allocated by the shell's allocator and released with it.

struct _ITEMIDLIST;

class TsfItemIDList {
 public:
  TsfItemIDList() = default;
  // Takes ownership of `list` (from the shell's allocator).
  static TsfItemIDList Adopt(_ITEMIDLIST* list);
  // A copy of `list`, which stays the caller's.
  static TsfItemIDList CopyOf(const _ITEMIDLIST* list);
  TsfItemIDList(const TsfItemIDList& other);
  TsfItemIDList& operator=(const TsfItemIDList& other);
  TsfItemIDList(TsfItemIDList&& other) noexcept;
  TsfItemIDList& operator=(TsfItemIDList&& other) noexcept;
  ~TsfItemIDList();

  _ITEMIDLIST* Get() const { return FList; }
  // Gives the list up to the caller.
  _ITEMIDLIST* Release();
  bool Empty() const { return FList == nullptr; }
  // The number of identifiers (0 for the desktop's empty list).
  int Count() const;
  // parent + this.
  TsfItemIDList Concat(const TsfItemIDList& tail) const;
  // Without its last identifier.
  TsfItemIDList Parent() const;
  // The last identifier alone.
  TsfItemIDList Last() const;
  // The first `count` identifiers: Prefix(0) is the desktop, Prefix(i) for i below
  // Count() the ancestors from the top down.
  TsfItemIDList Prefix(int count) const;

 private:
  _ITEMIDLIST* FList = nullptr;
};
