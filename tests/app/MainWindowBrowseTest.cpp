// Start-up and browsing: category buttons from the catalogue, the effect list,
// the count label and the code view.
#include "MainWindowFixture.h"

#include "controls/FxLabel.h"
#include "controls/FxMemo.h"
#include "skin/controls/sfListBox.h"
#include "skin/controls/sfSkinComboBox.h"
#include "skin/controls/sfSkinListBox.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/data/sfSkinData.h"
#include "ui/Screen.h"

namespace {

TsfSkinSpeedButton* Button(TForm1& f, int i) {
  return dynamic_cast<TsfSkinSpeedButton*>(f.sfTb->FindComponent("Sbtn" + std::to_string(i)));
}

void Press(TForm1& f, int i) {
  TsfSkinSpeedButton* b = Button(f, i);
  LPARAM at = MAKELPARAM(b->Left() + 30, b->Top() + 10);
  SendMessageW(f.sfTb->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(f.sfTb->Handle(), WM_LBUTTONUP, 0, at);
}

void ChooseEffect(TForm1& f, int index) {
  HWND list = f.sfLB->ListBox().Handle();
  LPARAM at = MAKELPARAM(20, index * 20 + 10);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(list, WM_LBUTTONUP, 0, at);
}

std::vector<std::string> ListItems(TForm1& f) {
  std::vector<std::string> out;
  for (int i = 0; i < f.sfLB->Items().Count(); ++i) out.push_back(f.sfLB->Items().Strings(i));
  return out;
}

}  // namespace

TEST_F(MainWindowTest, StartsWithOneButtonPerCategoryAndTheFirstCategoryListed) {
  MakeCatalogue();
  TForm1& f = Open();
  EXPECT_EQ(Boxes.Count(), 0);
  for (int i = 0; i < 13; ++i) {
    TsfSkinSpeedButton* b = Button(f, i);
    ASSERT_NE(b, nullptr) << i;
    EXPECT_EQ(b->Parent(), f.sfTb);
    EXPECT_EQ(b->Owner(), f.sfTb);
    EXPECT_EQ(b->Caption(), CategoryCaptions()[static_cast<size_t>(i)]);
    EXPECT_EQ(b->BoundsRect(), Bounds(i * 60 + 2, 2, 60, 25));  // the skinned bar is 29 high
    EXPECT_EQ(b->Down(), i == 0);
    EXPECT_EQ(b->GroupIndex(), 11);
    EXPECT_EQ(b->Tag(), i + 1);
  }
  EXPECT_EQ(ListItems(f), (std::vector<std::string>{"下拉菜单", "滑动菜单"}));
  EXPECT_EQ(f.sfLB->ItemIndex(), -1);
  EXPECT_EQ(f.FxLab_Qty->Caption(), "菜单导航特效：2个");
  EXPECT_EQ(f.sfMemo->Text(), "");
  EXPECT_EQ(f.Caption(), "Tavoro网页特效集1.0.5.21");
  // No settings file: centred on the primary screen.
  EXPECT_EQ(f.Left(), (Screen->Width() - f.Width()) / 2);
  EXPECT_EQ(f.Top(), (Screen->Height() - f.Height()) / 2);
}

TEST_F(MainWindowTest, MissingCatalogueGivesOneErrorAndAnEmptyUsableWindow) {
  TForm1& f = Open();
  ASSERT_EQ(Boxes.Count(), 1);
  EXPECT_EQ(Boxes.Last().Text, "Could not find file '" + PathToAnsi(Catalogue().wstring()) + "'.");
  EXPECT_EQ(Boxes.Last().Caption, "Tavoro网页特效集");
  EXPECT_EQ(f.sfTb->ControlCount(), 0);
  EXPECT_EQ(f.sfLB->Items().Count(), 0);
  EXPECT_EQ(f.FxLab_Qty->Caption(), "菜单导航特效");
  EXPECT_EQ(f.Caption(), "Tavoro网页特效集1.0.5.21");  // placement and caption came first
}

TEST_F(MainWindowTest, CategoryButtonListsItsEffectsAndMovesTheAdminCombo) {
  MakeCatalogue();
  TForm1& f = Open();
  f.Show();
  Press(f, 2);
  EXPECT_TRUE(Button(f, 2)->Down());
  EXPECT_FALSE(Button(f, 0)->Down());
  EXPECT_EQ(ListItems(f), (std::vector<std::string>{"图片轮换", "图片轮换"}));
  EXPECT_EQ(f.FxLab_Qty->Caption(), "图片背景特效：2个");
  EXPECT_EQ(f.sfCbb->ItemIndex(), 2);
  Press(f, 4);  // an empty category
  EXPECT_EQ(ListItems(f), std::vector<std::string>{});
  EXPECT_EQ(f.FxLab_Qty->Caption(), "键盘鼠标特效：0个");
  EXPECT_EQ(f.sfCbb->ItemIndex(), 4);
}

TEST_F(MainWindowTest, ChoosingAnEffectShowsItsCodeEachRowOnItsOwnLine) {
  MakeCatalogue();
  TForm1& f = Open();
  f.Show();
  ChooseEffect(f, 0);
  EXPECT_EQ(f.sfMemo->Text(), "<ul class=\"menu\">\r\n<li>首页</li>\r\n</ul>\r\n");
  ChooseEffect(f, 1);
  EXPECT_EQ(f.sfMemo->Text(), "<div>滑动</div>\r\n");  // cleared before each fill
  Press(f, 2);
  EXPECT_EQ(f.sfMemo->Text(), "");
  ChooseEffect(f, 0);  // two rows of the same name: both codes
  EXPECT_EQ(f.sfMemo->Text(), "<img alt=\"一\">\r\n<img alt=\"二\">\r\n");
}

// A switch leaves the code view as a fresh one whether it held text or not: no
// undo step brings back what was typed into it, and it is no longer modified.
TEST_F(MainWindowTest, SwitchingCategoryLeavesTheCodeViewFresh) {
  MakeCatalogue();
  TForm1& f = Open();
  f.Show();
  HWND memo = f.sfMemo->Handle();
  int category = 0;
  for (const wchar_t* typed : {L"typed", L""}) {
    SCOPED_TRACE(*typed ? "with text" : "emptied");
    SendMessageW(memo, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"typed"));
    if (!*typed) SendMessageW(memo, EM_SETSEL, 0, -1), SendMessageW(memo, WM_CLEAR, 0, 0);
    ASSERT_TRUE(SendMessageW(memo, EM_CANUNDO, 0, 0));
    ASSERT_TRUE(SendMessageW(memo, EM_GETMODIFY, 0, 0));
    Press(f, ++category);
    EXPECT_EQ(f.sfMemo->Text(), "");
    EXPECT_FALSE(SendMessageW(memo, EM_CANUNDO, 0, 0));
    EXPECT_FALSE(SendMessageW(memo, EM_GETMODIFY, 0, 0));
  }
}

