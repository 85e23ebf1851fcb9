// Start-up, closing and browsing of the main window.
#include <windows.h>

#include "app/Unit1.h"

#include <filesystem>

#include "app/CatalogueAccess.h"
#include "app/WindowPlacement.h"
#include "controls/FxLabel.h"
#include "controls/FxMemo.h"
#include "db/ADOQuery.h"
#include "skin/controls/sfSkinComboBox.h"
#include "skin/controls/sfSkinListBox.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/frame/sfSkinForm.h"
#include "ui/Application.h"
#include "ui/FileVersion.h"
#include "ui/IniFile.h"
#include "ui/Screen.h"
#include "ui/SysUtils.h"

void TForm1::FormCreate(TObject*) {
  LoadWindowSettings();
  LoadCategories();
}

namespace {

// The settings file holds two integers, a few dozen bytes. One of more than this
// was not written by the program, and reading and rewriting it through the
// platform's profile functions takes seconds each time.
constexpr std::uintmax_t kLargestSettingsFile = 1 << 20;

bool IsOversized(const std::wstring& file) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(file, ec);
  return !ec && size > kLargestSettingsFile;
}

}  // namespace

void TForm1::LoadWindowSettings() {
  SettingsFile = std::make_unique<TIniFile>(ExeFolder() + L"Vexmark.ini");
  // An oversized file is set aside: the window starts centred, and closing it
  // moves the file to "Vexmark.ini.bak" and writes a new one in its place.
  SettingsOversized = IsOversized(SettingsFile->FileName());
  int dx = Screen->Width() - Width();
  int dy = Screen->Height() - Height();
  int left = SettingsOversized ? dx / 2 : SettingsFile->ReadInteger("MainForm", "Left", dx / 2);
  int top = SettingsOversized ? dy / 2 : SettingsFile->ReadInteger("MainForm", "Top", dy / 2);
  TPoint place = PlaceWindow(Screen->Width(), Screen->Height(), Width(), Height(), left, top,
                             MonitorWorkAreas());
  SetBounds(place.x, place.y, Width(), Height());
  SetCaption(Caption() + ReadFileVersionText());
}

std::string TForm1::ReadFileVersionText() {
  return ReadVersionString(ExeFileName(), "StringFileInfo\\080403A8\\FileVersion");
}

void TForm1::FormClose(TObject*, TCloseAction&) {
  if (!SettingsFile) return;
  // A settings file that cannot be written must not keep the window open for
  // good: the error is reported once and the window closes, losing only its place.
  try {
    if (SettingsOversized) {
      // Kept, not deleted: it is not ours, but it may be someone's. Should it not
      // move, the place is written into it as into any other.
      const std::filesystem::path file = SettingsFile->FileName();
      std::filesystem::path aside = file;
      aside += L".bak";
      std::error_code ec;
      if (!std::filesystem::is_directory(aside, ec)) std::filesystem::remove(aside, ec);
      std::filesystem::rename(file, aside, ec);
      SettingsOversized = false;
    }
    // Closed minimized or maximized, the window is stored where it returns to.
    const TRect normal = sfSkinForm1 ? sfSkinForm1->NormalBounds() : BoundsRect();
    SettingsFile->WriteInteger("MainForm", "Left", normal.Left);
    SettingsFile->WriteInteger("MainForm", "Top", normal.Top);
  } catch (const Exception& e) {
    Application->HandleException(e);
  }
}

void TForm1::LoadCategories() {
  Rs->SetConnectionString(BuildConnectionString());
  Rs->SQL().SetText(kCategoryStatement);
  Rs->Open();
  for (int i = 0; !Rs->Eof(); ++i) {
    AddCategoryButton(Rs->FieldByName("EffectName").AsString(), i * 60 + 2, i);
    Rs->Next();
  }
  Rs->SQL().SetText(EffectsStatement(1));
  Rs->Open();
  int n = 0;
  while (!Rs->Eof()) {
    ++n;
    sfLB->Items().Add(Rs->FieldByName("EffectName").AsString());
    Rs->Next();
  }
  Rs->Close();
  FxLab_Qty->SetCaption("菜单导航特效：" + std::to_string(n) + "个");
}

void TForm1::AddCategoryButton(const std::string& caption, int left, int index) {
  auto* button = new TsfSkinSpeedButton(sfTb);
  button->SetParent(sfTb);
  button->SetName("Sbtn" + std::to_string(index));
  button->SetFlat(true);
  button->SetCaption(caption);
  button->SetWidth(60);
  button->SetHeight(sfTb->Height() - 4);
  button->SetLeft(left);
  if (left < 5) button->SetDown(true);
  button->SetTop(2);
  button->SetGroupIndex(11);
  button->SetTag(index + 1);
  button->OnClick = [this](TObject* s) { CategoryButtonClick(s); };
}

namespace {

// Holds a list's screen updates while it is emptied and refilled, so that it
// repaints and re-fits its scroll bar once, at the end.
class TUpdateBatch {
 public:
  explicit TUpdateBatch(TStrings& lines) : FLines(lines) { FLines.BeginUpdate(); }
  ~TUpdateBatch() { FLines.EndUpdate(); }
  TUpdateBatch(const TUpdateBatch&) = delete;
  TUpdateBatch& operator=(const TUpdateBatch&) = delete;

 private:
  TStrings& FLines;
};

// Empties the code view. An empty one keeps its picture: only what emptying
// would reset beside the text (the undo step, the modified mark) is reset.
void ClearCode(TFxMemo& memo) {
  if (memo.HandleAllocated() && GetWindowTextLengthW(memo.Handle()) == 0) {
    SendMessageW(memo.Handle(), EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageW(memo.Handle(), EM_SETMODIFY, FALSE, 0);
    return;
  }
  TUpdateBatch codeBatch(memo.Lines());
  memo.Clear();
}

}  // namespace

void TForm1::CategoryButtonClick(TObject* Sender) {
  auto* button = static_cast<TsfSkinSpeedButton*>(Sender);
  TUpdateBatch listBatch(sfLB->Items());
  sfLB->Items().Clear();
  ClearCode(*sfMemo);
  sfCbb->SetItemIndex(static_cast<int>(button->Tag()) - 1);
  Rs->SetConnectionString(BuildConnectionString());
  Rs->SQL().SetText(EffectsStatement(static_cast<int>(button->Tag())));
  Rs->Open();
  int n = 0;
  while (!Rs->Eof()) {
    ++n;
    sfLB->Items().Add(Rs->FieldByName("EffectName").AsString());
    Rs->Next();
  }
  Rs->Close();
  FxLab_Qty->SetCaption(button->Caption() + "特效：" + std::to_string(n) + "个");
}

void TForm1::sfLBListBoxClick(TObject*) {
  {
    TUpdateBatch codeBatch(sfMemo->Lines());
    sfMemo->Clear();
    Rs->SetConnectionString(BuildConnectionString());
    std::string name = sfLB->Items().Strings(sfLB->ItemIndex());
    Rs->SQL().SetText(LookupStatement(name));
    Rs->Open();
    while (!Rs->Eof()) {
      sfMemo->Lines().Add(Rs->FieldByName("Code").AsString());
      Rs->Next();
    }
    Rs->Close();
    // The code is read from its first line: adding lines left the caret at the end.
    sfMemo->SetSelStart(0);
    SendMessageW(sfMemo->Handle(), EM_SCROLLCARET, 0, 0);
  }
}
