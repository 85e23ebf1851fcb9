// What the user does with the shown effect, the admin row and the links.
#include <windows.h>

#include "app/Unit1.h"

#include "app/CatalogueAccess.h"
#include "app/Promotions.h"
#include "app/WholeFileWrite.h"
#include "controls/FxEdit.h"
#include "controls/FxMemo.h"
#include "controls/FxURLLabel.h"
#include "db/ADOQuery.h"
#include "skin/controls/sfSkinComboBox.h"
#include "skin/controls/sfSkinXFormButton.h"
#include "skin/dialogs/sfSkinSaveDialog.h"
#include "ui/Clipboard.h"
#include "ui/CodePage.h"
#include "ui/Dialogs.h"
#include "ui/Shell.h"
#include "ui/SysUtils.h"

// The code view's 936 text, where a character GBK lacks is its reference.
void TForm1::WriteCodeViewTo(const std::wstring& file) { WriteWholeFile(file, sfMemo->Text()); }

void TForm1::sfSkinXFormButton2Click(TObject*) {
  if (sfMemo->Text().empty()) return;
  WriteCodeViewTo(L"example.htm");
  TShellRequest request;
  request.Verb = "open";
  request.File = "example.htm";
  request.Show = SW_SHOWNORMAL;
  request.Owner = Handle();
  ShellOpen(request);
}

void TForm1::sfSkinXFormButton3Click(TObject*) {
  if (sfMemo->Text().empty()) return;
  sfMemo->SelectAll();
  sfMemo->CopyToClipboard();
  MessageDlg("成功将“特效代码”复制到剪贴板！", mtInformation);
}

// The dialog keeps its file name as a path's 936 text, which gives back any path.
std::wstring TForm1::RunSaveDialog() {
  return sfSave->Execute() ? PathFromAnsi(sfSave->FileName()) : std::wstring();
}

void TForm1::sfSkinXFormButton4Click(TObject*) {
  std::wstring file = RunSaveDialog();
  if (file.empty()) return;
  WriteCodeViewTo(file);
}

void TForm1::sfPanel_BottomMouseDown(TObject*, TMouseButton, TShiftState Shift, int, int) {
  if (Shift.Bits() != 22) return;  // exactly Alt, Ctrl and the right button
  sfCbb->SetVisible(true);
  sfEdt->SetVisible(true);
  sfFrmBtn->SetVisible(true);
}

void TForm1::sfEdtClick(TObject*) { sfEdt->Clear(); }

// The clipboard's own characters, so that a name GBK cannot hold is seen as such.
void TForm1::sfEdtDblClick(TObject*) { sfEdt->SetWideText(Clipboard().AsWideText()); }

void TForm1::sfFrmBtnClick(TObject*) {
  if (sfEdt->Text().empty()) {
    MessageDlg("请填写网页特效名称！", mtWarning);
    return;
  }
  // A character GBK lacks could only be stored as its reference, which the list
  // would then show in place of the name as typed: nothing is written.
  if (!IsAnsiText(sfEdt->WideText())) {
    MessageDlg("网页特效名称中含有无法保存的字符（如表情符号），请修改！", mtWarning);
    return;
  }
  // With no category chosen in the combo the row would land in category 0 and
  // turn into a new category; nothing is written then.
  if (sfCbb->ItemIndex() < 0) {
    ShowMessageBox(Handle(), "保存失败！", "系统提示", MB_OK | MB_ICONSTOP);
    return;
  }
  Rs->SetConnectionString(BuildConnectionString());
  Rs->Close();
  Rs->SQL().Clear();
  Rs->SQL().Add(kInsertStatement);
  Rs->Open();
  Rs->Insert();
  Rs->FieldByName("parentid").SetAsInteger(sfCbb->ItemIndex() + 1);
  Rs->FieldByName("effectname").SetAsString(Trim(sfEdt->Text()));
  Rs->FieldByName("code").SetAsString(sfMemo->Text());
  try {
    Rs->Post();
  } catch (...) {
    ShowMessageBox(Handle(), "保存失败！", "系统提示", MB_OK | MB_ICONSTOP);
    return;
  }
  ShowMessageBox(Handle(), "保存成功！", "系统提示", MB_OK | MB_ICONQUESTION);
}

void TForm1::Timer1Timer(TObject*) {
  AdCounter = NextAdCounter(AdCounter);
  TPromotionPhase phase = PromotionPhase(AdCounter);
  UrlAds->SetCaption(phase.AdsCaption);
  UrlAds->SetURL(phase.AdsUrl);
  UrlAds2->SetCaption(phase.Ads2Caption);
  UrlAds2->SetURL(phase.Ads2Url);
}

void TForm1::FxURLLabel2Click(TObject*) {
  TShellRequest request;
  request.File = kFeedbackMailLink;
  request.Show = SW_SHOWNORMAL;
  request.Owner = Handle();
  ShellOpen(request);
}
