// The effect list in our skin: the bar's parts at several ranges and its painted
// thumb, the items' size and pictures, the visible count and the bar that follows
// it; columns, the caption strip's buttons and item images.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "SkinControlTestSupport.h"
#include "TestSkin.h"
#include "skin/controls/sfSkinListBox.h"
#include "skin/controls/sfSkinScrollBar.h"
#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfSkinData.h"
#include "ui/Bitmap.h"
#include "ui/ImageList.h"

namespace {

// Exposes the item painters.
class TProbeListBox : public TsfSkinListBox {
 public:
  using TsfSkinListBox::TsfSkinListBox;
  using TsfSkinListBox::DrawSkinItem;
};

struct TOurSkinForm {
  std::unique_ptr<TForm> Form = MakeForm();
  TsfSkinData* Data = new TsfSkinData(Form.get());
  TProbeListBox* List;
  std::vector<int> Clicks;

  // The effect list's size in the main window: its items get 404 pixels.
  explicit TOurSkinForm(int width = 178, int height = 408) {
    TsfCompressedStoredSkin stored(nullptr);
    stored.BuildFromIniFile(OurSkinIni());
    Data->LoadStoredSkin(stored);
    Form->SetClientWidth(400);
    Form->SetClientHeight(450);
    List = new TProbeListBox(Form.get());
    List->SetBounds(10, 10, width, height);
    List->SetParent(Form.get());
    List->SetSkinData(Data);
    List->OnListBoxClick = [this](TObject*) { Clicks.push_back(List->ItemIndex()); };
    Form->Show();
  }
  void Fill(int n) {
    for (int i = 0; i < n; ++i) List->Items().Add("特效" + std::to_string(i));
  }
  TBitmap& Picture() { return *Data->ActivePictures(4); }
  TColor PicturePixel(int x, int y) { return PixelAt(Picture(), x, y); }
  void SendBar(unsigned msg, WPARAM keys, int x, int y) {
    SendMessageW(List->VScrollBar()->Handle(), msg, keys, PointParam(x, y));
  }
};

TsfScrollBarLayout BarAt(TsfSkinScrollBar& bar, int min, int max, int page, int position) {
  bar.SetRange(min, max, page, position);
  return bar.Layout();
}

}  // namespace

TEST(ListBoxOurSkin, ItemsAre21HighAnd19OutOf30ShowWithAPagedBar) {
  TOurSkinForm f;
  EXPECT_EQ(f.List->ItemHeight(), 21);
  EXPECT_EQ(f.List->ListBox().Height(), 404);
  f.Fill(19);
  EXPECT_EQ(f.List->VScrollBar(), nullptr);
  f.Fill(11);
  TsfSkinScrollBar* bar = f.List->VScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Min(), 0);
  EXPECT_EQ(bar->Max(), 29);
  EXPECT_EQ(bar->PageSize(), 19);
  EXPECT_EQ(bar->LargeChange(), 19);
  // The bar wears vscrollbar inside the frame's client area, the items beside it.
  EXPECT_EQ(bar->Width(), 17);
  EXPECT_EQ(bar->Left() + bar->Width(), 176);
  EXPECT_EQ(f.List->ListBox().Width(), 174 - 17);

  f.List->SetTopIndex(5);
  EXPECT_EQ(bar->Position(), 5);
  f.List->Clear();
  EXPECT_EQ(f.List->VScrollBar(), nullptr);
  EXPECT_EQ(f.List->ListBox().Width(), 174);
}

