// The plain looks, read back pixel by pixel: panel bevels and caption strips, the
// tool bar's and the skinned bottom panel's faces, the speed button's and the push
// button's hot and pressed faces, and the size grip.
#include <gtest/gtest.h>

#include "SkinControlTestSupport.h"
#include "TestSkin.h"
#include "skin/controls/sfPlainDraw.h"
#include "skin/controls/sfSkinButton.h"
#include "skin/controls/sfSkinPanel.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinStatusBar.h"
#include "skin/controls/sfSkinToolBar.h"
#include "skin/controls/sfSkinXFormButton.h"
#include "ui/Bitmap.h"
#include "ui/OffScreen.h"

namespace {

TColor Sys(TColor c) { return static_cast<TColor>(ColorToRGB(c)); }

// The control's image as its paint draws it.
std::unique_ptr<TBitmap> ImageOf(TsfSkinControl& c) {
  auto image = std::make_unique<TBitmap>(c.Width(), c.Height());
  c.PaintTo(image->DC());
  return image;
}

// Black caption ink, smoothed or not; none of the faces or frames is this dark.
bool Dark(TColor c) { return (c & 0xFF) < 80 && ((c >> 8) & 0xFF) < 80 && ((c >> 16) & 0xFF) < 80; }

// The leftmost column and the topmost row holding caption ink, or (-1, -1).
TPoint FirstInk(TBitmap& b) {
  TPoint found{-1, -1};
  for (int x = 0; x < b.Width() && found.x < 0; ++x)
    for (int y = 0; y < b.Height(); ++y)
      if (Dark(PixelAt(b, x, y))) {
        found.x = x;
        break;
      }
  for (int y = 0; y < b.Height() && found.y < 0; ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (Dark(PixelAt(b, x, y))) {
        found.y = y;
        break;
      }
  return found;
}

// Pixels inside the one-pixel frame that are not `face`.
int MarksInside(TBitmap& b, TColor face) {
  int n = 0;
  for (int y = 1; y < b.Height() - 1; ++y)
    for (int x = 1; x < b.Width() - 1; ++x) n += PixelAt(b, x, y) != face;
  return n;
}

void PointAt(TWinControl& window, int x, int y) {
  TPoint p = window.ClientToScreen({x, y});
  SetCursorPos(p.x, p.y);
  SendMessageW(window.Handle(), WM_MOUSEMOVE, 0, PointParam(x, y));
}

template <class T>
T* Place(TWinControl* parent, const TRect& r) {
  auto* c = new T(parent);
  c->SetParent(parent);
  c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
  return c;
}

}  // namespace

TEST(PanelPlainLook, EachBorderStyleDrawsItsOwnBevel) {
  auto form = MakeForm();
  auto* panel = Place<TsfSkinPanel>(form.get(), Bounds(0, 0, 40, 30));
  struct {
    TsfSkinBorderStyle style;
    TColor topLeft, bottomRight;
  } cases[] = {{bvFrame, clBtnShadow, clBtnShadow},
               {bvRaised, clBtnHighlight, clBtnShadow},
               {bvLowered, clBtnShadow, clBtnHighlight},
               {bvNone, clBtnFace, clBtnFace}};
  for (auto& c : cases) {
    SCOPED_TRACE(c.style);
    panel->SetBorderStyle(c.style);
    auto image = ImageOf(*panel);
    EXPECT_EQ(PixelAt(*image, 0, 0), Sys(c.topLeft));
    EXPECT_EQ(PixelAt(*image, 20, 0), Sys(c.topLeft));
    EXPECT_EQ(PixelAt(*image, 0, 15), Sys(c.topLeft));
    EXPECT_EQ(PixelAt(*image, 39, 15), Sys(c.bottomRight));
    EXPECT_EQ(PixelAt(*image, 20, 29), Sys(c.bottomRight));
    EXPECT_EQ(PixelAt(*image, 1, 1), Sys(clBtnFace));
    EXPECT_EQ(PixelAt(*image, 38, 28), Sys(clBtnFace));
  }
}

TEST(PanelPlainLook, FramedPanelOnTheWindowIsFaceInsideAShadowFrame) {
  auto form = MakeForm();
  form->SetClientWidth(300);
  form->SetClientHeight(200);
  auto* panel = Place<TsfSkinPanel>(form.get(), Bounds(0, 0, 10, 10));
  panel->SetAlign(alClient);
  ClearOffScreenPool();
  form->Show();
  UpdateWindow(panel->Handle());
  HDC dc = GetDC(panel->Handle());
  EXPECT_EQ(GetPixel(dc, 0, 100), ColorToRGB(clBtnShadow));
  EXPECT_EQ(GetPixel(dc, 299, 199), ColorToRGB(clBtnShadow));
  EXPECT_EQ(GetPixel(dc, 150, 100), ColorToRGB(clBtnFace));
  ReleaseDC(panel->Handle(), dc);
  // Drawn straight on its window: the panel took no window-sized off-screen image.
  EXPECT_EQ(OffScreenPoolCount(), 0);
}

TEST(PanelPlainLook, CaptionStripWithCheckBoxAndRollUp) {
  auto form = MakeForm();
  auto* panel = Place<TsfSkinPanel>(form.get(), Bounds(0, 0, 120, 100));
  auto* child = Place<TsfSkinPanel>(panel, Bounds(0, 0, 10, 10));
  child->SetAlign(alClient);
  panel->SetCaptionMode(true);
  panel->SetCheckedMode(true);
  panel->SetRollUpMode(true);
  EXPECT_EQ(panel->PlainCaptionRect(), TRect(1, 1, 119, 22));
  EXPECT_EQ(panel->PlainTextArea(), TRect(23, 3, 107, 20));
  auto image = ImageOf(*panel);
  EXPECT_EQ(PixelAt(*image, 1, 10), Sys(clBtnShadow));  // the strip's outer frame
  EXPECT_EQ(PixelAt(*image, 118, 10), Sys(clBtnHighlight));
  EXPECT_EQ(PixelAt(*image, 2, 10), Sys(clBtnHighlight));  // and its inner one
  EXPECT_EQ(PixelAt(*image, 5, 4), Sys(clBtnShadow));      // the check box at x 5
  EXPECT_EQ(PixelAt(*image, 18, 17), Sys(clBtnShadow));

  int checks = 0, rolls = 0;
  panel->OnChecked = [&](TObject*) { ++checks; };
  panel->OnChangeRollUpState = [&](TObject*) { ++rolls; };
  panel->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(50, 10));
  panel->Perform(WM_LBUTTONUP, 0, PointParam(50, 10));  // a release in the strip toggles both
  EXPECT_TRUE(panel->Checked());
  EXPECT_EQ(checks, 1);
  EXPECT_EQ(rolls, 1);
  EXPECT_TRUE(panel->RollUpState());
  EXPECT_EQ(panel->Height(), 23);
  EXPECT_EQ(panel->RealHeight(), 100);
  EXPECT_FALSE(child->Visible());
  panel->SetRollUpState(false);
  EXPECT_EQ(panel->Height(), 100);
  EXPECT_EQ(panel->RealHeight(), -1);
  EXPECT_TRUE(child->Visible());
  panel->Perform(WM_LBUTTONUP, 0, PointParam(50, 60));  // below the strip: nothing
  EXPECT_EQ(checks, 1);
  panel->SetChecked(false);  // AutoEnabledControls: the children follow Checked
  EXPECT_FALSE(child->Enabled());
}

