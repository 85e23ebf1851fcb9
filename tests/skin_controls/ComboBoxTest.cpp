// The admin row's category combo: the choice from code, the drop-down list by mouse
// and keyboard, typed prefixes, the plain face and the handles it gives back.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "SkinControlTestSupport.h"
#include "skin/controls/sfPlainDraw.h"
#include "skin/controls/sfPopupListBox.h"
#include "skin/controls/sfSkinComboBox.h"
#include "skin/controls/sfSkinScrollBar.h"
#include "ui/OffScreen.h"
#include "ui/Bitmap.h"
#include "ui/GdiObject.h"

namespace {

const char* const kCategories[] = {"菜单导航", "日期时间", "图片背景", "图层样式", "键盘鼠标",
                                   "页面窗口", "表格色彩", "链接文字", "表单按钮", "计数转换",
                                   "游戏测试", "综合实例", "广告代码"};

struct TComboForm {
  std::unique_ptr<TForm> Form = MakeForm();
  TsfSkinComboBox* Combo;
  std::vector<std::string> Log;

  TComboForm() {
    Form->SetBounds(100, 100, 320, 240);
    Combo = new TsfSkinComboBox(Form.get());
    Combo->SetBounds(20, 20, 120, 22);
    Combo->SetParent(Form.get());
    for (const char* c : kCategories) Combo->Items().Add(c);
    Combo->OnChange = [this](TObject*) { Log.push_back("change " + Combo->Text()); };
    Combo->OnClick = [this](TObject*) { Log.push_back("click " + std::to_string(Combo->ItemIndex())); };
    Combo->OnCloseUp = [this](TObject*) { Log.push_back("closeup"); };
    Form->Show();
  }
  HWND Face() { return Combo->Handle(); }
  TsfPopupListBox& Popup() { return Combo->ListBox(); }
  HWND Inner() { return Popup().ListBox().Handle(); }
  TPoint ButtonCentre() {
    TRect b = Combo->FaceLayout().Button;
    return {b.Left + b.Width() / 2, b.Top + b.Height() / 2};
  }
  void SendFace(unsigned msg, WPARAM keys, TPoint p) {
    SendMessageW(Face(), msg, keys, PointParam(p.x, p.y));
  }
  void ClickButton() {
    SendFace(WM_MOUSEMOVE, 0, ButtonCentre());
    SendFace(WM_LBUTTONDOWN, MK_LBUTTON, ButtonCentre());
    SendFace(WM_LBUTTONUP, 0, ButtonCentre());
  }
  // A point of the inner list in the face's client coordinates.
  TPoint ItemInFace(int index) {
    TRect r = Popup().ListBox().ItemRect(index);
    POINT p{r.Left + 10, r.Top + r.Height() / 2};
    MapWindowPoints(Inner(), Face(), &p, 1);
    return {p.x, p.y};
  }
  void Key(WPARAM vk) { SendMessageW(Face(), WM_KEYDOWN, vk, 1); }
  void Char(char c) { SendMessageW(Face(), WM_CHAR, static_cast<unsigned char>(c), 1); }
  // Whether the text area shows text in the unfocused face's text colour.
  bool FaceShowsText() {
    TBitmap image(Combo->Width(), Combo->Height());
    Combo->PaintTo(image.DC());
    TRect area = Combo->FaceLayout().TextArea;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x)
        if (image.Canvas().Pixel(x, y) == ColorToRGB(clWindowText)) return true;
    return false;
  }
  std::uint32_t FacePixel(int x, int y) {
    TBitmap image(Combo->Width(), Combo->Height());
    Combo->PaintTo(image.DC());
    return image.Canvas().Pixel(x, y);
  }
};

}  // namespace

