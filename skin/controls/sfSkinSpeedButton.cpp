#include "sfSkinSpeedButton.h"

#include <algorithm>

#include "sfPlainDraw.h"
#include "sfSkinPanel.h"
#include "sfSkinToolBar.h"
#include "skin/data/sfSkinData.h"
#include "ui/Bitmap.h"
#include "ui/ImageList.h"
#include "ui/Messages.h"
#include "ui/ShortCut.h"
#include "ui/WinControl.h"

TsfSkinSpeedButton::TsfSkinSpeedButton(TComponent* AOwner)
    : TsfGraphicSkinCustomControl(AOwner),
      FGlyph(std::make_unique<TBitmap>()),
      FTransitions({[this] { Invalidate(); }, [this] { ButtonClick(); },
                    [this] { return FMouseIn; },
                    [this] { return Skinned() && MorphingActive(); }}) {
  SetSkinDataName("toolbutton");
  FClickOnRelease = false;  // the click comes from ButtonClick alone
  SetBounds(Left(), Top(), 25, 25);
  SetOpaque(true);
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TsfSkinSpeedButton::~TsfSkinSpeedButton() { FGlyph->OnChange = nullptr; }

// ---- properties ------------------------------------------------------------------

void TsfSkinSpeedButton::SetDown(bool value) {
  if (value == FDown) return;
  FDown = value;
  if (MorphingActive()) FTransitions.DownChanged(value);
  Invalidate();
  if (InGroup() && FDown && !FAllowAllUp) ReleaseButtonGroup(this);
}

void TsfSkinSpeedButton::SetFlat(bool value) {
  FFlat = value;
  SetTransparent(value);
  Invalidate();
}

void TsfSkinSpeedButton::SetTransparent(bool value) {
  SetOpaque(!value);
  Invalidate();
}

void TsfSkinSpeedButton::SetShowCaption(bool value) {
  if (value == FShowCaption) return;
  FShowCaption = value;
  if (FWidthWithCaption > 0 && FWidthWithoutCaption > 0)
    SetWidth(value ? FWidthWithCaption : FWidthWithoutCaption);
  else
    Invalidate();
}

void TsfSkinSpeedButton::SetGlyph(const TBitmap& value) { FGlyph->Assign(value); }

void TsfSkinSpeedButton::SetNumGlyphs(int value) {
  FNumGlyphs = std::clamp(value, 1, 4);
  Invalidate();
}

void TsfSkinSpeedButton::SetImageList(TCustomImageList* value) {
  if (value == FImageList) return;
  if (FImageList) RemoveFreeNotification(FImageList);
  FImageList = value;
  if (value) FreeNotification(value);
  Invalidate();
}

void TsfSkinSpeedButton::Notification(TComponent* AComponent, TOperation Operation) {
  TsfGraphicSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImageList) {
    FImageList = nullptr;
    Invalidate();
  }
}

void TsfSkinSpeedButton::SetImageIndex(int value) {
  FImageIndex = value;
  if (dynamic_cast<TsfSkinToolBar*>(Parent())) Invalidate();
}

void TsfSkinSpeedButton::SetLayout(TsfButtonLayout value) {
  if (value == FLayout) return;
  FLayout = value;
  Invalidate();
}

void TsfSkinSpeedButton::SetMargin(int value) {
  if (value < -1 || value == FMargin) return;
  FMargin = value;
  Invalidate();
}

void TsfSkinSpeedButton::SetSpacing(int value) {
  if (value == FSpacing) return;
  FSpacing = value;
  Invalidate();
}

void TsfSkinSpeedButton::SetUseSkinSize(bool value) {
  if (value == FUseSkinSize) return;
  FUseSkinSize = value;
  Invalidate();
}

void TsfSkinSpeedButton::SetUseSkinFontColor(bool value) {
  if (value == FUseSkinFontColor) return;
  FUseSkinFontColor = value;
  Invalidate();
}

void TsfSkinSpeedButton::ButtonClick() { RunButtonClick(*this); }

void TsfSkinSpeedButton::ActionChange(TBasicAction* Sender, bool CheckDefaults) {
  TsfGraphicSkinCustomControl::ActionChange(Sender, CheckDefaults);
  if (CopyActionImage(*FGlyph, Sender)) Invalidate();
}

void TsfSkinSpeedButton::WndProc(TMessage& m) {
  if (m.Msg == CM_DIALOGCHAR && IsAccel(static_cast<char>(m.WParam), Caption()) && Enabled() &&
      Visible() && Parent() && Parent()->Showing()) {
    ButtonClick();
    m.Result = 1;
    return;
  }
  TsfGraphicSkinCustomControl::WndProc(m);
}

// ---- skin ---------------------------------------------------------------------------

