// The skinned file dialog run as the program runs it, driven from inside its modal
// loop: layout, the accept rules, the handlers and what a run leaves for the next.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "DialogDriver.h"
#include "skin/controls/sfSkinBevel.h"
#include "skin/controls/sfSkinButton.h"
#include "skin/controls/sfSkinEdit.h"
#include "skin/controls/sfSkinMenuSpeedButton.h"
#include "skin/controls/sfSkinPanel.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinStdLabel.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/dialogs/sfFileMask.h"
#include "skin/dialogs/sfSkinFileListView.h"
#include "skin/dialogs/sfSkinFilterComboBox.h"
#include "skin/dialogs/sfSkinSaveDialog.h"
#include "skin/dialogs/sfSkinShellComboBox.h"
#include "ui/CodePage.h"
#include "ui/Dialogs.h"
#include "ui/GdiObject.h"
#include "ui/OffScreen.h"
#include "ui/Menus.h"
#include "ui/Strings.h"
#include "ui/SysUtils.h"

namespace fs = std::filesystem;

namespace {

class SaveDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    Dir = fs::path(temp) / ("sfsave" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(Dir);
    for (const char* folder : {"A", "B", "C"}) fs::create_directories(Dir / folder);
    for (const char* file : {"a.txt", "b.htm", "old.html"}) std::ofstream(Dir / file) << "x";
    Dialog->SetFilter("HTML files|*.htm,*.html");
    Dialog->SetDefaultExt("HTML");
    Dialog->SetInitialDir(Path());
  }
  void TearDown() override {
    Dialog.reset();
    std::error_code ec;
    fs::remove_all(Dir, ec);
  }
  std::string Path(const std::string& tail = "") const {
    std::string dir = PathToAnsi(Dir.wstring());
    return tail.empty() ? dir : dir + "\\" + tail;
  }
  bool Run(std::function<void(TsfOpenDlgForm&)> action) {
    WhenDialogShows(std::move(action));
    return Dialog->Execute();
  }
  static int IndexOf(TsfOpenDlgForm& d, const std::string& name) {
    return d.FileList->IndexOfName(name);
  }

  fs::path Dir;
  std::unique_ptr<TsfSkinSaveDialog> Dialog = std::make_unique<TsfSkinSaveDialog>(nullptr);
};

std::string Trail(const std::string& path) { return sf::IncludeTrailingBackslash(path); }

}  // namespace

TEST(SkinFileDialog, PropertiesStartAtTheirDefaults) {
  TsfSkinOpenDialog open(nullptr);
  EXPECT_EQ(open.Title(), "Open file");
  EXPECT_EQ(open.Filter(), "All files|*.*");
  EXPECT_EQ(open.FilterIndex(), 1);
  EXPECT_TRUE(open.CheckFileExists());
  EXPECT_FALSE(open.OverwritePromt());
  EXPECT_EQ(open.AlphaBlendValue(), 225);
  EXPECT_EQ(open.CtrlAlphaBlendValue(), 225);
  EXPECT_EQ(open.LVHeaderSkinDataName(), "resizebutton");
  EXPECT_EQ(open.DefaultFont().Name(), "Arial");
  EXPECT_EQ(open.DefaultFont().Height(), 14);
  EXPECT_EQ(open.ViewStyle(), vsList);
  EXPECT_FALSE(open.SaveMode());
  TsfSkinSaveDialog save(nullptr);
  EXPECT_EQ(save.Title(), "Save file");
  EXPECT_TRUE(save.SaveMode());
}

TEST(SkinFilterComboBox, SplitsTheFilterAndChoosesAMask) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* combo = new TsfSkinFilterComboBox(form.get());
  EXPECT_EQ(combo->Mask(), "*.*");  // no items at all
  combo->SetFilter("Text|*.txt|Web pages|*.htm;*.html|Lonely");
  ASSERT_EQ(combo->Items().Count(), 3);
  EXPECT_EQ(combo->Items().Strings(1), "Web pages");
  EXPECT_EQ(combo->Masks()[1], "*.htm;*.html");
  EXPECT_EQ(combo->Masks()[2], "");
  // Nothing chosen: the last item is chosen first.
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Mask(), "");
  EXPECT_EQ(combo->ItemIndex(), 2);
  combo->SetItemIndex(0);
  EXPECT_EQ(combo->Mask(), "*.txt");
  // A two-byte character whose trail byte is '|' does not cut the filter.
  combo->SetFilter("\xB1\x7C|*.a");
  ASSERT_EQ(combo->Items().Count(), 1);
  EXPECT_EQ(combo->Items().Strings(0), "\xB1\x7C");
}