// From vscrollbar: track 18 .. height - 18, thumb image 13 x 20 (its minimum).
TEST(ListBoxOurSkin, BarPartsAtSeveralRangesAndPages) {
  TOurSkinForm f;
  f.Fill(30);
  TsfSkinScrollBar& bar = *f.List->VScrollBar();
  bar.SetBounds(bar.Left(), bar.Top(), 17, 412);
  TsfScrollBarLayout l = BarAt(bar, 0, 29, 19, 0);
  EXPECT_EQ(l.Track, TRect(1, 18, 16, 394));
  EXPECT_EQ(l.Parts[sfsbLowButton], TRect(1, 1, 16, 17));
  EXPECT_EQ(l.Parts[sfsbHighButton], TRect(1, 395, 16, 411));
  EXPECT_EQ(l.Parts[sfsbThumb], TRect(2, 18, 15, 256));  // 376 x 19 / 30 = 238
  EXPECT_EQ(BarAt(bar, 0, 29, 19, 11).Parts[sfsbThumb], TRect(2, 156, 15, 394));
  // 770 effects: the page would be 9 pixels; the thumb keeps its image's 20.
  EXPECT_EQ(BarAt(bar, 0, 769, 19, 0).Parts[sfsbThumb], TRect(2, 18, 15, 38));
  EXPECT_EQ(BarAt(bar, 0, 769, 19, 751).Parts[sfsbThumb], TRect(2, 374, 15, 394));
  // Without a page the thumb is its image, halfway for the middle position.
  EXPECT_EQ(BarAt(bar, 0, 100, 0, 50).Parts[sfsbThumb], TRect(2, 196, 15, 216));
}

// The paged thumb is its picture in three parts: 5 rows kept at each end, the
// middle rows repeated, the glyph in the middle.
TEST(ListBoxOurSkin, PagedThumbIsItsPictureInThreeParts) {
  TOurSkinForm f;
  f.Fill(30);
  TsfSkinScrollBar& bar = *f.List->VScrollBar();
  TRect t = BarAt(bar, 0, 29, 19, 0).Parts[sfsbThumb];
  TBitmap image(bar.Width(), bar.Height());
  bar.PaintTo(image.Canvas().Handle());
  const TRect thumb{494, 197, 507, 217};
  EXPECT_EQ(PixelAt(image, t.Left + 6, t.Top + 1), f.PicturePixel(thumb.Left + 6, thumb.Top + 1));
  EXPECT_EQ(PixelAt(image, t.Left + 6, t.Bottom - 2), f.PicturePixel(thumb.Left + 6, thumb.Bottom - 2));
  EXPECT_EQ(PixelAt(image, t.Left, t.Top + 40), f.PicturePixel(thumb.Left, thumb.Top + 10));
  EXPECT_EQ(PixelAt(image, t.Left + 6, t.Top + 40), f.PicturePixel(thumb.Left + 6, thumb.Top + 10));
  // The glyph's own colour shows at the thumb's centre.
  int cx = t.Left + 6, cy = (t.Top + t.Bottom) / 2;
  bool glyph = false;
  for (int dy = -3; dy <= 3 && !glyph; ++dy)
    glyph = PixelAt(image, cx, cy + dy) != f.PicturePixel(thumb.Left + 6, thumb.Top + 10);
  EXPECT_TRUE(glyph);
}

// The thumb's picture is kept between paints; a moved thumb still shows it, and a
// skin applied again with new pictures in the same bitmap shows the new ones.
TEST(ListBoxOurSkin, KeptThumbPictureFollowsMovesAndNewSkins) {
  TOurSkinForm f;
  f.Fill(30);
  TsfSkinScrollBar& bar = *f.List->VScrollBar();
  const TRect thumb{494, 197, 507, 217};
  TBitmap image(bar.Width(), bar.Height());
  TRect t = BarAt(bar, 0, 29, 19, 0).Parts[sfsbThumb];
  bar.PaintTo(image.Canvas().Handle());
  t = BarAt(bar, 0, 29, 19, 11).Parts[sfsbThumb];
  bar.PaintTo(image.Canvas().Handle());
  EXPECT_EQ(PixelAt(image, t.Left + 6, t.Top + 1), f.PicturePixel(thumb.Left + 6, thumb.Top + 1));
  const TColor painted = 0x123456;
  SetPixel(f.Picture().Canvas().Handle(), thumb.Left + 6, thumb.Top + 1, painted);
  bar.ApplySkin();
  bar.PaintTo(image.Canvas().Handle());
  EXPECT_EQ(PixelAt(image, t.Left + 6, t.Top + 1), painted);
}

