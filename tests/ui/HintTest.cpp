// The application's hints: when they show, for which controls, what ends them, what
// OnShowHint and a replaced window class can do, and that nothing leaks.
#include <gtest/gtest.h>

#include <array>

#include "FormTestSupport.h"
#include "ui/Bitmap.h"
#include "ui/CustomControl.h"
#include "ui/GdiObject.h"
#include "ui/GraphicControl.h"
#include "ui/HintWindow.h"

namespace {

class TBox : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
};

class TSpot : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
};

// A hint window that counts its showings and can paint into a bitmap.
class TCountingHintWindow : public THintWindow {
 public:
  using THintWindow::THintWindow;
  void ActivateHint(TRect Rect, const std::string& AHint) override {
    ++Shown;
    THintWindow::ActivateHint(Rect, AHint);
  }
  void PaintInto(TBitmap& image) {
    image.SetSize(Width(), Height());
    Canvas().SetHandle(image.Canvas().Handle());
    Paint();
    Canvas().SetHandle(nullptr);
  }
  int Shown = 0;
};

// Counts the deactivations of the application it hears of: another program that takes
// the activation ends every hint, and a test that saw that runs again.
class TWatchedForm : public TForm {
 public:
  using TForm::TForm;
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_ACTIVATEAPP && !m.WParam) ++Deactivations;
    TForm::WndProc(m);
  }
  int Deactivations = 0;
};

class HintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = MakeSizedForm<TWatchedForm>(300, 200);
    hinted = MakeControl(10, 10, "Open|Opens a file");
    plain = MakeControl(150, 10, "");
    form->Show();
    // Activation changes of the windows of earlier tests arrive now, not mid-test.
    PumpUntil([] { return false; }, 60);
    Application->SetHintPause(60);
    Application->SetHintShortPause(10);
    Application->SetHintHidePause(5000);
  }
  void TearDown() override {
    Application->CancelHint();
    Application->OnShowHint = nullptr;
    Application->HintWindowClass = nullptr;
    Application->SetShowHint(false);
    Application->SetShowHint(true);
    Application->SetHintPause(500);
    Application->SetHintShortPause(50);
    Application->SetHintHidePause(2500);
  }
  TBox* MakeControl(int x, int y, const std::string& hint) {
    auto* box = new TBox(form.get());
    box->SetParent(form.get());
    box->SetBounds(x, y, 100, 60);
    box->SetHint(hint);
    box->SetShowHint(true);
    return box;
  }
  // The mouse at a client point of `control`'s window, as the platform reports it.
  static void MoveOver(TWinControl* window, int x, int y) {
    TPoint s = window->ClientToScreen({x, y});
    SetCursorPos(s.x, s.y);
    SendMessageW(window->Handle(), WM_MOUSEMOVE, 0, PointParam(x, y));
  }
  static bool WaitShown() { return PumpUntil([] { return Application->HintShowing(); }, 2000); }
  // The mouse over a point of `window` until its hint shows. Another program that takes
  // the activation meanwhile (the application's deactivation ends hints) costs a retry.
  static bool ShowOn(TWinControl* window, int x, int y) {
    for (int attempt = 0; attempt < 3; ++attempt) {
      Application->CancelHint();
      MoveOver(window, x, y);
      if (WaitShown()) return true;
    }
    return false;
  }
  static std::string HintText() {
    return Application->HintWindow() ? Application->HintWindow()->Caption() : std::string();
  }

  std::unique_ptr<TWatchedForm> form;
  TBox* hinted = nullptr;
  TBox* plain = nullptr;
};

}  // namespace

TEST(HintDefaults, PausesSwitchAndHintParts) {
  EXPECT_EQ(Application->HintPause(), 500);
  EXPECT_EQ(Application->HintShortPause(), 50);
  EXPECT_EQ(Application->HintHidePause(), 2500);
  EXPECT_TRUE(Application->ShowHint());
  EXPECT_EQ(GetShortHint("Open|Opens a file"), "Open");
  EXPECT_EQ(GetLongHint("Open|Opens a file"), "Opens a file");
  EXPECT_EQ(GetShortHint("保存"), "保存");
  EXPECT_EQ(GetLongHint("保存"), "保存");
  EXPECT_EQ(GetShortHint("|long only"), "");
}

