#include <windows.h>

#include "sfSkinOpenDialog.h"

#include <algorithm>
#include <memory>

#include "sfFileMask.h"
#include "sfOpenDlgForm.h"
#include "sfSkinFileListView.h"
#include "sfSkinFilterComboBox.h"
#include "skin/controls/sfSkinButton.h"
#include "sfSkinShellComboBox.h"
#include "skin/controls/sfSkinEdit.h"
#include "skin/data/sfSkinData.h"
#include "skin/frame/sfSkinForm.h"
#include "ui/Application.h"
#include "ui/CodePage.h"
#include "ui/SysUtils.h"

namespace {

bool DirectoryExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(PathFromAnsi(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Frees the form when Execute leaves, by a return or an error.
struct TFormGuard {
  TsfOpenDlgForm*& Form;
  ~TFormGuard() {
    delete Form;
    Form = nullptr;
  }
};

}  // namespace

TsfSkinOpenDialog::TsfSkinOpenDialog(TComponent* AOwner) : TComponent(AOwner) {
  FDefaultFont.SetName("Arial");
  FDefaultFont.SetHeight(14);
}

TsfSkinOpenDialog::~TsfSkinOpenDialog() {
  SetSkinData(nullptr);
  SetCtrlSkinData(nullptr);
}

void TsfSkinOpenDialog::ReferTo(TsfSkinData*& field, TsfSkinData* value) {
  if (field == value) return;
  TsfSkinData* old = field;
  field = value;
  if (value) value->FreeNotification(this);
  if (old && old != FSkinData && old != FCtrlSkinData) old->RemoveFreeNotification(this);
}

void TsfSkinOpenDialog::SetSkinData(TsfSkinData* value) { ReferTo(FSkinData, value); }
void TsfSkinOpenDialog::SetCtrlSkinData(TsfSkinData* value) { ReferTo(FCtrlSkinData, value); }

void TsfSkinOpenDialog::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FCtrlSkinData) FCtrlSkinData = nullptr;
}

bool TsfSkinOpenDialog::Execute() {
  if (OnShow) OnShow(this);
  FForm = new TsfOpenDlgForm(Application, FSaveMode, FToolButtonsTransparent, FCtrlSkinData);
  TFormGuard guard{FForm};
  TsfOpenDlgForm& form = *FForm;
  form.AfterConstruction();
  form.SetOverwritePromt(FOverwritePromt);
  form.OnFolderChange = OnFolderChange;
  form.SetCheckFileExists(FCheckFileExists);
  form.SetDefaultExt(FDefaultExt);
  form.SetCaption(FTitle);
  PrepareFrame(form);
  PrepareControls(form);
  PrepareSize(form);
  if (form.FileList->Count() > 0) form.FileList->FocusItem(0);
  form.FileNameEdit->SetText(ExtractFileName(FFileName));
  bool accepted = form.ShowModal() == mrOk;
  form.CloseLists();
  TakeResult(form, accepted);
  if (OnClose) OnClose(this);
  return accepted;
}

void TsfSkinOpenDialog::PrepareFrame(TsfOpenDlgForm& form) {
  TsfSkinForm& frame = *form.SkinForm;
  frame.SetBorderIcons({});
  frame.SetSkinData(FSkinData);
  frame.SetMenusSkinData(FCtrlSkinData);
  frame.SetMinWidth(FDialogMinWidth);
  frame.SetMinHeight(FDialogMinHeight);
  frame.SetAlphaBlend(FAlphaBlend);
  frame.SetAlphaBlendAnimation(FAlphaBlendAnimation);
  frame.SetAlphaBlendValue(FAlphaBlendValue);
  frame.SetMenusAlphaBlend(FCtrlAlphaBlend);
  frame.SetMenusAlphaBlendAnimation(FCtrlAlphaBlendAnimation);
  frame.SetMenusAlphaBlendValue(FCtrlAlphaBlendValue);
  for (TsfSkinCustomComboBox* combo :
       std::initializer_list<TsfSkinCustomComboBox*>{form.FolderCombo, form.FileTypeCombo}) {
    combo->SetAlphaBlend(FCtrlAlphaBlend);
    combo->SetAlphaBlendAnimation(FCtrlAlphaBlendAnimation);
    combo->SetAlphaBlendValue(FCtrlAlphaBlendValue);
  }
}

void TsfSkinOpenDialog::PrepareControls(TsfOpenDlgForm& form) {
  form.AcceptButton->SetDefaultFont(FDefaultFont);
  form.CancelButton->SetDefaultFont(FDefaultFont);
  form.FolderCombo->SetDefaultFont(FDefaultFont);
  form.FileList->SetDefaultFont(FDefaultFont);
  form.SetViewStyle(FViewStyle);
  form.FileList->SetHeaderSkinDataName(FLVHeaderSkinDataName);
  form.FileList->SetMultiSelect(FMultiSelection);
  int types = otFolders | otNonFolders | (FShowHiddenFiles ? otHidden : 0);
  form.FileList->SetObjectTypes(types);
  form.FileTypeCombo->SetFilter(FFilter);
  form.FileTypeCombo->SetItemIndex(FFilterIndex - 1);
  form.FileList->SetMask(form.FileTypeCombo->Mask());
  std::string start = sf::StartFolder(FFileName, FInitialDir, PathToAnsi(ExeFolder()), DirectoryExists);
  form.StartIn(start);
  form.SetCtrlSkinData(FCtrlSkinData);
}

void TsfSkinOpenDialog::PrepareSize(TsfOpenDlgForm& form) {
  int width = FDialogWidth > 0 ? FDialogWidth : 450;
  int height = FDialogHeight > 0 ? FDialogHeight : 290;
  form.SetClientWidth(width);
  form.SetClientHeight(height);
  if (FSkinData && !FSkinData->SkinEmpty()) {
    // The skinned frame may need more room than asked for.
    TsfSizeLimits limits = form.SkinForm->SizeLimits();
    int frameX = form.Width() - form.ClientWidth(), frameY = form.Height() - form.ClientHeight();
    form.SetClientWidth(std::max(width, limits.MinWidth - frameX));
    form.SetClientHeight(std::max(height, limits.MinHeight - frameY));
  }
}

void TsfSkinOpenDialog::TakeResult(TsfOpenDlgForm& form, bool accepted) {
  FFilterIndex = form.FileTypeCombo->ItemIndex() + 1;
  FDialogWidth = form.ClientWidth();
  FDialogHeight = form.ClientHeight();
  FViewStyle = form.ViewStyle();
  if (!accepted) return;
  FFileName = form.ResultPath();
  std::string maskExt = sf::ExtFromMask(form.FileTypeCombo->Mask());
  if (FSaveMode && !maskExt.empty() && ExtractFileExt(FFileName).empty()) FFileName += maskExt;
  FFiles = form.FileList->SelectedFiles();
  if (FSaveMode && ExtractFileExt(FFileName).empty() && !FDefaultExt.empty())
    FFileName += "." + FDefaultExt;
}
