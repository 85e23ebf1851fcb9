#include "sfShellFolder.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <utility>

#include "ui/CodePage.h"
#include "ui/Exception.h"
#include "ui/SysUtils.h"
#include "ui/SystemLibraries.h"

namespace {

std::string FromStrRet(STRRET& ret, const ITEMIDLIST* item) {
  LPWSTR text = nullptr;
  if (FAILED(StrRetToStrW(&ret, item, &text)) || !text) return {};
  // Names are held as paths are, so that one GBK cannot hold comes back exactly.
  std::string out = PathToAnsi(text);
  CoTaskMemFree(text);
  return out;
}

std::string NameOf(IShellFolder* folder, const ITEMIDLIST* item, DWORD flags) {
  STRRET ret{};
  if (!folder || FAILED(folder->GetDisplayNameOf(item, flags, &ret))) return {};
  return FromStrRet(ret, item);
}

const std::pair<const char*, int> kRootNames[] = {
    {"rfDesktop", CSIDL_DESKTOP},
    {"rfMyComputer", CSIDL_DRIVES},
    {"rfNetwork", CSIDL_NETWORK},
    {"rfRecycleBin", CSIDL_BITBUCKET},
    {"rfAppData", CSIDL_APPDATA},
    {"rfCommonDesktopDirectory", CSIDL_COMMON_DESKTOPDIRECTORY},
    {"rfCommonPrograms", CSIDL_COMMON_PROGRAMS},
    {"rfCommonStartMenu", CSIDL_COMMON_STARTMENU},
    {"rfCommonStartup", CSIDL_COMMON_STARTUP},
    {"rfControlPanel", CSIDL_CONTROLS},
    {"rfDesktopDirectory", CSIDL_DESKTOPDIRECTORY},
    {"rfFavorites", CSIDL_FAVORITES},
    {"rfFonts", CSIDL_FONTS},
    {"rfInternet", CSIDL_INTERNET},
    {"rfPersonal", CSIDL_PERSONAL},
    {"rfPrinters", CSIDL_PRINTERS},
    {"rfPrintHood", CSIDL_PRINTHOOD},
    {"rfPrograms", CSIDL_PROGRAMS},
    {"rfRecent", CSIDL_RECENT},
    {"rfSendTo", CSIDL_SENDTO},
    {"rfStartMenu", CSIDL_STARTMENU},
    {"rfStartup", CSIDL_STARTUP},
    {"rfTemplates", CSIDL_TEMPLATES},
};

[[noreturn]] void PathError(const std::string& path) {
  throw Exception(Format("Error setting path: \"%s\"", path.c_str()));
}

}  // namespace

TsfShellFolder::TsfShellFolder() {
  UseCom();
  if (FAILED(SHGetDesktopFolder(&FFolder))) FFolder = nullptr;
  FAbsolute = SpecialFolder(rfDesktop);
  FRelative = FAbsolute;
}

TsfShellFolder::TsfShellFolder(TsfShellFolder* parent, const TsfItemIDList& relative)
    : FParent(parent ? parent : &Desktop()), FRelative(relative) {
  FAbsolute = FParent->FAbsolute.Concat(FRelative);
  FLevel = parent ? parent->FLevel + 1 : 0;
  if (FRelative.Count() > 1) FInHost = FRelative.Last();
}

TsfShellFolder::~TsfShellFolder() {
  if (FFolder) FFolder->Release();
  if (FHost) FHost->Release();
}

TsfShellFolder& TsfShellFolder::Desktop() {
  // Never freed: at exit COM may be closed before static objects go.
  static TsfShellFolder* desktop = new TsfShellFolder();
  return *desktop;
}

TsfItemIDList TsfShellFolder::SpecialFolder(TRootFolder folder) {
  UseCom();
  ITEMIDLIST* list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, kRootNames[folder].second, &list)) || !list)
    PathError(kRootNames[folder].first);
  return TsfItemIDList::Adopt(list);
}