TEST_F(SaveDialogTest, FormIsLaidOutAsDesigned) {
  Run([&](TsfOpenDlgForm& d) {
    EXPECT_EQ(d.Caption(), "Save file");
    EXPECT_EQ(d.ClientWidth(), 450);
    EXPECT_EQ(d.ClientHeight(), 290);
    EXPECT_EQ(d.ToolBar->Height(), 25);
    EXPECT_EQ(d.BottomPanel->Height(), 80);
    EXPECT_EQ(d.BottomPanel->Top(), 210);
    EXPECT_EQ(d.LookInLabel->Caption(), "Look in: ");
    EXPECT_EQ(d.LeftSpacer->Width(), 10);
    EXPECT_EQ(d.LookInLabel->Left(), 10);
    for (TsfSkinSpeedButton* b : {d.BackButton, d.UpButton, d.NewFolderButton}) {
      EXPECT_EQ(b->Width(), 27);
      EXPECT_EQ(b->Height(), 25);
      EXPECT_FALSE(b->Glyph().Empty());
    }
    EXPECT_EQ(d.BackButton->Hint(), "Go To Last Folder Visited");
    EXPECT_EQ(d.UpButton->Hint(), "Up One Level");
    EXPECT_EQ(d.NewFolderButton->Hint(), "Create New Folder");
    EXPECT_EQ(d.ViewButton->Hint(), "View Menu");
    EXPECT_EQ(d.ViewButton->Width(), 37);
    EXPECT_EQ(d.ViewButton->SkinPopupMenu(), d.ViewMenu);
    EXPECT_EQ(d.FolderCombo->ShellListView(), d.FileList);
    EXPECT_EQ(d.FolderCombo->DropDownCount(), 10);
    // Left to right: label, folder combo, Back, Up, New folder, spacer, view menu.
    EXPECT_LE(d.LookInLabel->Left() + d.LookInLabel->Width(), d.FolderCombo->Left());
    EXPECT_LE(d.FolderCombo->Left() + d.FolderCombo->Width(), d.BackButton->Left());
    EXPECT_LT(d.BackButton->Left(), d.UpButton->Left());
    EXPECT_LT(d.UpButton->Left(), d.NewFolderButton->Left());
    EXPECT_EQ(d.RightSpacer->Left(), d.NewFolderButton->Left() + 27);
    EXPECT_EQ(d.ViewButton->Left(), d.RightSpacer->Left() + 10);
    EXPECT_EQ(d.ViewButton->Left() + 37, d.ToolBar->ClientWidth());
    EXPECT_EQ(d.FileNameLabel->Caption(), "File name:");
    EXPECT_EQ(d.FileTypeLabel->Caption(), "File type:");
    EXPECT_EQ(d.FileNameLabel->BoundsRect(), Bounds(10, 10, d.FileNameLabel->Width(), d.FileNameLabel->Height()));
    EXPECT_EQ(d.FileTypeLabel->Top(), 45);
    EXPECT_EQ(d.FileNameEdit->BoundsRect(), Bounds(70, 10, 290, 21));
    EXPECT_EQ(d.FileTypeCombo->Left(), 70);
    EXPECT_EQ(d.FileTypeCombo->Top(), 45);
    EXPECT_EQ(d.FileTypeCombo->Width(), 290);
    EXPECT_EQ(d.AcceptButton->BoundsRect(), Bounds(370, 10, 70, 25));
    EXPECT_EQ(d.CancelButton->BoundsRect(), Bounds(370, 45, 70, 25));
    EXPECT_EQ(d.AcceptButton->Caption(), "&Save");
    EXPECT_EQ(d.CancelButton->Caption(), "Cancel");
    EXPECT_EQ(d.ActiveControl(), d.FileNameEdit);
    EXPECT_EQ(d.FileTypeCombo->Items().Strings(0), "HTML files");
    const char* captions[4] = {"Large icons", "Small icons", "List", "Details"};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(d.ViewItems[i]->Caption(), captions[i]);
      EXPECT_EQ(d.ViewItems[i]->Checked(), i == 2);
    }
    // Widening the dialog stretches the edit and the combo and moves the buttons.
    d.SetClientWidth(600);
    EXPECT_EQ(d.FileNameEdit->Width(), 440);
    EXPECT_EQ(d.FileTypeCombo->Width(), 440);
    EXPECT_EQ(d.AcceptButton->Left(), 520);
    EXPECT_EQ(d.CancelButton->Left(), 520);
  });
}

