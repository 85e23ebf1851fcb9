// Skinned hints: the component's switch of the application's hint window, the one
// active component, the skinned window's size, picture, font and transparency, and
// the frame's caption-button hints.
#include <gtest/gtest.h>

#include "FrameTestSupport.h"
#include "skin/frame/sfSkinHint.h"
#include "skin/frame/sfSkinHintWindow.h"
#include "ui/Bitmap.h"

namespace {

class SkinHintTest : public ::testing::Test {
 protected:
  void TearDown() override {
    Application->CancelHint();
    Application->SetMainForm(savedMain);
    Application->OnShowHint = nullptr;
    Application->HintWindowClass = nullptr;
    Application->SetShowHint(false);
    Application->SetShowHint(true);
    Application->SetHintShortPause(50);
  }
  TForm* savedMain = Application->MainForm();
};

// Lets the activation changes of windows that came and went before arrive, then makes
// the frame's window the active one.
void Settle(TFrameForm& frame) {
  PumpUntil([] { return false; }, 60);
  frame.Activate();
}

// The pixel of a picture at a point, as the screen shows it.
std::uint32_t PicturePixel(TsfSkinData& data, int x, int y) {
  return data.ActivePictures(data.HintWindow.windowpictureindex)->Canvas().Pixel(x, y);
}

}  // namespace

