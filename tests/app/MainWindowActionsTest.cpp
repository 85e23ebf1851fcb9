// Preview, copy, save, the hidden admin row and its insert, closing, and links.
#include "MainWindowFixture.h"

#include "controls/FxEdit.h"
#include "controls/FxMemo.h"
#include "controls/FxURLLabel.h"
#include "db/ADOQuery.h"
#include "db/Database.h"
#include "skin/controls/sfSkinComboBox.h"
#include "skin/controls/sfSkinXFormButton.h"
#include "skin/controls/sfSkinButton.h"
#include "skin/controls/sfSkinEdit.h"
#include "skin/controls/sfSkinPanel.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/frame/sfSkinForm.h"
#include "skin/dialogs/sfFileMask.h"
#include "skin/dialogs/sfSkinFileListView.h"
#include "tests/skin_dialogs/DialogDriver.h"
#include "ui/Clipboard.h"
#include "ui/Timer.h"
#include "ui/IniFile.h"

namespace {

const std::string kCode = "<p>特效</p>\r\n<script>var a=1;</script>\r\n";

std::vector<std::pair<int, std::string>> RowsNamed(const std::filesystem::path& file,
                                                   const std::string& name) {
  TADOQuery q(nullptr);
  q.SetConnectionString(CatalogueConnectionString(file, CataloguePassword));
  q.SQL().SetText("SELECT * FROM SPECT Where EffectName=\"" + name + "\"");
  q.Open();
  std::vector<std::pair<int, std::string>> out;
  for (; !q.Eof(); q.Next())
    out.push_back({q.FieldByName("ParentID").AsInteger(), q.FieldByName("Code").AsString()});
  return out;
}

}  // namespace

TEST_F(MainWindowTest, PreviewWritesTheCodeViewAndAsksTheShellToOpenIt) {
  MakeCatalogue();
  TForm1& f = Open();
  f.sfSkinXFormButton2->Click();  // empty view: nothing at all
  EXPECT_FALSE(std::filesystem::exists(Scratch / "example.htm"));
  EXPECT_TRUE(Shell.Requests().empty());
  f.sfMemo->SetText(kCode);
  f.sfSkinXFormButton2->Click();
  EXPECT_EQ(ReadFile(Scratch / "example.htm"), kCode);
  ASSERT_EQ(Shell.Requests().size(), 1u);
  EXPECT_EQ(Shell.Requests()[0].Verb, "open");
  EXPECT_EQ(Shell.Requests()[0].File, "example.htm");
  EXPECT_EQ(Shell.Requests()[0].Show, SW_SHOWNORMAL);
  EXPECT_EQ(Boxes.Count(), 0);
}

TEST_F(MainWindowTest, CopyPutsTheCodeOnTheClipboardAndSaysSo) {
  MakeCatalogue();
  TForm1& f = Open();
  Clipboard().SetAsText("before");
  f.sfSkinXFormButton3->Click();
  EXPECT_EQ(Clipboard().AsText(), "before");
  EXPECT_EQ(Boxes.Count(), 0);
  f.sfMemo->SetText(kCode);
  f.sfSkinXFormButton3->Click();
  EXPECT_EQ(Clipboard().AsText(), kCode);
  ASSERT_EQ(Boxes.Count(), 1);
  EXPECT_EQ(Boxes.Last().Text, "成功将“特效代码”复制到剪贴板！");
  EXPECT_EQ(Boxes.Last().Caption, "Information");
}

TEST_F(MainWindowTest, SaveWritesTheChosenFileEvenWhenEmpty) {
  MakeCatalogue();
  TForm1& f = Open();
  // In the program's skin the dialog keeps its size; the tool panel and button
  // pictures fix those controls' heights, as they do on the main window.
  WhenDialogShows([](TsfOpenDlgForm& d) {
    EXPECT_EQ(d.ClientWidth(), 450);
    EXPECT_EQ(d.ClientHeight(), 290);
    EXPECT_EQ(d.ToolBar->Height(), 29);
    EXPECT_EQ(d.BottomPanel->Height(), 80);
    EXPECT_EQ(d.AcceptButton->Height(), 21);
    EXPECT_TRUE(d.SkinForm->SkinData() != nullptr);
    // Typing goes to the file name at once.
    EXPECT_EQ(GetForegroundWindow(), d.Handle());
    EXPECT_EQ(GetFocus(), d.FileNameEdit->Handle());
  });
  f.sfSkinXFormButton4->Click();
  EXPECT_TRUE(std::filesystem::is_empty(Scratch));
  // A name typed without extension gets the filter's ".html".
  WhenDialogShows([&](TsfOpenDlgForm& d) {
    EXPECT_EQ(d.Caption(), "Save file");
    d.FileList->GoToPath(WideToAnsi(Scratch.wstring()));
    d.FileNameEdit->SetText("空");
    d.AcceptButton->Click();
  });
  f.sfSkinXFormButton4->Click();
  std::filesystem::path chosen = Scratch / L"空.html";
  ASSERT_TRUE(std::filesystem::exists(chosen));
  EXPECT_EQ(ReadFile(chosen), "");
  // The next run opens where the last file went.
  f.sfMemo->SetText(kCode);
  WhenDialogShows([&](TsfOpenDlgForm& d) {
    EXPECT_EQ(sf::IncludeTrailingBackslash(d.FileList->CurrentPath()),
              sf::IncludeTrailingBackslash(WideToAnsi(Scratch.wstring())));
    d.FileNameEdit->SetText("空.html");
    d.AcceptButton->Click();
  });
  f.sfSkinXFormButton4->Click();
  EXPECT_EQ(ReadFile(chosen), kCode);
}