TEST_F(MainWindowTest, AnEffectNameWithAQuoteMatchesOnlyItself) {
  MakeCatalogue();
  TForm1& f = Open();
  f.Show();
  Press(f, 3);
  ASSERT_EQ(ListItems(f), (std::vector<std::string>{"引号\"图层", "引号"}));
  ChooseEffect(f, 0);
  EXPECT_EQ(f.sfMemo->Text(), "<div>quoted</div>\r\n");
  EXPECT_EQ(Boxes.Count(), 0);
}

TEST_F(MainWindowTest, FifteenCategoriesGiveFifteenButtonsEvenPastTheBar) {
  std::vector<TCatalogueRow> rows;
  for (int i = 0; i < 15; ++i) rows.push_back({0, "类别" + std::to_string(i + 1), ""});
  rows.push_back({15, "最后一类的特效", "<b>15</b>"});
  CreateCatalogue(Catalogue(), CataloguePassword);
  AppendCatalogueRows(Catalogue(), CataloguePassword, rows);
  TForm1& f = Open();
  f.Show();
  ASSERT_NE(Button(f, 14), nullptr);
  EXPECT_EQ(Button(f, 14)->Left(), 14 * 60 + 2);  // beyond the 782-pixel bar
  EXPECT_EQ(Button(f, 15), nullptr);
  Button(f, 14)->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(ListItems(f), (std::vector<std::string>{"最后一类的特效"}));
  EXPECT_EQ(f.FxLab_Qty->Caption(), "类别15特效：1个");
  EXPECT_EQ(f.sfCbb->ItemIndex(), -1);  // the combo holds 13 categories
}

TEST_F(MainWindowTest, AnEffectNamedLikeACategoryAlsoShowsThatRowsCode) {
  std::vector<TCatalogueRow> rows;
  for (const std::string& c : CategoryCaptions()) rows.push_back({0, c, ""});
  rows.push_back({1, "日期时间", "<i>effect</i>"});
  CreateCatalogue(Catalogue(), CataloguePassword);
  AppendCatalogueRows(Catalogue(), CataloguePassword, rows);
  TForm1& f = Open();
  f.Show();
  ChooseEffect(f, 0);
  // The look-up is by name over every row: the category row's empty code comes first.
  EXPECT_EQ(f.sfMemo->Text(), "\r\n<i>effect</i>\r\n");
}

TEST_F(MainWindowTest, EmptyCatalogueGivesNoButtonsAndAnEmptyList) {
  CreateCatalogue(Catalogue(), CataloguePassword);
  TForm1& f = Open();
  EXPECT_EQ(Boxes.Count(), 0);
  EXPECT_EQ(f.sfTb->ControlCount(), 0);
  EXPECT_EQ(f.sfLB->Items().Count(), 0);
  EXPECT_EQ(f.FxLab_Qty->Caption(), "菜单导航特效：0个");
}

TEST_F(MainWindowTest, KeyboardInTheListShowsTheCodeToo) {
  MakeCatalogue();
  TForm1& f = Open();
  f.Show();
  HWND list = f.sfLB->ListBox().Handle();
  SetFocus(list);
  SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
  SendMessageW(list, WM_KEYUP, VK_DOWN, 0);
  EXPECT_EQ(f.sfLB->ItemIndex(), 0);
  EXPECT_EQ(f.sfMemo->Text(), "<ul class=\"menu\">\r\n<li>首页</li>\r\n</ul>\r\n");
  SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(f.sfMemo->Text(), "<div>滑动</div>\r\n");
}

TEST_F(MainWindowTest, LoadsItsStoredSkinWhileItIsCreated) {
  MakeCatalogue();
  TForm1& f = Open();
  EXPECT_FALSE(f.sfSkinData1->SkinEmpty());
  EXPECT_GE(f.sfSkinData1->FindControlDef("toolpanel"), 0);
  EXPECT_GE(f.sfSkinData1->FindControlDef("statusbar"), 0);
  EXPECT_EQ(Boxes.Count(), 0);
}