TEST(HintDefaults, KeptInsideTheArea) {
  const TRect area{0, 0, 800, 600};
  EXPECT_EQ(KeepInArea({790, 590, 840, 610}, area), TRect(750, 580, 800, 600));
  EXPECT_EQ(KeepInArea({-5, -3, 45, 17}, area), TRect(0, 0, 50, 20));
  EXPECT_EQ(KeepInArea({10, 10, 60, 30}, area), TRect(10, 10, 60, 30));
}

TEST_F(HintTest, ShowsTheShortHintAfterThePauseBelowTheMouse) {
  ULONGLONG start = 0;
  bool shown = false;
  for (int attempt = 0; attempt < 3 && !shown; ++attempt) {  // see ShowOn
    Application->CancelHint();
    start = GetTickCount64();
    MoveOver(hinted, 20, 20);
    EXPECT_FALSE(Application->HintShowing());
    EXPECT_EQ(Application->HintControl(), hinted);
    shown = WaitShown();
  }
  ASSERT_TRUE(shown);
  EXPECT_GE(GetTickCount64() - start, 50u);
  EXPECT_EQ(HintText(), "Open");
  HWND hint = Application->HintWindow()->HandleValue();
  RECT r;
  GetWindowRect(hint, &r);
  TPoint mouse = hinted->ClientToScreen({20, 20});
  EXPECT_GT(r.top, mouse.y);
  EXPECT_GT(r.right - r.left, 10);
  const LONG style = GetWindowLongW(hint, GWL_STYLE), ex = GetWindowLongW(hint, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_BORDER | WS_CAPTION | WS_THICKFRAME));
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
  EXPECT_TRUE(ex & WS_EX_NOACTIVATE);
  EXPECT_NE(GetActiveWindow(), hint);
  EXPECT_EQ(SendMessageW(hint, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
}

TEST_F(HintTest, NoHintWithoutTextOrShowHintOrTheSwitch) {
  MoveOver(plain, 20, 20);
  EXPECT_EQ(Application->HintControl(), nullptr);
  plain->SetHint("Spare");
  plain->SetShowHint(false);
  MoveOver(plain, 21, 20);
  EXPECT_EQ(Application->HintControl(), nullptr);
  Application->SetShowHint(false);
  MoveOver(hinted, 20, 20);
  EXPECT_FALSE(PumpUntil([] { return Application->HintShowing(); }, 200));
  EXPECT_EQ(Application->HintWindow(), nullptr);
}

TEST_F(HintTest, AWindowlessControlAndAParentWithHintsShowTheirOwn) {
  auto* spot = new TSpot(form.get());
  spot->SetParent(plain);
  spot->SetBounds(5, 5, 30, 30);
  spot->SetHint("Spot");
  spot->SetShowHint(true);
  MoveOver(plain, 10, 10);
  EXPECT_EQ(Application->HintControl(), spot);
  ASSERT_TRUE(ShowOn(plain, 10, 10));
  EXPECT_EQ(HintText(), "Spot");
  // A child without ShowHint defers to the nearest parent that has it.
  auto* inner = new TBox(form.get());
  inner->SetParent(hinted);
  inner->SetBounds(40, 5, 20, 20);
  inner->SetHint("ignored");
  MoveOver(inner, 5, 5);
  EXPECT_EQ(Application->HintControl(), hinted);
}

TEST_F(HintTest, HidesOnLeavingClickingTypingAndDeactivation) {
  auto showAgain = [&] { return ShowOn(hinted, 20, 20); };
  ASSERT_TRUE(showAgain());
  MoveOver(plain, 20, 20);  // onto a control without a hint
  EXPECT_FALSE(Application->HintShowing());
  EXPECT_EQ(Application->HintControl(), nullptr);

  ASSERT_TRUE(showAgain());
  SendMessageW(hinted->Handle(), WM_MOUSELEAVE, 0, 0);  // out of our windows
  EXPECT_FALSE(Application->HintShowing());

  ASSERT_TRUE(showAgain());
  SendMessageW(hinted->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  SendMessageW(hinted->Handle(), WM_LBUTTONUP, 0, PointParam(20, 20));
  EXPECT_FALSE(Application->HintShowing());
  MoveOver(plain, 20, 20);  // a pressed control's hint waits for the pointer to leave

  ASSERT_TRUE(showAgain());
  SendMessageW(hinted->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_FALSE(Application->HintShowing());

  ASSERT_TRUE(showAgain());
  SendMessageW(form->Handle(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_FALSE(Application->HintShowing());
}

TEST_F(HintTest, MovingWithinTheControlKeepsItAndTheHidePauseEndsIt) {
  Application->SetHintHidePause(120);
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int seen = form->Deactivations;
    ASSERT_TRUE(ShowOn(hinted, 20, 20));
    ULONGLONG shown = GetTickCount64();
    MoveOver(hinted, 60, 40);
    const bool kept = Application->HintShowing();
    ASSERT_TRUE(PumpUntil([] { return !Application->HintShowing(); }, 2000));
    const ULONGLONG stayed = GetTickCount64() - shown;
    if (form->Deactivations != seen) continue;
    EXPECT_TRUE(kept);
    EXPECT_GE(stayed, 100u);
    return;
  }
  GTEST_SKIP() << "another program kept taking the activation";
}

TEST_F(HintTest, TheNextControlUsesTheShortPauseWhileAHintIsUp) {
  Application->SetHintPause(400);
  TBox* second = MakeControl(10, 100, "Second");
  ULONGLONG took = 0;
  bool shown = false;
  for (int attempt = 0; attempt < 3 && !shown; ++attempt) {  // see ShowOn
    ASSERT_TRUE(ShowOn(hinted, 20, 20));
    ULONGLONG moved = GetTickCount64();
    MoveOver(second, 20, 20);
    shown = WaitShown();
    took = GetTickCount64() - moved;
  }
  ASSERT_TRUE(shown);
  EXPECT_LT(took, 300u);
  EXPECT_EQ(HintText(), "Second");
}

TEST_F(HintTest, OnShowHintChangesTextAndPlaceOrCancels) {
  Application->OnShowHint = [](std::string& text, bool&, THintInfo& info) {
    EXPECT_EQ(text, "Open");
    EXPECT_EQ(info.HideTimeout, 5000);
    EXPECT_EQ(info.CursorPos, TPoint(20, 20));
    text = "改过的";
    info.HintPos = {40, 50};
  };
  ASSERT_TRUE(ShowOn(hinted, 20, 20));
  EXPECT_EQ(HintText(), "改过的");
  RECT r;
  GetWindowRect(Application->HintWindow()->HandleValue(), &r);
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 50);

  Application->CancelHint();
  int asked = 0;
  Application->OnShowHint = [&](std::string&, bool& canShow, THintInfo&) {
    ++asked;
    canShow = false;
  };
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int seen = form->Deactivations;
    asked = 0;
    Application->CancelHint();
    MoveOver(hinted, 20, 20);
    PumpUntil([&] { return asked > 0; }, 1000);
    const int askedFirst = asked;
    const bool shown = Application->HintShowing();
    // Refused once, the same control is not asked again while the mouse stays on it.
    MoveOver(hinted, 30, 30);
    PumpUntil([] { return false; }, 150);
    if (form->Deactivations != seen) continue;
    EXPECT_EQ(askedFirst, 1);
    EXPECT_FALSE(shown);
    EXPECT_EQ(asked, 1);
    return;
  }
  GTEST_SKIP() << "another program kept taking the activation";
}

TEST_F(HintTest, AReplacedWindowClassTakesEffectAfterTheSwitchIsToggled) {
  ASSERT_TRUE(ShowOn(hinted, 20, 20));
  Application->HintWindowClass = [](TComponent* owner) { return new TCountingHintWindow(owner); };
  Application->SetShowHint(false);
  EXPECT_EQ(Application->HintWindow(), nullptr);
  Application->SetShowHint(true);
  ASSERT_TRUE(ShowOn(hinted, 21, 20));
  auto* window = dynamic_cast<TCountingHintWindow*>(Application->HintWindow());
  ASSERT_NE(window, nullptr);
  EXPECT_GE(window->Shown, 1);

  // Plain look: info background inside a one-pixel button-shadow frame.
  TBitmap image;
  window->PaintInto(image);
  EXPECT_EQ(image.Canvas().Pixel(0, 0), static_cast<std::uint32_t>(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(image.Canvas().Pixel(image.Width() - 1, image.Height() - 1),
            static_cast<std::uint32_t>(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(image.Canvas().Pixel(1, 1), static_cast<std::uint32_t>(GetSysColor(COLOR_INFOBK)));
}

TEST_F(HintTest, AControlFreedWhileItsHintIsPendingIsForgotten) {
  MoveOver(hinted, 20, 20);
  EXPECT_EQ(Application->HintControl(), hinted);
  delete hinted;
  hinted = nullptr;
  EXPECT_EQ(Application->HintControl(), nullptr);
  EXPECT_FALSE(PumpUntil([] { return Application->HintShowing(); }, 150));
}

TEST_F(HintTest, HandleCountsStayAfterAHundredShowings) {
  Application->SetHintPause(0);
  auto round = [&](int i) {
    MoveOver(i % 2 ? hinted : plain, 20, 20);
    MoveOver(hinted, 20 + i % 7, 20);
    ASSERT_TRUE(Application->HintShowing()) << i;
    Application->ProcessMessages();  // the controls under the hint repaint
    Application->CancelHint();
    Application->ProcessMessages();
  };
  // The first rounds make what is kept for good: the window, the canvases' brushes.
  round(0);
  round(1);
  std::array<int, static_cast<size_t>(THandleKind::Count_)> before{};
  for (size_t i = 0; i < before.size(); ++i) before[i] = LiveHandles(static_cast<THandleKind>(i));
  for (int i = 0; i < 100; ++i) round(i);
  for (size_t i = 0; i < before.size(); ++i)
    EXPECT_EQ(LiveHandles(static_cast<THandleKind>(i)), before[i]) << i;
}

// A window that comes up over the control while the pause runs (the control's own
// drop-down menu, say) takes the hint away: it is not shown over that window.
TEST_F(HintTest, NoHintOverAWindowThatCameUpMeanwhile) {
  Application->SetHintPause(150);
  MoveOver(hinted, 20, 20);
  ASSERT_EQ(Application->HintControl(), hinted);
  TPoint at = hinted->ClientToScreen({0, 0});
  HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"EDIT", L"", WS_POPUP | WS_VISIBLE,
                               at.x, at.y, 100, 60, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(cover);
  // The pointer leaves the control for the new window; a late move reported to the
  // control (as a modal menu loop hands it on) starts the pause again.
  PumpUntil([] { return false; }, 50);
  SendMessageW(hinted->Handle(), WM_MOUSEMOVE, 0, PointParam(21, 20));
  ASSERT_EQ(Application->HintControl(), hinted);
  PumpUntil([] { return Application->HintShowing(); }, 400);
  EXPECT_FALSE(Application->HintShowing());
  DestroyWindow(cover);
}

// After a press the control shows no hint; it does again once the pointer has been
// on another control.
TEST_F(HintTest, APressedControlShowsItsHintOnlyAfterThePointerLeftIt) {
  ASSERT_TRUE(ShowOn(hinted, 20, 20));
  SendMessageW(hinted->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  SendMessageW(hinted->Handle(), WM_LBUTTONUP, 0, PointParam(20, 20));
  EXPECT_FALSE(Application->HintShowing());
  MoveOver(hinted, 25, 22);
  EXPECT_EQ(Application->HintControl(), nullptr);
  PumpUntil([] { return Application->HintShowing(); }, 200);
  EXPECT_FALSE(Application->HintShowing());
  MoveOver(plain, 20, 20);
  EXPECT_TRUE(ShowOn(hinted, 20, 20));
}