TEST(PanelSkinnedLook, BottomPanelShowsOnlyTheTiledClientPiece) {
  auto form = MakeForm();
  auto* skin = new TsfSkinData(form.get());
  LoadTestSkin(*skin);
  auto* panel = Place<TsfSkinPanel>(form.get(), Bounds(0, 0, 160, 60));
  panel->SetBorderStyle(bvNone);
  panel->SetSkinData(skin);
  auto image = ImageOf(*panel);
  // The 55 x 48 piece starts with a red pixel: tiles begin at x 0, 55, 110 and y 0, 48.
  EXPECT_EQ(PixelAt(*image, 0, 0), clRed);
  EXPECT_EQ(PixelAt(*image, 55, 0), clRed);
  EXPECT_EQ(PixelAt(*image, 110, 48), clRed);
  EXPECT_EQ(PixelAt(*image, 1, 0), clGreen);
  EXPECT_EQ(PixelAt(*image, 159, 59), clGreen);  // no frame
}

TEST(ToolBarPlainLook, IsButtonFaceAndFlatButtonsShowOnlyTheirCaption) {
  auto form = MakeForm();
  auto* bar = Place<TsfSkinToolBar>(form.get(), Bounds(0, 0, 300, 40));
  auto* button = Place<TsfSkinSpeedButton>(bar, Bounds(2, 2, 60, 36));
  button->SetFlat(true);
  EXPECT_TRUE(button->Transparent());
  auto barImage = ImageOf(*bar);
  EXPECT_EQ(PixelAt(*barImage, 0, 0), Sys(clBtnFace));  // bvNone: no frame
  EXPECT_EQ(PixelAt(*barImage, 299, 39), Sys(clBtnFace));
  auto image = ImageOf(*button, clYellow);  // the yellow stands for the tool bar under it
  EXPECT_EQ(PixelAt(*image, 0, 0), clYellow);
  EXPECT_EQ(PixelAt(*image, 30, 2), clYellow);
}