TEST(ComboBoxChoice, ItemIndexFromCodeShowsTheItemOutOfRangeKeepsTheText) {
  TComboForm f;
  EXPECT_EQ(f.Combo->ItemIndex(), -1);
  EXPECT_FALSE(f.FaceShowsText());
  f.Combo->SetItemIndex(2);
  EXPECT_EQ(f.Combo->Text(), "图片背景");
  EXPECT_EQ(f.Log, (std::vector<std::string>{"change 图片背景", "click 2"}));
  f.Log.clear();
  f.Combo->SetItemIndex(20);  // a category beyond the thirteen
  EXPECT_EQ(f.Combo->ItemIndex(), -1);
  EXPECT_EQ(f.Combo->Text(), "图片背景");
  EXPECT_TRUE(f.FaceShowsText());  // the face still shows the old caption
  EXPECT_EQ(f.Log, (std::vector<std::string>{"click -1"}));
  f.Log.clear();
  f.Combo->SetItemIndex(4);
  f.Combo->SetItemIndex(4);  // the same item again: the text does not change
  EXPECT_EQ(f.Log, (std::vector<std::string>{"change 键盘鼠标", "click 4", "click 4"}));
}

TEST(ComboBoxChoice, StoredSettingsOfTheAdminCombo) {
  TComboForm f;
  TsfSkinComboBox& c = *f.Combo;
  EXPECT_EQ(c.SkinDataName(), "combobox");
  EXPECT_EQ(c.Style(), sfcbFixedStyle);
  EXPECT_EQ(c.DropDownCount(), 8);
  c.SetDropDownCount(0);  // refused
  EXPECT_EQ(c.DropDownCount(), 8);
  EXPECT_EQ(c.ListBoxDefaultItemHeight(), 20);
  EXPECT_TRUE(c.AutoComplete());
  EXPECT_FALSE(c.Sorted());
  c.Font().SetName("宋体");
  c.Font().SetHeight(-16);
  c.Font().SetCharset(fcAnsiCharset);
  EXPECT_EQ(c.Font().Name(), "宋体");
  EXPECT_EQ(c.ListBox().Font().Name(), "Arial");  // the list keeps its own font
}

TEST(ComboBoxDropDown, OpensBelowTheFaceAndAClickOnAnItemChoosesIt) {
  TComboForm f;
  f.Combo->SetItemIndex(0);
  f.Log.clear();
  // The list's popup window is made when it first opens, with the items set before.
  EXPECT_FALSE(f.Popup().HandleAllocated());
  f.ClickButton();  // press and release on the button: the list stays open
  ASSERT_TRUE(f.Combo->DroppedDown());
  EXPECT_EQ(SendMessageW(f.Inner(), LB_GETCOUNT, 0, 0), 13);
  ASSERT_TRUE(IsWindowVisible(f.Popup().Handle()));
  RECT face, popup;
  GetWindowRect(f.Face(), &face);
  GetWindowRect(f.Popup().Handle(), &popup);
  EXPECT_EQ(popup.left, face.left);
  EXPECT_EQ(popup.top, face.bottom);
  EXPECT_EQ(popup.right - popup.left, 120);
  EXPECT_EQ(popup.bottom - popup.top, 8 * 20 + 4);  // eight of thirteen rows
  EXPECT_NE(f.Popup().VScrollBar(), nullptr);
  EXPECT_NE(GetForegroundWindow(), f.Popup().Handle());

  // Moving over the items highlights each; a click on one chooses it.
  TRect r = f.Popup().ListBox().ItemRect(4);
  SendMessageW(f.Inner(), WM_MOUSEMOVE, 0, PointParam(10, r.Top + 5));
  EXPECT_EQ(f.Popup().ItemIndex(), 4);
  SendMessageW(f.Inner(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, r.Top + 5));
  EXPECT_EQ(GetCapture(), f.Face());
  f.SendFace(WM_LBUTTONUP, 0, f.ItemInFace(4));
  EXPECT_FALSE(f.Combo->DroppedDown());
  EXPECT_FALSE(IsWindowVisible(f.Popup().Handle()));
  EXPECT_EQ(f.Combo->ItemIndex(), 4);
  EXPECT_EQ(f.Combo->Text(), "键盘鼠标");
  EXPECT_EQ(f.Log, (std::vector<std::string>{"change 键盘鼠标", "click 4", "closeup"}));
}

