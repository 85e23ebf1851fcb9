#include "app/Unit1.h"

#include <exception>
#include <thread>
#include <utility>

#include "app/CatalogueAccess.h"
#include "app/Promotions.h"
#include "controls/FxEdit.h"
#include "controls/FxLabel.h"
#include "controls/FxMemo.h"
#include "controls/FxURLLabel.h"
#include "db/ADOQuery.h"
#include "skin/controls/sfSkinComboBox.h"
#include "skin/controls/sfSkinListBox.h"
#include "skin/controls/sfSkinPanel.h"
#include "skin/controls/sfSkinStatusBar.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/controls/sfSkinXFormButton.h"
#include "skin/dialogs/sfSkinSaveDialog.h"
#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfEmbeddedSkin.h"
#include "skin/data/sfSkinData.h"
#include "skin/frame/sfSkinForm.h"
#include "ui/Application.h"
#include "ui/IniFile.h"
#include "ui/Timer.h"

TForm1* Form1 = nullptr;

namespace {

const char* const kCategoryCaptions[] = {"菜单导航", "日期时间", "图片背景", "图层样式", "键盘鼠标",
                                         "页面窗口", "表格色彩", "链接文字", "表单按钮", "计数转换",
                                         "游戏测试", "综合实例", "广告代码"};

template <class T>
T* Place(T* control, const char* name, TWinControl* parent, TAlign align, int left, int top,
         int width, int height) {
  control->SetName(name);
  control->SetBounds(left, top, width, height);
  control->SetAlign(align);
  control->SetParent(parent);
  return control;
}

void SetSharedSkinnedSettings(TsfSkinCustomControl* control) {
  control->DefaultFont().SetName("Arial");
  control->DefaultFont().SetHeight(14);
  control->DefaultFont().SetColor(clWindowText);
  control->SetUseSkinFont(true);
}

// With two processors or fewer, the second is kept busy by the window server's and
// the display's share of the start (the wineserver and the X server under Wine):
// there, work moved to a thread of ours came out of the main thread's time, and the
// thread's own making cost more than it saved (measured: the window came up 6 to 9
// ms sooner without it).
bool ProcessorToSpare() { return std::thread::hardware_concurrency() > 2; }

}  // namespace

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner) {
  ReadSkinAhead();
  SetName("Form1");
  SetBounds(215, 100, Width(), Height());
  SetClientWidth(782);
  SetClientHeight(552);
  SetColor(clBtnFace);
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-11);
  Font().SetColor(clWindowText);
  SetCaption("Tavoro网页特效集");
  CreateToolBar();
  CreateBottomPanel();
  CreateMiddle();
  CreateStatusBar();
  Rs = new TADOQuery(this);
  Rs->SetName("Rs");
  CreateSkinComponents();
  CreateSaveDialog();
  Timer1 = new TTimer(this);
  Timer1->SetName("Timer1");
  Timer1->SetOnTimer([this](TObject* s) { Timer1Timer(s); });
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
}

// The owned components go while the window's own members are still there.
TForm1::~TForm1() { BeginDestroy(); }

// The skin's source and data come first. Where a processor is to spare, the package
// is read on it while the window and its controls are made, and the load takes what
// was read; the same thread then derives the catalogue's key (a second thread would
// cost the start more than it saves). Elsewhere the load reads the package and the
// first query derives the key. An error getting the package is kept to be reported
// where the skin is loaded.
void TForm1::ReadSkinAhead() {
  sfSkinData1 = new TsfSkinData(this);
  sfSkinData1->SetName("sfSkinData1");
  sfSkinData1->SetSkinnableForm(true);
  sfSkinData1->SetEnableSkinEffects(true);
  sfSkinData1->SetSkinIndex(0);
  sfCompressedStoredSkin1 = new TsfCompressedStoredSkin(this);
  sfCompressedStoredSkin1->SetName("sfCompressedStoredSkin1");
  sfCompressedStoredSkin1->SetFileName("skin.ini");
  try {
    sfCompressedStoredSkin1->SetCompressedData(StoredSkinSource ? StoredSkinSource()
                                                                : LoadEmbeddedSkinResource(kStoredSkinResource));
    if (!ProcessorToSpare()) return;
    if (sfSkinData1->ReadAhead(*sfCompressedStoredSkin1, [] { DeriveCatalogueKey(); })) return;
  } catch (...) {
    FSkinSourceError = std::current_exception();
  }
  if (ProcessorToSpare()) PrepareCatalogueKey();
}

