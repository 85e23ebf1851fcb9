// Every kind of bad input the main window meets, one row each: what is damaged
// and how, what the user then does, and what the user must see. The window must
// always open (or close) cleanly, every message must name the file concerned, and
// a damaged catalogue must never be written to.
#include "MainWindowFixture.h"

#include <functional>

#include "controls/FxEdit.h"
#include "controls/FxLabel.h"
#include "controls/FxMemo.h"
#include "db/Database.h"
#include "skin/controls/sfSkinButton.h"
#include "skin/controls/sfSkinComboBox.h"
#include "skin/controls/sfSkinEdit.h"
#include "skin/controls/sfSkinListBox.h"
#include "skin/controls/sfSkinScrollBar.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/controls/sfSkinXFormButton.h"
#include "skin/data/sfEmbeddedSkin.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfZLib.h"
#include "skin/dialogs/sfSkinFileListView.h"
#include "skin/frame/sfSkinForm.h"
#include "ui/Clipboard.h"
#include "ui/IniFile.h"
#include "tests/skin_dialogs/DialogDriver.h"
#include "ui/CodePage.h"
#include "ui/Screen.h"

namespace {

using TBytes = std::vector<std::uint8_t>;
class BadInputTest;

struct TBadInput {
  std::string Name;                              // the row's name in the test list
  std::function<void(BadInputTest&)> Make;       // how the input is made
  std::function<void(BadInputTest&)> Use;        // what the user does once the window is open
  // The message boxes the user sees, in order. "{catalogue}", "{settings}" and
  // "{example}" stand for those files' full paths; a trailing "*" matches any rest.
  std::vector<std::string> Sees;
  std::function<void(BadInputTest&)> Check;      // what else must hold afterwards
};

std::string Text(const std::filesystem::path& p) { return PathToAnsi(p.wstring()); }

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(),
                                                               static_cast<std::streamsize>(bytes.size()));
}

std::string Garbage(size_t size, unsigned seed) {
  std::string bytes(size, '\0');
  for (char& c : bytes) {
    seed = seed * 1103515245u + 12345u;
    c = static_cast<char>(seed >> 16);
  }
  return bytes;
}

// The program's own skin package, inflated, and the offsets at which its parts
// begin: after the version, each picture flag, each picture, the picture count,
// each active picture (the last one is where the definition text starts).
const TBytes& StoredPackage() {
  static const TBytes package = ZDecompress(LoadEmbeddedSkinResource());
  return package;
}

std::vector<size_t> SectionBoundaries() {
  const TBytes& p = StoredPackage();
  auto bmpSize = [&p](size_t at) {
    return static_cast<size_t>(p[at + 2] | p[at + 3] << 8 | p[at + 4] << 16 | p[at + 5] << 24);
  };
  std::vector<size_t> cuts{0, 4};
  size_t at = 4;
  for (int flagged = 0; flagged < 3; ++flagged) {
    const bool present = p[at] == 0;
    cuts.push_back(++at);
    if (present) cuts.push_back(at += bmpSize(at));
  }
  const int count = p[at] | p[at + 1] << 8 | p[at + 2] << 16 | p[at + 3] << 24;
  cuts.push_back(at += 4);
  for (int i = 0; i < count; ++i) cuts.push_back(at += bmpSize(at));
  return cuts;
}

class BadInputTest : public MainWindowTest, public testing::WithParamInterface<TBadInput> {
 public:
  using MainWindowTest::Boxes;
  using MainWindowTest::Catalogue;
  using MainWindowTest::Folder;
  using MainWindowTest::Form;
  using MainWindowTest::ReadFile;
  using MainWindowTest::Scratch;
  using MainWindowTest::Shell;

  void TearDown() override {
    TForm1::StoredSkinSource = nullptr;
    std::error_code ec;
    std::filesystem::remove_all(Folder / "spect.nht-journal", ec);
    MainWindowTest::TearDown();
  }

  // The catalogue every row starts from: the 13 categories and two effects.
  void MakeCatalogue(const std::string& password = CataloguePassword) {
    std::vector<TCatalogueRow> rows;
    for (const std::string& c : CategoryCaptions()) rows.push_back({0, c, ""});
    rows.push_back({1, "下拉菜单", "<ul><li>首页</li></ul>"});
    rows.push_back({2, "数字时钟", "<span id=\"clock\"></span>"});
    AddRows(rows, password);
  }
  void AddRows(const std::vector<TCatalogueRow>& rows, const std::string& password = CataloguePassword) {
    if (!std::filesystem::exists(Catalogue())) CreateCatalogue(Catalogue(), password);
    AppendCatalogueRows(Catalogue(), password, rows);
  }
  void KeepCatalogueBytes() { CatalogueBytes = ReadFile(Catalogue()); }

