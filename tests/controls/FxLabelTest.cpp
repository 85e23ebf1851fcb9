// The Fx label: automatic sizing, rotation settings, where the caption is painted,
// blinking on the shared clock and the hover colour.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlsTestSupport.h"
#include "controls/FxLabel.h"
#include "ui/Messages.h"

namespace {

// Width and height of `text` in a platform font of these values.
SIZE TextSize(const std::string& face, int height, const std::string& text) {
  TTestPicture pic(1, 1, RGB(255, 255, 255));
  HFONT font = MakeTestFont(face, height, false);
  HGDIOBJ old = SelectObject(pic.DC(), font);
  std::wstring w = AnsiToWide(text);
  SIZE size{};
  GetTextExtentPoint32W(pic.DC(), w.c_str(), static_cast<int>(w.size()), &size);
  SelectObject(pic.DC(), old);
  DeleteObject(font);
  return size;
}

TFxLabel* CountLabel(TForm* form) {
  auto* label = new TFxLabel(form);
  label->SetParent(form);
  label->Font().SetName("宋体");
  label->Font().SetHeight(-13);
  label->Font().SetColor(clMaroon);
  label->SetBounds(4, 9, 78, 13);
  label->SetCaption("菜单导航特效");
  return label;
}

// A label painted on its own, opaque white, in black Verdana.
struct TPaintFixture {
  std::unique_ptr<TForm> Form = MakeSizedForm(300, 100);
  TFxLabel* Label = new TFxLabel(Form.get());
  TPaintFixture(int width, int height, const std::string& caption) {
    Label->SetParent(Form.get());
    Label->SetAutoSize(false);
    Label->Font().SetName("Verdana");
    Label->Font().SetHeight(-11);
    Label->Font().SetColor(clBlack);
    Label->SetColor(clWhite);
    Label->SetBounds(0, 0, width, height);
    Label->SetCaption(caption);
  }
};

}  // namespace

TEST(FxLabelAutoSize, ALongerCaptionWidensTheLabelKeepingItsLeftEdge) {
  auto form = MakeSizedForm();
  TFxLabel* label = CountLabel(form.get());
  SIZE first = TextSize("宋体", -13, "菜单导航特效");
  EXPECT_EQ(label->BoundsRect(), Bounds(4, 9, first.cx, first.cy));

  label->SetCaption("表单按钮特效：128个");
  SIZE longer = TextSize("宋体", -13, "表单按钮特效：128个");
  ASSERT_GT(longer.cx, first.cx);
  EXPECT_EQ(label->BoundsRect(), Bounds(4, 9, longer.cx, longer.cy));
}

TEST(FxLabelAutoSize, RightAlignedLabelKeepsItsRightEdge) {
  auto form = MakeSizedForm();
  TFxLabel* label = CountLabel(form.get());
  label->SetAlignment(taRightJustify);
  int right = label->Left() + label->Width();
  label->SetCaption("综合实例特效：1024个");
  EXPECT_GT(label->Width(), TextSize("宋体", -13, "菜单导航特效").cx);
  EXPECT_EQ(label->Left() + label->Width(), right);
  label->SetCaption("短");
  EXPECT_EQ(label->Left() + label->Width(), right);
}

TEST(FxLabelAutoSize, BordersAndConditionsOfSizing) {
  auto form = MakeSizedForm();
  TFxLabel* label = CountLabel(form.get());
  SIZE text = TextSize("宋体", -13, "菜单导航特效");
  label->SetBorderOuter(fsFlatBold);  // two pixels on every side
  EXPECT_EQ(label->BoundsRect(), Bounds(4, 9, text.cx + 4, text.cy + 4));
  label->SetBorderOuter(fsNone);
  // A condensed caption is cut to the label, which then keeps its size.
  label->SetCondenseCaption(ccAtEnd);
  EXPECT_FALSE(label->AutoSize());
  label->SetCaption("菜单导航特效：1234567个");
  EXPECT_EQ(label->Width(), text.cx);
}

