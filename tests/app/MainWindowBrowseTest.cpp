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
    EXPECT_EQ(b->BoundsRect(), Bounds(i * 60 + 2, 2, 60, f.sfTb->Height() - 4));
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