void TForm1::CreateSkinComponents() {
  sfSkinForm1 = new TsfSkinForm(this);
  sfSkinForm1->SetName("sfSkinForm1");
  sfSkinForm1->SetBorderIcons({biSystemMenu, biMinimize, biMaximize, biRollUp});
  sfSkinForm1->SetShowIcon(false);
  sfSkinForm1->SetUseDefaultSysMenu(true);
  sfSkinForm1->SetDisableSystemMenu(false);
  sfSkinForm1->SetHideCaptionButtons(false);
  sfSkinForm1->SetAlwaysResize(false);
  sfSkinForm1->SetMagnetic(false);
  sfSkinForm1->SetMagneticSize(5);
  sfSkinForm1->SetAlphaBlend(false);
  sfSkinForm1->SetAlphaBlendValue(200);
  sfSkinForm1->SetMenusAlphaBlend(false);
  sfSkinForm1->SetMenusAlphaBlendValue(200);
  sfSkinForm1->SetAlwaysShowInTray(false);
  sfSkinForm1->SetAlwaysMinimizeToTray(false);
  sfSkinForm1->SetMaximizeOnFullScreen(false);
  sfSkinForm1->SetUseSkinFontInMenu(true);
  sfSkinForm1->SetShowObjectHint(false);
  sfSkinForm1->SetUseDefaultObjectHint(true);
  sfSkinForm1->SetPositionInMonitor(sfpDefault);
  sfSkinForm1->SetDefMenuItemHeight(20);
  // The references are resolved before the skin is loaded: the controls take their
  // skin data while it is still empty, and the load's change message then applies it
  // to all of them through the frame.
  sfSkinForm1->SetSkinData(sfSkinData1);
  for (TsfSkinControl* control : std::initializer_list<TsfSkinControl*>{
           sfTb, sfPanel_Bottom, sfCbb, sfPanel_MidMid, sfLB, sfSkinStatusBar1})
    control->SetSkinData(sfSkinData1);
  // The window is still made when its skin cannot be had: the error is reported
  // like any other of its creation, saying what failed, and the controls keep
  // their plain look.
  try {
    if (FSkinSourceError) std::rethrow_exception(std::exchange(FSkinSourceError, nullptr));
    sfSkinData1->SetCompressedStoredSkin(sfCompressedStoredSkin1);
  } catch (const Exception& e) {
    Application->HandleException(Exception("The window's skin could not be loaded: " + e.Message()));
  } catch (...) {
    HandleEventException();
  }
}

void TForm1::CreateSaveDialog() {
  sfSave = new TsfSkinSaveDialog(this);
  sfSave->SetName("sfSave");
  sfSave->SetTitle("Save file");
  sfSave->SetFilter("HTML files|*.htm,*.html");
  sfSave->SetFilterIndex(1);
  sfSave->SetDefaultExt("HTML");
  sfSave->SetOverwritePromt(false);
  sfSave->SetCheckFileExists(true);
  sfSave->SetMultiSelection(false);
  sfSave->SetShowHiddenFiles(false);
  sfSave->SetToolButtonsTransparent(false);
  sfSave->SetLVHeaderSkinDataName("resizebutton");
  sfSave->SetSkinData(sfSkinData1);
  sfSave->SetCtrlSkinData(sfSkinData1);
  sfSave->DefaultFont().SetName("Arial");
  sfSave->DefaultFont().SetHeight(14);
}

void TForm1::CreateToolBar() {
  sfTb = Place(new TsfSkinToolBar(this), "sfTb", this, alTop, 0, 0, 782, 40);
  SetSharedSkinnedSettings(sfTb);
  sfTb->SetSkinDataName("toolpanel");
  sfTb->SetBorderStyle(bvNone);
  sfTb->SetAdjustControls(true);
  sfTb->SetCanScroll(false);
  sfTb->SetShowCaptions(false);
  sfTb->SetFlat(false);
}