TEST(ListBoxOurSkin, ItemsArePaintedFromTheItemPictures) {
  TOurSkinForm f;
  f.Fill(3);
  int w = f.List->ListBox().Width();
  struct {
    TOwnerDrawState State;
    int PictureTop;
  } cases[] = {{0, 0}, {odSelected, 21}, {odSelected | odFocused, 42}};
  for (const auto& c : cases) {
    TBitmap item(w, 21);
    f.List->DrawSkinItem(item, 1, c.State);
    // Ends kept (4 columns each), the middle repeated from column 4.
    EXPECT_EQ(PixelAt(item, 0, 10), f.PicturePixel(18, c.PictureTop + 10)) << c.State;
    EXPECT_EQ(PixelAt(item, w - 1, 10), f.PicturePixel(57, c.PictureTop + 10)) << c.State;
    EXPECT_EQ(PixelAt(item, w - 4, 0), f.PicturePixel(54, c.PictureTop)) << c.State;
    int x = w - 20;
    EXPECT_EQ(PixelAt(item, x, 20), f.PicturePixel(18 + 4 + (x - 4) % 32, c.PictureTop + 20)) << c.State;
  }
  // The three looks differ, and the text takes the state's colour.
  EXPECT_NE(f.PicturePixel(30, 10), f.PicturePixel(30, 31));
  auto hasColour = [](TBitmap& b, TColor colour) {
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < 60; ++x)
        if (PixelAt(b, x, y) == colour) return true;
    return false;
  };
  TBitmap normal(w, 21), focused(w, 21);
  f.List->SetUseSkinFont(true);
  f.List->DrawSkinItem(normal, 1, 0);
  f.List->DrawSkinItem(focused, 1, odSelected | odFocused);
  EXPECT_TRUE(hasColour(normal, 3153948));
  EXPECT_TRUE(hasColour(focused, 3938836));
}

// A paint covering part of the list draws exactly the rows it touches, counted
// from the top row, and leaves the others alone.
TEST(ListBoxOurSkin, PaintDrawsOnlyTheRowsUnderTheArea) {
  TOurSkinForm f;
  f.Fill(30);
  f.List->SetTopIndex(5);
  std::vector<int> drawn;
  f.List->OnDrawItem = [&](TObject*, TCanvas&, int index, int, int, TRect, TOwnerDrawState) {
    drawn.push_back(index);
  };
  HWND list = f.List->ListBox().Handle();
  UpdateWindow(list);
  drawn.clear();
  // Rows 2 and 3 from the top (21 pixels each), touched by one pixel each.
  RECT rows{0, 2 * 21 + 20, 50, 3 * 21 + 1};
  InvalidateRect(list, &rows, FALSE);
  UpdateWindow(list);
  EXPECT_EQ(drawn, (std::vector<int>{7, 8}));
  drawn.clear();
  // The last whole row and the part row below it.
  RECT bottom{0, 18 * 21, 50, 404};
  InvalidateRect(list, &bottom, FALSE);
  UpdateWindow(list);
  EXPECT_EQ(drawn, (std::vector<int>{23, 24}));
}

TEST(ListBoxOurSkin, WithoutTheSkinItemHeightItemsAreRescaledKeepingTheirBorder) {
  TOurSkinForm f;
  f.List->SetUseSkinItemHeight(false);
  f.List->SetDefaultItemHeight(30);
  EXPECT_EQ(f.List->ItemHeight(), 30);
  f.Fill(2);
  TBitmap item(100, 30);
  f.List->DrawSkinItem(item, 0, odSelected);
  EXPECT_EQ(PixelAt(item, 0, 0), f.PicturePixel(18, 21));
  EXPECT_EQ(PixelAt(item, 0, 29), f.PicturePixel(18, 41));
  EXPECT_EQ(PixelAt(item, 99, 29), f.PicturePixel(57, 41));
  EXPECT_EQ(PixelAt(item, 99, 0), f.PicturePixel(57, 21));
  f.List->SetUseSkinItemHeight(true);
  EXPECT_EQ(f.List->ItemHeight(), 21);
}

