// Mouse routing to windowless children, enter and leave, clicks, timers.
#include <gtest/gtest.h>

#include <memory>

#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "ui/GraphicControl.h"
#include "ui/Messages.h"
#include "ui/Timer.h"

namespace {

class TSpot : public TGraphicControl {
 public:
  TSpot(TComponent* owner, std::vector<std::string>* log) : TGraphicControl(owner), FLog(log) {}
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    Canvas().Brush().SetColor(clRed);
    Canvas().FillRect(ClientRect());
  }
  void MouseDown(TMouseButton, TShiftState shift, int x, int y) override {
    FLog->push_back(Name() + " down " + std::to_string(x) + "," + std::to_string(y) +
                    (shift.Contains(ssDouble) ? " double" : ""));
  }
  void MouseUp(TMouseButton, TShiftState, int x, int y) override {
    FLog->push_back(Name() + " up " + std::to_string(x) + "," + std::to_string(y));
  }
  void MouseEnter() override { FLog->push_back(Name() + " enter"); }
  void MouseLeave() override { FLog->push_back(Name() + " leave"); }
  void Click() override { FLog->push_back(Name() + " click"); }
  void DblClick() override { FLog->push_back(Name() + " dblclick"); }

 private:
  std::vector<std::string>* FLog;
};

struct TSpotForm {
  std::vector<std::string> Log;
  std::unique_ptr<TForm> Form = MakeForm();
  TSpot* A;
  TSpot* B;
  TSpotForm() {
    Form->SetClientWidth(200);
    Form->SetClientHeight(100);
    A = new TSpot(Form.get(), &Log);
    A->SetName("a");
    A->SetBounds(10, 10, 40, 30);
    A->SetParent(Form.get());
    B = new TSpot(Form.get(), &Log);
    B->SetName("b");
    B->SetBounds(30, 20, 40, 30);  // overlaps a; b lies above it
    B->SetParent(Form.get());
  }
  void Send(unsigned msg, WPARAM keys, int x, int y) {
    SendMessageW(Form->Handle(), msg, keys, PointParam(x, y));
  }
};

}  // namespace

TEST(WindowlessChild, ReceivesClicksInItsOwnCoordinatesTopmostFirst) {
  TSpotForm f;
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 35, 25);  // inside both: b is on top
  f.Send(WM_LBUTTONUP, 0, 36, 26);
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 12, 12);
  f.Send(WM_LBUTTONUP, 0, 12, 12);
  // A press where the pointer jumped to enters that control first.
  EXPECT_EQ(f.Log, (std::vector<std::string>{"b enter", "b down 5,5", "b click", "b up 6,6",
                                             "b leave", "a enter", "a down 2,2", "a click",
                                             "a up 2,2"}));
}

TEST(WindowlessChild, KeepsTheMouseWhileAButtonIsHeld) {
  TSpotForm f;
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 12, 12);
  f.Send(WM_MOUSEMOVE, MK_LBUTTON, 150, 80);  // dragged far outside a
  f.Send(WM_LBUTTONUP, 0, 150, 80);           // released outside: no click
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 150, 80);  // the form itself now
  f.Send(WM_LBUTTONUP, 0, 150, 80);
  std::vector<std::string> expected{"a down 2,2", "a up 140,70"};
  std::vector<std::string> got;
  for (auto& s : f.Log)
    if (s.find("enter") == std::string::npos && s.find("leave") == std::string::npos)
      got.push_back(s);
  EXPECT_EQ(got, expected);
}

TEST(WindowlessChild, DoubleClickComesAfterTheFirstClick) {
  TSpotForm f;
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 12, 12);
  f.Send(WM_LBUTTONUP, 0, 12, 12);
  f.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, 12, 12);
  f.Send(WM_LBUTTONUP, 0, 12, 12);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"a enter", "a down 2,2", "a click", "a up 2,2",
                                             "a dblclick", "a down 2,2 double", "a up 2,2"}));
}

