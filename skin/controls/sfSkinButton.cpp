#include <windows.h>

#include "sfSkinButton.h"

#include <algorithm>

#include "sfSkinPanel.h"
#include "skin/data/sfSkinData.h"
#include "ui/Bitmap.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/Messages.h"
#include "ui/ShortCut.h"

TsfSkinButton::TsfSkinButton(TComponent* AOwner)
    : TsfSkinCustomControl(AOwner),
      FGlyph(std::make_unique<TBitmap>()),
      FTransitions({[this] { Invalidate(); }, [this] { ButtonClick(); },
                    [this] { return FMouseIn || FocusedButton(); },
                    [this] { return Skinned() && MorphingActive(); }}) {
  SetSkinDataName("button");
  FClickOnRelease = false;  // the click comes from ButtonClick alone
  SetBounds(Left(), Top(), 75, 25);
  SetTabStop(true);
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TsfSkinButton::~TsfSkinButton() { FGlyph->OnChange = nullptr; }

// ---- properties ----------------------------------------------------------------------

void TsfSkinButton::SetCanFocused(bool value) {
  FCanFocused = value;
  SetTabStop(value);
}

void TsfSkinButton::SetDefault(bool value) {
  FDefault = value;
  // The buttons work out again which of them answers Enter and is highlighted.
  if (HandleAllocated() && FCanFocused)
    if (TForm* form = GetParentForm(this)) form->SendFocusChanged();
}

void TsfSkinButton::SetDown(bool value) {
  if (value == FDown) return;
  FDown = value;
  if (MorphingActive()) FTransitions.DownChanged(value);
  Invalidate();
  if (InGroup() && FDown && !FAllowAllUp) ReleaseButtonGroup(this);
}

void TsfSkinButton::SetGroupIndex(int value) {
  FGroupIndex = value;
  if (value != 0) SetCanFocused(false);
}

void TsfSkinButton::SetGlyph(const TBitmap& value) { FGlyph->Assign(value); }

void TsfSkinButton::SetNumGlyphs(int value) {
  FNumGlyphs = std::clamp(value, 1, 4);
  Invalidate();
}

void TsfSkinButton::SetLayout(TsfButtonLayout value) {
  if (value == FLayout) return;
  FLayout = value;
  Invalidate();
}

void TsfSkinButton::SetMargin(int value) {
  if (value < -1 || value == FMargin) return;
  FMargin = value;
  Invalidate();
}

void TsfSkinButton::SetSpacing(int value) {
  if (value == FSpacing) return;
  FSpacing = value;
  Invalidate();
}

void TsfSkinButton::SetImageList(TCustomImageList* value) {
  if (value == FImageList) return;
  if (FImageList) RemoveFreeNotification(FImageList);
  FImageList = value;
  if (value) FreeNotification(value);
  Invalidate();
}

void TsfSkinButton::Notification(TComponent* AComponent, TOperation Operation) {
  TsfSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImageList) {
    FImageList = nullptr;
    Invalidate();
  }
}

void TsfSkinButton::SetImageIndex(int value) {
  if (value == FImageIndex) return;
  FImageIndex = value;
  Invalidate();
}

void TsfSkinButton::SetUseSkinSize(bool value) {
  if (value == FUseSkinSize) return;
  FUseSkinSize = value;
  Invalidate();
}

void TsfSkinButton::SetUseSkinFontColor(bool value) {
  if (value == FUseSkinFontColor) return;
  FUseSkinFontColor = value;
  Invalidate();
}

void TsfSkinButton::ButtonClick() {
  if (FCanFocused)
    if (TForm* form = GetParentForm(Parent())) form->SetModalResult(FModalResult);
  RunButtonClick(*this);
}

void TsfSkinButton::ActionChange(TBasicAction* Sender, bool CheckDefaults) {
  TsfSkinCustomControl::ActionChange(Sender, CheckDefaults);
  if (CopyActionImage(*FGlyph, Sender)) Invalidate();
}

bool TsfSkinButton::CanFocus() const { return FCanFocused && TsfSkinCustomControl::CanFocus(); }

