// The caption's own images: the active one, the normal one through the skin's
// inactive effect when the window is inactive, and the blend between the two
// while a transition runs.
#include <gtest/gtest.h>
#include <windows.h>

#include "FrameTestSupport.h"
#include "skin/data/sfDataSkinObject.h"
#include "skin/frame/sfCaptionObjects.h"
#include "ui/Bitmap.h"
#include "ui/Brush.h"
#include "ui/Canvas.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBackground = RGB(1, 2, 3);

bool Grey(COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); }

// Our skin's caption given an active image of pure red in the first active
// picture, no text, and the grey-scale look for an inactive window.
struct TCaptionImages : TFrameForm {
  TsfDataSkinCaption* Def = nullptr;
  TCaptionImages() {
    for (auto& d : Skin->ObjectDefs)
      if (auto* c = dynamic_cast<TsfDataSkinCaption*>(d.get())) Def = c;
    TBitmap* picture = Skin->ActivePictures(0);
    picture->Canvas().Brush().SetColor(kRed);
    picture->Canvas().FillRect({0, 0, 142, 23});
    Def->activepictureindex = 0;
    Def->activeskinrect = {0, 0, 142, 23};
    Def->textrect = {};
    Def->stretcheffect = true;
    Skin->FormInfo.autorenderinginactiveimage = true;
    Skin->FormInfo.inactiveeffect = ieGrayScale;
  }
  TsfActiveSkinObject& Caption() { return *Frame->FindObject("caption"); }
  // The caption drawn on its own, as the frame's timers draw it, over a colour
  // of no picture; the colour at the middle of its rectangle.
  COLORREF Middle() {
    TsfActiveSkinObject& c = Caption();
    TBitmap image(Form->Width(), Form->Height());
    image.Canvas().Brush().SetColor(kBackground);
    image.Canvas().FillRect({0, 0, Form->Width(), Form->Height()});
    c.Draw(image.Canvas(), false);
    const TRect& r = c.ObjectRect;
    return GetPixel(image.DC(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  COLORREF NormalMiddle() {
    const TRect& s = Caption().SkinRect;
    return GetPixel(Skin->MainPicture().DC(), (s.Left + s.Right) / 2, (s.Top + s.Bottom) / 2);
  }
};

}  // namespace

TEST(FrameCaption, ActiveImageAndInactiveEffect) {
  TCaptionImages f;
  f.Frame->ApplyFrameSkin();
  f.Resize(800, 600);
  EXPECT_EQ(f.Middle(), kRed);

  SendMessageW(f.Wnd(), WM_NCACTIVATE, FALSE, 0);
  ASSERT_FALSE(f.Frame->FrameActive());
  ASSERT_FALSE(Grey(f.NormalMiddle()));  // our frame is blue-grey
  EXPECT_TRUE(Grey(f.Middle()));

  // Without the skin's inactive look an inactive caption shows its text only.
  f.Skin->FormInfo.autorenderinginactiveimage = false;
  EXPECT_EQ(f.Middle(), kBackground);
}

TEST(FrameCaption, TransitionBlendsNormalAndActiveImages) {
  TCaptionImages f;
  f.Def->morphing = true;
  f.Frame->ApplyFrameSkin();
  f.Resize(800, 600);
  TsfActiveSkinObject& c = f.Caption();
  ASSERT_TRUE(c.TransitionsRun());
  c.Active = true;
  c.MorphFactor = 0.4;
  const COLORREF normal = f.NormalMiddle(), blend = f.Middle();
  EXPECT_GT(GetRValue(blend), GetRValue(normal));
  EXPECT_LT(GetRValue(blend), 255);
  EXPECT_LT(GetBValue(blend), GetBValue(normal));
  EXPECT_GT(GetBValue(blend), 0);

  // The deactivation runs the transition back to the normal image in steps of the
  // 25 ms morph timer, each drawn through the inactive effect.
  c.MorphFactor = 1;
  SendMessageW(f.Wnd(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(c.Active);
  EXPECT_TRUE(Grey(f.Middle()));
  for (int i = 0; i < 50 && c.MorphFactor > 0; ++i) {
    Sleep(10);
    Application->ProcessMessages();
  }
  EXPECT_EQ(c.MorphFactor, 0);
}