TEST(WindowlessChild, EnterAndLeaveFollowThePointer) {
  TSpotForm f;
  f.Form->Show();
  TPoint origin = f.Form->ClientToScreen({0, 0});
  SetCursorPos(origin.x + 5, origin.y + 5);
  f.Send(WM_MOUSEMOVE, 0, 5, 5);     // the form's own surface
  f.Send(WM_MOUSEMOVE, 0, 12, 12);   // onto a
  f.Send(WM_MOUSEMOVE, 0, 35, 25);   // onto b (over a)
  f.Send(WM_MOUSEMOVE, 0, 60, 45);   // still b
  f.Send(WM_MOUSEMOVE, 0, 150, 80);  // back on the form
  EXPECT_EQ(f.Log, (std::vector<std::string>{"a enter", "a leave", "b enter", "b leave"}));
  f.Send(WM_MOUSEMOVE, 0, 12, 12);
  SendMessageW(f.Form->Handle(), WM_MOUSELEAVE, 0, 0);  // the pointer left the window
  EXPECT_EQ(f.Log.back(), "a leave");
  EXPECT_FALSE(f.A->MouseInControl());
}

TEST(WindowlessChild, IsPaintedByItsParentClippedToItself) {
  TSpotForm f;
  f.B->Hide();
  f.Form->Show();
  UpdateWindow(f.Form->Handle());
  EXPECT_GT(f.A->Paints, 0);
  HDC dc = GetDC(f.Form->Handle());
  EXPECT_EQ(GetPixel(dc, 20, 20), RGB(255, 0, 0));
  EXPECT_NE(GetPixel(dc, 55, 20), RGB(255, 0, 0));  // just right of a
  ReleaseDC(f.Form->Handle(), dc);
}

TEST(WindowlessChild, RemovedWhileCapturedStopsGettingMessages) {
  TSpotForm f;
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 12, 12);
  delete f.A;
  f.Send(WM_LBUTTONUP, 0, 12, 12);  // must not reach the freed control
  EXPECT_EQ(f.Log, (std::vector<std::string>{"a enter", "a down 2,2"}));
}

TEST(Timer, FiresInsideTheMessageLoopUntilDisabled) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(20);
  timer.SetOnTimer([&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    if (++ticks == 3) timer.SetEnabled(false);
  });
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(ticks, 3);
}

TEST(Timer, EachTimerGetsItsOwnTicksAndADeletedOneNoneLeftQueued) {
  auto first = std::make_unique<TTimer>(nullptr);
  TTimer second(nullptr);
  int firstTicks = 0, secondTicks = 0;
  first->SetInterval(10);
  first->SetOnTimer([&](TObject* sender) {
    EXPECT_EQ(sender, first.get());
    ++firstTicks;
  });
  second.SetInterval(10);
  second.SetOnTimer([&](TObject* sender) {
    EXPECT_EQ(sender, &second);
    ++secondTicks;
  });
  EXPECT_TRUE(PumpUntil([&] { return firstTicks >= 2 && secondTicks >= 2; }));
  // A tick of the first is due by now; it reaches nothing once the timer is gone.
  Sleep(30);
  first.reset();
  const int firstBefore = firstTicks, secondBefore = secondTicks;
  EXPECT_TRUE(PumpUntil([&] { return secondTicks >= secondBefore + 3; }));
  EXPECT_EQ(firstTicks, firstBefore);
  second.SetEnabled(false);
}

TEST(Timer, ErrorInTheHandlerIsReportedAndTheTimerGoesOn) {
  TMessageBoxRecorder boxes;
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(10);
  timer.SetOnTimer([&](TObject*) {
    if (++ticks <= 2) throw Exception("tick failed");
  });
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  timer.SetEnabled(false);
  ASSERT_GE(boxes.Count(), 2);
  EXPECT_EQ(boxes.Calls()[0].Text, "tick failed.");
}
