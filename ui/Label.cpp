#include <windows.h>

#include "Label.h"

#include "WinControl.h"
#include "ScopeGuard.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
}

TCustomLabel::~TCustomLabel() = default;

void TCustomLabel::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
  if (value == FLayout) return;
  FLayout = value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  if (value == FShowAccelChar) return;
  FShowAccelChar = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  SetOpaque(!value);
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* value) {
  if (value == FFocusControl) return;
  if (FFocusControl) RemoveFreeNotification(FFocusControl);
  FFocusControl = value;
  if (value) FreeNotification(value);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

unsigned TCustomLabel::DrawTextFlags() const {
  static const unsigned alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  unsigned flags = DT_EXPANDTABS | alignments[FAlignment];
  if (FWordWrap) flags |= DT_WORDBREAK;
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  return flags;
}

void TCustomLabel::DoDrawText(TRect& rect, unsigned flags) {
  std::string text = GetLabelText();
  TCanvas& canvas = Canvas();
  if (flags & DT_CALCRECT) {
    // An empty label still measures one line high.
    if (text.empty() || (FShowAccelChar && text == "&")) text += ' ';
    canvas.DrawText(text, rect, flags);
    return;
  }
  canvas.SetTransparentText(true);
  if (Enabled()) {
    canvas.DrawText(text, rect, flags);
    return;
  }
  TColor color = canvas.Font().Color();
  TRect shifted = rect.Offset(1, 1);
  canvas.Font().SetColor(clBtnHighlight);
  canvas.DrawText(text, shifted, flags);
  canvas.Font().SetColor(clBtnShadow);
  canvas.DrawText(text, rect, flags);
  canvas.Font().SetColor(color);
}

TRect TCustomLabel::MeasureText(TRect rect, unsigned flags) {
  flags |= DT_CALCRECT;
  TCanvas& canvas = Canvas();
  if (canvas.HandleAllocated()) {
    DoDrawText(rect, flags);
    return rect;
  }
  TWindowDC screen(nullptr);
  canvas.SetHandle(screen.Get());
  TScopeExit release([&canvas] { canvas.SetHandle(nullptr); });
  canvas.Font().Assign(Font());
  DoDrawText(rect, flags);
  return rect;
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || IsLoading()) return;
  unsigned flags = DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0u);
  TRect r = MeasureText(ClientRect(), flags);
  int x = Left();
  if (FAlignment == taRightJustify) x += Width() - r.Right;
  SetBounds(x, Top(), r.Right, r.Bottom);
}

void TCustomLabel::Paint() {
  TCanvas& canvas = Canvas();
  if (!FTransparent) {
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(ClientRect());
  }
  canvas.Font().Assign(Font());
  TRect r = ClientRect();
  unsigned flags = DrawTextFlags();
  if (FLayout != tlTop) {
    TRect calc = MeasureText(r, flags);
    int free = Height() - calc.Bottom;
    r = r.Offset(0, FLayout == tlBottom ? free : free / 2);
  }
  DoDrawText(r, flags);
}

void TCustomLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

void TCustomLabel::TextChanged() {
  TGraphicControl::TextChanged();
  AdjustBounds();
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}
