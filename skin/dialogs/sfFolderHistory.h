#pragma once
// The dialog's list of visited folders for Back. Entries are opaque folder
// identities; `same` tells whether two name the same folder (the shell compares
// item-ID lists, not their bytes).
#include <functional>
#include <utility>
#include <vector>

template <typename T>
class TsfFolderHistory {
 public:
  using TSame = std::function<bool(const T&, const T&)>;
  explicit TsfFolderHistory(TSame same) : FSame(std::move(same)) {}

  // A folder entered: appended unless it is the last entry already.
  void Record(const T& folder) {
    if (!FEntries.empty() && FSame(FEntries.back(), folder)) return;
    FEntries.push_back(folder);
  }
  // Back: the folder being left goes, and the new last entry is where to go;
  // nothing when there is no earlier folder. The caller goes there without
  // recording it again.
  bool Back(T& target) {
    if (FEntries.size() < 2) return false;
    FEntries.pop_back();
    target = FEntries.back();
    return true;
  }
  size_t Count() const { return FEntries.size(); }
  const std::vector<T>& Entries() const { return FEntries; }

 private:
  TSame FSame;
  std::vector<T> FEntries;
};
