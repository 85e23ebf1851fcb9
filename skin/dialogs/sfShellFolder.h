#pragma once
// TsfShellFolder: one item of the shell's namespace (the desktop at the top, then
// drives, folders, files and virtual folders) as the file list and the folder
// combo show it: its item-ID lists, names, attributes, icons and detail texts.
#include <memory>
#include <string>
#include <vector>

#include "sfItemIDList.h"

struct IShellFolder;
struct IShellFolder2;

// Special folders a view may be rooted at.
enum TRootFolder {
  rfDesktop, rfMyComputer, rfNetwork, rfRecycleBin, rfAppData, rfCommonDesktopDirectory,
  rfCommonPrograms, rfCommonStartMenu, rfCommonStartup, rfControlPanel, rfDesktopDirectory,
  rfFavorites, rfFonts, rfInternet, rfPersonal, rfPrinters, rfPrintHood, rfPrograms, rfRecent,
  rfSendTo, rfStartMenu, rfStartup, rfTemplates
};

// Which children an enumeration yields.
enum TsfShellObjectType { otFolders = 1, otNonFolders = 2, otHidden = 4 };

class TsfShellFolder {
 public:
  // `relative` is the item inside `parent`; without a parent the item lies in the
  // desktop (depth 0: the combo's root entry). The object keeps its own copies.
  TsfShellFolder(TsfShellFolder* parent, const TsfItemIDList& relative);
  ~TsfShellFolder();
  TsfShellFolder(const TsfShellFolder&) = delete;
  TsfShellFolder& operator=(const TsfShellFolder&) = delete;

  // The process-wide desktop object.
  static TsfShellFolder& Desktop();
  // The absolute list of a root: a TRootFolder name ("rfDesktop", ...) or a path
  // ("C:" gets its "\"). Raises "Error setting path: "%s"" when it cannot be resolved.
  static TsfItemIDList ResolveRoot(const std::string& root);
  // The absolute list of a path parsed by the desktop, same error.
  static TsfItemIDList ParsePath(const std::string& path);
  static TsfItemIDList SpecialFolder(TRootFolder folder);
  // True when two absolute lists name the same item (the desktop's comparison).
  static bool SameItem(const TsfItemIDList& a, const TsfItemIDList& b);
  // An object for an absolute list, made directly under the desktop object.
  static std::unique_ptr<TsfShellFolder> FromAbsolute(const TsfItemIDList& absolute);

  TsfShellFolder* Parent() const { return FParent; }
  const TsfItemIDList& RelativeID() const { return FRelative; }
  const TsfItemIDList& AbsoluteID() const { return FAbsolute; }
  int Level() const { return FLevel; }
  bool IsDesktop() const { return FAbsolute.Count() == 0; }

  // The folder interface of this item itself, bound on first need (nullptr for a
  // file). Not add-ref'ed for the caller.
  IShellFolder* ShellFolder();
  // The interface of the folder this item lies in.
  IShellFolder* ParentShellFolder() const;

  // Asked of the shell once, unless told beforehand.
  std::string DisplayName() const;
  // Tells the item its display name, so the shell is not asked for it.
  void KnowDisplayName(const std::string& name);
  // The parsing name from the desktop; a virtual folder ("::{...}") gives its
  // display name instead.
  std::string ParsingPath() const;
  // The item's parsing name inside its folder: for a file-system item its name on
  // disk, whatever the shell's display settings hide.
  std::string InFolderName() const;
  // The file-system path, empty for a virtual item.
  std::wstring PathW() const;
  std::string Path() const;

  bool IsFolder() const;
  bool HasSubFolders() const;
  bool IsFileSystem() const;
  bool CanRename() const;
  // The item's icon in the system image list.
  int ImageIndex(bool large, bool open = false) const;

  // The children, in enumeration order; `types` is a set of TsfShellObjectType.
  std::vector<std::unique_ptr<TsfShellFolder>> Children(int types);
  // The parent's name order of two items of the same folder (<0, 0, >0).
  int CompareNames(const TsfShellFolder& other) const;

  // The column captions of this folder's details view; the built-in four for a
  // file-system folder without a provider.
  struct TColumn {
    std::string Caption;
    int Chars = 0;       // width in characters
    int Alignment = 0;   // 0 left, 1 right, 2 centre
  };
  std::vector<TColumn> Columns();
  // Fills the cache of detail texts, `count` columns from the parent's provider or
  // the built-in ones.
  void LoadColumnDetails(int count);
  // A cached detail text; "%s: Missing call to LoadColumnDetails" before the load.
  const std::string& Details(int column) const;
  bool DetailsLoaded() const { return FDetailsLoaded; }
  // The columns the last load filled.
  int DetailCount() const { return static_cast<int>(FDetails.size()); }

  // Asks the parent to rename the item; "Rename to %s failed" when it refuses.
  void Rename(const std::string& newName);

 private:
  TsfShellFolder();  // the desktop
  unsigned long Attributes(unsigned long mask) const;
  IShellFolder2* Details2() const;
  void LoadBuiltInDetails();

  // The item's own identifier inside the folder that holds it.
  const TsfItemIDList& InHost() const { return FInHost.Empty() ? FRelative : FInHost; }

  TsfShellFolder* FParent = nullptr;
  TsfItemIDList FRelative, FAbsolute;
  IShellFolder* FFolder = nullptr;
  // For a relative list of more than one level (an object made straight under the
  // desktop for a deep item): the folder that really holds the item, bound on first
  // need, and the item's last identifier. The shell answers attributes and names
  // only for single-level lists.
  mutable IShellFolder* FHost = nullptr;
  TsfItemIDList FInHost;
  int FLevel = 0;
  std::vector<std::string> FDetails;
  mutable std::string FDisplayName;
  mutable bool FDisplayNameKnown = false;
  bool FDetailsLoaded = false;
};
