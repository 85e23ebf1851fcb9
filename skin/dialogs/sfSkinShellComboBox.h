#pragma once
// TsfSkinShellComboBox: the skinned folder combo. Its items are the captions of its
// entries (the root, the root's folders and, around the folder shown, that folder's
// chain of ancestors), each drawn with its icon, indented by its depth in the
// drop-down list. Linked with a file list, it shows the list's folder and sends the
// list to the folder the user chooses.
#include <string>

#include "sfShellComboEntries.h"
#include "skin/controls/sfSkinComboBox.h"

class TsfSkinFileListView;

class TsfSkinShellComboBox : public TsfSkinComboBox {
 public:
  explicit TsfSkinShellComboBox(TComponent* AOwner);
  ~TsfSkinShellComboBox() override;

  // A TRootFolder name or a path. Rebuilds the entries, chooses the root and gives
  // the linked list the same root; "Error setting path: "%s"" when it cannot be
  // resolved, with everything left as it was.
  const std::string& Root() const { return FEntries.Root(); }
  void SetRoot(const std::string& value);
  // Which children are entries (folders only by default); rebuilds.
  int ObjectTypes() const { return FEntries.ObjectTypes(); }
  void SetObjectTypes(int value);

  // The list this combo follows and steers; the link is made and undone on both
  // sides. Cleared when the list is destroyed.
  TsfSkinFileListView* ShellListView() const { return FShellListView; }
  void SetShellListView(TsfSkinFileListView* value);

  // Shows a folder: its entry is chosen, the chain of its ancestors inserted where
  // the entries lack it. The list calls it after each navigation.
  void ShowFolder(const TsfItemIDList& absolute);

  const TsfShellComboEntries& Entries() const { return FEntries; }
  // The chosen entry's folder, or nullptr.
  TsfShellFolder* SelectedFolder() const;

  // Images() (of the base) replaces the system's small icons when set: the entries'
  // icon indexes then refer to it.

 protected:
  void Change() override;
  void ClosedUp() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void FillItems();
  void TakeChoice();
  void DrawEntry(TCanvas& canvas, int index, const TRect& text, bool selected, bool indent);
  TPoint IconSize() const;

  TsfShellComboEntries FEntries;
  TsfSkinFileListView* FShellListView = nullptr;
  bool FFilling = false;
};
