// The list box's scroll bar: where its parts lie, how the position follows its
// setters, the thumb and the buttons, and its plain look.
#include <gtest/gtest.h>

#include <cstdlib>

#include "SkinControlTestSupport.h"
#include "skin/controls/sfPlainDraw.h"
#include "skin/controls/sfSkinScrollBar.h"
#include "ui/Bitmap.h"

namespace {

TsfScrollBarMetrics Metrics(int position, int page, TScrollBarKind kind = sbHorizontal) {
  TsfScrollBarMetrics m;
  m.Kind = kind;
  m.Position = position;
  m.PageSize = page;
  return m;
}

// Puts the real pointer back where it was, and lets its moves arrive, so that no
// later test gets them.
struct TPointerGuard {
  POINT Saved{};
  TPointerGuard() { GetCursorPos(&Saved); }
  ~TPointerGuard() {
    SetCursorPos(Saved.x, Saved.y);
    PumpUntil([] { return false; }, 100);
  }
};

struct TBarForm {
  std::unique_ptr<TForm> Form = MakeForm();
  TsfSkinScrollBar* Bar;
  int Changes = 0;
  TBarForm() {
    Form->SetClientWidth(300);
    Form->SetClientHeight(100);
    Bar = new TsfSkinScrollBar(Form.get());
    Bar->SetParent(Form.get());
    Bar->OnChange = [this](TObject*) { ++Changes; };
    Form->Show();
  }
  void Send(unsigned msg, WPARAM keys, int x, int y) {
    SendMessageW(Bar->Handle(), msg, keys, PointParam(x, y));
  }
  // The real pointer too: the platform reports it to the window holding the mouse.
  void PointAt(int x, int y) {
    POINT p{x, y};
    ClientToScreen(Bar->Handle(), &p);
    SetCursorPos(p.x, p.y);
    Send(WM_MOUSEMOVE, 0, x, y);
  }
};

}  // namespace

TEST(ListBoxScrollBarLayout, PlainHorizontalBarWithAndWithoutAPage) {
  TsfScrollBarLayout l = PlainScrollBarLayout(Metrics(50, 0), 200, 19, 0);
  EXPECT_EQ(l.Track, TRect(17, 1, 183, 18));
  EXPECT_EQ(l.Parts[sfsbLowButton], TRect(1, 1, 17, 18));
  EXPECT_EQ(l.Parts[sfsbHighButton], TRect(183, 1, 199, 18));
  EXPECT_EQ(l.Parts[sfsbThumb], TRect(92, 1, 108, 18));
  l = PlainScrollBarLayout(Metrics(50, 10), 200, 19, 0);
  EXPECT_EQ(l.Parts[sfsbThumb], TRect(99, 1, 115, 18));
  // A corner shared with a second bar keeps its marker free.
  l = PlainScrollBarLayout(Metrics(0, 0), 200, 19, 19);
  EXPECT_EQ(l.Parts[sfsbHighButton], TRect(164, 1, 180, 18));
}

TEST(ListBoxScrollBarLayout, PagedVerticalBarAndThumbDraggedToTheEnds) {
  TsfScrollBarMetrics m = Metrics(0, 10, sbVertical);
  m.Max = 29;
  TsfScrollBarLayout l = PlainScrollBarLayout(m, 19, 202, 0);
  EXPECT_EQ(l.Track, TRect(1, 17, 18, 185));
  int length = l.Parts[sfsbThumb].Height();
  EXPECT_EQ(length, 56);  // round (168 x 10 / 30)
  EXPECT_EQ(ScrollPositionFromOffset(m, l, 10000), 20);  // Max - PageSize + 1
  EXPECT_EQ(ScrollPositionFromOffset(m, l, -50), 0);
  m.PageSize = 0;
  l = PlainScrollBarLayout(m, 19, 202, 0);
  EXPECT_EQ(ScrollPositionFromOffset(m, l, 10000), 29);
}

