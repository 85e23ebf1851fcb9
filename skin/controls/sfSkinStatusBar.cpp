#include <windows.h>

#include "sfSkinStatusBar.h"

#include "sfSkinImage.h"
#include "skin/data/sfSkinData.h"
#include "ui/Bitmap.h"

TsfSkinStatusBar::TsfSkinStatusBar(TComponent* AOwner) : TsfSkinPanel(AOwner) {
  SetSkinDataName("statusbar");
  SetAlign(alBottom);
  SetBounds(Left(), Top(), Width(), 21);
  SetBorderStyle(bvNone);
  SetSplitBorderPaint(false);
}

void TsfSkinStatusBar::SetSizeGrip(bool value) {
  if (value == FSizeGrip) return;
  FSizeGrip = value;
  Invalidate();
  Realign();
}

void TsfSkinStatusBar::SetSkinData(TsfSkinData* value) {
  TsfSkinPanel::SetSkinData(value);
  for (TControl* c : FControls)
    if (auto* s = dynamic_cast<TsfSkinControl*>(c)) s->SetSkinData(value);
}

bool TsfSkinStatusBar::HasSkinGripper() const {
  return Skinned() && !PanelSkin().gripperrect.IsEmpty();
}

void TsfSkinStatusBar::AdjustClientRect(TRect& rect) const {
  TsfSkinPanel::AdjustClientRect(rect);
  if (!FSizeGrip) return;
  rect.Right -= HasSkinGripper() ? PanelSkin().gripperrect.Width() : rect.Height();
}

TRect TsfSkinStatusBar::GripRect() const {
  TRect c{0, 0, Width(), Height()};
  AdjustClientRect(c);
  if (HasSkinGripper()) {
    const TRect& g = PanelSkin().gripperrect;
    return {c.Right, c.Bottom - g.Height(), c.Right + g.Width(), c.Bottom};
  }
  return {c.Right + 2, c.Top, c.Right + c.Height(), c.Bottom - 2};
}

void TsfSkinStatusBar::DrawPlainFace(TCanvas& C) {
  TsfSkinPanel::DrawPlainFace(C);
  DrawGrip(C);
}

void TsfSkinStatusBar::DrawSkinImage(TBitmap& B) {
  TsfSkinPanel::DrawSkinImage(B);
  DrawGrip(B.Canvas());
}

void TsfSkinStatusBar::DrawGrip(TCanvas& C) {
  if (!FSizeGrip || !FGripShown) return;
  TRect g = GripRect();
  if (HasSkinGripper()) {
    if (TBitmap* picture = SkinPicture())
      DrawPictureImage(C, g.Left, g.Top, *picture, PanelSkin().gripperrect,
                       PanelSkin().grippertransparent, PanelSkin().grippertransparentcolor);
    return;
  }
  TColor shadow = clBtnShadow, highlight = clBtnHighlight;
  if (Skinned()) {
    shadow = SkinData()->SkinColors.cbtnshadow;
    highlight = SkinData()->SkinColors.cbtnhighlight;
  }
  for (int k = 3; g.Left + k + 2 <= g.Right; k += 3) {
    C.Pen().SetColor(shadow);
    C.MoveTo(g.Left + k, g.Bottom);
    C.LineTo(g.Right, g.Top + k);
    C.Pen().SetColor(highlight);
    C.MoveTo(g.Left + k + 1, g.Bottom);
    C.LineTo(g.Right, g.Top + k + 1);
  }
}

void TsfSkinStatusBar::WndProc(TMessage& m) {
  if (m.Msg == WM_NCHITTEST && FSizeGrip && !IsDesigning()) {
    POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
    ::ScreenToClient(Handle(), &p);
    m.Result = GripRect().Contains({p.x, p.y}) ? HTBOTTOMRIGHT : HTCLIENT;
    return;
  }
  TsfSkinPanel::WndProc(m);
}
