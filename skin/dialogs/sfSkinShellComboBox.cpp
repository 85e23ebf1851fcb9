#include "sfSkinShellComboBox.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "sfSkinFileListView.h"
#include "skin/controls/sfPopupListBox.h"
#include "ui/ImageList.h"
#include "ui/CodePage.h"
#include "ui/Strings.h"
#include "ui/SystemLibraries.h"

namespace {

// The shell's image list of small icons, which the entries' icon indexes refer to.
HIMAGELIST SystemSmallImages() {
  static HIMAGELIST images = [] {
    UseCom();
    SHFILEINFOW info{};
    return reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  }();
  return images;
}

// Space between an entry's icon and its caption.
constexpr int kIconGap = 4;

}  // namespace

TsfSkinShellComboBox::TsfSkinShellComboBox(TComponent* AOwner) : TsfSkinComboBox(AOwner) {
  OnComboBoxDrawItem = [this](TObject*, TCanvas& c, int index, int width, int height, TRect text,
                              TOwnerDrawState state) {
    DrawEntry(c, index, text, false, false);
    if ((state & odFocused) && !Skinned()) DrawFocusRectangle(c, {0, 0, width, height});
  };
  SetOnListBoxDrawItem([this](TObject*, TCanvas& c, int index, int, int, TRect text, TOwnerDrawState state) {
    DrawEntry(c, index, text, (state & odSelected) != 0, true);
  });
  FEntries.SetRoot(FEntries.Root());
  ShowFolder(TsfShellFolder::ResolveRoot(FEntries.Root()));
}

TsfSkinShellComboBox::~TsfSkinShellComboBox() {
  SetShellListView(nullptr);
  OnComboBoxDrawItem = nullptr;
  SetOnListBoxDrawItem(nullptr);
}

// ---- root, types and the link -------------------------------------------------------------

void TsfSkinShellComboBox::SetRoot(const std::string& value) {
  TsfItemIDList root = TsfShellFolder::ResolveRoot(value);
  FEntries.SetRoot(value);
  ShowFolder(root);
  if (FShellListView) FShellListView->SetRoot(value);
}

void TsfSkinShellComboBox::SetObjectTypes(int value) {
  if (value == FEntries.ObjectTypes()) return;
  TsfItemIDList shown = SelectedFolder() ? SelectedFolder()->AbsoluteID() : TsfShellFolder::ResolveRoot(Root());
  FEntries.SetObjectTypes(value);
  FEntries.SetRoot(Root());
  ShowFolder(shown);
}

void TsfSkinShellComboBox::SetShellListView(TsfSkinFileListView* value) {
  if (value == FShellListView) return;
  TsfSkinFileListView* previous = FShellListView;
  if (previous) RemoveFreeNotification(previous);
  FShellListView = value;
  if (previous && previous->ShellComboBox() == this) previous->SetShellComboBox(nullptr);
  if (!value) return;
  FreeNotification(value);
  value->SetShellComboBox(this);
  if (value->CurrentFolder()) ShowFolder(value->CurrentFolder()->AbsoluteID());
}

void TsfSkinShellComboBox::Notification(TComponent* AComponent, TOperation Operation) {
  TsfSkinComboBox::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FShellListView) FShellListView = nullptr;
}

// ---- entries and choice -----------------------------------------------------------------------

TsfShellFolder* TsfSkinShellComboBox::SelectedFolder() const {
  int i = FEntries.ItemIndex();
  return i >= 0 && i < FEntries.Count() ? FEntries.Entries(i).Folder.get() : nullptr;
}

void TsfSkinShellComboBox::ShowFolder(const TsfItemIDList& absolute) {
  FEntries.ShowFolder(absolute);
  FillItems();
}

// The items follow the entries; the chosen one is shown without counting as the
// user's choice.
void TsfSkinShellComboBox::FillItems() {
  FFilling = true;
  Items().Clear();
  for (int i = 0; i < FEntries.Count(); ++i) Items().Add(FEntries.Entries(i).Caption);
  int chosen = FEntries.ItemIndex();
  ListBox().SetItemIndex(chosen);
  SetText(chosen >= 0 ? FEntries.Entries(chosen).Caption : std::string());
  FFilling = false;
  Invalidate();
}

// A choice made while the list is open waits for it to close.
void TsfSkinShellComboBox::Change() {
  if (FFilling || DroppedDown()) return;
  TakeChoice();
}

void TsfSkinShellComboBox::ClosedUp() { TakeChoice(); }

void TsfSkinShellComboBox::TakeChoice() {
  int i = ItemIndex();
  if (FFilling || i < 0 || i >= FEntries.Count() || i == FEntries.ItemIndex()) return;
  TsfItemIDList target = FEntries.Entries(i).Folder->AbsoluteID();
  ShowFolder(target);
  if (FShellListView) FShellListView->GoToFolder(target);
}

// ---- drawing ---------------------------------------------------------------------------------------

TPoint TsfSkinShellComboBox::IconSize() const {
  if (Images()) return {Images()->Width(), Images()->Height()};
  int cx = 16, cy = 16;
  if (HIMAGELIST images = SystemSmallImages()) ImageList_GetIconSize(images, &cx, &cy);
  return {cx, cy};
}

// The entry's icon and, a little after it, its caption, both centred vertically in
// `text`; in the drop-down list indented by half an icon per level.
void TsfSkinShellComboBox::DrawEntry(TCanvas& c, int index, const TRect& text, bool selected, bool indent) {
  if (index < 0 || index >= FEntries.Count() || text.IsEmpty()) return;
  const TsfShellComboEntry& e = FEntries.Entries(index);
  TPoint icon = IconSize();
  int x = text.Left + (indent ? e.Depth * icon.x / 2 : 0);
  bool open = index == FEntries.ItemIndex() || selected;
  int image = open && e.SelectedIndex >= 0 ? e.SelectedIndex : e.ImageIndex;
  int y = text.Top + (text.Height() - icon.y) / 2;
  if (Images())
    Images()->Draw(c, x, y, image, Enabled());
  else if (image >= 0 && SystemSmallImages())
    ImageList_Draw(SystemSmallImages(), image, c.Handle(), x, y, ILD_TRANSPARENT);
  x += icon.x + kIconGap;
  c.Brush().SetStyle(bsClear);
  c.TextRect(text, x, text.Top + (text.Height() - c.TextHeight("Wg")) / 2, PathFromAnsi(e.Caption));
  c.Brush().SetStyle(bsSolid);
}
