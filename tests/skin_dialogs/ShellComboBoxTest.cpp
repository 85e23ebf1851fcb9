// The folder combo with its file list: following the list's navigation, sending the
// list to the folder chosen (after the drop-down closes when chosen in it), the
// root given to both, and the indentation of the drop-down's entries.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "skin/controls/sfPopupListBox.h"
#include "skin/dialogs/sfSkinFileListView.h"
#include "skin/dialogs/sfSkinShellComboBox.h"
#include "tests/support/TestForms.h"
#include "ui/Bitmap.h"
#include "ui/CodePage.h"
#include "ui/Exception.h"

namespace fs = std::filesystem;

namespace {

// A folder tree the test makes: <temp>/sfshcombo<pid>/one/two and .../other.
struct TComboAndList {
  fs::path Dir;
  std::unique_ptr<TForm> Form = MakeSizedForm(500, 400);
  TsfSkinShellComboBox* Combo = new TsfSkinShellComboBox(Form.get());
  TsfSkinFileListView* List = new TsfSkinFileListView(Form.get());
  int Clicks = 0;

  TComboAndList() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    Dir = fs::path(temp) / ("sfshcombo" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(Dir);
    fs::create_directories(Dir / "one" / "two");
    fs::create_directories(Dir / "other");
    Combo->SetParent(Form.get());
    Combo->SetBounds(10, 10, 250, 22);
    Combo->SetDropDownCount(10);
    Combo->OnClick = [this](TObject*) { ++Clicks; };
    List->SetParent(Form.get());
    List->SetBounds(0, 40, 400, 300);
    Form->Show();
  }
  ~TComboAndList() {
    Form.reset();
    std::error_code ec;
    fs::remove_all(Dir, ec);
  }
  std::string Path(const fs::path& p) const { return PathToAnsi(p.wstring()); }
  TsfItemIDList Id(const fs::path& p) const { return TsfShellFolder::ParsePath(Path(p)); }
  int EntryOf(const fs::path& p) const { return Combo->Entries().IndexOf(Id(p)); }
};

}  // namespace

TEST(ShellComboBox, FollowsTheListAndSendsItToTheFolderChosen) {
  TComboAndList f;
  EXPECT_EQ(f.Combo->ObjectTypes(), otFolders);
  EXPECT_TRUE(f.Combo->SelectedFolder()->IsDesktop());  // the root, chosen at first
  f.Combo->SetShellListView(f.List);
  EXPECT_EQ(f.List->ShellComboBox(), f.Combo);
  f.List->GoToPath(f.Path(f.Dir / "one" / "two"));
  int two = f.EntryOf(f.Dir / "one" / "two");
  ASSERT_GE(two, 1);
  ASSERT_EQ(f.Combo->Items().Count(), f.Combo->Entries().Count());
  EXPECT_EQ(f.Combo->ItemIndex(), two);
  EXPECT_EQ(f.Combo->Text(), "two");
  EXPECT_EQ(f.Combo->Items()[two - 1], "one");
  EXPECT_EQ(f.Clicks, 0);  // following the list is no choice

  // The user chooses "one": the list goes there; the chain now ends at "one".
  f.Combo->SetItemIndex(two - 1);
  EXPECT_EQ(f.List->CurrentPath(), f.Path(f.Dir / "one"));
  EXPECT_EQ(f.EntryOf(f.Dir / "one" / "two"), -1);
  EXPECT_EQ(f.Combo->ItemIndex(), f.EntryOf(f.Dir / "one"));
  f.List->Up();
  EXPECT_EQ(f.Combo->SelectedFolder()->Path(), f.Path(f.Dir));

  // Unlinked from the list's side, the combo is no longer told.
  f.List->SetShellComboBox(nullptr);
  EXPECT_EQ(f.Combo->ShellListView(), nullptr);
  f.List->GoToPath(f.Path(f.Dir / "other"));
  EXPECT_EQ(f.Combo->SelectedFolder()->Path(), f.Path(f.Dir));
  // Linked again, it shows the list's folder at once; the list's end clears the link.
  f.Combo->SetShellListView(f.List);
  EXPECT_EQ(f.Combo->ItemIndex(), f.EntryOf(f.Dir / "other"));
  delete f.List;
  f.List = nullptr;
  EXPECT_EQ(f.Combo->ShellListView(), nullptr);
  f.Combo->SetItemIndex(0);
  EXPECT_TRUE(f.Combo->SelectedFolder()->IsDesktop());
}

