// Every window, dc, bitmap, font, brush, pen and region a control takes is given
// back: the live counts return to where they started.
#include <gtest/gtest.h>

#include <array>

#include "FormTestSupport.h"
#include "ui/Bitmap.h"
#include "ui/CustomControl.h"
#include "ui/GdiObject.h"
#include "ui/GraphicControl.h"
#include "ui/Timer.h"

namespace {

std::array<int, static_cast<size_t>(THandleKind::Count_)> Counts() {
  std::array<int, static_cast<size_t>(THandleKind::Count_)> out{};
  for (size_t i = 0; i < out.size(); ++i) out[i] = LiveHandles(static_cast<THandleKind>(i));
  return out;
}

class TPainter : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;

 protected:
  void Paint() override {
    Canvas().Font().SetHeight(-12 - Tag());
    Canvas().Brush().SetColor(clBlue);
    Canvas().Pen().SetColor(clRed);
    Canvas().FillRect(ClientRect());
    Canvas().MoveTo(0, 0);
    Canvas().LineTo(Width(), Height());
    Canvas().TextOut(1, 1, "文字");
  }
};

class TPaintedBox : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  void Paint() override {
    TBitmap image;
    image.SetSize(Width(), Height());
    image.Canvas().Brush().SetColor(clYellow);
    image.Canvas().FillRect(ClientRect());
    Canvas().Draw(0, 0, image);
  }
};

}  // namespace

TEST(HandleCounts, ReturnToTheStartAfterManyControlsOfEveryKind) {
  auto before = Counts();
  for (int round = 0; round < 3; ++round) {
    auto form = MakeForm();
    form->SetClientWidth(400);
    form->SetClientHeight(300);
    form->Show();
    for (int i = 0; i < 100; ++i) {
      auto* box = new TPaintedBox(form.get());
      box->SetBounds(i % 20 * 20, i / 20 * 20, 18, 18);
      box->SetParent(form.get());
      auto* painter = new TPainter(form.get());
      painter->SetTag(i % 5);
      painter->SetBounds(i % 20 * 20, 200 + i / 20 * 10, 18, 9);
      painter->SetParent(form.get());
      auto* plain = new TWinControl(form.get());
      plain->SetBounds(0, 0, 5, 5);
      plain->SetParent(box);
      new TTimer(form.get());
    }
    form->Repaint();
    for (int i = 0; i < form->ControlCount(); ++i)
      if (form->Controls(i)->IsWindowed()) form->Controls(i)->Update();
    if (round == 1) {
      // Controls removed one by one, windowed ones first, instead of with the form.
      while (form->ControlCount() > 0) delete form->Controls(0);
    }
    EXPECT_GT(LiveHandles(THandleKind::Window), before[0]);
  }
  EXPECT_EQ(Counts(), before);
}
