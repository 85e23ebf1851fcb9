// The skinned list view: no border or platform bars, the skin's colours, and the
// skinned scroll bars following the platform list in list and details styles.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "SkinControlTestSupport.h"
#include "TestSkin.h"
#include "skin/controls/sfSkinCustomListView.h"
#include "skin/controls/sfSkinScrollBar.h"
#include "ui/Bitmap.h"

namespace {

struct TListForm {
  std::unique_ptr<TForm> Form = MakeSizedForm(600, 500);
  TsfSkinCustomListView* List = new TsfSkinCustomListView(Form.get());
  TsfSkinScrollBar* V = new TsfSkinScrollBar(Form.get());
  TsfSkinScrollBar* H = new TsfSkinScrollBar(Form.get());
  TListForm(TViewStyle style) {
    V->SetKind(sbVertical);
    H->SetKind(sbHorizontal);
    for (TControl* c : {static_cast<TControl*>(V), static_cast<TControl*>(H), static_cast<TControl*>(List)})
      c->SetParent(Form.get());
    V->SetBounds(500, 0, 19, 200);
    H->SetBounds(0, 400, 300, 19);
    List->SetOwnerData(true);
    List->SetViewStyle(style);
    Form->Show();
    List->HandleNeeded();
    List->SetVScrollBar(V);
    List->SetHScrollBar(H);
  }
  HWND Wnd() { return List->Handle(); }
  int ItemHeight() {
    RECT r{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(Wnd(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r.bottom - r.top;
  }
  int HorizontalPosition() {
    SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(Wnd(), SB_HORZ, &info);
    return info.nPos;
  }
};

}  // namespace

TEST(SkinListView, ListStyleScrollsSidewaysByColumns) {
  TListForm f(vsList);
  f.List->SetItemCount(6);
  SendMessageW(f.Wnd(), LVM_SETCOLUMNWIDTH, 0, 100);
  f.List->SetBounds(0, 0, 250, 5 * f.ItemHeight() + 2);
  f.List->UpdateScrollBars();
  EXPECT_FALSE(f.H->Visible());  // everything on one page
  f.List->SetItemCount(40);
  ASSERT_EQ(SendMessageW(f.Wnd(), LVM_GETCOUNTPERPAGE, 0, 0), 10);
  EXPECT_FALSE(f.V->Visible());
  ASSERT_TRUE(f.H->Visible());
  EXPECT_EQ(f.H->PageSize(), 2);
  EXPECT_EQ(f.H->SmallChange(), 1);
  EXPECT_EQ(f.H->LargeChange(), 1);
  EXPECT_TRUE(f.H->Enabled());
  int before = f.HorizontalPosition();
  f.H->SetPosition(f.H->Position() + 2);
  EXPECT_EQ(f.HorizontalPosition(), before + 2);  // two line-right steps
}

TEST(SkinListView, DetailsStyleShowsTheVerticalBarOnlyWhenItemsOverflow) {
  TListForm f(vsReport);
  f.List->AddColumn("Name", 200, taLeftJustify);
  f.List->SetItemCount(5);
  RECT header;
  GetWindowRect(reinterpret_cast<HWND>(SendMessageW(f.Wnd(), LVM_GETHEADER, 0, 0)), &header);
  f.List->SetBounds(0, 0, 300, (header.bottom - header.top) + 20 * f.ItemHeight() + 2);
  f.List->UpdateScrollBars();
  ASSERT_EQ(SendMessageW(f.Wnd(), LVM_GETCOUNTPERPAGE, 0, 0), 20);
  EXPECT_FALSE(f.V->Visible());
  f.List->SetItemCount(30);
  ASSERT_TRUE(f.V->Visible());
  EXPECT_EQ(f.V->PageSize(), 20);
  EXPECT_EQ(f.V->LargeChange(), 20);
  EXPECT_EQ(f.V->SmallChange(), 1);
  EXPECT_FALSE(f.H->Visible());
  EXPECT_TRUE(f.H->Both());  // the horizontal bar leaves the corner to the vertical one
  // Moving the bar scrolls the list by whole rows.
  f.V->SetPosition(3);
  EXPECT_EQ(SendMessageW(f.Wnd(), LVM_GETTOPINDEX, 0, 0), 3);
}

TEST(SkinListView, NoFrameNoPlatformBarsAndItsPrivateAnswer) {
  TListForm f(vsReport);
  f.List->AddColumn("Name", 200, taLeftJustify);
  f.List->SetItemCount(200);
  f.List->SetBounds(0, 0, 150, 100);
  RECT client;
  GetClientRect(f.Wnd(), &client);
  EXPECT_EQ(client.right, 150);  // no border, and no room for the platform's bars
  EXPECT_EQ(client.bottom, 100);
  EXPECT_EQ(SendMessageW(f.Wnd(), 45513, 0, 0), 12851);
}

TEST(SkinListView, WearsTheSkinColours) {
  TListForm f(vsList);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(f.Wnd(), LVM_GETBKCOLOR, 0, 0)), GetSysColor(COLOR_WINDOW));
  auto* data = new TsfSkinData(f.Form.get());
  TsfCompressedStoredSkin stored(nullptr);
  stored.BuildFromIniFile(std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
                          "resources" / "skin" / "skin.ini");
  data->LoadStoredSkin(stored);
  f.List->SetSkinData(data);
  ASSERT_GE(f.List->DefinitionIndex(), 0);
  EXPECT_EQ(SendMessageW(f.Wnd(), LVM_GETBKCOLOR, 0, 0), 16777215);
  EXPECT_EQ(SendMessageW(f.Wnd(), LVM_GETTEXTCOLOR, 0, 0), 3153948);
  EXPECT_EQ(f.List->Font().Name(), "Arial");
  f.List->SetSkinData(nullptr);
  f.List->ApplySkin();
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(f.Wnd(), LVM_GETBKCOLOR, 0, 0)), GetSysColor(COLOR_WINDOW));
}

