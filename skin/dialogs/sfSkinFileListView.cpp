#include "sfSkinFileListView.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <map>

#include "sfFileMask.h"
#include "sfSkinShellComboBox.h"
#include "ui/CodePage.h"
#include "ui/Messages.h"
#include "ui/SysUtils.h"
#include "ui/SystemLibraries.h"

TsfSkinFileListView::TsfSkinFileListView(TComponent* AOwner) : TsfSkinCustomListView(AOwner) {
  SetOwnerData(true);
  SetEditLabels(true);
  SetViewStyle(vsList);
}

TsfSkinFileListView::~TsfSkinFileListView() = default;

void TsfSkinFileListView::CreateWnd() {
  TsfSkinCustomListView::CreateWnd();
  AttachSystemImages();
  if (!FCurrent) {
    GoToFolder(TsfShellFolder::ResolveRoot(FRoot));
  } else {
    SetItemCount(Count());
    if (ViewStyle() == vsReport) RebuildColumns();
  }
}

void TsfSkinFileListView::AttachSystemImages() {
  UseCom();
  SHFILEINFOW info{};
  for (bool large : {false, true}) {
    UINT flags = SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON);
    auto images = SHGetFileInfoW(L"C:\\", 0, &info, sizeof(info), flags);
    SendMessageW(HandleValue(), LVM_SETIMAGELIST, large ? LVSIL_NORMAL : LVSIL_SMALL,
                 static_cast<LPARAM>(images));
  }
}

void TsfSkinFileListView::SetRoot(const std::string& value) {
  if (value == FRoot) return;
  TsfItemIDList root = TsfShellFolder::ResolveRoot(value);
  FRoot = value;
  GoToFolder(root);
}

void TsfSkinFileListView::SetMask(const std::string& value) {
  if (value == FMask) return;
  FMask = value;
  if (FCurrent) Fill();
}

void TsfSkinFileListView::SetObjectTypes(int value) {
  if (value == FObjectTypes) return;
  FObjectTypes = value;
  if (FCurrent) Fill();
}

void TsfSkinFileListView::SetViewStyle(TViewStyle value) {
  TsfSkinCustomListView::SetViewStyle(value);
  if (value != vsReport || !HandleAllocated()) return;
  RebuildColumns();
  // Rows drawn before their columns existed are drawn again with them.
  InvalidateRect(HandleValue(), nullptr, TRUE);
}

void TsfSkinFileListView::GoToPath(const std::string& path) {
  GoToFolder(TsfShellFolder::ParsePath(path));
}

void TsfSkinFileListView::GoToFolder(const TsfItemIDList& absolute) {
  if (FCurrent && TsfShellFolder::SameItem(FCurrent->AbsoluteID(), absolute)) return;
  FCurrent = TsfShellFolder::FromAbsolute(absolute);
  FSortColumn = -1;
  FDescending = false;
  Fill();
  if (ViewStyle() == vsReport) RebuildColumns();
  if (FShellComboBox) FShellComboBox->ShowFolder(FCurrent->AbsoluteID());
  if (OnFolderChange) OnFolderChange(this);
}

void TsfSkinFileListView::SetShellComboBox(TsfSkinShellComboBox* value) {
  if (value == FShellComboBox) return;
  TsfSkinShellComboBox* previous = FShellComboBox;
  if (previous) RemoveFreeNotification(previous);
  FShellComboBox = value;
  if (previous && previous->ShellListView() == this) previous->SetShellListView(nullptr);
  if (!value) return;
  FreeNotification(value);
  value->SetShellListView(this);
}

void TsfSkinFileListView::Notification(TComponent* AComponent, TOperation Operation) {
  TsfSkinCustomListView::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FShellComboBox) FShellComboBox = nullptr;
}

void TsfSkinFileListView::Up() {
  if (!FCurrent || FCurrent->AbsoluteID().Count() == 0) return;
  GoToFolder(FCurrent->AbsoluteID().Parent());
}

void TsfSkinFileListView::Refresh() {
  if (!FCurrent) return;
  int selected = Selected();
  Fill();
  if (selected >= 0 && Count() > 0) SetSelected(std::min(selected, Count() - 1));
}

namespace {

// The shell shows or hides a file's extension alike for every file of that
// extension, and asking it for each display name walks the registry per file: a
// folder of thousands of files took longer than everything else the dialog does.
// The first file of each extension is asked; the others follow its answer.
class TExtensionRules {
 public:
  // The display name of a file whose name on disk is `diskName`.
  void Name(TsfShellFolder& item, const std::string& diskName) {
    size_t dot = diskName.rfind('.');
    if (diskName.empty() || dot == std::string::npos || dot == 0) return;
    std::string key = UpperCase(diskName.substr(dot));
    auto rule = FHidden.find(key);
    if (rule != FHidden.end()) {
      item.KnowDisplayName(rule->second ? diskName.substr(0, dot) : diskName);
      return;
    }
    std::string shown = item.DisplayName();
    if (shown == diskName) FHidden[key] = false;
    else if (shown == diskName.substr(0, dot)) FHidden[key] = true;
  }

