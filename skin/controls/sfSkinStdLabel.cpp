#include "sfSkinStdLabel.h"

#include <windows.h>

#include "sfItemText.h"
#include "skin/data/sfResourceStrData.h"
#include "skin/data/sfSkinData.h"

TsfSkinStdLabel::TsfSkinStdLabel(TComponent* AOwner) : TCustomLabel(AOwner) {
  SetSkinDataName("stdlabel");
  SetTransparent(true);
}

TsfSkinStdLabel::~TsfSkinStdLabel() = default;

void TsfSkinStdLabel::SetSkinData(TsfSkinData* value) {
  if (FBinding.SetSkinData(value)) ApplySkin();
}

void TsfSkinStdLabel::ApplySkin() {
  FetchSkin();
  AdjustBounds();
  Invalidate();
}

void TsfSkinStdLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomLabel::Notification(AComponent, Operation);
  FBinding.Notification(AComponent, Operation);
}

void TsfSkinStdLabel::SetUseSkinFont(bool value) {
  if (value == FUseSkinFont) return;
  FUseSkinFont = value;
  AdjustBounds();
  Invalidate();
}

void TsfSkinStdLabel::SetUseSkinColor(bool value) {
  if (value == FUseSkinColor) return;
  FUseSkinColor = value;
  Invalidate();
}

void TsfSkinStdLabel::SetDefaultFont(const TFont& value) {
  FDefaultFont.Assign(value);
  AdjustBounds();
  Invalidate();
}

void TsfSkinStdLabel::SetEllipsType(TsfEllipsType value) {
  if (value == FEllipsType) return;
  FEllipsType = value;
  Invalidate();
}

unsigned TsfSkinStdLabel::ExtraTextFlags() const {
  unsigned flags = ShowAccelChar() ? 0u : static_cast<unsigned>(DT_NOPREFIX);
  if (FEllipsType == sfetEndEllips) flags |= DT_END_ELLIPSIS;
  if (FEllipsType == sfetPathEllips) flags |= DT_PATH_ELLIPSIS;
  return flags;
}

void TsfSkinStdLabel::PrepareFont(TFont& font) {
  auto* def = dynamic_cast<TsfDataSkinStdLabelControl*>(FBinding.Definition());
  if (!def) {
    font.Assign(FUseSkinFont ? FDefaultFont : Font());
  } else {
    TColor own = Font().Color();
    if (FUseSkinFont)
      AssignSkinFont(font, def->Font());
    else
      font.Assign(Font());
    font.SetColor(FUseSkinColor ? def->fontcolor : own);
  }
  TsfSkinData* data = SkinData();
  if (data && data->ResourceStrData())
    font.SetCharset(static_cast<TFontCharset>(data->ResourceStrData()->CharSet));
  else
    font.SetCharset(FDefaultFont.Charset());
}

void TsfSkinStdLabel::DoDrawText(TRect& rect, unsigned flags) {
  FetchSkin();
  std::string text = GetLabelText();
  TCanvas& canvas = Canvas();
  flags |= ExtraTextFlags();
  PrepareFont(canvas.Font());
  if (flags & DT_CALCRECT) {
    if (text.empty() || (ShowAccelChar() && text == "&")) text.assign(1, ' ');
    canvas.DrawText(text, rect, flags);
    return;
  }
  canvas.SetTransparentText(true);
  if (Enabled())
    canvas.DrawText(text, rect, flags);
  else
    DrawDisabled(canvas, text, rect, flags);
}

void TsfSkinStdLabel::DrawDisabled(TCanvas& canvas, const std::string& text, TRect& rect,
                                   unsigned flags) {
  TColor light = clBtnHighlight, dark = clBtnShadow;
  if (Skinned()) {
    light = SkinData()->SkinColors.cbtnhighlight;
    dark = SkinData()->SkinColors.cbtnshadow;
  }
  TRect shifted = rect.Offset(1, 1);
  canvas.Font().SetColor(light);
  canvas.DrawText(text, shifted, flags);
  canvas.Font().SetColor(dark);
  canvas.DrawText(text, rect, flags);
}
