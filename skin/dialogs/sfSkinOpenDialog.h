#pragma once
// TsfSkinOpenDialog: runs the skinned file dialog modally and keeps what the user
// chose (the file name, the file type, the dialog's size and view) for the next run.
#include <string>
#include <vector>

#include "skin/controls/sfSkinCustomListView.h"  // TViewStyle
#include "ui/Component.h"
#include "ui/Font.h"

class TsfSkinData;
class TsfOpenDlgForm;

class TsfSkinOpenDialog : public TComponent {
 public:
  explicit TsfSkinOpenDialog(TComponent* AOwner);
  ~TsfSkinOpenDialog() override;

  // True when a file was accepted; FileName and Files then hold it.
  bool Execute();

  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& value) { FTitle = value; }
  // "description|mask|description|mask...".
  const std::string& Filter() const { return FFilter; }
  void SetFilter(const std::string& value) { FFilter = value; }
  // 1-based.
  int FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int value) { FFilterIndex = value; }
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& value) { FFileName = value; }
  const std::string& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::string& value) { FInitialDir = value; }
  // Without the dot.
  const std::string& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::string& value) { FDefaultExt = value; }
  bool OverwritePromt() const { return FOverwritePromt; }
  void SetOverwritePromt(bool value) { FOverwritePromt = value; }
  bool CheckFileExists() const { return FCheckFileExists; }
  void SetCheckFileExists(bool value) { FCheckFileExists = value; }
  bool MultiSelection() const { return FMultiSelection; }
  void SetMultiSelection(bool value) { FMultiSelection = value; }
  bool ShowHiddenFiles() const { return FShowHiddenFiles; }
  void SetShowHiddenFiles(bool value) { FShowHiddenFiles = value; }
  bool ToolButtonsTransparent() const { return FToolButtonsTransparent; }
  void SetToolButtonsTransparent(bool value) { FToolButtonsTransparent = value; }
  // Client size; 0 for the default.
  int DialogWidth() const { return FDialogWidth; }
  void SetDialogWidth(int value) { FDialogWidth = value; }
  int DialogHeight() const { return FDialogHeight; }
  void SetDialogHeight(int value) { FDialogHeight = value; }
  int DialogMinWidth() const { return FDialogMinWidth; }
  void SetDialogMinWidth(int value) { FDialogMinWidth = value; }
  int DialogMinHeight() const { return FDialogMinHeight; }
  void SetDialogMinHeight(int value) { FDialogMinHeight = value; }
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool value) { FAlphaBlend = value; }
  int AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(int value) { FAlphaBlendValue = value; }
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool value) { FAlphaBlendAnimation = value; }
  // For the drop-down lists and menus.
  bool CtrlAlphaBlend() const { return FCtrlAlphaBlend; }
  void SetCtrlAlphaBlend(bool value) { FCtrlAlphaBlend = value; }
  int CtrlAlphaBlendValue() const { return FCtrlAlphaBlendValue; }
  void SetCtrlAlphaBlendValue(int value) { FCtrlAlphaBlendValue = value; }
  bool CtrlAlphaBlendAnimation() const { return FCtrlAlphaBlendAnimation; }
  void SetCtrlAlphaBlendAnimation(bool value) { FCtrlAlphaBlendAnimation = value; }
  const std::string& LVHeaderSkinDataName() const { return FLVHeaderSkinDataName; }
  void SetLVHeaderSkinDataName(const std::string& value) { FLVHeaderSkinDataName = value; }
  // The frame's skin and the controls' skin.
  TsfSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TsfSkinData* value);
  TsfSkinData* CtrlSkinData() const { return FCtrlSkinData; }
  void SetCtrlSkinData(TsfSkinData* value);
  TFont& DefaultFont() { return FDefaultFont; }
  void SetDefaultFont(const TFont& value) { FDefaultFont.Assign(value); }

  TNotifyEvent OnShow;
  TNotifyEvent OnClose;
  TNotifyEvent OnFolderChange;

  // Kept between runs: the list's view and the selected files of the last accepted run.
  TViewStyle ViewStyle() const { return FViewStyle; }
  void SetViewStyle(TViewStyle value) { FViewStyle = value; }
  const std::vector<std::string>& Files() const { return FFiles; }
  bool SaveMode() const { return FSaveMode; }
  // The form while Execute runs, else nullptr.
  TsfOpenDlgForm* Form() const { return FForm; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  bool FSaveMode = false;

 private:
  void PrepareFrame(TsfOpenDlgForm& form);
  void PrepareControls(TsfOpenDlgForm& form);
  void PrepareSize(TsfOpenDlgForm& form);
  void TakeResult(TsfOpenDlgForm& form, bool accepted);
  void ReferTo(TsfSkinData*& field, TsfSkinData* value);

  std::string FTitle = "Open file";
  std::string FFilter = "All files|*.*";
  int FFilterIndex = 1;
  std::string FFileName, FInitialDir, FDefaultExt;
  bool FOverwritePromt = false;
  bool FCheckFileExists = true;
  bool FMultiSelection = false;
  bool FShowHiddenFiles = false;
  bool FToolButtonsTransparent = false;
  int FDialogWidth = 0, FDialogHeight = 0, FDialogMinWidth = 0, FDialogMinHeight = 0;
  bool FAlphaBlend = false;
  int FAlphaBlendValue = 225;
  bool FAlphaBlendAnimation = false;
  bool FCtrlAlphaBlend = false;
  int FCtrlAlphaBlendValue = 225;
  bool FCtrlAlphaBlendAnimation = false;
  std::string FLVHeaderSkinDataName = "resizebutton";
  TsfSkinData* FSkinData = nullptr;
  TsfSkinData* FCtrlSkinData = nullptr;
  TFont FDefaultFont;
  TViewStyle FViewStyle = vsList;
  std::vector<std::string> FFiles;
  TsfOpenDlgForm* FForm = nullptr;
};