TEST(SpeedButtonPlainLook, HotAndPressedFacesAndTheCaptionShift) {
  auto form = MakeForm();
  form->SetClientWidth(300);
  form->SetClientHeight(100);
  auto* bar = Place<TsfSkinToolBar>(form.get(), Bounds(0, 0, 300, 40));
  auto* button = Place<TsfSkinSpeedButton>(bar, Bounds(2, 2, 60, 25));
  button->SetFlat(true);
  button->SetGroupIndex(11);
  button->SetCaption("IIII");
  button->DefaultFont().SetColor(clBlack);
  form->Show();
  PointAt(*bar, 30, 14);
  ASSERT_TRUE(button->MouseIn());
  auto hot = ImageOf(*button, clYellow);
  EXPECT_EQ(PixelAt(*hot, 0, 0), kPlainFrameColor);
  EXPECT_EQ(PixelAt(*hot, 59, 24), kPlainFrameColor);
  EXPECT_EQ(PixelAt(*hot, 1, 1), kPlainHotColor);
  EXPECT_EQ(PixelAt(*hot, 58, 23), kPlainHotColor);

  PointAt(*bar, 200, 14);  // away again
  EXPECT_FALSE(button->MouseIn());
  button->SetDown(true);  // a group button looks down with the pointer away too
  auto down = ImageOf(*button, clYellow);
  EXPECT_EQ(PixelAt(*down, 0, 0), kPlainFrameColor);
  EXPECT_EQ(PixelAt(*down, 1, 1), kPlainDownColor);
  TPoint hotInk = FirstInk(*hot), downInk = FirstInk(*down);
  ASSERT_GE(hotInk.x, 0);
  EXPECT_EQ(downInk, TPoint(hotInk.x + 1, hotInk.y + 1));

  // The window shows the same face the image holds.
  UpdateWindow(bar->Handle());
  HDC dc = GetDC(bar->Handle());
  EXPECT_EQ(static_cast<TColor>(GetPixel(dc, button->Left() + 1, button->Top() + 1)),
            kPlainDownColor);
  ReleaseDC(bar->Handle(), dc);
}

TEST(SpeedButtonPlainLook, NonFlatButtonIsFramedAndDisabledCaptionIsGrey) {
  auto form = MakeForm();
  auto* button = Place<TsfSkinSpeedButton>(form.get(), Bounds(0, 0, 60, 25));
  button->SetCaption("IIII");
  auto up = ImageOf(*button, clYellow);
  EXPECT_EQ(PixelAt(*up, 0, 0), Sys(clBtnShadow));
  EXPECT_EQ(PixelAt(*up, 1, 1), Sys(clBtnFace));
  EXPECT_GE(FirstInk(*up).x, 0);
  button->SetEnabled(false);
  auto disabled = ImageOf(*button, clYellow);
  EXPECT_EQ(FirstInk(*disabled).x, -1);  // the caption is grey, not black
  EXPECT_GT(MarksInside(*disabled, Sys(clBtnFace)), 0);
}

TEST(PushButtonPlainLook, FramedFaceHotAndPressedWithTheMouse) {
  auto form = MakeForm();
  form->SetClientWidth(300);
  form->SetClientHeight(100);
  auto* button = Place<TsfSkinXFormButton>(form.get(), Bounds(10, 10, 75, 27));
  button->SetCaption("IIII");
  button->DefaultFont().SetColor(clBlack);
  auto up = ImageOf(*button);
  EXPECT_EQ(PixelAt(*up, 0, 0), Sys(clBtnShadow));
  EXPECT_EQ(PixelAt(*up, 74, 26), Sys(clBtnShadow));
  EXPECT_EQ(PixelAt(*up, 1, 1), Sys(clBtnFace));
  form->Show();
  HWND wnd = button->Handle();
  PointAt(*button, 30, 10);
  ASSERT_TRUE(button->MouseIn());
  auto hot = ImageOf(*button);
  EXPECT_EQ(PixelAt(*hot, 0, 0), kPlainFrameColor);
  EXPECT_EQ(PixelAt(*hot, 1, 1), kPlainHotColor);
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(30, 10));
  auto pressed = ImageOf(*button);
  EXPECT_EQ(PixelAt(*pressed, 0, 0), kPlainFrameColor);
  EXPECT_EQ(PixelAt(*pressed, 1, 1), kPlainDownColor);
  TPoint hotInk = FirstInk(*hot), pressedInk = FirstInk(*pressed);
  ASSERT_GE(hotInk.x, 0);
  EXPECT_EQ(pressedInk, TPoint(hotInk.x + 1, hotInk.y + 1));
  SendMessageW(wnd, WM_LBUTTONUP, 0, PointParam(30, 10));
  UpdateWindow(wnd);
  HDC dc = GetDC(wnd);
  EXPECT_EQ(static_cast<TColor>(GetPixel(dc, 1, 1)), kPlainHotColor);  // up again, still hot
  ReleaseDC(wnd, dc);
}

TEST(StatusBarPlainLook, GripLinesRunDiagonallyInTheCorner) {
  auto form = MakeForm();
  auto* status = Place<TsfSkinStatusBar>(form.get(), Bounds(0, 0, 200, 21));
  status->SetSizeGrip(true);
  TRect g = status->GripRect();
  auto image = ImageOf(*status);
  // The first shadow line goes from (left + 3, bottom) up to (right, top + 3).
  EXPECT_EQ(PixelAt(*image, g.Left + 4, g.Bottom - 1), Sys(clBtnShadow));
  EXPECT_EQ(PixelAt(*image, g.Right - 1, g.Top + 4), Sys(clBtnShadow));
  EXPECT_EQ(PixelAt(*image, g.Left + 1, g.Top + 1), Sys(clBtnFace));
}
