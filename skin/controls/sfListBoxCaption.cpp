#include <windows.h>

#include "sfListBoxCaption.h"

#include <algorithm>

#include "sfPlainDraw.h"
#include "skin/data/sfDataSkinControl.h"
#include "ui/Bitmap.h"
#include "ui/Canvas.h"

namespace {

TRect Inset(const TRect& r, int d) { return {r.Left + d, r.Top + d, r.Right - d, r.Bottom - d}; }

// The text's place: from 4 pixels into the strip up to 2 pixels before the leftmost
// button.
TRect TextPlace(const TRect& strip, const TRect (&buttons)[3]) {
  int right = strip.Right - 2;
  for (const TRect& b : buttons)
    if (!b.IsEmpty()) right = std::min(right, b.Left - 2);
  return {strip.Left + 4, strip.Top, std::max(right, strip.Left + 4), strip.Bottom};
}

// Glyph 1 of the strip (2 when disabled and there is one) and the caption after it.
void DrawGlyphAndText(TCanvas& c, const TRect& place, const TsfListCaptionLook& look) {
  TRect text = place;
  if (look.Glyph && !look.Glyph->Empty()) {
    int count = std::max(look.NumGlyphs, 1);
    int gw = look.Glyph->Width() / count, gh = look.Glyph->Height();
    int number = !look.Enabled && count > 1 ? 2 : 1;
    TBitmap glyph(gw, gh);
    glyph.Canvas().CopyRect({0, 0, gw, gh}, const_cast<TBitmap*>(look.Glyph)->Canvas(),
                            {gw * (number - 1), 0, gw * number, gh});
    glyph.SetTransparent(true);
    c.Draw(place.Left, place.Top + (place.Height() - gh) / 2, glyph);
    text.Left += gw + look.Spacing;
  }
  if (look.Caption.empty() || text.IsEmpty()) return;
  unsigned align = look.Alignment == taCenter ? DT_CENTER : look.Alignment == taRightJustify ? DT_RIGHT : DT_LEFT;
  c.Brush().SetStyle(bsClear);
  c.DrawText(look.Caption, text, align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  c.Brush().SetStyle(bsSolid);
}

// A piece of the picture copied 1:1 into `place`.
void CopyImage(TCanvas& c, TBitmap& picture, const TRect& src, const TRect& place) {
  if (src.IsEmpty() || place.IsEmpty()) return;
  c.CopyRect({place.Left, place.Top, place.Left + src.Width(), place.Top + src.Height()}, picture.Canvas(), src);
}

}  // namespace

int ListCaptionButtonAt(const TsfListCaptionLayout& l, TPoint p) {
  for (int b : {sflcUp, sflcDown, sflcCheck})
    if (l.Buttons[b].Contains(p)) return b;
  return sflcNone;
}

TsfListCaptionLayout PlainListCaptionLayout(int width, int captionHeight) {
  TsfListCaptionLayout l;
  l.Strip = {1, 1, width - 1, captionHeight + 1};
  int a = std::min(captionHeight - 3, 17);
  int top = 1 + (captionHeight - a) / 2, right = width - 2;
  for (TRect& b : l.Buttons) {
    b = {right - a, top, right, top + a};
    right -= a;
  }
  l.Text = TextPlace(l.Strip, l.Buttons);
  return l;
}

void CopyListCaptionSkin(const TsfDataSkinListBox& d, TsfListCaptionSkin& s) {
  s.CaptionRect = d.captionrect;
  const TRect places[3] = {d.upbuttonrect, d.downbuttonrect, d.checkbuttonrect};
  const TRect active[3] = {d.activeupbuttonrect, d.activedownbuttonrect, d.activecheckbuttonrect};
  const TRect down[3] = {d.downupbuttonrect, d.downdownbuttonrect, d.downcheckbuttonrect};
  for (int b = 0; b < 3; ++b) {
    s.Buttons[b] = places[b];
    s.ActiveButtons[b] = active[b];
    // An empty pressed image takes the hot one.
    s.DownButtons[b] = down[b].IsEmpty() ? active[b] : down[b];
  }
}

TsfListCaptionLayout SkinListCaptionLayout(const TsfListCaptionSkin& s,
                                           const std::function<TRect(const TRect&)>& map) {
  TsfListCaptionLayout l;
  l.Strip = map(s.CaptionRect);
  for (int b = 0; b < 3; ++b) l.Buttons[b] = s.Buttons[b].IsEmpty() ? TRect() : map(s.Buttons[b]);
  l.Text = TextPlace(l.Strip, l.Buttons);
  return l;
}

void DrawPlainListCaption(TCanvas& c, const TsfListCaptionLayout& l, const TsfListCaptionLook& look) {
  c.Brush().SetColor(clBtnFace);
  c.FillRect(l.Strip);
  for (int b : {sflcUp, sflcDown, sflcCheck}) {
    const TRect& r = l.Buttons[b];
    if (look.Pressed == b && look.Hot == b)
      FrameAndFill(c, r, kPlainFrameColor, kPlainDownColor);
    else if (look.Hot == b)
      FrameAndFill(c, r, kPlainFrameColor, kPlainHotColor);
    else
      FrameAndFill(c, r, clBtnShadow, clBtnFace);
    TColor mark = look.Enabled ? clBlack : clBtnShadow;
    if (b == sflcCheck)
      DrawSmallGlyph(c, sgCheckMark, r.Left + (r.Width() - 8) / 2, r.Top + (r.Height() - 8) / 2, mark);
    else
      DrawArrow(c, Inset(r, 1), mark, b == sflcUp ? adUp : adDown);
  }
  DrawGlyphAndText(c, l.Text, look);
}

void DrawSkinListCaption(TCanvas& c, TBitmap& picture, const TsfListCaptionLayout& l,
                         const TsfListCaptionSkin& s, const TsfListCaptionLook& look) {
  for (int b : {sflcUp, sflcDown, sflcCheck}) {
    if (look.Pressed == b && look.Hot == b)
      CopyImage(c, picture, s.DownButtons[b], l.Buttons[b]);
    else if (look.Hot == b)
      CopyImage(c, picture, s.ActiveButtons[b], l.Buttons[b]);
  }
  DrawGlyphAndText(c, l.Text, look);
}

// ---- TsfListCaptionButtons ----------------------------------------------------------

void TsfListCaptionButtons::Press(int button, bool repeats) {
  Stop();
  FPressed = button;
  FRepeats = repeats && (button == sflcUp || button == sflcDown);
  FHot = button;
  if (FRepeats && StartTimer) {
    StartTimer(FirstDelay);
    FTimerRunning = true;
  }
  if (Changed) Changed();
}

void TsfListCaptionButtons::SetHot(int button) {
  if (button == FHot) return;
  FHot = button;
  if (Changed) Changed();
}

void TsfListCaptionButtons::Move(int button) {
  // While a button is held, the others do not light up.
  SetHot(FPressed != sflcNone && button != FPressed ? sflcNone : button);
}

bool TsfListCaptionButtons::Release(int button) {
  int pressed = FPressed;
  Stop();
  FPressed = sflcNone;
  FHot = button;
  if (Changed) Changed();
  return pressed != sflcNone && pressed == button;
}

void TsfListCaptionButtons::Leave() {
  if (FPressed == sflcNone) SetHot(sflcNone);
  else Move(sflcNone);
}

void TsfListCaptionButtons::Tick() {
  if (FPressed == sflcNone || !FRepeats) {
    Stop();
    return;
  }
  if (StartTimer) StartTimer(RepeatDelay);
  // Off the button the repeat pauses; back on it, it goes on.
  if (FHot == FPressed && Step) Step(FPressed);
}

void TsfListCaptionButtons::Cancel() {
  if (FPressed == sflcNone && !FTimerRunning) return;
  Stop();
  FPressed = sflcNone;
  FHot = sflcNone;
  if (Changed) Changed();
}

void TsfListCaptionButtons::Stop() {
  if (FTimerRunning && StopTimer) StopTimer();
  FTimerRunning = false;
  FRepeats = false;
}
