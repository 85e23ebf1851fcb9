// Scrolling tool bars: the arrows in the non-client area, their hit codes and looks,
// stepping by clicks and by the timer, the range following the tool bar's width,
// and the skinned bar's middle-only image while the arrows show; the bar's image
// lists.
#include <gtest/gtest.h>

#include "SkinControlTestSupport.h"
#include "TestSkin.h"
#include "skin/controls/sfPlainDraw.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinToolBar.h"
#include "ui/Bitmap.h"
#include "ui/ImageList.h"

namespace {

TColor Sys(TColor c) { return static_cast<TColor>(ColorToRGB(c)); }

// A 200-wide tool bar holding three 100-wide buttons side by side, so its children
// reach 300.
struct TScrollBar {
  std::unique_ptr<TForm> Form = MakeSizedForm(400, 200);
  TsfSkinToolBar* Bar = nullptr;
  TsfSkinSpeedButton* Buttons[3] = {};
  explicit TScrollBar(TsfSkinData* skin = nullptr) {
    Bar = new TsfSkinToolBar(Form.get());
    Bar->SetParent(Form.get());
    Bar->SetBounds(0, 0, 200, 30);
    if (skin) Bar->SetSkinData(skin);
    for (int i = 0; i < 3; ++i) {
      Buttons[i] = new TsfSkinSpeedButton(Bar);
      Buttons[i]->SetParent(Bar);
      Buttons[i]->SetBounds(i * 100, 2, 100, 20);
    }
    Form->Show();
    Bar->SetCanScroll(true);
  }
  LRESULT HitAt(int x, int y) {
    RECT w;
    GetWindowRect(Bar->Handle(), &w);
    return SendMessageW(Bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(w.left + x, w.top + y));
  }
  // The pointer really over an arrow, so that tracking it does not report a leave.
  void HoverArrow(int hit) {
    RECT w;
    GetWindowRect(Bar->Handle(), &w);
    SetCursorPos(hit == sfHitScrollLeft ? w.left + 5 : w.right - 5, w.top + 10);
    SendMessageW(Bar->Handle(), WM_NCMOUSEMOVE, static_cast<WPARAM>(hit), 0);
  }
  void Click(int hit) {
    SendMessageW(Bar->Handle(), WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), 0);
    SendMessageW(Bar->Handle(), WM_LBUTTONUP, 0, 0);
  }
  std::unique_ptr<TBitmap> Arrow(bool left) {
    auto b = std::make_unique<TBitmap>();
    Bar->DrawArrowImage(*b, left);
    return b;
  }
};

}  // namespace

TEST(ToolBarScroll, ChildrenWiderThanTheBarShowBothArrowsAndStepByTheClientWidth) {
  TScrollBar s;
  TsfSkinToolBar& bar = *s.Bar;
  ASSERT_TRUE(bar.ArrowsShown());
  EXPECT_EQ(bar.ClientWidth(), 176);  // 12 pixels of arrow on either side
  EXPECT_EQ(bar.ScrollMax(), 299);
  EXPECT_EQ(bar.ScrollPage(), 176);
  EXPECT_EQ(s.HitAt(5, 15), sfHitScrollLeft);
  EXPECT_EQ(s.HitAt(195, 15), sfHitScrollRight);
  EXPECT_EQ(s.HitAt(100, 15), HTCLIENT);

  // One step to the right: a client width, capped at maximum - page + 1 = 124.
  s.Click(sfHitScrollRight);
  EXPECT_EQ(bar.ScrollPosition(), 124);
  EXPECT_EQ(s.Buttons[0]->Left(), -124);
  EXPECT_EQ(s.Buttons[2]->Left(), 76);
  EXPECT_FALSE(bar.ArrowDown(false));
  EXPECT_EQ(bar.TimerMode(), 0);
  s.Click(sfHitScrollRight);  // already at the end
  EXPECT_EQ(bar.ScrollPosition(), 124);

  bar.SetScrollOffset(50);
  bar.SetScrollOffset(-5);  // ignored
  EXPECT_EQ(bar.ScrollOffset(), 50);
  s.Click(sfHitScrollLeft);
  EXPECT_EQ(bar.ScrollPosition(), 74);
  EXPECT_EQ(s.Buttons[0]->Left(), -74);
  s.Click(sfHitScrollLeft);
  s.Click(sfHitScrollLeft);  // never below 0
  EXPECT_EQ(bar.ScrollPosition(), 0);
  EXPECT_EQ(s.Buttons[0]->Left(), 0);

  // Scrolled, then widened until everything fits: back to 0 and no arrows.
  s.Click(sfHitScrollRight);
  bar.SetWidth(400);
  EXPECT_FALSE(bar.ArrowsShown());
  EXPECT_EQ(bar.ScrollPosition(), 0);
  EXPECT_EQ(bar.ClientWidth(), 400);
  EXPECT_EQ(s.Buttons[0]->Left(), 0);
  bar.SetWidth(200);
  EXPECT_TRUE(bar.ArrowsShown());
}