  std::filesystem::path Settings() const { return Folder / "Vexmark.ini"; }
  std::filesystem::path Example() const { return Scratch / "example.htm"; }

  std::string Expand(std::string text) const {
    const std::pair<const char*, std::string> names[] = {
        {"{catalogue}", Text(Catalogue())}, {"{settings}", Text(Settings())}, {"{example}", Text(Example())}};
    for (const auto& [key, value] : names)
      for (size_t at; (at = text.find(key)) != std::string::npos;) text.replace(at, std::string(key).size(), value);
    return text;
  }

  // The admin row revealed, a name typed, the insert button pressed as a click comes.
  void Insert(const std::string& name) {
    Form->sfCbb->SetVisible(true);
    Form->sfEdt->SetVisible(true);
    Form->sfFrmBtn->SetVisible(true);
    Form->sfEdt->SetText(name);
    Press(*Form->sfFrmBtn);
  }
  void Press(TWinControl& button) {
    SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }

  void ExpectCentred() {
    EXPECT_EQ(Form->Left(), (Screen->Width() - Form->Width()) / 2);
    EXPECT_EQ(Form->Top(), (Screen->Height() - Form->Height()) / 2);
  }
  // Closing takes the time the settings file needs, and no more than a few seconds.
  void CloseQuickly() {
    const ULONGLONG start = GetTickCount64();
    Form->Close();
    EXPECT_LT(GetTickCount64() - start, 10000u);
    EXPECT_FALSE(Form->Visible());
  }
  void ExpectCategoriesListed() {
    EXPECT_EQ(Form->sfTb->ControlCount(), 13);
    EXPECT_EQ(Form->sfLB->Items().Count(), 1);
  }

  std::string CatalogueBytes;
  std::string Code;
};

TBadInput SkinCutAt(size_t cut) {
  return {"SkinPackageCutAt" + std::to_string(cut),
          [cut](BadInputTest& t) {
            t.MakeCatalogue();
            TBytes part(StoredPackage().begin(), StoredPackage().begin() + static_cast<std::ptrdiff_t>(cut));
            TForm1::StoredSkinSource = [part] { return ZCompress(part); };
          },
          nullptr,
          {"The window's skin could not be loaded: Stream read error."},
          [](BadInputTest& t) {
            EXPECT_TRUE(t.Form->sfSkinData1->SkinEmpty());
            EXPECT_FALSE(t.Form->sfSkinForm1->SkinChanging());  // draws its plain frame
            EXPECT_EQ(t.Form->sfTb->DefinitionIndex(), -1);      // plain
            t.ExpectCategoriesListed();
          }};
}

void CatalogueUnusable(BadInputTest& t) {
  EXPECT_EQ(t.Form->sfTb->ControlCount(), 0);
  EXPECT_EQ(t.Form->sfLB->Items().Count(), 0);
  EXPECT_EQ(t.ReadFile(t.Catalogue()), t.CatalogueBytes);  // nothing written into it
  // Nothing beside it either: no journal, no second file.
  for (const char* suffix : {"-journal", "-wal", "-shm"})
    EXPECT_FALSE(std::filesystem::exists(t.Folder / ("spect.nht" + std::string(suffix)))) << suffix;
}

void TryInsert(BadInputTest& t) { t.Insert("新特效"); }

