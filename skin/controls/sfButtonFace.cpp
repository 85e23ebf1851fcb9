#include "sfButtonFace.h"

#include <algorithm>

#include "sfPlainDraw.h"
#include "sfSkinGeometry.h"
#include "sfSkinPanel.h"  // AssignSkinFont
#include "skin/data/sfDataSkinControl.h"
#include "skin/data/sfEffects.h"
#include "skin/data/sfUtilsNinePart.h"
#include "ui/Action.h"
#include "ui/Bitmap.h"
#include "ui/Canvas.h"
#include "ui/Control.h"
#include "ui/ImageList.h"
#include "ui/Timer.h"

TsfButtonSkinValues FetchButtonSkinValues(const TsfDataSkinControl* def) {
  TsfButtonSkinValues v;
  auto* b = dynamic_cast<const TsfDataSkinButtonControl*>(def);
  if (!b) return v;
  v.fontname = b->fontname;
  v.fontheight = b->fontheight;
  v.fontstyle = b->fontstyle;
  v.fontcolor = b->fontcolor;
  v.activefontcolor = b->activefontcolor;
  v.downfontcolor = b->downfontcolor;
  v.disabledfontcolor = b->disabledfontcolor == b->fontcolor ? 8421504 : b->disabledfontcolor;
  v.activeskinrect = b->activeskinrect.IsEmpty() ? b->skinrect : b->activeskinrect;
  v.downskinrect = b->downskinrect.IsEmpty() ? v.activeskinrect : b->downskinrect;
  v.focusedskinrect = b->focusedskinrect;
  v.disabledskinrect = b->disabledskinrect;
  v.morphing = b->morphing;
  v.morphkind = b->morphkind;
  v.animateskinrect = b->animateskinrect;
  v.framecount = b->framecount;
  v.animateinterval = b->animateinterval;
  v.showfocus = b->showfocus;
  v.menumarkerflatrect = b->menumarkerflatrect;
  v.menumarkerrect = b->menumarkerrect;
  v.menumarkeractiverect = b->menumarkeractiverect;
  v.menumarkerdownrect = b->menumarkerdownrect;
  v.menumarkertransparentcolor = b->menumarkertransparentcolor;
  return v;
}

TRect AnimationFrameRect(const TRect& strip, const TRect& skinRect, int frameCount, int frame) {
  if (frameCount <= 0) return strip;
  if (strip.Width() > skinRect.Width()) {
    int w = strip.Width() / frameCount;
    int left = strip.Left + (frame - 1) * w;
    return {left, strip.Top, left + w, strip.Bottom};
  }
  int h = strip.Height() / frameCount;
  int top = strip.Top + (frame - 1) * h;
  return {strip.Left, top, strip.Right, top + h};
}

int StripGlyphNumber(bool down, bool hot, bool enabled, int numGlyphs) {
  if (down && hot && numGlyphs > 2) return 3;
  if (hot && numGlyphs > 3) return 4;
  if (enabled || numGlyphs < 2) return 1;
  return 2;
}

void DrawPlainFace(TCanvas& canvas, const TRect& r, TsfPlainFace face) {
  switch (face) {
    case TsfPlainFace::Clear: return;
    case TsfPlainFace::Filled:
      canvas.Brush().SetStyle(bsSolid);
      canvas.Brush().SetColor(clBtnFace);
      canvas.FillRect(r);
      return;
    case TsfPlainFace::Framed: FrameAndFill(canvas, r, clBtnShadow, clBtnFace); return;
    case TsfPlainFace::Hot: FrameAndFill(canvas, r, kPlainFrameColor, kPlainHotColor); return;
    case TsfPlainFace::Down: FrameAndFill(canvas, r, kPlainFrameColor, kPlainDownColor); return;
  }
}

TRect DrawButtonFaceImage(TBitmap& B, const TRect& R, const TsfButtonFaceSource& source) {
  const TsfSkinGeometry& g = *source.Skin;
  if (source.UseSkinSize || g.SizingMode == sfsmNinePart) {
    source.DrawImage(B, R);
    return g.NewClRect;
  }
  int w = B.Width(), h = B.Height();
  if (source.Picture && !source.Picture->Empty()) {
    if (g.SizingMode == sfsmFixed)
      B.Canvas().CopyRect({0, 0, w, h}, source.Picture->Canvas(), R);
    else if (g.SizingMode == sfsmHorizontal || g.SizingMode == sfsmVertical)
      RescaleKeepingBorder(B, *source.Picture, R, g.ClRect, w, h, true);
  }
  const TRect& cl = g.ClRect;
  return {cl.Left, cl.Top, cl.Right + w - R.Width(), cl.Bottom + h - R.Height()};
}

void MorphFaces(TBitmap& normal, const TBitmap& hot, TsfMorphKind kind, double factor) {
  TsfEffectBmp from(normal);
  TsfEffectBmp to(hot);
  from.Morph(kind, to, factor);
  from.AssignTo(normal);
}

void RunButtonClick(TControl& button) {
  // A handler of the button's own goes before its action's.
  if (button.OnClick)
    button.OnClick(&button);
  else if (button.ActionLink() && !button.IsDesigning())
    button.ActionLink()->Execute();
}