TEST(ComboBoxDropDown, PressDragIntoTheListChoosesWhereReleasedOutsideKeeps) {
  TComboForm f;
  f.Combo->SetItemIndex(1);
  f.Log.clear();
  f.SendFace(WM_MOUSEMOVE, 0, f.ButtonCentre());
  f.SendFace(WM_LBUTTONDOWN, MK_LBUTTON, f.ButtonCentre());
  ASSERT_TRUE(f.Combo->DroppedDown());
  f.SendFace(WM_MOUSEMOVE, MK_LBUTTON, f.ItemInFace(3));
  f.SendFace(WM_MOUSEMOVE, MK_LBUTTON, f.ItemInFace(5));
  EXPECT_EQ(f.Popup().ItemIndex(), 5);
  f.SendFace(WM_LBUTTONUP, 0, f.ItemInFace(5));
  EXPECT_FALSE(f.Combo->DroppedDown());
  EXPECT_EQ(f.Combo->ItemIndex(), 5);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"change 页面窗口", "click 5", "closeup"}));

  f.Log.clear();
  f.SendFace(WM_LBUTTONDOWN, MK_LBUTTON, f.ButtonCentre());
  f.SendFace(WM_MOUSEMOVE, MK_LBUTTON, f.ItemInFace(7));  // the list opens scrolled to item 5
  EXPECT_EQ(f.Popup().ItemIndex(), 7);
  TPoint outside = f.ItemInFace(7);
  outside.x += 200;  // beside the list
  f.SendFace(WM_LBUTTONUP, 0, outside);
  EXPECT_FALSE(f.Combo->DroppedDown());
  EXPECT_EQ(f.Combo->ItemIndex(), 5);
  EXPECT_TRUE(f.Log.empty());
}

TEST(ComboBoxDropDown, EscapeClosesWithoutChangeArrowKeysApplyAtOnce) {
  TComboForm f;
  f.Combo->SetItemIndex(0);
  f.Log.clear();
  f.ClickButton();
  TRect r = f.Popup().ListBox().ItemRect(6);
  SendMessageW(f.Inner(), WM_MOUSEMOVE, 0, PointParam(10, r.Top + 5));
  EXPECT_EQ(f.Popup().ItemIndex(), 6);
  f.Key(VK_ESCAPE);
  EXPECT_FALSE(f.Combo->DroppedDown());
  EXPECT_EQ(f.Combo->ItemIndex(), 0);
  EXPECT_EQ(f.Combo->Text(), "菜单导航");
  EXPECT_TRUE(f.Log.empty());

  f.ClickButton();
  f.Key(VK_DOWN);
  EXPECT_EQ(f.Combo->Text(), "日期时间");
  f.Key(VK_ESCAPE);
  EXPECT_EQ(f.Combo->ItemIndex(), 1);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"change 日期时间", "click 1"}));

  f.ClickButton();
  f.Key(VK_DOWN);
  f.Key(VK_RETURN);
  EXPECT_FALSE(f.Combo->DroppedDown());
  EXPECT_EQ(f.Combo->ItemIndex(), 2);
  EXPECT_EQ(f.Log.back(), "closeup");
  // A press on the button while open closes without a choice.
  f.ClickButton();
  f.SendFace(WM_LBUTTONDOWN, MK_LBUTTON, f.ButtonCentre());
  f.SendFace(WM_LBUTTONUP, 0, f.ButtonCentre());
  EXPECT_FALSE(f.Combo->DroppedDown());
  EXPECT_EQ(f.Combo->ItemIndex(), 2);
}

