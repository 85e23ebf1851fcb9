#include <windows.h>

#include "sfSkinToolBar.h"

#include "sfGraphicSkinCustomControl.h"
#include "sfSkinSpeedButton.h"
#include "ui/ImageList.h"

namespace {

// Controls that centre themselves on a tool bar in their own SetBounds.
bool CentresItself(const TControl* c) {
  return dynamic_cast<const TsfSkinCustomControl*>(c) ||
         dynamic_cast<const TsfGraphicSkinCustomControl*>(c);
}

}  // namespace

bool TsfSkinToolBar::PlaceChildTop(const TControl& child, int height, int& top) const {
  (void)child;
  if (!FAdjustControls) return false;
  top = CentredTop(height);
  return true;
}

TsfSkinToolBar::TsfSkinToolBar(TComponent* AOwner) : TsfSkinPanel(AOwner) {
  SetSkinDataName("toolpanel");
  SetBounds(Left(), Top(), Width(), 25);
  SetBorderStyle(bvNone);
  SetSplitBorderPaint(false);
  SetDefaultHeight(0);
}

int TsfSkinToolBar::CentredTop(int height) const {
  TRect r = ClientRect();
  AdjustClientRect(r);
  return r.Top + r.Height() / 2 - height / 2;
}

void TsfSkinToolBar::SetAdjustControls(bool value) {
  if (value == FAdjustControls) return;
  FAdjustControls = value;
  if (value) SetBounds(Left(), Top(), Width(), Height());
}

void TsfSkinToolBar::SetFlat(bool value) {
  FFlat = value;
  for (TControl* c : FControls)
    if (auto* b = dynamic_cast<TsfSkinSpeedButton*>(c)) b->SetFlat(value);
}

void TsfSkinToolBar::SetShowCaptions(bool value) {
  if (value == FShowCaptions) return;
  FShowCaptions = value;
  if (FAutoShowHideCaptions)
    for (TControl* c : FControls)
      if (auto* b = dynamic_cast<TsfSkinSpeedButton*>(c)) b->SetShowCaption(value);
  if (FWidthWithCaptions != 0 && FWidthWithoutCaptions != 0)
    SetWidth(value ? FWidthWithCaptions : FWidthWithoutCaptions);
}

void TsfSkinToolBar::SetScrollOffset(int value) {
  if (value >= 0) FScrollOffset = value;
}

void TsfSkinToolBar::SetScrollTimerInterval(int value) {
  if (value > 0) FScrollTimerInterval = value;
}

void TsfSkinToolBar::SetSkinData(TsfSkinData* value) {
  TsfSkinPanel::SetSkinData(value);
  for (TControl* c : FControls)
    if (auto* b = dynamic_cast<TsfSkinSpeedButton*>(c)) b->SetSkinData(value);
}

void TsfSkinToolBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TsfSkinPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!FAdjustControls) return;
  std::vector<TControl*> children = FControls;
  for (TControl* c : children) {
    if (CentresItself(c)) c->SetBounds(c->Left(), c->Top(), c->Width(), c->Height());
  }
  CentrePlainChildren();
}

void TsfSkinToolBar::CentrePlainChildren() {
  if (!FAdjustControls) return;
  std::vector<TControl*> children = FControls;
  for (TControl* c : children)
    if (!CentresItself(c) && c->Align() == alNone)
      c->SetBounds(c->Left(), CentredTop(c->Height()), c->Width(), c->Height());
}

void TsfSkinToolBar::WndProc(TMessage& m) {
  TsfSkinPanel::WndProc(m);
  if (m.Msg == WM_WINDOWPOSCHANGED) CentrePlainChildren();
}

// ---- image lists -------------------------------------------------------------------

void TsfSkinToolBar::SetImageListRef(TCustomImageList*& field, TCustomImageList* value) {
  if (value == field) return;
  // The same list may sit in two of the three places: keep its notice while it does.
  TCustomImageList* old = field;
  field = value;
  if (old && old != FImages && old != FHotImages && old != FDisabledImages)
    RemoveFreeNotification(old);
  if (value) FreeNotification(value);
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
}

void TsfSkinToolBar::SetImages(TCustomImageList* value) { SetImageListRef(FImages, value); }
void TsfSkinToolBar::SetHotImages(TCustomImageList* value) { SetImageListRef(FHotImages, value); }
void TsfSkinToolBar::SetDisabledImages(TCustomImageList* value) {
  SetImageListRef(FDisabledImages, value);
}

void TsfSkinToolBar::Notification(TComponent* AComponent, TOperation Operation) {
  TsfSkinPanel::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FHotImages) FHotImages = nullptr;
  if (AComponent == FDisabledImages) FDisabledImages = nullptr;
}