void TsfSkinSpeedButton::FetchSkin() {
  TsfGraphicSkinCustomControl::FetchSkin();
  FButtonSkin = Skinned() ? FetchButtonSkinValues(Definition()) : TsfButtonSkinValues{};
  if (Transparent()) FButtonSkin.morphing = false;
  FNormalImage = FSkin.SkinRect;
  int frameNo = FTransitions.AnimationFrame();
  if (FTransitions.AnimationRunning() && frameNo > 0 && frameNo <= FButtonSkin.framecount) {
    TRect frame = AnimationFrameRect(FButtonSkin.animateskinrect, FSkin.SkinRect,
                                     FButtonSkin.framecount, frameNo);
    if (FTransitions.AnimationInward())
      FButtonSkin.activeskinrect = frame;
    else
      FNormalImage = frame;
  }
}

void TsfSkinSpeedButton::ApplySkin() {
  FTransitions.StopAnimation();
  FTransitions.StopMorph();
  TsfGraphicSkinCustomControl::ApplySkin();
  if (MorphingActive() && Skinned() && FMouseIn && !Transparent()) FTransitions.SetMorphFactor(1);
}

void TsfSkinSpeedButton::CalcSkinSize(int& w, int& h) {
  if (FUseSkinSize || SizingMode() == sfsmNinePart) {
    TsfGraphicSkinCustomControl::CalcSkinSize(w, h);
    return;
  }
  const TRect& cl = FSkin.ClRect;
  FSkin.NewClRect = {cl.Left, cl.Top, cl.Right + w - FSkin.SkinWidth(),
                     cl.Bottom + h - FSkin.SkinHeight()};
}

// ---- mouse -----------------------------------------------------------------------------

void TsfSkinSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TsfGraphicSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FTransitions.StopAnimation();
  if (!FDown) {
    FMouseIn = true;
    SetDown(true);
    FReleaseOnUp = false;
    if (!InGroup() && FRepeatMode)
      FTransitions.StartRepeat(FRepeatInterval);
    else if (InGroup())
      ButtonClick();
  } else if (InGroup()) {
    FReleaseOnUp = true;
  }
}

void TsfSkinSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TsfGraphicSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  bool wasDown = FDown;
  if (!InGroup()) {
    FTransitions.StopRepeat();
    if (FMouseIn) {
      SetDown(false);
      if (wasDown) ButtonClick();
    } else {
      FDown = false;  // it already looks up with the pointer away
    }
  } else if (wasDown && FAllowAllUp && FReleaseOnUp && FMouseIn) {
    SetDown(false);
    ButtonClick();
  }
}

void TsfSkinSpeedButton::MouseEnter() {
  TsfGraphicSkinCustomControl::MouseEnter();
  if (IsDesigning() || !Enabled()) return;
  FMouseIn = true;
  if (!InGroup() || !FDown) {
    if (FDown) {
      if (MorphingActive()) FTransitions.SetMorphFactor(1);
      Invalidate();
    } else {
      StartAnimation(true);
      MorphOrRepaint();
    }
  }
  if (!InGroup() && FDown && FRepeatMode) FTransitions.ResumeRepeat();
}

void TsfSkinSpeedButton::MouseLeave() {
  TsfGraphicSkinCustomControl::MouseLeave();
  if (IsDesigning() || !Enabled()) return;
  FMouseIn = false;
  if (!InGroup() || !FDown) {
    StartAnimation(false);
    MorphOrRepaint();
  }
  if (!InGroup() && FDown && FRepeatMode) FTransitions.StopRepeat();
}

void TsfSkinSpeedButton::EnabledChanged() {
  TsfGraphicSkinCustomControl::EnabledChanged();
  if (MorphingActive()) {
    FTransitions.StopMorph();
    FTransitions.SetMorphFactor(0);
  }
  FMouseIn = false;
  Invalidate();
}

// ---- timers -----------------------------------------------------------------------------

bool TsfSkinSpeedButton::MorphingActive() const {
  return FButtonSkin.morphing && SkinData() && !SkinData()->SkinEmpty() &&
         SkinData()->EnableSkinEffects();
}

void TsfSkinSpeedButton::MorphOrRepaint() {
  if (MorphingActive() && Skinned() && !Transparent()) {
    FTransitions.StartMorph();
  } else {
    Invalidate();
  }
}

bool TsfSkinSpeedButton::AnimationApplies() const {
  return Skinned() && SkinData() && SkinData()->EnableSkinEffects() &&
         !FButtonSkin.animateskinrect.IsEmpty() && FButtonSkin.framecount > 0 && !FFlat;
}

void TsfSkinSpeedButton::StartAnimation(bool inward) {
  if (AnimationApplies())
    FTransitions.StartAnimation(inward, FButtonSkin.framecount, FButtonSkin.animateinterval);
}

// ---- painting ---------------------------------------------------------------------------

TsfSkinSpeedButton::TImageChoice TsfSkinSpeedButton::ChooseImage() const {
  TImageChoice choice;
  if (!FGlyph->Empty()) return choice;
  if (auto* bar = dynamic_cast<TsfSkinToolBar*>(Parent())) {
    choice.Index = FImageIndex;
    if (!Enabled() && bar->DisabledImages()) {
      choice.List = bar->DisabledImages();  // its images are drawn as they are
    } else {
      choice.Enabled = Enabled();
      choice.List = (FMouseIn || FDown) && bar->HotImages() ? bar->HotImages() : bar->Images();
    }
    if (choice.List) return choice;
  }
  if (FImageList && FImageIndex >= 0 && FImageIndex < FImageList->Count())
    return {FImageList, FImageIndex, Enabled()};
  return {};
}