bool TsfSkinButton::ShowsDownLook() const {
  if (!FDown) return false;
  return InGroup() || FMouseIn || (FocusedButton() && !FMousePressed);
}

// ---- skin ------------------------------------------------------------------------------

void TsfSkinButton::FetchSkin() {
  TsfSkinCustomControl::FetchSkin();
  FButtonSkin = Skinned() ? FetchButtonSkinValues(Definition()) : TsfButtonSkinValues{};
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

void TsfSkinButton::ApplySkin() {
  FTransitions.StopAnimation();
  FTransitions.StopMorph();
  TsfSkinCustomControl::ApplySkin();
  if (MorphingActive() && Skinned() && FMouseIn) FTransitions.SetMorphFactor(1);
}

void TsfSkinButton::CalcSkinSize(int& w, int& h) {
  if (FUseSkinSize || SizingMode() == sfsmNinePart) {
    TsfSkinCustomControl::CalcSkinSize(w, h);
    return;
  }
  const TRect& cl = FSkin.ClRect;
  FSkin.NewClRect = {cl.Left, cl.Top, cl.Right + w - FSkin.SkinWidth(),
                     cl.Bottom + h - FSkin.SkinHeight()};
}

void TsfSkinButton::UpdateSkinRegion() {
  if (FUseSkinSize) {
    TsfSkinCustomControl::UpdateSkinRegion();
    return;
  }
  if (SkinRegion()) SetSkinRegion({});
}

bool TsfSkinButton::MorphingActive() const {
  return FButtonSkin.morphing && SkinData() && !SkinData()->SkinEmpty() &&
         SkinData()->EnableSkinEffects();
}

void TsfSkinButton::MorphOrRepaint() {
  if (MorphingActive() && Skinned())
    FTransitions.StartMorph();
  else
    Invalidate();
}

void TsfSkinButton::StartAnimation(bool inward) {
  if (Skinned() && SkinData()->EnableSkinEffects() && !FButtonSkin.animateskinrect.IsEmpty() &&
      FButtonSkin.framecount > 0)
    FTransitions.StartAnimation(inward, FButtonSkin.framecount, FButtonSkin.animateinterval);
}

// ---- mouse, focus and keys -----------------------------------------------------------------

bool TsfSkinButton::HandleDialogKey(TMessage& m) {
  auto shift = TShiftState::FromBits(static_cast<std::uint32_t>(m.LParam));
  bool plain = !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
  if (m.WParam == VK_RETURN && FActiveDefault && Enabled()) {
    ButtonClick();
    return true;
  }
  if (m.WParam == VK_ESCAPE && FCancel && FCanFocused && plain && CanFocus()) {
    ButtonClick();
    return true;
  }
  return false;
}

bool TsfSkinButton::HandleDialogChar(TMessage& m) {
  if (!FCanFocused || !IsAccel(static_cast<char>(m.WParam), Caption()) || !CanFocus())
    return false;
  SetFocus();
  ButtonClick();
  return true;
}

void TsfSkinButton::FocusChanged(TWinControl* focused) {
  bool toButton = dynamic_cast<TsfSkinButton*>(focused) != nullptr;
  FActiveDefault = focused == this || (!toButton && FDefault);
  if (!FCanFocused || !FDefault) return;
  if (toButton && focused != this && FMouseIn) {
    FMouseIn = false;
    MorphOrRepaint();
  } else if (!toButton && !FMouseIn) {
    FMouseIn = true;
    if (MorphingActive()) FTransitions.SetMorphFactor(1);
    MorphOrRepaint();
  }
}

void TsfSkinButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_DIALOGKEY:
      if (HandleDialogKey(m)) {
        m.Result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (HandleDialogChar(m)) {
        m.Result = 1;
        return;
      }
      break;
    case CM_FOCUSCHANGED:
      FocusChanged(reinterpret_cast<TWinControl*>(m.LParam));
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (FCanFocused && !IsDesigning() && !Focused()) {
        SetFocus();
        if (!Focused()) return;  // refused the focus: the press is dropped
      }
      break;
    case WM_ERASEBKGND:
      // Outside its own paint the button paints itself into the given context, so a
      // parent copying its background sees it.
      if (!InWmPaint()) PaintTo(reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      return;
  }
  TsfSkinCustomControl::WndProc(m);
}

void TsfSkinButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TsfSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FTransitions.StopAnimation();
  FMousePressed = true;
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

void TsfSkinButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    FMousePressed = false;
    bool wasDown = FDown;
    if (!InGroup()) {
      FTransitions.StopRepeat();
      if (FMouseIn) {
        SetDown(false);
        if (wasDown) ButtonClick();
      } else {
        FDown = false;
      }
    } else if (wasDown && FAllowAllUp && FReleaseOnUp && FMouseIn) {
      SetDown(false);
      ButtonClick();
    }
  }
  if (HandleAllocated() && Visible()) TsfSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