TEST(ToolBarScroll, AWiderBarScrollsBackByWhatItGrew) {
  TScrollBar s;
  TsfSkinToolBar& bar = *s.Bar;
  s.Click(sfHitScrollRight);
  ASSERT_EQ(bar.ScrollPosition(), 124);
  // 30 more pixels: the children's right edge (176) lies inside the new client
  // area (206), so they come back by the 30 pixels the bar grew.
  bar.SetWidth(230);
  EXPECT_TRUE(bar.ArrowsShown());
  EXPECT_EQ(bar.ScrollPosition(), 94);
  EXPECT_EQ(s.Buttons[0]->Left(), -94);
}

TEST(ToolBarScroll, ChildrenThatFitShowNoArrowsAndSettersIgnoreBadValues) {
  auto form = MakeSizedForm(400, 200);
  auto* bar = new TsfSkinToolBar(form.get());
  bar->SetParent(form.get());
  bar->SetBounds(0, 0, 200, 30);
  auto* button = new TsfSkinSpeedButton(bar);
  button->SetParent(bar);
  button->SetBounds(0, 2, 150, 20);
  form->Show();
  bar->SetCanScroll(true);
  EXPECT_FALSE(bar->ArrowsShown());
  EXPECT_EQ(bar->ClientWidth(), 200);
  bar->SetScrollTimerInterval(0);
  EXPECT_EQ(bar->ScrollTimerInterval(), 50);
  bar->SetScrollTimerInterval(-3);
  EXPECT_EQ(bar->ScrollTimerInterval(), 50);
}