// A definition without an item picture leaves the item height as it was, and the
// visible count is still a number.
TEST(ListBoxOurSkin, DefinitionWithoutItemPictureKeepsTheItemHeight) {
  auto form = MakeForm();
  auto* data = new TsfSkinData(form.get());
  LoadTestSkin(*data, "listbox:listbox\n",
               "[listbox]\npictureindex=0\nskinrect=0,0,40,40\nlefttoppoint=4,4\nrighttoppoint=36,4\n"
               "leftbottompoint=4,36\nrightbottompoint=36,36\nclientrect=2,2,38,38\n");
  auto* list = new TsfSkinListBox(form.get());
  list->SetBounds(0, 0, 120, 104);
  list->SetParent(form.get());
  list->SetSkinData(data);
  form->Show();
  ASSERT_TRUE(list->Skinned());
  EXPECT_EQ(list->ItemHeight(), 20);
  for (int i = 0; i < 8; ++i) list->Items().Add("x");
  ASSERT_NE(list->VScrollBar(), nullptr);
  EXPECT_EQ(list->VScrollBar()->PageSize(), 5);
}

// With 30 items, 19 in view and the list at top index 5, taking the thumb and
// moving it one pixel keeps index 5; at the far end the last item is at the bottom.
TEST(ListBoxOurSkin, DraggedThumbStaysWhereItWasTaken) {
  TOurSkinForm f;
  f.Fill(30);
  f.List->SetTopIndex(5);
  TsfSkinScrollBar& bar = *f.List->VScrollBar();
  TRect t = bar.Layout().Parts[sfsbThumb];
  int x = t.Left + 3, y = t.Top + 3;
  f.SendBar(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
  f.SendBar(WM_MOUSEMOVE, MK_LBUTTON, x, y + 1);
  EXPECT_EQ(bar.Position(), 5);
  EXPECT_EQ(f.List->TopIndex(), 5);
  f.SendBar(WM_MOUSEMOVE, MK_LBUTTON, x, y - 1);
  EXPECT_EQ(f.List->TopIndex(), 5);
  f.SendBar(WM_MOUSEMOVE, MK_LBUTTON, x, 5000);
  EXPECT_EQ(f.List->TopIndex(), 11);
  f.SendBar(WM_LBUTTONUP, 0, x, 5000);
  EXPECT_TRUE(f.Clicks.empty());
}

TEST(ListBoxColumns, ItemsRunDownThenAcrossAndTheBarCountsColumns) {
  auto form = MakeForm();
  auto* list = new TsfSkinListBox(form.get());
  list->SetBounds(0, 0, 304, 104);  // plain: the items get 300 x 100, 5 rows
  list->SetParent(form.get());
  std::vector<int> clicks;
  list->OnListBoxClick = [&](TObject*) { clicks.push_back(list->ItemIndex()); };
  form->Show();
  for (int i = 0; i < 30; ++i) list->Items().Add("item " + std::to_string(i));
  list->SetColumns(3);
  TsfListBox& inner = list->ListBox();
  TsfSkinScrollBar* bar = list->VScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Kind(), sbHorizontal);
  EXPECT_EQ(bar->Top(), 104 - 20);
  EXPECT_EQ(inner.Height(), 82);  // 4 whole rows of 20 now
  int rows = inner.WholeRows();
  ASSERT_EQ(rows, 4);
  EXPECT_EQ(inner.ItemRect(5), TRect(100, 20, 200, 40));
  EXPECT_EQ(bar->Max(), 7);  // 30 items in 8 columns of 4
  EXPECT_EQ(bar->PageSize(), 3);
  // A click in the second column chooses from it.
  SendMessageW(inner.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(150, 30));
  SendMessageW(inner.Handle(), WM_LBUTTONUP, 0, PointParam(150, 30));
  EXPECT_EQ(list->ItemIndex(), 5);
  EXPECT_EQ(clicks, std::vector<int>{5});
  // The bar scrolls a column at a time.
  bar->SetPosition(2);
  EXPECT_EQ(inner.TopIndex(), 8);
  EXPECT_EQ(inner.ItemAtPos({10, 10}, true), 8);
  bar->SetPosition(100);
  EXPECT_EQ(bar->Position(), 5);
  list->SetColumns(0);
  ASSERT_NE(list->VScrollBar(), nullptr);
  EXPECT_EQ(list->VScrollBar()->Kind(), sbVertical);
  EXPECT_EQ(clicks.size(), 1u);
}