bool TsfSkinButton::ReactsToPointer() const {
  return InGroup() ? !FDown : (!FocusedButton() || FDown);
}

void TsfSkinButton::MouseEnter() {
  TsfSkinCustomControl::MouseEnter();
  if (IsDesigning()) return;
  FMouseIn = true;
  if (ReactsToPointer()) {
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

void TsfSkinButton::MouseLeave() {
  TsfSkinCustomControl::MouseLeave();
  if (IsDesigning()) return;
  bool keepsHighlight = FCanFocused && FDefault && FActiveDefault && !Focused();
  if (!keepsHighlight) FMouseIn = false;
  if (ReactsToPointer()) {
    StartAnimation(false);
    MorphOrRepaint();
  }
  if (!InGroup() && FDown && FRepeatMode) FTransitions.StopRepeat();
}

void TsfSkinButton::DoEnter() {
  TsfSkinCustomControl::DoEnter();
  if (!FCanFocused) return;
  StartAnimation(true);
  MorphOrRepaint();
}

void TsfSkinButton::DoExit() {
  if (FRepeatMode) FTransitions.StopRepeat();
  if (!InGroup() && FDown) FDown = false;
  TsfSkinCustomControl::DoExit();
  if (!FCanFocused) return;
  StartAnimation(false);
  MorphOrRepaint();
}

void TsfSkinButton::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  if (FCanFocused) {
    if (Key == VK_SPACE) {
      FTransitions.StopAnimation();
      SetDown(true);
      if (FRepeatMode) ButtonClick();
    } else if (Key == VK_RETURN) {
      ButtonClick();
    }
  }
  TsfSkinCustomControl::KeyDown(Key, Shift);
}

void TsfSkinButton::KeyUp(std::uint16_t& Key, TShiftState Shift) {
  if (FCanFocused && Key == VK_SPACE) {
    SetDown(false);
    ButtonClick();
  }
  TsfSkinCustomControl::KeyUp(Key, Shift);
}

void TsfSkinButton::EnabledChanged() {
  TsfSkinCustomControl::EnabledChanged();
  FTransitions.StopMorph();
  FTransitions.SetMorphFactor(0);
  FMouseIn = false;
  Invalidate();
}

void TsfSkinButton::CreateHandleDone() {
  TsfSkinCustomControl::CreateHandleDone();
  FActiveDefault = FDefault;
}

// ---- painting ------------------------------------------------------------------------------

TsfGlyphCaption TsfSkinButton::GlyphCaption(bool pressed) const {
  TsfGlyphCaption g;
  g.Glyph = FGlyph.get();
  g.NumGlyphs = FNumGlyphs;
  g.Images = FImageList;
  g.ImageIndex = FImageIndex;
  g.ImageEnabled = Enabled();
  g.Caption = Caption();
  g.Margin = FMargin;
  g.Layout = FLayout;
  g.Spacing = FSpacing;
  g.Pressed = pressed;
  return g;
}

bool TsfSkinButton::DoPaintEvent(TCanvas& C, const TRect& R, bool down, bool hot) {
  bool drawDefault = true;
  if (OnPaint) OnPaint(this, C, R, down, hot, drawDefault);
  return drawDefault;
}

void TsfSkinButton::Paint() {
  if (Width() < 1 || Height() < 1) return;
  FetchSkin();
  int w = Width(), h = Height();
  CalcSkinSize(w, h);
  if (Skinned())
    PaintSkinned();
  else
    PaintOffScreen();
}

void TsfSkinButton::PaintSkinned() {
  TBitmap image(Width(), Height());
  double factor = FTransitions.MorphFactor();
  bool focusedOrHot = FocusedButton() || FMouseIn;
  if (MorphingActive() && factor > 0 && factor < 1 && Enabled()) {
    TBitmap hot(Width(), Height());
    DrawButtonFace(image, FNormalImage, false, false);
    DrawButtonFace(hot, FButtonSkin.activeskinrect, true, false);
    MorphFaces(image, hot, FButtonSkin.morphkind, factor);
  } else if (!Enabled() && !FButtonSkin.disabledskinrect.IsEmpty()) {
    DrawButtonFace(image, FButtonSkin.disabledskinrect, false, false);
  } else if (ShowsDownLook()) {
    DrawButtonFace(image, FButtonSkin.downskinrect, true, true);
  } else if (FocusedButton() && !FButtonSkin.focusedskinrect.IsEmpty() &&
             !FTransitions.AnimationRunning()) {
    DrawButtonFace(image, FButtonSkin.focusedskinrect, true, false);
  } else if (focusedOrHot || (MorphingActive() && factor == 1)) {
    DrawButtonFace(image, FButtonSkin.activeskinrect, true, false);
  } else {
    DrawButtonFace(image, FNormalImage, false, false);
  }
  Canvas().Draw(0, 0, image);
}

TsfButtonFaceSource TsfSkinButton::FaceSource() {
  return {&FSkin, SkinPicture(), FUseSkinSize,
          [this](TBitmap& B, const TRect& R) { DrawSkinImageRect(B, R); }};
}

void TsfSkinButton::DrawButtonFace(TBitmap& B, const TRect& R, bool active, bool down) {
  TRect area = DrawButtonFaceImage(B, R, FaceSource());
  TCanvas& c = B.Canvas();
  PrepareButtonFaceFont(c, FButtonSkin, UseSkinFont(), DefaultFont(), FUseSkinFontColor, Enabled(),
                        active, down);
  if (FButtonSkin.showfocus && Focused()) {
    RECT focus{area.Left, area.Top, area.Right, area.Bottom};
    c.Brush().SetColor(SkinData()->SkinColors.cbtnface);
    DrawFocusRect(c.Handle(), &focus);
  }
  if (!DoPaintEvent(c, area, down, active)) return;
  TsfGlyphCaption g = GlyphCaption(active && down);
  g.GlyphNo = StripGlyphNumber(down, active, Enabled(), FNumGlyphs);
  g.ImageEnabled = Enabled();
  DrawGlyphAndCaption(c, area, g);
}

void TsfSkinButton::DrawDefaultImage(TBitmap& B) {
  TCanvas& c = B.Canvas();
  TRect r{0, 0, B.Width(), B.Height()};
  bool pressed = ShowsDownLook();
  if (pressed)
    DrawPlainFace(c, r, TsfPlainFace::Down);
  else if (FMouseIn || FocusedButton())
    DrawPlainFace(c, r, TsfPlainFace::Hot);
  else
    DrawPlainFace(c, r, TsfPlainFace::Framed);
  c.Font().Assign(DefaultFont());
  if (!Enabled()) c.Font().SetColor(clBtnShadow);
  if (!DoPaintEvent(c, r, FDown, FMouseIn)) return;
  TsfGlyphCaption g = GlyphCaption(pressed);
  g.GlyphNo = StripGlyphNumber(FDown, FMouseIn, Enabled(), FNumGlyphs);
  if (FImageList && FImageIndex >= 0 && FImageIndex < FImageList->Count())
    g.Pressed = FDown && FMouseIn;
  DrawGlyphAndCaption(c, r, g);
}