TEST_F(MainWindowTest, AdminRowShowsOnlyForCtrlAltRightPress) {
  MakeCatalogue();
  TForm1& f = Open();
  f.sfPanel_BottomMouseDown(f.sfPanel_Bottom, mbRight, {ssShift, ssAlt, ssCtrl, ssRight}, 5, 5);
  f.sfPanel_BottomMouseDown(f.sfPanel_Bottom, mbLeft, {ssAlt, ssCtrl, ssLeft}, 5, 5);
  f.sfPanel_BottomMouseDown(f.sfPanel_Bottom, mbRight, {ssCtrl, ssRight}, 5, 5);
  f.sfPanel_BottomMouseDown(f.sfPanel_Bottom, mbRight, {ssAlt, ssCtrl, ssRight, ssDouble}, 5, 5);
  EXPECT_FALSE(f.sfCbb->Visible());
  // The real gesture: Ctrl and Alt held, right button pressed on the panel.
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_MENU] = keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  SendMessageW(f.sfPanel_Bottom->Handle(), WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL,
               MAKELPARAM(400, 30));
  keys[VK_MENU] = keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_TRUE(f.sfCbb->Visible());
  EXPECT_TRUE(f.sfEdt->Visible());
  EXPECT_TRUE(f.sfFrmBtn->Visible());
}

TEST_F(MainWindowTest, InsertWritesTheCodeUnderTheTypedNameInTheChosenCategory) {
  MakeCatalogue();
  TForm1& f = Open();
  f.sfMemo->SetText(kCode);
  f.sfFrmBtn->Click();  // no name
  ASSERT_EQ(Boxes.Count(), 1);
  EXPECT_EQ(Boxes.Last().Text, "请填写网页特效名称！");
  EXPECT_EQ(Boxes.Last().Caption, "Warning");
  f.sfEdt->SetText("  新特效\t");
  f.sfCbb->SetItemIndex(4);
  f.sfFrmBtn->Click();
  ASSERT_EQ(Boxes.Count(), 2);
  EXPECT_EQ(Boxes.Last().Text, "保存成功！");
  EXPECT_EQ(Boxes.Last().Caption, "系统提示");
  EXPECT_EQ(Boxes.Last().Flags & 0xF0u, 0x20u);
  EXPECT_EQ(RowsNamed(Catalogue(), "新特效"), (std::vector<std::pair<int, std::string>>{{5, kCode}}));
  EXPECT_EQ(f.sfEdt->Text(), "  新特效\t");  // the field keeps its text
}

TEST_F(MainWindowTest, InsertWithNoCategoryChosenWritesNothing) {
  MakeCatalogue();
  TForm1& f = Open();
  f.sfMemo->SetText(kCode);
  f.sfEdt->SetText("无类别");
  f.sfCbb->SetItemIndex(20);  // beyond its 13 items, as a fourteenth category would set it
  ASSERT_EQ(f.sfCbb->ItemIndex(), -1);
  f.sfFrmBtn->Click();
  ASSERT_EQ(Boxes.Count(), 1);
  EXPECT_EQ(Boxes.Last().Text, "保存失败！");
  EXPECT_EQ(Boxes.Last().Flags & 0xF0u, 0x10u);
  EXPECT_TRUE(RowsNamed(Catalogue(), "无类别").empty());
}

TEST_F(MainWindowTest, NameFieldClearsOnClickAndPastesOnDoubleClick) {
  MakeCatalogue();
  TForm1& f = Open();
  f.sfEdt->SetText("旧名字");
  f.sfEdtClick(f.sfEdt);
  EXPECT_EQ(f.sfEdt->Text(), "");
  Clipboard().SetAsText("剪贴板里的名字");
  f.sfEdtDblClick(f.sfEdt);
  EXPECT_EQ(f.sfEdt->Text(), "剪贴板里的名字");
}