TEST(ToolBarScroll, PlainArrowsShowHotAndPressedFaces) {
  TScrollBar s;
  TsfSkinToolBar& bar = *s.Bar;
  auto idle = s.Arrow(false);
  EXPECT_EQ(idle->Width(), 12);
  EXPECT_EQ(idle->Height(), 30);
  EXPECT_EQ(PixelAt(*idle, 0, 0), Sys(clBtnShadow));
  EXPECT_EQ(PixelAt(*idle, 2, 3), Sys(clBtnFace));
  // The right arrow's glyph: its widest column at x = centre + 2 - 3 spans 7 pixels.
  EXPECT_EQ(PixelAt(*idle, 5, 15), Sys(clBtnText));
  EXPECT_EQ(PixelAt(*idle, 5, 12), Sys(clBtnText));

  SendMessageW(bar.Handle(), WM_NCMOUSEMOVE, sfHitScrollRight, 0);
  EXPECT_TRUE(bar.ArrowHot(false));
  EXPECT_FALSE(bar.ArrowHot(true));
  EXPECT_EQ(bar.TimerMode(), 0);  // no HotScroll: hovering does not scroll
  auto hot = s.Arrow(false);
  EXPECT_EQ(PixelAt(*hot, 0, 0), TColor(0x800000));
  EXPECT_EQ(PixelAt(*hot, 2, 3), TColor(13811126));

  SendMessageW(bar.Handle(), WM_NCLBUTTONDOWN, sfHitScrollRight, 0);
  EXPECT_TRUE(bar.ArrowDown(false));
  EXPECT_EQ(bar.TimerMode(), 2);
  auto down = s.Arrow(false);
  EXPECT_EQ(PixelAt(*down, 0, 0), TColor(0x800000));
  EXPECT_EQ(PixelAt(*down, 2, 3), TColor(11899781));
  SendMessageW(bar.Handle(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(bar.ScrollPosition(), 124);

  // Back into the client area: nothing is hot any more.
  SendMessageW(bar.Handle(), WM_MOUSEMOVE, 0, PointParam(50, 10));
  EXPECT_FALSE(bar.ArrowHot(false));
  EXPECT_EQ(PixelAt(*s.Arrow(false), 2, 3), Sys(clBtnFace));
}

TEST(ToolBarScroll, HotScrollStepsOnTheTimerUntilTheEndAndStopsOnLeaving) {
  TScrollBar s;
  TsfSkinToolBar& bar = *s.Bar;
  bar.SetHotScroll(true);
  bar.SetScrollOffset(20);
  bar.SetScrollTimerInterval(10);
  s.HoverArrow(sfHitScrollRight);
  EXPECT_EQ(bar.TimerMode(), 2);
  // With HotScroll a hot arrow already wears the pressed face.
  EXPECT_EQ(PixelAt(*s.Arrow(false), 2, 3), TColor(11899781));
  ASSERT_TRUE(PumpUntil([&] { return bar.TimerMode() == 0; }));
  EXPECT_EQ(bar.ScrollPosition(), 124);  // stopped once a step changed nothing
  EXPECT_EQ(s.Buttons[0]->Left(), -124);

  s.HoverArrow(sfHitScrollLeft);
  EXPECT_EQ(bar.TimerMode(), 1);
  SendMessageW(bar.Handle(), WM_NCMOUSELEAVE, 0, 0);
  EXPECT_EQ(bar.TimerMode(), 0);
  EXPECT_FALSE(bar.ArrowHot(true));
}

TEST(ToolBarScroll, SkinnedBarDrawsItsMiddleAndTheResizeButtonsImages) {
  std::unique_ptr<TForm> owner = MakeForm();
  auto* skin = new TsfSkinData(owner.get());
  LoadTestSkin(*skin, std::string(kTestSkinEntries) + "resizebutton:button\n",
               std::string(kTestSkinSections) +
                   "[resizebutton]\npictureindex=0\nskinrect=0,0,24,21\nlefttoppoint=3,3\n"
                   "righttoppoint=21,3\nleftbottompoint=3,18\nrightbottompoint=21,18\n"
                   "clientrect=3,3,21,18\nfontcolor=255\nactivefontcolor=65280\n"
                   "downfontcolor=16711680\n");
  TScrollBar s(skin);
  TsfSkinToolBar& bar = *s.Bar;
  ASSERT_EQ(bar.Height(), 29);
  ASSERT_TRUE(bar.ArrowsShown());
  // The aligned children's area runs from -position over the whole range, between
  // the skin's client top and bottom.
  TRect area = bar.ClientRect();
  bar.AdjustClientRect(area);
  EXPECT_EQ(area, TRect(0, 2, 299, 27));

  TBitmap image(200, 29);
  bar.PaintTo(image.DC());
  // Middle only: the picture's white left columns are not drawn at the left edge.
  EXPECT_EQ(PixelAt(image, 0, 10), TColor(clGreen));

  auto arrow = s.Arrow(true);
  EXPECT_EQ(arrow->Height(), 29);
  EXPECT_EQ(PixelAt(*arrow, 0, 0), TColor(clWhite));  // the nine-part corner
  EXPECT_EQ(PixelAt(*arrow, 4, 8), TColor(clGreen));  // and its centre
  // The left arrow's glyph in the idle font colour: x = centre - 2 + 3 spans 7 rows.
  EXPECT_EQ(PixelAt(*arrow, 7, 14), TColor(255));
}

TEST(ToolBarImages, ListsAreForgottenWhenTheyGo) {
  auto form = MakeSizedForm(400, 200);
  auto* bar = new TsfSkinToolBar(form.get());
  bar->SetParent(form.get());
  auto* shared = new TImageList(form.get());
  auto* disabled = new TImageList(form.get());
  bar->SetImages(shared);
  bar->SetHotImages(shared);
  bar->SetDisabledImages(disabled);
  bar->SetHotImages(nullptr);  // still the Images: its notice stays
  bar->SetHotImages(shared);
  delete shared;
  EXPECT_EQ(bar->Images(), nullptr);
  EXPECT_EQ(bar->HotImages(), nullptr);
  EXPECT_EQ(bar->DisabledImages(), disabled);
  delete disabled;
  EXPECT_EQ(bar->DisabledImages(), nullptr);
}

TEST(ToolBarScroll, AlignedChildrenAreLaidOutFromMinusThePositionOverTheRange) {
  auto form = MakeSizedForm(400, 200);
  auto* bar = new TsfSkinToolBar(form.get());
  bar->SetParent(form.get());
  bar->SetBounds(0, 0, 200, 30);
  TsfSkinSpeedButton* buttons[3];
  for (int i = 0; i < 3; ++i) {
    buttons[i] = new TsfSkinSpeedButton(bar);
    buttons[i]->SetParent(bar);
    buttons[i]->SetBounds(i * 100, 0, 100, 20);
    buttons[i]->SetAlign(alLeft);
  }
  form->Show();
  bar->SetCanScroll(true);
  ASSERT_TRUE(bar->ArrowsShown());
  // An unskinned scrolling bar's area runs from y 1 to height - 1.
  EXPECT_EQ(buttons[0]->BoundsRect(), TRect(0, 1, 100, 29));
  SendMessageW(bar->Handle(), WM_NCLBUTTONDOWN, sfHitScrollRight, 0);
  SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, 0);
  ASSERT_EQ(bar->ScrollPosition(), 124);
  bar->SetHeight(32);  // realigned where the scroll left them
  EXPECT_EQ(buttons[0]->BoundsRect(), TRect(-124, 1, -24, 31));
  EXPECT_EQ(buttons[2]->Left(), 76);
}