TEST(ComboBoxKeys, ArrowAndPageKeysStepThroughTheItemsWhileClosed) {
  TComboForm f;
  f.Combo->SetItemIndex(0);
  f.Key(VK_UP);
  EXPECT_EQ(f.Combo->ItemIndex(), 0);
  f.Key(VK_NEXT);
  EXPECT_EQ(f.Combo->ItemIndex(), 7);  // DropDownCount - 1 on
  f.Key(VK_NEXT);
  EXPECT_EQ(f.Combo->ItemIndex(), 12);
  f.Key(VK_DOWN);
  EXPECT_EQ(f.Combo->ItemIndex(), 12);
  f.Key(VK_PRIOR);
  EXPECT_EQ(f.Combo->ItemIndex(), 3);  // DropDownCount + 1 back
  SendMessageW(f.Face(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(f.Combo->ItemIndex(), 4);
  EXPECT_FALSE(f.Combo->DroppedDown());
}

// A touch pad sends parts of a notch: four parts of 30 move one item, as one notch
// does; a notch of 240 moves two.
TEST(ComboBoxKeys, PartsOfAWheelNotchAddUpToWholeOnes) {
  TComboForm f;
  f.Combo->SetItemIndex(5);
  auto wheel = [&](int delta) {
    SendMessageW(f.Face(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
  };
  wheel(-30);
  EXPECT_EQ(f.Combo->ItemIndex(), 5);
  for (int i = 0; i < 3; ++i) wheel(-30);
  EXPECT_EQ(f.Combo->ItemIndex(), 6);
  for (int i = 0; i < 8; ++i) wheel(30);
  EXPECT_EQ(f.Combo->ItemIndex(), 4);
  wheel(-240);
  EXPECT_EQ(f.Combo->ItemIndex(), 6);
}

TEST(ComboBoxKeys, TypedPrefixesAccumulateWithinHalfASecond) {
  TComboForm f;
  f.Combo->Items().Clear();
  for (const char* s : {"apple", "banana", "blueberry", "cherry", "bbq"}) f.Combo->Items().Add(s);
  f.Char('b');
  EXPECT_EQ(f.Combo->Text(), "banana");
  f.Char('b');  // at once: the prefix "bb"
  EXPECT_EQ(f.Combo->Text(), "bbq");
  Sleep(600);
  f.Char('B');  // a new prefix, searched after the current item, wrapping round
  EXPECT_EQ(f.Combo->Text(), "banana");
  Sleep(600);
  f.Char('b');
  EXPECT_EQ(f.Combo->Text(), "blueberry");
  Sleep(600);
  f.Char('z');
  EXPECT_EQ(f.Combo->Text(), "blueberry");
}

TEST(ComboBoxFace, PlainButtonHotAndPressedLooks) {
  TComboForm f;
  TRect b = f.Combo->FaceLayout().Button;
  EXPECT_EQ(b, TRect(120 - 19, 2, 120 - 2, 20));
  EXPECT_EQ(f.Combo->FaceLayout().TextArea, TRect(2, 2, b.Left - 1, 20));
  int x = b.Left + 3, y = b.Top + 2;  // inside the frame, clear of the arrow
  EXPECT_EQ(f.FacePixel(b.Left, y), ColorToRGB(clBtnShadow));
  EXPECT_EQ(f.FacePixel(x, y), ColorToRGB(clBtnFace));
  f.SendFace(WM_MOUSEMOVE, 0, f.ButtonCentre());
  EXPECT_TRUE(f.Combo->ButtonHot());
  EXPECT_EQ(f.FacePixel(b.Left, y), static_cast<std::uint32_t>(kPlainFrameColor));
  EXPECT_EQ(f.FacePixel(x, y), 13811126u);
  f.SendFace(WM_LBUTTONDOWN, MK_LBUTTON, f.ButtonCentre());
  EXPECT_EQ(f.FacePixel(x, y), 11899781u);
  f.SendFace(WM_LBUTTONUP, 0, f.ButtonCentre());
  EXPECT_EQ(f.FacePixel(x, y), 13811126u);
  f.SendFace(WM_MOUSEMOVE, 0, {5, 5});
  EXPECT_EQ(f.FacePixel(x, y), ColorToRGB(clBtnFace));
  f.Combo->CloseUp(false);
}

TEST(ComboBoxHandles, ReturnToTheStartAfterManyCombosAndLists) {
  auto counts = [] {
    ClearOffScreenPool();  // idle off-screen bitmaps are kept on purpose
    std::array<int, static_cast<size_t>(THandleKind::Count_)> out{};
    for (size_t i = 0; i < out.size(); ++i) out[i] = LiveHandles(static_cast<THandleKind>(i));
    return out;
  };
  auto before = counts();
  for (int round = 0; round < 3; ++round) {
    TComboForm f;
    for (int i = 0; i < 6; ++i) {
      auto* list = new TsfSkinListBox(f.Form.get());
      list->SetBounds(150, 10 + i * 30, 100, 60);
      list->SetParent(f.Form.get());
      for (int k = 0; k < 10; ++k) list->Items().Add("item");
      list->SetItemIndex(i);
    }
    f.ClickButton();
    UpdateWindow(f.Form->Handle());
    UpdateWindow(f.Popup().Handle());
    f.Key(VK_DOWN);
    f.Key(VK_ESCAPE);
    RedrawWindow(f.Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  EXPECT_EQ(counts(), before);
}