 private:
  std::map<std::string, bool> FHidden;
};

}  // namespace

bool TsfSkinFileListView::Accepts(TsfShellFolder& item, bool folder,
                                  const std::string& diskName) const {
  // The name on disk where there is one: a shell that hides known extensions
  // must not hide files from the mask.
  if (!folder && !sf::MatchesMask(FMask, diskName.empty() ? item.DisplayName() : diskName))
    return false;
  return !OnAddFolder || OnAddFolder(item);
}

void TsfSkinFileListView::Fill() {
  HCURSOR previous = ::SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32514)));  // the hourglass
  FItems.clear();
  TExtensionRules rules;
  for (auto& child : FCurrent->Children(FObjectTypes)) {
    bool folder = child->IsFolder();
    std::string diskName = !folder && child->IsFileSystem() ? child->InFolderName() : std::string();
    if (!Accepts(*child, folder, diskName)) continue;
    if (!diskName.empty()) rules.Name(*child, diskName);
    FItems.push_back({std::move(child), folder});
  }
  if (FSorted) SortItems();
  if (FSortColumn >= 0) SortByColumn();
  if (HandleAllocated()) {
    SetSelected(-1);  // no selection left over from the last folder
    SetItemCount(Count());
    InvalidateRect(HandleValue(), nullptr, TRUE);
  }
  ::SetCursor(previous);
}

void TsfSkinFileListView::SortItems() {
  std::stable_sort(FItems.begin(), FItems.end(), [](const TItem& a, const TItem& b) {
    if (a.Folder != b.Folder) return a.Folder;
    return a.Object->CompareNames(*b.Object) < 0;
  });
}

void TsfSkinFileListView::RebuildColumns() {
  // The window first: making it builds the columns of a details view already, and
  // those are cleared with the rest instead of being added to.
  Handle();
  ClearColumns();
  if (!FCurrent) return;
  HDC dc = GetDC(HandleValue());
  HGDIOBJ old = SelectObject(dc, Font().Handle());
  SIZE x{};
  GetTextExtentPoint32W(dc, L"X", 1, &x);
  SelectObject(dc, old);
  ReleaseDC(HandleValue(), dc);
  for (const auto& c : FCurrent->Columns()) {
    static const TAlignment alignments[] = {taLeftJustify, taRightJustify, taCenter};
    AddColumn(c.Caption, c.Chars * x.cx, alignments[c.Alignment]);
  }
}

int TsfSkinFileListView::Selected() const {
  if (!HandleAllocated()) return -1;
  return static_cast<int>(SendMessageW(HandleValue(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TsfSkinFileListView::SetSelected(int index) {
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  if (index < 0 || index >= Count()) return;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&state));
}

void TsfSkinFileListView::FocusItem(int index) {
  if (index < 0 || index >= Count()) return;
  LVITEMW state{};
  state.stateMask = LVIS_FOCUSED;
  state.state = LVIS_FOCUSED;
  SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&state));
}

std::string TsfSkinFileListView::SelectedPath() const {
  int i = Selected();
  if (i < 0 || i >= Count() || FItems[static_cast<size_t>(i)].Folder) return {};
  return FItems[static_cast<size_t>(i)].Object->Path();
}

std::vector<std::string> TsfSkinFileListView::SelectedFiles() const {
  std::vector<std::string> out;
  if (!HandleAllocated()) return out;
  for (int i = -1; (i = static_cast<int>(SendMessageW(HandleValue(), LVM_GETNEXTITEM, static_cast<WPARAM>(i),
                                                      LVNI_SELECTED))) >= 0 && i < Count();)
    if (!FItems[static_cast<size_t>(i)].Folder) out.push_back(FItems[static_cast<size_t>(i)].Object->Path());
  return out;
}

void TsfSkinFileListView::DisplayInfo(void* raw) {
  auto* info = static_cast<NMLVDISPINFOW*>(raw);
  LVITEMW& item = info->item;
  if (item.iItem < 0 || item.iItem >= Count()) return;
  TsfShellFolder& object = *FItems[static_cast<size_t>(item.iItem)].Object;
  if (item.mask & LVIF_TEXT && item.pszText && item.cchTextMax > 0) {
    std::string text;
    if (item.iSubItem == 0) {
      text = object.DisplayName();
    } else {
      LoadDetails(object, item.iSubItem + 1);
      text = object.Details(item.iSubItem);
    }
    std::wstring wide = item.iSubItem == 0 ? PathFromAnsi(text) : AnsiToWide(text);
    lstrcpynW(item.pszText, wide.c_str(), item.cchTextMax);
  }
  if (item.mask & LVIF_IMAGE) item.iImage = object.ImageIndex(ViewStyle() == vsIcon);
}

