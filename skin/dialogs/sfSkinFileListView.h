#pragma once
// TsfSkinFileListView: the skinned list of the items of one shell folder. The list
// control holds only their count and asks for each item's text and icon when it
// draws it; the folder objects live here, in display order.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sfShellFolder.h"
#include "skin/controls/sfSkinCustomListView.h"
#include "ui/WheelAccumulator.h"

class TsfSkinShellComboBox;

class TsfSkinFileListView : public TsfSkinCustomListView {
 public:
  explicit TsfSkinFileListView(TComponent* AOwner);
  ~TsfSkinFileListView() override;

  // A TRootFolder name or a path; the same root again does nothing.
  const std::string& Root() const { return FRoot; }
  void SetRoot(const std::string& value);
  // Patterns cut at ';' and '|'; a changed mask refills the list.
  const std::string& Mask() const { return FMask; }
  void SetMask(const std::string& value);
  int ObjectTypes() const { return FObjectTypes; }
  void SetObjectTypes(int value);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool value) { FSorted = value; }
  bool AutoNavigate() const { return FAutoNavigate; }
  void SetAutoNavigate(bool value) { FAutoNavigate = value; }
  void SetViewStyle(TViewStyle value) override;

  TsfShellFolder* CurrentFolder() const { return FCurrent.get(); }
  std::string CurrentPath() const { return FCurrent ? FCurrent->Path() : std::string(); }
  int Count() const { return static_cast<int>(FItems.size()); }
  TsfShellFolder& Folders(int index) const { return *FItems.at(static_cast<size_t>(index)).Object; }
  // The selected item's path when it is a file; empty for a folder or nothing.
  std::string SelectedPath() const;
  std::vector<std::string> SelectedFiles() const;
  int Selected() const;
  void SetSelected(int index);
  // Gives an item the focus rectangle without selecting it.
  void FocusItem(int index);

  // "Error setting path: "%s"" when the shell cannot parse the path.
  void GoToPath(const std::string& path);
  // Going to the folder shown already does nothing.
  void GoToFolder(const TsfItemIDList& absolute);
  void Up();
  // Fills again, keeping the selected position when it can.
  void Refresh();
  // A column header click in details view: the sorted column again toggles the
  // direction, another sorts ascending; folders stay before files.
  void ColumnClick(int column);
  // Starts the in-place edit of the selected item's caption; committing it asks the
  // shell to rename the item ("Rename to %s failed" when it refuses).
  void StartRename();
  // The index of the item whose display name is `name`, or -1.
  int IndexOfName(const std::string& name) const;
  int SortColumn() const { return FSortColumn; }
  bool SortDescending() const { return FDescending; }

  // The folder combo told of every move to another folder; the link is made and
  // undone on both sides. Cleared when the combo is destroyed.
  TsfSkinShellComboBox* ShellComboBox() const { return FShellComboBox; }
  void SetShellComboBox(TsfSkinShellComboBox* value);

  // May veto an item about to be listed: return false to leave it out.
  std::function<bool(TsfShellFolder& item)> OnAddFolder;
  // After every move to another folder.
  TNotifyEvent OnFolderChange;
  // An item was selected or lost its selection.
  TNotifyEvent OnSelectionChange;

  void WndProc(TMessage& message) override;

 protected:
  void CreateWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  struct TItem {
    std::unique_ptr<TsfShellFolder> Object;
    bool Folder = false;
    int Order = 0;  // place in the default order
  };
  void SortByColumn();
  void Fill();
  bool Accepts(TsfShellFolder& item, bool folder, const std::string& diskName) const;
  void SortItems();
  void RebuildColumns();
  void AttachSystemImages();
  void DisplayInfo(void* info);
  // Loads an item's detail texts unless they hold every column shown and `least`.
  void LoadDetails(TsfShellFolder& item, int least) const;
  bool HandleKey(unsigned key);
  bool WholeWheelNotches(TMessage& m);
  void EnterSelected();
  bool EndRename(void* info);

  std::string FRoot = "rfDesktop";
  std::string FMask = "*.*|*.*";
  int FObjectTypes = otFolders | otNonFolders;
  bool FSorted = true;
  bool FAutoNavigate = true;
  std::unique_ptr<TsfShellFolder> FCurrent;
  std::vector<TItem> FItems;
  int FSortColumn = -1;
  bool FDescending = false;
  TsfSkinShellComboBox* FShellComboBox = nullptr;
  TWheelAccumulator FWheel;
};