TEST(ListBoxScrollBarLayout, SkinnedVerticalBarMovesOnlyThePartsBelowItsFixedTop) {
  TsfScrollBarSkin s;
  s.SkinRect = {0, 0, 17, 68};
  s.LBPoint = {8, 45};
  s.TrackArea = {1, 18, 16, 50};
  s.DownButton = {1, 1, 16, 17};
  s.UpButton = {1, 51, 16, 67};
  s.Thumb = {20, 0, 35, 30};
  TsfScrollBarLayout l = SkinScrollBarLayout(Metrics(0, 0, sbVertical), s, 17, 412);
  EXPECT_EQ(l.Track, TRect(1, 18, 16, 394));
  EXPECT_EQ(l.Parts[sfsbLowButton], TRect(1, 1, 16, 17));
  EXPECT_EQ(l.Parts[sfsbHighButton], TRect(1, 395, 16, 411));
  EXPECT_EQ(l.Parts[sfsbThumb], TRect(1, 18, 16, 48));
}

TEST(ListBoxScrollBar, PositionIsClampedAndOnlyChangesAreReported) {
  TBarForm f;
  f.Bar->SetPosition(200);
  EXPECT_EQ(f.Bar->Position(), 100);
  f.Bar->SetPosition(100);
  EXPECT_EQ(f.Changes, 1);
  f.Bar->SetRange(0, 30, 10, 25);  // no event, clamped to Max - PageSize + 1
  EXPECT_EQ(f.Bar->Position(), 21);
  EXPECT_EQ(f.Changes, 1);
  f.Bar->SetPageSize(40);  // does not fit: refused
  EXPECT_EQ(f.Bar->PageSize(), 10);
}

// A focused bar steps by its small change per wheel notch; parts of a notch (a
// touch pad) add up first, and turning the other way drops what was left.
TEST(ListBoxScrollBar, WheelPartsAddUpToWholeNotches) {
  TBarForm f;
  f.Bar->SetCanFocused(true);
  f.Bar->SetSmallChange(2);
  f.Bar->SetFocus();
  ASSERT_TRUE(f.Bar->Focused());
  auto wheel = [&](int delta, int times) {
    for (int i = 0; i < times; ++i) f.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0, 0);
    return f.Bar->Position();
  };
  EXPECT_EQ(wheel(-30, 1), 0);
  EXPECT_EQ(wheel(-30, 3), 2);
  EXPECT_EQ(wheel(-30, 40), 22);  // as ten notches would
  EXPECT_EQ(wheel(-WHEEL_DELTA, 1), 24);
  EXPECT_EQ(wheel(-90, 1), 24);
  EXPECT_EQ(wheel(60, 1), 24);  // the other way: the 90 down is dropped
  EXPECT_EQ(wheel(60, 1), 22);
  EXPECT_EQ(wheel(2 * WHEEL_DELTA, 1), 18);
}

// The effect list's bar: 769 rows, 19 on a page, 400 pixels tall. Most single
// steps leave the thumb where it was; those must not cost a paint.
TEST(ListBoxScrollBar, AsksForAPaintOnlyWhenThumbMoves) {
  TBarForm f;
  f.Bar->SetKind(sbVertical);
  f.Bar->SetBounds(0, 0, 17, 400);
  f.Bar->SetRange(0, 768, 19, 0);
  HWND bar = f.Bar->Handle();
  int moved = 0, still = 0;
  for (int position = 1; position <= 12; ++position) {
    UpdateWindow(bar);
    ASSERT_FALSE(GetUpdateRect(bar, nullptr, FALSE));
    const TRect before = f.Bar->Layout().Parts[sfsbThumb];
    f.Bar->SetPosition(position);
    const bool thumbMoved = f.Bar->Layout().Parts[sfsbThumb] != before;
    (thumbMoved ? moved : still)++;
    EXPECT_EQ(GetUpdateRect(bar, nullptr, FALSE) != FALSE, thumbMoved) << "position " << position;
  }
  EXPECT_GT(moved, 0);
  EXPECT_GT(still, 0);
  // A new range that moves the thumb is painted.
  UpdateWindow(bar);
  f.Bar->SetRange(0, 40, 19, 12);
  EXPECT_TRUE(GetUpdateRect(bar, nullptr, FALSE));
}