TsfItemIDList TsfShellFolder::ResolveRoot(const std::string& root) {
  for (size_t i = 0; i < std::size(kRootNames); ++i)
    if (root == kRootNames[i].first) return SpecialFolder(static_cast<TRootFolder>(i));
  std::string path = root;
  if (path.size() == 2 && path[1] == ':') path += '\\';
  return ParsePath(path);
}

TsfItemIDList TsfShellFolder::ParsePath(const std::string& path) {
  IShellFolder* desktop = Desktop().FFolder;
  std::wstring wide = PathFromAnsi(path);
  ITEMIDLIST* list = nullptr;
  ULONG eaten = 0;
  if (path.empty() || !desktop ||
      FAILED(desktop->ParseDisplayName(nullptr, nullptr, wide.data(), &eaten, &list, nullptr)) || !list)
    PathError(path);
  return TsfItemIDList::Adopt(list);
}

bool TsfShellFolder::SameItem(const TsfItemIDList& a, const TsfItemIDList& b) {
  IShellFolder* desktop = Desktop().FFolder;
  if (!desktop || a.Empty() || b.Empty()) return a.Empty() == b.Empty();
  HRESULT hr = desktop->CompareIDs(0, a.Get(), b.Get());
  return SUCCEEDED(hr) && HRESULT_CODE(hr) == 0;
}

std::unique_ptr<TsfShellFolder> TsfShellFolder::FromAbsolute(const TsfItemIDList& absolute) {
  // Parented by the objects of its ancestors would be more work than it is worth:
  // the desktop binds any absolute list.
  return std::make_unique<TsfShellFolder>(nullptr, absolute);
}

IShellFolder* TsfShellFolder::ParentShellFolder() const {
  if (!FParent) return FFolder;
  if (FInHost.Empty()) return FParent->ShellFolder();
  if (!FHost) {
    void* bound = nullptr;
    TsfItemIDList hostList = FRelative.Parent();
    if (SUCCEEDED(FParent->ShellFolder()->BindToObject(hostList.Get(), nullptr, IID_IShellFolder, &bound)))
      FHost = static_cast<IShellFolder*>(bound);
  }
  return FHost;
}

IShellFolder* TsfShellFolder::ShellFolder() {
  if (FFolder || !FParent) return FFolder;
  if (FAbsolute.Count() == 0) {  // another object for the desktop itself
    FFolder = Desktop().FFolder;
    if (FFolder) FFolder->AddRef();
    return FFolder;
  }
  IShellFolder* parent = ParentShellFolder();
  void* bound = nullptr;
  if (parent && SUCCEEDED(parent->BindToObject(InHost().Get(), nullptr, IID_IShellFolder, &bound)))
    FFolder = static_cast<IShellFolder*>(bound);
  return FFolder;
}

std::string TsfShellFolder::DisplayName() const {
  if (!FDisplayNameKnown) {
    FDisplayName = NameOf(ParentShellFolder(), InHost().Get(), SHGDN_INFOLDER);
    FDisplayNameKnown = true;
  }
  return FDisplayName;
}

void TsfShellFolder::KnowDisplayName(const std::string& name) {
  FDisplayName = name;
  FDisplayNameKnown = true;
}

std::string TsfShellFolder::InFolderName() const {
  return NameOf(ParentShellFolder(), InHost().Get(), SHGDN_INFOLDER | SHGDN_FORPARSING);
}

std::string TsfShellFolder::ParsingPath() const {
  std::string name = NameOf(Desktop().FFolder, FAbsolute.Get(), SHGDN_FORPARSING);
  if (name.rfind("::{", 0) == 0) return DisplayName();
  return name;
}

std::wstring TsfShellFolder::PathW() const {
  wchar_t buffer[MAX_PATH] = {};
  if (FAbsolute.Empty() || !SHGetPathFromIDListW(FAbsolute.Get(), buffer)) return {};
  return buffer;
}

std::string TsfShellFolder::Path() const { return PathToAnsi(PathW()); }