TEST_F(SaveDialogTest, FilterListsOnlyFoldersAndWildcardsFilterWithoutClosing) {
  EXPECT_FALSE(Run([&](TsfOpenDlgForm& d) {
    EXPECT_EQ(Trail(d.FileList->CurrentPath()), Trail(Path()));
    EXPECT_EQ(d.FileList->Count(), 3);  // A, B, C: the comma separates no patterns
    d.FileNameEdit->SetText("*.txt");
    d.EditEnter();
    EXPECT_EQ(d.FileList->Count(), 4);
    EXPECT_GE(IndexOf(d, "a.txt"), 0);
    d.Accept();
    EXPECT_EQ(d.ModalResult(), mrNone);
    d.CancelButton->Click();
  }));
  EXPECT_EQ(Dialog->FileName(), "");
}

TEST_F(SaveDialogTest, TypedNameGetsTheMaskExtensionAndTheNextRunStartsThere) {
  ASSERT_TRUE(Run([&](TsfOpenDlgForm& d) {
    d.FileList->GoToPath(Path("A"));
    d.SetClientWidth(520);
    d.FileNameEdit->SetText("page");
    d.AcceptButton->Click();
  }));
  EXPECT_EQ(Dialog->FileName(), Trail(Path("A")) + "page.html");
  EXPECT_EQ(Dialog->DialogWidth(), 520);
  ASSERT_TRUE(Run([&](TsfOpenDlgForm& d) {
    EXPECT_EQ(Trail(d.FileList->CurrentPath()), Trail(Path("A")));
    EXPECT_EQ(d.ClientWidth(), 520);
    EXPECT_EQ(d.FileNameEdit->Text(), "page.html");
    d.FileNameEdit->SetText("page.htm");
    d.EditEnter();
  }));
  EXPECT_EQ(Dialog->FileName(), Trail(Path("A")) + "page.htm");
}

TEST_F(SaveDialogTest, ChosenFileGoesToTheEditAndIsSavedWithoutAQuestion) {
  TMessageBoxRecorder boxes;
  ASSERT_TRUE(Run([&](TsfOpenDlgForm& d) {
    d.FileNameEdit->SetText("*.htm");
    d.EditEnter();
    int b = IndexOf(d, "b.htm");
    ASSERT_GE(b, 0);
    d.FileList->SetSelected(b);
    EXPECT_EQ(d.FileNameEdit->Text(), "b.htm");
    d.Accept();
  }));
  EXPECT_EQ(Dialog->FileName(), Path("b.htm"));
  EXPECT_EQ(Dialog->Files(), std::vector<std::string>{Path("b.htm")});
  EXPECT_EQ(boxes.Count(), 0);
}

TEST_F(SaveDialogTest, OverwriteQuestionDecidesForAnExistingFile) {
  Dialog->SetOverwritePromt(true);
  TMessageBoxRecorder boxes(mrCancel);
  ASSERT_TRUE(Run([&](TsfOpenDlgForm& d) {
    d.FileNameEdit->SetText("old");
    d.Accept();
    EXPECT_EQ(d.ModalResult(), mrNone);
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_EQ(boxes.Last().Text, "Do you want to overwrite old file?");
    EXPECT_EQ(boxes.Last().Flags & 0xF, static_cast<unsigned>(MB_OKCANCEL));
    boxes.SetResult(mrOk);
    d.Accept();
  }));
  EXPECT_EQ(Dialog->FileName(), Path("old.html"));
  // A new name asks nothing.
  boxes.Clear();
  ASSERT_TRUE(Run([&](TsfOpenDlgForm& d) {
    d.FileNameEdit->SetText("new");
    d.Accept();
  }));
  EXPECT_EQ(boxes.Count(), 0);
}

TEST_F(SaveDialogTest, NewFolderNumbersItsNamesWithinARun) {
  Run([&](TsfOpenDlgForm& d) {
    d.NewFolder();
    d.NewFolder();
    EXPECT_TRUE(fs::is_directory(Dir / "New Folder"));
    EXPECT_TRUE(fs::is_directory(Dir / "New Folder(2)"));
    // The new folder's caption is open for renaming.
    EXPECT_NE(SendMessageW(d.FileList->Handle(), LVM_GETEDITCONTROL, 0, 0), 0);
  });
  fs::create_directories(Dir / "A" / "New Folder");
  Run([&](TsfOpenDlgForm& d) {
    d.FileList->GoToPath(Path("A"));
    d.NewFolder();
    EXPECT_EQ(std::distance(fs::directory_iterator(Dir / "A"), fs::directory_iterator()), 1);
    d.NewFolder();
    EXPECT_EQ(d.CreatedFolders(), 2);
    EXPECT_TRUE(fs::is_directory(Dir / "A" / "New Folder(2)"));
    EXPECT_FALSE(fs::exists(Dir / "A" / "New Folder(3)"));
  });
}

