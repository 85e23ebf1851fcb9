// The file list over a folder the test fills: what the mask lets through, the
// order, navigation and keys, and the texts the platform list asks for.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "skin/dialogs/sfSkinFileListView.h"
#include "tests/support/TestForms.h"
#include "ui/CodePage.h"
#include "ui/Exception.h"
#include "ui/GdiObject.h"

namespace fs = std::filesystem;

namespace {

struct TListFolder {
  fs::path Dir;
  std::unique_ptr<TForm> Form = MakeSizedForm(500, 400);
  TsfSkinFileListView* List = new TsfSkinFileListView(Form.get());
  int Changes = 0;
  TListFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    Dir = fs::path(temp) / ("sflist" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(Dir);
    fs::create_directories(Dir / "zeta");
    fs::create_directories(Dir / "Alpha" / "inner");
    for (const char* name : {"b.txt", "a.html", "c.htm", "pack.zip"}) std::ofstream(Dir / name) << "x";
    std::ofstream(Dir / AnsiToWide("中文.txt")) << "x";
    List->SetParent(Form.get());
    List->SetBounds(0, 0, 400, 300);
    List->OnFolderChange = [this](TObject*) { ++Changes; };
    List->GoToPath(Path());
    Form->Show();
  }
  ~TListFolder() {
    Form.reset();
    std::error_code ec;
    fs::remove_all(Dir, ec);
  }
  std::string Path() const { return PathToAnsi(Dir.wstring()); }
  std::vector<std::string> Names() const {
    std::vector<std::string> out;
    for (int i = 0; i < List->Count(); ++i)
      out.push_back(PathToAnsi(fs::path(List->Folders(i).PathW()).filename().wstring()));
    return out;
  }
  int IndexOf(const std::string& name) const {
    auto names = Names();
    auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
  }
};

using TNames = std::vector<std::string>;

}  // namespace

TEST(FileListView, MaskDecidesWhichFilesShowFoldersAlwaysFirst) {
  TListFolder f;
  TNames all = f.Names();
  ASSERT_EQ(all.size(), 7u);
  EXPECT_EQ(TNames(all.begin(), all.begin() + 2), (TNames{"Alpha", "zeta"}));
  EXPECT_EQ(f.List->Count(), SendMessageW(f.List->Handle(), LVM_GETITEMCOUNT, 0, 0));

  f.List->SetMask("*.htm,*.html");  // the comma separates nothing: folders only
  EXPECT_EQ(f.Names(), (TNames{"Alpha", "zeta"}));
  f.List->SetMask("txt");
  EXPECT_EQ(f.Names(), (TNames{"Alpha", "zeta"}));
  f.List->SetMask("*.htm;*.HTML");
  EXPECT_EQ(f.Names(), (TNames{"Alpha", "zeta", "a.html", "c.htm"}));
  f.List->SetMask("*.zip");  // an archive is a file, subject to the mask
  EXPECT_EQ(f.Names(), (TNames{"Alpha", "zeta", "pack.zip"}));
  f.List->SetMask("*");
  EXPECT_EQ(f.List->Count(), 7);
  f.List->SetMask("*.txt");
  EXPECT_EQ(f.List->Count(), 4);
  EXPECT_GE(f.IndexOf("中文.txt"), 2);

  f.List->OnAddFolder = [](TsfShellFolder& item) { return item.DisplayName().find("zeta") == std::string::npos; };
  f.List->Refresh();
  EXPECT_EQ(f.IndexOf("zeta"), -1);
}