TEST(ListBoxImages, ImageBeforeEachItemAndTheTextAfterIt) {
  auto form = MakeForm();
  auto* images = new TImageList(form.get(), 8, 8);
  for (TColor c : {clRed, clBlue}) {
    TBitmap b(8, 8);
    b.Canvas().Brush().SetColor(c);
    b.Canvas().FillRect({0, 0, 8, 8});
    images->Add(b);
  }
  auto* list = new TProbeListBox(form.get());
  list->SetBounds(0, 0, 120, 104);
  list->SetParent(form.get());
  list->SetImages(images);
  form->Show();
  list->Items().Add("a");
  list->Items().Add("b");
  auto colourAt = [&](int index, int x, int y) {
    RedrawWindow(list->ListBox().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(list->ListBox().Handle());
    COLORREF c = GetPixel(dc, x, index * 20 + y);
    ReleaseDC(list->ListBox().Handle(), dc);
    return static_cast<TColor>(c);
  };
  // Each item shows its own image unless ImageIndex names one.
  EXPECT_EQ(colourAt(0, 3, 7), clRed);
  EXPECT_EQ(colourAt(1, 3, 7), clBlue);
  list->SetImageIndex(0);
  EXPECT_EQ(colourAt(1, 3, 7), clRed);
  delete images;
  EXPECT_EQ(list->Images(), nullptr);
  EXPECT_EQ(colourAt(1, 3, 7), static_cast<TColor>(GetSysColor(COLOR_WINDOW)));
}

namespace {

struct TCaptionForm {
  std::unique_ptr<TForm> Form = MakeForm();
  TsfSkinListBox* List;
  TCaptionForm() {
    List = new TsfSkinListBox(Form.get());
    List->SetBounds(0, 0, 190, 200);
    List->SetParent(Form.get());
    List->SetCaptionMode(true);
    List->SetCaption("特效");
    Form->Show();
    for (int i = 0; i < 40; ++i) List->Items().Add(std::to_string(i));
  }
  TPoint Centre(int button) {
    TRect r = List->CaptionLayout().Buttons[button];
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // The real pointer goes there too: its own moves reach the window during a pump.
  void Send(unsigned msg, WPARAM keys, TPoint p) {
    POINT s{p.x, p.y};
    ClientToScreen(List->Handle(), &s);
    SetCursorPos(s.x, s.y);
    SendMessageW(List->Handle(), msg, keys, PointParam(p.x, p.y));
  }
  ~TCaptionForm() {
    SetCursorPos(Saved.x, Saved.y);
    PumpUntil([] { return false; }, 50);
  }
  POINT Saved = [] {
    POINT p{};
    GetCursorPos(&p);
    return p;
  }();
};

}  // namespace

TEST(ListBoxCaption, PlainButtonsSitAtTheRightEndOfTheStrip) {
  TCaptionForm f;
  TsfListCaptionLayout l = f.List->CaptionLayout();
  EXPECT_EQ(l.Buttons[sflcUp], TRect(171, 2, 188, 19));
  EXPECT_EQ(l.Buttons[sflcDown], TRect(154, 2, 171, 19));
  EXPECT_EQ(l.Buttons[sflcCheck], TRect(137, 2, 154, 19));
  EXPECT_EQ(f.List->ListBox().Top(), 21);
}

TEST(ListBoxCaption, HeldDownButtonRepeatsAfter600msThenEvery100ms) {
  TCaptionForm f;
  std::vector<int> clicks;
  f.List->OnListBoxClick = [&](TObject*) { clicks.push_back(f.List->ItemIndex()); };
  f.List->SetItemIndex(0);
  TPoint down = f.Centre(sflcDown);
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, down);
  EXPECT_EQ(f.List->CaptionButtons().Pressed(), sflcDown);
  PumpUntil([] { return false; }, 500);
  EXPECT_EQ(f.List->ItemIndex(), 0);  // nothing before 600 ms
  PumpUntil([] { return false; }, 450);
  int held = f.List->ItemIndex();
  EXPECT_GE(held, 2);  // 600, 700, 800, 900 ms
  EXPECT_LE(held, 5);
  // Off the button the repeat pauses.
  f.Send(WM_MOUSEMOVE, MK_LBUTTON, {5, 100});
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(f.List->ItemIndex(), held);
  f.Send(WM_MOUSEMOVE, MK_LBUTTON, down);
  f.Send(WM_LBUTTONUP, 0, down);
  EXPECT_EQ(f.List->ItemIndex(), held + 1);  // the release steps once more
  EXPECT_EQ(f.List->CaptionButtons().Pressed(), sflcNone);
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(f.List->ItemIndex(), held + 1);
  // The up button stops at the first item; the check button clicks the list.
  f.List->SetItemIndex(0);
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, f.Centre(sflcUp));
  f.Send(WM_LBUTTONUP, 0, f.Centre(sflcUp));
  EXPECT_EQ(f.List->ItemIndex(), 0);
  EXPECT_TRUE(clicks.empty());
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, f.Centre(sflcCheck));
  f.Send(WM_LBUTTONUP, 0, f.Centre(sflcCheck));
  EXPECT_EQ(clicks, std::vector<int>{0});
}

