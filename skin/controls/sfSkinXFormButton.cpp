#include "sfSkinXFormButton.h"

#include "skin/data/sfUtilsRegion.h"
#include "ui/Bitmap.h"

TsfSkinXFormButton::TsfSkinXFormButton(TComponent* AOwner)
    : TsfSkinButton(AOwner),
      FDefImage(std::make_unique<TBitmap>()),
      FDefActiveImage(std::make_unique<TBitmap>()),
      FDefDownImage(std::make_unique<TBitmap>()),
      FDefMask(std::make_unique<TBitmap>()) {
  SetCanFocused(false);
}

TsfSkinXFormButton::~TsfSkinXFormButton() = default;

bool TsfSkinXFormButton::UsesOwnImages() const { return !Skinned() && !FDefImage->Empty(); }

void TsfSkinXFormButton::SetDefImage(const TBitmap& value) {
  FDefImage->Assign(value);
  if (!FDefImage->Empty()) {
    SetDefaultHeight(FDefImage->Height());
    SetDefaultWidth(FDefImage->Width());
  }
  Invalidate();
}

void TsfSkinXFormButton::SetDefActiveImage(const TBitmap& value) { FDefActiveImage->Assign(value); }
void TsfSkinXFormButton::SetDefDownImage(const TBitmap& value) { FDefDownImage->Assign(value); }

void TsfSkinXFormButton::SetDefMask(const TBitmap& value) {
  FDefMask->Assign(value);
  UpdateMaskRegion();
}

void TsfSkinXFormButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (UsesOwnImages()) {
    AWidth = FDefImage->Width();
    AHeight = FDefImage->Height();
  }
  TsfSkinButton::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TsfSkinXFormButton::ApplySkin() {
  TsfSkinButton::ApplySkin();
  if (UsesOwnImages()) {
    SetBounds(Left(), Top(), FDefImage->Width(), FDefImage->Height());
    UpdateMaskRegion();
  }
}

void TsfSkinXFormButton::Loaded() {
  TsfSkinButton::Loaded();
  if (!FDefMask->Empty()) UpdateMaskRegion();
}

void TsfSkinXFormButton::CreateHandleDone() {
  TsfSkinButton::CreateHandleDone();
  if (UsesOwnImages() && !FDefMask->Empty()) UpdateMaskRegion();
}

void TsfSkinXFormButton::UpdateSkinRegion() {
  if (UsesOwnImages())
    UpdateMaskRegion();
  else
    TsfSkinButton::UpdateSkinRegion();
}

void TsfSkinXFormButton::UpdateMaskRegion() {
  if (!UsesOwnImages()) return;
  // The window takes the region (and owns it from then on); the one it had before
  // goes with the replacement.
  SetSkinRegion(FDefMask->Empty() ? TRegionHandle() : CreateRgnFromBitmap(*FDefMask));
}

void TsfSkinXFormButton::DrawDefaultImage(TBitmap& B) {
  if (!UsesOwnImages()) {
    TsfSkinButton::DrawDefaultImage(B);
    return;
  }
  TCanvas& c = B.Canvas();
  bool down = ShowsDownLook();
  bool hot = MouseIn() || FocusedButton();
  TColor color = DefaultFont().Color();
  if (down && !FDefDownImage->Empty()) {
    c.Draw(0, 0, *FDefDownImage);
  } else if (hot) {
    c.Draw(0, 0, FDefActiveImage->Empty() ? *FDefImage : *FDefActiveImage);
  } else {
    c.Draw(0, 0, *FDefImage);
  }
  if (down)
    color = FDefDownFontColor;
  else if (hot)
    color = FDefActiveFontColor;
  c.Font().Assign(DefaultFont());
  c.Font().SetColor(color);
  TsfGlyphCaption g = GlyphCaption(down);
  g.GlyphNo = StripGlyphNumber(Down(), MouseIn(), Enabled(), NumGlyphs());
  DrawGlyphAndCaption(c, {0, 0, B.Width(), B.Height()}, g);
}