// A sort reads the details of rows not shown yet, with or without the columns of
// a details view: a row shown later loads again what it lacks.
void TsfSkinFileListView::LoadDetails(TsfShellFolder& item, int least) const {
  int count = std::max(ColumnCount(), least);
  if (!item.DetailsLoaded() || item.DetailCount() < count) item.LoadColumnDetails(count);
}

void TsfSkinFileListView::StartRename() {
  int i = Selected();
  if (i < 0) return;
  ::SetFocus(Handle());
  SendMessageW(HandleValue(), LVM_EDITLABELW, static_cast<WPARAM>(i), 0);
}

int TsfSkinFileListView::IndexOfName(const std::string& name) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i].Object->DisplayName() == name) return static_cast<int>(i);
  return -1;
}

// True to keep the new caption.
bool TsfSkinFileListView::EndRename(void* raw) {
  auto* info = static_cast<NMLVDISPINFOW*>(raw);
  int i = info->item.iItem;
  if (!info->item.pszText || i < 0 || i >= Count()) return false;  // cancelled
  TsfShellFolder& item = *FItems[static_cast<size_t>(i)].Object;
  item.Rename(PathToAnsi(info->item.pszText));
  SendMessageW(HandleValue(), LVM_REDRAWITEMS, static_cast<WPARAM>(i), i);
  return true;
}

void TsfSkinFileListView::EnterSelected() {
  int i = Selected();
  if (i < 0 || i >= Count() || !FItems[static_cast<size_t>(i)].Folder) return;
  TsfItemIDList target = FItems[static_cast<size_t>(i)].Object->AbsoluteID();
  GoToFolder(target);
}

bool TsfSkinFileListView::HandleKey(unsigned key) {
  if (!FAutoNavigate) return false;
  switch (key) {
    case VK_BACK:
      if (SendMessageW(HandleValue(), LVM_GETEDITCONTROL, 0, 0)) return false;
      Up();
      return true;
    case VK_RETURN:
      if (Selected() < 0 || !SelectedPath().empty()) return false;
      EnterSelected();
      return true;
    case VK_F5:
      Refresh();
      return true;
  }
  return false;
}

// The platform list scrolls a whole column for any wheel message in list view, a
// part of a notch too: it is handed whole notches only, the parts added up first.
// False when the message is dealt with (a part that waits for more).
bool TsfSkinFileListView::WholeWheelNotches(TMessage& m) {
  constexpr int most = 32767 / WHEEL_DELTA;
  int notches = std::clamp(FWheel.Add(static_cast<short>(HIWORD(m.WParam))), -most, most);
  if (notches == 0) {
    m.Result = 0;
    return false;
  }
  m.WParam = MAKEWPARAM(LOWORD(m.WParam), static_cast<WORD>(notches * WHEEL_DELTA));
  return true;
}

void TsfSkinFileListView::WndProc(TMessage& m) {
  if (m.Msg == WM_MOUSEWHEEL && !WholeWheelNotches(m)) return;
  if (m.Msg == CN_BASE + WM_NOTIFY) {
    auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
    if (hdr->code == LVN_GETDISPINFOW) {
      DisplayInfo(hdr);
      return;
    }
    if (hdr->code == LVN_BEGINLABELEDITW) {
      int i = reinterpret_cast<NMLVDISPINFOW*>(hdr)->item.iItem;
      m.Result = i < 0 || i >= Count() || !FItems[static_cast<size_t>(i)].Object->CanRename();
      return;
    }
    if (hdr->code == LVN_ENDLABELEDITW) {
      m.Result = EndRename(hdr);
      return;
    }
    if (hdr->code == LVN_ITEMCHANGED) {
      auto* change = reinterpret_cast<NMLISTVIEW*>(hdr);
      if ((change->uChanged & LVIF_STATE) &&
          ((change->uNewState ^ change->uOldState) & LVIS_SELECTED) && OnSelectionChange)
        OnSelectionChange(this);
    }
    if (hdr->code == LVN_COLUMNCLICK && ViewStyle() == vsReport) {
      ColumnClick(reinterpret_cast<NMLISTVIEW*>(hdr)->iSubItem);
      return;
    }
  }
  if (m.Msg == WM_KEYDOWN && HandleKey(static_cast<unsigned>(m.WParam))) return;
  if (m.Msg == WM_LBUTTONDBLCLK && FAutoNavigate) {
    TsfSkinCustomListView::WndProc(m);
    EnterSelected();
    return;
  }
  TsfSkinCustomListView::WndProc(m);
}
