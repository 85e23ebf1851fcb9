// What lies behind a control: the parent's own paint and the windowless siblings
// before the control, in the control's coordinates.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "skin/data/sfUtilsParentImage.h"
#include "ui/Bitmap.h"
#include "ui/CustomControl.h"
#include "ui/Form.h"
#include "ui/GraphicControl.h"

namespace {

class TFilled : public TGraphicControl {
 public:
  TFilled(TComponent* owner, TColor color) : TGraphicControl(owner), FColor(color) {}
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    Canvas().Brush().SetColor(FColor);
    Canvas().FillRect(ClientRect());
  }

 private:
  TColor FColor;
};

class TStriped : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  bool SawCopy = false;

 protected:
  void Paint() override {
    SawCopy = PaintingCopy();
    Canvas().Brush().SetColor(clRed);
    Canvas().FillRect(ClientRect());
    Canvas().Brush().SetColor(clGreen);
    Canvas().FillRect({0, 0, ClientWidth(), 10});  // a green band along the top
  }
};

}  // namespace

TEST(UtilsParentImage, ShowsTheParentAndTheWindowlessSiblingsBeforeTheControl) {
  auto form = std::make_unique<TForm>(nullptr);
  form->AfterConstruction();
  auto* panel = new TStriped(form.get());
  panel->SetBounds(0, 0, 200, 100);
  panel->SetParent(form.get());
  auto* under = new TFilled(form.get(), clBlue);  // before the control: shows
  under->SetBounds(30, 20, 20, 20);
  under->SetParent(panel);
  auto* control = new TFilled(form.get(), clYellow);
  control->SetBounds(20, 5, 40, 40);
  control->SetParent(panel);
  auto* over = new TFilled(form.get(), clFuchsia);  // after it: does not
  over->SetBounds(25, 25, 10, 10);
  over->SetParent(panel);

  TBitmap image(40, 40);
  GetParentImage(control, image.Canvas());
  EXPECT_EQ(image.Canvas().Pixel(0, 0), 0x008000u);   // the parent's band at y 5
  EXPECT_EQ(image.Canvas().Pixel(0, 10), 0x0000FFu);  // the parent's red below it
  EXPECT_EQ(image.Canvas().Pixel(15, 20), 0xFF0000u); // the blue sibling at 30,20 + 5,5
  EXPECT_EQ(image.Canvas().Pixel(8, 22), 0x0000FFu);  // red again, not the later sibling
  EXPECT_TRUE(panel->SawCopy);
  EXPECT_FALSE(panel->PaintingCopy());
  EXPECT_EQ(control->Paints, 0);
  EXPECT_EQ(over->Paints, 0);
}
