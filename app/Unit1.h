#pragma once
// The main window: the category bar, the effect list, the code view, the
// actions on the shown effect, the hidden admin row and the link labels.
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Form.h"

class TsfSkinToolBar;
class TsfSkinPanel;
class TsfSkinStatusBar;
class TsfSkinComboBox;
class TsfSkinXFormButton;
class TsfSkinListBox;
class TsfSkinSpeedButton;
class TFxURLLabel;
class TFxLabel;
class TFxEdit;
class TFxMemo;
class TADOQuery;
class TTimer;
class TIniFile;
class TsfSkinData;
class TsfSkinForm;
class TsfCompressedStoredSkin;
class TsfSkinSaveDialog;

class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* AOwner);
  ~TForm1() override;

  // Visual controls, in creation order.
  TsfSkinToolBar* sfTb = nullptr;
  TsfSkinPanel* sfPanel_Bottom = nullptr;
  TFxURLLabel* UrlAds2 = nullptr;
  TFxURLLabel* UrlAds = nullptr;
  TsfSkinComboBox* sfCbb = nullptr;
  TsfSkinXFormButton* sfFrmBtn = nullptr;
  TFxEdit* sfEdt = nullptr;
  TsfSkinXFormButton* sfSkinXFormButton2 = nullptr;
  TsfSkinXFormButton* sfSkinXFormButton3 = nullptr;
  TsfSkinXFormButton* sfSkinXFormButton4 = nullptr;
  TsfSkinPanel* sfSkinPanel3 = nullptr;
  TsfSkinPanel* sfPanel_MidMid = nullptr;
  TFxMemo* sfMemo = nullptr;
  TsfSkinPanel* sfSkinPanel4 = nullptr;
  TsfSkinPanel* sfPanel_MidLeft = nullptr;
  TsfSkinListBox* sfLB = nullptr;
  TsfSkinPanel* sfSkinPanel1 = nullptr;
  TFxLabel* FxLab_Qty = nullptr;
  TsfSkinStatusBar* sfSkinStatusBar1 = nullptr;
  TFxURLLabel* FxURLLabel1 = nullptr;
  TFxURLLabel* FxURLLabel2 = nullptr;
  TFxURLLabel* FxURLLabel3 = nullptr;
  // Non-visual components.
  TADOQuery* Rs = nullptr;
  TsfSkinForm* sfSkinForm1 = nullptr;
  TsfSkinData* sfSkinData1 = nullptr;
  TsfCompressedStoredSkin* sfCompressedStoredSkin1 = nullptr;
  TsfSkinSaveDialog* sfSave = nullptr;
  TTimer* Timer1 = nullptr;

  // Start-up and closing.
  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void LoadWindowSettings();
  std::string ReadFileVersionText();

  // Browsing.
  void LoadCategories();
  void AddCategoryButton(const std::string& caption, int left, int index);
  void CategoryButtonClick(TObject* Sender);
  void sfLBListBoxClick(TObject* Sender);

  // Actions on the shown effect and the admin row.
  void sfSkinXFormButton2Click(TObject* Sender);
  void sfSkinXFormButton3Click(TObject* Sender);
  void sfSkinXFormButton4Click(TObject* Sender);
  void sfPanel_BottomMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                               int Y);
  void sfEdtClick(TObject* Sender);
  void sfEdtDblClick(TObject* Sender);
  void sfFrmBtnClick(TObject* Sender);

  // Links.
  void Timer1Timer(TObject* Sender);
  void FxURLLabel2Click(TObject* Sender);

  // The zlib stream of the stored skin the window loads while it is made: the
  // program's own resource unless set (tests hand in packages of their own).
  static inline std::function<std::vector<std::uint8_t>()> StoredSkinSource;

 private:
  void CreateToolBar();
  void CreateBottomPanel();
  void CreateAdminRow();
  void CreateActionButtons();
  void CreateMiddle();
  void CreateStatusBar();
  void ReadSkinAhead();
  void CreateSkinComponents();
  void CreateSaveDialog();
  TFxURLLabel* CreateLinkLabel(TWinControl* parent, const char* name, const TRect& bounds,
                               const std::string& caption, const std::string& url);
  TsfSkinXFormButton* CreateActionButton(const char* name, int left, const std::string& caption);
  void ShowCategory(int number, const std::string& caption);
  void WriteCodeViewTo(const std::wstring& file);
  // Where to save the shown effect; empty when the user cancels.
  std::wstring RunSaveDialog();

  std::exception_ptr FSkinSourceError;  // getting the stored skin's package failed
  std::unique_ptr<TIniFile> SettingsFile;
  bool SettingsOversized = false;  // the settings file is far too large to be ours
  int AdCounter = 0;
};

extern TForm1* Form1;