unsigned long TsfShellFolder::Attributes(unsigned long mask) const {
  if (!FParent || FAbsolute.Count() == 0) return mask & (SFGAO_FOLDER | SFGAO_HASSUBFOLDER);
  IShellFolder* parent = ParentShellFolder();
  SFGAOF attrs = mask;
  LPCITEMIDLIST item = InHost().Get();
  if (!parent || FAILED(parent->GetAttributesOf(1, &item, &attrs))) return 0;
  return attrs & mask;
}

bool TsfShellFolder::IsFolder() const {
  if (!(Attributes(SFGAO_FOLDER) & SFGAO_FOLDER)) return false;
  // Archives are files here. The in-folder name is much cheaper than the path.
  std::string name = UpperCase(InFolderName());
  return !(name.size() >= 4 && name.compare(name.size() - 4, 4, ".ZIP") == 0);
}

bool TsfShellFolder::HasSubFolders() const { return Attributes(SFGAO_HASSUBFOLDER) != 0; }
bool TsfShellFolder::IsFileSystem() const { return Attributes(SFGAO_FILESYSTEM) != 0; }
bool TsfShellFolder::CanRename() const { return Attributes(SFGAO_CANRENAME) != 0; }

int TsfShellFolder::ImageIndex(bool large, bool open) const {
  SHFILEINFOW info{};
  UINT flags = SHGFI_PIDL | SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON) |
               (open ? SHGFI_OPENICON : 0);
  if (!SHGetFileInfoW(reinterpret_cast<LPCWSTR>(FAbsolute.Get()), 0, &info, sizeof(info), flags))
    return -1;
  return info.iIcon;
}

std::vector<std::unique_ptr<TsfShellFolder>> TsfShellFolder::Children(int types) {
  std::vector<std::unique_ptr<TsfShellFolder>> out;
  IShellFolder* folder = ShellFolder();
  if (!folder) return out;
  SHCONTF flags = (types & otFolders ? SHCONTF_FOLDERS : 0) |
                  (types & otNonFolders ? SHCONTF_NONFOLDERS : 0) |
                  (types & otHidden ? SHCONTF_INCLUDEHIDDEN : 0);
  IEnumIDList* items = nullptr;
  if (folder->EnumObjects(nullptr, flags, &items) != S_OK || !items) return out;
  ITEMIDLIST* item = nullptr;
  ULONG fetched = 0;
  while (items->Next(1, &item, &fetched) == S_OK && fetched == 1) {
    TsfItemIDList relative = TsfItemIDList::Adopt(item);
    out.push_back(std::make_unique<TsfShellFolder>(this, relative));
  }
  items->Release();
  return out;
}

int TsfShellFolder::CompareNames(const TsfShellFolder& other) const {
  IShellFolder* parent = ParentShellFolder();
  if (!parent) return 0;
  HRESULT hr = parent->CompareIDs(0, InHost().Get(), other.InHost().Get());
  return FAILED(hr) ? 0 : static_cast<short>(HRESULT_CODE(hr));
}

void TsfShellFolder::Rename(const std::string& newName) {
  IShellFolder* parent = ParentShellFolder();
  std::wstring wide = PathFromAnsi(newName);
  ITEMIDLIST* renamed = nullptr;
  if (!CanRename() || !parent ||
      FAILED(parent->SetNameOf(nullptr, InHost().Get(), wide.c_str(), SHGDN_INFOLDER, &renamed)) ||
      !renamed)
    throw Exception(Format("Rename to %s failed", newName.c_str()));
  TsfItemIDList last = TsfItemIDList::Adopt(renamed);
  if (FInHost.Empty()) {
    FRelative = last;
  } else {
    FRelative = FRelative.Parent().Concat(last);
    FInHost = last;
  }
  FAbsolute = FParent->FAbsolute.Concat(FRelative);
  if (FFolder) FFolder->Release();
  FFolder = nullptr;
  FDetails.clear();
  FDetailsLoaded = false;
  FDisplayNameKnown = false;
}