std::vector<TBadInput> Rows() {
  std::vector<TBadInput> rows;
  for (size_t cut : SectionBoundaries()) rows.push_back(SkinCutAt(cut));
  rows.push_back({"SkinPackageOfVersion4",
                  [](BadInputTest& t) {
                    t.MakeCatalogue();
                    TBytes package = StoredPackage();
                    package[0] = 4;
                    TForm1::StoredSkinSource = [package] { return ZCompress(package); };
                  },
                  nullptr,
                  {"The window's skin could not be loaded: The skin package is of a version above 3, "
                   "which is not supported."},
                  [](BadInputTest& t) {
                    EXPECT_TRUE(t.Form->sfSkinData1->SkinEmpty());
                    EXPECT_FALSE(t.Form->sfSkinForm1->SkinChanging());
                    EXPECT_EQ(t.Form->sfTb->DefinitionIndex(), -1);
                    t.ExpectCategoriesListed();
                  }});

  const std::string damaged = "The catalogue file '{catalogue}' is damaged.";
  const std::string refused = "Not a valid password, or not a catalogue file: '{catalogue}'.";
  rows.push_back({"CatalogueMissing", [](BadInputTest&) {}, TryInsert,
                  {"Could not find file '{catalogue}'.", "Could not find file '{catalogue}'."},
                  [](BadInputTest& t) { EXPECT_FALSE(std::filesystem::exists(t.Catalogue())); }});
  rows.push_back({"CatalogueEmpty",
                  [](BadInputTest& t) {
                    WriteBytes(t.Catalogue(), "");
                    t.KeepCatalogueBytes();
                  },
                  TryInsert, {damaged, damaged}, CatalogueUnusable});
  rows.push_back({"CatalogueTruncatedToHalf",
                  [](BadInputTest& t) {
                    t.MakeCatalogue();
                    std::vector<TCatalogueRow> more;
                    for (int i = 0; i < 200; ++i) more.push_back({1 + i % 13, "特效" + std::to_string(i), Garbage(2000, i)});
                    t.AddRows(more);
                    std::filesystem::resize_file(t.Catalogue(), std::filesystem::file_size(t.Catalogue()) / 2);
                    t.KeepCatalogueBytes();
                  },
                  TryInsert, {damaged, damaged}, CatalogueUnusable});
  rows.push_back({"CatalogueTruncatedInItsFirstPage",
                  [](BadInputTest& t) {
                    t.MakeCatalogue();
                    std::filesystem::resize_file(t.Catalogue(), 300);
                    t.KeepCatalogueBytes();
                  },
                  TryInsert, {damaged, damaged}, CatalogueUnusable});
  rows.push_back({"CatalogueNotADatabase",
                  [](BadInputTest& t) {
                    std::string text;
                    while (text.size() < 20000) text += "这不是一个数据库 - this is not a database\r\n";
                    WriteBytes(t.Catalogue(), text);
                    t.KeepCatalogueBytes();
                  },
                  TryInsert, {refused, refused}, CatalogueUnusable});
  rows.push_back({"CatalogueWithAnotherPassword",
                  [](BadInputTest& t) {
                    t.MakeCatalogue("another1");
                    t.KeepCatalogueBytes();
                  },
                  TryInsert, {refused, refused}, CatalogueUnusable});
  rows.push_back({"CatalogueWithoutItsTable",
                  [](BadInputTest& t) {
                    t.MakeCatalogue();
                    TDatabase(t.Catalogue(), CataloguePassword, TDatabase::omExisting).Execute("DROP TABLE SPECT");
                    t.KeepCatalogueBytes();
                  },
                  TryInsert,
                  {"SQL error: no such table: SPECT ({catalogue})", "SQL error: no such table: spect ({catalogue})"},
                  CatalogueUnusable});

  rows.push_back({"SettingsGarbage",
                  [](BadInputTest& t) {
                    t.MakeCatalogue();
                    WriteBytes(t.Settings(), Garbage(4096, 7));
                  },
                  nullptr, {},
                  [](BadInputTest& t) {
                    t.ExpectCentred();
                    t.ExpectCategoriesListed();
                    t.CloseQuickly();
                  }});
  rows.push_back({"SettingsOf50MB",
                  [](BadInputTest& t) {
                    t.MakeCatalogue();
                    std::string line = "[S]\r\nkey=" + std::string(90, 'x') + "\r\n";
                    std::string text;
                    text.reserve(50u << 20);
                    while (text.size() < (50u << 20)) text += line;
                    WriteBytes(t.Settings(), text);
                  },
                  nullptr, {},
                  [](BadInputTest& t) {
                    t.ExpectCentred();
                    t.Form->SetLeft(33);
                    t.CloseQuickly();
                    // A settings file of the program's own takes its place; the big one
                    // is kept beside it.
                    EXPECT_LT(std::filesystem::file_size(t.Settings()), 100u);
                    EXPECT_EQ(TIniFile(t.Settings().wstring()).ReadInteger("MainForm", "Left", 0), 33);
                    std::filesystem::path aside = t.Settings();
                    aside += ".bak";
                    EXPECT_GE(std::filesystem::file_size(aside), 50u << 20);
                  }});
  rows.push_back({"SettingsIsAFolder",
                  [](BadInputTest& t) {
                    t.MakeCatalogue();
                    std::filesystem::create_directory(t.Settings());
                  },
                  [](BadInputTest& t) {
                    t.ExpectCentred();
                    t.CloseQuickly();  // once: the window closes after the report
                  },
                  {"Unable to write to {settings}."},
                  [](BadInputTest& t) { EXPECT_TRUE(std::filesystem::is_directory(t.Settings())); }});

  rows.push_back({"ProgramFolderNotWritable",
                  [](BadInputTest& t) {
                    t.MakeCatalogue();
                    t.KeepCatalogueBytes();
                    // Where the preview and the catalogue's journal must go stand folders.
                    std::filesystem::create_directory(t.Example());
                    std::filesystem::create_directory(t.Folder / "spect.nht-journal");
                  },
                  [](BadInputTest& t) {
                    t.Form->sfMemo->SetText("<p>预览</p>");
                    t.Press(*t.Form->sfSkinXFormButton2);
                    TryInsert(t);
                  },
                  {"Cannot create file \"{example}\" (*", "保存失败！"},  // and the system's reason
                  [](BadInputTest& t) {
                    EXPECT_TRUE(t.Shell.Requests().empty());
                    EXPECT_TRUE(std::filesystem::is_directory(t.Example()));
                    EXPECT_EQ(t.ReadFile(t.Catalogue()), t.CatalogueBytes);
                  }});

  rows.push_back({"EffectOf10MB",
                  [](BadInputTest& t) {
                    while (t.Code.size() < (10u << 20)) t.Code += "<p>十兆字节的特效代码 " + std::to_string(t.Code.size()) + "</p>\r\n";
                    t.MakeCatalogue();
                    t.AddRows({{1, "大特效", t.Code}});
                  },
                  [](BadInputTest& t) {
                    t.Form->sfLB->SetItemIndex(1);
                    t.Form->sfLBListBoxClick(t.Form->sfLB);
                    // The view adds the code as a line of its own; a mismatch is told by size,
                    // not by a diff of ten megabytes.
                    t.Code += "\r\n";
                    EXPECT_EQ(t.Form->sfMemo->Text().size(), t.Code.size());
                    EXPECT_TRUE(t.Form->sfMemo->Text() == t.Code);
                    t.Press(*t.Form->sfSkinXFormButton3);
                    WhenDialogShows([&t](TsfOpenDlgForm& d) {
                      d.FileList->GoToPath(WideToAnsi(t.Scratch.wstring()));
                      d.FileNameEdit->SetText("big");
                      d.AcceptButton->Click();
                    });
                    t.Press(*t.Form->sfSkinXFormButton4);
                  },
                  {"成功将“特效代码”复制到剪贴板！"},
                  [](BadInputTest& t) {
                    EXPECT_TRUE(Clipboard().AsText() == t.Code);
                    EXPECT_TRUE(t.ReadFile(t.Scratch / "big.html") == t.Code);
                  }});
  rows.push_back({"CategoryOf10000Effects",
                  [](BadInputTest& t) {
                    t.MakeCatalogue();
                    std::vector<TCatalogueRow> many;
                    for (int i = 0; i < 10000; ++i) many.push_back({1, "特效" + std::to_string(i), "<b>" + std::to_string(i) + "</b>"});
                    t.AddRows(many);
                  },
                  [](BadInputTest& t) {
                    // The wheel, then the scroll bar's thumb dragged to the end.
                    SendMessageW(t.Form->sfLB->ListBox().Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
                    TsfSkinScrollBar* bar = t.Form->sfLB->VScrollBar();
                    ASSERT_NE(bar, nullptr);
                    EXPECT_GT(t.Form->sfLB->TopIndex(), 0);
                    EXPECT_EQ(bar->Position(), t.Form->sfLB->TopIndex());
                    bar->SetPosition(bar->Max());
                    t.Form->sfLB->SetItemIndex(10000);
                    t.Form->sfLBListBoxClick(t.Form->sfLB);
                  },
                  {},
                  [](BadInputTest& t) {
                    EXPECT_EQ(t.Form->sfLB->Items().Count(), 10001);
                    EXPECT_EQ(t.Form->FxLab_Qty->Caption(), "菜单导航特效：10001个");
                    EXPECT_GT(t.Form->sfLB->TopIndex(), 9900);
                    EXPECT_EQ(t.Form->sfMemo->Text(), "<b>9999</b>\r\n");
                  }});
  return rows;
}

TEST_P(BadInputTest, WindowStaysUsableAndTellsWhatWentWrong) {
  const TBadInput& row = GetParam();
  row.Make(*this);
  Open();
  Form->Show();
  if (row.Use) row.Use(*this);
  std::vector<std::string> seen;
  for (const TMessageBoxCall& call : Boxes.Calls()) seen.push_back(call.Text);
  ASSERT_EQ(seen.size(), row.Sees.size()) << testing::PrintToString(seen);
  for (size_t i = 0; i < seen.size(); ++i) {
    const std::string want = Expand(row.Sees[i]);
    if (!want.empty() && want.back() == '*')
      EXPECT_EQ(seen[i].substr(0, want.size() - 1), want.substr(0, want.size() - 1));
    else
      EXPECT_EQ(seen[i], want);
  }
  if (row.Check) row.Check(*this);
}

INSTANTIATE_TEST_SUITE_P(Rows, BadInputTest, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<TBadInput>& info) { return info.param.Name; });

}  // namespace