TEST(FileListView, NavigationAndKeys) {
  TListFolder f;
  EXPECT_EQ(f.Changes, 1);
  f.List->GoToPath(f.Path());  // the same folder: nothing happens
  EXPECT_EQ(f.Changes, 1);

  f.List->SetSelected(f.IndexOf("b.txt"));
  EXPECT_EQ(f.List->SelectedPath(), f.Path() + "\\b.txt");
  EXPECT_EQ(f.List->SelectedFiles(), (TNames{f.Path() + "\\b.txt"}));
  f.List->SetSelected(f.IndexOf("Alpha"));
  EXPECT_EQ(f.List->SelectedPath(), "");
  SendMessageW(f.List->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(f.List->CurrentPath(), f.Path() + "\\Alpha");
  EXPECT_EQ(f.Names(), (TNames{"inner"}));
  EXPECT_EQ(f.Changes, 2);
  SendMessageW(f.List->Handle(), WM_KEYDOWN, VK_BACK, 0);
  EXPECT_EQ(f.List->CurrentPath(), f.Path());

  std::string before = f.List->CurrentPath();
  EXPECT_THROW(f.List->GoToPath(f.Path() + "\\missing"), Exception);
  EXPECT_EQ(f.List->CurrentPath(), before);  // the list keeps its folder

  f.List->GoToFolder(TsfShellFolder::ResolveRoot("rfDesktop"));
  int atDesktop = f.Changes;
  SendMessageW(f.List->Handle(), WM_KEYDOWN, VK_BACK, 0);
  EXPECT_EQ(f.Changes, atDesktop);
  EXPECT_TRUE(f.List->CurrentFolder()->IsDesktop());
}

TEST(FileListView, ThePlatformListAsksForTextsAndDetails) {
  TListFolder f;
  wchar_t text[MAX_PATH] = {};
  LVITEMW item{};
  item.pszText = text;
  item.cchTextMax = MAX_PATH;
  int a = f.IndexOf("a.html");
  SendMessageW(f.List->Handle(), LVM_GETITEMTEXTW, a, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(WideToAnsi(text), f.List->Folders(a).DisplayName());

  f.List->SetViewStyle(vsReport);
  ASSERT_GE(f.List->ColumnCount(), 2);
  item.iSubItem = 1;
  text[0] = 0;
  SendMessageW(f.List->Handle(), LVM_GETITEMTEXTW, a, reinterpret_cast<LPARAM>(&item));
  EXPECT_TRUE(f.List->Folders(a).DetailsLoaded());
  EXPECT_EQ(WideToAnsi(text), f.List->Folders(a).Details(1));
}

// A name GBK cannot hold is listed as it is, not as the references that stand for
// it in 936 text.
TEST(FileListView, ANameOutsideGbkIsListedAsItIs) {
  TListFolder f;
  const std::wstring name = L"\uD14C\uC2A4\uD2B8\U0001F600.htm";
  std::ofstream(f.Dir / name) << "x";
  f.List->Refresh();
  int index = f.IndexOf(PathToAnsi(name));
  ASSERT_GE(index, 0);
  wchar_t text[MAX_PATH] = {};
  LVITEMW item{};
  item.pszText = text;
  item.cchTextMax = MAX_PATH;
  SendMessageW(f.List->Handle(), LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(std::wstring(text), name);
}

TEST(FileListView, ColumnClicksSortFilesFoldersStayFirst) {
  TListFolder f;
  std::ofstream(f.Dir / "big.txt") << std::string(5000, 'x');
  f.List->Refresh();
  f.List->SetViewStyle(vsReport);
  ASSERT_GE(f.List->ColumnCount(), 4);
  auto files = [&] {
    TNames n = f.Names();
    return TNames(n.begin() + 2, n.end());
  };
  f.List->ColumnClick(1);  // size, ascending
  EXPECT_EQ(files().back(), "big.txt");
  EXPECT_EQ(f.Names()[0], "Alpha");
  EXPECT_EQ(f.Names()[1], "zeta");
  f.List->ColumnClick(1);  // again: descending, folders still first
  EXPECT_TRUE(f.List->SortDescending());
  EXPECT_EQ(files().front(), "big.txt");
  EXPECT_LT(f.IndexOf("Alpha"), 2);
  EXPECT_LT(f.IndexOf("zeta"), 2);
  f.List->ColumnClick(0);  // names, ascending, without regard to case
  EXPECT_FALSE(f.List->SortDescending());
  EXPECT_EQ(files().front(), "a.html");
  EXPECT_EQ(f.Names()[0], "Alpha");
  f.List->ColumnClick(0);
  EXPECT_EQ(f.Names()[0], "zeta");
  EXPECT_EQ(files().back(), "a.html");
}

TEST(FileListView, RenameInPlaceRenamesOnDisk) {
  TListFolder f;
  int b = f.IndexOf("b.txt");
  f.List->SetSelected(b);
  f.List->StartRename();
  HWND edit = reinterpret_cast<HWND>(SendMessageW(f.List->Handle(), LVM_GETEDITCONTROL, 0, 0));
  ASSERT_NE(edit, nullptr);
  SetWindowTextW(edit, L"renamed.txt");
  SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  PumpUntil([&] { return fs::exists(f.Dir / "renamed.txt"); }, 2000);
  EXPECT_TRUE(fs::exists(f.Dir / "renamed.txt"));
  EXPECT_FALSE(fs::exists(f.Dir / "b.txt"));
  EXPECT_EQ(f.List->Folders(b).Path(), f.Path() + "\\renamed.txt");
}

TEST(FileListView, NothingIsLeftAfterThirtyLists) {
  auto counts = [] {
    std::vector<int> out(static_cast<size_t>(THandleKind::Count_));
    for (size_t i = 0; i < out.size(); ++i) out[i] = LiveHandles(static_cast<THandleKind>(i));
    return out;
  };
  auto gdi = [] { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); };
  auto user = [] { return GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS); };
  { TListFolder warmUp; warmUp.List->SetViewStyle(vsReport); }
  auto before = counts();
  DWORD gdiBefore = gdi(), userBefore = user();
  for (int run = 0; run < 30; ++run) {
    TListFolder f;
    f.List->SetViewStyle(vsReport);
    UpdateWindow(f.Form->Handle());
    f.List->SetViewStyle(vsList);
  }
  EXPECT_EQ(counts(), before);
  EXPECT_LE(gdi(), gdiBefore + 2);
  EXPECT_LE(user(), userBefore + 2);
}

TEST(FileListView, ItemsShowTheNamesTheShellGivesThem) {
  TListFolder f;
  for (const char* name : {"d.txt", "e.txt", "f.bmp", "g.lnk", "noext", "h.htm"})
    std::ofstream(f.Dir / name) << "x";
  f.List->Refresh();
  ASSERT_EQ(f.List->Count(), 13);
  for (int i = 0; i < f.List->Count(); ++i) {
    auto fresh = TsfShellFolder::FromAbsolute(f.List->Folders(i).AbsoluteID());
    EXPECT_EQ(f.List->Folders(i).DisplayName(), fresh->DisplayName()) << i;
  }
}

// Details chosen before the list has its window, as the dialog gives it the view of
// its last run: each column is there once, as after choosing details later.
TEST(FileListView, DetailsChosenBeforeTheWindowHaveEachColumnOnce) {
  auto form = MakeSizedForm(500, 400);
  auto* list = new TsfSkinFileListView(form.get());
  list->SetParent(form.get());
  list->SetBounds(0, 0, 400, 300);
  list->SetViewStyle(vsReport);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  list->GoToPath(PathToAnsi(temp));
  form->Show();
  const int columns = list->ColumnCount();
  ASSERT_GE(columns, 1);
  list->SetViewStyle(vsList);
  list->SetViewStyle(vsReport);
  EXPECT_EQ(list->ColumnCount(), columns);
}

// Rows whose details are first read by a sort (rows not drawn yet, a refill after
// F5 or a new mask, with the sorted column kept) show every column all the same.
TEST(FileListView, EveryRowShowsEveryColumnAfterASort) {
  TListFolder f;
  f.List->SetViewStyle(vsReport);
  const int columns = f.List->ColumnCount();
  ASSERT_GE(columns, 4);
  auto cell = [&](int row, int column) {
    wchar_t text[MAX_PATH] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    SendMessageW(f.List->Handle(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return WideToAnsi(text);
  };
  auto expectAllModified = [&](const char* after) {
    ASSERT_GT(f.List->Count(), 0) << after;
    for (int row = 0; row < f.List->Count(); ++row) {
      auto fresh = TsfShellFolder::FromAbsolute(f.List->Folders(row).AbsoluteID());
      fresh->LoadColumnDetails(columns);
      EXPECT_FALSE(fresh->Details(3).empty()) << after << " " << row;
      EXPECT_EQ(cell(row, 3), fresh->Details(3)) << after << " " << row;
      EXPECT_EQ(cell(row, 2), fresh->Details(2)) << after << " " << row;
    }
  };
  f.List->ColumnClick(3);
  expectAllModified("sort by date");
  std::ofstream(f.Dir / "later.txt") << "x";
  SendMessageW(f.List->Handle(), WM_KEYDOWN, VK_F5, 0);
  EXPECT_EQ(f.List->Count(), 8);
  expectAllModified("F5");
  f.List->ColumnClick(2);
  f.List->SetMask("*.txt");
  expectAllModified("a new mask");
  // Sorted while the list showed no columns, then shown as details.
  f.List->SetViewStyle(vsList);
  f.List->SetMask("*.*");
  f.List->SetViewStyle(vsReport);
  expectAllModified("details after a list sorted without them");
}

// The platform list turns any wheel message into a column in list view; parts of
// a notch (a touch pad) scroll only once they add up to whole notches.
TEST(FileListView, WheelPartsScrollAsWholeNotchesWould) {
  TListFolder f;
  for (int i = 0; i < 400; ++i) std::ofstream(f.Dir / ("f" + std::to_string(1000 + i) + ".txt")) << "x";
  f.List->Refresh();
  HWND list = f.List->Handle();
  auto wheel = [&](int delta, int times) {
    for (int i = 0; i < times; ++i)
      SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
    return static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
  };
  ASSERT_EQ(wheel(0, 0), 0);
  const int oneNotch = wheel(-WHEEL_DELTA, 1);
  ASSERT_GT(oneNotch, 0);
  const int tenNotches = wheel(-WHEEL_DELTA, 9);
  ASSERT_EQ(tenNotches, 10 * oneNotch);
  ASSERT_EQ(wheel(WHEEL_DELTA, 10), 0);

  EXPECT_EQ(wheel(-30, 1), 0);
  EXPECT_EQ(wheel(-30, 3), oneNotch);
  EXPECT_EQ(wheel(-30, 36), tenNotches);
  EXPECT_EQ(wheel(30, 3), tenNotches);  // back the other way: three parts are less than a notch
  EXPECT_EQ(wheel(30, 1), 9 * oneNotch);
}
