// The combo box's edit style (typed text, letter case, the search in the list), the
// cancel-mode rule, the popup's window class, and the skinned face's item images,
// disabled text and free size.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "SkinControlTestSupport.h"
#include "skin/controls/sfPopupListBox.h"
#include "skin/controls/sfSkinComboBox.h"
#include "skin/controls/sfSkinPanel.h"
#include "skin/controls/sfSkinScrollBar.h"
#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfDataSkinControl.h"
#include "skin/data/sfSkinData.h"
#include "ui/Bitmap.h"
#include "ui/Messages.h"

namespace {

void LoadOurSkin(TsfSkinData& data) {
  TsfCompressedStoredSkin stored(nullptr);
  stored.BuildFromIniFile(std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
                          "resources/skin/skin.ini");
  data.LoadStoredSkin(stored);
}

struct TEditComboForm {
  std::unique_ptr<TForm> Form = MakeForm();
  TsfSkinData* Skin = new TsfSkinData(Form.get());
  TsfSkinComboBox* Combo = new TsfSkinComboBox(Form.get());
  std::vector<std::string> Log;
  explicit TEditComboForm(bool skinned = true) {
    Form->SetBounds(100, 100, 320, 240);
    Combo->SetBounds(20, 20, 140, 22);
    Combo->SetParent(Form.get());
    for (const char* c : {"Apple", "Banana", "Berry", "Cherry", "中文"}) Combo->Items().Add(c);
    if (skinned) {
      LoadOurSkin(*Skin);
      Combo->SetSkinData(Skin);
    }
    Combo->OnChange = [this](TObject*) { Log.push_back("change " + Combo->Text()); };
    Form->Show();
  }
  void Type(const std::string& text) {
    for (char c : text) SendMessageW(Combo->Editor()->Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
  }
};

}  // namespace

TEST(ComboBoxEditStyle, TheEditorSitsInTheTextAreaAndFollowsTheChoice) {
  TEditComboForm f;
  f.Combo->SetItemIndex(1);
  f.Combo->SetStyle(sfcbEditStyle);
  ASSERT_NE(nullptr, f.Combo->Editor());
  EXPECT_EQ("Banana", f.Combo->Editor()->Text());
  EXPECT_FALSE(f.Combo->TabStop());
  EXPECT_TRUE(f.Combo->Editor()->TabStop());
  TsfComboFaceLayout l = f.Combo->FaceLayout();
  TsfCustomEdit* e = f.Combo->Editor();
  EXPECT_EQ(l.TextArea.Left, e->Left());
  EXPECT_EQ(l.TextArea.Width(), e->Width());
  EXPECT_LE(l.TextArea.Top, e->Top());
  EXPECT_GE(l.TextArea.Bottom, e->Top() + e->Height());
  f.Combo->SetItemIndex(3);
  EXPECT_EQ("Cherry", e->Text());
  // Focus given to the combo goes to its editor.
  f.Combo->SetFocus();
  EXPECT_EQ(e->Handle(), GetFocus());
  f.Combo->SetStyle(sfcbFixedStyle);
  EXPECT_EQ(nullptr, f.Combo->Editor());
  EXPECT_TRUE(f.Combo->TabStop());
}

TEST(ComboBoxEditStyle, TypedTextIsSearchedAndBecomesTheText) {
  TEditComboForm f;
  f.Combo->SetStyle(sfcbEditStyle);
  f.Combo->Editor()->SetFocus();
  f.Log.clear();
  f.Type("be");
  EXPECT_EQ("be", f.Combo->Text());
  EXPECT_EQ(2, f.Combo->ListBox().ItemIndex());  // Berry, found from the first item
  EXPECT_EQ("change be", f.Log.back());
  // Without AutoComplete the list only scrolls to the match.
  for (int i = 0; i < 20; ++i) f.Combo->Items().Add("more " + std::to_string(i));
  f.Combo->SetAutoComplete(false);
  f.Combo->Editor()->SetText("");
  f.Combo->DropDown();
  f.Combo->ListBox().SetItemIndex(0);
  f.Combo->ListBox().SetTopIndex(0);
  f.Type("more 1");
  EXPECT_EQ(0, f.Combo->ListBox().ItemIndex());
  EXPECT_EQ(6, f.Combo->ListBox().TopIndex());
  f.Combo->CloseUp(false);
  // Closing without accepting went back to Berry; Down in the editor moves the
  // choice on, which the editor then shows.
  SendMessageW(f.Combo->Editor()->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(3, f.Combo->ItemIndex());
  EXPECT_EQ("Cherry", f.Combo->Editor()->Text());
}

TEST(ComboBoxEditStyle, CharCaseChangesTypedAndSetLettersOnly) {
  TEditComboForm f;
  f.Combo->SetStyle(sfcbEditStyle);
  f.Combo->SetCharCase(ecUpperCase);
  f.Type("ab");
  EXPECT_EQ("AB", f.Combo->Text());
  f.Combo->SetItemIndex(4);
  f.Combo->SetCharCase(ecLowerCase);
  f.Combo->SetItemIndex(0);
  EXPECT_EQ("apple", f.Combo->Editor()->Text());
  f.Combo->Editor()->SetText("MiX中文");
  EXPECT_EQ("mix中文", f.Combo->Editor()->Text());
}

TEST(ComboBoxEditStyle, AcceptingTheListPutsTheItemInTheEditorSelected) {
  TEditComboForm f;
  f.Combo->SetStyle(sfcbEditStyle);
  f.Combo->DropDown();
  ASSERT_TRUE(f.Combo->DroppedDown());
  EXPECT_EQ(f.Combo->Editor()->Handle(), GetFocus());
  f.Combo->ListBox().SetItemIndex(3);
  f.Combo->CloseUp(true);
  EXPECT_EQ("Cherry", f.Combo->Editor()->Text());
  EXPECT_EQ(6, f.Combo->Editor()->SelLength());
}

TEST(ComboBox, CancelModeSparesTheComboItsPopupItsBarsAndItsList) {
  TEditComboForm f;
  for (int i = 0; i < 10; ++i) f.Combo->Items().Add("more " + std::to_string(i));
  auto* other = new TsfSkinPanel(f.Form.get());
  other->SetParent(f.Form.get());
  other->SetBounds(20, 120, 60, 30);
  f.Combo->SetFocus();
  f.Combo->DropDown();
  TsfPopupListBox& popup = f.Combo->ListBox();
  ASSERT_NE(nullptr, popup.VScrollBar());
  for (TObject* sender : {static_cast<TObject*>(f.Combo), static_cast<TObject*>(&popup),
                          static_cast<TObject*>(&popup.ListBox()), static_cast<TObject*>(popup.VScrollBar())}) {
    f.Combo->Perform(CM_CANCELMODE, 0, reinterpret_cast<std::intptr_t>(sender));
    EXPECT_TRUE(f.Combo->DroppedDown());
  }
  SendMessageW(f.Combo->Handle(), WM_CANCELMODE, 0, 0);
  EXPECT_TRUE(f.Combo->DroppedDown());
  // A press on another control of the form reaches the focused combo as cancel mode.
  PostMessageW(other->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(other->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Application->ProcessMessages();
  EXPECT_FALSE(f.Combo->DroppedDown());
}

TEST(ComboBox, PopupSavesTheScreenUnderIt) {
  TEditComboForm f;
  HWND popup = f.Combo->ListBox().Handle();
  EXPECT_NE(0u, GetClassLongW(popup, GCL_STYLE) & CS_SAVEBITS);
  EXPECT_NE(0u, GetWindowLongW(popup, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST(ComboBox, SkinnedFaceItemsDisabledTextAndFreeSize) {
  TEditComboForm f;
  auto* comboDef = dynamic_cast<TsfDataSkinComboBox*>(f.Skin->ControlDef(f.Skin->FindControlDef("combobox")));
  auto* editDef = dynamic_cast<TsfDataSkinEditControl*>(f.Skin->ControlDef(f.Skin->FindControlDef("edit")));
  ASSERT_TRUE(comboDef && editDef);
  f.Combo->SetItemIndex(0);
  TBitmap face(f.Combo->Width(), f.Combo->Height());
  f.Combo->PaintTo(face.DC());
  TsfComboFaceLayout l = f.Combo->FaceLayout();
  // The item image is the definition's: its first column comes from itemrect.
  if (!comboDef->itemrect.IsEmpty()) {
    TBitmap* picture = f.Skin->ActivePictures(comboDef->pictureindex);
    int top = l.TextArea.Top + (l.TextArea.Height() - comboDef->itemrect.Height()) / 2;
    EXPECT_EQ(picture->Canvas().Pixel(comboDef->itemrect.Left, comboDef->itemrect.Top + 1),
              face.Canvas().Pixel(l.TextArea.Left, top + 1));
  }
  // Disabled text takes the edit definition's colour: some pixel of the text has it.
  f.Combo->SetEnabled(false);
  f.Combo->PaintTo(face.DC());
  std::uint32_t want = ColorToRGB(editDef->disabledfontcolor);
  bool found = false;
  for (int y = l.TextArea.Top; y < l.TextArea.Bottom && !found; ++y)
    for (int x = l.TextArea.Left; x < l.TextArea.Right && !found; ++x) found = face.Canvas().Pixel(x, y) == want;
  EXPECT_TRUE(found);
  // Without UseSkinSize the face keeps its height; the button follows the bottom.
  f.Combo->SetEnabled(true);
  f.Combo->SetUseSkinSize(false);
  f.Combo->SetBounds(20, 20, 140, 30);
  EXPECT_EQ(30, f.Combo->Height());
  EXPECT_EQ(l.Button.Bottom + 8, f.Combo->FaceLayout().Button.Bottom);
}
