#pragma once
// TsfOpenDlgForm: the form of the skinned file dialog, built in code: a tool bar
// (folder combo, Back, Up, New folder, view menu), the file list with its two
// scroll bars, and a bottom panel with the file name, the file type and the
// accept and Cancel buttons. It lives only while the dialog runs.
#include <string>

#include "sfFolderHistory.h"
#include "sfItemIDList.h"
#include "skin/controls/sfSkinCustomListView.h"  // TViewStyle
#include "ui/Form.h"

class TMenuItem;
class TsfSkinBevel;
class TsfSkinButton;
class TsfSkinData;
class TsfSkinEdit;
class TsfSkinFileListView;
class TsfSkinFilterComboBox;
class TsfSkinForm;
class TsfSkinPanel;
class TsfSkinPopupMenu;
class TsfSkinScrollBar;
class TsfSkinMenuSpeedButton;
class TsfSkinShellComboBox;
class TsfSkinSpeedButton;
class TsfSkinStdLabel;
class TsfSkinToolBar;

class TsfOpenDlgForm : public TForm {
 public:
  TsfOpenDlgForm(TComponent* AOwner, bool saveMode, bool toolButtonsTransparent,
                 TsfSkinData* ctrlSkinData);
  ~TsfOpenDlgForm() override;

  bool SaveMode() const { return FSaveMode; }
  bool OverwritePromt() const { return FOverwritePromt; }
  void SetOverwritePromt(bool value) { FOverwritePromt = value; }
  bool CheckFileExists() const { return FCheckFileExists; }
  void SetCheckFileExists(bool value) { FCheckFileExists = value; }
  const std::string& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::string& value) { FDefaultExt = value; }
  TNotifyEvent OnFolderChange;

  // The accepted path, empty until a file is accepted.
  const std::string& ResultPath() const { return FResultPath; }
  // Folders made by New folder in this run.
  int CreatedFolders() const { return FCreatedFolders; }
  const TsfFolderHistory<TsfItemIDList>& History() const { return FHistory; }
  // The file list's view style, with the view menu's check mark on its item.
  TViewStyle ViewStyle() const;
  void SetViewStyle(TViewStyle value);
  // Gives every control the control skin data.
  void SetCtrlSkinData(TsfSkinData* value);
  // Goes to the start folder and records it as the first entry of the history.
  void StartIn(const std::string& folder);

  // Enter and Escape close an open combo list before they reach the buttons.
  void WndProc(TMessage& message) override;
  // Closes the combos' lists without taking what they show.
  void CloseLists();

  // What the user's actions run.
  void Accept();
  void EditEnter();
  void ListSelectionChange();
  void ListDblClick();
  void FileTypeChange();
  void FolderEntered();
  void Back();
  void Up();
  void NewFolder();

  TsfSkinForm* SkinForm = nullptr;
  TsfSkinToolBar* ToolBar = nullptr;
  TsfSkinBevel* LeftSpacer = nullptr;
  TsfSkinStdLabel* LookInLabel = nullptr;
  TsfSkinSpeedButton* BackButton = nullptr;
  TsfSkinSpeedButton* UpButton = nullptr;
  TsfSkinSpeedButton* NewFolderButton = nullptr;
  TsfSkinBevel* RightSpacer = nullptr;
  TsfSkinMenuSpeedButton* ViewButton = nullptr;
  TsfSkinPopupMenu* ViewMenu = nullptr;
  TMenuItem* ViewItems[4] = {};
  TsfSkinShellComboBox* FolderCombo = nullptr;
  TsfSkinPanel* BottomPanel = nullptr;
  TsfSkinStdLabel* FileNameLabel = nullptr;
  TsfSkinEdit* FileNameEdit = nullptr;
  TsfSkinStdLabel* FileTypeLabel = nullptr;
  TsfSkinFilterComboBox* FileTypeCombo = nullptr;
  TsfSkinButton* AcceptButton = nullptr;
  TsfSkinButton* CancelButton = nullptr;
  TsfSkinPanel* ClientPanel = nullptr;
  TsfSkinScrollBar* HScrollBar = nullptr;
  TsfSkinScrollBar* VScrollBar = nullptr;
  TsfSkinFileListView* FileList = nullptr;

 private:
  void CreateToolBar(bool flat);
  TsfSkinSpeedButton* CreateToolButton(const wchar_t* glyph, const std::string& hint, bool flat);
  void CreateViewMenu();
  void CreateViewMenuButton(bool flat);
  void CreateFolderCombo();
  void CreateBottomPanel();
  void CreateClientPanel();
  void ConnectHandlers();

  bool FileSystemFolder() const;
  std::string CurrentMaskExt();
  bool AskOverwrite(const std::string& path);
  void AcceptPath(const std::string& path);

  bool FSaveMode;
  bool FOverwritePromt = false;
  bool FCheckFileExists = true;
  std::string FDefaultExt;
  std::string FResultPath;
  TsfFolderHistory<TsfItemIDList> FHistory;
  int FCreatedFolders = 0;
  bool FGoingBack = false;
};