TEST(FxLabelRotation, AnglesAreNormalisedAndRotationFollows) {
  auto form = MakeSizedForm();
  auto* label = new TFxLabel(form.get());
  label->Font().SetName("Verdana");
  ASSERT_TRUE(label->Font().IsTrueType());
  label->SetAngle(-90);
  EXPECT_EQ(label->Angle(), 270);
  EXPECT_EQ(label->Rotation(), roFlat);
  label->SetAngle(725);
  EXPECT_EQ(label->Angle(), 5);
  label->SetAngle(-400);
  EXPECT_EQ(label->Angle(), 320);

  label->SetRotation(roNone);
  EXPECT_EQ(label->Angle(), 0);
  label->SetRotation(roCurve);
  label->SetCenterPoint(cpLowerRight);
  label->SetAngle(45);
  label->SetRotation(roFlat);
  EXPECT_EQ(label->Angle(), 0);
  EXPECT_EQ(label->CenterPoint(), cpCenter);
  EXPECT_EQ(label->Font().Name(), "Verdana");
}

TEST(FxLabelRotation, RotationNeedsATrueTypeFont) {
  auto form = MakeSizedForm();
  auto* label = new TFxLabel(form.get());
  label->Font().SetName("MS Sans Serif");
  label->SetRotation(roFlat);
  EXPECT_EQ(label->Font().Name(), "Verdana");

  // A rotated label whose font becomes a bitmap font is turned back.
  label->SetAngle(30);
  ASSERT_EQ(label->Angle(), 30);
  label->Font().SetName("MS Sans Serif");
  EXPECT_EQ(label->Angle(), 0);
}

namespace {

// A form whose label is set up while the form is being read, as stored.
class TStoredLabelForm : public TForm {
 public:
  explicit TStoredLabelForm(TComponent* owner) : TForm(owner) {
    Label = new TFxLabel(this);
    Label->SetParent(this);
    Label->Font().SetName("MS Sans Serif");
    Label->Font().SetColor(clBlue);
    Label->SetAngle(90);
  }
  TFxLabel* Label;
};

}  // namespace

TEST(FxLabelRotation, LoadingFinishesTheRotationSettings) {
  auto form = MakeSizedForm<TStoredLabelForm>();
  TFxLabel* label = form->Label;
  EXPECT_EQ(label->Angle(), 90);
  EXPECT_EQ(label->Rotation(), roFlat);
  EXPECT_EQ(label->Font().Name(), "Verdana");
  EXPECT_EQ(label->FontColor(), clBlue);
  EXPECT_EQ(label->CurrentColor(), clBlue);
}

TEST(FxLabelPaint, FlatCaptionIsCentredOnTheLabelWithPpHalfAbove) {
  const std::string caption = "Photoshop基础教程";
  SIZE text = TextSize("Verdana", -11, caption);
  SIZE pp = TextSize("Verdana", -11, "Pp");
  for (TAlignment alignment : {taCenter, taLeftJustify, taRightJustify}) {
    TPaintFixture f(200, 40, caption);
    f.Label->SetRotation(roFlat);
    f.Label->SetLayout(tlCenter);
    f.Label->SetTextMargin(6);
    f.Label->SetAlignment(alignment);
    TTestPicture painted(200, 40, RGB(255, 0, 0));
    f.Label->PaintOn(painted.DC());

    int x = alignment == taCenter ? 100 - text.cx / 2 : alignment == taLeftJustify ? 6 : 194 - text.cx;
    TTestPicture expected(200, 40, RGB(255, 255, 255));
    HFONT font = MakeTestFont("Verdana", -11, false);
    HGDIOBJ old = SelectObject(expected.DC(), font);
    SetBkMode(expected.DC(), TRANSPARENT);
    SetTextColor(expected.DC(), RGB(0, 0, 0));
    RECT clip{6, 6, 194, 34};
    std::wstring w = AnsiToWide(caption);
    ExtTextOutW(expected.DC(), x, 20 - pp.cy / 2, ETO_CLIPPED, &clip, w.c_str(),
                static_cast<UINT>(w.size()), nullptr);
    SelectObject(expected.DC(), old);
    DeleteObject(font);

    EXPECT_GT(painted.CountPixels(RGB(0, 0, 0)), 20) << alignment;
    EXPECT_EQ(painted.Difference(expected), "same") << "alignment " << alignment;
  }
}

