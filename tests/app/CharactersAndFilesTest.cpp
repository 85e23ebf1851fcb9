// Characters GBK cannot hold on their way out of the code view and the name
// field, and in from the catalogue.
#include "MainWindowFixture.h"

#include "controls/FxEdit.h"
#include "controls/FxMemo.h"
#include "db/Database.h"
#include "skin/controls/sfListBox.h"
#include "skin/controls/sfSkinButton.h"
#include "skin/controls/sfSkinEdit.h"
#include "skin/controls/sfSkinComboBox.h"
#include "skin/controls/sfSkinListBox.h"
#include "skin/controls/sfSkinXFormButton.h"
#include "skin/dialogs/sfSkinFileListView.h"
#include "tests/skin_dialogs/DialogDriver.h"
#include "ui/Clipboard.h"

#include <cstring>

namespace {

// 笑, an emoji and a check mark: 936 holds the first only.
const std::wstring kWideCode = L"<p>\u7B11\U0001F600 \u2713</p>\r\n";
const std::string kCodeBytes = "<p>\xD0\xA6&#x1F600; &#x2713;</p>\r\n";

// The Code column as the file holds it (UTF-8), for the rows of `name`.
std::vector<std::string> StoredCodes(const std::filesystem::path& file, const std::string& name) {
  TDatabase db(file, CataloguePassword, TDatabase::omExisting);
  TStatement statement(db, "SELECT Code FROM SPECT WHERE EffectName = ?");
  statement.Bind(1, TFieldValue::Text(name));
  std::vector<std::string> codes;
  while (statement.Step()) codes.push_back(statement.Column(0).Bytes);
  return codes;
}

}  // namespace

TEST_F(MainWindowTest, PreviewAndSaveWriteReferencesAndCopyKeepsTheViewsOwnText) {
  MakeCatalogue();
  TForm1& f = Open();
  f.sfMemo->SetWideText(kWideCode);
  f.sfSkinXFormButton2->Click();
  EXPECT_EQ(ReadFile(Scratch / "example.htm"), kCodeBytes);
  WhenDialogShows([&](TsfOpenDlgForm& d) {
    d.FileList->GoToPath(WideToAnsi(Scratch.wstring()));
    d.FileNameEdit->SetText("笑脸.htm");
    d.AcceptButton->Click();
  });
  f.sfSkinXFormButton4->Click();
  EXPECT_EQ(ReadFile(Scratch / L"笑脸.htm"), kCodeBytes);

  Clipboard().SetAsText("before");
  f.sfSkinXFormButton3->Click();
  EXPECT_EQ(Clipboard().AsWideText(), kWideCode);
  EXPECT_EQ(f.sfMemo->WideText(), kWideCode);  // the view itself is left alone
  EXPECT_EQ(Boxes.Count(), 1);  // the copy's notice
}

TEST_F(MainWindowTest, InsertStoresReferencesAndRefusesANameGbkCannotHold) {
  MakeCatalogue();
  TForm1& f = Open();
  f.sfMemo->SetWideText(kWideCode);
  f.sfCbb->SetItemIndex(4);
  f.sfEdt->SetText("笑脸");
  f.sfFrmBtn->Click();
  ASSERT_EQ(Boxes.Count(), 1);
  EXPECT_EQ(Boxes.Last().Text, "保存成功！");
  EXPECT_EQ(StoredCodes(Catalogue(), "\xE7\xAC\x91\xE8\x84\xB8"),  // 笑脸 in UTF-8
            std::vector<std::string>{"<p>\xE7\xAC\x91&#x1F600; &#x2713;</p>\r\n"});

  // Typed, or pasted by a double click: the field's own characters are checked.
  Clipboard().SetAsText("");
  OpenClipboard(nullptr);
  EmptyClipboard();
  const std::wstring pasted = L"\u7B11\U0001F600";
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
  std::memcpy(GlobalLock(block), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
  f.sfEdtDblClick(f.sfEdt);
  EXPECT_EQ(f.sfEdt->WideText(), pasted);
  f.sfFrmBtn->Click();
  f.sfEdt->SetWideText(L"\uD14C\uC2A4\uD2B8");
  f.sfFrmBtn->Click();
  ASSERT_EQ(Boxes.Count(), 3);
  for (int i : {1, 2}) {
    EXPECT_EQ(Boxes.Calls()[static_cast<size_t>(i)].Text, "网页特效名称中含有无法保存的字符（如表情符号），请修改！");
    EXPECT_EQ(Boxes.Calls()[static_cast<size_t>(i)].Caption, "Warning");
  }
  TDatabase db(Catalogue(), CataloguePassword, TDatabase::omExisting);
  TStatement count(db, "SELECT count(*) FROM SPECT WHERE ParentID = 5");
  ASSERT_TRUE(count.Step());
  EXPECT_EQ(count.Column(0).Integer, 1);
}

TEST_F(MainWindowTest, CatalogueTextGbkCannotHoldShowsAsReferences) {
  MakeCatalogue();
  {
    TDatabase db(Catalogue(), CataloguePassword, TDatabase::omExisting);
    db.Execute("INSERT INTO SPECT (ParentID, EffectName, Code) VALUES "
               "(1, 'smile', '<p>\xE7\xAC\x91\xF0\x9F\x98\x80 \xE2\x9C\x93</p>')");
  }
  TForm1& f = Open();
  ASSERT_EQ(f.sfLB->Items().Count(), 3);
  HWND list = f.sfLB->ListBox().Handle();
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 2 * 20 + 10));
  SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(20, 2 * 20 + 10));
  EXPECT_EQ(f.sfMemo->Text(), "<p>\xD0\xA6&#x1F600; &#x2713;</p>\r\n");
  f.sfSkinXFormButton2->Click();
  EXPECT_EQ(ReadFile(Scratch / "example.htm"), "<p>\xD0\xA6&#x1F600; &#x2713;</p>\r\n");
}