// Enter on a typed folder path goes there and empties the name box, so the name
// typed next is a name and Enter accepts it.
TEST_F(SaveDialogTest, ATypedFolderPathGoesThereAndLeavesTheNameEmpty) {
  ASSERT_TRUE(Run([&](TsfOpenDlgForm& d) {
    HWND edit = d.FileNameEdit->Handle();
    auto type = [&](const std::string& text) {
      for (wchar_t c : AnsiToWide(text)) SendMessageW(edit, WM_CHAR, c, 0);
    };
    auto enter = [&] { SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0); };
    d.FileNameEdit->SetFocus();
    type(Path("missing") + "\\");
    enter();  // no such folder: the list stays and the text is left to correct
    EXPECT_EQ(Trail(d.FileList->CurrentPath()), Trail(Path()));
    EXPECT_EQ(d.FileNameEdit->Text(), Path("missing") + "\\");
    d.FileNameEdit->SetText("");
    type(Path("A") + "\\");
    enter();
    EXPECT_EQ(Trail(d.FileList->CurrentPath()), Trail(Path("A")));
    EXPECT_EQ(d.FileNameEdit->Text(), "");
    EXPECT_EQ(d.ModalResult(), mrNone);
    type("page");
    enter();
  }));
  EXPECT_EQ(Dialog->FileName(), Trail(Path("A")) + "page.html");
}

TEST_F(SaveDialogTest, BackGoesToTheFolderBeforeTheLastOne) {
  Run([&](TsfOpenDlgForm& d) {
    d.Back();  // nothing before the start folder
    EXPECT_EQ(Trail(d.FileList->CurrentPath()), Trail(Path()));
    d.FileList->GoToPath(Path("A"));
    d.FileList->GoToPath(Path("B"));
    d.Back();
    EXPECT_EQ(Trail(d.FileList->CurrentPath()), Trail(Path("A")));
    d.FileList->GoToPath(Path("C"));
    d.Back();
    EXPECT_EQ(Trail(d.FileList->CurrentPath()), Trail(Path("A")));
    ASSERT_NE(d.FolderCombo->SelectedFolder(), nullptr);
    EXPECT_EQ(Trail(d.FolderCombo->SelectedFolder()->Path()), Trail(Path("A")));
    EXPECT_EQ(d.History().Count(), 2u);
    d.Up();
    EXPECT_EQ(Trail(d.FileList->CurrentPath()), Trail(Path()));
  });
}

TEST_F(SaveDialogTest, NothingIsAcceptedOrMadeOutsideTheFileSystem) {
  Run([&](TsfOpenDlgForm& d) {
    d.FileList->GoToFolder(TsfShellFolder::SpecialFolder(rfMyComputer));
    d.FileNameEdit->SetText("x");
    d.Accept();
    EXPECT_EQ(d.ModalResult(), mrNone);
    d.NewFolder();
    EXPECT_EQ(d.CreatedFolders(), 0);
  });
  EXPECT_EQ(Dialog->FileName(), "");
}

TEST_F(SaveDialogTest, StartFolderFallsBackWhenTheLastOneIsGone) {
  Dialog->SetFileName(Path("gone") + "\\x.html");
  Run([&](TsfOpenDlgForm& d) { EXPECT_EQ(Trail(d.FileList->CurrentPath()), Trail(Path())); });
  Dialog->SetInitialDir(Path("missing"));
  Run([&](TsfOpenDlgForm& d) {
    EXPECT_EQ(Trail(d.FileList->CurrentPath()), Trail(PathToAnsi(ExeFolder())));
  });
}

