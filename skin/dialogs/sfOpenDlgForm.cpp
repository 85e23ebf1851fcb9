// The dialog form's controls, laid out as the dialog is built.
#include <windows.h>

#include "sfOpenDlgForm.h"

#include <cstring>
#include <vector>

#include "sfSkinFileListView.h"
#include "sfSkinFilterComboBox.h"
#include "sfSkinShellComboBox.h"
#include "skin/controls/sfSkinBevel.h"
#include "skin/controls/sfSkinButton.h"
#include "skin/controls/sfSkinEdit.h"
#include "skin/controls/sfSkinMenuSpeedButton.h"
#include "skin/controls/sfSkinPanel.h"
#include "skin/controls/sfSkinScrollBar.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinStdLabel.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/frame/sfSkinForm.h"
#include "skin/frame/sfSkinPopupMenu.h"
#include "ui/Bitmap.h"
#include "ui/Menus.h"

namespace {

template <class T>
T* Place(T* control, TWinControl* parent, TAlign align, int left, int top, int width, int height) {
  control->SetBounds(left, top, width, height);
  control->SetAlign(align);
  control->SetParent(parent);
  return control;
}

// A BITMAP resource of the program as a bitmap (empty when it is missing).
void LoadGlyph(TBitmap& glyph, const wchar_t* name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(2));  // RT_BITMAP
  if (!found) return;
  DWORD size = SizeofResource(module, found);
  const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
  if (!data || size < sizeof(BITMAPINFOHEADER)) return;
  // The resource is the file without its file header.
  const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(data);
  DWORD colors = info->biClrUsed ? info->biClrUsed : info->biBitCount <= 8 ? 1u << info->biBitCount : 0;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfSize = static_cast<DWORD>(sizeof(file) + size);
  file.bfOffBits = static_cast<DWORD>(sizeof(file) + info->biSize + colors * sizeof(RGBQUAD));
  std::vector<std::uint8_t> bytes(sizeof(file) + size);
  std::memcpy(bytes.data(), &file, sizeof(file));
  std::memcpy(bytes.data() + sizeof(file), data, size);
  glyph.LoadFromBytes(bytes);
}

}  // namespace