bool CopyActionImage(TBitmap& glyph, TBasicAction* action) {
  auto* a = dynamic_cast<TAction*>(action);
  if (!glyph.Empty() || !a || !a->ImageList()) return false;
  const TCustomImageList& list = *a->ImageList();
  if (a->ImageIndex() < 0 || a->ImageIndex() >= list.Count()) return false;
  TBitmap image(list.Width(), list.Height());
  image.Canvas().Brush().SetStyle(bsSolid);
  image.Canvas().Brush().SetColor(clFuchsia);
  image.Canvas().FillRect({0, 0, list.Width(), list.Height()});
  list.Draw(image.Canvas(), 0, 0, a->ImageIndex());
  image.SetTransparentColor(clFuchsia);
  glyph.Assign(image);
  return true;
}

std::unique_ptr<TTimer> MakeStoppedTimer(TNotifyEvent onTimer) {
  auto timer = std::make_unique<TTimer>(nullptr);
  timer->SetEnabled(false);
  timer->SetOnTimer(std::move(onTimer));
  return timer;
}

namespace {

constexpr unsigned kRepeatDelay = 500;  // ms before a held button starts repeating
constexpr unsigned kMorphInterval = 20;
constexpr double kMorphStep = 0.2;

unsigned Milliseconds(int value) { return static_cast<unsigned>(std::max(1, value)); }

}  // namespace

TsfButtonTransitions::TsfButtonTransitions(THooks hooks)
    : FHooks(std::move(hooks)),
      FRepeatTimer(MakeStoppedTimer([this](TObject*) { RepeatTick(); })),
      FMorphTimer(MakeStoppedTimer([this](TObject*) { MorphTick(); })),
      FAnimateTimer(MakeStoppedTimer([this](TObject*) { AnimateTick(); })) {
  FMorphTimer->SetInterval(kMorphInterval);
}

TsfButtonTransitions::~TsfButtonTransitions() = default;

void TsfButtonTransitions::StartRepeat(int interval) {
  FRepeatTimer->SetEnabled(false);
  FRepeating = false;
  FRepeatInterval = interval;
  FRepeatTimer->SetInterval(kRepeatDelay);
  FRepeatTimer->SetEnabled(true);
}

void TsfButtonTransitions::StopRepeat() { FRepeatTimer->SetEnabled(false); }
void TsfButtonTransitions::ResumeRepeat() { FRepeatTimer->SetEnabled(true); }
bool TsfButtonTransitions::RepeatRunning() const { return FRepeatTimer->Enabled(); }

void TsfButtonTransitions::RepeatTick() {
  if (!FRepeating) {
    FRepeating = true;
    FRepeatTimer->SetInterval(Milliseconds(FRepeatInterval));
    return;
  }
  FHooks.Click();
}

void TsfButtonTransitions::StartMorph() { FMorphTimer->SetEnabled(true); }
void TsfButtonTransitions::StopMorph() { FMorphTimer->SetEnabled(false); }
bool TsfButtonTransitions::MorphRunning() const { return FMorphTimer->Enabled(); }

void TsfButtonTransitions::MorphTick() {
  bool hot = FHooks.Hot();
  if (!FHooks.MorphActive()) {
    FMorphFactor = hot ? 1 : 0;
    StopMorph();
    return;
  }
  FMorphFactor += hot ? kMorphStep : -kMorphStep;
  if (FMorphFactor >= 1 - 1e-9 || FMorphFactor <= 1e-9) {
    FMorphFactor = hot ? 1 : 0;
    StopMorph();
  }
  FHooks.Repaint();
}

void TsfButtonTransitions::StartAnimation(bool inward, int frameCount, int interval) {
  FInward = inward;
  FFrameCount = frameCount;
  FFrame = inward ? 1 : frameCount;
  FAnimateTimer->SetEnabled(false);
  FAnimateTimer->SetInterval(Milliseconds(interval));
  FAnimateTimer->SetEnabled(true);
}

void TsfButtonTransitions::StopAnimation() { FAnimateTimer->SetEnabled(false); }
bool TsfButtonTransitions::AnimationRunning() const { return FAnimateTimer->Enabled(); }

void TsfButtonTransitions::AnimateTick() {
  FFrame += FInward ? 1 : -1;
  if (FFrame > FFrameCount || FFrame < 1) StopAnimation();
  FHooks.Repaint();
}

void PrepareButtonFaceFont(TCanvas& canvas, const TsfButtonSkinValues& skin, bool useSkinFont,
                           const TFont& defaultFont, bool useSkinFontColor, bool enabled,
                           bool active, bool down) {
  if (useSkinFont)
    AssignSkinFont(canvas.Font(), skin.fontname, skin.fontheight, skin.fontstyle, 0);
  else
    canvas.Font().Assign(defaultFont);
  TColor color = skin.fontcolor;
  if (enabled && !useSkinFontColor)
    color = defaultFont.Color();
  else if (!enabled)
    color = skin.disabledfontcolor;
  else if (active && down)
    color = skin.downfontcolor;
  else if (active)
    color = skin.activefontcolor;
  canvas.Font().SetColor(color);
}

void TsfButtonTransitions::DownChanged(bool down) {
  FMorphFactor = 1;
  if (down)
    StopMorph();
  else
    StartMorph();
}