TEST(ListBoxCaption, ButtonEventsReplaceTheStepAndItsRepeat) {
  TCaptionForm f;
  int ups = 0, downs = 0, checks = 0;
  f.List->OnUpButtonClick = [&](TObject*) { ++ups; };
  f.List->OnDownButtonClick = [&](TObject*) { ++downs; };
  f.List->OnCheckButtonClick = [&](TObject*) { ++checks; };
  f.List->SetItemIndex(3);
  for (int b : {sflcUp, sflcDown, sflcCheck}) {
    f.Send(WM_LBUTTONDOWN, MK_LBUTTON, f.Centre(b));
    PumpUntil([] { return false; }, b == sflcDown ? 800 : 10);
    f.Send(WM_LBUTTONUP, 0, f.Centre(b));
  }
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(checks, 1);
  EXPECT_EQ(f.List->ItemIndex(), 3);
  // A release off the pressed button does nothing.
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, f.Centre(sflcUp));
  f.Send(WM_LBUTTONUP, 0, {5, 100});
  EXPECT_EQ(ups, 1);
}

TEST(ListBoxDrag, AutomaticDragIsOfferedToTheListAndEnds) {
  auto form = MakeForm();
  auto* list = new TsfSkinListBox(form.get());
  list->SetBounds(0, 0, 120, 104);
  list->SetParent(form.get());
  form->Show();
  for (int i = 0; i < 4; ++i) list->Items().Add(std::to_string(i));
  std::vector<std::string> log;
  list->OnListBoxStartDrag = [&](TObject*) { log.push_back("start"); };
  list->OnListBoxDragOver = [&](TObject*, TObject* source, int, int y, TDragState, bool& accept) {
    accept = source == list && y < 60;
  };
  list->OnListBoxDragDrop = [&](TObject*, TObject*, int, int y) { log.push_back("drop " + std::to_string(y)); };
  list->OnListBoxEndDrag = [&](TObject*, TObject* target, int, int) {
    log.push_back(target ? "end on list" : "end");
  };
  HWND inner = list->ListBox().Handle();
  auto drag = [&](int toY) {
    SendMessageW(inner, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 5));
    SendMessageW(inner, WM_MOUSEMOVE, MK_LBUTTON, PointParam(12, 7));  // not far enough
    SendMessageW(inner, WM_MOUSEMOVE, MK_LBUTTON, PointParam(10, toY));
    SendMessageW(inner, WM_LBUTTONUP, 0, PointParam(10, toY));
  };
  drag(50);
  EXPECT_TRUE(log.empty());  // manual by default
  list->SetListBoxDragMode(dmAutomatic);
  drag(50);
  drag(70);
  EXPECT_EQ(log, (std::vector<std::string>{"start", "drop 50", "end on list", "start", "end"}));
  EXPECT_FALSE(list->Dragging());
}