TsfOpenDlgForm::TsfOpenDlgForm(TComponent* AOwner, bool saveMode, bool toolButtonsTransparent,
                               TsfSkinData* ctrlSkinData)
    : TForm(AOwner), FSaveMode(saveMode), FHistory(&TsfShellFolder::SameItem) {
  SetBorderStyle(bsSizeable);
  SetBorderIcons({});
  SetClientWidth(450);
  SetClientHeight(290);
  SkinForm = new TsfSkinForm(this);
  SkinForm->SetBorderIcons({});
  CreateToolBar(toolButtonsTransparent);
  CreateBottomPanel();
  CreateClientPanel();
  ConnectHandlers();
  SetCtrlSkinData(ctrlSkinData);
  SetLeft((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2);
  SetTop((GetSystemMetrics(SM_CYSCREEN) - Height()) / 2);
  OnShow = [this](TObject*) {
    SetLeft((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2);
    SetTop((GetSystemMetrics(SM_CYSCREEN) - Height()) / 2);
    FileNameEdit->SetFocus();
  };
}

TsfOpenDlgForm::~TsfOpenDlgForm() { BeginDestroy(); }

void TsfOpenDlgForm::CreateToolBar(bool flat) {
  ToolBar = Place(new TsfSkinToolBar(this), this, alTop, 0, 0, 450, 25);
  ToolBar->SetBorderStyle(bvNone);
  ToolBar->SetSkinDataName("toolpanel");
  LeftSpacer = Place(new TsfSkinBevel(this), ToolBar, alLeft, 0, 0, 10, 25);
  LeftSpacer->SetShape(bsSpacer);
  LookInLabel = Place(new TsfSkinStdLabel(this), ToolBar, alLeft, 10, 6, 50, 13);
  LookInLabel->SetCaption("Look in: ");
  LookInLabel->SetAutoSize(true);
  LookInLabel->SetLayout(tlCenter);
  BackButton = CreateToolButton(L"SF_BACK", "Go To Last Folder Visited", flat);
  UpButton = CreateToolButton(L"SF_UP", "Up One Level", flat);
  NewFolderButton = CreateToolButton(L"SF_NEWFOLDER", "Create New Folder", flat);
  RightSpacer = Place(new TsfSkinBevel(this), ToolBar, alRight, 400, 0, 10, 25);
  RightSpacer->SetShape(bsSpacer);
  CreateViewMenu();
  CreateViewMenuButton(flat);
  CreateFolderCombo();
}

TsfSkinSpeedButton* TsfOpenDlgForm::CreateToolButton(const wchar_t* glyph, const std::string& hint,
                                                     bool flat) {
  // Each one right of the last, so the right-aligned group keeps this order.
  int left = 300 + 27 * (BackButton ? (UpButton ? 2 : 1) : 0);
  auto* button = Place(new TsfSkinSpeedButton(this), ToolBar, alRight, left, 0, 27, 25);
  button->SetSkinDataName("toolbutton");
  button->SetFlat(flat);
  button->SetHint(hint);
  button->SetShowHint(true);
  TBitmap image;
  LoadGlyph(image, glyph);
  button->SetGlyph(image);
  return button;
}

void TsfOpenDlgForm::CreateViewMenu() {
  ViewMenu = new TsfSkinPopupMenu(this);
  static const char* const kCaptions[4] = {"Large icons", "Small icons", "List", "Details"};
  for (int i = 0; i < 4; ++i) {
    auto* item = new TMenuItem(ViewMenu);
    item->SetCaption(kCaptions[i]);
    item->SetRadioItem(true);
    item->SetGroupIndex(1);
    item->OnClick = [this, i](TObject*) { SetViewStyle(static_cast<TViewStyle>(i)); };
    ViewMenu->Items().Add(item);
    ViewItems[i] = item;
  }
}

void TsfOpenDlgForm::CreateBottomPanel() {
  const int w = ClientWidth();
  BottomPanel = Place(new TsfSkinPanel(this), this, alBottom, 0, 210, w, 80);
  BottomPanel->SetBorderStyle(bvNone);
  FileNameLabel = Place(new TsfSkinStdLabel(this), BottomPanel, alNone, 10, 10, 50, 13);
  FileNameLabel->SetCaption("File name:");
  FileNameEdit = Place(new TsfSkinEdit(this), BottomPanel, alNone, 70, 10, w - 160, 21);
  FileNameEdit->SetAnchors({akLeft, akTop, akRight});
  FileTypeLabel = Place(new TsfSkinStdLabel(this), BottomPanel, alNone, 10, 45, 50, 13);
  FileTypeLabel->SetCaption("File type:");
  FileTypeCombo = Place(new TsfSkinFilterComboBox(this), BottomPanel, alNone, 70, 45, w - 160, 21);
  FileTypeCombo->SetAnchors({akLeft, akTop, akRight});
  AcceptButton = Place(new TsfSkinButton(this), BottomPanel, alNone, w - 80, 10, 70, 25);
  AcceptButton->SetCanFocused(true);
  AcceptButton->SetAnchors({akTop, akRight});
  AcceptButton->SetCaption(FSaveMode ? "&Save" : "&Open");
  CancelButton = Place(new TsfSkinButton(this), BottomPanel, alNone, w - 80, 45, 70, 25);
  CancelButton->SetAnchors({akTop, akRight});
  CancelButton->SetCaption("Cancel");
  CancelButton->SetModalResult(mrCancel);
  CancelButton->SetCancel(true);
}

void TsfOpenDlgForm::CreateClientPanel() {
  ClientPanel = Place(new TsfSkinPanel(this), this, alClient, 0, 25, 450, 185);
  ClientPanel->SetBorderStyle(bvFrame);
  HScrollBar = Place(new TsfSkinScrollBar(this), ClientPanel, alBottom, 1, 165, 448, 19);
  HScrollBar->SetKind(sbHorizontal);
  HScrollBar->SetBoth(true);
  HScrollBar->SetBothMarkerWidth(19);
  HScrollBar->SetEnabled(false);
  HScrollBar->SetSkinDataName("hscrollbar");
  VScrollBar = Place(new TsfSkinScrollBar(this), ClientPanel, alRight, 429, 1, 19, 164);
  VScrollBar->SetKind(sbVertical);
  VScrollBar->SetEnabled(false);
  VScrollBar->SetSkinDataName("vscrollbar");
  FileList = Place(new TsfSkinFileListView(this), ClientPanel, alClient, 1, 1, 428, 164);
  FileList->SetViewStyle(vsList);
  FileList->SetShowColumnHeaders(true);
  FileList->SetHScrollBar(HScrollBar);
  FileList->SetVScrollBar(VScrollBar);
  FileList->SetShellComboBox(FolderCombo);
}

void TsfOpenDlgForm::SetCtrlSkinData(TsfSkinData* value) {
  for (TsfSkinControl* control : std::initializer_list<TsfSkinControl*>{
           ToolBar, BottomPanel, ClientPanel, HScrollBar, VScrollBar, FolderCombo, FileTypeCombo,
           AcceptButton, CancelButton})
    control->SetSkinData(value);
  for (TsfSkinSpeedButton* button : std::initializer_list<TsfSkinSpeedButton*>{
           BackButton, UpButton, NewFolderButton, ViewButton})
    button->SetSkinData(value);
  LookInLabel->SetSkinData(value);
  FileNameLabel->SetSkinData(value);
  FileTypeLabel->SetSkinData(value);
  LeftSpacer->SetSkinData(value);
  RightSpacer->SetSkinData(value);
  FileNameEdit->SetSkinData(value);
  FileList->SetSkinData(value);
  FolderCombo->SetSkinDataName("combobox");
  SkinForm->SetMenusSkinData(value);
  ViewMenu->SetSkinData(value);
}

TViewStyle TsfOpenDlgForm::ViewStyle() const { return FileList->ViewStyle(); }

void TsfOpenDlgForm::SetViewStyle(TViewStyle value) {
  FileList->SetViewStyle(value);
  for (int i = 0; i < 4; ++i) ViewItems[i]->SetChecked(i == static_cast<int>(value));
}

void TsfOpenDlgForm::CreateViewMenuButton(bool flat) {
  ViewButton = Place(new TsfSkinMenuSpeedButton(this), ToolBar, alRight, 420, 0, 37, 25);
  ViewButton->SetSkinDataName("toolmenubutton");
  ViewButton->SetFlat(flat);
  ViewButton->SetHint("View Menu");
  ViewButton->SetShowHint(true);
  TBitmap image;
  LoadGlyph(image, L"SF_LVSTYLE");
  ViewButton->SetGlyph(image);
  ViewButton->SetSkinPopupMenu(ViewMenu);
}

void TsfOpenDlgForm::CreateFolderCombo() {
  FolderCombo = Place(new TsfSkinShellComboBox(this), ToolBar, alClient, 70, 2, 190, 21);
  FolderCombo->SetDropDownCount(10);
  FolderCombo->SetSkinDataName("combobox");
}