TsfGlyphCaption TsfSkinSpeedButton::GlyphCaption(bool pressed) const {
  TsfGlyphCaption g;
  TImageChoice image = ChooseImage();
  g.Images = image.List;
  g.ImageIndex = image.Index;
  g.ImageEnabled = image.Enabled;
  g.Glyph = FGlyph.get();
  g.NumGlyphs = FNumGlyphs;
  g.GlyphNo = StripGlyphNumber(FDown, FMouseIn, Enabled(), FNumGlyphs);
  g.Caption = FShowCaption ? Caption() : std::string();
  g.Margin = FMargin;
  g.Layout = FLayout;
  g.Spacing = FSpacing;
  g.Pressed = pressed;
  return g;
}

void TsfSkinSpeedButton::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  FetchSkin();
  int w = Width(), h = Height();
  CalcSkinSize(w, h);
  if (Skinned()) {
    PaintSkinned();
  } else if (ShowsDownLook() || FMouseIn || !Transparent()) {
    PaintOffScreen();
  } else {
    TColor color = Enabled() ? DefaultFont().Color() : clBtnShadow;
    PaintCaptionOnly({0, 0, Width(), Height()}, color, false);
  }
}

void TsfSkinSpeedButton::PaintCaptionOnly(const TRect& area, TColor color, bool skinFont) {
  if (skinFont && UseSkinFont())
    AssignSkinFont(Canvas().Font(), FButtonSkin.fontname, FButtonSkin.fontheight,
                   FButtonSkin.fontstyle, color);
  else
    Canvas().Font().Assign(DefaultFont());
  Canvas().Font().SetColor(color);
  DrawGlyphAndCaption(Canvas(), area, GlyphCaption(false));
}

void TsfSkinSpeedButton::PaintSkinned() {
  TBitmap image(Width(), Height());
  double factor = FTransitions.MorphFactor();
  if (MorphingActive() && factor > 0 && factor < 1 && !Transparent()) {
    TBitmap hot(Width(), Height());
    DrawButtonImage(image, FNormalImage, false, false);
    DrawButtonImage(hot, FButtonSkin.activeskinrect, true, false);
    MorphFaces(image, hot, FButtonSkin.morphkind, factor);
  } else if (ShowsDownLook()) {
    DrawButtonImage(image, FButtonSkin.downskinrect, true, true);
  } else if (FMouseIn || (MorphingActive() && factor == 1)) {
    DrawButtonImage(image, FButtonSkin.activeskinrect, true, false);
  } else if (Transparent()) {
    TColor color = DefaultFont().Color();
    if (!Enabled())
      color = SkinData()->SkinColors.cbtnshadow;
    else if (FUseSkinFontColor)
      color = SkinData()->SkinColors.cbtntext;
    PaintCaptionOnly(FSkin.NewClRect, color, true);
    return;
  } else {
    bool disabledImage = !Enabled() && !FButtonSkin.disabledskinrect.IsEmpty();
    DrawButtonImage(image, disabledImage ? FButtonSkin.disabledskinrect : FNormalImage, false,
                    false);
  }
  Canvas().Draw(0, 0, image);
}

TsfButtonFaceSource TsfSkinSpeedButton::FaceSource() {
  return {&FSkin, SkinPicture(), FUseSkinSize,
          [this](TBitmap& B, const TRect& R) { DrawSkinImageRect(B, R); }};
}

void TsfSkinSpeedButton::DrawButtonImage(TBitmap& B, const TRect& R, bool active, bool down) {
  TRect area = DrawButtonFaceImage(B, R, FaceSource());
  TCanvas& c = B.Canvas();
  PrepareButtonFaceFont(c, FButtonSkin, UseSkinFont(), DefaultFont(), FUseSkinFontColor, Enabled(),
                        active, down);
  DrawGlyphAndCaption(c, area, GlyphCaption(active && down));
}

void TsfSkinSpeedButton::DrawDefaultImage(TBitmap& B) {
  TCanvas& c = B.Canvas();
  TRect r{0, 0, B.Width(), B.Height()};
  bool pressed = ShowsDownLook();
  TsfPlainFace face = TsfPlainFace::Clear;
  if (pressed)
    face = TsfPlainFace::Down;
  else if (FMouseIn)
    face = TsfPlainFace::Hot;
  else if (IsDesigning() || !FFlat)
    face = TsfPlainFace::Framed;
  else if (!Transparent())
    face = TsfPlainFace::Filled;
  DrawPlainFace(c, r, face);
  c.Font().Assign(DefaultFont());
  if (!Enabled()) c.Font().SetColor(clBtnShadow);
  DrawGlyphAndCaption(c, r, GlyphCaption(pressed));
}
