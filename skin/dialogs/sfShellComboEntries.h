#pragma once
// The entries of the folder combo: the root, its child folders (and, under the
// desktop, the drives of the computer folder), and around the folder shown the
// chain of its ancestors, each one level deeper.
#include <memory>
#include <string>
#include <vector>

#include "sfShellFolder.h"

struct TsfShellComboEntry {
  std::string Caption;
  std::unique_ptr<TsfShellFolder> Folder;
  int Depth = 0;
  int ImageIndex = -1;
  int SelectedIndex = -1;
};

class TsfShellComboEntries {
 public:
  // Rebuilds the base entries; "Error setting path: "%s"" for a root that cannot
  // be resolved.
  void SetRoot(const std::string& root);
  const std::string& Root() const { return FRoot; }
  // Which children of the root (and of the computer) are entries: a set of
  // TsfShellObjectType, folders only by default. Takes effect at the next rebuild.
  int ObjectTypes() const { return FObjectTypes; }
  void SetObjectTypes(int value) { FObjectTypes = value; }
  // Rebuilds the entries around the folder and chooses its entry (nothing changes
  // when it is chosen already). Returns the chosen index.
  int ShowFolder(const TsfItemIDList& absolute);

  int Count() const { return static_cast<int>(FEntries.size()); }
  const TsfShellComboEntry& Entries(int index) const { return FEntries.at(static_cast<size_t>(index)); }
  int ItemIndex() const { return FItemIndex; }
  // The index of the entry for this folder, or -1.
  int IndexOf(const TsfItemIDList& absolute) const;

 private:
  void BuildBase();
  void Insert(size_t at, std::unique_ptr<TsfShellFolder> folder, int depth);
  void AddChildren(size_t after, TsfShellFolder& parent, int depth);

  std::string FRoot = "rfDesktop";
  int FObjectTypes = otFolders;
  std::vector<TsfShellComboEntry> FEntries;
  int FItemIndex = -1;
};