void TForm1::CreateBottomPanel() {
  sfPanel_Bottom = Place(new TsfSkinPanel(this), "sfPanel_Bottom", this, alBottom, 0, 488, 782, 43);
  SetSharedSkinnedSettings(sfPanel_Bottom);
  sfPanel_Bottom->SetBorderStyle(bvNone);
  sfPanel_Bottom->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
    sfPanel_BottomMouseDown(s, b, sh, x, y);
  };
  UrlAds2 = CreateLinkLabel(sfPanel_Bottom, "UrlAds2", Bounds(9, 15, 159, 13),
                            "Photoshop基础教程(视频)", kRecruitmentSite);
  UrlAds2->SetAutoSize(false);
  UrlAds = CreateLinkLabel(sfPanel_Bottom, "UrlAds", Bounds(188, 15, 159, 13),
                           "全球五百强纯女性公司招聘", kRecruitmentSite);
  UrlAds->SetAutoSize(false);
  CreateAdminRow();
  CreateActionButtons();
}

void TForm1::CreateAdminRow() {
  sfCbb = Place(new TsfSkinComboBox(this), "sfCbb", sfPanel_Bottom, alNone, 6, 8, 91, 27);
  SetSharedSkinnedSettings(sfCbb);
  sfCbb->SetVisible(false);
  sfCbb->SetStyle(sfcbFixedStyle);
  for (const char* caption : kCategoryCaptions) sfCbb->Items().Add(caption);
  sfCbb->SetItemIndex(0);
  sfCbb->Font().SetName("宋体");
  sfCbb->Font().SetHeight(-16);
  sfCbb->Font().SetCharset(fcAnsiCharset);
  sfCbb->SetDropDownCount(8);
  sfCbb->SetListBoxDefaultItemHeight(20);
  sfCbb->SetAutoComplete(true);
  sfCbb->SetSorted(false);
  sfFrmBtn = CreateActionButton("sfFrmBtn", 280, "插入数据库");
  sfFrmBtn->SetVisible(false);
  sfFrmBtn->OnClick = [this](TObject* s) { sfFrmBtnClick(s); };
  sfEdt = Place(new TFxEdit(this), "sfEdt", sfPanel_Bottom, alNone, 104, 8, 169, 21);
  sfEdt->SetVisible(false);
  sfEdt->SetCtl3D(true);
  sfEdt->OnClick = [this](TObject* s) { sfEdtClick(s); };
  sfEdt->OnDblClick = [this](TObject* s) { sfEdtDblClick(s); };
}

void TForm1::CreateActionButtons() {
  sfSkinXFormButton2 = CreateActionButton("sfSkinXFormButton2", 542, "预览特效");
  sfSkinXFormButton2->OnClick = [this](TObject* s) { sfSkinXFormButton2Click(s); };
  sfSkinXFormButton3 = CreateActionButton("sfSkinXFormButton3", 622, "复制特效");
  sfSkinXFormButton3->OnClick = [this](TObject* s) { sfSkinXFormButton3Click(s); };
  sfSkinXFormButton4 = CreateActionButton("sfSkinXFormButton4", 702, "保存特效");
  sfSkinXFormButton4->OnClick = [this](TObject* s) { sfSkinXFormButton4Click(s); };
}

TsfSkinXFormButton* TForm1::CreateActionButton(const char* name, int left,
                                               const std::string& caption) {
  auto* button = Place(new TsfSkinXFormButton(this), name, sfPanel_Bottom, alNone, left, 8, 75, 27);
  SetSharedSkinnedSettings(button);
  button->SetSkinDataName("button");
  button->SetCaption(caption);
  button->SetCanFocused(false);
  return button;
}

