#include "sfShellComboEntries.h"

#include <algorithm>

void TsfShellComboEntries::SetRoot(const std::string& root) {
  std::string previous = FRoot;
  FRoot = root;
  try {
    BuildBase();
  } catch (...) {
    FRoot = previous;
    throw;
  }
}

void TsfShellComboEntries::Insert(size_t at, std::unique_ptr<TsfShellFolder> folder, int depth) {
  TsfShellComboEntry e;
  e.Caption = folder->DisplayName();
  e.ImageIndex = folder->ImageIndex(false);
  e.SelectedIndex = folder->ImageIndex(false, true);
  e.Depth = depth;
  e.Folder = std::move(folder);
  FEntries.insert(FEntries.begin() + static_cast<std::ptrdiff_t>(at), std::move(e));
}

// The child folders of `parent` in its name order, inserted after entry `after`.
void TsfShellComboEntries::AddChildren(size_t after, TsfShellFolder& parent, int depth) {
  auto children = parent.Children(FObjectTypes);
  std::stable_sort(children.begin(), children.end(),
                   [](const auto& a, const auto& b) { return a->CompareNames(*b) < 0; });
  size_t at = after + 1;
  for (auto& child : children) {
    // Children keep no link to the entry's object, which may be replaced.
    auto own = TsfShellFolder::FromAbsolute(child->AbsoluteID());
    Insert(at++, std::move(own), depth);
  }
}

void TsfShellComboEntries::BuildBase() {
  TsfItemIDList root = TsfShellFolder::ResolveRoot(FRoot);
  FEntries.clear();
  FItemIndex = -1;
  Insert(0, TsfShellFolder::FromAbsolute(root), 0);
  AddChildren(0, *FEntries[0].Folder, 1);
  if (FRoot != "rfDesktop") return;
  int computer = IndexOf(TsfShellFolder::SpecialFolder(rfMyComputer));
  if (computer >= 0)
    AddChildren(static_cast<size_t>(computer), *FEntries[static_cast<size_t>(computer)].Folder, 2);
}

int TsfShellComboEntries::IndexOf(const TsfItemIDList& absolute) const {
  for (size_t i = 0; i < FEntries.size(); ++i)
    if (TsfShellFolder::SameItem(FEntries[i].Folder->AbsoluteID(), absolute)) return static_cast<int>(i);
  return -1;
}

int TsfShellComboEntries::ShowFolder(const TsfItemIDList& absolute) {
  if (FItemIndex >= 0 &&
      TsfShellFolder::SameItem(FEntries[static_cast<size_t>(FItemIndex)].Folder->AbsoluteID(), absolute))
    return FItemIndex;
  BuildBase();
  int levels = absolute.Count();
  int found = -1, foundLevels = 0;
  for (int n = levels; n >= 0 && found < 0; --n) {
    found = IndexOf(absolute.Prefix(n));
    foundLevels = n;
  }
  if (found < 0) return FItemIndex;  // not even the root: nothing to show
  size_t at = static_cast<size_t>(found);
  int depth = FEntries[at].Depth;
  for (int n = foundLevels + 1; n <= levels; ++n)
    Insert(++at, TsfShellFolder::FromAbsolute(absolute.Prefix(n)), ++depth);
  FItemIndex = static_cast<int>(at);
  return FItemIndex;
}
