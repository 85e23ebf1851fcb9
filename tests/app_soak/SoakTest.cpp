// A long session with the real main window in one process: what a user does
// thousands of times must give back every handle it takes.
#include "tests/app/MainWindowFixture.h"

#include <array>
#include <cstdio>

#include "controls/FxEdit.h"
#include "controls/FxMemo.h"
#include "skin/controls/sfSkinComboBox.h"
#include "skin/controls/sfSkinListBox.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/controls/sfSkinXFormButton.h"
#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/frame/sfSkinForm.h"
#include "tests/skin_controls/TestSkin.h"
#include "ui/Application.h"
#include "ui/GdiObject.h"
#include "ui/OffScreen.h"

namespace {

constexpr std::array<THandleKind, 8> kKinds = {THandleKind::Window, THandleKind::DC,     THandleKind::Bitmap,
                                               THandleKind::Font,   THandleKind::Brush,  THandleKind::Pen,
                                               THandleKind::Region, THandleKind::ImageList};
constexpr const char* kKindNames[] = {"windows", "DCs", "bitmaps", "fonts", "brushes", "pens", "regions", "image lists"};

struct THandleCounts {
  std::array<int, kKinds.size()> Framework{};
  DWORD Process = 0, Gdi = 0, User = 0;
  // The value a new kernel handle gets: the platform hands out the lowest free slot
  // of the process's handle table, so handles left open push it up. This tells
  // under Wine, where the process's handle count reads 0.
  std::uintptr_t NextHandle = 0;
};

// Lets the timers that run on after a step (button transitions, the caption's
// animation, the frame's hover) finish, so that what they hold is given back.
void Settle() {
  const ULONGLONG end = GetTickCount64() + 600;
  while (GetTickCount64() < end) {
    Application->ProcessMessages();
    Sleep(10);
  }
}

THandleCounts CountHandles() {
  Settle();
  ClearOffScreenPool();
  THandleCounts c;
  for (size_t i = 0; i < kKinds.size(); ++i) c.Framework[i] = LiveHandles(kKinds[i]);
  GetProcessHandleCount(GetCurrentProcess(), &c.Process);
  c.Gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  c.User = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  HANDLE probe = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  c.NextHandle = reinterpret_cast<std::uintptr_t>(probe);
  CloseHandle(probe);
  return c;
}

// Closes the next modal dialog our thread opens, as a user pressing Escape would:
// a timer looks for the active window that is neither the main window nor one it
// knows, and asks it to close.
HWND MainWindow = nullptr;
void CALLBACK CloseModalDialog(HWND, UINT, UINT_PTR id, DWORD) {
  HWND active = GetActiveWindow();
  if (!active || active == MainWindow || !IsWindowVisible(active)) return;
  KillTimer(nullptr, id);
  PostMessageW(active, WM_CLOSE, 0, 0);
}
void CancelNextModalDialog(HWND mainWindow) {
  MainWindow = mainWindow;
  SetTimer(nullptr, 0, 20, CloseModalDialog);
}

class SoakTest : public MainWindowTest {
 protected:
  // 13 categories of 25 effects each.
  void MakeBigCatalogue() {
    MakeCatalogue();
    std::vector<TCatalogueRow> rows;
    for (int c = 1; c <= 13; ++c)
      for (int i = 0; i < 25; ++i)
        rows.push_back({c, "特效" + std::to_string(c) + "-" + std::to_string(i),
                        "<div id=\"e" + std::to_string(i) + "\">第" + std::to_string(i) + "个</div>\r\n<script>x=" +
                            std::to_string(c) + ";</script>"});
    AppendCatalogueRows(Catalogue(), CataloguePassword, rows);
  }