TEST(FxLabelPaint, PlainCaptionMovesDownByLayout) {
  const std::string caption = "菜单导航特效";
  SIZE text = TextSize("Verdana", -11, caption);
  for (TTextLayout layout : {tlTop, tlCenter, tlBottom}) {
    TPaintFixture f(150, 41, caption);
    f.Label->SetLayout(layout);
    TTestPicture painted(150, 41, RGB(255, 0, 0));
    f.Label->PaintOn(painted.DC());

    int free = 41 - text.cy;
    int top = layout == tlTop ? 0 : layout == tlCenter ? free / 2 : free;
    TTestPicture expected(150, 41, RGB(255, 255, 255));
    HFONT font = MakeTestFont("Verdana", -11, false);
    HGDIOBJ old = SelectObject(expected.DC(), font);
    SetBkMode(expected.DC(), TRANSPARENT);
    std::wstring w = AnsiToWide(caption);
    TextOutW(expected.DC(), 0, top, w.c_str(), static_cast<int>(w.size()));
    SelectObject(expected.DC(), old);
    DeleteObject(font);

    EXPECT_EQ(painted.Difference(expected), "same") << "layout " << layout;
  }
}

TEST(FxLabelBlinking, LabelsBlinkOnTheSharedClockWhichEndsWithTheLastLabel) {
  {
    auto form = MakeSizedForm();
    auto* a = new TFxLabel(form.get());
    auto* b = new TFxLabel(form.get());
    a->Font().SetColor(clMaroon);
    a->SetBlinkColor(clBlue);
    b->SetBlinkIntervalOn(30);
    b->SetBlinkIntervalOff(30);
    EXPECT_EQ(a->BlinkIntervalOn(), 30);  // one clock for all
    a->SetBlinking(true);
    EXPECT_TRUE(PumpUntil([&] { return a->CurrentColor() == clBlue; }));
    EXPECT_TRUE(PumpUntil([&] { return a->CurrentColor() == clMaroon; }));
    EXPECT_EQ(b->CurrentColor(), b->FontColor());  // b does not blink
    a->SetBlinking(false);
    EXPECT_EQ(a->CurrentColor(), clMaroon);
  }
  // Every label is gone: a new one starts a new clock with the default intervals.
  auto form = MakeSizedForm();
  auto* c = new TFxLabel(form.get());
  EXPECT_EQ(c->BlinkIntervalOn(), 500);
  EXPECT_EQ(c->BlinkIntervalOff(), 500);
}

TEST(FxLabelHover, FlyByColourShowsWhileThePointerIsOver) {
  auto form = MakeSizedForm();
  auto* label = new TFxLabel(form.get());
  label->SetParent(form.get());
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 50, 20);
  label->Font().SetColor(clMaroon);
  std::vector<std::string> log;
  label->OnMouseEnter = [&](TObject*) { log.push_back("enter " + std::to_string(label->Font().Color())); };
  label->OnMouseLeave = [&](TObject*) { log.push_back("leave " + std::to_string(label->Font().Color())); };
  label->SetFlyByEnabled(true);
  label->SetFlyByColor(clRed);
  HWND wnd = form->Handle();
  SendMessageW(wnd, WM_MOUSEMOVE, 0, PointParam(20, 20));
  EXPECT_EQ(label->CurrentColor(), clRed);
  SendMessageW(wnd, WM_MOUSEMOVE, 0, PointParam(200, 200));
  EXPECT_EQ(label->Font().Color(), clMaroon);
  EXPECT_EQ(log, (std::vector<std::string>{"enter " + std::to_string(clRed),
                                           "leave " + std::to_string(clMaroon)}));
}