TEST(ShellComboBox, AChoiceInTheOpenListTakesEffectWhenItCloses) {
  TComboAndList f;
  f.Combo->SetShellListView(f.List);
  f.List->GoToPath(f.Path(f.Dir / "one"));
  int one = f.Combo->ItemIndex();
  int parent = f.EntryOf(f.Dir);
  ASSERT_EQ(parent, one - 1);

  f.Combo->DropDown();
  ASSERT_TRUE(f.Combo->DroppedDown());
  f.Combo->SetItemIndex(parent);  // as the keys do while the list is open
  EXPECT_EQ(f.List->CurrentPath(), f.Path(f.Dir / "one"));
  f.Combo->CloseUp(false);
  EXPECT_EQ(f.List->CurrentPath(), f.Path(f.Dir));
  EXPECT_EQ(f.Combo->ItemIndex(), f.EntryOf(f.Dir));

  // Moved in the list and accepted.
  int drive = f.EntryOf(fs::path("C:\\"));
  ASSERT_GE(drive, 0);
  f.Combo->DropDown();
  f.Combo->ListBox().SetItemIndex(drive);
  EXPECT_EQ(f.List->CurrentPath(), f.Path(f.Dir));
  f.Combo->CloseUp(true);
  EXPECT_EQ(f.List->CurrentPath(), "C:\\");
  EXPECT_EQ(f.Combo->ItemIndex(), f.EntryOf(fs::path("C:\\")));
}

TEST(ShellComboBox, RootGoesToTheListAndABadRootChangesNothing) {
  TComboAndList f;
  f.Combo->SetShellListView(f.List);
  f.Combo->SetRoot(f.Path(f.Dir));
  EXPECT_EQ(f.List->Root(), f.Path(f.Dir));
  EXPECT_EQ(f.List->CurrentPath(), f.Path(f.Dir));
  const TsfShellComboEntries& e = f.Combo->Entries();
  ASSERT_EQ(e.Count(), 3);  // the root and its two folders
  EXPECT_EQ(f.Combo->Items()[1], "one");
  EXPECT_EQ(f.Combo->Items()[2], "other");
  EXPECT_EQ(e.Entries(1).Depth, 1);
  EXPECT_EQ(f.Combo->ItemIndex(), 0);

  EXPECT_THROW(f.Combo->SetRoot(f.Path(f.Dir / "missing")), Exception);
  EXPECT_EQ(f.Combo->Root(), f.Path(f.Dir));
  EXPECT_EQ(f.Combo->Items().Count(), 3);
  EXPECT_EQ(f.List->CurrentPath(), f.Path(f.Dir));
}

TEST(ShellComboBox, DropDownEntriesAreIndentedHalfAnIconPerLevel) {
  TComboAndList f;
  f.Combo->ShowFolder(f.Id(f.Dir / "one" / "two"));
  int two = f.Combo->ItemIndex();
  int depth = f.Combo->Entries().Entries(two).Depth;
  ASSERT_GE(depth, 4);
  // The first column holding anything but the white background.
  auto firstInk = [](TBitmap& b) {
    for (int x = 0; x < b.Width(); ++x)
      for (int y = 0; y < b.Height(); ++y)
        if ((b.Canvas().Pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) return x;
    return -1;
  };
  auto draw = [&](const TsfDrawSkinItemEvent& handler) {
    auto b = std::make_unique<TBitmap>(300, 20);
    b->Canvas().Brush().SetColor(clWhite);
    b->Canvas().FillRect({0, 0, 300, 20});
    b->Canvas().Font().SetColor(clBlack);
    handler(f.Combo, b->Canvas(), two, 300, 20, TRect(2, 0, 298, 20), 0);
    return b;
  };
  ASSERT_TRUE(f.Combo->ListBox().OnDrawItem);
  ASSERT_TRUE(f.Combo->OnComboBoxDrawItem);
  auto inList = draw(f.Combo->ListBox().OnDrawItem);
  auto inFace = draw(f.Combo->OnComboBoxDrawItem);
  int listInk = firstInk(*inList), faceInk = firstInk(*inFace);
  ASSERT_GE(faceInk, 2);
  ASSERT_LT(faceInk, 2 + 16);  // the icon starts the face's item
  EXPECT_EQ(listInk - faceInk, depth * 16 / 2);
}
