// The effect list: items, the choice made by mouse and keyboard, item painting and
// the scroll bar that appears when the items overflow.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinControlTestSupport.h"
#include "skin/controls/sfSkinListBox.h"
#include "skin/controls/sfSkinScrollBar.h"
#include "ui/Exception.h"
#include "ui/Menus.h"

namespace {

struct TListForm {
  std::unique_ptr<TForm> Form = MakeForm();
  TsfSkinListBox* List;
  std::vector<std::string> Clicks;

  explicit TListForm(int height = 200) {
    Form->SetClientWidth(300);
    Form->SetClientHeight(300);
    List = new TsfSkinListBox(Form.get());
    List->SetBounds(10, 10, 190, height);
    List->SetParent(Form.get());
    List->OnListBoxClick = [this](TObject* sender) {
      Clicks.push_back((sender == List ? "list " : "? ") + std::to_string(List->ItemIndex()));
    };
    Form->Show();
  }
  void Fill(int n) {
    for (int i = 0; i < n; ++i) List->Items().Add("effect " + std::to_string(i));
  }
  HWND Inner() { return List->ListBox().Handle(); }
  TPoint ItemCentre(int index) {
    TRect r = List->ListBox().ItemRect(index);
    return {r.Left + 20, r.Top + r.Height() / 2};
  }
  void ClickItem(int index) {
    TPoint p = ItemCentre(index);
    SendMessageW(Inner(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(p.x, p.y));
    SendMessageW(Inner(), WM_LBUTTONUP, 0, PointParam(p.x, p.y));
  }
  void Key(WPARAM vk) {
    SendMessageW(Inner(), WM_KEYDOWN, vk, 1);
    SendMessageW(Inner(), WM_KEYUP, vk, 0xC0000001);
  }
  COLORREF InnerPixel(int x, int y) {
    RedrawWindow(Inner(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    HDC dc = GetDC(Inner());
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(Inner(), dc);
    return c;
  }
};

}  // namespace

TEST(ListBoxChoice, ReportsEveryChangeByMouseAndKeyboardAndNoneFromCode) {
  TListForm f;
  f.Fill(6);
  f.ClickItem(2);
  f.Key(VK_DOWN);
  f.Key(VK_DOWN);
  f.Key(VK_UP);
  EXPECT_EQ(f.Clicks, (std::vector<std::string>{"list 2", "list 3", "list 4", "list 3"}));

  f.Clicks.clear();
  f.List->SetItemIndex(5);
  EXPECT_EQ(f.List->ItemIndex(), 5);
  f.List->Items().Clear();
  EXPECT_EQ(f.List->ItemIndex(), -1);
  f.Fill(3);
  f.List->SetItemIndex(1);
  EXPECT_TRUE(f.Clicks.empty());
  // A choice set from code is where the keyboard goes on from.
  f.Key(VK_DOWN);
  EXPECT_EQ(f.Clicks, (std::vector<std::string>{"list 2"}));
}

// The platform list reports every click on an item, so clicking the chosen effect
// again shows its code again.
TEST(ListBoxChoice, ClickOnTheChosenItemIsReportedAgain) {
  TListForm f;
  f.Fill(4);
  f.ClickItem(1);
  f.ClickItem(1);
  EXPECT_EQ(f.Clicks, (std::vector<std::string>{"list 1", "list 1"}));
  EXPECT_EQ(f.List->ItemIndex(), 1);
  // Below the last item there is nothing to choose (and nothing to report).
  SendMessageW(f.Inner(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 150));
  SendMessageW(f.Inner(), WM_LBUTTONUP, 0, PointParam(20, 150));
  EXPECT_EQ(f.Clicks.size(), 2u);
  EXPECT_EQ(f.List->ItemIndex(), 1);
}

TEST(ListBoxChoice, OutOfRangeIndexFromCodeChoosesNothing) {
  TListForm f;
  f.Fill(3);
  f.List->SetItemIndex(1);
  f.List->SetItemIndex(7);
  EXPECT_EQ(f.List->ItemIndex(), -1);
  f.List->SetItemIndex(-5);
  EXPECT_EQ(f.List->ItemIndex(), -1);
  EXPECT_TRUE(f.Clicks.empty());
}

TEST(ListBoxItems, AddReadCountAndClearAroundTheWindowsLife) {
  auto form = MakeForm();
  auto* list = new TsfSkinListBox(form.get());
  // Before the list has a window of its own.
  EXPECT_EQ(list->Items().Add("菜单导航"), 0);
  EXPECT_EQ(list->Items().Add("b"), 1);
  list->SetItemIndex(1);
  list->SetParent(form.get());
  form->Show();
  ASSERT_TRUE(list->ListBox().HandleAllocated());
  EXPECT_EQ(list->Items().Count(), 2);
  EXPECT_EQ(list->Items()[0], "菜单导航");  // 936 text survives the platform list
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->Items().Add("c"), 2);
  EXPECT_EQ(SendMessageW(list->ListBox().Handle(), LB_GETCOUNT, 0, 0), 3);
  try {
    list->Items().Strings(3);
    ADD_FAILURE() << "no error for index 3";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (3)");
  }
  // The platform list is remade when the selection mode changes; nothing is lost.
  list->SetMultiSelect(true);
  list->SetMultiSelect(false);
  EXPECT_EQ(list->Items().Count(), 3);
  EXPECT_EQ(list->Items()[2], "c");
  list->Clear();
  EXPECT_EQ(list->Items().Count(), 0);
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST(ListBoxItems, StoredSettingsOfTheEffectList) {
  TListForm f;
  TsfSkinListBox& l = *f.List;
  EXPECT_EQ(l.SkinDataName(), "listbox");
  EXPECT_EQ(l.DefaultItemHeight(), 20);
  EXPECT_TRUE(l.UseSkinItemHeight());
  EXPECT_FALSE(l.MultiSelect());
  EXPECT_FALSE(l.Sorted());
  EXPECT_FALSE(l.CaptionMode());
  EXPECT_EQ(l.ItemIndex(), -1);
  EXPECT_EQ(l.Font().Name(), "Arial");
  EXPECT_EQ(l.Font().Height(), 14);
  EXPECT_EQ(l.DefaultFont().Name(), "Arial");
  EXPECT_EQ(l.ItemHeight(), 20);
  EXPECT_EQ(SendMessageW(f.Inner(), LB_GETITEMHEIGHT, 0, 0), 20);
  l.SetDefaultItemHeight(25);
  EXPECT_EQ(SendMessageW(f.Inner(), LB_GETITEMHEIGHT, 0, 0), 25);
}

TEST(ListBoxPaint, SelectedItemInHighlightColoursOthersOnTheWindowColour) {
  TListForm f;
  f.Fill(4);
  f.List->SetItemIndex(1);
  // Well right of the text: only the item's background.
  EXPECT_EQ(f.InnerPixel(150, 30), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(f.InnerPixel(150, 10), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(f.InnerPixel(150, 50), GetSysColor(COLOR_WINDOW));
  // Below the last item the list is the window colour too.
  EXPECT_EQ(f.InnerPixel(150, 150), GetSysColor(COLOR_WINDOW));
  f.List->SetItemIndex(2);
  EXPECT_EQ(f.InnerPixel(150, 30), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(f.InnerPixel(150, 50), GetSysColor(COLOR_HIGHLIGHT));
  // The text of the selected item is drawn in the highlight-text colour.
  bool textSeen = false;
  for (int x = 4; x < 60 && !textSeen; ++x)
    for (int y = 42; y < 58 && !textSeen; ++y)
      textSeen = f.InnerPixel(x, y) == GetSysColor(COLOR_HIGHLIGHTTEXT);
  EXPECT_TRUE(textSeen);
}

TEST(ListBoxScrolling, BarAppearsExactlyWhenTheItemsOverflowAndGoesWithClear) {
  TListForm f(204);  // inner list 200 high: 10 items of 20 fit
  ASSERT_EQ(f.List->ListBox().Height(), 200);
  for (int i = 0; i < 10; ++i) {
    f.List->Items().Add("x");
    EXPECT_EQ(f.List->VScrollBar(), nullptr) << i + 1 << " items";
  }
  f.List->Items().Add("x");
  TsfSkinScrollBar* bar = f.List->VScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Kind(), sbVertical);
  EXPECT_EQ(bar->PageSize(), 10);
  EXPECT_EQ(bar->Max(), 10);
  // Plain layout: the bar inside the frame at the right, the list narrowed to it.
  EXPECT_EQ(bar->BoundsRect(), TRect(190 - 20, 1, 190 - 1, 203));
  EXPECT_EQ(f.List->ListBox().BoundsRect().Right, bar->Left());
  f.List->Items().Clear();
  EXPECT_EQ(f.List->VScrollBar(), nullptr);
  EXPECT_EQ(f.List->ListBox().BoundsRect(), TRect(2, 2, 188, 202));
}

TEST(ListBoxScrolling, BarFollowsTheKeyboardAndScrollsTheList) {
  TListForm f(204);
  f.Fill(30);
  TsfSkinScrollBar* bar = f.List->VScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->PageSize(), 10);
  EXPECT_EQ(bar->Max(), 29);
  f.ClickItem(0);
  for (int i = 0; i < 12; ++i) f.Key(VK_DOWN);
  EXPECT_EQ(f.List->ItemIndex(), 12);
  EXPECT_EQ(f.List->TopIndex(), 3);
  EXPECT_EQ(bar->Position(), 3);

  // Dragging the thumb to the bottom shows the last ten items.
  TRect thumb = bar->Layout().Parts[sfsbThumb];
  HWND h = bar->Handle();
  int x = thumb.Left + thumb.Width() / 2, y = thumb.Top + thumb.Height() / 2;
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, PointParam(x, y + 400));
  SendMessageW(h, WM_LBUTTONUP, 0, PointParam(x, y + 400));
  EXPECT_EQ(bar->Position(), 20);
  EXPECT_EQ(f.List->TopIndex(), 20);
  // The wheel scrolls one more line than the platform list does.
  int top = f.List->TopIndex();
  SendMessageW(f.Inner(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_LT(f.List->TopIndex(), top);
  EXPECT_EQ(bar->Position(), f.List->TopIndex());
}

// A touch pad sends parts of a notch; the line the list adds per notch waits until
// the parts make a whole one, so forty parts of a quarter scroll as ten notches.
TEST(ListBoxScrolling, PartsOfAWheelNotchAddUpToWholeOnes) {
  auto wheel = [](TListForm& f, int delta, int times) {
    for (int i = 0; i < times; ++i)
      SendMessageW(f.Inner(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
    return f.List->TopIndex();
  };
  UINT lines = 0;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  ASSERT_EQ(lines, 3u);
  TListForm notches(204), parts(204);
  notches.Fill(100);
  parts.Fill(100);
  EXPECT_EQ(wheel(notches, -WHEEL_DELTA, 10), 40);  // the platform's 3 lines and one more
  EXPECT_EQ(wheel(parts, -30, 1), 0);
  EXPECT_EQ(wheel(parts, -30, 3), 4);
  EXPECT_EQ(wheel(parts, -30, 36), 40);
  EXPECT_EQ(parts.List->VScrollBar()->Position(), 40);
  EXPECT_EQ(wheel(parts, 30, 4), 36);
}

TEST(ListBoxScrolling, WideItemsGetAHorizontalBarThatShiftsThem) {
  TListForm f(204);
  f.List->SetHorizontalExtent(true);
  f.List->Items().Add(std::string(80, 'W'));
  TsfSkinScrollBar* bar = f.List->HScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Kind(), sbHorizontal);
  EXPECT_LE(f.List->ListBox().BoundsRect().Bottom, bar->Top());
  f.Key(VK_RIGHT);
  EXPECT_GT(f.List->ListBox().HorizontalOffset(), 0);
  EXPECT_EQ(f.List->ListBox().HorizontalOffset(), bar->Position());
  f.List->SetHorizontalExtent(false);
  EXPECT_EQ(f.List->HScrollBar(), nullptr);
  EXPECT_EQ(f.List->ListBox().HorizontalOffset(), 0);
}

TEST(ListBoxScrolling, RowCountFitsTheHeightToTheRows) {
  TListForm f;
  f.Fill(12);
  f.List->SetRowCount(5);
  EXPECT_EQ(f.List->Height(), 5 * 20 + 4);
  EXPECT_NE(f.List->VScrollBar(), nullptr);
  f.List->Items().Clear();
  f.Fill(5);
  EXPECT_EQ(f.List->VScrollBar(), nullptr);
}

namespace {

class TRecordingPopup : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;
  void Popup(int X, int Y) override { Shown.push_back({X, Y}); }
  std::vector<TPoint> Shown;
};

}  // namespace

TEST(ListBoxPopupMenu, ARightClickOnTheInnerListOpensItAndAGoneMenuIsForgotten) {
  auto form = MakeSizedForm(300, 300);
  auto* list = new TsfSkinListBox(form.get());
  list->SetParent(form.get());
  list->SetBounds(10, 10, 150, 200);
  auto* menu = new TRecordingPopup(form.get());
  list->SetListBoxPopupMenu(menu);
  EXPECT_EQ(list->ListBox().PopupMenu(), menu);
  HWND inner = list->ListBox().Handle();
  SendMessageW(inner, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(inner), MAKELPARAM(120, 140));
  ASSERT_EQ(menu->Shown.size(), 1u);
  EXPECT_EQ(menu->Shown[0], TPoint(120, 140));
  delete menu;
  EXPECT_EQ(list->ListBoxPopupMenu(), nullptr);
  SendMessageW(inner, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(inner), MAKELPARAM(120, 140));
}
