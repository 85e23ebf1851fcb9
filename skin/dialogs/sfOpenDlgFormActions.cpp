// What the dialog form does with the user's actions.
#include <windows.h>

#include "sfOpenDlgForm.h"

#include "sfFileMask.h"
#include "sfSkinFileListView.h"
#include "sfSkinFilterComboBox.h"
#include "sfSkinShellComboBox.h"
#include "sfSkinQuestion.h"
#include "skin/controls/sfSkinButton.h"
#include "skin/controls/sfSkinEdit.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/frame/sfSkinForm.h"
#include "ui/CodePage.h"
#include "ui/Exception.h"
#include "ui/Messages.h"
#include "ui/SysUtils.h"
#include "ui/ScopeGuard.h"

namespace {

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(PathFromAnsi(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(PathFromAnsi(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsAbsolutePath(const std::string& path) {
  return (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.rfind("\\\\", 0) == 0;
}

}  // namespace

void TsfOpenDlgForm::ConnectHandlers() {
  AcceptButton->OnClick = [this](TObject*) { Accept(); };
  BackButton->OnClick = [this](TObject*) { Back(); };
  UpButton->OnClick = [this](TObject*) { Up(); };
  NewFolderButton->OnClick = [this](TObject*) { NewFolder(); };
  FileNameEdit->OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState) {
    if (key != VK_RETURN) return;
    key = 0;
    EditEnter();
  };
  FileList->OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState) {
    if (key != VK_RETURN || FileList->SelectedPath().empty()) return;
    key = 0;
    Accept();
  };
  FileList->OnSelectionChange = [this](TObject*) { ListSelectionChange(); };
  FileList->OnDblClick = [this](TObject*) { ListDblClick(); };
  FileList->OnFolderChange = [this](TObject*) { FolderEntered(); };
  FileTypeCombo->OnChange = [this](TObject*) { FileTypeChange(); };
}

void TsfOpenDlgForm::WndProc(TMessage& m) {
  if (m.Msg == CM_DIALOGKEY && (m.WParam == VK_ESCAPE || m.WParam == VK_RETURN)) {
    // The focus may stay in the edit while a combo's list is open under the mouse.
    for (TsfSkinCustomComboBox* combo :
         std::initializer_list<TsfSkinCustomComboBox*>{FolderCombo, FileTypeCombo})
      if (combo->DroppedDown()) {
        combo->CloseUp(m.WParam == VK_RETURN);
        m.Result = 1;
        return;
      }
  }
  TForm::WndProc(m);
}

void TsfOpenDlgForm::CloseLists() {
  FolderCombo->CloseUp(false);
  FileTypeCombo->CloseUp(false);
}

void TsfOpenDlgForm::StartIn(const std::string& folder) {
  FileList->GoToPath(folder);
  if (FileList->CurrentFolder()) FHistory.Record(FileList->CurrentFolder()->AbsoluteID());
}

// Only a folder on disk takes a file: its path is not empty and holds a '\'.
bool TsfOpenDlgForm::FileSystemFolder() const {
  return FileList->CurrentPath().find('\\') != std::string::npos;
}

std::string TsfOpenDlgForm::CurrentMaskExt() { return sf::ExtFromMask(FileTypeCombo->Mask()); }

bool TsfOpenDlgForm::AskOverwrite(const std::string& path) {
  (void)path;
  return SkinQuestion(Handle(), "Do you want to overwrite old file?", Caption(),
                      SkinForm->SkinData(), FileList->SkinData());
}

void TsfOpenDlgForm::AcceptPath(const std::string& path) {
  FResultPath = path;
  SetModalResult(mrOk);
}

void TsfOpenDlgForm::Accept() {
  sf::TsfAcceptInput in;
  in.saveMode = FSaveMode;
  in.checkFileExists = FCheckFileExists;
  in.overwritePrompt = FOverwritePromt;
  in.fileSystemFolder = FileSystemFolder();
  in.selected = FileList->SelectedPath();
  in.name = FileNameEdit->Text();
  in.dir = FileList->CurrentPath();
  in.maskExt = CurrentMaskExt();
  in.defaultExt = FDefaultExt;
  sf::TsfAcceptHooks hooks;
  hooks.fileExists = FileExists;
  hooks.askOverwrite = [this](const std::string& path) { return AskOverwrite(path); };
  std::string path = sf::DecideAccept(in, hooks);
  if (!path.empty()) AcceptPath(path);
}

void TsfOpenDlgForm::EditEnter() {
  std::string text = FileNameEdit->Text();
  switch (sf::EditEnterAction(text)) {
    case sf::sfeeMask:
      FileList->SetMask(text);
      break;
    case sf::sfeeFolder: {
      std::string folder = IsAbsolutePath(text)
                               ? text
                               : sf::IncludeTrailingBackslash(FileList->CurrentPath()) + text;
      if (!DirectoryExists(folder)) break;
      FileList->GoToPath(folder);
      // The path is done with: the name typed next must not be appended to it.
      FileNameEdit->SetText("");
      break;
    }
    case sf::sfeeAccept:
      Accept();
      break;
  }
}

void TsfOpenDlgForm::ListSelectionChange() {
  std::string selected = FileList->SelectedPath();
  if (!selected.empty()) FileNameEdit->SetText(ExtractFileName(selected));
  if (OnFolderChange) OnFolderChange(this);
}

void TsfOpenDlgForm::ListDblClick() {
  std::string selected = FileList->SelectedPath();
  if (selected.empty()) return;
  if (FSaveMode && FOverwritePromt && FileExists(selected) && !AskOverwrite(selected)) return;
  AcceptPath(selected);
}

void TsfOpenDlgForm::FileTypeChange() {
  std::string mask = FileTypeCombo->Mask();
  FileList->SetMask(mask);
  if (FSaveMode) FileNameEdit->SetText(sf::NameForFileType(FileNameEdit->Text(), mask));
}

void TsfOpenDlgForm::FolderEntered() {
  if (!FGoingBack && FileList->CurrentFolder())
    FHistory.Record(FileList->CurrentFolder()->AbsoluteID());
  if (OnFolderChange) OnFolderChange(this);
}

void TsfOpenDlgForm::Back() {
  TsfItemIDList target;
  if (!FHistory.Back(target)) return;
  FGoingBack = true;
  TScopeExit wentBack([this] { FGoingBack = false; });
  FileList->GoToFolder(target);
}

void TsfOpenDlgForm::Up() { FileList->Up(); }

void TsfOpenDlgForm::NewFolder() {
  if (!FileSystemFolder()) return;
  ++FCreatedFolders;
  std::string name = sf::NewFolderName(FCreatedFolders);
  std::string path = sf::IncludeTrailingBackslash(FileList->CurrentPath()) + name;
  if (DirectoryExists(path) || FileExists(path)) return;
  if (!CreateDirectoryW(PathFromAnsi(path).c_str(), nullptr))
    throw EInOutError("Unable to create directory \"" + path + "\"");
  FileList->Refresh();
  int index = FileList->IndexOfName(name);
  if (index < 0) return;
  FileList->SetSelected(index);
  FileList->StartRename();
}
