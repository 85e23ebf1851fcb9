#include <windows.h>

#include "sfSkinToolBar.h"

#include <algorithm>

#include "sfGraphicSkinCustomControl.h"
#include "sfSkinSpeedButton.h"
#include "skin/data/sfUtilsNinePart.h"
#include "ui/Bitmap.h"
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

void TsfSkinToolBar::ReferToImages(TCustomImageList*& field, TCustomImageList* value) {
  TCustomImageList* old = field;
  field = value;
  // One list may serve as two of the three: its notice stays while any refers to it.
  if (old && old != FImages && old != FHotImages && old != FDisabledImages)
    RemoveFreeNotification(old);
  if (value) FreeNotification(value);
}

void TsfSkinToolBar::SetImages(TCustomImageList* value) {
  if (value == FImages) return;
  ReferToImages(FImages, value);
  for (TControl* c : FControls)
    if (auto* b = dynamic_cast<TsfSkinSpeedButton*>(c)) b->Invalidate();
}

void TsfSkinToolBar::SetHotImages(TCustomImageList* value) {
  if (value != FHotImages) ReferToImages(FHotImages, value);
}

void TsfSkinToolBar::SetDisabledImages(TCustomImageList* value) {
  if (value != FDisabledImages) ReferToImages(FDisabledImages, value);
}

void TsfSkinToolBar::Notification(TComponent* AComponent, TOperation Operation) {
  TsfSkinPanel::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FHotImages) FHotImages = nullptr;
  if (AComponent == FDisabledImages) FDisabledImages = nullptr;
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

void TsfSkinToolBar::SetSkinDataName(const std::string& value) {
  TsfSkinPanel::SetSkinDataName(value);
  if (!IsDesigning()) return;
  std::string button = "toolbutton";
  if (value == "resizetoolpanel") button = "resizetoolbutton";
  if (value == "panel") button = "resizebutton";
  if (value == "bigtoolpanel") button = "bigtoolbutton";
  for (TControl* c : FControls)
    if (auto* b = dynamic_cast<TsfSkinSpeedButton*>(c)) b->SetSkinDataName(button);
}

void TsfSkinToolBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  int oldWidth = Width();
  TsfSkinPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FCanScroll) {
    PlaceArrows();
    if (Width() != oldWidth) {
      FWidthGrowth = oldWidth > 0 && Width() > oldWidth ? Width() - oldWidth : 0;
      UpdateScrollRange();
    }
    CentrePlainChildren();
  }
  if (!FAdjustControls) return;
  std::vector<TControl*> children = FControls;
  for (TControl* c : children) {
    if (CentresItself(c)) c->SetBounds(c->Left(), c->Top(), c->Width(), c->Height());
  }
  CentrePlainChildren();
}

void TsfSkinToolBar::AdjustClientRect(TRect& rect) const {
  TsfSkinPanel::AdjustClientRect(rect);
  if (!FCanScroll || !FArrowsShown) return;
  TRect client = ClientRect();
  rect = {-FScrollPos, 0, -FScrollPos + std::max(FScrollMax, client.Width()), client.Height()};
  if (!Skinned() || IsDesigning()) {
    rect.Top = 1;
    rect.Bottom = client.Height() - 1;
  } else if (!(BorderStyle() == bvNone && SizingMode() == sfsmNinePart)) {
    TsfSkinGeometry g = FSkin;
    int w = Width(), h = Height();
    g.CalcSkinSize(true, w, h);
    rect.Top = g.NewClRect.Top;
    rect.Bottom = g.NewClRect.Bottom;
  }
}

void TsfSkinToolBar::DrawSkinImage(TBitmap& B) {
  TBitmap* picture = SkinPicture();
  if (FCanScroll && FArrowsShown && SizingMode() == sfsmHorizontal && picture) {
    // Only the repeating middle: the ends of the bar sit under the arrows.
    CreateHThreePartImage(B, *picture, FSkin.SkinRect, FSkin.LTPoint.x,
                          FSkin.SkinWidth() - FSkin.RTPoint.x, Width(), FSkin.StretchEffect,
                          tpMiddleOnly);
    return;
  }
  TsfSkinPanel::DrawSkinImage(B);
}

void TsfSkinToolBar::CentrePlainChildren() {
  if (!FAdjustControls) return;
  std::vector<TControl*> children = FControls;
  for (TControl* c : children)
    if (!CentresItself(c) && c->Align() == alNone)
      c->SetBounds(c->Left(), CentredTop(c->Height()), c->Width(), c->Height());
}

void TsfSkinToolBar::WndProc(TMessage& m) {
  if (HandleScrollMessage(m)) return;
  TsfSkinPanel::WndProc(m);
  if (m.Msg == WM_WINDOWPOSCHANGED) CentrePlainChildren();
}