TEST_F(MainWindowTest, ClosingStoresThePositionAndAnUnwritableFileStillCloses) {
  MakeCatalogue();
  {
    TForm1& f = Open();
    f.Show();
    f.SetLeft(-500);
    f.SetTop(40);
    f.Close();
    EXPECT_FALSE(f.Visible());
    TIniFile ini(ExeFolder() + L"Vexmark.ini");
    EXPECT_EQ(ini.ReadInteger("MainForm", "Left", 0), -500);
    EXPECT_EQ(ini.ReadInteger("MainForm", "Top", 0), 40);
  }
  TForm1& again = Open();  // the stored place is used, even off screen to the left
  EXPECT_EQ(again.Left(), -500);
  EXPECT_EQ(again.Top(), 40);
  Form.reset();
  std::filesystem::remove(Folder / "Vexmark.ini");
  std::filesystem::create_directory(Folder / "Vexmark.ini");  // cannot be written as a file
  TForm1& f = Open();
  f.Show();
  f.Close();
  ASSERT_EQ(Boxes.Count(), 1);
  EXPECT_EQ(Boxes.Last().Text.find("Unable to write to "), 0u);
  EXPECT_FALSE(f.Visible());
}

TEST_F(MainWindowTest, PromotionalLinksRotateAndTheFeedbackLinkOpensMail) {
  MakeCatalogue();
  TForm1& f = Open();
  EXPECT_EQ(f.UrlAds2->URL(), f.UrlAds->URL());  // before the first tick: the stored target
  f.Timer1Timer(f.Timer1);
  EXPECT_NE(f.UrlAds2->URL().find("/list.asp?id=99"), std::string::npos);
  for (int i = 0; i < 5; ++i) f.Timer1Timer(f.Timer1);
  EXPECT_EQ(f.UrlAds2->Caption(), "魔法诱惑魔术教程(视频)");
  f.FxURLLabel2->Click();
  ASSERT_EQ(Shell.Requests().size(), 2u);
  EXPECT_EQ(Shell.Requests()[0].File.find("Mailto:"), 0u);
  EXPECT_NE(Shell.Requests()[0].File.find("?subject=“Tavoro网页特效集”用户意见或建议&cc="),
            std::string::npos);
  EXPECT_EQ(Shell.Requests()[1].File, "意见反馈");  // the label's own open of its caption, which fails
  EXPECT_EQ(Boxes.Count(), 0);
}

TEST_F(MainWindowTest, PreviewIntoAnUnwritableFolderReportsAndOpensNothing) {
  MakeCatalogue();
  TForm1& f = Open();
  std::filesystem::create_directory(Scratch / "example.htm");  // stands where the file should go
  f.sfMemo->SetText(kCode);
  SendMessageW(f.sfSkinXFormButton2->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(f.sfSkinXFormButton2->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_EQ(Boxes.Count(), 1);
  EXPECT_NE(Boxes.Last().Text.find("example.htm"), std::string::npos);
  EXPECT_EQ(Boxes.Last().Caption, "Tavoro网页特效集");
  EXPECT_TRUE(Shell.Requests().empty());
}

TEST_F(MainWindowTest, InsertThatTheStoreRefusesSaysSoAndWritesNothing) {
  MakeCatalogue();
  {
    TDatabase db(Catalogue(), CataloguePassword, TDatabase::omExisting);
    db.Execute("CREATE TRIGGER refuse BEFORE INSERT ON SPECT BEGIN SELECT RAISE(ABORT, 'full'); END");
  }
  TForm1& f = Open();
  f.sfMemo->SetText(kCode);
  f.sfEdt->SetText("被拒绝");
  f.sfFrmBtn->Click();
  ASSERT_EQ(Boxes.Count(), 1);
  EXPECT_EQ(Boxes.Last().Text, "保存失败！");
  EXPECT_EQ(Boxes.Last().Caption, "系统提示");
  EXPECT_EQ(Boxes.Last().Flags & 0xF0u, 0x10u);
  EXPECT_TRUE(RowsNamed(Catalogue(), "被拒绝").empty());
}

TEST_F(MainWindowTest, InsertIntoAVanishedCatalogueGoesToTheDefaultErrorReport) {
  MakeCatalogue();
  TForm1& f = Open();
  f.sfEdt->SetText("无处可写");
  std::filesystem::remove(Catalogue());
  // Through the window, as the user's click comes: the error goes to the report.
  SendMessageW(f.sfFrmBtn->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(f.sfFrmBtn->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_EQ(Boxes.Count(), 1);
  EXPECT_EQ(Boxes.Last().Text.find("Could not find file"), 0u);
  EXPECT_EQ(Boxes.Last().Caption, "Tavoro网页特效集");
}