void TForm1::CreateMiddle() {
  sfSkinPanel3 = Place(new TsfSkinPanel(this), "sfSkinPanel3", this, alClient, 0, 40, 782, 448);
  sfSkinPanel3->SetBorderStyle(bvFrame);
  sfPanel_MidMid = Place(new TsfSkinPanel(this), "sfPanel_MidMid", sfSkinPanel3, alClient, 202, 1,
                         579, 446);
  sfPanel_MidMid->SetBorderStyle(bvFrame);
  sfMemo = Place(new TFxMemo(this), "sfMemo", sfPanel_MidMid, alClient, 1, 1, 577, 444);
  sfMemo->SetBorderStyle(bsNone);
  sfMemo->SetScrollBars(ssBoth);
  sfMemo->Font().SetName("MS Sans Serif");
  sfMemo->Font().SetHeight(-11);
  sfMemo->Font().SetColor(clGray);
  sfMemo->SetCtl3D(true);
  sfMemo->SetReadOnly(false);
  sfMemo->SetWordWrap(true);
  sfSkinPanel4 = Place(new TsfSkinPanel(this), "sfSkinPanel4", sfSkinPanel3, alLeft, 193, 1, 9, 446);
  sfSkinPanel4->SetBorderStyle(bvNone);
  sfPanel_MidLeft = Place(new TsfSkinPanel(this), "sfPanel_MidLeft", sfSkinPanel3, alLeft, 1, 1,
                          192, 446);
  sfPanel_MidLeft->SetBorderStyle(bvFrame);
  sfLB = Place(new TsfSkinListBox(this), "sfLB", sfPanel_MidLeft, alClient, 1, 33, 190, 412);
  SetSharedSkinnedSettings(sfLB);
  sfLB->SetDefaultItemHeight(20);
  sfLB->SetUseSkinItemHeight(true);
  sfLB->OnListBoxClick = [this](TObject* s) { sfLBListBoxClick(s); };
  sfSkinPanel1 = Place(new TsfSkinPanel(this), "sfSkinPanel1", sfPanel_MidLeft, alTop, 1, 1, 190, 32);
  sfSkinPanel1->SetBorderStyle(bvNone);
  FxLab_Qty = Place(new TFxLabel(this), "FxLab_Qty", sfSkinPanel1, alNone, 4, 9, 78, 13);
  FxLab_Qty->Font().SetName("宋体");
  FxLab_Qty->Font().SetHeight(-13);
  FxLab_Qty->Font().SetColor(clMaroon);
  FxLab_Qty->Font().SetCharset(fcAnsiCharset);
  FxLab_Qty->SetCaption("菜单导航特效");
  FxLab_Qty->SetAutoSize(true);
}

void TForm1::CreateStatusBar() {
  sfSkinStatusBar1 = Place(new TsfSkinStatusBar(this), "sfSkinStatusBar1", this, alBottom, 0, 531,
                           782, 21);
  SetSharedSkinnedSettings(sfSkinStatusBar1);
  sfSkinStatusBar1->SetSizeGrip(false);
  sfSkinStatusBar1->SetBorderStyle(bvNone);
  const std::string site = kSiteBase;
  FxURLLabel1 = CreateLinkLabel(sfSkinStatusBar1, "FxURLLabel1", Bounds(725, 5, 48, 13), "使用帮助",
                                site + "/list.asp?id=103");
  FxURLLabel2 = CreateLinkLabel(sfSkinStatusBar1, "FxURLLabel2", Bounds(667, 5, 48, 13), "意见反馈", "");
  FxURLLabel2->OnClick = [this](TObject* s) { FxURLLabel2Click(s); };
  FxURLLabel3 = CreateLinkLabel(sfSkinStatusBar1, "FxURLLabel3", Bounds(9, 4, 196, 13),
                                "版权所有(C)2008 Tavoro工作室 www.tavoro.example", site + "/");
}

TFxURLLabel* TForm1::CreateLinkLabel(TWinControl* parent, const char* name, const TRect& r,
                                     const std::string& caption, const std::string& url) {
  auto* label = Place(new TFxURLLabel(this), name, parent, alNone, r.Left, r.Top, r.Width(),
                      r.Height());
  label->Font().SetName("Verdana");
  label->Font().SetHeight(-11);
  label->Font().SetColor(clBlue);
  label->Font().SetStyle({fsUnderline});
  label->Font().SetCharset(fcDefaultCharset);
  label->SetTransparent(true);
  label->SetLayout(tlCenter);
  label->SetLightTextStyle(true);
  label->SetRotation(roFlat);
  label->SetBlinkColor(clBlue);
  label->SetUnvisitedColor(clBlue);
  label->SetVisitedColor(clBlue);
  label->SetCaption(caption);
  label->SetURL(url);
  return label;
}