TEST(SkinHintText, LinesAndWorkAreaMoves) {
  EXPECT_EQ(SplitHintLines("Close@关闭@@x", "@"), (std::vector<std::string>{"Close", "关闭", "", "x"}));
  EXPECT_EQ(SplitHintLines("a||b", "||"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(SplitHintLines("a@b", ""), (std::vector<std::string>{"a@b"}));
  const TRect wa{0, 0, 800, 600};
  // Past the right edge: left by width + 2; past the bottom: up by height + 2.
  EXPECT_EQ(MoveHintIntoWorkArea({790, 100, 850, 120}, wa), TRect(728, 100, 788, 120));
  EXPECT_EQ(MoveHintIntoWorkArea({100, 590, 160, 610}, wa), TRect(100, 568, 160, 588));
  EXPECT_EQ(MoveHintIntoWorkArea({790, 590, 850, 610}, wa), TRect(728, 568, 788, 588));
  EXPECT_EQ(MoveHintIntoWorkArea({740, 580, 800, 600}, wa), TRect(740, 580, 800, 600));
}

TEST_F(SkinHintTest, CreatingOneSwitchesTheApplicationsHintWindow) {
  auto form = MakeForm();
  Application->SetShowHint(true);
  auto* hint = new TsfSkinHint(form.get());
  EXPECT_TRUE(hint->Active());
  EXPECT_TRUE(hint->UseSkinFont());
  EXPECT_FALSE(hint->AlphaBlend());
  EXPECT_FALSE(hint->AlphaBlendAnimation());
  EXPECT_EQ(hint->LineSeparator(), "@");
  EXPECT_EQ(Application->HintShortPause(), 100);
  EXPECT_TRUE(Application->ShowHint());
  ASSERT_TRUE(Application->HintWindowClass);
  std::unique_ptr<THintWindow> made(Application->HintWindowClass(nullptr));
  EXPECT_NE(dynamic_cast<TsfSkinHintWindow*>(made.get()), nullptr);

  // The application's show-hint event is the component's.
  int raised = 0;
  hint->OnShowHint = [&](std::string& text, bool&, THintInfo&) {
    ++raised;
    text = "changed";
  };
  std::string text = "x";
  bool canShow = true;
  THintInfo info;
  Application->OnShowHint(text, canShow, info);
  EXPECT_EQ(raised, 1);
  EXPECT_EQ(text, "changed");
  // Once the component is gone the event it left behind does nothing.
  delete hint;
  Application->OnShowHint(text, canShow, info);
  EXPECT_EQ(raised, 1);
}

TEST_F(SkinHintTest, OnlyOneOfTheMainFormIsActive) {
  auto form = MakeForm();
  Application->SetMainForm(form.get());
  auto* first = new TsfSkinHint(form.get());
  auto* second = new TsfSkinHint(form.get());
  EXPECT_EQ(TsfSkinHint::FindActive(), first);
  second->SetActive(true);
  EXPECT_FALSE(first->Active());
  EXPECT_TRUE(second->Active());
  EXPECT_EQ(TsfSkinHint::FindActive(), second);
  int firstRaised = 0, secondRaised = 0;
  first->OnShowHint = [&](std::string&, bool&, THintInfo&) { ++firstRaised; };
  second->OnShowHint = [&](std::string&, bool&, THintInfo&) { ++secondRaised; };
  std::string text;
  bool canShow = true;
  THintInfo info;
  Application->OnShowHint(text, canShow, info);
  EXPECT_EQ(firstRaised, 0);
  EXPECT_EQ(secondRaised, 1);
  // The application's window follows the active component.
  TsfSkinHintWindow window(nullptr);
  EXPECT_EQ(window.SkinHint(), second);
}

TEST_F(SkinHintTest, SkinnedWindowIsThePictureAroundTheTextInTheSkinFont) {
  TFrameForm frame;
  auto* hint = new TsfSkinHint(frame.Form.get());
  hint->SetSkinData(frame.Skin);
  TsfSkinHintWindow& window = hint->ObjectHintWindow();
  TRect one = window.CalcHintRect(1000, "Close", nullptr);
  ASSERT_TRUE(window.Skinned());
  EXPECT_EQ(window.Font().Name(), "Arial");
  EXPECT_EQ(window.Font().Height(), 14);
  EXPECT_EQ(window.Font().Color(), 3153948);
  TBitmap probe(1, 1);
  probe.Canvas().Font().Assign(window.Font());
  TPoint text = probe.Canvas().TextExtent("Close");
  // The picture is 38 x 16 with its client rectangle at 6, 4, 32, 12.
  EXPECT_EQ(one, TRect(0, 0, text.x + 12, text.y + 8));
  TRect two = window.CalcHintRect(1000, "Close@Close", nullptr);
  EXPECT_EQ(two.Height(), 2 * text.y + 8);

  window.ActivateHint(two.Offset(200, 200), "Close@Close");
  ASSERT_TRUE(window.Showing());
  EXPECT_EQ(window.TextRect(), TRect(6, 4, two.Width() - 6, two.Height() - 4));
  TBitmap image;
  window.PaintTo(image);
  const int w = image.Width(), h = image.Height();
  EXPECT_EQ(image.Canvas().Pixel(0, 0), PicturePixel(*frame.Skin, 0, 0));
  EXPECT_EQ(image.Canvas().Pixel(w - 1, h - 1), PicturePixel(*frame.Skin, 37, 15));
  EXPECT_EQ(image.Canvas().Pixel(w - 1, 0), PicturePixel(*frame.Skin, 37, 0));
  // Text on both lines, in the skin's colour.
  auto rowHasText = [&](int top, int bottom) {
    for (int y = top; y < bottom; ++y)
      for (int x = 6; x < w - 6; ++x)
        if (image.Canvas().Pixel(x, y) == 3153948u) return true;
    return false;
  };
  EXPECT_TRUE(rowHasText(4, 4 + text.y));
  EXPECT_TRUE(rowHasText(4 + text.y, 4 + 2 * text.y));

  hint->SetUseSkinFont(false);
  hint->DefaultFont().SetName("Tahoma");
  window.CalcHintRect(1000, "Close", nullptr);
  EXPECT_EQ(window.Font().Name(), "Tahoma");
  hint->HideObjectHint();
  EXPECT_FALSE(window.Showing());
}

TEST_F(SkinHintTest, WithoutASkinItIsThePlainHint) {
  auto form = MakeForm();
  auto* hint = new TsfSkinHint(form.get());
  TsfSkinHintWindow& window = hint->ObjectHintWindow();
  TRect r = window.CalcHintRect(1000, "Close", nullptr);
  EXPECT_FALSE(window.Skinned());
  window.ActivateHint(r.Offset(100, 100), "Close");
  TBitmap image;
  window.PaintTo(image);
  EXPECT_EQ(image.Canvas().Pixel(0, 0), static_cast<std::uint32_t>(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(image.Canvas().Pixel(1, r.Height() - 2), static_cast<std::uint32_t>(GetSysColor(COLOR_INFOBK)));
  hint->HideObjectHint();
}

TEST_F(SkinHintTest, AlphaFollowsTheSwitchAndAnimatesUpToTheValue) {
  auto form = MakeForm();
  auto* hint = new TsfSkinHint(form.get());
  TsfSkinHintWindow& window = hint->ObjectHintWindow();
  hint->SetAlphaBlend(true);
  hint->SetAlphaBlendValue(180);
  hint->ShowObjectHint("Close");
  HWND wnd = window.HandleValue();
  ASSERT_TRUE(window.Showing());
  EXPECT_TRUE(GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(wnd, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 180);

  hint->SetAlphaBlendAnimation(true);
  hint->SetAlphaBlendValue(100);
  ULONGLONG start = GetTickCount64();
  hint->ShowObjectHint("Close");
  // 0, 20, ... 100: five steps, each after more than 3 ms.
  EXPECT_GE(GetTickCount64() - start, 15u);
  EXPECT_EQ(window.CurrentAlpha(), 100);
  ASSERT_TRUE(GetLayeredWindowAttributes(wnd, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 100);

  hint->SetAlphaBlend(false);
  hint->ShowObjectHint("Close");
  EXPECT_FALSE(GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED);
  hint->HideObjectHint();
}

TEST_F(SkinHintTest, CaptionButtonsShowTheirHintsWithShowObjectHint) {
  TFrameForm frame;
  Settle(frame);
  auto* hint = new TsfSkinHint(frame.Form.get());
  hint->SetSkinData(frame.Skin);
  TsfSkinHintWindow& window = hint->ObjectHintWindow();
  const TRect close = frame.ObjectRect("closebutton");
  const TPoint onClose{close.Left + 2, close.Top + 2};
  const TRect min = frame.ObjectRect("minimizebutton");
  const TPoint onMin{min.Left + 2, min.Top + 2};

  // As the program keeps its frame: no object hints.
  frame.Frame->TrackObjects(onClose);
  EXPECT_FALSE(window.Showing());
  frame.Frame->TrackObjects(std::nullopt);

  frame.Frame->SetShowObjectHint(true);
  frame.Frame->TrackObjects(onClose);
  EXPECT_FALSE(window.Showing());  // no SkinHint yet
  frame.Frame->TrackObjects(std::nullopt);

  frame.Frame->SetSkinHint(hint);
  frame.Frame->TrackObjects(onClose);
  ASSERT_TRUE(window.Showing());
  EXPECT_EQ(window.Caption(), "Close");
  frame.Frame->TrackObjects(onMin);
  EXPECT_TRUE(window.Showing());
  EXPECT_EQ(window.Caption(), "Minimize");
  frame.Frame->TrackObjects(std::nullopt);
  EXPECT_FALSE(window.Showing());

  // A press on the form hides it.
  frame.Frame->TrackObjects(onClose);
  ASSERT_TRUE(window.Showing());
  SendMessageW(frame.Wnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(frame.Wnd(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_FALSE(window.Showing());

  delete hint;
  EXPECT_EQ(frame.Frame->SkinHint(), nullptr);
  frame.Frame->TrackObjects(std::nullopt);
  frame.Frame->TrackObjects(onClose);  // nothing left to show it
}

TEST_F(SkinHintTest, AFrameGoingAwayTakesItsObjectHintWithIt) {
  auto other = MakeForm();
  auto* hint = new TsfSkinHint(other.get());
  {
    TFrameForm frame;
    Settle(frame);
    hint->SetSkinData(frame.Skin);
    frame.Frame->SetShowObjectHint(true);
    frame.Frame->SetSkinHint(hint);
    const TRect close = frame.ObjectRect("closebutton");
    frame.Frame->TrackObjects(TPoint{close.Left + 2, close.Top + 2});
    ASSERT_TRUE(hint->ObjectHintWindow().Showing());
  }
  EXPECT_FALSE(hint->ObjectHintWindow().Showing());
  EXPECT_EQ(hint->SkinData(), nullptr);
}