TEST_F(SaveDialogTest, FileTypeChangeSwapsTheExtensionAndIsKept) {
  Dialog->SetFilter("Text|*.txt|HTML files|*.htm,*.html");
  Run([&](TsfOpenDlgForm& d) {
    EXPECT_EQ(d.FileList->Count(), 4);  // the folders and a.txt
    d.FileNameEdit->SetText("page.txt");
    d.FileTypeCombo->SetItemIndex(1);
    EXPECT_EQ(d.FileNameEdit->Text(), "page.html");
    EXPECT_EQ(d.FileList->Count(), 3);
    // Escape closes an open list first, and only then the dialog.
    d.FileTypeCombo->SetFocus();
    d.FileTypeCombo->DropDown();
    ASSERT_TRUE(d.FileTypeCombo->DroppedDown());
    SendMessageW(d.FileTypeCombo->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(d.FileTypeCombo->DroppedDown());
    EXPECT_EQ(d.ModalResult(), mrNone);
    SendMessageW(d.FileTypeCombo->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(d.ModalResult(), mrCancel);
  });
  // The same with the focus left in the edit and the folder list opened by the mouse.
  Run([&](TsfOpenDlgForm& d) {
    d.FileNameEdit->SetFocus();
    d.FolderCombo->DropDown();
    ASSERT_TRUE(d.FolderCombo->DroppedDown());
    SendMessageW(d.FileNameEdit->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(d.FolderCombo->DroppedDown());
    EXPECT_EQ(d.ModalResult(), mrNone);
    // A dialog ended with a list open closes the list with it.
    d.FolderCombo->DropDown();
    d.SetModalResult(mrCancel);
  });
  Application->ProcessMessages();
  EXPECT_EQ(Dialog->FilterIndex(), 2);
}

TEST_F(SaveDialogTest, ViewStyleIsKeptBetweenRuns) {
  Run([&](TsfOpenDlgForm& d) {
    d.ViewItems[3]->Click();
    EXPECT_EQ(d.FileList->ViewStyle(), vsReport);
    EXPECT_TRUE(d.ViewItems[3]->Checked());
    EXPECT_FALSE(d.ViewItems[2]->Checked());
    // The header paints into a DC it is handed and leaves it to its owner.
    HWND header = d.FileList->HookedHeader();
    ASSERT_NE(header, nullptr);
    HDC dc = GetDC(header);
    SendMessageW(header, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageW(d.FileList->Handle(), SF_LISTVIEW_PAINTHEADER, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(ReleaseDC(header, dc), 1);
  });
  EXPECT_EQ(Dialog->ViewStyle(), vsReport);
  Run([&](TsfOpenDlgForm& d) {
    EXPECT_EQ(d.FileList->ViewStyle(), vsReport);
    EXPECT_TRUE(d.ViewItems[3]->Checked());
  });
}

TEST_F(SaveDialogTest, ThirtyRunsLeaveNoHandlesBehind) {
  Run(CancelDialog);  // the shell's image lists and caches are made once
  ClearOffScreenPool();
  std::vector<int> before;
  for (int k = 0; k < static_cast<int>(THandleKind::Count_); ++k)
    before.push_back(LiveHandles(static_cast<THandleKind>(k)));
  for (int i = 0; i < 30; ++i) EXPECT_FALSE(Run(CancelDialog));
  ClearOffScreenPool();
  for (int k = 0; k < static_cast<int>(THandleKind::Count_); ++k)
    EXPECT_EQ(LiveHandles(static_cast<THandleKind>(k)), before[static_cast<size_t>(k)]) << "kind " << k;
}

TEST_F(SaveDialogTest, DoubleClickOrEnterOnAFileAcceptsItAndEventsFire) {
  int shown = 0, closed = 0, folderChanges = 0;
  Dialog->OnShow = [&](TObject*) { ++shown; };
  Dialog->OnClose = [&](TObject*) { ++closed; };
  Dialog->OnFolderChange = [&](TObject*) { ++folderChanges; };
  ASSERT_TRUE(Run([&](TsfOpenDlgForm& d) {
    int before = folderChanges;  // the start folder counts too
    d.FileList->GoToPath(Path("A"));
    EXPECT_EQ(folderChanges, before + 1);
    d.Back();
    d.FileNameEdit->SetText("*.htm");
    d.EditEnter();
    d.FileList->SetSelected(IndexOf(d, "b.htm"));
    d.ListDblClick();
  }));
  EXPECT_EQ(Dialog->FileName(), Path("b.htm"));
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(closed, 1);
  ASSERT_TRUE(Run([&](TsfOpenDlgForm& d) {
    d.FileNameEdit->SetText("*.txt");
    d.EditEnter();
    d.FileList->SetSelected(IndexOf(d, "a.txt"));
    d.FileList->SetFocus();
    SendMessageW(d.FileList->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  }));
  EXPECT_EQ(Dialog->FileName(), Path("a.txt"));
  EXPECT_EQ(closed, 2);
}