  void SwitchCategory(int i) {
    auto* button = static_cast<TsfSkinSpeedButton*>(Form->sfTb->Controls(i % Form->sfTb->ControlCount()));
    button->Click();
  }
  void ShowEffect(int i) {
    const int count = Form->sfLB->Items().Count();
    if (count == 0) return;
    Form->sfLB->SetItemIndex(i % count);
    Form->sfLBListBoxClick(Form->sfLB);
  }
  void OpenAndCloseSystemMenu() {
    Form->sfSkinForm1->PopupSystemMenu(Bounds(10, 10, 16, 16));
    Application->ProcessMessages();
    // Escape, as typed: the menu takes keys through the application's message hook.
    PostMessageW(Form->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    Application->ProcessMessages();
  }
  void OpenAndCloseDropDown() {
    Form->sfCbb->DropDown();
    Application->ProcessMessages();
    Form->sfCbb->CloseUp(false);
    Application->ProcessMessages();
  }
  void CancelSave() {
    CancelNextModalDialog(Form->Handle());
    Form->sfSkinXFormButton4Click(Form->sfSkinXFormButton4);
  }
  void ChangeSkin(int i) {
    if (i % 2 == 0)
      LoadTestSkin(*Form->sfSkinData1);
    else
      Form->sfSkinData1->LoadStoredSkin(*Form->sfCompressedStoredSkin1);
    Form->Repaint();
  }

  // Each kind of step once, so that what is made once and kept (the menus' and the
  // drop-down's windows, the dialog's first-use state) is there before counting.
  void WarmUp() {
    SwitchCategory(1);
    ShowEffect(0);
    OpenAndCloseSystemMenu();
    OpenAndCloseDropDown();
    CancelSave();
    ChangeSkin(0);
    ChangeSkin(1);
    SwitchCategory(0);
  }
};

void Print(const char* when, const THandleCounts& c) {
  std::printf("%s:", when);
  for (size_t i = 0; i < kKinds.size(); ++i) std::printf(" %s %d", kKindNames[i], c.Framework[i]);
  std::printf("; process handles %lu; GDI objects %lu; USER objects %lu; next handle %#llx\n", c.Process,
              c.Gdi, c.User, static_cast<unsigned long long>(c.NextHandle));
}

}  // namespace

TEST_F(SoakTest, ALongSessionGivesBackEveryHandle) {
  MakeBigCatalogue();
  Open();
  Form->Show();
  // The admin row shown, so the combo box can drop down.
  Form->sfCbb->SetVisible(true);
  Form->sfEdt->SetVisible(true);
  Form->sfFrmBtn->SetVisible(true);
  int menusClosed = 0;
  Form->sfSkinForm1->OnSkinMenuClose = [&menusClosed](TObject*) { ++menusClosed; };
  WarmUp();
  menusClosed = 0;
  const THandleCounts before = CountHandles();

  for (int i = 0; i < 1000; ++i) {
    SwitchCategory(i);
    ShowEffect(i);
  }
  EXPECT_EQ(Form->sfLB->Items().Count(), 25);
  EXPECT_NE(Form->sfMemo->Text().find("<script>"), std::string::npos);
  for (int i = 0; i < 200; ++i) {
    OpenAndCloseSystemMenu();
    OpenAndCloseDropDown();
  }
  EXPECT_EQ(menusClosed, 200);
  EXPECT_FALSE(Form->sfCbb->DroppedDown());
  for (int i = 0; i < 50; ++i) ChangeSkin(i);
  EXPECT_FALSE(Form->sfSkinData1->SkinEmpty());
  const THandleCounts beforeDialog = CountHandles();
  for (int i = 0; i < 50; ++i) CancelSave();
  EXPECT_EQ(Boxes.Count(), 0);  // no error on the way, and nothing was saved
  EXPECT_FALSE(std::filesystem::exists(Scratch / "example.htm"));

  const THandleCounts after = CountHandles();
  Print("before", before);
  Print("before the dialog", beforeDialog);
  Print("after", after);
  // Every handle the framework makes is counted. The menus' and the drop-down's
  // windows hold the image they last drew (a memory DC with its bitmap), freed on
  // the next skin change, so whether such a pair is held at a count depends on what
  // was shown last: two of a kind either way; a leak of one per step would be hundreds.
  for (size_t i = 0; i < kKinds.size(); ++i)
    EXPECT_NEAR(after.Framework[i], before.Framework[i], 2) << kKindNames[i];
  // Kernel handles: the catalogue file is opened and closed by every statement and
  // the skin changes and menus open none that stay, so the lowest free slot is
  // where it was, give or take a few the platform opens for itself.
  EXPECT_LE(beforeDialog.NextHandle, before.NextHandle + 8 * 4);  // handle values step by 4
  // The save dialog's shell folders and file list release what they open: fifty
  // runs leave the lowest free slot where it was, give or take the same few.
  EXPECT_LE(after.NextHandle, beforeDialog.NextHandle + 8 * 4);
  // Under Wine these read 0; on Windows they are the counts themselves.
  EXPECT_LE(after.Process, before.Process + 16);
  EXPECT_LE(after.Gdi, before.Gdi + 16);
  EXPECT_LE(after.User, before.User + 16);
}