TEST(ListBoxScrollBar, HeldButtonRepeatsAfterADelayAndRightButtonDoesNothing) {
  TPointerGuard pointer;
  TBarForm f;
  int downs = 0;
  f.Bar->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
  f.Send(WM_RBUTTONDOWN, MK_RBUTTON, 190, 9);
  f.Send(WM_RBUTTONUP, 0, 190, 9);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(f.Bar->Position(), 0);

  f.PointAt(190, 9);
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 190, 9);
  EXPECT_EQ(f.Bar->Position(), 1);
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(f.Bar->Position(), 1);  // still inside the first delay
  EXPECT_TRUE(PumpUntil([&] { return f.Bar->Position() >= 4; }));
  f.Send(WM_LBUTTONUP, 0, 190, 9);
  int released = f.Bar->Position();
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(f.Bar->Position(), released);
}

// A held arrow whose release never comes (the capture went to another window, the
// press was cancelled, the bar disabled or hidden) stops as a release would.
TEST(ListBoxScrollBar, LostCaptureCancelDisableAndHideStopTheRepeat) {
  TPointerGuard pointer;
  for (int way = 0; way < 4; ++way) {
    SCOPED_TRACE(way);
    TBarForm f;
    f.PointAt(190, 9);
    f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 190, 9);
    ASSERT_EQ(f.Bar->Position(), 1);
    switch (way) {
      case 0: SetCapture(f.Form->Handle()); break;
      case 1: SendMessageW(f.Bar->Handle(), WM_CANCELMODE, 0, 0); break;
      case 2: EnableWindow(f.Bar->Handle(), FALSE); break;
      case 3: ShowWindow(f.Bar->Handle(), SW_HIDE); break;
    }
    PumpUntil([] { return false; }, 800);
    EXPECT_EQ(f.Bar->Position(), 1);
    ReleaseCapture();
  }
}

// The thumb follows the mouse from where it was taken: with 30 items, 19 in view
// and the thumb at top index 5, a one-pixel move stays at 5 or next to it.
TEST(ListBoxScrollBar, DraggedThumbMovesFromWhereItWasTaken) {
  TBarForm f;
  f.Bar->SetKind(sbVertical);
  f.Bar->SetBounds(0, 0, 19, 404);
  f.Bar->SetRange(0, 29, 19, 5);
  TRect thumb = f.Bar->Layout().Parts[sfsbThumb];
  int x = thumb.Left + 5, y = thumb.Top + 5;
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
  f.Send(WM_MOUSEMOVE, MK_LBUTTON, x, y + 1);
  EXPECT_LE(std::abs(f.Bar->Position() - 5), 1);
  f.Send(WM_MOUSEMOVE, MK_LBUTTON, x, 10000);
  EXPECT_EQ(f.Bar->Position(), 11);  // 29 - 19 + 1
  f.Send(WM_LBUTTONUP, 0, x, 10000);
}

TEST(ListBoxScrollBar, PressInTheTrackPagesTowardsThePointer) {
  TBarForm f;
  f.Bar->SetLargeChange(10);
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 150, 9);
  EXPECT_EQ(f.Bar->Position(), 10);
  f.Send(WM_LBUTTONUP, 0, 150, 9);
  f.Bar->SetPosition(90);
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 30, 9);
  EXPECT_EQ(f.Bar->Position(), 80);
  f.Send(WM_LBUTTONUP, 0, 30, 9);
}

TEST(ListBoxScrollBar, PlainHotAndPressedButtonFaces) {
  TBarForm f;
  auto pixel = [&](int x, int y) {
    TBitmap image(f.Bar->Width(), f.Bar->Height());
    f.Bar->PaintTo(image.DC());
    return image.Canvas().Pixel(x, y);
  };
  const std::uint32_t face = ColorToRGB(clBtnFace);
  EXPECT_EQ(pixel(190, 4), face);
  f.Send(WM_MOUSEMOVE, 0, 190, 9);
  EXPECT_EQ(pixel(183, 9), static_cast<std::uint32_t>(kPlainFrameColor));
  EXPECT_EQ(pixel(190, 4), static_cast<std::uint32_t>(kPlainHotColor));
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 190, 9);
  EXPECT_EQ(pixel(190, 4), static_cast<std::uint32_t>(kPlainDownColor));
  f.Send(WM_LBUTTONUP, 0, 190, 9);
  EXPECT_EQ(pixel(190, 4), static_cast<std::uint32_t>(kPlainHotColor));
}