TEST(SkinListView, HeaderCaptionPlacement) {
  auto width = [](const std::string& t) { return static_cast<int>(t.size()) * 6; };
  TRect area{5, 0, 95, 20};  // 90 wide
  auto plain = LayoutHeaderCaption(area, "Name", taLeftJustify, -1, width);
  EXPECT_EQ(plain.Text, "Name");
  EXPECT_EQ(plain.TextX, 5);
  EXPECT_EQ(LayoutHeaderCaption(area, "Name", taRightJustify, -1, width).TextX, 95 - 24);
  EXPECT_EQ(LayoutHeaderCaption(area, "Name", taCenter, -1, width).TextX, 5 + 45 - 12);
  // With a 16-pixel image and a right-aligned caption that fits, both go right.
  auto right = LayoutHeaderCaption(area, "Size", taRightJustify, 16, width);
  EXPECT_EQ(right.ImageX, 95 - 24 - 16 - 10);
  EXPECT_EQ(right.TextX, right.ImageX + 26);
  // Too wide: shortened by whole characters, the image back at the left edge.
  auto cut = LayoutHeaderCaption(area, "修改时间和日期", taRightJustify, 16, width);
  EXPECT_EQ(cut.Text, "修改时...");  // 64 pixels of room: three characters and the dots
  EXPECT_EQ(cut.ImageX, 5);
  EXPECT_EQ(cut.TextX, 31);
}

TEST(SkinListView, HookedHeaderIsWiderPaintsAndShowsPresses) {
  TListForm f(vsReport);
  f.List->AddColumn("Name", 100, taLeftJustify);
  f.List->AddColumn("Size", 80, taRightJustify);
  f.List->SetItemCount(3);
  f.List->SetBounds(0, 0, 300, 200);
  HWND header = reinterpret_cast<HWND>(SendMessageW(f.Wnd(), LVM_GETHEADER, 0, 0));
  ASSERT_EQ(f.List->HookedHeader(), header);
  RECT hr;
  GetWindowRect(header, &hr);
  EXPECT_EQ(hr.right - hr.left, 304);  // 4 pixels more than the list gives it
  int h = hr.bottom - hr.top;

  auto pixelsOf = [&](int x, int y) {
    auto b = std::make_unique<TBitmap>(310, h);
    SendMessageW(f.Wnd(), 45512, reinterpret_cast<WPARAM>(b->DC()), 0);
    EXPECT_NE(GetObjectType(b->DC()), 0u);  // the caller's dc is still there
    return PixelAt(*b, x, y);
  };
  TColor face = static_cast<TColor>(ColorToRGB(clBtnFace));
  TColor shadow = static_cast<TColor>(ColorToRGB(clBtnShadow));
  EXPECT_EQ(pixelsOf(0, 0), shadow);   // plain section frame
  EXPECT_EQ(pixelsOf(2, h - 2), face);
  EXPECT_EQ(pixelsOf(250, 1), face);   // the rest of the header
  EXPECT_EQ(pixelsOf(250, 0), shadow);

  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(40, h / 2));
  EXPECT_EQ(f.List->PressedSection(), 0);
  EXPECT_EQ(pixelsOf(0, 0), 0x800000);
  EXPECT_EQ(pixelsOf(2, h - 2), 11899781);
  SendMessageW(header, WM_LBUTTONUP, 0, PointParam(40, h / 2));
  EXPECT_EQ(f.List->PressedSection(), -1);
  // On the divider the press starts a column resize: no section looks pressed.
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(99, h / 2));
  EXPECT_EQ(f.List->PressedSection(), -1);
  SendMessageW(header, WM_LBUTTONUP, 0, PointParam(99, h / 2));
}
